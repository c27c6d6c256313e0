# The texts of every language: one file each, src/texts/CODE.texts, French
# the reference and first. src/texts/make_texts.py (Python 3's standard
# library only) makes of them, at build time, what each part of the build
# needs: the dialogue layer's tables, the page's words and help, the manual
# pages. A new language: its file, and its code here.
set(MSA_LANGUAGES fr en)

find_package(Python3 3.7 REQUIRED COMPONENTS Interpreter)
set(MSA_TEXTS_SCRIPT ${PROJECT_SOURCE_DIR}/src/texts/make_texts.py)
set(MSA_TEXT_FILES)
foreach(code ${MSA_LANGUAGES})
  list(APPEND MSA_TEXT_FILES ${PROJECT_SOURCE_DIR}/src/texts/${code}.texts)
endforeach()

# msa_texts(OUTPUT MODE [ARGS ...] [DEPENDS ...] [BYPRODUCTS ...]): OUTPUT
# made by `make_texts.py MODE OUTPUT ARGS... TEXTS...` whenever a text, the
# script or a file of DEPENDS changes.
function(msa_texts output mode)
  cmake_parse_arguments(TEXTS "" "" "ARGS;DEPENDS;BYPRODUCTS" ${ARGN})
  add_custom_command(OUTPUT ${output}
    BYPRODUCTS ${TEXTS_BYPRODUCTS}
    COMMAND Python3::Interpreter ${MSA_TEXTS_SCRIPT} ${mode} ${output} ${TEXTS_ARGS} ${MSA_TEXT_FILES}
    DEPENDS ${MSA_TEXTS_SCRIPT} ${MSA_TEXT_FILES} ${TEXTS_DEPENDS}
    VERBATIM)
endfunction()
