// Drives the real main window the way a user does: adds the given clips through the file dialog, then
// converts them to AVI. Prints the probe time per file, the batch's wall time and this process's own
// processor time while the batch ran. bench/batch-benchmark.sh runs it beside plain FFmpeg.
//
//   corvane_batch_bench.exe <clip folder> <output folder> <clip name>...
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ConverterDlg.h"
#include "Person.h"
#include "WinApp.h"
#include "resource.h"

namespace {

double CpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto value = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
    };
    return value(kernel) + value(user);
}

double WallSeconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Press(CConverterDlg& dialog, int id) {
    SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog.m_hWnd, id)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: corvane_batch_bench <clip folder> <output folder> <clip name>...\n");
        return 2;
    }
    AfxEnsureCommonControls();
    const std::string clips = argv[1];
    const std::vector<std::string> names(argv + 3, argv + argc);
    CConverterDlg dialog;
    if (!dialog.Create(IDD_CORVANE_DIALOG)) {
        std::fprintf(stderr, "the main window could not be created\n");
        return 1;
    }
    dialog.outputFolderEdit.SetWindowText(argv[2]);  // as typed by the user; taken when Convert starts
    dialog.ShowWindow(SW_SHOW);
    Person person;

    person.WillChooseFiles(clips, names);
    const double addStart = WallSeconds();
    Press(dialog, IDC_ADD);
    const double addSeconds = WallSeconds() - addStart;
    if (dialog.sourceListCtrl.GetItemCount() != static_cast<int>(names.size())) {
        std::fprintf(stderr, "only %d of %zu clips were added\n", dialog.sourceListCtrl.GetItemCount(), names.size());
        return 1;
    }

    const double cpuStart = CpuSeconds();
    const double batchStart = WallSeconds();
    Press(dialog, IDC_CONVERT);
    const double batchSeconds = WallSeconds() - batchStart;
    const double cpuSeconds = CpuSeconds() - cpuStart;

    std::printf("probe_ms_per_file %.0f\n", addSeconds * 1000.0 / static_cast<double>(names.size()));
    std::printf("batch_ms %.0f\n", batchSeconds * 1000.0);
    std::printf("corvane_cpu_ms %.0f\n", cpuSeconds * 1000.0);
    std::printf("final_message %s\n", person.MessagesSeen().empty() ? "(none)" : person.MessagesSeen().back().c_str());
    dialog.DestroyWindow();
    return 0;
}
