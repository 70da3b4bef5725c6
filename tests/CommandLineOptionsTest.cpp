// How the words of a command line split into options and a file: the program's own options, the
// toolkit's, `--`, names that start with a dash, and a path with blanks passed as several words.
#include "core/desktop/CommandLine.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo {
namespace {

constexpr std::array<std::string_view, 3> kOwn = {"--settle", "--json", "-h"};
constexpr std::array<ForeignOption, 3> kForeign = {
    ForeignOption{"style", true}, ForeignOption{"reverse", false}, ForeignOption{"session", true}};
constexpr std::array<std::string_view, 1> kWindow = {"--register"};
constexpr CommandLineOptions kOptions{kOwn, kForeign, kWindow};

using Kind = CommandLineStart::Kind;

TEST(CommandLineOptionsTest, WordsSplitIntoOptionsAndFile) {
    const struct {
        const char* what;
        std::vector<std::string> words;
        Kind kind;
        std::string file; // the file's name, for the window
    } cases[] = {
        {"nothing", {}, Kind::Window, ""},
        {"a path with blanks, unquoted",
         {"/home/x/My", "lesson.trv"},
         Kind::Window,
         "/home/x/My lesson.trv"},
        {"a later word that looks like an option is part of the name",
         {"/home/x/My", "-lesson", "--settle.trv"},
         Kind::Window,
         "/home/x/My -lesson --settle.trv"},
        {"a quoted path keeps its quotes for the window to take off",
         {"\"/a b.trv\""},
         Kind::Window,
         "\"/a b.trv\""},
        {"./-name", {"./-name.trv"}, Kind::Window, "./-name.trv"},
        {"-- then a dash name", {"--", "-name.trv"}, Kind::Window, "-name.trv"},
        {"-- then a path with blanks", {"--", "/x/-a", "b.trv"}, Kind::Window, "/x/-a b.trv"},
        {"-- ends the options once: a second one is part of the name",
         {"--", "--"},
         Kind::Window,
         "--"},
        {"-- alone", {"--"}, Kind::Window, ""},
        {"toolkit options before the file",
         {"-style", "fusion", "-reverse", "a.trv"},
         Kind::Window,
         "a.trv"},
        {"a toolkit option with two dashes and an attached value",
         {"--style=fusion", "a.trv"},
         Kind::Window,
         "a.trv"},
        {"a toolkit option's value that starts with a dash",
         {"-session", "-1", "a.trv"},
         Kind::Window,
         "a.trv"},
        {"a toolkit option whose value is missing", {"-style"}, Kind::Window, ""},
        {"own option", {"--settle", "a.trv", "--bogus"}, Kind::Own, ""},
        {"own option with an attached value", {"--settle=a.trv"}, Kind::Own, ""},
        {"own option after a toolkit option", {"-reverse", "-h"}, Kind::Own, ""},
        {"a file, then what looks like an own option",
         {"a.trv", "--json"},
         Kind::Window,
         "a.trv --json"},
    };
    for (const auto& c : cases) {
        const CommandLineStart start = ReadCommandLineStart(c.words, kOptions);
        EXPECT_EQ(start.kind, c.kind) << c.what;
        if (c.kind == Kind::Window) {
            EXPECT_EQ(JoinedWords(c.words, start.fileFrom), c.file) << c.what;
        }
    }
}

TEST(CommandLineOptionsTest, UnknownOptionsAreNamed) {
    const struct {
        std::vector<std::string> words;
        std::string option;
    } cases[] = {
        {{"--bogus"}, "--bogus"},
        {{"--bogus", "a.trv"}, "--bogus"},
        {{"-"}, "-"},                             // no standard input to read a problem from
        {{"-x.trv"}, "-x.trv"},                   // a dash name needs -- or ./
        {{"--settle-all"}, "--settle-all"},       // an own option's name is matched whole
        {{"-reverse", "--bogus=1"}, "--bogus=1"}, // after a toolkit option
        {{"-style", "fusion", "--bogus"}, "--bogus"},
        {{"-reverse=x", "-stylish"}, "-stylish"},
    };
    for (const auto& c : cases) {
        const CommandLineStart start = ReadCommandLineStart(c.words, kOptions);
        EXPECT_EQ(start.kind, Kind::UnknownOption) << c.option;
        EXPECT_EQ(start.option, c.option);
    }
}

TEST(CommandLineOptionsTest, TheWindowsOwnOptionsStillOpenTheWindow) {
    const struct {
        const char* what;
        std::vector<std::string> words;
        Kind kind;
        std::string file;
        bool registers;
    } cases[] = {
        {"before a file", {"--register", "a.trv"}, Kind::Window, "a.trv", true},
        {"alone", {"--register"}, Kind::Window, "", true},
        {"among the toolkit's, then --",
         {"-style", "fusion", "--register", "--", "-a.trv"},
         Kind::Window,
         "-a.trv",
         true},
        {"after the file it is part of the name",
         {"a.trv", "--register"},
         Kind::Window,
         "a.trv --register",
         false},
        {"before an option of a run without a window", {"--register", "-h"}, Kind::Own, "", false},
        {"with a value it is nobody's", {"--register=yes"}, Kind::UnknownOption, "", false},
    };
    for (const auto& c : cases) {
        const CommandLineStart start = ReadCommandLineStart(c.words, kOptions);
        EXPECT_EQ(start.kind, c.kind) << c.what;
        if (c.kind == Kind::Window) {
            EXPECT_EQ(JoinedWords(c.words, start.fileFrom), c.file) << c.what;
            EXPECT_EQ(start.windowOptions == std::vector<std::string>{"--register"}, c.registers)
                << c.what;
        }
    }
}

} // namespace
} // namespace tarvelo
