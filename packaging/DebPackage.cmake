# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# The Debian package: `cpack -G DEB` in the build folder writes tocklet_<version>_<arch>.deb
# from the install rules (`cmake --workflow --preset deb` configures, builds and packages it
# in build-deb/). The package uses the prefix the program was configured with (/usr in the
# preset), so the data folder compiled into the program is the one the package fills. It
# holds what Debian's policy asks of a package: the copyright and changelog with the
# documentation, compressed man pages, and binaries stripped of their symbols and of the
# sections that only the build needs.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tocklet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "reminders, hourly chime and scheduled power-off in the notification area")
set(CPACK_PACKAGE_DESCRIPTION [=[
tocklet sits in the notification area of the desktop and keeps time for the
user: up to 20 tasks that show a message with a chime or start a program every
day, on a date every year or on a weekday every week; an hourly chime; a
power-off at a preset time of day after a 30-second countdown that can be
cancelled; a small always-on-top desktop clock; and a password in front of
deleting tasks, changing the power-off time and quitting.

The user interface is in Simplified Chinese. The package also holds
tocklet-reg, which looks at and changes tocklet's registry file.]=])
set(CPACK_PACKAGE_CONTACT "The tocklet developers <${TOCKLET_CONTACT_MAIL}>")
set(CPACK_STRIP_FILES ON)
# The stripped programs also lose the compiler's notes, as Debian's own strip step does.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program tocklet tocklet-reg)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TOCKLET_HOME_PAGE})
# Dependencies on the shared libraries the programs link, from dpkg-shlibdeps. Qt's X11
# platform plugin and image plugins come with libqt6gui6, which that brings in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcanberra is loaded at the first sound rather than linked, so dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcanberra0")
# libcanberra alone plays through ALSA only; libcanberra-pulse reaches the desktop's sound
# server (PulseAudio, or PipeWire through its PulseAudio service). The interface is Chinese and
# needs a font with Chinese characters. Qt's own dialog texts in Chinese come with the Qt
# translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libcanberra-pulse, fonts-wqy-zenhei | fonts-noto-cjk | fonts-arphic-uming, qt6-translations-l10n")
# GNOME shows tray icons only with this extension.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-shell-extension-appindicator")

include(CPack)
