#include "app/CommandLine.h"
#include "app/FileTypeRegistration.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tarvelo {
namespace {

namespace fs = std::filesystem;
using Kind = CommandLineFile::Kind;

TEST(CommandLineTest, WhatACommandLineNames) {
    const struct {
        const char* line;
        Kind kind;
        const char* path;
    } cases[] = {
        {"\"/home/teacher/first try.trv\"", Kind::Path, "/home/teacher/first try.trv"},
        {"/home/teacher/first try.trv", Kind::Path, "/home/teacher/first try.trv"},
        {"\"/home/teacher/lesson.trv", Kind::Path, "/home/teacher/lesson.tr"}, // loses its last
        {" /tmp/x.trv ", Kind::Path, " /tmp/x.trv "},                          // blanks kept
        {"\"\"", Kind::Path, ""},
        {"\"", Kind::Unusable, ""},
        {"", Kind::None, ""},
    };
    for (const auto& c : cases) {
        const CommandLineFile f = FileFromCommandLine(c.line);
        EXPECT_EQ(f.kind, c.kind) << c.line;
        EXPECT_EQ(f.path, c.path) << c.line;
    }
}

class RegistrationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("tarvelo-registration-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        places = {root / "data", root / "config"};
    }
    void TearDown() override { fs::remove_all(root); }
    static std::string Read(const fs::path& file) {
        std::ifstream in(file);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path root;
    RegistrationPlaces places;
};

TEST_F(RegistrationTest, WritesTheTypeTheEntryTheIconAndTheDefaultOnce) {
    const RegistrationResult first =
        RegisterFileType("trv", "Learning numbers and equations with simplicity",
                         "/opt/my apps/tarvelo", "<svg/>", places);
    EXPECT_TRUE(first.ok);
    EXPECT_TRUE(first.mimeChanged);
    EXPECT_TRUE(first.desktopChanged);
    const std::string mime = Read(places.dataHome / "mime/packages/tarvelo.xml");
    EXPECT_NE(mime.find("<comment>Learning numbers and equations with simplicity</comment>"),
              std::string::npos);
    EXPECT_NE(mime.find("<glob pattern=\"*.trv\"/>"), std::string::npos);
    const std::string entry = Read(places.dataHome / "applications/tarvelo.desktop");
    EXPECT_NE(entry.find("Exec=\"/opt/my apps/tarvelo\" %f\n"), std::string::npos);
    EXPECT_NE(entry.find("MimeType=application/x-tarvelo-problem;\n"), std::string::npos);
    EXPECT_EQ(Read(places.dataHome / "icons/hicolor/scalable/apps/tarvelo.svg"), "<svg/>");
    EXPECT_EQ(Read(places.configHome / "mimeapps.list"),
              "[Default Applications]\napplication/x-tarvelo-problem=tarvelo.desktop\n");

    // A second start rewrites nothing.
    const auto stamp = fs::last_write_time(places.dataHome / "applications/tarvelo.desktop");
    const RegistrationResult second =
        RegisterFileType("trv", "Learning numbers and equations with simplicity",
                         "/opt/my apps/tarvelo", "<svg/>", places);
    EXPECT_TRUE(second.ok);
    EXPECT_FALSE(second.mimeChanged);
    EXPECT_FALSE(second.desktopChanged);
    EXPECT_EQ(fs::last_write_time(places.dataHome / "applications/tarvelo.desktop"), stamp);

    // A program that moved rewrites its entry only.
    const RegistrationResult moved =
        RegisterFileType("trv", "Learning numbers and equations with simplicity",
                         "/usr/bin/tarvelo", "<svg/>", places);
    EXPECT_TRUE(moved.desktopChanged);
    EXPECT_FALSE(moved.mimeChanged);
}

TEST_F(RegistrationTest, TheDefaultApplicationKeepsTheUsersOtherChoices) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"", "[Default Applications]\napplication/x-tarvelo-problem=tarvelo.desktop\n"},
        {"[Default Applications]\ntext/plain=gedit.desktop\n\n[Added Associations]\nx=y\n",
         "[Default Applications]\ntext/plain=gedit.desktop\n"
         "application/x-tarvelo-problem=tarvelo.desktop\n\n[Added Associations]\nx=y\n"},
        {"[Default Applications]\napplication/x-tarvelo-problem=other.desktop\ntext/plain=a\n",
         "[Default Applications]\napplication/x-tarvelo-problem=tarvelo.desktop\ntext/plain=a\n"},
        {"[Added Associations]\nx=y\n", "[Added Associations]\nx=y\n\n[Default Applications]\n"
                                        "application/x-tarvelo-problem=tarvelo.desktop\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithDefaultApplication(c.before), c.after) << c.before;
        EXPECT_EQ(WithDefaultApplication(c.after), c.after) << c.before; // settled
    }
}

TEST_F(RegistrationTest, FailuresAreReportedNotThrown) {
    // /proc refuses new files even to the superuser.
    const RegistrationResult r =
        RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", {"/proc/tarvelo", "/proc/x"});
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", {}).ok);
    // A file where a folder should be.
    fs::create_directories(root);
    std::ofstream(root / "data") << "not a folder";
    EXPECT_FALSE(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", places).ok);
}

TEST(DesktopEntryTest, ExecutablePathsAreQuotedAsDesktopEntriesWantThem) {
    EXPECT_EQ(DesktopExecArgument("/usr/bin/tarvelo"), "/usr/bin/tarvelo");
    EXPECT_EQ(DesktopExecArgument("/opt/a b/tarvelo"), "\"/opt/a b/tarvelo\"");
    EXPECT_EQ(DesktopExecArgument("/opt/$x/t"), "\"/opt/\\\\$x/t\"");
    EXPECT_EQ(DesktopExecArgument("/opt/100%/t"), "/opt/100%%/t");
}

} // namespace
} // namespace tarvelo
