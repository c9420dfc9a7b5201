# What a user installs: on Windows an installer made with NSIS from the cross build (the target
# `installer`), elsewhere a Debian package made by CPack (`cpack --preset default`). Both carry the
# project version, the one `ppexport --version` prints. Included after every program target is
# known, so that the window joins the installer wherever it is built.

# The name the user sees in the Start menu, the desktop's application menu and the list of
# installed programs: the caption of the main window.
set(PPEXPORT_DISPLAY_NAME "Positive Pay Export")
# The date of the release of this project version.
set(PPEXPORT_RELEASE_DATE "2026-12-07")
set(PPEXPORT_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(PPEXPORT_ICONS_DIR ${CMAKE_SOURCE_DIR}/data/icons)

if(WIN32)
  find_program(PPEXPORT_MAKENSIS makensis)
  if(PPEXPORT_MAKENSIS)
    set(installer ${CMAKE_BINARY_DIR}/ppexport-setup-${PROJECT_VERSION}.exe)
    set(installer_script ${PPEXPORT_PACKAGING_DIR}/windows/installer.nsi)
    set(instructions ${CMAKE_SOURCE_DIR}/docs/Instructions.rtf)
    set(icon ${PPEXPORT_ICONS_DIR}/ppexport.ico)
    set(defines -DVERSION=${PROJECT_VERSION} "-DDISPLAY_NAME=${PPEXPORT_DISPLAY_NAME}"
        -DOUTFILE=${installer} -DINSTRUCTIONS=${instructions} -DICON=${icon})
    # The installer takes the programs without their debugging information.
    set(programs)
    foreach(program ppexport ppexport-gui)
      if(TARGET ${program})
        set(stripped ${CMAKE_BINARY_DIR}/packaging/${program}.exe)
        add_custom_command(OUTPUT ${stripped}
          COMMAND ${CMAKE_STRIP} -o ${stripped} $<TARGET_FILE:${program}>
          DEPENDS ${program} VERBATIM)
        list(APPEND programs ${stripped})
      endif()
    endforeach()
    list(APPEND defines -DCLI_EXE=${CMAKE_BINARY_DIR}/packaging/ppexport.exe)
    if(TARGET ppexport-gui)
      list(APPEND defines -DGUI_EXE=${CMAKE_BINARY_DIR}/packaging/ppexport-gui.exe)
    endif()
    add_custom_command(OUTPUT ${installer}
      COMMAND ${PPEXPORT_MAKENSIS} -V2 -INPUTCHARSET UTF8 ${defines} ${installer_script}
      DEPENDS ${programs} ${installer_script} ${instructions} ${icon}
      COMMENT "ppexport-setup-${PROJECT_VERSION}.exe"
      VERBATIM)
    add_custom_target(installer DEPENDS ${installer})
    # What the installer test expects of this build.
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/packaging/installer.vars CONTENT
"installer='${installer}'
version='${PROJECT_VERSION}'
display_name='${PPEXPORT_DISPLAY_NAME}'
instructions='${instructions}'
window=$<TARGET_EXISTS:ppexport-gui>
")
  endif()
  return()
endif()

# The desktop entry, the AppStream metainfo, the icon (the check picture) and the man page.
set(PPEXPORT_APP_ID "org.ppexport.ppexport")
set(generated ${CMAKE_BINARY_DIR}/packaging)
configure_file(${PPEXPORT_PACKAGING_DIR}/linux/ppexport.desktop.in
               ${generated}/${PPEXPORT_APP_ID}.desktop @ONLY)
configure_file(${PPEXPORT_PACKAGING_DIR}/linux/ppexport.metainfo.xml.in
               ${generated}/${PPEXPORT_APP_ID}.metainfo.xml @ONLY)
configure_file(${PPEXPORT_PACKAGING_DIR}/linux/ppexport.1.in ${generated}/ppexport.1 @ONLY)
if(TARGET ppexport-gui)
  install(FILES ${generated}/${PPEXPORT_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${generated}/${PPEXPORT_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
foreach(size 48 128 256)
  install(FILES ${PPEXPORT_ICONS_DIR}/ppexport-${size}.png RENAME ppexport.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
# The drawing holds the window's picture above the square program icon; the scalable icon is the
# same drawing framed on the icon's square.
file(READ ${PPEXPORT_ICONS_DIR}/ppexport.svg drawing)
set(drawing_frame [[width="140" height="200" viewBox="0 0 140 200"]])
string(FIND "${drawing}" "${drawing_frame}" frame_at)
if(frame_at EQUAL -1)
  message(FATAL_ERROR "data/icons/ppexport.svg no longer has the frame ${drawing_frame}: "
                      "frame the scalable icon anew in cmake/Packaging.cmake")
endif()
string(REPLACE "${drawing_frame}" [[width="140" height="140" viewBox="0 60 140 140"]]
       drawing "${drawing}")
file(CONFIGURE OUTPUT ${generated}/ppexport.svg CONTENT "${drawing}" @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PPEXPORT_ICONS_DIR}/ppexport.svg)
install(FILES ${generated}/ppexport.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Man pages are installed compressed, without a time stamp in the gzip header.
execute_process(COMMAND gzip -9nc INPUT_FILE ${generated}/ppexport.1
                OUTPUT_FILE ${generated}/ppexport.1.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${generated}/ppexport.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The user guide is read by the window from the data folder; the documentation folder shows it
# through a link.
if(TARGET ppexport-gui)
  file(RELATIVE_PATH guide ${CMAKE_INSTALL_FULL_DOCDIR}
       ${CMAKE_INSTALL_FULL_DATADIR}/ppexport/Instructions.doc)
  file(CREATE_LINK ${guide} ${generated}/Instructions.doc SYMBOLIC)
  install(FILES ${generated}/Instructions.doc DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ppexport)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ppexport maintainers <maintainers@ppexport.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "issued-check (positive pay) files for your bank")
# The summary comes first; CPack indents these lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
A bank that offers positive pay matches every check presented for
payment against a file of the checks the company issued. ppexport asks
QuickBooks to export the checks of a bank account, picks the ones to report
(uncleared checks and voided ones) and writes that file in the bank's own
layout: 35 built-in bank formats and custom formats, with a review file.

This package holds the window, ppexport-gui, and the command line, ppexport.
Where QuickBooks cannot run, a sample company plays it.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
# What the package test expects of this build.
file(GENERATE OUTPUT ${generated}/package.vars CONTENT
"package_folder='${CPACK_PACKAGE_DIRECTORY}'
version='${PROJECT_VERSION}'
app_id='${PPEXPORT_APP_ID}'
program_folder='$<TARGET_FILE_DIR:ppexport>'
")
