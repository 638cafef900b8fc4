// The Help menu's commands and the About item of the system menu.
#include "AboutDlg.h"
#include "CompanionLibrary.h"
#include "ConverterDlg.h"
#include "HelpFile.h"
#include "OpenLink.h"
#include "OptionFile.h"
#include "TipDlg.h"

namespace {
constexpr std::size_t kHomePageBuffer = 256;
}

void CConverterDlg::ShowHelpContent() {
    ShowHelpTopic(HelpTopicPath(GetProgramFolder()));
}

void CConverterDlg::ShowAboutBox() {
    CAboutDlg about;
    about.DoModal();
}

void CConverterDlg::ShowHomePage() {
    // No message on failure: the command simply does nothing.
    if (const auto address = CompanionAddress(kHomePageAddress, kHomePageBuffer)) {
        OpenLink(*address, SW_SHOW);
    }
}

void CConverterDlg::ShowTipCommand() {
    CTipDlg tip;
    tip.DoModal();
}
