# Copies the delivered templates beside the program, each only when it is not there yet:
# a template already there may have been changed in the designer and is the operator's.
file(GLOB templates "${SOURCE}/*.fr3")
foreach(template IN LISTS templates)
  get_filename_component(name "${template}" NAME)
  if(NOT EXISTS "${DESTINATION}/${name}")
    file(COPY "${template}" DESTINATION "${DESTINATION}")
    message(STATUS "delivered ${name}")
  endif()
endforeach()
