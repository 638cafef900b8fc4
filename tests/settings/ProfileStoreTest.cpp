// The profile behaviour the option file relies on, checked against every implementation of the build:
// under Windows (and Wine) the platform's own calls and ours must agree.
#include "ProfileTestSupport.h"

namespace {

class ProfileStoreBehaviour : public ProfileFolderTest {};

TEST_P(ProfileStoreBehaviour, MissingFileSectionOrKeyGiveTheDefault) {
    EXPECT_EQ(Profile().ReadString(PathOf("none.ini"), "S", "k", "dflt"), "dflt");
    WriteFile("a.ini", "[Other]\r\nk=1\r\n[S]\r\nj=2\r\n");
    EXPECT_EQ(Profile().ReadString(PathOf("a.ini"), "Missing", "k", "dflt"), "dflt");
    EXPECT_EQ(Profile().ReadString(PathOf("a.ini"), "S", "k", "dflt"), "dflt");
    EXPECT_EQ(Profile().ReadString(PathOf("a.ini"), "S", "j", "dflt"), "2");
}

TEST_P(ProfileStoreBehaviour, ValuesAreTrimmedAndNamesMatchWithoutCase) {
    WriteFile("a.ini", "[destinate]\r\n  Volume  =   7 \r\nEmpty=\r\nfolder=C:\\a b\\ \r\n");
    EXPECT_EQ(Profile().ReadString(PathOf("a.ini"), "Destinate", "volume", "x"), "7");
    EXPECT_EQ(Profile().ReadString(PathOf("a.ini"), "Destinate", "Empty", "x"), "");
    EXPECT_EQ(Profile().ReadString(PathOf("a.ini"), "Destinate", "FOLDER", "x"), "C:\\a b\\");
}

TEST_P(ProfileStoreBehaviour, LongValuesAreCutToTheBuffer) {
    WriteFile("a.ini", "[S]\r\nk=" + std::string(300, 'v') + "\r\n");
    EXPECT_EQ(Profile().ReadString(PathOf("a.ini"), "S", "k", ""), std::string(255, 'v'));
}

TEST_P(ProfileStoreBehaviour, WritingCreatesTheFileAndSectionAndReplacesInPlace) {
    const std::string file = PathOf("w.ini");
    ASSERT_TRUE(Profile().WriteString(file, "S", "first", "1"));
    ASSERT_TRUE(Profile().WriteString(file, "S", "second", "2"));
    ASSERT_TRUE(Profile().WriteString(file, "T", "other", "3"));
    ASSERT_TRUE(Profile().WriteString(file, "S", "first", "one"));
    ASSERT_TRUE(Profile().Flush(file));
    EXPECT_EQ(Lines("w.ini"), (std::vector<std::string>{"[S]", "first=one", "second=2", "[T]", "other=3"}));
}

INSTANTIATE_TEST_SUITE_P(Profiles, ProfileStoreBehaviour, testing::ValuesIn(AvailableProfiles()), ProfileKindName);

}  // namespace
