# The core of Qarnivo is the folder src/core: the calendar arithmetic and its
# checks, the readers and writers of the program's text formats, the
# readings, the places, the prayer times, the stored choices and the page
# text. It is pure code that needs QtCore only: nothing in it draws, shows a
# window or touches the system through the Platform, so the fuzz targets and
# the suites of the pure code link it alone. cmake/CheckLayers.cmake keeps it
# that way.
#
# Included by the program's build and by the fuzz project (fuzz/), so both
# build the same sources; qarnivo_add_core(<target> <src folder>) adds the
# library.

function(qarnivo_core_sources source_root out)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${source_root}/core/*.cpp ${source_root}/core/*.h)
  list(SORT sources)
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

function(qarnivo_add_core target source_root)
  qarnivo_core_sources(${source_root} sources)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${source_root})
  target_link_libraries(${target} PUBLIC Qt6::Core)
  # The core's few QObjects (today's date) need moc in every build of it.
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
endfunction()
