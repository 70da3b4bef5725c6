// Where a save may write: the user's own links are followed, links another user could have
// planted and special files are refused, and a file replaced keeps its owner and mode.
#include "core/io/SaveTarget.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelo {
namespace {

namespace fs = std::filesystem;
using Refusal = SaveTargetCheck::Refusal;

constexpr uid_t kNobody = 65534;

// A folder of the test's own, removed with everything in it.
class Folder {
  public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "tarvelo-save-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~Folder() { fs::remove_all(path_); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

bool AsRoot() {
    return geteuid() == 0;
}

TEST(SaveTargetTest, TheUsersOwnFilesAndLinksInHisOwnFolder) {
    Folder folder;
    chmod(folder.path().c_str(), 0700);
    WriteText(folder / "kept.trv", "old");
    chmod((folder / "kept.trv").c_str(), 0444);
    symlink((folder / "kept.trv").c_str(), (folder / "link.trv").c_str());
    link((folder / "kept.trv").c_str(), (folder / "twin.trv").c_str());

    const SaveTargetCheck fresh = CheckSaveTarget(folder / "new.trv");
    EXPECT_EQ(fresh.refusal, Refusal::None);
    EXPECT_FALSE(fresh.target.exists);
    EXPECT_EQ(fresh.target.path, folder / "new.trv");

    const SaveTargetCheck kept = CheckSaveTarget(folder / "kept.trv");
    EXPECT_EQ(kept.refusal, Refusal::None);
    EXPECT_TRUE(kept.target.exists);
    EXPECT_EQ(kept.target.mode, 0444U);
    EXPECT_EQ(kept.target.links, 2U);

    // The link is followed to the file it names, which is replaced in its place.
    const SaveTargetCheck followed = CheckSaveTarget(folder / "link.trv");
    EXPECT_EQ(followed.refusal, Refusal::None);
    EXPECT_EQ(fs::path(followed.target.path), fs::canonical(folder / "kept.trv"));
}

TEST(SaveTargetTest, LinksOthersCouldHavePlantedAndSpecialFilesAreRefused) {
    Folder folder;
    const std::string shared = folder / "shared";
    fs::create_directory(shared);
    chmod(shared.c_str(), 01777);
    WriteText(folder / "notes.txt", "the victim's notes");
    symlink((folder / "notes.txt").c_str(), (shared + "/demo.trv").c_str());
    mkfifo((folder / "pipe.trv").c_str(), 0600);

    struct Case {
        std::string path;
        Refusal refusal;
    };
    std::vector<Case> cases = {
        {shared + "/demo.trv", Refusal::LinkInSharedFolder},
        {folder / "pipe.trv", Refusal::NotRegularFile},
        {"/dev/null", Refusal::NotRegularFile},
    };
    if (AsRoot()) {
        // A link another user made, even in a folder only this user may change.
        symlink((folder / "notes.txt").c_str(), (folder / "planted.trv").c_str());
        ASSERT_EQ(lchown((folder / "planted.trv").c_str(), kNobody, kNobody), 0);
        cases.push_back({folder / "planted.trv", Refusal::OthersLink});
    }
    for (const Case& c : cases) {
        EXPECT_EQ(CheckSaveTarget(c.path).refusal, c.refusal) << c.path;
    }
}

// The file written aside takes the owner and mode of the one it replaces, the superuser's save
// over another user's file included.
TEST(SaveTargetTest, AFileReplacedKeepsItsOwnerAndMode) {
    Folder folder;
    const std::string old = folder / "old.trv";
    WriteText(old, "old");
    chmod(old.c_str(), 0440);
    if (AsRoot()) {
        ASSERT_EQ(chown(old.c_str(), kNobody, kNobody), 0);
    }
    const SaveTargetCheck check = CheckSaveTarget(old);
    ASSERT_EQ(check.refusal, Refusal::None);

    const std::string aside = folder / "aside.trv";
    const int fd = open(aside.c_str(), O_CREAT | O_WRONLY, 0666);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(KeepOwnerAndMode(fd, check.target), 0);
    close(fd);
    struct stat st {};
    ASSERT_EQ(stat(aside.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0440U);
    EXPECT_EQ(st.st_uid, AsRoot() ? kNobody : geteuid());
}

// A save through a link that leads nowhere creates the file at the end of the chain, so that
// the link comes to lead to it; a chain that loops is replaced itself.
TEST(SaveTargetTest, ASaveThroughALinkThatLeadsNowhereCreatesWhatItNames) {
    Folder folder;
    fs::create_directory(folder / "sub");
    symlink("sub/../later.trv", (folder / "dangling.trv").c_str());
    symlink((folder / "dangling.trv").c_str(), (folder / "chain.trv").c_str());
    symlink("loop-b.trv", (folder / "loop-a.trv").c_str());
    symlink("loop-a.trv", (folder / "loop-b.trv").c_str());
    WriteText(folder / "plain.trv", "old");
    const struct {
        std::string path;
        std::string end;
    } cases[] = {
        {folder / "plain.trv", folder / "plain.trv"},
        {folder / "new.trv", folder / "new.trv"},
        {folder / "dangling.trv", folder / "later.trv"},
        {folder / "chain.trv", folder / "later.trv"},
        {folder / "loop-a.trv", folder / "loop-a.trv"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LinkChainEnd(c.path), c.end) << c.path;
    }
}

} // namespace
} // namespace tarvelo
