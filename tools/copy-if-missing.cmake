# Copies SOURCE to DESTINATION unless DESTINATION exists, so that a user's
# edits in the portable application folder survive a rebuild.
if(NOT EXISTS "${DESTINATION}")
  get_filename_component(folder "${DESTINATION}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
