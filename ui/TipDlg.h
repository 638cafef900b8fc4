#pragma once
// Tip of the Day: one tip at a time from tips.txt, continuing where the last showing stopped.

#include <string>

#include "Dialog.h"
#include "TipReader.h"

inline constexpr char kTipSection[] = "Tip";
inline constexpr char kTipStartUpKey[] = "StartUp";
inline constexpr char kTipFilePosKey[] = "FilePos";
inline constexpr char kTipTimeStampKey[] = "TimeStamp";

class CTipDlg : public CDialog {
  public:
    explicit CTipDlg(CWnd* parent = nullptr);
    ~CTipDlg() override;

    BOOL OnInitDialog() override;

    int showOnStartup = 0;  // the check box; the opposite of the stored "StartUp"
    std::string tipText;

  protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void OnOK() override;
    bool OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void NextTipClicked();
    void StartUpClicked() {}  // the box keeps its own state until Close
    LRESULT OnCtlColorStatic(WPARAM dc, LPARAM control);
    LRESULT OnPaint(WPARAM, LPARAM);
    void TakeReading(const TipReading& reading);
    void ReportTroubleReading() const;

    TipWalk tipsFile;
};

// tips.txt in the folder of the running program.
std::string TipsFilePath();
