#include "WinApp.h"

#include <commctrl.h>
#include <objbase.h>

#include "CommandLineInfo.h"
#include "MessagePump.h"
#include "Wnd.h"

namespace {
CWinApp* currentApp = nullptr;

std::string ModuleBaseName(HINSTANCE instance) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(instance, path, MAX_PATH);
    std::string name = path;
    if (const auto slash = name.find_last_of("\\/"); slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos) {
        name.erase(dot);
    }
    return name;
}
}  // namespace

CWinApp::CWinApp(const char* appName) : requestedName_(appName ? appName : "") {
    currentApp = this;
}

CWinApp::~CWinApp() {
    if (currentApp == this) {
        currentApp = nullptr;
    }
}

void CWinApp::SetUp(HINSTANCE instance, const char* commandLine, int showCommand) {
    m_hInstance = instance;
    m_lpCmdLine = commandLine ? commandLine : "";
    m_nCmdShow = showCommand;
    m_pszExeName = ModuleBaseName(instance);
    m_pszAppName = requestedName_.empty() ? m_pszExeName : requestedName_;
    m_pszProfileName = m_pszExeName + ".INI";
}

int CWinApp::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!PreTranslateThreadMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    exitCode_ = static_cast<int>(msg.wParam);
    return ExitInstance();
}

bool CWinApp::OnCommand(UINT) {
    return false;
}

void CWinApp::OnHelp() {
    // The framework's own help file: the executable's name with .HLP, opened at its contents.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(m_hInstance, path, MAX_PATH);
    std::string helpFile = path;
    if (const auto dot = helpFile.find_last_of('.'); dot != std::string::npos) {
        helpFile.erase(dot);
    }
    helpFile += ".HLP";
    HWND owner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    WinHelpA(owner, helpFile.c_str(), HELP_FINDER, 0);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
    for (int i = 1; i < __argc; ++i) {
        const char* word = __argv[i];
        const bool isFlag = word[0] == '/' || word[0] == '-';
        info.ParseParam(isFlag ? word + 1 : word, isFlag, i + 1 == __argc);
    }
}

UINT CWinApp::GetProfileInt(const char* section, const char* key, int defaultValue) const {
    return GetPrivateProfileIntA(section, key, defaultValue, m_pszProfileName.c_str());
}

std::string CWinApp::GetProfileString(const char* section, const char* key, const char* defaultValue) const {
    char buffer[4096] = {};
    GetPrivateProfileStringA(section, key, defaultValue, buffer, sizeof buffer, m_pszProfileName.c_str());
    return buffer;
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* key, int value) const {
    return WriteProfileString(section, key, std::to_string(value).c_str());
}

BOOL CWinApp::WriteProfileString(const char* section, const char* key, const char* value) const {
    return WritePrivateProfileStringA(section, key, value, m_pszProfileName.c_str());
}

CWinApp* AfxGetApp() {
    return currentApp;
}

HINSTANCE AfxGetInstanceHandle() {
    return currentApp && currentApp->m_hInstance ? currentApp->m_hInstance : GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetInstanceHandle();
}

const char* AfxGetAppName() {
    return currentApp && !currentApp->m_pszAppName.empty() ? currentApp->m_pszAppName.c_str() : "Corvane";
}

void AfxEnableControlContainer() {
    // Balanced by the process end; a second call on the same thread only counts up.
    const HRESULT result = OleInitialize(nullptr);
    (void)result;
}

void AfxEnsureCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)registered;
}

std::string AfxLoadString(UINT id) {
    char buffer[1024] = {};
    const int length = LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof buffer);
    return std::string(buffer, static_cast<size_t>(length > 0 ? length : 0));
}

int AfxMessageBox(const std::string& text, UINT type) {
    HWND owner = nullptr;
    if (currentApp && currentApp->m_pMainWnd) {
        owner = currentApp->m_pMainWnd->m_hWnd;
    }
    return MessageBoxA(owner, text.c_str(), AfxGetAppName(), type);
}

int AfxWinMain(HINSTANCE instance, const char* commandLine, int showCommand) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return -1;
    }
    app->SetUp(instance, commandLine, showCommand);
    AfxEnsureCommonControls();
    if (!app->InitInstance()) {
        // The program was nothing but its dialog: no message loop of our own.
        return app->ExitInstance();
    }
    return app->Run();
}
