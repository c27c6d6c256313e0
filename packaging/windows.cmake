# The Windows zip (see install.cmake): the programs at the top, the DLLs they
# load from beside them, the README, the HTML manual (manual/) and the
# licence texts of all that is shipped. MSA_DEPS_PREFIX is where
# tools/windows/deps.sh built SDL2, libpng and zlib.
if(TARGET msa)
  # A desktop program: no console window of its own.
  set_target_properties(msa PROPERTIES WIN32_EXECUTABLE ON)
  enable_language(RC)
  target_sources(msa PRIVATE ${MSA_PACKAGING_DIR}/windows/msa.rc)
  install(TARGETS msa RUNTIME DESTINATION .)
endif()
install(TARGETS msa-headless RUNTIME DESTINATION .)

# libpng is not used by the programs yet; it is found and shipped so that
# the zip holds what saving pictures will need.
find_package(PNG)
file(GLOB MSA_DEPS_DLLS ${MSA_DEPS_PREFIX}/bin/*.dll)
install(FILES ${MSA_DEPS_DLLS} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
# The HTML manual, in a folder of its own beside the programs.
if(MSA_MANUAL_DIR)
  install(DIRECTORY ${MSA_MANUAL_DIR}/ DESTINATION manual)
endif()
file(GLOB MSA_DEPS_LICENCES ${MSA_DEPS_PREFIX}/licenses/*.txt)
install(FILES ${MSA_DEPS_LICENCES} DESTINATION licenses)
# The MinGW-w64 start-up code and runtime library linked into the programs.
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licenses RENAME mingw-w64.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME msa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME msa-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/dist)
include(CPack)
