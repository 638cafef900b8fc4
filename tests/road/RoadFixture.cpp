#include "RoadFixture.h"

#include <fstream>
#include <sstream>

namespace {

std::string CallsFile() { return uitest::TestFolder() + "fake-encoder-calls.txt"; }

}  // namespace

void RoadTest::SetUp() {
    const std::string base = uitest::TestFolder() + "road\\" + testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
    std::filesystem::remove_all(base);
    clips = base + "clips\\";
    output = base + "output video\\";
    std::filesystem::create_directories(clips);
    std::filesystem::remove(CallsFile());
    DeleteFileA((uitest::TestFolder() + "option.ini").c_str());

    TheSettings() = ConversionSettings{};
    TheSourceList() = SourceList{};
    TheRunState() = RunState{};
    batchClock = [] { return static_cast<std::uint32_t>(GetTickCount()); };

    dialog = std::make_unique<CConverterDlg>();
    ASSERT_TRUE(dialog->Create(IDD_CORVANE_DIALOG));
    SetWindowPos(dialog->m_hWnd, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetOutputFolder(output);
    person = std::make_unique<Person>();
    uitest::PumpFor(100);
}

void RoadTest::TearDown() {
    person.reset();
    if (dialog && dialog->m_hWnd) {
        dialog->DestroyWindow();
    }
    dialog.reset();
    SetCurrentDirectoryA(uitest::TestFolder().c_str());
    DeleteFileA((uitest::TestFolder() + "option.ini").c_str());
}

void RoadTest::MakeClips(const std::vector<std::string>& names) const {
    for (const std::string& name : names) {
        std::ofstream(clips + name) << "clip";
    }
}

void RoadTest::AddClips(const std::vector<std::string>& names) {
    MakeClips(names);
    person->WillChooseFiles(clips, names);
    Press(IDC_ADD);
    ASSERT_TRUE(uitest::PumpUntil([&] { return person->AllDone(); })) << "the file dialog was not answered";
    uitest::PumpFor(200);  // the last messages after the probes
}

void RoadTest::Press(int id) {
    // A click as the button reports it; the handler runs inside, as it does for a real click.
    SendMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
}

void RoadTest::Convert() {
    Press(IDC_CONVERT);
    uitest::PumpFor(100);
}

void RoadTest::SetOutputFolder(const std::string& folder) { SetWindowTextA(Item(IDC_OUTPUT_FOLDER), folder.c_str()); }

void RoadTest::SelectRow(int row) {
    dialog->sourceListCtrl.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

std::vector<std::string> RoadTest::Column(int column) const {
    std::vector<std::string> texts;
    for (int row = 0; row < dialog->sourceListCtrl.GetItemCount(); ++row) {
        texts.push_back(dialog->sourceListCtrl.GetItemText(row, column));
    }
    return texts;
}

std::vector<std::string> RoadTest::EncoderCalls() const {
    std::ifstream in(CallsFile());
    std::vector<std::string> calls;
    for (std::string line; std::getline(in, line);) {
        calls.push_back(line);
    }
    return calls;
}
