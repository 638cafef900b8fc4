#pragma once
// The real main window, created modeless and shown, with fresh settings and no option file.

#include <gtest/gtest.h>

#include <memory>

#include "ConversionSettings.h"
#include "ConverterDlg.h"
#include "MessagePump.h"
#include "UiTestSupport.h"
#include "resource.h"

class MainDialogFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteFileA((uitest::TestFolder() + "option.ini").c_str());
        TheSettings() = ConversionSettings{};
        dialog = std::make_unique<CConverterDlg>();
        ASSERT_TRUE(dialog->Create(IDD_CORVANE_DIALOG));
        SetWindowPos(dialog->m_hWnd, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(dialog->m_hWnd);
        uitest::PumpFor(200);
    }
    void TearDown() override {
        if (dialog && dialog->m_hWnd) {
            dialog->DestroyWindow();
        }
        dialog.reset();
        DeleteFileA((uitest::TestFolder() + "option.ini").c_str());
    }
    HWND Item(int id) const { return GetDlgItem(dialog->m_hWnd, id); }

    std::unique_ptr<CConverterDlg> dialog;
};
