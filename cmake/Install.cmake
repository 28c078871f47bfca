# What `cmake --install` puts beside the programs and their data (which the build rules
# install themselves): the desktop entry, the icon, the AppStream metadata, the manual
# pages and the package's documentation; then the Debian package built by `cpack -G DEB`,
# and the tests that check what is installed.
include(GNUInstallDirs)

set(ROPEWIT_APP_ID org.ropewit.Ropewit)
set(ROPEWIT_DESKTOP_DATA ${CMAKE_SOURCE_DIR}/data)
set(ROPEWIT_IMAGES_DIR ${CMAKE_SOURCE_DIR}/src/resources/images)
set(ROPEWIT_ICON_SIZES 16 22 24 32 48 64 128 256)

install(FILES ${ROPEWIT_DESKTOP_DATA}/${ROPEWIT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ROPEWIT_DESKTOP_DATA}/${ROPEWIT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ROPEWIT_IMAGES_DIR}/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ROPEWIT_APP_ID}.svg)
foreach(size ${ROPEWIT_ICON_SIZES})
    install(FILES ${ROPEWIT_IMAGES_DIR}/icon-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ROPEWIT_APP_ID}.png)
endforeach()

# Manual pages and the changelog are installed compressed, as Debian wants them; -n keeps
# the time stamp out so that the package is the same on every build.
find_program(ROPEWIT_GZIP gzip REQUIRED)
set(ROPEWIT_COMPRESSED)
function(ropewit_gzip source output)
    get_filename_component(directory ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${directory}
        COMMAND sh -c "${ROPEWIT_GZIP} -9nc \"$0\" > \"$1\"" ${source} ${output}
        DEPENDS ${source} VERBATIM)
    set(ROPEWIT_COMPRESSED ${ROPEWIT_COMPRESSED} ${output} PARENT_SCOPE)
endfunction()
foreach(page ropewit.6 ropewit-matchd.6)
    ropewit_gzip(${ROPEWIT_DESKTOP_DATA}/man/${page} ${CMAKE_BINARY_DIR}/compressed/${page}.gz)
    install(FILES ${CMAKE_BINARY_DIR}/compressed/${page}.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
# Their translations (data/man/<language>/) go where man finds them for a reader of that
# language.
file(GLOB ROPEWIT_TRANSLATED_PAGES RELATIVE ${ROPEWIT_DESKTOP_DATA}/man CONFIGURE_DEPENDS
     ${ROPEWIT_DESKTOP_DATA}/man/*/*.6)
foreach(page ${ROPEWIT_TRANSLATED_PAGES})
    get_filename_component(language ${page} DIRECTORY)
    ropewit_gzip(${ROPEWIT_DESKTOP_DATA}/man/${page} ${CMAKE_BINARY_DIR}/compressed/${page}.gz)
    install(FILES ${CMAKE_BINARY_DIR}/compressed/${page}.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man6)
endforeach()
ropewit_gzip(${ROPEWIT_DESKTOP_DATA}/debian/changelog ${CMAKE_BINARY_DIR}/compressed/changelog.gz)
add_custom_target(ropewit_compressed ALL DEPENDS ${ROPEWIT_COMPRESSED})
# Named after the package, not the project (CMAKE_INSTALL_DOCDIR would say "Ropewit").
install(FILES ${CMAKE_BINARY_DIR}/compressed/changelog.gz ${ROPEWIT_DESKTOP_DATA}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ropewit)

# --- The Debian package ---
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ropewit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ropewit developers")
set(CPACK_PACKAGE_CONTACT "The Ropewit developers <ropewit@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hangman word game, alone or against a friend")
set(CPACK_PACKAGE_DESCRIPTION
    "Guess the word letter by letter before the figure on the gallows is complete.\n"
    "Play alone through word lists with clues (everyday words, animals, food and\n"
    "drink, countries and cities, science and nature, sports and games, music and\n"
    "the arts), or play another player over the network, directly or through the\n"
    "matchmaking server ropewit-matchd, and chat while you play. A word list\n"
    "editor and choices of fonts, tile pictures and sounds are included.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian keeps the section "games" for programs in /usr/games; ours live in /usr/bin like
# every other CMake-installed program, so the package sits in "misc".
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://ropewit.example.org/")
# The libraries come from dpkg-shlibdeps; the tiles are measured in Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

# --- Tests of what is installed and shipped ---
if(BUILD_TESTING OR NOT DEFINED BUILD_TESTING)
    add_test(NAME install_offscreen
             COMMAND ${CMAKE_SOURCE_DIR}/tests/install/install-and-run.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(install_offscreen PROPERTIES TIMEOUT 300)
    find_program(ROPEWIT_PYTHON3 python3)
    if(ROPEWIT_PYTHON3)
        add_test(NAME wordlists_check
                 COMMAND ${ROPEWIT_PYTHON3} ${CMAKE_SOURCE_DIR}/tools/wordlist/check-wordlist.py)
    endif()
endif()
