; The Windows installer of Quorvel and Tessellon, for makensis (NSIS 3):
;   makensis -DVERSION=<version> -DSTAGE=<folder> -DOUTFILE=<setup.exe> Quorvel.nsi
; STAGE holds Quorvel.exe, Tessellon.exe, README.md, LICENSE and PathEdit.exe. A 64-bit
; installer: it installs into the 64-bit Program Files and writes the 64-bit registry.
;   Setup.exe /S [/NOPATH] [/D=<folder>]   installs without a window
;   Uninstall.exe /S                       uninstalls without a window
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel"

Name "Quorvel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quorvel"
; An upgrade goes where the installed version is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ManifestDPIAware true
ShowInstDetails show
; A file that cannot be written leaves Retry and Cancel, never Ignore: a silent install would
; otherwise skip it and end with status 0, the old or no program in its place.
AllowSkipFiles off
ShowUninstDetails show

!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Runs PathEdit, unpacked into the temporary plug-in folder, on the install folder and leaves
; its status (0 changed, 2 nothing to change, anything else failed) on the stack.
!macro PathEdit action
    InitPluginsDir
    File "/oname=$PLUGINSDIR\PathEdit.exe" "${STAGE}\PathEdit.exe"
    nsExec::ExecToLog '"$PLUGINSDIR\PathEdit.exe" ${action} "$INSTDIR"'
!macroend

Section "Quorvel and Tessellon" SecPrograms
    SectionIn RO
    ; A version installed in another folder is uninstalled first, so that one entry, one
    ; shortcut and one PATH element remain.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $0 != $INSTDIR
    ${AndIf} ${FileExists} "$0\Uninstall.exe"
        DetailPrint "Uninstalling the version in $0"
        ExecWait '"$0\Uninstall.exe" /S _?=$0'
        Delete "$0\Uninstall.exe"
        RMDir "$0"
    ${EndIf}

    SetOutPath "$INSTDIR"
    File "${STAGE}\Quorvel.exe"
    File "${STAGE}\Tessellon.exe"
    File "${STAGE}\README.md"
    File "${STAGE}\LICENSE"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; Tessellon keeps settings.txt in the folder it starts in, which must be one its user
    ; can write; it finds the Quorvel.exe beside it wherever it starts.
    SetShellVarContext all
    StrCpy $OUTDIR "%USERPROFILE%"
    CreateShortCut "$SMPROGRAMS\Tessellon.lnk" "$INSTDIR\Tessellon.exe"
    SetOutPath "$INSTDIR"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorvel ${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Quorvel authors"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tessellon.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Add the folder to the PATH" SecPath
    !insertmacro PathEdit add
    Pop $0
    ; The uninstaller takes away only an element that this installer added.
    ${If} $0 == 0
        WriteRegDWORD HKLM "${UNINSTALL_KEY}" "AddedToPath" 1
    ${ElseIf} $0 != 2
        MessageBox MB_OK|MB_ICONEXCLAMATION "$INSTDIR could not be added to the PATH." /SD IDOK
        SetErrorLevel 2
    ${EndIf}
SectionEnd

Function .onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/NOPATH" $1
    ${IfNot} ${Errors}
        !insertmacro UnselectSection ${SecPath}
    ${EndIf}
FunctionEnd

Section "Uninstall"
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "AddedToPath"
    ${If} $0 == 1
        !insertmacro PathEdit remove
        Pop $0
        ${If} $0 != 0
        ${AndIf} $0 != 2
            MessageBox MB_OK|MB_ICONEXCLAMATION "$INSTDIR could not be taken off the PATH." /SD IDOK
            SetErrorLevel 2
        ${EndIf}
    ${EndIf}
    SetShellVarContext all
    Delete "$SMPROGRAMS\Tessellon.lnk"
    Delete "$INSTDIR\Quorvel.exe"
    Delete "$INSTDIR\Tessellon.exe"
    Delete "$INSTDIR\README.md"
    Delete "$INSTDIR\LICENSE"
    Delete "$INSTDIR\Uninstall.exe"
    ; Files of the user's own keep the folder.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
