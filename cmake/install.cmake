# What `cmake --install` puts where (GNU layout): the programs, the menu entry,
# the icon, the AppStream metainfo, the manual pages and the documents. The
# Debian package (cmake/packaging.cmake) is made from the same rules: it takes
# every rule without a COMPONENT, so give none (the licence text alone is left
# out, on purpose).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(TAVRO_PACKAGING_SOURCE "${PROJECT_SOURCE_DIR}/packaging")
set(TAVRO_PACKAGING_BINARY "${PROJECT_BINARY_DIR}/packaging")
# Debian's place for the package's documents, whatever the project's name.
set(TAVRO_INSTALL_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/tavro")

# A text file filled in from the version variables, then compressed as Debian
# wants it (gzip -9, no name or time stamp in the header).
function(tavro_configure_gzipped template output)
  configure_file("${template}" "${output}" @ONLY)
  execute_process(COMMAND gzip -9 --no-name --stdout "${output}" OUTPUT_FILE "${output}.gz"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${output}")
  endif()
endfunction()

# A stripped install (cmake --install --strip, and the package) also drops the
# compiler's identification, as Debian's own packages do.
function(tavro_strip_notes installed)
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${installed}\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
endfunction()

# Programs a user runs: each goes to bin/ with its manual page
# packaging/man/NAME.1.in. Targets a configuration leaves out are skipped.
set(TAVRO_PROGRAMS tavro tavro-cli)
# Programs the others start as child processes: kept out of the PATH, in
# libexec/tavro/ (tavro::release::kHelperDir, relative to bin/).
set(TAVRO_HELPER_PROGRAMS tavro-simulate)

foreach(program IN LISTS TAVRO_PROGRAMS)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
    tavro_strip_notes("${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${program}>")
    tavro_configure_gzipped("${TAVRO_PACKAGING_SOURCE}/man/${program}.1.in"
                            "${TAVRO_PACKAGING_BINARY}/man/${program}.1")
    install(FILES "${TAVRO_PACKAGING_BINARY}/man/${program}.1.gz"
            DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  endif()
endforeach()
foreach(helper IN LISTS TAVRO_HELPER_PROGRAMS)
  if(TARGET ${helper})
    install(TARGETS ${helper} RUNTIME DESTINATION "${TAVRO_INSTALL_HELPERDIR}")
    tavro_strip_notes("${TAVRO_INSTALL_HELPERDIR}/$<TARGET_FILE_NAME:${helper}>")
  endif()
endforeach()

if(TARGET tavro)
  install(FILES "${TAVRO_PACKAGING_SOURCE}/tavro.desktop"
          DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/applications" RENAME "${TAVRO_APP_ID}.desktop")
  configure_file("${TAVRO_PACKAGING_SOURCE}/tavro.metainfo.xml.in"
                 "${TAVRO_PACKAGING_BINARY}/${TAVRO_APP_ID}.metainfo.xml" @ONLY)
  install(FILES "${TAVRO_PACKAGING_BINARY}/${TAVRO_APP_ID}.metainfo.xml"
          DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/metainfo")
  set(icons "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor")
  install(FILES "${TAVRO_PACKAGING_SOURCE}/icons/tavro.svg" DESTINATION "${icons}/scalable/apps")
  foreach(size 16 24 32 48 64 128 256)
    install(FILES "${TAVRO_PACKAGING_SOURCE}/icons/${size}x${size}/tavro.png"
            DESTINATION "${icons}/${size}x${size}/apps")
  endforeach()
endif()

if(EXISTS "${PROJECT_SOURCE_DIR}/docs/method.md")
  install(FILES "${PROJECT_SOURCE_DIR}/docs/method.md" DESTINATION "${TAVRO_INSTALL_DOCDIR}")
endif()
install(FILES "${TAVRO_PACKAGING_SOURCE}/copyright" DESTINATION "${TAVRO_INSTALL_DOCDIR}")
# The release date in the form Debian's changelog wants (RFC 5322).
execute_process(COMMAND env LC_ALL=C TZ=UTC date --rfc-email --date "${TAVRO_RELEASE_DATE}"
                OUTPUT_VARIABLE TAVRO_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
tavro_configure_gzipped("${TAVRO_PACKAGING_SOURCE}/changelog.in"
                        "${TAVRO_PACKAGING_BINARY}/changelog")
install(FILES "${TAVRO_PACKAGING_BINARY}/changelog.gz" DESTINATION "${TAVRO_INSTALL_DOCDIR}")
# The licence text itself; the Debian package leaves it out (its copyright
# file points to /usr/share/common-licenses/GPL-3 instead).
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${TAVRO_INSTALL_DOCDIR}"
        COMPONENT licence)
