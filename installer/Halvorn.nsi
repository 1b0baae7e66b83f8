; Installer of Halvorn, for the current user, without administrator rights.
; scripts/package.sh builds it and passes:
;   VERSION       the product version shown to the user, e.g. 2.0b
;   FILE_VERSION  the same as four numbers, e.g. 2.0.0.2
;   SOURCE_DIR    the folder holding Halvorn.exe, Halvorn.txt and catalog.txt
;   OUTPUT_FILE   the installer to write
!macro Require_Define NAME
  !ifndef ${NAME}
    !error "${NAME} is not defined: build the installer with scripts/package.sh"
  !endif
!macroend
!insertmacro Require_Define VERSION
!insertmacro Require_Define FILE_VERSION
!insertmacro Require_Define SOURCE_DIR
!insertmacro Require_Define OUTPUT_FILE

Unicode true
; Halvorn.exe is a 64-bit program, so the installer is one too: it then sees the same
; registry view as the program, where the program keeps its run-at-start-up value.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Halvorn"
!define PUBLISHER "Tandrel Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Halvorn.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTPUT_FILE}"
; The program writes its settings and its table picture beside itself, so it goes where
; the user may write rather than under Program Files.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"

VIProductVersion "${FILE_VERSION}"
VIFileVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Installs ${PRODUCT} ${VERSION} for the current user"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define MUI_ICON "../resources/halvorn.ico"
!define MUI_UNICON "../resources/halvorn.ico"
!define MUI_ABORTWARNING

!define MUI_DIRECTORYPAGE_TEXT_TOP "Halvorn will be installed for you alone, in the folder below. It keeps its \
settings and the table picture it saves in that same folder, so the folder must be one you can write to; \
the one suggested needs no administrator rights."
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Halvorn.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Halvorn now"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Section "Halvorn" Program_Section
  SectionIn RO
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${SOURCE_DIR}/Halvorn.exe"
  File "${SOURCE_DIR}/Halvorn.txt"
  File "${SOURCE_DIR}/catalog.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The shortcut starts the program in its own folder (the output path).
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Halvorn.exe" "" "$INSTDIR\Halvorn.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Halvorn.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${Program_Section} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  Delete "$INSTDIR\Halvorn.exe"
  Delete "$INSTDIR\Halvorn.txt"
  Delete "$INSTDIR\catalog.txt"
  ; What the program itself leaves beside itself: its settings and the saved table picture.
  Delete "$INSTDIR\Halvorn.ini"
  Delete "$INSTDIR\Halvorn.bmp"
  Delete "$INSTDIR\Uninstall.exe"
  ; Anything the user put in the folder stays, and with it the folder.
  RMDir "$INSTDIR"

  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The run-at-start-up value has one name for every copy of the program. It goes when it
  ; names a file that is no longer there (this copy, now removed); a value left by another
  ; copy that still exists stays. Without administrator rights the deletion may fail:
  ; the rest of the uninstall stands all the same. A path with a blank is kept in quotes.
  ReadRegStr $0 HKLM "${RUN_KEY}" "${RUN_VALUE}"
  StrCpy $1 $0 1
  ${If} $1 == '"'
    StrCpy $0 $0 "" 1
    StrCpy $0 $0 -1
  ${EndIf}
  ${If} $0 != ""
  ${AndIfNot} ${FileExists} "$0"
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  ClearErrors
SectionEnd
