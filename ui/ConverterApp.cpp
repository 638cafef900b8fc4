#include "ConverterApp.h"

#include <memory>

#include "CommandLineInfo.h"
#include "ConverterDlg.h"
#include "SkinLibrary.h"
#include "TipDlg.h"

namespace {
constexpr char kRegisterPlayerCommand[] = "regsvr32.exe MoviePlayer.ocx /s";
constexpr char kSkinName[] = "KESTREL_SKIN";
constexpr char kSkinType[] = "SKINMAGIC";
constexpr char kDialogSkinObject[] = "Dialog";

struct AppCommand {
    UINT id;
    void (CWinApp::*handler)();
};
constexpr AppCommand kCommands[] = {
    {ID_HELP, &CWinApp::OnHelp},
};
}  // namespace

BOOL CConverterApp::InitInstance() {
    AfxEnableControlContainer();
    // Registration runs on its own; nothing here depends on it.
    WinExec(kRegisterPlayerCommand, SW_HIDE);
    skin::Initialise(m_hInstance);
    skin::LoadSkin(m_hInstance, kSkinName, kSkinType);
    skin::SetDialogSkin(kDialogSkinObject);
    ShowStartupTip();
    Enable3dControls();

    {
        auto dialog = std::make_unique<CConverterDlg>(nullptr);
        m_pMainWnd = dialog.get();
        dialog->DoModal();
        m_pMainWnd = nullptr;
    }  // the dialog's end saves the settings

    // The program is its dialog: no message loop of the application's own.
    return FALSE;
}

int CConverterApp::ExitInstance() {
    skin::Shutdown();
    return CWinApp::ExitInstance();
}

bool CConverterApp::OnCommand(UINT id) {
    for (const AppCommand& command : kCommands) {
        if (command.id == id) {
            (this->*command.handler)();
            return true;
        }
    }
    return false;
}

void CConverterApp::ShowStartupTip() {
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!commandLine.m_bShowSplash) {
        return;  // started by COM: no tip
    }
    // Construction reads the next tip and destruction stores the position, shown or not.
    CTipDlg tip;
    if (tip.showOnStartup) {
        tip.DoModal();
    }
}
