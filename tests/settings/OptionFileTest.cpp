#include "OptionFile.h"

#include <climits>

#include "ProfileTestSupport.h"

namespace {

class OptionFile : public ProfileFolderTest {
protected:
    ConversionSettings Load() {
        ConversionSettings settings;
        settings.volume = -999;  // every field must be assigned by the load
        LoadOptions(Profile(), Folder(), settings);
        return settings;
    }
};

TEST_P(OptionFile, WithoutFilesTheDefaultsHold) {
    EXPECT_EQ(Load(), ConversionSettings{});
    EXPECT_EQ(versionString(), "1.00");
}

TEST_P(OptionFile, VersionComesFromVersionIni) {
    WriteFile("version.ini", "[General]\r\nVersion=2.5 beta\r\n");
    Load();
    EXPECT_EQ(versionString(), "2.5 beta");
}

// One stored value and what it loads as.
struct StoredValue {
    const char* name;
    const char* fileBody;  // lines of section Destinate
    SettingsField field;
    std::int32_t expected;
};

const StoredValue kStoredValues[] = {
    {"MissingKeyTakesDefault", "Letterbox=0\r\n", &ConversionSettings::volume, 20},
    {"EmptyValueIsZero", "Volume=\r\n", &ConversionSettings::volume, 0},
    {"TextAfterDigits", "Volume=12abc\r\n", &ConversionSettings::volume, 12},
    {"LeadingBlanks", "Volume=   7\r\n", &ConversionSettings::volume, 7},
    {"NegativeSign", "Volume=-5\r\n", &ConversionSettings::volume, -5},
    {"PlusSign", "Volume=+5\r\n", &ConversionSettings::volume, 5},
    {"NoDigits", "Volume=loud\r\n", &ConversionSettings::volume, 0},
    {"OutOfRangeKept", "Output format=12\r\n", &ConversionSettings::outputFormat, 12},
    {"BeyondIntHeld", "Volume=99999999999\r\n", &ConversionSettings::volume, INT_MAX},
    {"BelowIntHeld", "Volume=-99999999999\r\n", &ConversionSettings::volume, INT_MIN},
    {"LastKeyOfTable", "Volume=33\r\nMPEG frame rate=4\r\n", &ConversionSettings::mpegFrameRate, 4},
};

TEST_P(OptionFile, StoredValuesConvertLikeTheCLibrary) {
    for (const StoredValue& value : kStoredValues) {
        WriteFile("option.ini", std::string("[Destinate]\r\n") + value.fileBody);
        EXPECT_EQ(Load().*value.field, value.expected) << value.name;
    }
}

TEST_P(OptionFile, FolderIsKeptExactlyAsWritten) {
    WriteFile("option.ini", "[Destinate]\r\nTemporary folder=D:\\videos\r\n");
    ConversionSettings settings = Load();
    EXPECT_EQ(settings.outputFolder, "D:\\videos");
    ASSERT_TRUE(SaveOptions(Profile(), Folder(), settings));
    EXPECT_EQ(Profile().ReadString(PathOf("option.ini"), "Destinate", "Temporary folder", ""), "D:\\videos");
}

TEST_P(OptionFile, FreshSaveWritesTheSectionWithAllKeysInOrder) {
    ASSERT_TRUE(SaveOptions(Profile(), Folder(), ConversionSettings{}));
    const std::vector<std::string> expected = {
        "[Destinate]",           "Letterbox=1",        "Temporary folder=C:\\output video\\",
        "Output format=0",       "TV mode=0",          "MPEG aspect ratio=2",
        "DVD aspect ratio=1",    "AVI quality=4",      "MPEG1 quality=3",
        "MPEG2 quality=3",       "SVCD quality=4",     "DVD quality=5",
        "WMV quality=5",         "AVI video codec=0",  "ASF video codec=2",
        "AVI audio codec=0",     "Divx audio codec=0", "Xvid audio codec=0",
        "DVD audio codec=0",     "WMV audio codec=1",  "ASF audio codec=1",
        "AVI resolution=0",      "MPEG resolution=0",  "AVI frame rate=0",
        "MPEG frame rate=0",     "Volume=20"};
    EXPECT_EQ(Lines("option.ini"), expected);
    EXPECT_FALSE(std::filesystem::exists(PathOf("option.ini.new")));
}

TEST_P(OptionFile, SaveReplacesValuesInPlaceAndKeepsTheRest) {
    WriteFile("option.ini", "[Other]\r\nkeep=me\r\n[Destinate]\r\nVolume=3\r\nLetterbox=0\r\n");
    ConversionSettings settings = Load();
    settings.volume = 31;
    ASSERT_TRUE(SaveOptions(Profile(), Folder(), settings));
    const std::vector<std::string> lines = Lines("option.ini");
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "[Other]");
    EXPECT_EQ(lines[1], "keep=me");
    EXPECT_EQ(lines[2], "[Destinate]");
    EXPECT_EQ(lines[3], "Volume=31");  // where it stood, not moved to the table's place
    EXPECT_EQ(lines[4], "Letterbox=0");
    EXPECT_EQ(lines.size(), 2u + 1u + 25u);
}

TEST_P(OptionFile, EverySettingRoundTripsExactly) {
    ConversionSettings settings;
    int value = -3;
    for (SettingsField field :
         {&ConversionSettings::outputFormat, &ConversionSettings::tvMode, &ConversionSettings::mpegAspectRatio,
          &ConversionSettings::dvdAspectRatio, &ConversionSettings::aviQuality, &ConversionSettings::mpeg1Quality,
          &ConversionSettings::mpeg2Quality, &ConversionSettings::svcdQuality, &ConversionSettings::dvdQuality,
          &ConversionSettings::wmvQuality, &ConversionSettings::aviVideoCodec, &ConversionSettings::asfVideoCodec,
          &ConversionSettings::aviAudioCodec, &ConversionSettings::divxAudioCodec,
          &ConversionSettings::xvidAudioCodec, &ConversionSettings::dvdAudioCodec,
          &ConversionSettings::wmvAudioCodec, &ConversionSettings::asfAudioCodec,
          &ConversionSettings::aviResolution, &ConversionSettings::mpegResolution,
          &ConversionSettings::aviFrameRate, &ConversionSettings::mpegFrameRate, &ConversionSettings::volume,
          &ConversionSettings::letterbox}) {
        settings.*field = value;
        value += 7;
    }
    settings.outputFolder = "E:\\my clips; 100% = done\\";
    settings.volume = INT_MIN;
    ASSERT_TRUE(SaveOptions(Profile(), Folder(), settings));
    EXPECT_EQ(Load(), settings);
}

// A profile that stops working part-way through a save, as a program would that dies there.
class DyingProfile final : public ProfileStore {
public:
    DyingProfile(ProfileStore& real, int writesBeforeDeath) : real_(real), writesLeft_(writesBeforeDeath) {}
    std::string ReadString(const std::string& f, const std::string& s, const std::string& k,
                           const std::string& d) override {
        return real_.ReadString(f, s, k, d);
    }
    bool WriteString(const std::string& f, const std::string& s, const std::string& k,
                     const std::string& v) override {
        return writesLeft_-- > 0 && real_.WriteString(f, s, k, v);
    }
    bool Flush(const std::string& f) override { return real_.Flush(f); }

private:
    ProfileStore& real_;
    int writesLeft_;
};

TEST_P(OptionFile, AFailedSaveLeavesThePreviousFileWhole) {
    ASSERT_TRUE(SaveOptions(Profile(), Folder(), ConversionSettings{}));
    const std::string before = ReadFile("option.ini");
    ConversionSettings changed;
    changed.volume = 5;
    changed.outputFolder = "F:\\elsewhere\\";
    DyingProfile dying(Profile(), 10);
    EXPECT_FALSE(SaveOptions(dying, Folder(), changed));
    EXPECT_EQ(ReadFile("option.ini"), before);
    EXPECT_FALSE(std::filesystem::exists(PathOf("option.ini.new")));
}

TEST_P(OptionFile, SaveIntoAMissingFolderFailsWithoutCreatingIt) {
    const std::string missing = PathOf("no such folder") +
#ifdef _WIN32
                                "\\";
#else
                                "/";
#endif
    EXPECT_FALSE(SaveOptions(Profile(), missing, ConversionSettings{}));
    EXPECT_FALSE(std::filesystem::exists(PathOf("no such folder")));
}

INSTANTIATE_TEST_SUITE_P(Profiles, OptionFile, testing::ValuesIn(AvailableProfiles()), ProfileKindName);

TEST(ProgramFolder, IsTheLaunchPathUpToItsLastBackslash) {
    EXPECT_EQ(ProgramFolderFromLaunchPath("C:\\Tools\\conv.exe"), std::string("C:\\Tools\\"));
    EXPECT_EQ(ProgramFolderFromLaunchPath("C:\\a b\\c.d\\Corvane.exe"), std::string("C:\\a b\\c.d\\"));
    EXPECT_EQ(ProgramFolderFromLaunchPath("\\x"), std::nullopt);  // the first character is never examined
    EXPECT_EQ(ProgramFolderFromLaunchPath("Corvane.exe"), std::nullopt);
    EXPECT_EQ(ProgramFolderFromLaunchPath(""), std::nullopt);
}

TEST(StoredInt, ConvertsLikeTheCLibrary) {
    EXPECT_EQ(ParseStoredInt(""), 0);
    EXPECT_EQ(ParseStoredInt(" \t 42x"), 42);
    EXPECT_EQ(ParseStoredInt("-0"), 0);
    EXPECT_EQ(ParseStoredInt("- 4"), 0);
    EXPECT_EQ(ParseStoredInt("2147483647"), INT_MAX);
    EXPECT_EQ(ParseStoredInt("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseStoredInt("2147483648"), INT_MAX);
}

}  // namespace
