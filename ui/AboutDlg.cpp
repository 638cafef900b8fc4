#include "AboutDlg.h"

#include "CompanionLibrary.h"
#include "OptionFile.h"
#include "SkinLibrary.h"
#include "help_resource.h"
#include "resource.h"

namespace {
constexpr std::size_t kTitleLength = 63;
constexpr std::size_t kAboutAddressBuffer = 64;
}  // namespace

std::string AboutTitle(const std::string& version) {
    std::string title = "Corvane " + version;
    if (title.size() > kTitleLength) {
        title.resize(kTitleLength);
    }
    return title;
}

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

void CAboutDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_ABOUT_TITLE, titleLabel);
    DDX_Control(exchange, IDC_HOME_PAGE_LINK, homePageLink);
    DDX_Control(exchange, IDC_SUPPORT_LINK, supportLink);
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    titleLabel.SetWindowText(AboutTitle(versionString()));

    // Without the companion library each link keeps its caption as its address.
    for (auto [index, link] :
         {std::pair{kHomePageAddress, &homePageLink}, std::pair{kSupportAddress, &supportLink}}) {
        if (const auto address = CompanionAddress(index, kAboutAddressBuffer)) {
            link->SetLinkUrl(*address);
        }
        link->SetUnderlineMode(1);
    }
    skin::SkinWindow(homePageLink.m_hWnd);
    skin::SkinWindow(supportLink.m_hWnd);
    return TRUE;
}
