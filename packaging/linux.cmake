# The Linux desktop install (see install.cmake) and the Debian package.
include(GNUInstallDirs)
set(MSA_GENERATED ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS msa-headless RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET msa)
  install(TARGETS msa RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The Python module msa, for the Python it was built for (Debian's Python 3:
# /usr/lib/python3/dist-packages/msa), a shared object read, not run.
if(TARGET _msa)
  install(TARGETS _msa LIBRARY DESTINATION ${MSA_PYTHON_INSTALL_DIR}/msa
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/python/msa/ DESTINATION ${MSA_PYTHON_INSTALL_DIR}/msa
    FILES_MATCHING PATTERN "*.py" PATTERN "__pycache__" EXCLUDE)
endif()

install(FILES ${MSA_PACKAGING_DIR}/msa.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${MSA_APP_ID}.desktop)
configure_file(${MSA_PACKAGING_DIR}/msa.metainfo.xml.in ${MSA_GENERATED}/${MSA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${MSA_GENERATED}/${MSA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size IN ITEMS 32 48 64 128 256)
  install(FILES ${MSA_PACKAGING_DIR}/icons/msa-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME msa.png)
endforeach()
install(FILES ${MSA_PACKAGING_DIR}/icons/msa.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and the changelog are installed compressed, without a time
# stamp in the gzip header, as Debian wants them.
set(MSA_COMPRESSED)
# msa_compress(NAME): NAME.gz from NAME, both in the generated folder.
function(msa_compress name)
  add_custom_command(OUTPUT ${MSA_GENERATED}/${name}.gz
    COMMAND gzip -9nf -k ${MSA_GENERATED}/${name}
    DEPENDS ${MSA_GENERATED}/${name} VERBATIM)
  set(MSA_COMPRESSED ${MSA_COMPRESSED} ${MSA_GENERATED}/${name}.gz PARENT_SCOPE)
endfunction()
# msa_gzip(SOURCE NAME): configures SOURCE into NAME and compresses it to NAME.gz.
function(msa_gzip source name)
  configure_file(${source} ${MSA_GENERATED}/${name} @ONLY)
  msa_compress(${name})
  set(MSA_COMPRESSED ${MSA_COMPRESSED} PARENT_SCOPE)
endfunction()
# The manual pages, English and French: their options are those of --help,
# from the texts of the language (src/texts). The tests check them too
# (msa-manual-pages).
set(MSA_MANUAL_PAGES)
foreach(page IN ITEMS msa msa-headless)
  foreach(language IN ITEMS en fr)
    set(folder man)
    if(NOT language STREQUAL "en")
      set(folder man/${language})
    endif()
    msa_texts(${MSA_GENERATED}/${folder}/${page}.1 manual
      ARGS ${MSA_PACKAGING_DIR}/${folder}/${page}.1.in ${language} ${PROJECT_VERSION}
      DEPENDS ${MSA_PACKAGING_DIR}/${folder}/${page}.1.in)
    msa_compress(${folder}/${page}.1)
    list(APPEND MSA_MANUAL_PAGES ${MSA_GENERATED}/${folder}/${page}.1)
  endforeach()
  install(FILES ${MSA_GENERATED}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${MSA_GENERATED}/man/fr/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
endforeach()
msa_gzip(${MSA_PACKAGING_DIR}/debian/changelog.in changelog)
add_custom_target(msa-manual-pages DEPENDS ${MSA_MANUAL_PAGES})
add_custom_target(msa-compressed-docs ALL DEPENDS ${MSA_COMPRESSED})
add_dependencies(msa-compressed-docs msa-manual-pages)  # the pages made once
install(FILES ${MSA_GENERATED}/changelog.gz ${MSA_PACKAGING_DIR}/debian/copyright
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The HTML manual: /usr/share/doc/msa/guide.en.html, guide.fr.html and the rest.
if(MSA_MANUAL_DIR)
  install(DIRECTORY ${MSA_MANUAL_DIR}/ DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # Registered with doc-base, so that documentation browsers list it.
  install(FILES ${MSA_PACKAGING_DIR}/debian/doc-base DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base RENAME msa)
endif()
install(FILES ${MSA_PACKAGING_DIR}/debian/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME msa)

# The Debian package: msa_<version>_amd64.deb, its dependencies read from
# the programs by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME msa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${MSA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${MSA_SUMMARY})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "msa analyses a self-controlled synchronous machine: a synchronous motor fed
from a dc supply through a dc-link inductance and a current-source inverter
fired from the rotor position, in steady state and in transients, with a
macroscopic sliding-circuit model. The dialogue is in French.

msa-headless runs the same program on a key script, without a window.")
if(TARGET _msa)
  string(APPEND CPACK_DEBIAN_PACKAGE_DESCRIPTION "

The Python module msa (import msa, with Debian's Python 3) runs the same
studies from scripts and notebooks, with the program's digits.")
  # Only the module needs them, and only with the Python it was built for:
  # the programs install where another Python is the system's.
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS
    "python3 (>= ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}~), python3 (<< ${Python_VERSION_MAJOR}.${MSA_PYTHON_NEXT_MINOR}), python3-numpy, python3-matplotlib, python3-pandas")
  # The byte-compiled files Python writes beside the package go with it.
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${MSA_PACKAGING_DIR}/debian/prerm)
endif()
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/dist)
include(CPack)
