# Fails when an include points up the layers or two folders include each
# other. The layers, bottom to top:
#
#   core/<concept>/   pure code over QtCore (no Gui, Widgets or WebEngine header)
#   platform/         every touch of the system, over the core
#   widgets/          the controls and pictures that several windows share
#   cli/              the command line, over the core and QtCore alone
#   launch/           the entry's quick start, over the core's Qt-free
#                     arithmetic, with no Qt header at all
#   windows/<window>/ one window each, over everything below
#   main.cpp, commandlinemain.cpp, windowsmain.cpp: the entry and the
#                     entries of the command line's and the windows' modules
#
# A folder may include its own files and those of lower layers; folders of
# one layer (two core concepts, two windows) may include each other in one
# direction only.
#
# cmake -DSOURCE_ROOT=<src> -DQT_CORE_INCLUDES=<dir|dir|...> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" qt_dirs "${QT_CORE_INCLUDES}")

# The folder a source belongs to, and that folder's layer.
function(unit_of path out_unit out_rank)
  if(path MATCHES "^(core|windows)/([^/]+)/")
    set(unit "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}")
  elseif(path MATCHES "^([^/]+)/")
    set(unit "${CMAKE_MATCH_1}")
  else()
    set(unit "entry")
  endif()
  if(unit MATCHES "^core")
    set(rank 0)
  elseif(unit STREQUAL "platform" OR unit STREQUAL "widgets")
    set(rank 1)
  elseif(unit STREQUAL "cli" OR unit STREQUAL "launch")
    set(rank 2)
  elseif(unit MATCHES "^windows/")
    set(rank 3)
  else()
    set(rank 4)
  endif()
  set(${out_unit} ${unit} PARENT_SCOPE)
  set(${out_rank} ${rank} PARENT_SCOPE)
endfunction()

function(is_qtcore_header header out)
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
  set(${out} ${found} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE_ROOT} ${SOURCE_ROOT}/*.cpp ${SOURCE_ROOT}/*.h)
set(faults "")
set(edges "")
foreach(file ${files})
  unit_of(${file} unit rank)
  file(STRINGS ${SOURCE_ROOT}/${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    if(line MATCHES "include[ \t]*\"([^\"]+)\"")
      set(header ${CMAKE_MATCH_1})
      if(NOT EXISTS ${SOURCE_ROOT}/${header})
        continue()
      endif()
      unit_of(${header} target target_rank)
      if(target STREQUAL unit)
        continue()
      endif()
      if((unit STREQUAL "cli" OR unit STREQUAL "launch") AND NOT target MATCHES "^core/")
        list(APPEND faults "${file}: ${unit}/ includes ${header}, outside the core")
      elseif(target_rank GREATER rank OR (target_rank EQUAL rank AND NOT unit MATCHES "^(core|windows)/"))
        list(APPEND faults "${file}: ${header} is not in a lower layer")
      endif()
      list(APPEND edges "${unit}>${target}")
    elseif(line MATCHES "include[ \t]*<(Q[^>]*)>" AND (unit STREQUAL "launch" OR file STREQUAL "main.cpp"))
      list(APPEND faults "${file}: <${CMAKE_MATCH_1}> in the entry that starts without Qt")
    elseif(line MATCHES "include[ \t]*<(Q[^>]*)>" AND (unit MATCHES "^core/" OR unit STREQUAL "cli"))
      is_qtcore_header(${CMAKE_MATCH_1} qtcore)
      if(NOT qtcore)
        list(APPEND faults "${file}: <${CMAKE_MATCH_1}> is not a QtCore header")
      endif()
    endif()
  endforeach()
endforeach()

list(REMOVE_DUPLICATES edges)
foreach(edge ${edges})
  string(REPLACE ">" ";" ends ${edge})
  list(GET ends 0 from)
  list(GET ends 1 to)
  if("${to}>${from}" IN_LIST edges AND from STRLESS to)
    list(APPEND faults "${from} and ${to} include each other")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "Includes that cross the layers:\n${text}")
endif()
list(LENGTH files count)
message(STATUS "The ${count} sources keep to their layers")
