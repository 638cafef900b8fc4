#pragma once
// The application object: one per process, constructed statically before the entry point runs.

#include <windows.h>

#include <string>

class CWnd;
class CCommandLineInfo;

inline constexpr UINT ID_HELP = 0xE146;  // the framework's standard help command

class CWinApp {
  public:
    // No name: the executable's base name becomes the application name.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return exitCode_; }
    // The application's message loop; not entered by a program whose InitInstance returns FALSE.
    virtual int Run();
    // Commands that no window took (the main window passes them on).
    virtual bool OnCommand(UINT id);

    // Filled in by the entry point (or by a test that runs the application's steps itself).
    void SetUp(HINSTANCE instance, const char* commandLine, int showCommand);

    void ParseCommandLine(CCommandLineInfo& info) const;
    BOOL Enable3dControls() { return TRUE; }  // the platform draws 3D controls by itself
    void OnHelp();

    // The per-application profile: an INI file named after the executable; a bare file name lies in
    // the Windows folder.
    UINT GetProfileInt(const char* section, const char* key, int defaultValue) const;
    std::string GetProfileString(const char* section, const char* key, const char* defaultValue = "") const;
    BOOL WriteProfileInt(const char* section, const char* key, int value) const;
    BOOL WriteProfileString(const char* section, const char* key, const char* value) const;

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    std::string m_pszAppName;
    std::string m_pszExeName;
    std::string m_pszProfileName;
    std::string m_lpCmdLine;
    int m_nCmdShow = SW_SHOWNORMAL;

  private:
    std::string requestedName_;
    int exitCode_ = 0;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// The module that holds the program's resources (dialogs, icons, menus, strings).
HINSTANCE AfxGetResourceHandle();
const char* AfxGetAppName();
// ActiveX containment needs COM on this thread; the folder browser relies on it too.
void AfxEnableControlContainer();
// Registers the common control classes the dialog templates use; cheap after the first call.
void AfxEnsureCommonControls();
// String table entry; empty when missing.
std::string AfxLoadString(UINT id);
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// The entry point's work: set up, InitInstance, Run when it returned TRUE, ExitInstance.
int AfxWinMain(HINSTANCE instance, const char* commandLine, int showCommand);
