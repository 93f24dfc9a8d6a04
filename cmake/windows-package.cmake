# The Windows installation and its packages (make windows-package): one
# folder with the three programs, ngspice's DLL with its C++ runtime
# (simulation/CMakeLists.txt) and start-up file, Qt's own
# Russian texts, the licence and the notices of every library built in; from
# it an installer (NSIS: Start-menu entry, icon, uninstaller, .tavro design
# files opened by the program) and a portable zip.
set(TAVRO_PACKAGING_SOURCE "${PROJECT_SOURCE_DIR}/packaging")

foreach(program tavro tavro-cli tavro-simulate)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION .)
  endif()
endforeach()
install(FILES "${TAVRO_WINDOWS_PREFIX}/translations/qtbase_ru.qm" DESTINATION translations)
# A static Qt knows only the folder it was built for: qt.conf points it to
# the program's own folder, where its Russian texts are.
file(WRITE "${PROJECT_BINARY_DIR}/packaging/qt.conf" "[Paths]\nPrefix = .\nTranslations = translations\n")
install(FILES "${PROJECT_BINARY_DIR}/packaging/qt.conf" DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt)
install(DIRECTORY "${TAVRO_WINDOWS_PREFIX}/notices/" DESTINATION notices)
install(FILES "${PROJECT_SOURCE_DIR}/docs/method.md" DESTINATION doc)

set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME Tavro)
set(CPACK_PACKAGE_VENDOR "mq270")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "tavro-${PROJECT_VERSION}-windows-x64")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "single-phase bridge rectifier with a capacitor filter: design calculator")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tavro)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
# The Start-menu entry: tavro.exe under the name Tavro.
set(CPACK_PACKAGE_EXECUTABLES tavro Tavro)

set(CPACK_NSIS_PACKAGE_NAME Tavro)
# A 64-bit installer for 64-bit programs: Unicode texts and paths, the
# programs in "Program Files" (not "Program Files (x86)") and its registry
# entries in the 64-bit view, where Windows looks for them.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "Tavro ${PROJECT_VERSION}")
set(CPACK_NSIS_URL_INFO_ABOUT "${TAVRO_HOMEPAGE}")
set(CPACK_NSIS_MUI_ICON "${TAVRO_PACKAGING_SOURCE}/icons/tavro.ico")
set(CPACK_NSIS_MUI_UNIICON "${TAVRO_PACKAGING_SOURCE}/icons/tavro.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME tavro.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# .tavro files open in the program; the uninstaller takes the association
# away again (and tells the shell, so icons refresh).
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr HKLM 'Software\\\\Classes\\\\.tavro' '' 'Tavro.Design'
  WriteRegStr HKLM 'Software\\\\Classes\\\\Tavro.Design' '' 'Tavro design'
  WriteRegStr HKLM 'Software\\\\Classes\\\\Tavro.Design\\\\DefaultIcon' '' '$INSTDIR\\\\tavro.exe,0'
  WriteRegStr HKLM 'Software\\\\Classes\\\\Tavro.Design\\\\shell\\\\open\\\\command' '' '\\\"$INSTDIR\\\\tavro.exe\\\" \\\"%1\\\"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  DeleteRegKey HKLM 'Software\\\\Classes\\\\Tavro.Design'
  DeleteRegKey HKLM 'Software\\\\Classes\\\\.tavro'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")
include(CPack)
