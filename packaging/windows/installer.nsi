; The Windows installer: a per-user install into the user's local programs folder, without
; administrator rights, with a Start menu shortcut to the window and an uninstaller registered
; under the user's Uninstall key. Installing over an earlier version replaces its files in place.
;
; makensis is given, with -D: VERSION (major.minor.patch), DISPLAY_NAME, OUTFILE, CLI_EXE and
; INSTRUCTIONS (the files to install), and where they exist GUI_EXE (the window) and ICON.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ppexport"
!define SHORTCUT "$SMPROGRAMS\${DISPLAY_NAME}.lnk"

Name "${DISPLAY_NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\ppexport"
; An upgrade goes where the earlier version was installed.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "ppexport ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${DISPLAY_NAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${DISPLAY_NAME} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" ""

!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!ifdef GUI_EXE
  !define MUI_FINISHPAGE_RUN "$INSTDIR\ppexport-gui.exe"
!endif
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Install"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "/oname=ppexport.exe" "${CLI_EXE}"
  ; The Help button looks for the user guide beside the window.
  File "/oname=Instructions.doc" "${INSTRUCTIONS}"
!ifdef GUI_EXE
  File "/oname=ppexport-gui.exe" "${GUI_EXE}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\ppexport-gui.exe"
  !define DISPLAY_ICON "$INSTDIR\ppexport-gui.exe"
!else
  !define DISPLAY_ICON "$INSTDIR\ppexport.exe"
!endif
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "ppexport"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "${DISPLAY_ICON}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Removes what the installer put there and nothing else: the settings under
; HKCU\Software\ppexport and the history stay for a later install, and the folder stays while
; it holds files of the user's.
Section "Uninstall"
  SetShellVarContext current
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\ppexport-gui.exe"
  Delete "$INSTDIR\ppexport.exe"
  Delete "$INSTDIR\Instructions.doc"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
