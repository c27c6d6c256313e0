# The HTML manual (tools/docs/html_manual.py, with Debian's pandoc): the
# guides, the model and the other documents as pages that open offline, with
# their pictures and key scripts, made at build time into MSA_MANUAL_DIR and
# installed by the Linux and Windows rules. Without pandoc the programs build
# as before and the packages lack it (tools/check_package.sh fails then).
find_program(MSA_PANDOC pandoc)
find_program(MSA_PYTHON3 NAMES python3 python)
set(MSA_MANUAL_DIR "")
if(MSA_PANDOC AND MSA_PYTHON3)
  set(MSA_MANUAL_DIR ${CMAKE_BINARY_DIR}/manual)
  file(GLOB MSA_MANUAL_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/*.md ${PROJECT_SOURCE_DIR}/docs/*.png
    ${PROJECT_SOURCE_DIR}/docs/pictures/* ${PROJECT_SOURCE_DIR}/docs/examples/*
    ${PROJECT_SOURCE_DIR}/tools/docs/html_manual.py ${PROJECT_SOURCE_DIR}/tools/docs/html_links.lua)
  add_custom_command(OUTPUT ${MSA_MANUAL_DIR}/guide.en.html
    COMMAND ${MSA_PYTHON3} ${PROJECT_SOURCE_DIR}/tools/docs/html_manual.py ${MSA_MANUAL_DIR}
    DEPENDS ${MSA_MANUAL_SOURCES} VERBATIM)
  add_custom_target(msa-manual ALL DEPENDS ${MSA_MANUAL_DIR}/guide.en.html)
else()
  message(STATUS "pandoc not found: the packages will not hold the HTML manual")
endif()
