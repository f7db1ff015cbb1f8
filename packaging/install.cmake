# What `cmake --install` puts on a machine, and the Debian package (`make
# package`) that holds the same files under /usr.
include(GNUInstallDirs)

# Manual page and changelog go in compressed, without a timestamp, so that
# two builds of one version give the same package.
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging)
set(compressed)
foreach(file malvora.1 changelog)
  set(gz ${PROJECT_BINARY_DIR}/packaging/${file}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${PROJECT_SOURCE_DIR}/packaging/${file} ${gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${file} VERBATIM)
  list(APPEND compressed ${gz})
endforeach()
add_custom_target(malvora_compressed ALL DEPENDS ${compressed})

install(TARGETS malvora_app RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS malvora_sound LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/malvora/modules)
install(FILES packaging/malvora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/org.example.malvora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/malvora.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES resources/malvora-256.png RENAME malvora.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_BINARY_DIR}/packaging/malvora.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES resources/census-1790-1860.csv
        DESTINATION ${CMAKE_INSTALL_DATADIR}/malvora/examples)
install(FILES packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/malvora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME malvora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Malvora developers <malvora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program on the exponential model of population growth")
set(CPACK_PACKAGE_DESCRIPTION "\
Malvora lets students explore the exponential model of population growth.
They choose a growth rate r, an initial size N(0) and an end time T; the
program computes N(t) = N(0) e^(rt) and the difference form
N(t+1) = N(t) + r N(t), and shows them in charts, a data table and a CSV
data file. Teachers can also write the data files from the command line.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/malvora")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON) # the libraries, computed from the binary
# The windows are laid out for the metrics of these fonts, which no library names;
# the print system's library is loaded only when printing, so the binary names it not.
# Chinese needs a font with its characters, and Qt's own catalogues translate
# its dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, libcups2, fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
