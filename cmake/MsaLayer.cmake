# msa_layer(NAME SOURCES ... USES ...): the static library msa_NAME of the
# folder src/NAME. The folder sees its own headers and those of the layers it
# declares it uses (and theirs), nothing else: each library is compiled
# against a view of src/ that holds only those folders, so an #include that
# crosses the layering fails to build.
function(msa_layer name)
  cmake_parse_arguments(LAYER "" "" "SOURCES;USES" ${ARGN})
  set(view ${PROJECT_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${view})
  foreach(folder ${name} ${LAYER_USES})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${view}/${folder} SYMBOLIC)
  endforeach()
  add_library(msa_${name} STATIC ${LAYER_SOURCES})
  target_include_directories(msa_${name} PUBLIC ${view})
  foreach(used ${LAYER_USES})
    target_link_libraries(msa_${name} PUBLIC msa_${used})
  endforeach()
  if(MSA_LAYER_COMPILE_OPTIONS)
    target_compile_options(msa_${name} PRIVATE ${MSA_LAYER_COMPILE_OPTIONS})
  endif()
endfunction()
