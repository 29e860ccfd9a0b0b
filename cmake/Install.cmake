# cmake --install and the .deb (cpack -G DEB): the programs in bin/, the
# read-only runtime in share/vbgen/ (found from the programs as ../share/vbgen),
# the workbench's menu entry and icon, the man page and bash completion.
include(GNUInstallDirs)

set(programs vbgen)
if(TARGET vbgen-workbench)
  list(APPEND programs vbgen-workbench)
endif()
install(TARGETS ${programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(runtime_dest ${CMAKE_INSTALL_DATADIR}/vbgen)
install(DIRECTORY runtime/template runtime/bak runtime/samples DESTINATION ${runtime_dest})
install(FILES runtime/schema.sql ${VBGEN_BIN_DIR}/about.html DESTINATION ${runtime_dest})

if(TARGET vbgen-workbench)
  install(FILES packaging/linux/vbgen-workbench.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/linux/vbgen.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
configure_file(packaging/linux/vbgen.1.in ${CMAKE_BINARY_DIR}/vbgen.1 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/vbgen.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/linux/vbgen.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME vbgen)

set(CPACK_PACKAGE_NAME vbgen)
set(CPACK_PACKAGE_VENDOR "vbgen")
set(CPACK_PACKAGE_CONTACT "vbgen maintainers <vbgen@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "VB.NET three-tier Windows Forms solution and SQL Server script generator")
set(CPACK_PACKAGE_FILE_NAME "vbgen_${PROJECT_VERSION}_amd64")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_GENERATOR DEB)
include(CPack)
