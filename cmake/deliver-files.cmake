# Copies the delivered templates and help document beside the program, each only when it
# is not there yet: a template already there may have been changed in the designer and
# is the operator's.
file(GLOB delivered "${TEMPLATES}/*.fr3" "${HELP}/*.doc")
foreach(file IN LISTS delivered)
  get_filename_component(name "${file}" NAME)
  if(NOT EXISTS "${DESTINATION}/${name}")
    file(COPY "${file}" DESTINATION "${DESTINATION}")
    message(STATUS "delivered ${name}")
  endif()
endforeach()
