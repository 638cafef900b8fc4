#include "TipDlg.h"

#include "Gdi.h"
#include "MessageMap.h"
#include "WinApp.h"
#include "help_resource.h"
#include "resource.h"

namespace {

// Shown when a whole pass through tips.txt found no tip: the reading ends instead of looping.
constexpr char kNoTipText[] = "The tips file holds no tips.";
constexpr int kPanelBottomMargin = 50;

std::string LoadText(UINT id) {
    char text[256] = {};
    LoadStringA(AfxGetResourceHandle(), id, text, sizeof text);
    return text;
}

}  // namespace

std::string TipsFilePath() {
    char module[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path(module, length <= MAX_PATH ? length : 0);
    // The first character is never taken as the folder's end.
    const auto slash = path.find_last_of('\\');
    path.erase(slash != std::string::npos && slash > 0 ? slash + 1 : 0);
    return path + kTipsFileName;
}

CTipDlg::CTipDlg(CWnd* parent) : CDialog(IDD_TIP, parent) {
    CWinApp* app = AfxGetApp();
    showOnStartup = app->GetProfileInt(kTipSection, kTipStartUpKey, 0) == 0 ? 1 : 0;
    const long storedPosition = static_cast<int>(app->GetProfileInt(kTipSection, kTipFilePosKey, 0));
    const std::string storedTimeStamp = app->GetProfileString(kTipSection, kTipTimeStampKey, "");

    const TipOpening opening = tipsFile.Open(TipsFilePath(), storedTimeStamp, storedPosition);
    switch (opening.outcome) {
        case TipOpening::Outcome::FileMissing:
            tipText = LoadText(IDS_TIPS_FILE_MISSING);
            return;
        case TipOpening::Outcome::SeekFailed:
            ReportTroubleReading();
            break;
        case TipOpening::Outcome::Read:
            TakeReading(opening.reading);
            break;
    }
    if (opening.newTimeStamp) {
        app->WriteProfileString(kTipSection, kTipTimeStampKey, opening.newTimeStamp->c_str());
    }
}

CTipDlg::~CTipDlg() {
    if (const auto position = tipsFile.PositionToStore()) {
        AfxGetApp()->WriteProfileInt(kTipSection, kTipFilePosKey, static_cast<int>(*position));
    }
}

void CTipDlg::TakeReading(const TipReading& reading) {
    if (reading.rewindFailed) {
        ReportTroubleReading();
    }
    tipText = reading.found ? reading.text : kNoTipText;
}

void CTipDlg::ReportTroubleReading() const {
    ::MessageBoxA(m_hWnd, LoadText(IDS_TIPS_FILE_TROUBLE).c_str(), AfxGetAppName(), MB_OK);
}

void CTipDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Check(exchange, IDC_TIP_STARTUP, showOnStartup);
    DDX_Text(exchange, IDC_TIP_TEXT, tipText);
}

BOOL CTipDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!tipsFile.IsOpen()) {
        ::EnableWindow(GetDlgItem(IDC_NEXT_TIP), FALSE);
    }
    return TRUE;
}

bool CTipDlg::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static const Binding<CTipDlg> bindings[] = {
        OnCommand({IDC_NEXT_TIP}, &CTipDlg::NextTipClicked),
        OnCommand({IDC_TIP_STARTUP}, &CTipDlg::StartUpClicked),
        OnMessage(WM_CTLCOLORSTATIC, &CTipDlg::OnCtlColorStatic),
        OnMessage(WM_PAINT, &CTipDlg::OnPaint),
    };
    return RunBindings(bindings, *this, msg, wParam, lParam, result) ||
           CDialog::OnWndMsg(msg, wParam, lParam, result);
}

void CTipDlg::NextTipClicked() {
    TakeReading(tipsFile.Next());
    Invalidate(TRUE);
}

LRESULT CTipDlg::OnCtlColorStatic(WPARAM, LPARAM control) {
    if (GetDlgCtrlID(reinterpret_cast<HWND>(control)) == IDC_TIP_TEXT) {
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    SetMsgHandled(false);
    return 0;
}

LRESULT CTipDlg::OnPaint(WPARAM, LPARAM) {
    CPaintDC paint(m_hWnd);
    CDC dc = paint.Use();

    RECT panel{};
    ::GetWindowRect(GetDlgItem(IDC_TIP_PANEL), &panel);
    panel.bottom -= kPanelBottomMargin;
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&panel), 2);
    dc.FillRect(panel, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    dc.SetBkMode(TRANSPARENT);

    CBitmap bulb;
    SIZE bulbSize{};
    if (bulb.LoadBitmap(AfxGetResourceHandle(), IDB_LIGHTBULB)) {
        bulbSize = bulb.GetSize();
        CDC memory;
        memory.CreateCompatibleDC(dc);
        const CSelection selected = memory.SelectObject(bulb);
        dc.BitBlt(panel.left, panel.top, bulbSize.cx, bulbSize.cy, memory, 0, 0);
    }

    RECT heading{panel.left + bulbSize.cx, panel.top, panel.right, panel.top + bulbSize.cy};
    dc.DrawText(LoadText(IDS_DID_YOU_KNOW), heading, DT_SINGLELINE | DT_VCENTER);

    RECT tip{};
    const HWND tipControl = GetDlgItem(IDC_TIP_TEXT);
    ::GetWindowRect(tipControl, &tip);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&tip), 2);
    dc.DrawText(tipText, tip, DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    return 0;
}

void CTipDlg::OnOK() {
    CDialog::OnOK();
    AfxGetApp()->WriteProfileInt(kTipSection, kTipStartUpKey, showOnStartup ? 0 : 1);
}
