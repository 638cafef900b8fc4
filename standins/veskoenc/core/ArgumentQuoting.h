#pragma once
// Windows command-line words: splitting them as the C runtime does, and quoting a word so that a program
// started with CreateProcess gets it back unchanged.

#include <string>
#include <string_view>
#include <vector>

// The words of an argument string (no program name), by the C runtime's rules: blanks separate words
// outside double quotes; 2n backslashes before a quote give n backslashes and the quote toggles quoting;
// 2n+1 give n backslashes and a literal quote; a doubled quote inside quotes is a literal quote.
std::vector<std::string> SplitWindowsArguments(std::string_view arguments);

// What follows the program name of a whole command line (GetCommandLine). The program name has simpler
// rules: quoted up to the next quote, or up to the first blank.
std::string_view SkipProgramName(std::string_view commandLine);

// One word quoted for a command line, only where needed.
std::string QuoteWindowsArgument(std::string_view word);

// Words joined into a command line, each quoted where needed.
std::string JoinWindowsArguments(const std::vector<std::string>& words);
