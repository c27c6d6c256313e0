# msa_layer(FOLDER SOURCES ... USES ...): the static library of the folder
# src/FOLDER, named msa_ and the folder with each / made a _ (src/frontends/sdl
# gives msa_frontends_sdl). The folder sees its own headers and those of the
# layers it declares it uses (and theirs), nothing else: each library is
# compiled against a view of src/ that holds only those folders, so an
# #include that crosses the layering fails to build. Headers the build makes
# for a layer go to the folder msa_layer_generated gives, under the layer's
# own folder name, and are seen as the layer's own. Every layer is listed in
# the global property MSA_LAYERS.
function(msa_layer_target folder out)
  string(REPLACE "/" "_" flat ${folder})
  set(${out} msa_${flat} PARENT_SCOPE)
endfunction()

# msa_layer_generated(FOLDER OUT): where the build writes the files it makes
# for the layer FOLDER (OUT/FOLDER/name.hpp is included as "FOLDER/name.hpp").
function(msa_layer_generated folder out)
  msa_layer_target(${folder} target)
  set(${out} ${PROJECT_BINARY_DIR}/generated/layers/${target} PARENT_SCOPE)
endfunction()

function(msa_layer folder)
  cmake_parse_arguments(LAYER "" "" "SOURCES;USES" ${ARGN})
  msa_layer_target(${folder} target)
  set(view ${PROJECT_BINARY_DIR}/layers/${target})
  foreach(seen ${folder} ${LAYER_USES})
    get_filename_component(parent ${view}/${seen} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${seen} ${view}/${seen} SYMBOLIC)
  endforeach()
  add_library(${target} STATIC ${LAYER_SOURCES})
  msa_layer_generated(${folder} generated)
  target_include_directories(${target} PUBLIC ${view} ${generated})
  foreach(used ${LAYER_USES})
    msa_layer_target(${used} used_target)
    target_link_libraries(${target} PUBLIC ${used_target})
  endforeach()
  if(MSA_LAYER_COMPILE_OPTIONS)
    target_compile_options(${target} PRIVATE ${MSA_LAYER_COMPILE_OPTIONS})
  endif()
  set_property(GLOBAL APPEND PROPERTY MSA_LAYERS ${target})
endfunction()
