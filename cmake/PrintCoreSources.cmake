# Prints the core library's .cpp files, one a line, relative to the
# repository (for tools/tidy.sh): cmake -P cmake/PrintCoreSources.cmake
include(${CMAKE_CURRENT_LIST_DIR}/QarnivoCore.cmake)
foreach(file ${QARNIVO_CORE_SOURCES})
  if(file MATCHES "\\.cpp$")
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "src/${file}")
  endif()
endforeach()
