# The core of Qarnivo: the calendar arithmetic and its checks, the readers
# and writers of the program's text formats, the readings, the settings
# catalogue, the month layout and the help texts. It is pure code that needs
# QtCore only: nothing in it draws, shows a window or touches the system
# through the Platform, so the fuzz targets and the suites of the pure code
# link it alone. The program adds the platform and the windows on top
# (qarnivo_lib).
#
# Included by the program's build and by the fuzz project (fuzz/), so both
# build the same sources; qarnivo_add_core(<target> <src folder>) adds the
# library.

set(QARNIVO_CORE_SOURCES
  calendar/checks.cpp calendar/checks.h
  calendar/conversion.cpp calendar/conversion.h
  calendar/datestate.cpp calendar/datestate.h
  calendar/leadingnumber.cpp calendar/leadingnumber.h
  calendar/names.cpp calendar/names.h
  calendar/ummalqura.cpp calendar/ummalqura.h calendar/ummalquratable.cpp
  core/message.h
  help/helptexts.cpp help/helptexts.h help/maker.h
  mainwindow/monthview.cpp mainwindow/monthview.h
  platform/appfolder.cpp platform/appfolder.h
  platform/textfile.cpp platform/textfile.h
  prayer/prayerclock.cpp prayer/prayerclock.h
  prayer/prayersettings.cpp prayer/prayersettings.h
  prayer/prayertimes.cpp prayer/prayertimes.h
  readings/datetable.cpp readings/datetable.h
  readings/occasionexport.cpp readings/occasionexport.h
  readings/occasions.cpp readings/occasions.h
  readings/recordfile.cpp readings/recordfile.h
  readings/scripture.cpp readings/scripture.h
  readings/textbox.h
  readings/thoughts.cpp readings/thoughts.h
  settings/settingscatalogue.cpp settings/settingscatalogue.h
  sunpage/citycheck.cpp sunpage/citycheck.h
  sunpage/cityfile.cpp sunpage/cityfile.h
  sunpage/fieldreader.cpp sunpage/fieldreader.h
  sunpage/listsearch.cpp sunpage/listsearch.h
  sunpage/offsetlist.cpp sunpage/offsetlist.h
  sunpage/pagewriter.cpp sunpage/pagewriter.h
  sunpage/placelist.cpp sunpage/placelist.h
  sunpage/wildcard.cpp sunpage/wildcard.h)

function(qarnivo_add_core target source_root)
  list(TRANSFORM QARNIVO_CORE_SOURCES PREPEND ${source_root}/ OUTPUT_VARIABLE sources)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${source_root})
  target_link_libraries(${target} PUBLIC Qt6::Core)
endfunction()
