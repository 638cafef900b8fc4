// The source list commands of the main window: adding (each file probed by the encoder first),
// removing and moving rows, and the list's context menu.
#include <windows.h>
#include <cderr.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "ConverterDlg.h"
#include "FileDialogNames.h"
#include "Menu.h"
#include "OutputNaming.h"
#include "RunState.h"
#include "SkinLibrary.h"
#include "SourceTable.h"
#include "TextFormat.h"
#include "resource.h"

namespace {

constexpr size_t kFileNameBuffer = 2048;
// "QuickTime file(*.MOV,*.QT)|*.mov;*.qt|" as the dialog takes it: label and patterns, zero-separated.
constexpr char kQuickTimeFilter[] = "QuickTime file(*.MOV,*.QT)\0*.mov;*.qt\0";

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct ChosenFiles {
    std::vector<std::string> paths;
    bool overflowed = false;  // more names than the buffer holds
};

ChosenFiles ChooseFiles(HWND owner) {
    std::vector<char> names(kFileNameBuffer, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kQuickTimeFilter;
    dialog.lpstrFile = names.data();
    dialog.nMaxFile = static_cast<DWORD>(names.size());
    dialog.lpstrTitle = "Import video files";
    dialog.lpstrDefExt = "*.mov;*.qt";
    dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    ChosenFiles chosen;
    if (GetOpenFileNameA(&dialog)) {
        chosen.paths = SplitSelectedFiles(names.data(), names.size());
    } else {
        chosen.overflowed = CommDlgExtendedError() == FNERR_BUFFERTOOSMALL;
    }
    return chosen;
}

std::string DurationText(double duration) {
    const long long s = static_cast<long long>(duration);
    return FormatText("%02lld:%02lld:%02lld", s / 3600, (s / 60) % 60, s % 60);
}

std::string RowNumberText(int row) { return FormatText("          %d", row + 1); }

bool HasEveryFact(const SourceInfo& facts) {
    return facts.duration > 0.0 && facts.width > 0 && facts.height > 0 && facts.frameRate > 0.0;
}

}  // namespace

bool CConverterDlg::RefuseWhileEncoderRuns() {
    if (!TheRunState().running) {
        return false;
    }
    MessageBeep(MB_ICONWARNING);  // a probe is under way; its command comes back when it ends
    return true;
}

void CConverterDlg::AddFiles() {
    if (RefuseWhileEncoderRuns()) {
        return;
    }
    const ChosenFiles chosen = ChooseFiles(m_hWnd);
    if (chosen.overflowed) {
        MessageBox("Too many files were chosen at once. Please add them in smaller groups.");
        return;
    }
    std::vector<std::string> failed;
    std::vector<std::string> refused;
    bool encoderMissing = false;
    SourceList& table = TheSourceList();
    RunState& state = TheRunState();
    for (const std::string& path : chosen.paths) {
        if (!table.HasFreeSlot()) {
            refused.push_back(FormatText("The list is full (%d files): %s was not added.", SourceList::kSlotCount,
                                         path.c_str()));
            continue;
        }
        const auto target = MakeOutputPath(TheSettings(), path, PathExists);
        if (path.size() > static_cast<size_t>(kMaxPathChars) || !target) {
            refused.push_back(FormatText("The path of %s, or of its output file, is longer than %d characters; "
                                         "the file was not added.",
                                         path.c_str(), kMaxPathChars));
            continue;
        }
        if (encoderMissing) {
            failed.push_back(path);
            continue;
        }
        *table.FreeSlot() = SourceInfo{};  // a fact the encoder does not report must not come from an earlier file
        state.probeFailed = false;
        if (!RunEncoder(path, *target, 0, 0, EncoderMode::Probe)) {
            encoderMissing = true;
            failed.push_back(path);
            continue;
        }
        if (state.probeFailed || !table.HasFreeSlot() || !HasEveryFact(*table.FreeSlot())) {
            failed.push_back(path);
        } else {
            InsertRow(path);
        }
    }
    if (encoderMissing) {
        MessageBox(EncoderMissingText());
    }
    for (const std::string& path : failed) {
        MessageBox(FormatText("Load file %s failed.", path.c_str()));
    }
    for (const std::string& text : refused) {
        MessageBox(text);
    }
}

void CConverterDlg::InsertRow(const std::string& path) {
    SourceList& table = TheSourceList();
    const int row = table.rowCount();
    const std::string duration = DurationText(table.Slot(row).duration);
    if (!table.CommitFreeSlot()) {
        return;
    }
    const int index = sourceListCtrl.InsertItem(row, RowNumberText(row));
    sourceListCtrl.SetItemText(index, 1, path);
    sourceListCtrl.SetItemText(index, 2, duration);
}

void CConverterDlg::RemoveSelected() {
    if (RefuseWhileEncoderRuns()) {
        return;
    }
    SourceList& table = TheSourceList();
    const int row = sourceListCtrl.GetSelectedItem();
    if (table.rowCount() == 0 || row < 0) {
        return;
    }
    sourceListCtrl.DeleteItem(row);
    table.Remove(row);
    for (int i = row; i < table.rowCount(); ++i) {
        sourceListCtrl.SetItemText(i, 0, RowNumberText(i));
    }
    if (row < sourceListCtrl.GetItemCount()) {
        sourceListCtrl.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        sourceListCtrl.SetFocus();
    }
}

void CConverterDlg::MoveSelectedUp() { MoveSelected(-1); }

void CConverterDlg::MoveSelectedDown() { MoveSelected(+1); }

void CConverterDlg::MoveSelected(int step) {
    if (RefuseWhileEncoderRuns()) {
        return;
    }
    const int rows = TheSourceList().rowCount();
    if (rows < 2) {
        return;
    }
    const int row = sourceListCtrl.GetSelectedItem();
    if (row < 0) {
        MessageBox("No item was selected!", "Warning", MB_OK);
        return;
    }
    const int neighbour = row + step;
    if (neighbour < 0 || neighbour >= rows) {
        sourceListCtrl.SetFocus();
        return;
    }
    SwapRows(row, neighbour);
}

void CConverterDlg::SwapRows(int selected, int neighbour) {
    for (int column = 1; column <= 2; ++column) {  // column 0 keeps the row numbers
        const std::string a = sourceListCtrl.GetItemText(selected, column, kMaxPathChars);
        const std::string b = sourceListCtrl.GetItemText(neighbour, column, kMaxPathChars);
        sourceListCtrl.SetItemText(selected, column, b);
        sourceListCtrl.SetItemText(neighbour, column, a);
    }
    sourceListCtrl.SetItemState(neighbour, LVIS_SELECTED, LVIS_SELECTED);
    sourceListCtrl.EnsureVisible(neighbour, FALSE);
    sourceListCtrl.SetItemState(selected, 0, LVIS_SELECTED);
    sourceListCtrl.SetItemState(neighbour, LVIS_FOCUSED, LVIS_FOCUSED);
    sourceListCtrl.SetFocus();
    TheSourceList().Exchange(selected, neighbour);
}

void CConverterDlg::ShowListMenu(NMHDR*, LRESULT* result) {
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    CMenu menu;
    if (menu.LoadMenu(IDR_LIST_MENU)) {
        skin::TrackPopupMenu(menu.GetSubMenu(0), TPM_RIGHTBUTTON, cursor.x, cursor.y, GetTopLevelParent());
    }
    *result = 0;
}
