# Fails when a source of the core library includes a project header that is
# not in the core, or a Qt header that is not QtCore's (a QtGui, QtWidgets or
# WebEngine header, or src/platform/platform.h, would tie the pure code to the
# desktop again; linking catches only what is called, not what is included).
#
# cmake -DSOURCE_ROOT=<src> -DQT_CORE_INCLUDES=<dir|dir|...> -P CheckCoreIncludes.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/QarnivoCore.cmake)
string(REPLACE "|" ";" qt_dirs "${QT_CORE_INCLUDES}")

set(faults "")
foreach(file ${QARNIVO_CORE_SOURCES})
  file(STRINGS ${SOURCE_ROOT}/${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    if(line MATCHES "include[ \t]*\"([^\"]+)\"")
      if(NOT CMAKE_MATCH_1 IN_LIST QARNIVO_CORE_SOURCES)
        list(APPEND faults "${file}: ${CMAKE_MATCH_1} is not in the core")
      endif()
    elseif(line MATCHES "include[ \t]*<(Q[^>]*)>")
      set(header ${CMAKE_MATCH_1})
      set(found FALSE)
      if(header MATCHES "^QtCore/")
        set(found TRUE)
      elseif(NOT header MATCHES "/")
        foreach(dir ${qt_dirs})
          if(dir MATCHES "/QtCore$" AND EXISTS ${dir}/${header})
            set(found TRUE)
          endif()
        endforeach()
      endif()
      if(NOT found)
        list(APPEND faults "${file}: <${header}> is not a QtCore header")
      endif()
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "The core library reaches outside QtCore and itself:\n${text}")
endif()
list(LENGTH QARNIVO_CORE_SOURCES count)
message(STATUS "The ${count} core files include only the core and QtCore")
