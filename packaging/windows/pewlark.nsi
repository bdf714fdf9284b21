; The Windows installer of Pewlark, made by scripts/windows/package.sh:
;   makensis -DVERSION=1.0 -DSTAGE=<folder of the program> -DOUTFILE=<setup.exe> pewlark.nsi
; It installs for all users into Program Files when run as an administrator,
; else for this user alone into %LOCALAPPDATA%\Programs; /S installs without
; questions. The uninstaller removes the program and its Start menu entry and
; leaves the church's files (the database, pictures, backups, configuration)
; where they are.

; Pewlark is a 64-bit program: so is its installer (it then runs where
; 32-bit programs do not, such as a 64-bit-only Wine).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
!include "MUI2.nsh"

Name "Pewlark ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Pewlark"
BrandingText "Pewlark ${VERSION}"

!define MUI_ICON "${STAGE}\pewlark.ico"
!define MUI_UNICON "${STAGE}\pewlark.ico"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pewlark"

Function .onInit
  ; An administrator installs for everyone, into Program Files.
  UserInfo::GetAccountType
  Pop $0
  StrCmp $0 "Admin" 0 done
    SetShellVarContext all
    ; A folder given with /D= stays.
    StrCmp $INSTDIR "$LOCALAPPDATA\Programs\Pewlark" 0 done
    StrCpy $INSTDIR "$PROGRAMFILES64\Pewlark"
  done:
FunctionEnd

Section "Pewlark"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Pewlark.lnk" "$INSTDIR\pewlark.exe" "" "$INSTDIR\pewlark.ico" 0
  ; SHCTX is HKLM for all users, HKCU for this user alone.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Pewlark"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pewlark.ico"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Pewlark maintainers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
SectionEnd

Function un.onInit
  UserInfo::GetAccountType
  Pop $0
  StrCmp $0 "Admin" 0 +2
    SetShellVarContext all
FunctionEnd

; Only what the installer put there goes: the list of files is the staged
; program's, so a church file someone saved into the program's folder stays.
Section "Uninstall"
  Delete "$SMPROGRAMS\Pewlark.lnk"
  !include "${FILELIST}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
