# cpack -G DEB: velnora_VERSION_amd64.deb with its library dependencies found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME velnora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VELNORA developers")
set(CPACK_PACKAGE_CONTACT "VELNORA developers <velnora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "CD-TEXT editor for audio CDs")
# Debian shows the description as written: lines under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "VELNORA prepares the CD-TEXT of an audio CD: the album name, the artist\n\
name and the track titles. It checks the text, converts it into its\n\
CD_TEXT layout (half-width, full-width or both), saves it in cp932,\n\
writes binary CD-TEXT for burning programs and prints a CD jacket insert.\n\
A Japanese manual is included.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY velnora)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "VELNORA developers <velnora@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velnora.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The typefaces the jacket names, and Qt's own Japanese texts for its dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n")
# The program opens FFmpeg by name once an audio file is read, so dpkg-shlibdeps does not see it.
foreach(lib avformat avcodec avutil swresample)
  string(REGEX MATCH "^[0-9]+" major "${FFMPEG_lib${lib}_VERSION}")
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", lib${lib}${major}")
endforeach()
# The help and web commands hand their file or address to xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cdrskin")
include(CPack)
