// The command line's file and the desktop registration of the problem file type.
#include "core/desktop/CommandLine.h"
#include "core/desktop/DesktopTexts.h"
#include "core/desktop/FileTypeRegistration.h"
#include "core/desktop/MimeappsList.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tarvelo {
namespace {

namespace fs = std::filesystem;
using Kind = CommandLineFile::Kind;
// The tests of what is written and how: wherever the program lies.
constexpr BuildTreeRegistration kAsked = BuildTreeRegistration::Asked;

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

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class RegistrationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("tarvelo-registration-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        places.dataHome = root / "data";
        places.configHome = root / "config";
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
                         "/opt/my apps/tarvelo", "<svg/>", places, kAsked);
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
                         "/opt/my apps/tarvelo", "<svg/>", places, kAsked);
    EXPECT_TRUE(second.ok);
    EXPECT_FALSE(second.mimeChanged);
    EXPECT_FALSE(second.desktopChanged);
    EXPECT_EQ(fs::last_write_time(places.dataHome / "applications/tarvelo.desktop"), stamp);

    // A program that moved rewrites its entry only.
    const RegistrationResult moved =
        RegisterFileType("trv", "Learning numbers and equations with simplicity",
                         "/usr/bin/tarvelo", "<svg/>", places, kAsked);
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
        // Lines ending in CR LF: the section is found, and what is added ends the same way.
        {"[Default Applications]\r\ntext/plain=a\r\n\r\n[Added Associations]\r\nx=y\r\n",
         "[Default Applications]\r\ntext/plain=a\r\n"
         "application/x-tarvelo-problem=tarvelo.desktop\r\n\r\n[Added Associations]\r\nx=y\r\n"},
        {"[Default Applications]\r\napplication/x-tarvelo-problem=other.desktop\r\n",
         "[Default Applications]\r\napplication/x-tarvelo-problem=tarvelo.desktop\r\n"},
        {"[Added Associations]\r\nx=y\r\n",
         "[Added Associations]\r\nx=y\r\n\r\n[Default Applications]\r\n"
         "application/x-tarvelo-problem=tarvelo.desktop\r\n"},
        // Blanks around the `=`, and at either end of a line, are no part of key or header.
        {"[Default Applications]\napplication/x-tarvelo-problem = other.desktop\ntext/plain=a\n",
         "[Default Applications]\napplication/x-tarvelo-problem=tarvelo.desktop\ntext/plain=a\n"},
        {" [Default Applications] \n\tapplication/x-tarvelo-problem\t=\tother.desktop\n",
         " [Default Applications] \napplication/x-tarvelo-problem=tarvelo.desktop\n"},
        {"[Default Applications]\r\napplication/x-tarvelo-problem = other.desktop\r\n",
         "[Default Applications]\r\napplication/x-tarvelo-problem=tarvelo.desktop\r\n"},
        // A list spoilt by an earlier start that missed the blanks: one entry is left.
        {"[Default Applications]\napplication/x-tarvelo-problem = other.desktop\n"
         "text/plain=a\napplication/x-tarvelo-problem=tarvelo.desktop\n",
         "[Default Applications]\napplication/x-tarvelo-problem=tarvelo.desktop\ntext/plain=a\n"},
        // Comments, other sections, and keys that only begin like ours are left as they are;
        // ours goes after the section's last entry, not after a comment that heads the next.
        {"[Default Applications]\n#application/x-tarvelo-problem=old.desktop\n"
         "application/x-tarvelo-problem-old=a\n\n# mine\n[Added Associations]\n"
         "application/x-tarvelo-problem=other.desktop;\n",
         "[Default Applications]\n#application/x-tarvelo-problem=old.desktop\n"
         "application/x-tarvelo-problem-old=a\napplication/x-tarvelo-problem=tarvelo.desktop\n"
         "\n# mine\n[Added Associations]\napplication/x-tarvelo-problem=other.desktop;\n"},
        {"[Added Associations]\napplication/x-tarvelo-problem=other.desktop;\n",
         "[Added Associations]\napplication/x-tarvelo-problem=other.desktop;\n\n"
         "[Default Applications]\napplication/x-tarvelo-problem=tarvelo.desktop\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithDefaultApplication(c.before), c.after) << c.before;
        EXPECT_EQ(WithDefaultApplication(c.after), c.after) << c.before; // settled
    }
}

TEST(RegistrationPlanTest, TheSystemAndTheUsersChoicesWin) {
    using Step = RegistrationStep;
    constexpr Step W = Step::Write, L = Step::Leave, D = Step::DropOwnCopy;
    const std::optional<std::string> none;
    const std::optional<std::string> other = "other.desktop";
    const std::optional<std::string> ours = "tarvelo.desktop";
    const struct {
        const char* what;
        DesktopFacts facts; // installed, entry, entry starts this, type, icon, default
        BuildTreeRegistration buildTree;
        Step type, icon, entry;
        bool defaultApplication;
    } cases[] = {
        {"a build folder",
         {false, false, false, false, false, none},
         BuildTreeRegistration::Skipped,
         L,
         L,
         L,
         false},
        {"a build folder, asked",
         {false, false, false, false, false, none},
         BuildTreeRegistration::Asked,
         W,
         W,
         W,
         true},
        {"a build folder, asked, by a user who chose another program",
         {false, false, false, false, false, other},
         BuildTreeRegistration::Asked,
         W,
         W,
         W,
         false},
        {"a build folder beside the package",
         {false, true, false, true, true, none},
         BuildTreeRegistration::Skipped,
         L,
         L,
         L,
         false},
        {"a build folder beside the package, asked",
         {false, true, false, true, true, none},
         BuildTreeRegistration::Asked,
         D,
         D,
         W,
         true},
        {"the package's program",
         {true, true, true, true, true, none},
         BuildTreeRegistration::Skipped,
         D,
         D,
         D,
         false},
        {"the package's program, asked",
         {true, true, true, true, true, ours},
         BuildTreeRegistration::Asked,
         D,
         D,
         D,
         false},
        {"installed where the system has nothing",
         {true, false, false, false, false, none},
         BuildTreeRegistration::Skipped,
         W,
         W,
         W,
         true},
        {"installed where the system has nothing, by a user who chose another program",
         {true, false, false, false, false, other},
         BuildTreeRegistration::Skipped,
         W,
         W,
         W,
         false},
        {"installed where the system has nothing, already the default",
         {true, false, false, false, false, ours},
         BuildTreeRegistration::Skipped,
         W,
         W,
         W,
         false},
        {"installed beside the package's program",
         {true, true, false, true, true, none},
         BuildTreeRegistration::Skipped,
         D,
         D,
         L,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const RegistrationPlan plan = PlanRegistration(c.facts, c.buildTree);
        EXPECT_EQ(plan.type, c.type);
        EXPECT_EQ(plan.icon, c.icon);
        EXPECT_EQ(plan.entry, c.entry);
        EXPECT_EQ(plan.defaultApplication, c.defaultApplication);
    }
}

TEST(MimeappsListTest, TheDefaultApplicationAListNames) {
    const struct {
        const char* list;
        std::optional<std::string> found;
    } cases[] = {
        {"", std::nullopt},
        {"[Default Applications]\napplication/x-tarvelo-problem=other.desktop;tarvelo.desktop;\n",
         "other.desktop"},
        {"[Default Applications]\r\n application/x-tarvelo-problem = ; other.desktop \r\n",
         "other.desktop"},
        {"[Added Associations]\napplication/x-tarvelo-problem=other.desktop;\n", std::nullopt},
        {"[Default Applications]\n#application/x-tarvelo-problem=old.desktop\n"
         "application/x-tarvelo-problem-old=a\napplication/x-tarvelo-problem=\n",
         std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultApplicationOf(c.list), c.found) << c.list;
    }
}

// A system of the test's own: its data and configuration folders, and a folder of programs.
class SystemRegistrationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root =
            fs::temp_directory_path() /
            ("tarvelo-system-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        places.dataHome = root / "home/data";
        places.configHome = root / "home/config";
        places.dataDirs = {root / "local", root / "usr"};
        places.configDirs = {root / "etc"};
        places.desktops = {"gnome"};
        places.searchPath = {root / "nowhere", root / "usr/bin"};
        program = root / "usr/bin/tarvelo";
        Put("usr/bin/tarvelo", "");
    }
    void TearDown() override { fs::remove_all(root); }
    void Put(const std::string& file, const std::string& text) const {
        fs::create_directories((root / file).parent_path());
        std::ofstream(root / file) << text;
    }
    static std::string Entry(const std::string& exec) {
        return "[Desktop Entry]\nType=Application\nExec=" + exec + " %f\n";
    }
    static std::string Default(const char* id) {
        return std::string("[Default Applications]\napplication/x-tarvelo-problem=") + id + "\n";
    }
    fs::path root;
    fs::path program;
    RegistrationPlaces places;
};

TEST_F(SystemRegistrationTest, WhatTheSystemProvidesAndWhichDefaultCounts) {
    const std::optional<std::string> none;
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
        DesktopFacts facts; // installed, entry, entry starts this, type, icon, default
    } cases[] = {
        {"nothing", {}, {false, false, false, false, false, none}},
        {"the package's files, the entry naming the program on the search path",
         {{"usr/applications/tarvelo.desktop", Entry("tarvelo")},
          {"usr/mime/packages/tarvelo.xml", "<mime-info/>"},
          {"usr/icons/hicolor/scalable/apps/tarvelo.svg", "<svg/>"}},
         {true, true, true, true, true, none}},
        {"an entry naming the program by its path, a type in the database only, an icon of a size",
         {{"local/applications/tarvelo.desktop", Entry("\"" + program.string() + "\"")},
          {"usr/mime/types", "text/plain\napplication/x-tarvelo-problem\n"},
          {"local/icons/hicolor/48x48/apps/tarvelo.png", "png"}},
         {true, true, true, true, true, none}},
        {"an entry for another program of the name",
         {{"usr/applications/tarvelo.desktop", Entry("/usr/games/tarvelo")},
          {"usr/mime/types", "application/x-tarvelo-problem-old\n"},
          {"usr/icons/hicolor/scalable/apps/other.svg", "<svg/>"}},
         {false, true, false, false, false, none}},
        {"the program's own lessons beside it",
         {{"usr/share/tarvelo/lessons/1.trv", ""}},
         {true, false, false, false, false, none}},
        {"the user's choice before the system's",
         {{"home/config/mimeapps.list", Default("other.desktop")},
          {"etc/mimeapps.list", Default("tarvelo.desktop")}},
         {false, false, false, false, false, "other.desktop"}},
        {"the desktop's own list before the common one",
         {{"home/config/mimeapps.list", Default("tarvelo.desktop")},
          {"home/config/gnome-mimeapps.list", Default("other.desktop")}},
         {false, false, false, false, false, "other.desktop"}},
        {"the system's configuration, where the user's lists name none",
         {{"home/config/mimeapps.list", "[Default Applications]\ntext/plain=a.desktop\n"},
          {"etc/mimeapps.list", Default("other.desktop")},
          {"usr/applications/mimeapps.list", Default("tarvelo.desktop")}},
         {false, false, false, false, false, "other.desktop"}},
        {"a desktop's own list in the system's data",
         {{"usr/applications/gnome-mimeapps.list", Default("other.desktop")}},
         {false, false, false, false, false, "other.desktop"}},
        {"the user's old place for lists",
         {{"home/data/applications/mimeapps.list", Default("other.desktop")},
          {"usr/applications/mimeapps.list", Default("tarvelo.desktop")}},
         {false, false, false, false, false, "other.desktop"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(root);
        Put("usr/bin/tarvelo", "");
        for (const auto& [file, text] : c.files) {
            Put(file, text);
        }
        const DesktopFacts facts = LookAtDesktop(places, program.string());
        EXPECT_EQ(facts.installed, c.facts.installed);
        EXPECT_EQ(facts.systemEntry, c.facts.systemEntry);
        EXPECT_EQ(facts.systemEntryStartsThis, c.facts.systemEntryStartsThis);
        EXPECT_EQ(facts.systemType, c.facts.systemType);
        EXPECT_EQ(facts.systemIcon, c.facts.systemIcon);
        EXPECT_EQ(facts.defaultApplication, c.facts.defaultApplication);
    }
}

TEST_F(SystemRegistrationTest, AnInstalledProgramTakesBackOnlyItsOwnCopies) {
    // The package's files, and what an earlier start copied into the user's folders: the same
    // texts, and an entry the user made for a build of theirs.
    Put("usr/applications/tarvelo.desktop", DesktopEntry("tarvelo"));
    Put("usr/mime/packages/tarvelo.xml", MimeTypeXml("trv", "d"));
    Put("usr/icons/hicolor/scalable/apps/tarvelo.svg", "<svg/>");
    Put("home/data/mime/packages/tarvelo.xml", MimeTypeXml("trv", "d"));
    Put("home/data/icons/hicolor/scalable/apps/tarvelo.svg", "<svg/> "); // not ours
    Put("home/data/applications/tarvelo.desktop", DesktopEntry(program.string()));
    Put("home/config/mimeapps.list", Default("other.desktop"));

    const RegistrationResult r = RegisterFileType("trv", "d", program.string(), "<svg/>", places,
                                                  BuildTreeRegistration::Skipped);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.mimeChanged);
    EXPECT_TRUE(r.desktopChanged);
    EXPECT_FALSE(fs::exists(places.dataHome / "mime/packages/tarvelo.xml"));
    EXPECT_FALSE(fs::exists(places.dataHome / "applications/tarvelo.desktop"));
    EXPECT_TRUE(fs::exists(places.dataHome / "icons/hicolor/scalable/apps/tarvelo.svg"));
    EXPECT_EQ(ReadFile(places.configHome / "mimeapps.list"), Default("other.desktop"));

    // An entry the user's own build registered (when asked) stays.
    const std::string build = DesktopEntry((root / "src/build/tarvelo").string());
    Put("home/data/applications/tarvelo.desktop", build);
    EXPECT_TRUE(RegisterFileType("trv", "d", program.string(), "<svg/>", places,
                                 BuildTreeRegistration::Skipped)
                    .ok);
    EXPECT_EQ(ReadFile(places.dataHome / "applications/tarvelo.desktop"), build);
}

TEST_F(SystemRegistrationTest, ABuildFolderRegistersOnlyWhenAskedAndKeepsTheUsersDefault) {
    const fs::path build = root / "src/build/tarvelo";
    Put("src/build/tarvelo", "");
    EXPECT_TRUE(RegisterFileType("trv", "d", build.string(), "<svg/>", places,
                                 BuildTreeRegistration::Skipped)
                    .ok);
    EXPECT_FALSE(fs::exists(root / "home"));

    Put("home/config/mimeapps.list", Default("other.desktop"));
    const RegistrationResult asked = RegisterFileType("trv", "d", build.string(), "<svg/>", places,
                                                      BuildTreeRegistration::Asked);
    EXPECT_TRUE(asked.ok);
    EXPECT_EQ(ReadFile(places.dataHome / "applications/tarvelo.desktop"),
              DesktopEntry(build.string()));
    EXPECT_TRUE(fs::exists(places.dataHome / "mime/packages/tarvelo.xml"));
    EXPECT_EQ(ReadFile(places.configHome / "mimeapps.list"), Default("other.desktop"));
}

TEST_F(RegistrationTest, AMimeappsListThatIsALinkStaysALink) {
    const std::string entry = "application/x-tarvelo-problem=tarvelo.desktop\n";
    const struct {
        const char* name;
        std::vector<std::pair<const char*, const char*>>
            links;        // link -> target, from config/; @ is the test's folder
        const char* file; // where the text ends up
        bool existing;
    } cases[] = {
        {"relative",
         {{"mimeapps.list", "../dotfiles/mimeapps.list"}},
         "dotfiles/mimeapps.list",
         true},
        {"absolute",
         {{"mimeapps.list", "@/dotfiles/mimeapps.list"}},
         "dotfiles/mimeapps.list",
         true},
        {"to a link",
         {{"mimeapps.list", "../dotfiles/mimeapps.list"},
          {"../dotfiles/mimeapps.list", "real/mimeapps.list"}},
         "dotfiles/real/mimeapps.list",
         true},
        {"dangling",
         {{"mimeapps.list", "../dotfiles/new/mimeapps.list"}},
         "dotfiles/new/mimeapps.list",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root);
        fs::create_directories(places.configHome);
        fs::create_directories(root / "dotfiles");
        for (const auto& [link, target] : c.links) {
            const std::string to = target[0] == '@' ? (root / (target + 2)).string() : target;
            fs::create_symlink(to, places.configHome / link);
        }
        const fs::path file = root / c.file;
        if (c.existing) {
            fs::create_directories(file.parent_path());
            std::ofstream(file) << "[Default Applications]\ntext/plain=gedit.desktop\n";
        }
        ASSERT_TRUE(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", places, kAsked).ok);
        EXPECT_TRUE(fs::is_symlink(places.configHome / "mimeapps.list"));
        EXPECT_EQ(Read(file), c.existing
                                  ? "[Default Applications]\ntext/plain=gedit.desktop\n" + entry
                                  : "[Default Applications]\n" + entry);
        EXPECT_FALSE(fs::exists(file.string() + ".new"));
        EXPECT_FALSE(fs::exists(places.configHome / "mimeapps.list.new"));
    }

    // A loop of links is no file to write: left as it is.
    fs::remove_all(root);
    fs::create_directories(places.configHome);
    fs::create_symlink("loop", places.configHome / "mimeapps.list");
    fs::create_symlink("mimeapps.list", places.configHome / "loop");
    EXPECT_FALSE(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", places, kAsked).ok);
    EXPECT_TRUE(fs::is_symlink(places.configHome / "mimeapps.list"));
}

TEST_F(RegistrationTest, LinksWhereTheFilesAreWrittenAsideAreLeftAlone) {
    // Links at the names a file was once written aside under, pointing at a file of the user's.
    const fs::path written[] = {
        places.dataHome / "mime/packages/tarvelo.xml",
        places.dataHome / "icons/hicolor/scalable/apps/tarvelo.svg",
        places.dataHome / "applications/tarvelo.desktop",
        places.configHome / "mimeapps.list",
    };
    const fs::path precious = root / "precious";
    fs::create_directories(root);
    std::ofstream(precious) << "the user's own text\n";
    for (const fs::path& file : written) {
        fs::create_directories(file.parent_path());
        fs::create_symlink(precious, file.string() + ".new");
    }
    ASSERT_TRUE(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", places, kAsked).ok);
    EXPECT_EQ(Read(precious), "the user's own text\n");
    for (const fs::path& file : written) {
        SCOPED_TRACE(file);
        EXPECT_TRUE(fs::is_symlink(file.string() + ".new"));
        EXPECT_EQ(fs::read_symlink(file.string() + ".new"), precious);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
        // Nothing else is left beside the file.
        const auto entries = std::distance(fs::directory_iterator(file.parent_path()), {});
        EXPECT_EQ(entries, 2);
    }
}

TEST_F(RegistrationTest, AMimeappsListKeepsItsModeAndAReadOnlyOneIsLeftAlone) {
    const std::string before = "[Default Applications]\ntext/plain=a\n";
    const struct {
        fs::perms mode;
        bool rewritten;
    } cases[] = {
        {fs::perms::owner_read | fs::perms::owner_write, true},
        {fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read, true},
        {fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
             fs::perms::group_write | fs::perms::others_read,
         true},
        // Nobody may write it: the user's sign that it stays as it is, honoured even by the
        // superuser, who could write it all the same. The default is then not registered.
        {fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, false},
        {fs::perms::owner_read, false},
    };
    const fs::path list = places.configHome / "mimeapps.list";
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        fs::remove_all(root);
        fs::create_directories(places.configHome);
        std::ofstream(list) << before;
        fs::permissions(list, c.mode);
        EXPECT_EQ(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", places, kAsked).ok,
                  c.rewritten);
        EXPECT_EQ(fs::status(list).permissions(), c.mode);
        EXPECT_EQ(Read(list), c.rewritten
                                  ? before + "application/x-tarvelo-problem=tarvelo.desktop\n"
                                  : before);
    }
}

TEST_F(RegistrationTest, AMimeappsListKeepsItsOwner) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only the superuser writes a file that another user owns";
    }
    // As when the program is started with sudo and the user's HOME.
    constexpr uid_t kUser = 4321;
    constexpr gid_t kGroup = 4322;
    const fs::path list = places.configHome / "mimeapps.list";
    fs::create_directories(places.configHome);
    std::ofstream(list) << "[Default Applications]\ntext/plain=a\n";
    ASSERT_EQ(chown(list.c_str(), kUser, kGroup), 0);
    ASSERT_TRUE(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", places, kAsked).ok);
    struct stat after {};
    ASSERT_EQ(stat(list.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, kUser);
    EXPECT_EQ(after.st_gid, kGroup);
    EXPECT_NE(Read(list).find("application/x-tarvelo-problem=tarvelo.desktop"), std::string::npos);
}

// Started as the superuser with another user's home: nothing is registered, for that user's links
// (into /etc, say) would have the superuser write where the user may not.
TEST_F(RegistrationTest, TheSuperuserWithAnotherUsersHomeRegistersNothing) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can start with another user's home";
    }
    constexpr uid_t kUser = 4321;
    const fs::path home = root / "home";
    fs::create_directories(home);
    ASSERT_EQ(chown(home.c_str(), kUser, kUser), 0);
    const std::string savedHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    const char* savedData = std::getenv("XDG_DATA_HOME");
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string data = savedData != nullptr ? savedData : "";
    const std::string config = savedConfig != nullptr ? savedConfig : "";
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_CONFIG_HOME");
    const RegistrationPlaces found = UserRegistrationPlaces();
    setenv("HOME", savedHome.c_str(), 1);
    if (savedData != nullptr) {
        setenv("XDG_DATA_HOME", data.c_str(), 1);
    }
    if (savedConfig != nullptr) {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    }
    EXPECT_TRUE(found.dataHome.empty());
    EXPECT_TRUE(found.configHome.empty());
    EXPECT_FALSE(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", found, kAsked).ok);
}

// A link another user made where a file is registered is not written through.
TEST_F(RegistrationTest, ALinkOfAnotherUserIsNotFollowed) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "giving a link to another user needs the superuser";
    }
    const fs::path system = root / "etc";
    fs::create_directories(system);
    std::ofstream(system / "hosts") << "127.0.0.1 localhost\n";
    fs::create_directories(places.configHome);
    const fs::path list = places.configHome / "mimeapps.list";
    fs::create_symlink(system / "hosts", list);
    ASSERT_EQ(lchown(list.c_str(), 4321, 4321), 0);
    EXPECT_FALSE(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", places, kAsked).ok);
    EXPECT_EQ(Read(system / "hosts"), "127.0.0.1 localhost\n");
    EXPECT_TRUE(fs::is_symlink(list));
}

TEST_F(RegistrationTest, AMimeappsListTooLargeToBeRealIsNeitherReadNorRewritten) {
    const std::string entry = "application/x-tarvelo-problem=tarvelo.desktop\n";
    const std::string comment = "# " + std::string(77, 'x') + "\n"; // 80 bytes
    const struct {
        const char* name;
        std::size_t comments;
        bool registered;
    } cases[] = {
        {"two megabytes", 2 * 1000 * 1000 / 80, false},
        {"a large list of a real size", 900 * 1000 / 80, true},
    };
    const fs::path list = places.configHome / "mimeapps.list";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root);
        fs::create_directories(places.configHome);
        std::string comments;
        for (std::size_t i = 0; i < c.comments; ++i) {
            comments += comment;
        }
        const std::string header = "[Default Applications]\n";
        std::ofstream(list, std::ios::binary) << header << comments;
        EXPECT_EQ(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", places, kAsked).ok,
                  c.registered);
        EXPECT_EQ(Read(list), c.registered ? header + entry + comments : header + comments);
    }

    // No plain file at all: a pipe there is not waited on.
    fs::remove_all(root);
    fs::create_directories(places.configHome);
    ASSERT_EQ(mkfifo(list.c_str(), S_IRUSR | S_IWUSR), 0);
    EXPECT_FALSE(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", places, kAsked).ok);
    EXPECT_TRUE(fs::is_fifo(list));
}

TEST_F(RegistrationTest, FailuresAreReportedNotThrown) {
    // /proc refuses new files even to the superuser.
    RegistrationPlaces inProc;
    inProc.dataHome = "/proc/tarvelo";
    inProc.configHome = "/proc/x";
    const RegistrationResult r =
        RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", inProc, kAsked);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", {}, kAsked).ok);
    // A file where a folder should be.
    fs::create_directories(root);
    std::ofstream(root / "data") << "not a folder";
    EXPECT_FALSE(RegisterFileType("trv", "d", "/usr/bin/tarvelo", "<svg/>", places, kAsked).ok);
}

TEST(DesktopEntryTest, TheMenuNamesTheProgramInEachLanguageItSpeaks) {
    const std::string entry = DesktopEntry("tarvelo");
    for (const char* language : {"de", "es", "fr", "it"}) {
        SCOPED_TRACE(language);
        for (const std::string key : {"GenericName", "Comment"}) {
            const std::string localized = "\n" + key + "[" + language + "]=";
            const std::size_t at = entry.find(localized);
            ASSERT_NE(at, std::string::npos) << key;
            // A value of its own, not the English one again.
            const std::size_t from = at + localized.size();
            const std::string value = entry.substr(from, entry.find('\n', from) - from);
            EXPECT_FALSE(value.empty());
            EXPECT_EQ(entry.find("\n" + key + "=" + value + "\n"), std::string::npos);
        }
    }
}

TEST(DesktopEntryTest, ExecutablePathsAreQuotedAsDesktopEntriesWantThem) {
    EXPECT_EQ(DesktopExecArgument("/usr/bin/tarvelo"), "/usr/bin/tarvelo");
    EXPECT_EQ(DesktopExecArgument("/opt/a b/tarvelo"), "\"/opt/a b/tarvelo\"");
    EXPECT_EQ(DesktopExecArgument("/opt/$x/t"), "\"/opt/\\\\$x/t\"");
    EXPECT_EQ(DesktopExecArgument("/opt/100%/t"), "/opt/100%%/t");
}

// The words of an Exec value as a launcher reads them: the value's escapes undone, then split
// into words by blanks and double quotes (reserved characters only inside them), then, when `file`
// is given, the field codes in each word expanded (%f to the file, %% to a per cent sign). Empty
// for a value that breaks the quoting rules or uses another field code.
std::vector<std::string> ExecWords(const std::string& value, const std::string* file) {
    std::string line;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            line += value[i];
            continue;
        }
        if (++i == value.size()) {
            return {};
        }
        const char c = value[i];
        line += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    }
    std::vector<std::string> words;
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\') {
                    if (++i == line.size() ||
                        std::string("\"`$\\").find(line[i]) == std::string::npos) {
                        return {};
                    }
                }
                word += line[i];
            }
            if (i++ == line.size()) {
                return {}; // no closing quote
            }
        } else {
            for (; i < line.size() && line[i] != ' '; ++i) {
                if (std::string("\t\n\"'\\><~|&;$*?#()`").find(line[i]) != std::string::npos) {
                    return {}; // reserved: only inside quotes
                }
                word += line[i];
            }
        }
        words.push_back(word);
    }
    if (file == nullptr) {
        return words;
    }
    for (std::string& word : words) {
        std::string expanded;
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (word[i] != '%') {
                expanded += word[i];
            } else if (i + 1 < word.size() && word[i + 1] == '%') {
                expanded += '%';
                ++i;
            } else if (word == "%f") {
                expanded = *file;
                break;
            } else {
                return {};
            }
        }
        word = expanded;
    }
    return words;
}

// Runs `words` as a program and waits for it; its exit status, or -1.
int RunProgram(const std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (const std::string& word : words) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

TEST_F(RegistrationTest, TheDesktopEntryStartsTheProgramWhereverItLies) {
    // Folders with the characters the Exec key quotes or escapes; the program records the
    // arguments it was given.
    const char* folders[] = {"plain",      "two words",   "100%",       "50% off", "%f",  "a=b%",
                             "cost $HOME", "back\\slash", "say \"hi\"", "`tick`",  "it's"};
    const std::string file = "/tmp/lesson one.trv";
    for (const char* folder : folders) {
        SCOPED_TRACE(folder);
        const fs::path program = root / folder / "tarvelo";
        fs::create_directories(program.parent_path());
        std::ofstream(program) << "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.args\"\n";
        fs::permissions(program, fs::perms::owner_all);

        const std::string entry = DesktopEntry(program.string());
        const std::string key = "\nExec=";
        const std::size_t at = entry.find(key) + key.size();
        const std::string exec = entry.substr(at, entry.find('\n', at) - at);
        // A launcher may look for the program before it expands field codes: the first word
        // names an existing program as it stands.
        const std::vector<std::string> raw = ExecWords(exec, nullptr);
        ASSERT_FALSE(raw.empty()) << exec;
        EXPECT_TRUE(fs::exists(raw.front())) << exec;

        const std::vector<std::string> words = ExecWords(exec, &file);
        ASSERT_FALSE(words.empty()) << exec;
        ASSERT_EQ(RunProgram(words), 0) << exec;
        EXPECT_EQ(Read(program.string() + ".args"), file + "|") << exec;
    }
}

} // namespace
} // namespace tarvelo
