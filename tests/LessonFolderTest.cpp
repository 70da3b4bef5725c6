// The lessons of a folder: which files make a lesson, their order, the refused ones, the lesson
// after another; and the file names new lessons get from their titles.
#include "core/io/LessonFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvelo {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLessonText = "[Lesson]\nGoal=balance\nTitle=T\nInstruction=I\n";

// A folder of its own for each test, removed with everything in it.
class LessonFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tarvelo-lessons-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::vector<std::string> Names(const LessonListing& listing) const {
        std::vector<std::string> names;
        for (const LessonEntry& entry : listing.lessons) {
            names.push_back(fs::path(entry.problemPath).filename().string());
        }
        return names;
    }

    fs::path folder_;
};

TEST_F(LessonFolderTest, AProblemWithItsLessonFileIsALessonInTheOrderOfNames) {
    for (const char* name : {"10 ten", "02 two", "01 one"}) {
        Write(std::string(name) + ".trv", "problem");
        Write(std::string(name) + ".lesson", kLessonText);
    }
    Write("03 bare problem.trv", "problem");         // no lesson file: a problem only
    Write("04 lone lesson.lesson", kLessonText);     // no problem to play
    Write("05 other.txt", "text");                   // neither
    fs::create_directory(folder_ / "06 folder.trv"); // a folder, not a problem file
    Write("06 folder.lesson", kLessonText);
    const LessonListing listing = ListLessons(folder_.string());
    EXPECT_EQ(Names(listing), (std::vector<std::string>{"01 one.trv", "02 two.trv", "10 ten.trv"}));
    EXPECT_TRUE(listing.refused.empty());
    EXPECT_EQ(listing.lessons.front().lesson.titles.at(""), "T");
    EXPECT_EQ(listing.lessons.front().problemPath, Path("01 one.trv"));
}

TEST_F(LessonFolderTest, ALessonFileThatCannotBeReadIsRefusedAndTheOthersStay) {
    Write("01 good.trv", "problem");
    Write("01 good.lesson", kLessonText);
    Write("02 bad.trv", "problem");
    Write("02 bad.lesson", "[Lesson]\nGoal=balance\n"); // no title, no instruction
    const LessonListing listing = ListLessons(folder_.string());
    EXPECT_EQ(Names(listing), std::vector<std::string>{"01 good.trv"});
    ASSERT_EQ(listing.refused.size(), 1U);
    EXPECT_EQ(listing.refused.front().lessonPath, Path("02 bad.lesson"));
    EXPECT_EQ(listing.refused.front().error.kind, LessonError::Kind::MissingKey);
}

TEST_F(LessonFolderTest, AMissingFolderHoldsNoLessons) {
    const LessonListing listing = ListLessons(Path("not there"));
    EXPECT_TRUE(listing.lessons.empty());
    EXPECT_TRUE(listing.refused.empty());
}

TEST_F(LessonFolderTest, TheLessonAfterAnotherIsTheNextByName) {
    for (const char* name : {"01 a", "02 b", "03 c"}) {
        Write(std::string(name) + ".trv", "problem");
        Write(std::string(name) + ".lesson", kLessonText);
    }
    const LessonListing listing = ListLessons(folder_.string());
    const LessonEntry* next = LessonAfter(listing, Path("01 a.trv"));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->problemPath, Path("02 b.trv"));
    EXPECT_EQ(LessonAfter(listing, Path("03 c.trv")), nullptr);
    EXPECT_EQ(LessonAfter(listing, Path("elsewhere.trv")), nullptr);
}

TEST(LessonFileStemTest, ATitleGivesAFileNameThatHoldsNoSurprise) {
    const std::string longTitle(kLongestLessonStem - 1, 'a');
    const struct {
        std::string title;
        std::string stem;
    } cases[] = {
        {"Exchange a cube", "Exchange a cube"},
        {"X + 2 = 5 / find X", "X + 2 = 5   find X"},
        {"a\\b", "a b"},
        {"line\none", "line one"},
        {"  .hidden", "hidden"},
        {"-rf", "rf"},
        {"ends with dots...", "ends with dots"},
        {"Échange un cube", "Échange un cube"},
        {"", "Lesson"},
        {" / . - ", "Lesson"},
        // Cut at the longest, between characters: "é" takes two bytes and is not split.
        {longTitle + "éé", longTitle},
        {std::string(kLongestLessonStem + 10, 'b'), std::string(kLongestLessonStem, 'b')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(LessonFileStem(c.title), c.stem);
    }
}

} // namespace
} // namespace tarvelo
