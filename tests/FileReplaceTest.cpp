// A file replaced whole: the new text in place with the old file's mode, a new file with the
// user's umask, what must not be replaced left as it was, and nothing left beside either way.
#include "core/io/FileReplace.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelo {
namespace {

namespace fs = std::filesystem;
using Step = FileReplacing::Step;

// A folder of the test's own, removed with everything in it.
class Folder {
  public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "tarvelo-replace-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~Folder() { fs::remove_all(path_); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    // Its entries: whatever a replace leaves beside the file shows here.
    std::ptrdiff_t Entries() const { return std::distance(fs::directory_iterator(path_), {}); }

  private:
    std::string path_;
};

std::string Read(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

mode_t CurrentUmask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

TEST(FileReplaceTest, TheNewTextTakesThePlaceOfTheOldAndKeepsItsMode) {
    Folder folder;
    const std::string kept = folder / "kept.trv";
    std::ofstream(kept) << "old";
    ASSERT_EQ(chmod(kept.c_str(), 0640), 0);
    const FileReplacing replaced =
        ReplaceFileWhole(kept, "new", OwnerAndMode{geteuid(), getegid(), 0640});
    EXPECT_TRUE(replaced.done());
    EXPECT_EQ(Read(kept), "new");
    EXPECT_EQ(ModeOf(kept), 0640U);

    const std::string fresh = folder / "fresh.trv";
    EXPECT_TRUE(ReplaceFileWhole(fresh, "first", std::nullopt).done());
    EXPECT_EQ(Read(fresh), "first");
    EXPECT_EQ(ModeOf(fresh), 0666U & ~CurrentUmask());
    EXPECT_EQ(folder.Entries(), 2);
}

TEST(FileReplaceTest, WhatMustNotBeReplacedIsLeftAsItWas) {
    Folder folder;
    fs::create_directory(folder / "folder.trv");
    std::ofstream(folder / "read-only.trv") << "kept";
    ASSERT_EQ(chmod((folder / "read-only.trv").c_str(), 0444), 0);
    struct Case {
        std::string path;
        int error;
    };
    std::vector<Case> cases = {
        {folder / "folder.trv", EISDIR},
        {folder / "missing/new.trv", ENOENT},
        {"", ENOENT},
    };
    // The superuser may write any file, so only another user meets a file made read-only.
    if (geteuid() != 0) {
        cases.push_back({folder / "read-only.trv", EACCES});
    }
    for (const Case& c : cases) {
        const FileReplacing result = ReplaceFileWhole(c.path, "new", std::nullopt);
        EXPECT_EQ(result.failed, Step::Open) << c.path;
        EXPECT_EQ(result.error, c.error) << c.path;
    }
    EXPECT_TRUE(fs::is_directory(folder / "folder.trv"));
    EXPECT_EQ(Read(folder / "read-only.trv"), "kept");
    EXPECT_EQ(folder.Entries(), 2);
}

} // namespace
} // namespace tarvelo
