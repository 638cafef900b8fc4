#include "ConverterDlg.h"

#include <shlobj.h>

#include <array>

#include "ConversionSettings.h"
#include "EncoderInterface.h"
#include "Gdi.h"
#include "Menu.h"
#include "MessageMap.h"
#include "OptionFile.h"
#include "OutputFolderRules.h"
#include "PictureSizes.h"
#include "ProgressDlg.h"
#include "RunState.h"
#include "SettingsLists.h"
#include "SourceTable.h"
#include "Win32Profile.h"
#include "WinApp.h"
#include "resource.h"

namespace {

struct ImageButtonSetup {
    CImageButton CConverterDlg::*button;
    UINT iconId;
    int iconSize;  // 0: the resource's own size
    const char* tip;
};

// In the order they are set up.
constexpr std::array kImageButtons = {
    ImageButtonSetup{&CConverterDlg::convertButton, IDI_CONVERT, 48, "Start converting"},
    ImageButtonSetup{&CConverterDlg::settingsButton, IDI_SETTINGS, 48, "Settings..."},
    ImageButtonSetup{&CConverterDlg::addButton, IDI_ADD, 48, "Add video files to the list"},
    ImageButtonSetup{&CConverterDlg::helpButton, IDI_HELP, 0, "About,help,home page,tip of the day."},
    ImageButtonSetup{&CConverterDlg::addSideButton, IDI_SIDE_ADD, 0, "Add video files to the list"},
    ImageButtonSetup{&CConverterDlg::removeButton, IDI_SIDE_REMOVE, 0, "Remove the selected video file"},
    ImageButtonSetup{&CConverterDlg::moveUpButton, IDI_SIDE_UP, 0, "Move the selected video file up"},
    ImageButtonSetup{&CConverterDlg::moveDownButton, IDI_SIDE_DOWN, 0, "Move the selected video file down"},
};

struct ListColumn {
    const char* heading;
    int format;
    int width;
};
constexpr std::array kListColumns = {
    ListColumn{" Number", LVCFMT_LEFT, 90},
    ListColumn{"  File path", LVCFMT_LEFT, 360},
    ListColumn{"   Duration", LVCFMT_CENTER, 122},
};

// Releases the shell's allocator.
struct ShellAllocator {
    IMalloc* allocator = nullptr;
    ~ShellAllocator() {
        if (allocator != nullptr) {
            allocator->Release();
        }
    }
};

}  // namespace

CConverterDlg::CConverterDlg(CWnd* parent) : CDialog(IDD_CORVANE_DIALOG, parent) {
    appIcon = LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    Win32Profile profile;
    LoadOptions(profile, GetProgramFolder(), TheSettings());
}

CConverterDlg::~CConverterDlg() {
    if (progressDlg != nullptr) {
        delete progressDlg;
        progressDlg = nullptr;
    }
    Win32Profile profile;
    const std::string folder = GetProgramFolder();
    if (!SaveOptions(profile, folder, TheSettings())) {
        // The previous option file is still whole; the user must know this run's choices are lost.
        ::MessageBoxA(nullptr,
                      ("The settings could not be saved to " + folder + kOptionFileName + ".").c_str(),
                      AfxGetAppName(), MB_OK | MB_ICONWARNING);
    }
}

bool CConverterDlg::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static const Binding<CConverterDlg> bindings[] = {
        OnMessage(WM_SYSCOMMAND, &CConverterDlg::OnSysCommand),
        OnMessage(WM_PAINT, &CConverterDlg::OnPaint),
        OnMessage(WM_QUERYDRAGICON, &CConverterDlg::OnQueryDragIcon),
        OnCommand({IDC_ADD, IDC_SIDE_ADD, IDM_LIST_ADD}, &CConverterDlg::AddFiles),
        OnCommand({IDC_SIDE_REMOVE, IDM_LIST_REMOVE}, &CConverterDlg::RemoveSelected),
        OnCommand({IDC_SIDE_UP, IDM_LIST_UP}, &CConverterDlg::MoveSelectedUp),
        OnCommand({IDC_SIDE_DOWN, IDM_LIST_DOWN}, &CConverterDlg::MoveSelectedDown),
        OnNotify(NM_RCLICK, IDC_SOURCE_LIST, &CConverterDlg::ShowListMenu),
        OnCommand({IDC_CONVERT, IDC_CONVERT_PLAIN}, &CConverterDlg::ConvertAll),
        OnCommand({IDC_SETTINGS, IDC_SETTINGS_PLAIN}, &CConverterDlg::ShowOutputSettings),
        OnControl(CBN_SELCHANGE, IDC_OUTPUT_FORMAT, &CConverterDlg::OnFormatChosen),
        OnControl(CBN_SELCHANGE, IDC_TV_MODE, &CConverterDlg::OnTvModeChosen),
        OnControl(CBN_SELCHANGE, IDC_ASPECT_RATIO, &CConverterDlg::OnAspectRatioChosen),
        OnCommand({IDC_CHANGE_FOLDER}, &CConverterDlg::OutputFolderChange),
        OnCommand({IDC_HELP_BUTTON}, &CConverterDlg::ShowHelpMenu),
        OnCommand({IDM_HELP_CONTENT}, &CConverterDlg::ShowHelpContent),
        OnCommand({IDM_ABOUT}, &CConverterDlg::ShowAboutBox),
        OnCommand({IDM_HOME_PAGE}, &CConverterDlg::ShowHomePage),
        OnCommand({IDM_TIP_OF_THE_DAY}, &CConverterDlg::ShowTipCommand),
        OnMessage<CConverterDlg>(WM_HSCROLL, &CConverterDlg::PassToDefault),
        OnMessage(WM_ENCODER_NOTIFY, &CConverterDlg::OnEncoderNotify),
    };
    return RunBindings(bindings, *this, msg, wParam, lParam, result) ||
           CDialog::OnWndMsg(msg, wParam, lParam, result);
}

void CConverterDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_ASPECT_RATIO, aspectCombo);
    DDX_Control(exchange, IDC_TV_MODE, tvModeCombo);
    DDX_Control(exchange, IDC_OUTPUT_FORMAT, formatCombo);
    DDX_Control(exchange, IDC_OUTPUT_FOLDER, outputFolderEdit);
    DDX_Control(exchange, IDC_CHANGE_FOLDER, changeButton);
    DDX_Control(exchange, IDC_SIDE_UP, moveUpButton);
    DDX_Control(exchange, IDC_SIDE_REMOVE, removeButton);
    DDX_Control(exchange, IDC_SIDE_DOWN, moveDownButton);
    DDX_Control(exchange, IDC_SIDE_ADD, addSideButton);
    DDX_Control(exchange, IDC_HELP_BUTTON, helpButton);
    DDX_Control(exchange, IDC_ADD, addButton);
    DDX_Control(exchange, IDC_CONVERT, convertButton);
    DDX_Control(exchange, IDC_SETTINGS, settingsButton);
    DDX_Control(exchange, IDC_SOURCE_LIST, sourceListCtrl);
}

// The items the template's combos start with.
void CConverterDlg::FillTemplateLists() {
    formatCombo.AddStrings(lists::outputFormats);
    aspectCombo.AddStrings(lists::discAspect);
    tvModeCombo.AddStrings(lists::tvModes);
}

BOOL CConverterDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    FillTemplateLists();

    if (HMENU systemMenu = GetSystemMenu(FALSE)) {
        const std::string aboutText = AfxLoadString(IDS_ABOUTBOX);
        if (!aboutText.empty()) {
            AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText.c_str());
        }
    }

    SetIcon(appIcon, TRUE);
    SetIcon(appIcon, FALSE);

    sourceListCtrl.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    for (size_t i = 0; i < kListColumns.size(); ++i) {
        const ListColumn& column = kListColumns[i];
        sourceListCtrl.InsertColumn(static_cast<int>(i), column.heading, column.format, column.width);
    }

    SetUpImageButtons();

    const PictureSize start = PictureSizeAt(kStartPictureSizeIndex);
    targetWidth = start.width;
    targetHeight = start.height;

    outputFolderEdit.SetWindowText(TheSettings().outputFolder);
    TheSourceList().ResetTotal();

    progressDlg = new CProgressDlg(nullptr);
    progressDlg->CreateHidden(this);

    formatCombo.SetCurSel(TheSettings().outputFormat);
    RefreshTvModeCombo();
    RefreshAspectCombo();
    return TRUE;  // the focus goes to the first tab stop, the Add button
}

void CConverterDlg::SetUpImageButtons() {
    for (const ImageButtonSetup& setup : kImageButtons) {
        CImageButton& button = this->*setup.button;
        button.LoadIcons(setup.iconId, setup.iconSize, setup.iconSize);
        button.SetTipText(setup.tip, TRUE);
        button.UseParentBackground(FALSE);
        button.SetIconPlacement(CImageButton::IconAbove, TRUE);
    }
}

LRESULT CConverterDlg::OnSysCommand(WPARAM command, LPARAM) {
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        ShowAboutBox();
    } else {
        SetMsgHandled(false);
    }
    return 0;
}

LRESULT CConverterDlg::OnPaint(WPARAM, LPARAM) {
    if (!IsIconic()) {
        SetMsgHandled(false);
        return 0;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
    const RECT client = GetClientRect();
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, appIcon);
    return 0;
}

LRESULT CConverterDlg::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(appIcon);
}

void CConverterDlg::OutputFolderChange() {
    ShellAllocator shell;
    if (FAILED(SHGetMalloc(&shell.allocator)) || shell.allocator == nullptr) {
        return;
    }
    char displayName[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = m_hWnd;
    browse.pidlRoot = nullptr;  // the desktop
    browse.pszDisplayName = displayName;
    browse.lpszTitle = "Select a temporary folder";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    if (chosen == nullptr) {
        return;  // cancelled
    }
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDListA(chosen, path)) {
        TakeBrowsedFolder(path);
    }
    shell.allocator->Free(chosen);
}

void CConverterDlg::TakeBrowsedFolder(const std::string& path) {
    const auto folder = OutputFolderFromBrowsedPath(path);
    if (!folder) {
        MessageBox("The folder path is longer than " + std::to_string(kMaxPathChars - 1) +
                       " characters, so it cannot be the output folder:\n" + path,
                   nullptr, MB_OK | MB_ICONWARNING);
        return;
    }
    outputFolderEdit.SetWindowText(*folder);
    TheSettings().outputFolder = *folder;
}

void CConverterDlg::ShowHelpMenu() {
    POINT cursor{-1, -1};
    GetCursorPos(&cursor);
    POINT clientOrigin{0, 0};
    ClientToScreen(m_hWnd, &clientOrigin);
    const ScreenPoint at = HelpMenuPosition({cursor.x, cursor.y}, {clientOrigin.x, clientOrigin.y});

    CMenu menu;
    if (!menu.LoadMenu(IDR_HELP_MENU)) {
        return;
    }
    ::TrackPopupMenu(menu.GetSubMenu(0), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0,
                     GetTopLevelParent(), nullptr);
}
