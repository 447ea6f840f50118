; The installer of Velmor for Windows, made by tools/windows-installer.sh with Debian's
; makensis. It installs for the current user alone, so it needs no administrator: the
; program under %LOCALAPPDATA%\Programs, its Start-menu entry, the skin files'
; association and its entry in the list of installed programs, all under HKCU.
; /S installs silently, /D=FOLDER chooses the folder; the uninstaller takes /S too.
; Defined by the script: VERSION, VERSION4, SOURCE (the folder to install), OUTFILE,
; ICON, and the generated lists FILES_INSTALL, FILES_UNINSTALL.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

!define KEY_UNINSTALL "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmor"
!define KEY_CLASSES "Software\Classes"
!define PROG_ID "Velmor.Skin"

Name "Velmor ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Velmor"
InstallDirRegKey HKCU "${KEY_UNINSTALL}" "InstallLocation"
BrandingText "Velmor ${VERSION}"
VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=0 "ProductName" "Velmor"
VIAddVersionKey /LANG=0 "FileDescription" "Velmor Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "Velmor developers"
VIAddVersionKey /LANG=0 "LegalCopyright" "Velmor developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmor.exe"
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "English"

Section "Velmor"
    SetOutPath "$INSTDIR"
    !include "${FILES_INSTALL}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The working folder of the entry is the program's, where it keeps Velmor.ini.
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\Velmor.lnk" "$INSTDIR\velmor.exe" "" "$INSTDIR\velmor.exe" 0

    WriteRegStr HKCU "${KEY_CLASSES}\.lkv" "" "${PROG_ID}"
    WriteRegStr HKCU "${KEY_CLASSES}\${PROG_ID}" "" "Velmor-Skin"
    WriteRegStr HKCU "${KEY_CLASSES}\${PROG_ID}\DefaultIcon" "" "$INSTDIR\velmor.exe,0"
    WriteRegStr HKCU "${KEY_CLASSES}\${PROG_ID}\shell\open\command" "" '"$INSTDIR\velmor.exe" "%1"'

    WriteRegStr HKCU "${KEY_UNINSTALL}" "DisplayName" "Velmor"
    WriteRegStr HKCU "${KEY_UNINSTALL}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${KEY_UNINSTALL}" "DisplayIcon" "$INSTDIR\velmor.exe,0"
    WriteRegStr HKCU "${KEY_UNINSTALL}" "Publisher" "Velmor developers"
    WriteRegStr HKCU "${KEY_UNINSTALL}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${KEY_UNINSTALL}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${KEY_UNINSTALL}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${KEY_UNINSTALL}" "NoModify" 1
    WriteRegDWORD HKCU "${KEY_UNINSTALL}" "NoRepair" 1

    ; Explorer shows the new icon of skin files at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; Removes what the installer made, file by file, and folders only once empty: what the
; user put into the program's folder stays. Velmor.ini is the program's own.
Section "Uninstall"
    !include "${FILES_UNINSTALL}"
    Delete "$INSTDIR\Velmor.ini"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Velmor.lnk"

    ; Skin files stay with another program that took them over since.
    ReadRegStr $0 HKCU "${KEY_CLASSES}\.lkv" ""
    StrCmp $0 "${PROG_ID}" 0 +2
        DeleteRegKey HKCU "${KEY_CLASSES}\.lkv"
    DeleteRegKey HKCU "${KEY_CLASSES}\${PROG_ID}"
    DeleteRegKey HKCU "${KEY_UNINSTALL}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
