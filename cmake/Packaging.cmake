# Installing Quorvel and building its Debian package.
#
# The program finds every file it reads in its own folder (AppFolder: the folder of
# /proc/self/exe, links resolved), so the install keeps that folder whole:
#
#   <prefix>/lib/quorvel/            the executable and the ten files it reads beside it
#   <prefix>/bin/quorvel             a relative link to ../lib/quorvel/quorvel, for the PATH
#   <prefix>/share/applications/     the desktop entry
#   <prefix>/share/metainfo/         the AppStream description
#   <prefix>/share/icons/hicolor/    the application icon, every size we draw
#   <prefix>/share/doc/quorvel/      the copyright notice
#
# The ten files are installed from where the build places them beside the program
# (QUORVEL_BIN_DIR), exactly as the program reads them when started from the build tree.

set(QUORVEL_APP_ID org.quorvel.Quorvel)
set(QUORVEL_INSTALL_PROGRAM_DIR lib/quorvel)
set(QUORVEL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QUORVEL_ICON_DIR ${PROJECT_SOURCE_DIR}/assets/icons)

# The AppStream file names the release it describes; a version bump without a release entry
# there would ship a package whose metainfo describes an older version.
file(READ ${QUORVEL_PACKAGING_DIR}/${QUORVEL_APP_ID}.metainfo.xml quorvel_metainfo)
if(NOT quorvel_metainfo MATCHES "<release version=\"${PROJECT_VERSION}\"")
    message(FATAL_ERROR
        "packaging/${QUORVEL_APP_ID}.metainfo.xml has no <release> entry for version "
        "${PROJECT_VERSION}: add one (newest first) with the release date.")
endif()

if(TARGET quorvel)
    install(TARGETS quorvel RUNTIME DESTINATION ${QUORVEL_INSTALL_PROGRAM_DIR})

    # Style sheets, chart scripts and the about box's page.
    install(FILES
        ${QUORVEL_BIN_DIR}/basic.css
        ${QUORVEL_BIN_DIR}/visualize.css
        ${QUORVEL_BIN_DIR}/visualize-light.css
        ${QUORVEL_BIN_DIR}/jq.dat
        ${QUORVEL_BIN_DIR}/enh.dat
        ${QUORVEL_BIN_DIR}/exc.dat
        ${QUORVEL_BIN_DIR}/vis.dat
        ${QUORVEL_BIN_DIR}/exa.dat
        ${QUORVEL_BIN_DIR}/exacomp.dat
        ${QUORVEL_BIN_DIR}/rank.dat
        ${QUORVEL_BIN_DIR}/quorvel.html
        DESTINATION ${QUORVEL_INSTALL_PROGRAM_DIR})

    # The launcher link. It is made here, dangling, and installed as a link: relative, so it
    # holds under any prefix and inside the package's staging tree.
    set(quorvel_launcher_link ${CMAKE_BINARY_DIR}/packaging/quorvel)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
    file(CREATE_LINK ../${QUORVEL_INSTALL_PROGRAM_DIR}/quorvel ${quorvel_launcher_link} SYMBOLIC)
    install(FILES ${quorvel_launcher_link} DESTINATION bin)

    install(FILES ${QUORVEL_PACKAGING_DIR}/${QUORVEL_APP_ID}.desktop
        DESTINATION share/applications)
    install(FILES ${QUORVEL_PACKAGING_DIR}/${QUORVEL_APP_ID}.metainfo.xml
        DESTINATION share/metainfo)
    install(FILES ${QUORVEL_PACKAGING_DIR}/copyright DESTINATION share/doc/quorvel)

    # The application icon under the application's id, as the desktop entry names it.
    foreach(size 16 32 48 64 128)
        if(EXISTS ${QUORVEL_ICON_DIR}/quorvel-${size}.png)
            install(FILES ${QUORVEL_ICON_DIR}/quorvel-${size}.png
                DESTINATION share/icons/hicolor/${size}x${size}/apps
                RENAME ${QUORVEL_APP_ID}.png)
        else()
            message(WARNING "assets/icons/quorvel-${size}.png is missing: not installed")
        endif()
    endforeach()
    if(EXISTS ${QUORVEL_ICON_DIR}/quorvel.svg)
        install(FILES ${QUORVEL_ICON_DIR}/quorvel.svg
            DESTINATION share/icons/hicolor/scalable/apps
            RENAME ${QUORVEL_APP_ID}.svg)
    else()
        message(WARNING "assets/icons/quorvel.svg is missing: not installed")
    endif()
endif()

# The Debian package: cmake --build <dir> --target package (or cpack in <dir>).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Compare what 100 g of fruit contains")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quorvel developers <developers@quorvel.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quorvel.org/quorvel)
# CPack puts the summary first and indents the rest as the control field wants; an empty
# line separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quorvel shows what 100 g of a fruit contains and compares fruits side by
side. Pick one of 145 fruits, with real figures from the USDA National
Nutrient Database carried inside the program, and add up to nine of them
to a comparison.

Two reports show the result, each turned into charts: the nutrients of one
fruit in five tables, and all compared fruits side by side in ten tables.")
# The libraries the program links come from dpkg-shlibdeps. What it cannot see is what Qt
# WebEngine starts or loads at run time: QtWebEngineProcess, the engine's helper process
# for every page, lives in libqt6webenginecore6-bin and must match the engine library
# (its resources and locales, libqt6webengine6-data, come with libqt6webenginecore6).
# Debian's symbols file for the engine library names the helper too; the package states it
# itself so it does not rest on that.
# The windows are laid out for Tahoma; where it is missing, tahomaFont (app/shared/app_fonts.cpp) takes
# Liberation Sans, with whose metrics the fixed places and sizes of the labels were made. A
# desktop installed without it has DejaVu Sans alone, whose wider letters clip the about box's
# labels; the window tests check them with these fonts and a plain desktop's (tests/app).
set(QUORVEL_FONT_PACKAGES fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
       "libqt6webenginecore6-bin (>= ${Qt6WebEngineCore_VERSION})" ${QUORVEL_FONT_PACKAGES})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
