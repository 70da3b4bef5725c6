// A file replaced whole: the new text in place with the old file's mode, a new file with the
// user's umask, what must not be replaced left as it was, and nothing left beside either way;
// files replaced together all change or none does.
#include "core/io/FileReplace.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
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

// Steps of the disk's that fail the `failing`th time (from 1) that `failed` is taken, with
// `error`; every other step is the disk's own.
ReplaceSteps FailingAt(int failing, Step failed, int error) {
    auto count = std::make_shared<int>(0);
    const auto fails = [count, failing] { return ++*count == failing; };
    ReplaceSteps steps;
    if (failed == Step::Write) {
        steps.write = [fails, error](int fd, std::string_view text) {
            return fails() ? error : WriteWhole(fd, text);
        };
    } else {
        steps.rename = [fails, error](const std::string& from, const std::string& to) {
            return fails() ? error : RenameFile(from, to);
        };
    }
    return steps;
}

TEST(FileReplaceTest, FilesReplacedTogetherAllChange) {
    Folder folder;
    std::ofstream(folder / "L.trv") << "old scene";
    const FilesReplacing replaced = ReplaceFilesWhole({
        {folder / "L.trv", "new scene", OwnerAndMode{geteuid(), getegid(), 0644}},
        {folder / "L.lesson", "new lesson", std::nullopt},
    });
    EXPECT_TRUE(replaced.done());
    EXPECT_EQ(Read(folder / "L.trv"), "new scene");
    EXPECT_EQ(Read(folder / "L.lesson"), "new lesson");
    EXPECT_EQ(folder.Entries(), 2);
}

// A full disk under the second file, or one that will not put it in place: both files stay as
// they were (or stay missing), and nothing is left beside them.
TEST(FileReplaceTest, FilesReplacedTogetherAllStayWhenOneFails) {
    struct Case {
        Step failed;
        int error;
        bool oldPair; // the files were there before
    };
    const Case cases[] = {
        {Step::Write, ENOSPC, true},
        {Step::Write, ENOSPC, false},
        {Step::Rename, EIO, true},
        {Step::Rename, EIO, false},
    };
    for (const Case& c : cases) {
        Folder folder;
        const std::string scene = folder / "L.trv";
        const std::string lesson = folder / "L.lesson";
        std::optional<OwnerAndMode> keep;
        if (c.oldPair) {
            std::ofstream(scene) << "old scene";
            std::ofstream(lesson) << "old lesson";
            keep = OwnerAndMode{geteuid(), getegid(), 0644};
        }
        const FilesReplacing replaced =
            ReplaceFilesWhole({{scene, "new scene", keep}, {lesson, "new lesson", keep}},
                              FailingAt(2, c.failed, c.error));
        const std::string label =
            std::string(c.failed == Step::Write ? "write" : "rename") + (c.oldPair ? " old" : "");
        EXPECT_EQ(replaced.result.failed, c.failed) << label;
        EXPECT_EQ(replaced.result.error, c.error) << label;
        EXPECT_EQ(replaced.file, 1U) << label;
        if (c.oldPair) {
            EXPECT_EQ(Read(scene), "old scene") << label;
            EXPECT_EQ(Read(lesson), "old lesson") << label;
            EXPECT_EQ(folder.Entries(), 2) << label;
        } else {
            EXPECT_EQ(folder.Entries(), 0) << label;
        }
    }
}

} // namespace
} // namespace tarvelo
