#include "RunLog.h"

#include <windows.h>

#include <string_view>

#include "WinText.h"

std::wstring LogFilePath() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathW(MAX_PATH + 1, folder);
    return std::wstring(folder, n) + kLogFileName;
}

RunLog::RunLog() {
    const std::wstring path = LogFilePath();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
        (data.nFileSizeHigh != 0 || data.nFileSizeLow > static_cast<DWORD>(kLogRotateBytes))) {
        MoveFileExW(path.c_str(), (path + L".old").c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    file_ = _wfopen(path.c_str(), L"ab");
}

RunLog::~RunLog() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void RunLog::Write(const std::string& entry) {
    if (file_ == nullptr) {
        return;
    }
    std::string_view text = entry;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    SYSTEMTIME t{};
    GetLocalTime(&t);
    std::fprintf(file_, "%04u-%02u-%02u %02u:%02u:%02u.%03u [%lu] ", t.wYear, t.wMonth, t.wDay, t.wHour,
                 t.wMinute, t.wSecond, t.wMilliseconds, GetCurrentProcessId());
    for (const char c : text) {
        if (c == '\n') {
            std::fputs("\r\n    ", file_);
        } else if (c != '\r') {
            std::fputc(c, file_);
        }
    }
    std::fputs("\r\n", file_);
    std::fflush(file_);  // a run that is killed still leaves its lines
}
