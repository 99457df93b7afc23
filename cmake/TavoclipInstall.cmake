# What `cmake --install` lays out. The program folder is <prefix>/lib/tavoclip
# (tavoclip, tavoclip-batch, data/conv, sound.wav, help.html), the commands
# in <prefix>/bin are links into it so that each program still finds its
# program folder, and the desktop entry, the AppStream metainfo and the icons
# make the program appear in application menus and software centres. The
# build tree needs none of this: it is a working program folder of its own.
# `cpack -G DEB` in the build folder packs the same files under /usr.
if(TAVOCLIP_CORE_ONLY)
  return()
endif()

include(GNUInstallDirs)
set(tavoclip_program_dest lib/tavoclip)
set(tavoclip_share ${PROJECT_SOURCE_DIR}/share)
set(tavoclip_share_build ${PROJECT_BINARY_DIR}/share)

install(TARGETS tavoclip tavoclip-batch RUNTIME DESTINATION ${tavoclip_program_dest})
install(TARGETS conv RUNTIME DESTINATION ${tavoclip_program_dest}/data)
install(FILES ${TAVOCLIP_PROGRAM_DIR}/sound.wav ${TAVOCLIP_PROGRAM_DIR}/help.html
  DESTINATION ${tavoclip_program_dest})

# The marker tells the programs that they run from an installed copy, whose
# folder the user is not meant to write even when the user could (root):
# their settings then live in the user's configuration folder. It is made
# outside the build tree's program folder, which must stay unmarked.
file(WRITE ${tavoclip_share_build}/installed
  "This copy of Tavoclip is installed: settings live in the user's configuration folder.\n")
install(FILES ${tavoclip_share_build}/installed DESTINATION ${tavoclip_program_dest})

# Relative links keep a staged install (DESTDIR) and a moved prefix working.
file(RELATIVE_PATH tavoclip_bin_to_program /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${tavoclip_program_dest})
# tavoclip-conv names the converter on every machine with the program
# installed, so job lists written for one machine run on another.
foreach(command IN ITEMS tavoclip tavoclip-batch tavoclip-conv:data/conv)
  string(REPLACE ":" ";" command "${command}")
  list(GET command 0 name)
  list(GET command -1 target)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${name}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    message(STATUS \"Installing: \${link} -> ${tavoclip_bin_to_program}/${target}\")
    file(CREATE_LINK \"${tavoclip_bin_to_program}/${target}\" \"\${link}\" SYMBOLIC)")
endforeach()

# The desktop entry is installed under the desktop file id, which desktops
# use to match the running window and its launcher signals to the entry.
set(tavoclip_desktop_file ${tavoclip_share_build}/applications/${TAVOCLIP_DESKTOP_ID}.desktop)
configure_file(${tavoclip_share}/applications/tavoclip.desktop.in ${tavoclip_desktop_file} COPYONLY)
install(FILES ${tavoclip_desktop_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Software centres read the metainfo; the screenshot must be a web address,
# so the project's site is expected to serve the repository's
# docs/screenshot.png there.
set(TAVOCLIP_HOMEPAGE_URL "https://tavoclip.example.com/" CACHE STRING "The project's web site")
set(TAVOCLIP_SCREENSHOT_URL "${TAVOCLIP_HOMEPAGE_URL}docs/screenshot.png" CACHE STRING
  "Web address of the main window's screenshot (docs/screenshot.png)")
set(TAVOCLIP_RELEASE_DATE "2026-12-09" CACHE STRING "Release date of this version, YYYY-MM-DD")
set(tavoclip_metainfo_file ${tavoclip_share_build}/metainfo/${TAVOCLIP_DESKTOP_ID}.metainfo.xml)
configure_file(${tavoclip_share}/metainfo/tavoclip.metainfo.xml.in ${tavoclip_metainfo_file} @ONLY)
install(FILES ${tavoclip_metainfo_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${tavoclip_share}/icons/tavoclip.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The PNG icons are rendered from the SVG at build time by FFmpeg's librsvg
# decoder, which the converter's FFmpeg already brings along.
find_program(TAVOCLIP_FFMPEG ffmpeg REQUIRED)
set(tavoclip_icon_pngs)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
  set(png ${tavoclip_share_build}/icons/${size}x${size}/tavoclip.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${tavoclip_share_build}/icons/${size}x${size}
    COMMAND ${TAVOCLIP_FFMPEG} -v error -y -width ${size} -height ${size} -i ${tavoclip_share}/icons/tavoclip.svg
            -frames:v 1 -update 1 ${png}
    DEPENDS ${tavoclip_share}/icons/tavoclip.svg
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  list(APPEND tavoclip_icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(tavoclip_icons ALL DEPENDS ${tavoclip_icon_pngs})

# The desktop entry must pass the freedesktop checker.
find_program(TAVOCLIP_DESKTOP_FILE_VALIDATE desktop-file-validate)
if(TAVOCLIP_DESKTOP_FILE_VALIDATE)
  add_test(NAME tavoclip_desktop_entry
    COMMAND ${TAVOCLIP_DESKTOP_FILE_VALIDATE} ${tavoclip_desktop_file})
endif()
find_program(TAVOCLIP_APPSTREAMCLI appstreamcli)
if(TAVOCLIP_APPSTREAMCLI)
  add_test(NAME tavoclip_metainfo
    COMMAND ${TAVOCLIP_APPSTREAMCLI} validate --no-net ${tavoclip_metainfo_file})
endif()

include(cmake/TavoclipPackage.cmake)
