# What `cmake --install` and the Debian package put where. Installed, the program starts through
# the launcher games/hakuro, which runs it in a folder of the user's data directory; the program
# itself and its wave files sit where Debian puts a game's (lib/games, share/games).
set(HAKURO_APP_ID org.hakurokaisen.hakuro)
set(HAKURO_PACKAGING ${CMAKE_CURRENT_LIST_DIR})

# The manual page and the changelog, compressed as Debian wants them: at the highest level,
# without a name or a time stamp in the header.
find_program(GZIP gzip REQUIRED)
set(HAKURO_DOCS)
foreach(doc hakuro.6 hakuro-usi.6 hakuro-analyse.6 changelog)
  set(out ${CMAKE_BINARY_DIR}/packaging/${doc})
  add_custom_command(OUTPUT ${out}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${HAKURO_PACKAGING}/${doc} ${out}
    COMMAND ${GZIP} -9nf ${out}
    DEPENDS ${HAKURO_PACKAGING}/${doc})
  list(APPEND HAKURO_DOCS ${out}.gz)
endforeach()
add_custom_target(hakuro-docs ALL DEPENDS ${HAKURO_DOCS})
add_dependencies(hakuro hakuro-docs)

# Every symbol bound at start-up, as Debian builds its programs.
target_link_options(hakuro PRIVATE LINKER:-z,now)
target_link_options(hakuro-usi PRIVATE LINKER:-z,now)
target_link_options(hakuro-analyse PRIVATE LINKER:-z,now)

install(TARGETS hakuro RUNTIME DESTINATION lib/games/hakuro)
# The engine alone, for USI programs, and its verdict on a recorded game: neither needs a folder
# of its own.
install(TARGETS hakuro-usi hakuro-analyse RUNTIME DESTINATION games)
install(PROGRAMS ${HAKURO_PACKAGING}/hakuro.sh DESTINATION games RENAME hakuro)
install(FILES ${HAKURO_WAVES} DESTINATION share/games/hakuro)
install(FILES ${HAKURO_PACKAGING}/${HAKURO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${HAKURO_PACKAGING}/${HAKURO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(n ${HAKURO_ICON_SIZES})
  install(FILES ${CMAKE_BINARY_DIR}/icons/hakuro-${n}.png
          DESTINATION share/icons/hicolor/${n}x${n}/apps RENAME hakuro.png)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/packaging/hakuro.6.gz ${CMAKE_BINARY_DIR}/packaging/hakuro-usi.6.gz
              ${CMAKE_BINARY_DIR}/packaging/hakuro-analyse.6.gz
        DESTINATION share/man/man6)
install(FILES ${HAKURO_PACKAGING}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION share/doc/hakuro)

set(CPACK_PACKAGE_NAME hakuro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shogi game in which a move may take the mover's own pieces")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
HAKURO KAISEN is a shogi (Japanese chess) program in one window. A person
plays the built-in computer at one of five levels, the two strongest reading
ahead with a search, or another person at the same board, with the mouse. A
hint shows the best move the search finds. Its rules are those of shogi with
one twist: a board move may capture a piece of the mover's own side, kings
included. A captured piece, own or enemy, goes unpromoted into the mover's
hand, and the player whose king is taken loses.

Moves are recorded, stepped back and forth, saved and loaded. Handicaps,
background pictures, move guidance, clocks, sounds and background music round
it off. Menus and messages are in Japanese, or in English where the locale
is not Japanese; the pieces and the moves are written in kanji in both.

The package also holds hakuro-usi, the same search as an engine for shogi
programs that speak the USI protocol, playing standard shogi or the program's
own rule, and hakuro-analyse, which gives the search's verdict on every move
of a recorded game and marks the mistakes.]])
set(CPACK_PACKAGE_HOMEPAGE_URL https://hakurokaisen.org/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "HAKURO KAISEN developers <developers@hakurokaisen.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the binary cannot show: the plug-in through which Qt opens a window, the font, and Qt's
# own texts in Japanese (its file dialog and buttons).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
