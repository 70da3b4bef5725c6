// Command-line bytes carried through text and back, and command lines that name no file.
#include "core/desktop/CommandLine.h"

#include <gtest/gtest.h>
#include <string>

namespace tarvelo {
namespace {

TEST(CommandLineBytesTest, EveryByteComesBack) {
    const struct {
        const char* what;
        std::string bytes;
        std::u16string text; // empty: not checked, only the way back
    } cases[] = {
        {"ASCII", "/tmp/first try.trv", u"/tmp/first try.trv"},
        {"two, three and four byte UTF-8", "/h/\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80.trv",
         u"/h/\u00FC\u20AC\U0001F600.trv"},
        {"a Latin-1 name", "/tmp/caf\xE9.trv", u"/tmp/caf\xDCE9.trv"},
        {"a lone continuation byte", "a\x80z", u"a\xDC80z"},
        {"a sequence cut short at the end", "a\xE2\x82", u"a\xDCE2\xDC82"},
        {"an overlong slash", "\xC0\xAF", u"\xDCC0\xDCAF"},
        {"an encoded surrogate", "\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},
        {"every byte value",
         [] {
             std::string all;
             for (int b = 1; b < 256; ++b) {
                 all.push_back(static_cast<char>(b));
             }
             return all;
         }(),
         u""},
    };
    for (const auto& c : cases) {
        const std::u16string text = TextFromBytes(c.bytes);
        if (!c.text.empty()) {
            EXPECT_EQ(text, c.text) << c.what;
        }
        EXPECT_EQ(BytesFromText(text), c.bytes) << c.what;
    }
    // A lone surrogate that stands for no byte cannot be written as itself.
    EXPECT_EQ(BytesFromText(u"a\xD800z"), "a\xEF\xBF\xBDz");
}

TEST(CommandLineBytesTest, WhatNamesNoFile) {
    const struct {
        const char* line;
        bool namesNoFile;
    } cases[] = {
        {"\"", true},   // a lone double quote
        {"\"\"", true}, // quotes around nothing would name the working folder
        {"", false},    // no command line at all: free mode, nothing to say
        {"\"a\"", false}, {"x", false}, {"\"\xFF.trv\"", false}, // not UTF-8, but a name
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NamesNoFile(FileFromCommandLine(c.line)), c.namesNoFile) << c.line;
    }
}

} // namespace
} // namespace tarvelo
