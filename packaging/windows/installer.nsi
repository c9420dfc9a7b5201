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
!define MUI_UNCONFIRMPAGE_TEXT_TOP "${DISPLAY_NAME} will be removed from the folder below. \
    Your settings and the history of the files you sent stay on this computer."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Files are replaced only while neither program runs, so that no mix of two versions is left. A
; running program's file cannot be opened for writing: until both can be, the user is asked to
; close them (Retry) or to stop (Cancel). A silent run stops at once with exit status 2.
!macro DEFINE_WAIT_FOR_CLOSED_PROGRAMS PREFIX
Function ${PREFIX}waitForClosedPrograms
  retry:
  StrCpy $R0 "$INSTDIR\ppexport-gui.exe"
  Call ${PREFIX}isRunning
  StrCmp $R1 "running" running
  StrCpy $R0 "$INSTDIR\ppexport.exe"
  Call ${PREFIX}isRunning
  StrCmp $R1 "running" running
  Return
  running:
  IfSilent stop
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${DISPLAY_NAME} is running. Close its window \
      (ppexport-gui.exe) and any ppexport.exe command, then press Retry.$\r$\n$\r$\nCancel \
      stops here and changes no file." IDRETRY retry
  stop:
  SetErrorLevel 2
  Quit
FunctionEnd

; $R1 = "running" when the file $R0 exists and cannot be opened for writing.
Function ${PREFIX}isRunning
  StrCpy $R1 ""
  IfFileExists "$R0" 0 done
  ClearErrors
  FileOpen $R2 "$R0" a
  IfErrors 0 +3
  StrCpy $R1 "running"
  Goto done
  FileClose $R2
  done:
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_FOR_CLOSED_PROGRAMS ""
!insertmacro DEFINE_WAIT_FOR_CLOSED_PROGRAMS "un."

Section "Install"
  SetShellVarContext current
  Call waitForClosedPrograms
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
  Call un.waitForClosedPrograms
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\ppexport-gui.exe"
  Delete "$INSTDIR\ppexport.exe"
  Delete "$INSTDIR\Instructions.doc"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
