# SPDX-License-Identifier: GPL-3.0-or-later
# Packages, built offline from the build folder: `cpack -G DEB` (and `-G RPM`
# where rpmbuild is). They install with the prefix /usr, so the files take
# the system layout (resources/desktop/CMakeLists.txt).
set(CPACK_PACKAGE_NAME koktd)
set(CPACK_PACKAGE_VENDOR "kOk DIAL TD team")
set(CPACK_PACKAGE_CONTACT "kOk DIAL TD team <koktd@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://koktd.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop clock with alarms, a countdown and a stopwatch")
set(CPACK_PACKAGE_DESCRIPTION "A small borderless clock that stays on top of the other windows,
cut to the shape of its skin, with ten alarms, a countdown, a stopwatch,
an hourly chime (a sound, call signs or the spoken hour) and a flashing
message bar. Skins are folders of pictures; a skin editor is built in.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr) # the prefix the files are installed with, under DESTDIR
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opened at run time with the first sound, so the library scan cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libpulse0, libsndfile1")
# Qt's own Russian for its choosers and buttons; without it they speak English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${PROJECT_SOURCE_DIR}/resources/desktop/debian/postinst
  ${PROJECT_SOURCE_DIR}/resources/desktop/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_RPM_PACKAGE_LICENSE GPL-3.0-or-later)
set(CPACK_RPM_PACKAGE_GROUP Applications/System)
set(CPACK_RPM_PACKAGE_AUTOREQ ON)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(rpm_lib_suffix "()(64bit)")
endif()
set(CPACK_RPM_PACKAGE_REQUIRES
  "libpulse-simple.so.0${rpm_lib_suffix}, libsndfile.so.1${rpm_lib_suffix}")
set(CPACK_RPM_PACKAGE_RELOCATABLE OFF)
# Folders the system's own packages own.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
  /usr/share/applications /usr/share/man /usr/share/man/man1 /usr/share/metainfo
  /usr/share/icons /usr/share/icons/hicolor)
foreach(size 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256 scalable)
  list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/share/icons/hicolor/${size} /usr/share/icons/hicolor/${size}/apps)
endforeach()
set(CPACK_RPM_POST_INSTALL_SCRIPT_FILE ${PROJECT_SOURCE_DIR}/resources/desktop/debian/postinst)
set(CPACK_RPM_POSTUN_INSTALL_SCRIPT_FILE ${PROJECT_SOURCE_DIR}/resources/desktop/debian/postrm)
include(CPack)
