# The Debian package: `make package` in the build folder (or `make package`
# at the top) writes tavro_VERSION_ARCH.deb from the install rules of
# cmake/install.cmake. Its dependencies come from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavro)
set(CPACK_PACKAGE_VENDOR "mq270")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${TAVRO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "single-phase bridge rectifier with a capacitor filter: design calculator")
set(CPACK_PACKAGE_DESCRIPTION_FILE "${PROJECT_SOURCE_DIR}/packaging/description.txt")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TAVRO_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The simulation helper loads ngspice at run time, which dpkg-shlibdeps
# cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libngspice0")
# The fonts the window is laid out for, and the toolkit's own Russian texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Every install rule but the licence text, which Debian keeps in one place.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
include(CPack)
