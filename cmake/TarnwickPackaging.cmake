# Installation of the program, its tools and data, and the Debian package built from it.
#
# The default registry hive and the program name their data by absolute paths made from
# CMAKE_INSTALL_PREFIX when the build is configured: configure with the prefix the files will
# live under (scripts/package uses /usr), then `cmake --install` or cpack.
include(GNUInstallDirs)

set(TARNWICK_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/tarnwick)

install(TARGETS tarnwick tarnwick-cli stavik-sim regtool
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# What the default hive names: the vocabulary and the protected locations (the help collection
# and the hive itself are installed where they are built). The sample is for trying things out.
install(FILES data/vocabulary.dat data/protected.dat data/sample.stv
        DESTINATION ${TARNWICK_DATA_INSTALL_DIR})

# The desktop's view of the program: its menu entry, which opens settings files given to it,
# the two file types, and the logo as the program's icon.
install(FILES data/tarnwick.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/tarnwick-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME tarnwick.xml)
install(FILES data/tarnwick-logo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME tarnwick.svg)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarnwick)
# Nightly backups of an inventory: a user service and timer, installed but never enabled, and
# an example inventory.
configure_file(data/tarnwick-backup@.service tarnwick-backup@.service @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tarnwick-backup@.service data/tarnwick-backup@.timer
        DESTINATION lib/systemd/user)
install(FILES data/inventory.example.json DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarnwick)

# The Debian packages, one per install component from the one build: tarnwick (the program),
# fencontrols (the control libraries, fenhost and their registration) and fencontrols-dev (the
# host library's headers, CMake and pkg-config files). Their files go where the build was
# configured to find them. The desktop and MIME databases are refreshed by the triggers of
# their own packages, so no package has maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL tarnwick fencontrols fencontrols-dev)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "Corvane Technology")
set(CPACK_PACKAGE_CONTACT "Corvane Technology <support@corvane.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_DEBIAN_TARNWICK_PACKAGE_NAME tarnwick)
set(CPACK_DEBIAN_TARNWICK_PACKAGE_SECTION electronics)
set(CPACK_COMPONENT_TARNWICK_DESCRIPTION "Configuration program for Stavik site-control units
Tarnwick signs on to a Stavik unit over a serial cable or a modem, downloads its \
configuration, shows it for editing, keeps it in settings files and uploads edits back with \
verification. Includes tarnwick-cli, the stavik-sim unit simulator and regtool.")
# Loaded at run time, so not found among the linked libraries: the help engine's database
# driver. (The SVG plugins that draw the logo come with the linked SVG library's package.)
set(CPACK_DEBIAN_TARNWICK_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_TARNWICK_PACKAGE_RECOMMENDS "qt6-wayland, shared-mime-info, desktop-file-utils")

set(CPACK_DEBIAN_FENCONTROLS_PACKAGE_NAME fencontrols)
set(CPACK_DEBIAN_FENCONTROLS_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_FENCONTROLS_DESCRIPTION "Masked input and numeric input controls
The component libraries libfenmask.so and libfennumlite.so with their shared base library \
libfenbase6.so, registered in the default registry hive as Holm.Mask6 and Holm.NumLite6; \
libfencontrols.so, through which a Qt program creates them as widgets; and fenhost, the \
test container for the controls.")

set(CPACK_DEBIAN_FENCONTROLS-DEV_PACKAGE_NAME fencontrols-dev)
set(CPACK_DEBIAN_FENCONTROLS-DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_FENCONTROLS-DEV_DEPENDS fencontrols)
# Named by hand: the Designer plugin links the host library of the other package, which
# dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_FENCONTROLS-DEV_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_FENCONTROLS-DEV_PACKAGE_DEPENDS "qt6-base-dev, libqt6designer6")
set(CPACK_COMPONENT_FENCONTROLS-DEV_DESCRIPTION "Masked input and numeric input controls: development files
The headers of the FenControls host library, its CMake package (find_package(FenControls)) \
and pkg-config file, for Qt programs that use the input controls.")
include(CPack)
