; The installer: for all users, into the 64-bit program folder, German.
; scripts/dist.sh calls it with VERSION, FILEVERSION, STAGE (the folder of the
; files to ship), ICON and OUTFILE defined.
;
; A 64-bit installer for a 64-bit game: it runs where the game runs, also
; under a Wine without 32-bit support, and sees the 64-bit registry directly.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PUBLISHER "Die Anagrilla-Entwickler"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Anagrilla"
!define SETTINGS_KEY "Software\Anagrilla"

Name "Anagrilla ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Anagrilla"
BrandingText "Anagrilla ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Anagrilla jetzt starten"
!define MUI_FINISHPAGE_RUN_FUNCTION StartGame
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "German"

VIProductVersion "${FILEVERSION}"
VIFileVersion "${FILEVERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "Anagrilla"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${FILEVERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${FILEVERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "Anagrilla ${VERSION} – Installation"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "© 2026 ${PUBLISHER}"

Function .onInit
  SetShellVarContext all
  ; An update goes where the last installation went, unless /D says otherwise.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $INSTDIR == "$PROGRAMFILES64\Anagrilla"
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Section "Anagrilla" SecGame
  SectionIn RO
  ; The shortcuts take the output folder as their working folder, and the
  ; game reads anagrilla.dat from there.
  SetOutPath "$INSTDIR"
  File "${STAGE}\anagrilla.exe"
  File "${STAGE}\anagrilla.dat"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE.txt"
  File "${STAGE}\Wortliste-Copyright.txt"
  File "${STAGE}\Wortliste-GPL-2.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Anagrilla.lnk" "$INSTDIR\anagrilla.exe" "" "$INSTDIR\anagrilla.exe" 0 \
    SW_SHOWNORMAL "" "Das Teilanagramm-Spiel"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Anagrilla"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\anagrilla.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Verknüpfung auf dem Desktop" SecDesktop
  SetOutPath "$INSTDIR"
  CreateShortCut "$DESKTOP\Anagrilla.lnk" "$INSTDIR\anagrilla.exe" "" "$INSTDIR\anagrilla.exe" 0 \
    SW_SHOWNORMAL "" "Das Teilanagramm-Spiel"
SectionEnd

Function StartGame
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\anagrilla.exe"'
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "un.Anagrilla" SecUnGame
  SectionIn RO
  Delete "$SMPROGRAMS\Anagrilla.lnk"
  Delete "$DESKTOP\Anagrilla.lnk"
  Delete "$INSTDIR\anagrilla.exe"
  Delete "$INSTDIR\anagrilla.dat"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Wortliste-Copyright.txt"
  Delete "$INSTDIR\Wortliste-GPL-2.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: files the player put there stay.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; Off unless the player ticks it: the settings outlive a reinstallation.
Section /o "un.Persönliche Einstellungen entfernen" SecUnSettings
  DeleteRegKey HKLM "${SETTINGS_KEY}"
  ; A standard user's settings fall back to the user's own branch.
  DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd
