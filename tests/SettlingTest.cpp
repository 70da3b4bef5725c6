// How whole scenes settle: ordinary scenes come to rest exactly where they always did.
//
// Beside each digest lies the settled scene's report, what `tarvelo --settle --json` prints laid
// out a piece a line, in tests/golden/settling/: the digest says that something changed, the
// report which pieces moved.
// After a change to the falling rules that is meant to move pieces, record the reports afresh with
//     TARVELO_UPDATE_GOLDENS=1 ctest --test-dir BUILD -R SettlingTest
// and read what moved in the files' differences before committing them (the digests are then
// updated by hand, from the failure messages). Without the variable the reports are only read.
#include "core/base/Rest.h"
#include "core/play/ModelClock.h"
#include "core/play/SettleReport.h"
#include "core/testing/SceneBuilders.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tarvelo {
namespace {

// FNV-1a over the final state of a scene: every object's box, kind, speed and support, and the
// two lines the child reads.
class Digest {
  public:
    void Add(std::int64_t v) {
        for (int b = 0; b < 8; ++b) {
            hash_ = (hash_ ^ static_cast<std::uint8_t>(v >> (8 * b))) * kPrime;
        }
    }
    void Add(const std::string& text) {
        Add(static_cast<std::int64_t>(text.size()));
        for (char c : text) {
            Add(c);
        }
    }
    std::uint64_t Value() const { return hash_; }

  private:
    static constexpr std::uint64_t kPrime = 1099511628211ull;
    std::uint64_t hash_ = 14695981039346656037ull;
};

std::uint64_t FinalState(const Model& m) {
    Digest d;
    d.Add(m.scene.objCount());
    for (std::int32_t i = 1; i <= m.scene.objCount(); ++i) {
        const SceneObject& o = m.scene.obj(i);
        d.Add(o.objX);
        d.Add(o.objY);
        d.Add(KindNumber(o.objKind));
        d.Add(static_cast<std::int64_t>(o.objVY * 2));
        d.Add(m.scene.topContact().SupportOf(i));
    }
    d.Add(m.equation.lblComparison().Caption);
    d.Add(m.equation.lblEquazione().Caption);
    return d.Value();
}

// An ordinary scene: pieces dropped one after another where they overlap nothing, each wholly
// within the columns of one pan (so no piece can come to stand on both) or into the gap or
// beside the pans (where they fall out); now and then a piece is deleted or everything jumps.
void PlayOrdinaryScene(SceneHarness& h, std::uint32_t seed) {
    Model& m = h.model;
    std::mt19937 random(seed);
    const auto pick = [&random](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    const SceneObject left = m.scene.obj(1);
    const SceneObject right = m.scene.obj(2);
    const int drops = pick(3, 24);
    for (int n = 0; n < drops; ++n) {
        const PieceKind k =
            pick(1, 13) == 13 ? PieceKind::kSmiley : PieceKindFromNumber(pick(1, 12)).value();
        const std::int32_t w = PictureSizeOfKind(k)->width;
        const std::int32_t h2 = PictureSizeOfKind(k)->height;
        int x = 0;
        switch (pick(0, 9)) {
        case 0: // into the gap or beside the pans
            x = pick(0, 1) ? pick(left.objX + left.objW, right.objX - w)
                           : pick(right.objX + right.objW, right.objX + right.objW + w);
            break;
        case 1:
        case 2:
        case 3:
        case 4:
            x = pick(left.objX - w + 1, left.objX + left.objW - w);
            break;
        default:
            x = pick(right.objX, right.objX + right.objW - 1);
            break;
        }
        const int y = pick(-80, 150);
        if (m.scene.CheckOverlap(-1, x, y, w, h2) >= 0) {
            continue;
        }
        m.AddObject(k, x, y);
        h.RunMs(10 * pick(0, 60));
        if (pick(0, 14) == 0 && m.scene.objCount() > 2) {
            m.RemoveBlock(pick(3, m.scene.objCount()));
        }
        if (pick(0, 19) == 0) {
            m.scene.Event_Jump_Up_All();
        }
    }
    h.RunMs(30000);
}

// ---- The settled scene's report, kept as a readable golden ----

constexpr std::int64_t kSettleBudgetMs = 120000;
constexpr const char* kUpdateGoldens = "TARVELO_UPDATE_GOLDENS";

// A JSON value as far as the report needs: a scalar is kept as the text it is written as (a
// string with its quotes), so that comparing two values compares what a reader sees.
struct Json {
    enum class Type { kScalar, kArray, kObject };
    Type type = Type::kScalar;
    std::string scalar;
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;
    bool operator==(const Json&) const = default;

    const Json* Member(const std::string& name) const {
        for (const auto& [key, value] : members) {
            if (key == name) {
                return &value;
            }
        }
        return nullptr;
    }
};

class JsonReader {
  public:
    explicit JsonReader(const std::string& text) : text_(text) {}

    // The whole text as one value; nothing when it is not JSON.
    std::optional<Json> Document() {
        std::optional<Json> value = Value();
        SkipBlanks();
        if (!value || at_ != text_.size()) {
            return std::nullopt;
        }
        return value;
    }

  private:
    void SkipBlanks() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) {
            ++at_;
        }
    }
    bool Take(char c) {
        SkipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    std::optional<std::string> String() {
        SkipBlanks();
        if (at_ >= text_.size() || text_[at_] != '"') {
            return std::nullopt;
        }
        const std::size_t start = at_++;
        while (at_ < text_.size() && text_[at_] != '"') {
            at_ += text_[at_] == '\\' ? 2 : 1;
        }
        if (at_ >= text_.size()) {
            return std::nullopt;
        }
        ++at_;
        return text_.substr(start, at_ - start);
    }
    std::optional<Json> Value() {
        SkipBlanks();
        Json value;
        if (Take('[')) {
            value.type = Json::Type::kArray;
            if (Take(']')) {
                return value;
            }
            do {
                std::optional<Json> item = Value();
                if (!item) {
                    return std::nullopt;
                }
                value.items.push_back(std::move(*item));
            } while (Take(','));
            return Take(']') ? std::optional<Json>(value) : std::nullopt;
        }
        if (Take('{')) {
            value.type = Json::Type::kObject;
            if (Take('}')) {
                return value;
            }
            do {
                std::optional<std::string> key = String();
                std::optional<Json> member = key && Take(':') ? Value() : std::nullopt;
                if (!member) {
                    return std::nullopt;
                }
                // The key without its quotes: the report's keys hold no escapes.
                value.members.emplace_back(key->substr(1, key->size() - 2), std::move(*member));
            } while (Take(','));
            return Take('}') ? std::optional<Json>(value) : std::nullopt;
        }
        if (std::optional<std::string> quoted = String()) {
            value.scalar = *quoted;
            return value;
        }
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != ']' && text_[at_] != '}' &&
               !std::isspace(static_cast<unsigned char>(text_[at_]))) {
            ++at_;
        }
        if (at_ == start) {
            return std::nullopt;
        }
        value.scalar = text_.substr(start, at_ - start);
        return value;
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

// The report laid out for reading and for the differences between two versions of it: a value
// that holds only scalars on one line, anything larger one member or item per line.
std::string Layout(const Json& value, int depth = 0) {
    constexpr int kIndent = 2;
    if (value.type == Json::Type::kScalar) {
        return value.scalar;
    }
    const bool object = value.type == Json::Type::kObject;
    std::vector<std::string> parts;
    bool flat = true;
    for (const auto& [key, member] : value.members) {
        parts.push_back("\"" + key + "\": " + Layout(member, depth + 1));
        flat = flat && member.type == Json::Type::kScalar;
    }
    for (const Json& item : value.items) {
        parts.push_back(Layout(item, depth + 1));
        flat = flat && item.type == Json::Type::kScalar;
    }
    const std::string open = object ? "{" : "[";
    const std::string close = object ? "}" : "]";
    const std::string inner(static_cast<std::size_t>((depth + 1) * kIndent), ' ');
    const std::string outer(static_cast<std::size_t>(depth * kIndent), ' ');
    std::string text = open;
    for (std::size_t n = 0; n < parts.size(); ++n) {
        text += (n == 0 ? "" : ",") + (flat ? std::string(n == 0 ? "" : " ") : "\n" + inner);
        text += parts[n];
    }
    return text + (flat || parts.empty() ? "" : "\n" + outer) + close;
}

std::string Scalar(const Json* value) {
    return value == nullptr ? "(none)" : Layout(*value);
}

// How one entry of the report's lists is named in a message: the pans by their side, a piece by
// its place in the list, its object number and its kind.
std::string EntryName(const std::string& list, std::size_t n, const Json& entry) {
    if (list == "pans") {
        return n == 0 ? "left pan" : (n == 1 ? "right pan" : "pan " + std::to_string(n + 1));
    }
    if (list == "pieces") {
        return "piece " + std::to_string(n + 1) + " (object " + std::to_string(n + kFirstPiece) +
               ", kind " + Scalar(entry.Member("kind")) + ")";
    }
    return list + "[" + std::to_string(n) + "]";
}

// The keys of two objects: those of `was` in its order, then those only `now` has.
std::vector<std::string> KeysOfEither(const Json& was, const Json& now) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : was.members) {
        keys.push_back(key);
    }
    for (const auto& [key, value] : now.members) {
        if (was.Member(key) == nullptr) {
            keys.push_back(key);
        }
    }
    return keys;
}

// What differs between two entries, as "x 120 now 160, y 200 now 230".
std::string EntryChanges(const Json& was, const Json& now) {
    if (was.type != Json::Type::kObject || now.type != Json::Type::kObject) {
        return Layout(was) + " now " + Layout(now);
    }
    std::string changes;
    const std::vector<std::string> keys = KeysOfEither(was, now);
    for (const std::string& key : keys) {
        const std::string a = Scalar(was.Member(key));
        const std::string b = Scalar(now.Member(key));
        if (a != b) {
            changes += (changes.empty() ? "" : ", ") + key + " " + a + " now " + b;
        }
    }
    return changes;
}

// A line per difference between the recorded report and today's, naming what moved.
std::string Differences(const Json& was, const Json& now) {
    std::ostringstream out;
    const std::vector<std::string> keys = KeysOfEither(was, now);
    for (const std::string& key : keys) {
        const Json* a = was.Member(key);
        const Json* b = now.Member(key);
        if (a != nullptr && b != nullptr && a->type == Json::Type::kArray &&
            b->type == Json::Type::kArray) {
            const std::size_t longer = std::max(a->items.size(), b->items.size());
            for (std::size_t n = 0; n < longer; ++n) {
                if (n >= b->items.size()) {
                    out << "  " << EntryName(key, n, a->items[n])
                        << " is gone: " << Layout(a->items[n]) << "\n";
                } else if (n >= a->items.size()) {
                    out << "  " << EntryName(key, n, b->items[n])
                        << " is new: " << Layout(b->items[n]) << "\n";
                } else if (!(a->items[n] == b->items[n])) {
                    out << "  " << EntryName(key, n, a->items[n]) << ": "
                        << EntryChanges(a->items[n], b->items[n]) << "\n";
                }
            }
        } else if (Scalar(a) != Scalar(b)) {
            out << "  " << key << ": " << Scalar(a) << " now " << Scalar(b) << "\n";
        }
    }
    return out.str();
}

std::optional<std::string> ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Compares `report` with the golden `name` in tests/golden/settling/; with TARVELO_UPDATE_GOLDENS
// set, first writes the golden when it differs.
void ExpectReportAsRecorded(const std::string& report, const std::string& name) {
    const std::string path = std::string(TARVELO_GOLDEN_DIR) + "/settling/" + name + ".json";
    const std::optional<Json> now = JsonReader(report).Document();
    ASSERT_TRUE(now) << "the report is no JSON: " << report;
    const std::string laidOut = Layout(*now) + "\n";
    if (std::getenv(kUpdateGoldens) != nullptr && ReadWhole(path) != laidOut) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << laidOut;
        ASSERT_TRUE(out.flush()) << "could not write " << path;
        std::printf("recorded %s\n", path.c_str());
    }
    const std::optional<std::string> text = ReadWhole(path);
    ASSERT_TRUE(text) << "no recorded report " << path << "; record it with " << kUpdateGoldens
                      << "=1 set";
    const std::optional<Json> was = JsonReader(*text).Document();
    ASSERT_TRUE(was) << path << " is no JSON";
    if (!(*was == *now)) {
        ADD_FAILURE() << "the settled scene differs from " << path << ":\n"
                      << Differences(*was, *now) << "(with " << kUpdateGoldens
                      << "=1 set the test records today's report)";
    }
}

// The report of the scene once it has settled, as the run without a window makes it.
std::string SettledReport(SceneHarness& h) {
    const SettleResult rest = SettleOnClock(h.clock, h.model, kSettleBudgetMs);
    return SettleReportJson(h.model, rest.rested,
                            rest.rested ? rest.lastChangeMs : h.clock.NowMs());
}

// Recorded from the falling rules as they stood before any piece could be lifted clear of
// another or a pan held by a piece standing on both pans.
constexpr std::uint64_t kOrdinaryScenes[] = {
    0x2dd542226aa05a1bull, // 15 objects, 26 < X + 28
    0xb1bd3a7227ea42caull, // 12 objects, X + 22 = 2X + 17
    0xe01c229d3a4024fdull, // 13 objects, 11 < X + 38
    0xe25755689868916eull, // 14 objects, 52 > 14
    0x8f390e8b2d7ddb08ull, // 23 objects, X + 35 < X + 4Y + 40
    0xc1a3fac595325a54ull, // 9 objects, X + 23 > X
    0xd91ae2d47addde79ull, // 20 objects, 35 < 53
    0x6d7c90e1a12a0a05ull, // 6 objects, 7 = 7
    0x6955733ee5e16924ull, // 21 objects, 2Y + 21 < Y + 60
    0x23d1af654619912aull, // 5 objects, 12 > 3
    0xbbd2000a82c6dc19ull, // 16 objects, Y + 24 > 2X + 17
    0xa7983fdd513ef7cdull, // 8 objects, 7 < 2X + Y + 1
    0xbf6d8d92006e2d6aull, // 6 objects, 5 < 11
    0x998f17d088f8e9efull, // 20 objects, X + 23 < 41
    0x303957584d52c1dbull, // 13 objects, Y + 5 < X + Y + 17
    0xaa058f5ad2af2a26ull, // 21 objects, X + Y + 28 < 50
    0x6ebc766324aad706ull, // 6 objects, 0 < 8
    0x23693839bbf65933ull, // 6 objects, 8 < 14
    0xf7fc8fd4d29dd2f5ull, // 17 objects, 24 < Y + 22
    0x934a18fc2e5d358full, // 6 objects, 23 > 0
    0x121476476b57fbacull, // 15 objects, 38 > 2X + Y + 4
    0x8195f48db29ec7ccull, // 6 objects, 12 > 4
    0x2fb0dd45e59bf3d9ull, // 6 objects, Y + 3 > 6
    0xefc3d043efb7820dull, // 16 objects, Y + 30 > 37
    0xaf32726fccd68cceull, // 21 objects, Y + 25 < 2X + Y + 42
    0x95ee2642e4965f18ull, // 20 objects, X + Y + 42 > X + 19
    0xa52c6dab5d42657aull, // 10 objects, 16 < 23
    0x337e5d9304e7e38dull, // 13 objects, 2X + Y + 14 > Y + 16
    0xbd4681ff12de05ccull, // 18 objects, 18 < X + 15
    0xae2498cebb30c7a0ull, // 19 objects, X + Y + 26 < 2Y + 28
    0x3d8a3eb843a6a276ull, // 16 objects, 19 < Y + 37
    0xe02d9800060713eaull, // 11 objects, Y + 20 > 16
    0x46028f0aa0084899ull, // 22 objects, X + Y + 53 > 19
    0xfd76b3768fe46192ull, // 10 objects, 24 > 15
    0x61d7281a5cec414eull, // 5 objects, 0 < Y + 5
    0xe4b25777552d9473ull, // 13 objects, 3X < Y + 21
    0xbb7b993be14f772aull, // 15 objects, 24 < 31
    0x3677df4dd00bf84full, // 21 objects, X + Y + 41 > Y + 37
    0x6588a317e2580084ull, // 11 objects, 18 < X + 19
    0x40201ec4cd4cd7b2ull, // 15 objects, 45 > X + Y + 5
};

TEST(SettlingTest, OrdinaryScenesSettleExactlyAsTheyAlwaysDid) {
    for (std::uint32_t seed = 0; seed < std::size(kOrdinaryScenes); ++seed) {
        SceneHarness h;
        PlayOrdinaryScene(h, seed);
        EXPECT_EQ(FinalState(h.model), kOrdinaryScenes[seed]) << "seed " << seed;
        // Played long enough to rest already: the report shows the state the digest was taken of.
        char name[sizeof "ordinary-scene-00"];
        std::snprintf(name, sizeof name, "ordinary-scene-%02u", static_cast<unsigned>(seed));
        ExpectReportAsRecorded(SettledReport(h), name);
    }
}

// One scripted busy scene, with everything that bends the plain rules (pieces put into one
// another, a tower above the scene, a piece on both pans, a jump), must end in the same state
// with every compiler and build: the digest is fixed here once and for all.
TEST(SettlingTest, AScriptedBusySceneEndsInTheSameStateOnEveryBuild) {
    SceneHarness h;
    Model& m = h.model;
    const auto drop = [&m](PieceKind k, float x, float y) {
        m.PickUpCopy(k, 10, 10);
        m.FollowPointer(x + 10, y + 10);
        m.DropCopy();
    };
    for (int n = 0; n < 8; ++n) {
        drop(CubeBearing(1 + n).value(), 100, 150); // at one spot
    }
    h.RunMs(500);
    for (int n = 0; n < 4; ++n) {
        drop(PieceKind::kX, 420, 200);
        drop(PieceKind::kY, 480, 200);
    }
    h.RunMs(300);
    drop(PieceKind::kNine, 445, 100); // over both columns
    drop(PieceKind::kSmiley, 700, 280);
    h.RunMs(2000);
    m.SetUnknown(PieceKind::kX, "6");
    h.RunMs(200);
    drop(PieceKind::kSeven, 600, 50);
    const SettleResult rest = SettleOnClock(h.clock, m, 120000);
    ASSERT_TRUE(rest.rested);
    EXPECT_EQ(rest.lastChangeMs, 3940);
    EXPECT_EQ(m.equation.lblEquazione().Caption, "4X + 36 > 4Y + 17");
    EXPECT_EQ(FinalState(m), 15817712982949160784u);
    ExpectReportAsRecorded(
        SettleReportJson(m, rest.rested, rest.rested ? rest.lastChangeMs : h.clock.NowMs()),
        "scripted-busy-scene");
    // At rest is for good: nothing changes however long the scene runs on.
    const std::uint64_t atRest = m.Changes();
    h.RunMs(10000);
    EXPECT_EQ(m.Changes(), atRest);
}

} // namespace
} // namespace tarvelo
