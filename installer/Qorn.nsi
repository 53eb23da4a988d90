; The setup of the program: one file that installs it for the current user,
; without administrator rights, into the user's own programs folder. Built by
; ./package:  makensis -DVERSION=1.0.0 -DDIST=<dist folder> -DOUTFILE=<setup>
;
; Command line of the setup: /S silent; /NOAUTOSTART leaves "start with
; Windows" off (it is on by default); /D=<folder> another folder.
; Uninstaller: /S silent; /REMOVEDATA also removes the profiles and macros.

Unicode true
; A 64-bit setup for a 64-bit program: a 32-bit Windows refuses to start it
; with its own message that the program does not run on this system.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!ifndef VERSION
  !error "VERSION is not defined"
!endif

!define APP "Qorn"
!define NAME "Velmora Gaming Keyboard"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${APP}"
VIAddVersionKey "FileDescription" "${NAME} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Velmora"

!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var chosenLanguage  ; the language the user chose, kept across an upgrade

Section "${NAME}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  ReadINIStr $chosenLanguage "$INSTDIR\lan\Orvik.ini" "Language" "Default"
  File "${DIST}\Qorn.exe"
  SetOutPath "$INSTDIR\res"
  File /r "${DIST}\res\*.*"
  SetOutPath "$INSTDIR\lan"
  File /r "${DIST}\lan\*.*"
  ${If} $chosenLanguage != ""
    WriteINIStr "$INSTDIR\lan\Orvik.ini" "Language" "Default" $chosenLanguage
  ${EndIf}
  ; The user's profiles and macros are never replaced.
  SetOutPath "$INSTDIR"
  SetOverwrite off
  File "${DIST}\qorn.pfs"
  File "${DIST}\qorn.mcs"
  SetOverwrite on

  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\Qorn.exe"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Velmora"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Qorn.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start with Windows" SecAutostart
  WriteRegStr HKCU "${RUN_KEY}" "${APP}" '"$INSTDIR\Qorn.exe"'
SectionEnd

Section "-Autostart off"
  ${IfNot} ${SectionIsSelected} ${SecAutostart}
    DeleteRegValue HKCU "${RUN_KEY}" "${APP}"
  ${EndIf}
SectionEnd

Section "un.${NAME}"
  SectionIn RO
  Delete "$INSTDIR\Qorn.exe"
  RMDir /r "$INSTDIR\res"
  RMDir /r "$INSTDIR\lan"
  Delete "$SMPROGRAMS\${APP}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${APP}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\uninstall.exe"
SectionEnd

Section /o "un.Also remove my profiles and macros" SecRemoveData
  Delete "$INSTDIR\qorn.pfs"
  Delete "$INSTDIR\qorn.mcs"
  Delete "$INSTDIR\qorn.pfs.damaged-*"
  Delete "$INSTDIR\qorn.mcs.damaged-*"
SectionEnd

Section "-un.Folder"
  ; Only an empty folder goes: kept data files keep it.
  RMDir "$INSTDIR"
SectionEnd

; After the sections, whose indexes they use.
Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOAUTOSTART" $1
  ${IfNot} ${Errors}
    SectionSetFlags 1 0
  ${EndIf}
FunctionEnd

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDATA" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecRemoveData} ${SF_SELECTED}
  ${EndIf}
FunctionEnd
