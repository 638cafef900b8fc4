#include <gtest/gtest.h>

#include <string>

#include "LinkCommand.h"

namespace {

const char kAddress[] = "https://www.corvane.example.com/";

TEST(LinkCommand, TheAddressReplacesTheRegisteredPlaceholder) {
    struct Case {
        const char* registered;
        const char* command;
    };
    const Case cases[] = {
        // Quoted "%1": cut at its opening quotation mark, so the blank before it stays.
        {R"("C:\Program Files\Browser\browser.exe" "%1")",
         R"("C:\Program Files\Browser\browser.exe"  https://www.corvane.example.com/)"},
        {R"("C:\b.exe" -url "%1" -new-tab)", R"("C:\b.exe" -url  https://www.corvane.example.com/)"},
        // A bare %1.
        {R"(C:\browser.exe %1)", R"(C:\browser.exe  https://www.corvane.example.com/)"},
        {R"(C:\browser.exe -nohome %1 -x)", R"(C:\browser.exe -nohome  https://www.corvane.example.com/)"},
        // The quoted form wins over an earlier bare one.
        {R"("C:\b.exe" %1 "%1")", R"("C:\b.exe" %1  https://www.corvane.example.com/)"},
        // A quotation mark on one side only is no quoted form.
        {R"(C:\b.exe "%1)", R"(C:\b.exe " https://www.corvane.example.com/)"},
        // No placeholder: the address follows the whole command.
        {R"("C:\b.exe" -nohome)", R"("C:\b.exe" -nohome https://www.corvane.example.com/)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildOpenCommand(c.registered, kAddress), std::optional<std::string>(c.command))
            << c.registered;
    }
}

TEST(LinkCommand, ACommandThatWouldNotFitIsRefusedNotCut) {
    const std::string program = "C:\\b.exe ";                                // 9 characters before "%1"
    const std::size_t room = kOpenCommandCapacity - 1 - program.size() - 1;  // zero and blank
    const std::string fits(room, 'a');
    const std::string oneTooMany(room + 1, 'a');

    const auto longest = BuildOpenCommand(program + "\"%1\"", fits);
    ASSERT_TRUE(longest.has_value());
    EXPECT_EQ(longest->size(), kOpenCommandCapacity - 1);
    EXPECT_EQ(*longest, program + " " + fits);

    EXPECT_EQ(BuildOpenCommand(program + "\"%1\"", oneTooMany), std::nullopt);
    EXPECT_EQ(BuildOpenCommand(std::string(300, 'p') + " %1", std::string(300, 'a')), std::nullopt);
}

TEST(LinkCommand, NothingRegisteredGivesNoCommand) {
    for (const char* registered : {"", "   ", "%1", "\"%1\"", " \t\"%1\" -x"}) {
        EXPECT_EQ(BuildOpenCommand(registered, kAddress), std::nullopt) << '"' << registered << '"';
    }
}

TEST(LinkCommand, ErrorReasonsByCode) {
    struct Case {
        long long code;
        const char* reason;
    };
    const Case cases[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30,
         "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unknown Error (1) occurred."},
        {25, "Unknown Error (25) occurred."},
        {33, "Unknown Error (33) occurred."},
        {-7, "Unknown Error (-7) occurred."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OpenErrorReason(c.code), c.reason) << c.code;
    }
}

TEST(LinkCommand, TheMessageLeadsWithTheLinkFailure) {
    EXPECT_EQ(OpenErrorMessage(26), "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(OpenErrorMessage(4), "Unable to open hyperlink:\n\nUnknown Error (4) occurred.");
}

}  // namespace
