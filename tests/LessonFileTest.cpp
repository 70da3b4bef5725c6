// Lesson files: what reading takes and refuses, the texts it picks for a language, and writing
// that reads back as the same lesson.
#include "core/io/LessonFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace tarvelo {
namespace {

using Kind = LessonError::Kind;

// A lesson as a teacher writing in English shares it.
constexpr const char* kExample = "# Tarvelo lesson\n"
                                 "[Lesson]\n"
                                 "Goal=find-x\n"
                                 "Language=en\n"
                                 "Title=Exchange a cube\n"
                                 "Title[it]=Cambia un cubo\n"
                                 "Title[de_CH]=Tausche einen Würfel\n"
                                 "Instruction=Exchange the 5 first.\\nThen take the 2.\n"
                                 "Instruction[fr]=Échange d'abord le 5\xc2\xa0!\n";

Lesson ExampleLesson() {
    const LessonReading r = ParseLesson(kExample);
    EXPECT_TRUE(r.lesson);
    return r.lesson.value_or(Lesson{});
}

TEST(LessonFileTest, TheExampleReadsAsWritten) {
    const Lesson lesson = ExampleLesson();
    EXPECT_EQ(lesson.goal, "find-x");
    EXPECT_EQ(lesson.language, "en");
    const LessonTexts titles{
        {"", "Exchange a cube"}, {"it", "Cambia un cubo"}, {"de_CH", "Tausche einen Würfel"}};
    EXPECT_EQ(lesson.titles, titles);
    const LessonTexts instructions{{"", "Exchange the 5 first.\nThen take the 2."},
                                   {"fr", "Échange d'abord le 5\xc2\xa0!"}};
    EXPECT_EQ(lesson.instructions, instructions);
    EXPECT_TRUE(lesson.otherKeys.empty());
}

TEST(LessonFileTest, TheTextForALanguageIsItsOwnElseTheUntaggedOne) {
    const Lesson lesson = ExampleLesson();
    const struct {
        const char* wanted;
        const char* title;
        const char* language; // of the text found
    } cases[] = {
        {"it", "Cambia un cubo", "it"},
        {"it_IT.UTF-8", "Cambia un cubo", "it"},
        {"de_CH", "Tausche einen Würfel", "de_CH"},
        {"de_CH.UTF-8@euro", "Tausche einen Würfel", "de_CH"},
        {"de", "Exchange a cube", "en"},
        {"en", "Exchange a cube", "en"},
        {"es", "Exchange a cube", "en"},
        {"", "Exchange a cube", "en"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wanted);
        const LocalText title = TextFor(lesson, lesson.titles, c.wanted);
        EXPECT_EQ(title.text, c.title);
        EXPECT_EQ(title.language, c.language);
    }
}

TEST(LessonFileTest, UntaggedTextsAreInTheLessonsLanguage) {
    const LessonReading r = ParseLesson("[Lesson]\nGoal=balance\nLanguage=de\n"
                                        "Title=Gleichgewicht\nTitle[en]=Balance\n"
                                        "Instruction=Lege einen Würfel dazu.\n");
    ASSERT_TRUE(r.lesson);
    EXPECT_EQ(TextFor(*r.lesson, r.lesson->instructions, "en").language, "de");
    EXPECT_EQ(TextFor(*r.lesson, r.lesson->titles, "en").text, "Balance");
    EXPECT_EQ(TextFor(*r.lesson, r.lesson->titles, "fr").text, "Gleichgewicht");
}

TEST(LessonFileTest, WritingThenReadingGivesTheSameLesson) {
    Lesson tricky;
    tricky.goal = "find-x-and-y";
    tricky.language = "de";
    tricky.titles = {{"", "X = Y + 2 [a] ]b[ =="},
                     {"fr", " Équilibre\xc2\xa0: 2X = 8\xc2\xa0? "},
                     {"el", "Ζυγαριά"}};
    tricky.instructions = {{"", "Erst tauschen,\ndann teilen.\n\nFertig!"},
                           {"es", "\\n is not a line end; \\\\ two backslashes\t\ttabs"},
                           {"it", "\r\ncarriage\rreturns \\s and a last space "},
                           {"zh_TW", "天平"}};
    tricky.otherKeys = {{"Author", "A teacher\\nwho wrote this"}, {"Comment[de]", "Klasse 2"}};
    Lesson plain;
    plain.goal = "balance";
    plain.titles = {{"", "Balance"}};
    plain.instructions = {{"", "Put a cube on the right pan."}};
    for (const Lesson& lesson : {tricky, plain}) {
        const std::string text = WriteLesson(lesson);
        SCOPED_TRACE(text);
        const LessonReading r = ParseLesson(text);
        ASSERT_TRUE(r.lesson) << static_cast<int>(r.error.kind) << " at " << r.error.line;
        EXPECT_EQ(*r.lesson, lesson);
        EXPECT_EQ(WriteLesson(*r.lesson), text);
    }
}

TEST(LessonFileTest, WhatDesktopEntriesAllowIsTaken) {
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"blanks around =", "[Lesson]\nGoal = balance\nTitle =  T\nInstruction\t=\tI\n"},
        {"CR LF line ends", "[Lesson]\r\nGoal=balance\r\nTitle=T\r\nInstruction=I\r\n"},
        {"a byte order mark", "\xEF\xBB\xBF[Lesson]\nGoal=balance\nTitle=T\nInstruction=I"},
        {"comments and blank lines",
         "# a\n\n[Lesson]\n# b\nGoal=balance\n\nTitle=T\nInstruction=I"},
        {"another group, ignored", "[Lesson]\nGoal=balance\nTitle=T\nInstruction=I\n"
                                   "[Notes]\nTitle=another\nAnything=goes"},
        {"no language: English", "[Lesson]\nGoal=balance\nTitle=T\nInstruction=I\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LessonReading r = ParseLesson(c.text);
        ASSERT_TRUE(r.lesson) << static_cast<int>(r.error.kind) << " at " << r.error.line;
        EXPECT_EQ(r.lesson->goal, "balance");
        EXPECT_EQ(r.lesson->language, "en");
        EXPECT_EQ(r.lesson->titles, (LessonTexts{{"", "T"}}));
        EXPECT_EQ(r.lesson->instructions, (LessonTexts{{"", "I"}}));
    }
}

TEST(LessonFileTest, UnknownKeysAreKeptAsWritten) {
    const LessonReading r = ParseLesson("[Lesson]\nGoal=balance\nTitle=T\nInstruction=I\n"
                                        "Level=2\nComment[it]=Per la seconda\\sclasse\n");
    ASSERT_TRUE(r.lesson);
    const std::vector<std::pair<std::string, std::string>> other{
        {"Level", "2"}, {"Comment[it]", "Per la seconda\\sclasse"}};
    EXPECT_EQ(r.lesson->otherKeys, other);
}

TEST(LessonFileTest, BadLessonsAreRefusedWithTheirReason) {
    const std::string body = "Goal=balance\nTitle=T\nInstruction=I\n";
    const std::string lesson = "[Lesson]\n" + body;
    const struct {
        const char* name;
        std::string text;
        Kind kind;
        int line;
        std::string key;
    } cases[] = {
        {"empty", "", Kind::MissingKey, 0, "[Lesson]"},
        {"no lesson group", "[Desktop Entry]\n" + body, Kind::MissingKey, 0, "[Lesson]"},
        {"a key before any group", body + "[Lesson]\n", Kind::KeyOutsideGroup, 1, "Goal"},
        {"no goal", "[Lesson]\nTitle=T\nInstruction=I\n", Kind::MissingKey, 0, "Goal"},
        {"no title", "[Lesson]\nGoal=balance\nInstruction=I\n", Kind::MissingKey, 0, "Title"},
        {"only a tagged title", "[Lesson]\nGoal=balance\nTitle[de]=T\nInstruction=I\n",
         Kind::MissingKey, 0, "Title"},
        {"an empty instruction", "[Lesson]\nGoal=balance\nTitle=T\nInstruction=\n",
         Kind::MissingKey, 0, "Instruction"},
        {"a zero byte", lesson + std::string(1, '\0'), Kind::NotText, 0, ""},
        {"UTF-16", "\xFF\xFE[\0L\0", Kind::NotText, 0, ""},
        {"Latin-1", lesson + "Title[de]=W\xFC rfel\n", Kind::NotText, 0, ""},
        {"a cut sequence", lesson + "Title[de]=W\xC3", Kind::NotText, 0, ""},
        {"an overlong sequence", lesson + "Title[de]=\xC0\xAF", Kind::NotText, 0, ""},
        {"a surrogate", lesson + "Title[de]=\xED\xA0\x80", Kind::NotText, 0, ""},
        {"a control character", lesson + "Title[de]=a\x1b[31m", Kind::NotText, 0, ""},
        {"a line without =", lesson + "Title\n", Kind::BadLine, 5, ""},
        {"an open group", "[Lesson\n" + body, Kind::BadLine, 1, ""},
        {"a blank key", lesson + "=value\n", Kind::BadKey, 5, ""},
        {"a key with a blank", lesson + "My Key=1\n", Kind::BadKey, 5, "My Key"},
        {"an open tag", lesson + "Title[de=T\n", Kind::BadKey, 5, "Title[de"},
        {"an empty tag", lesson + "Title[]=T\n", Kind::BadKey, 5, "Title[]"},
        {"a tag with a blank", lesson + "Title[d e]=T\n", Kind::BadKey, 5, "Title[d e]"},
        {"a tagged goal", lesson + "Goal[de]=balance\n", Kind::BadKey, 5, "Goal[de]"},
        {"a goal with blanks", "[Lesson]\nGoal=find x\nTitle=T\nInstruction=I\n", Kind::BadValue, 2,
         "Goal"},
        {"a goal no lesson has", "[Lesson]\nGoal=findx\nTitle=T\nInstruction=I\n",
         Kind::UnknownGoal, 2, "Goal"},
        {"a language with a blank", lesson + "Language=d e\n", Kind::BadValue, 5, "Language"},
        {"an unknown escape", lesson + "Title[de]=a\\qb\n", Kind::BadEscape, 5, "Title[de]"},
        {"a backslash at the end", lesson + "Title[de]=a\\\n", Kind::BadEscape, 5, "Title[de]"},
        {"a repeated key", lesson + "Goal=find-x\n", Kind::RepeatedKey, 5, "Goal"},
        {"a repeated tagged key", lesson + "Title[it]=a\nTitle[it]=b\n", Kind::RepeatedKey, 6,
         "Title[it]"},
        {"a repeated unknown key", lesson + "Level=1\nLevel=2\n", Kind::RepeatedKey, 6, "Level"},
        {"a second lesson group", lesson + "[Lesson]\n", Kind::RepeatedGroup, 5, ""},
        {"too large", lesson + "Comment=" + std::string(kMaxLessonFileBytes, 'a') + "\n",
         Kind::TooLarge, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LessonReading r = ParseLesson(c.text);
        ASSERT_FALSE(r.lesson);
        EXPECT_EQ(r.error.kind, c.kind);
        EXPECT_EQ(r.error.line, c.line);
        EXPECT_EQ(r.error.key, c.key);
    }
}

// A folder of its own for the files the tests write, removed at the end.
class LessonFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tarvelo-lesson-test-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string Write(const std::string& name, const std::string& text) {
        const std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    std::filesystem::path folder_;
};

TEST_F(LessonFiles, AFileReadsAsItsText) {
    const LessonReading r = ReadLessonFile(Write("a.lesson", kExample));
    ASSERT_TRUE(r.lesson);
    EXPECT_EQ(*r.lesson, ExampleLesson());
}

TEST_F(LessonFiles, FilesThatCannotBeLessonsAreRefused) {
    const std::string large = "[Lesson]\nGoal=balance\nTitle=T\nInstruction=I\nComment=" +
                              std::string(kMaxLessonFileBytes, 'a') + "\n";
    const struct {
        const char* name;
        std::string path;
        Kind kind;
    } cases[] = {
        {"no name", "", Kind::CannotOpen},
        {"missing", (folder_ / "missing.lesson").string(), Kind::CannotOpen},
        {"a folder", folder_.string(), Kind::CannotOpen},
        {"too large", Write("large.lesson", large), Kind::TooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LessonReading r = ReadLessonFile(c.path);
        ASSERT_FALSE(r.lesson);
        EXPECT_EQ(r.error.kind, c.kind);
    }
}

} // namespace
} // namespace tarvelo
