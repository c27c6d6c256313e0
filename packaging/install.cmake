# How msa is installed and packaged. On Linux: the two programs, a desktop
# entry, icons, manual pages (English and French), the HTML manual and
# AppStream metadata, and CPack's Debian package. On Windows: the programs
# with the DLLs and licence texts they need, the HTML manual, and CPack's zip.
set(MSA_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(MSA_APP_ID org.msa.msa)
set(MSA_MAINTAINER "msa maintainers <maintainers@users.noreply.c-seed-57e754c4.example>")
set(MSA_HOMEPAGE "https://msa.invalid" CACHE STRING "Where the project is published (AppStream links)")
set(MSA_SUMMARY "Steady states and transients of a self-controlled synchronous machine")

include(${MSA_PACKAGING_DIR}/manual.cmake)
if(WIN32)
  include(${MSA_PACKAGING_DIR}/windows.cmake)
else()
  include(${MSA_PACKAGING_DIR}/linux.cmake)
endif()
