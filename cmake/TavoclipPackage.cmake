# `cpack -G DEB` in the build folder makes tavoclip_<version>_<arch>.deb from
# exactly what `cmake --install` lays out, under /usr. Its dependencies are
# read from the shared libraries the programs link (dpkg-shlibdeps), plus
# ffmpeg, which the converter runs as a child process.
set(CPACK_PACKAGE_NAME tavoclip)
set(CPACK_PACKAGE_VENDOR "The Tavoclip developers")
set(CPACK_PACKAGE_CONTACT "The Tavoclip developers <tavoclip@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Batch video converter with a skinned window")
set(CPACK_PACKAGE_DESCRIPTION
  "Tavoclip converts a list of video files, one after another, to MPG, WMV,\n"
  "MOV, AVI, MP4, 3GP, MP3, AMR, WMA or WAV, optionally cutting a time\n"
  "window out of each. tavoclip-batch does the same from a terminal.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAVOCLIP_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS ffmpeg)
include(CPack)

add_test(NAME tavoclip_deb_package
  COMMAND ${PROJECT_SOURCE_DIR}/tests/package/deb_package_test.sh ${CMAKE_BINARY_DIR} ${TAVOCLIP_DESKTOP_ID})
set_tests_properties(tavoclip_deb_package PROPERTIES LABELS package SKIP_RETURN_CODE 77 TIMEOUT 300)
