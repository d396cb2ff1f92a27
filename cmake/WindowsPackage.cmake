# What the Windows package holds (scripts/package-windows.sh installs it, adds
# the DLLs the programs import and zips it): the four programs, the Qt plugins
# they load at run time (the Windows platform and its style), the launcher's
# sample settings and はじめに.txt for the care office's IT.
install(TARGETS kinsketch kinsketch-render kinsketch-doc ovnqtverup RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION styles)
install(FILES "${CMAKE_SOURCE_DIR}/samples/launcher/ovnVerUP.ini" "${CMAKE_SOURCE_DIR}/docs/windows/はじめに.txt"
  DESTINATION .)
