#include "OutputNaming.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

PathExistsFn ExistingPaths(std::set<std::string> paths) {
    return [paths = std::move(paths)](const std::string& path) { return paths.count(path) != 0; };
}

const PathExistsFn kNothingExists = ExistingPaths({});

struct NameCase {
    const char* name;
    OutputFormat format;
    const char* folder;
    const char* source;
    const char* expected;
};

class OutputNaming : public testing::TestWithParam<NameCase> {};

TEST_P(OutputNaming, NamesTheTargetInTheOutputFolder) {
    ConversionSettings s;
    s.outputFormat = static_cast<int>(GetParam().format);
    s.outputFolder = GetParam().folder;
    EXPECT_EQ(MakeOutputPath(s, GetParam().source, kNothingExists), std::string(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputNaming,
    testing::Values(
        NameCase{"Avi", OutputFormat::Avi, "C:\\output video\\", "C:\\clips\\holiday.mov", "C:\\output video\\holiday.avi"},
        NameCase{"Mpeg1", OutputFormat::Mpeg1, "D:\\out\\", "C:\\a.qt", "D:\\out\\a.mpeg"},
        NameCase{"Mpeg2", OutputFormat::Mpeg2, "D:\\out\\", "C:\\a.mov", "D:\\out\\a.mpeg"},
        NameCase{"DivX", OutputFormat::DivX, "D:\\out\\", "C:\\a.mov", "D:\\out\\a.avi"},
        NameCase{"Xvid", OutputFormat::Xvid, "D:\\out\\", "C:\\a.mov", "D:\\out\\a.avi"},
        NameCase{"Vcd", OutputFormat::VcdMpeg1, "D:\\out\\", "C:\\a.mov", "D:\\out\\a.mpeg"},
        NameCase{"Svcd", OutputFormat::SvcdMpeg2, "D:\\out\\", "C:\\a.mov", "D:\\out\\a.mpeg"},
        NameCase{"Dvd", OutputFormat::DvdMpeg2, "D:\\out\\", "C:\\a.mov", "D:\\out\\a.vob"},
        NameCase{"Wmv", OutputFormat::Wmv, "D:\\out\\", "C:\\a.mov", "D:\\out\\a.wmv"},
        NameCase{"Asf", OutputFormat::Asf, "D:\\out\\", "C:\\a.mov", "D:\\out\\a.asf"},
        NameCase{"FolderWithoutBackslash", OutputFormat::Avi, "D:\\out", "C:\\a.mov", "D:\\out\\a.avi"},
        NameCase{"SeveralDots", OutputFormat::Avi, "D:\\out\\", "C:\\my.trip.mov", "D:\\out\\my.trip.avi"},
        NameCase{"DotInFolderOnly", OutputFormat::Avi, "D:\\out.v1\\", "C:\\clips.2024\\clip", "D:\\out.v1\\clip.avi"},
        NameCase{"EmptyFolder", OutputFormat::Avi, "", "C:\\a.mov", "a.avi"}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST(OutputNamingTaken, ExistingNameGivesTheUnderscoreNameWithoutFurtherCheck) {
    ConversionSettings s;
    // Both names exist: the underscore name is still taken, the batch replaces it.
    const PathExistsFn exists = ExistingPaths({"C:\\output video\\holiday.avi", "C:\\output video\\holiday_mov.avi"});
    EXPECT_EQ(MakeOutputPath(s, "C:\\clips\\holiday.mov", exists), std::string("C:\\output video\\holiday_mov.avi"));

    s.outputFormat = static_cast<int>(OutputFormat::DvdMpeg2);
    EXPECT_EQ(MakeOutputPath(s, "C:\\clips\\holiday.QT", ExistingPaths({"C:\\output video\\holiday.vob"})),
              std::string("C:\\output video\\holiday_QT.vob"));
}

TEST(OutputNamingLimits, NamesBeyondTheLimitAreRefusedNotCut) {
    ConversionSettings s;
    s.outputFolder = "C:\\" + std::string(240, 'f') + "\\";  // 244 characters
    // 244 + "abcdefg.avi" (11) = 255 fits exactly.
    const auto fits = MakeOutputPath(s, "C:\\abcdefg.mov", kNothingExists);
    ASSERT_TRUE(fits.has_value());
    EXPECT_EQ(fits->size(), 255u);
    EXPECT_FALSE(MakeOutputPath(s, "C:\\abcdefgh.mov", kNothingExists).has_value());
    // The underscore name is longer: it may not fit where the first name did.
    EXPECT_FALSE(MakeOutputPath(s, "C:\\abcdefg.mov", ExistingPaths({*fits})).has_value());
}

}  // namespace
