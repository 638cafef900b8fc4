#pragma once
// The real main window with the scripted encoder beside this test program, fresh settings and an empty
// list, and clip files made on demand.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BatchClock.h"
#include "ConversionSettings.h"
#include "ConverterDlg.h"
#include "Person.h"
#include "ProgressDlg.h"
#include "RunState.h"
#include "SourceTable.h"
#include "UiTestSupport.h"
#include "resource.h"

class RoadTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes empty clip files in the clips folder (the scripted encoder reads the facts from the names).
    void MakeClips(const std::vector<std::string>& names) const;
    // Adds the clips through the Add button and the file dialog, as a person would.
    void AddClips(const std::vector<std::string>& names);
    // Presses Convert and waits until the batch has ended (the main window is enabled again).
    void Convert();
    void SetOutputFolder(const std::string& folder);
    void SelectRow(int row);
    void Press(int id);

    std::vector<std::string> Column(int column) const;
    std::vector<std::string> EncoderCalls() const;  // argument strings, in order
    HWND Item(int id) const { return GetDlgItem(dialog->m_hWnd, id); }

    std::string clips;   // Windows path of the clips folder, with a trailing backslash
    std::string output;  // Windows path of the output folder, with a trailing backslash
    std::unique_ptr<CConverterDlg> dialog;
    std::unique_ptr<Person> person;
};
