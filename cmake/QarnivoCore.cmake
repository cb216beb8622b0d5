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

#
# Its calendar arithmetic is free even of Qt: <target>_days, which the
# program's quick start links alone to answer a conversion without loading
# any Qt library. Built without Qt's headers, it cannot include one.
set(QARNIVO_QT_FREE_CORE core/calendar/conversion.cpp core/calendar/conversion.h
    core/calendar/ummalqura.cpp core/calendar/ummalqura.h core/calendar/ummalquratable.cpp
    core/calendar/englishnames.h)

function(qarnivo_core_sources source_root out)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${source_root}/core/*.cpp ${source_root}/core/*.h)
  list(SORT sources)
  foreach(file ${QARNIVO_QT_FREE_CORE})
    list(REMOVE_ITEM sources ${source_root}/${file})
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

function(qarnivo_add_core target source_root)
  list(TRANSFORM QARNIVO_QT_FREE_CORE PREPEND ${source_root}/ OUTPUT_VARIABLE days_sources)
  add_library(${target}_days STATIC ${days_sources})
  target_include_directories(${target}_days PUBLIC ${source_root})
  qarnivo_core_sources(${source_root} sources)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${source_root})
  target_link_libraries(${target} PUBLIC ${target}_days Qt6::Core)
  # The core's few QObjects (today's date) need moc in every build of it.
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
endfunction()
