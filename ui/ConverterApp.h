#pragma once
// The application: prepares the platform services, runs the main window modally and shuts down.

#include "WinApp.h"

class CConverterApp : public CWinApp {
  public:
    CConverterApp() = default;

    BOOL InitInstance() override;
    int ExitInstance() override;
    bool OnCommand(UINT id) override;

    void ShowStartupTip();
};
