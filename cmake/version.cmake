# The release: its number is project(... VERSION ...) in the top CMakeLists.txt
# and nowhere else. The programs read it from the generated header
# <tavro/version.h>; the package, the manual pages, the AppStream release and
# the changelog are filled in from the same variables.

# The day this version was released (the changelog, the manual pages and the
# AppStream release carry it); change it with the version.
set(TAVRO_RELEASE_DATE "2026-12-08")
# The desktop id: the names of the .desktop entry and the AppStream metainfo.
set(TAVRO_APP_ID "example.tavro.tavro")
set(TAVRO_HOMEPAGE "https://tavro.example/")
set(TAVRO_MAINTAINER "mq270 <mq270@tavro.example>")

# Helper programs that the programs start are installed here; the header
# gives the path relative to the programs' own directory.
include(GNUInstallDirs)
if(WIN32)
  # Windows keeps a program's files in its own folder: everything in one.
  set(CMAKE_INSTALL_BINDIR ".")
  set(TAVRO_INSTALL_HELPERDIR ".")
else()
  set(TAVRO_INSTALL_HELPERDIR "${CMAKE_INSTALL_LIBEXECDIR}/tavro")
endif()
file(RELATIVE_PATH TAVRO_HELPER_DIR_FROM_BIN "/${CMAKE_INSTALL_BINDIR}" "/${TAVRO_INSTALL_HELPERDIR}")

set(TAVRO_GENERATED_INCLUDE "${PROJECT_BINARY_DIR}/generated")
configure_file("${CMAKE_CURRENT_LIST_DIR}/version.h.in" "${TAVRO_GENERATED_INCLUDE}/tavro/version.h"
               @ONLY)

add_library(tavro_version INTERFACE)
target_include_directories(tavro_version INTERFACE "${TAVRO_GENERATED_INCLUDE}")
