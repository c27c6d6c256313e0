# The version of project() reaches the code as msa_version.hpp.
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.hpp.in ${CMAKE_BINARY_DIR}/generated/msa_version.hpp @ONLY)
foreach(program IN ITEMS msa msa-headless)
  if(TARGET ${program})
    target_include_directories(${program} PRIVATE ${CMAKE_BINARY_DIR}/generated)
  endif()
endforeach()
