# The Debian package, keyvigil_VERSION-1_ARCH.deb: `cpack -G DEB` in the build tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${package_name})
set(CPACK_PACKAGE_VENDOR "The Keyvigil developers")
set(CPACK_PACKAGE_CONTACT "The Keyvigil developers <maintainers@keyvigil.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The lintian override is the package's own: an install into a home or another prefix has no use
# for it, so CPack copies it in beside what the install rules lay out.
set(package_only "${CMAKE_CURRENT_BINARY_DIR}/package-only")
configure_file(debian/lintian-overrides
    "${package_only}${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides/${package_name}"
    COPYONLY)
set(CPACK_INSTALLED_DIRECTORIES "${package_only};.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "warnings when Caps Lock or Num Lock is on")
set(CPACK_PACKAGE_DESCRIPTION
    "Keyvigil watches the keyboard and warns when Caps Lock or Num Lock is switched
on, or when a run of capital letters is typed, before a password or a whole
paragraph goes wrong. Each warning can be a sound, a desktop notification, a
flash across the top of the screen or a window on the screen, with a status
icon for the locks. Words typed in capitals on purpose and applications where
capitals are normal can be excluded.

Keyvigil's settings window, keyvigil-preferences, starts and stops the
warnings, now and at login; keyvigil-defaults reads and changes the settings
from the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://keyvigil.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the programs load at run time rather than link: the toolkit's plug-in for the bundle's
# TIFF images, and the sound library the helper opens at its first sound.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, libsdl2-mixer-2.0-0")
# The settings window opens natively in a Wayland session with the toolkit's Wayland plug-in;
# pkexec asks for the administrator's password when keyboard access is allowed there. The
# toolkit's own translations give its buttons and dialogs the language of Keyvigil's.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, qt6-wayland, pkexec | policykit-1, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Removing the package takes back the keyboard access its settings window may have allowed.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_CURRENT_SOURCE_DIR}/debian/prerm")
include(CPack)
