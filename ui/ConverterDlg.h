#pragma once
// The program's main window: the source list, the image buttons, the output folder and the quick combos.

#include <string>

#include "ComboBox.h"
#include "EncoderInterface.h"
#include "PictureGeometry.h"
#include "Dialog.h"
#include "Edit.h"
#include "ImageButton.h"
#include "ListCtrl.h"

class CConverterDlg : public CDialog {
  public:
    explicit CConverterDlg(CWnd* parent = nullptr);
    ~CConverterDlg() override;

    int targetWidth = 0;  // 0: the source's own width
    int targetHeight = 0;
    int videoBitrate = 0;  // kbit/s
    int audioBitrate = 0;
    CComboBox aspectCombo;
    CComboBox tvModeCombo;
    CComboBox formatCombo;
    CEdit outputFolderEdit;
    CImageButton changeButton;
    CImageButton moveUpButton;
    CImageButton removeButton;
    CImageButton moveDownButton;
    CImageButton addSideButton;
    CImageButton helpButton;
    CImageButton addButton;
    CImageButton convertButton;
    CImageButton settingsButton;
    CListCtrl sourceListCtrl;
    HICON appIcon = nullptr;

    // A folder the browser returned: shown and taken as the output folder, or refused with a message
    // when it does not fit.
    void TakeBrowsedFolder(const std::string& path);

  protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void FillTemplateLists();
    void SetUpImageButtons();

    // This window's own handlers.
    LRESULT OnSysCommand(WPARAM command, LPARAM position);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    void OutputFolderChange();
    void ShowHelpMenu();

    // The source list (ConverterDlgSources.cpp).
    void AddFiles();
    void InsertRow(const std::string& path);
    void RemoveSelected();
    void MoveSelectedUp();
    void MoveSelectedDown();
    void MoveSelected(int step);
    void SwapRows(int selected, int neighbour);
    void ShowListMenu(NMHDR* header, LRESULT* result);
    // True (with a beep) while a probe runs: its commands wait until it has ended.
    bool RefuseWhileEncoderRuns();

    // Converting (ConverterDlgBatch.cpp).
    void ConvertAll();
    // The target picture size goes into targetWidth and targetHeight, the bars are returned.
    Borders ComputeBorders(int row);
    std::string BuildCommandLine(const std::string& source, const std::string& target, int padWidth,
                                 int padHeight, EncoderMode mode);
    // False when the encoder could not be started.
    bool RunEncoder(const std::string& source, const std::string& target, int padWidth, int padHeight,
                    EncoderMode mode);
    LRESULT OnEncoderNotify(WPARAM code, LPARAM value);
    int ReportProgress(double position);
    static std::string EncoderMissingText();

    // Settings and the quick combos (ConverterDlgSettings.cpp).
    void ShowOutputSettings();
    void OnFormatChosen();
    void OnTvModeChosen();
    void OnAspectRatioChosen();
    void RefreshTvModeCombo();
    void RefreshAspectCombo();

    // The Help menu's commands (ConverterDlgHelp.cpp).
    void ShowHelpContent();
    void ShowAboutBox();
    void ShowHomePage();
    void ShowTipCommand();
};
