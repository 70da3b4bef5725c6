// Makes the lessons that come with the program: each is built on the pans, settled on the virtual
// clock and written with the program's own writer, beside a manifest of the equations they show.
#include "core/base/Layout.h"
#include "core/base/Rest.h"
#include "core/io/ProblemFile.h"
#include "core/play/ModelClock.h"
#include "core/testing/SceneBuilders.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace tarvelo {

namespace {

// The pieces of the lessons, short enough for the table below: kN is the cube bearing N.
constexpr PieceKind k0 = PieceKind::kZero;
constexpr PieceKind k1 = PieceKind::kOne;
constexpr PieceKind k2 = PieceKind::kTwo;
constexpr PieceKind k3 = PieceKind::kThree;
constexpr PieceKind k4 = PieceKind::kFour;
constexpr PieceKind k5 = PieceKind::kFive;
constexpr PieceKind k6 = PieceKind::kSix;
constexpr PieceKind k7 = PieceKind::kSeven;
constexpr PieceKind k8 = PieceKind::kEight;
constexpr PieceKind k9 = PieceKind::kNine;
constexpr PieceKind kX = PieceKind::kX;
constexpr PieceKind kY = PieceKind::kY;
constexpr PieceKind kSmile = PieceKind::kSmiley;

// The value X and Y keep in a lesson that has no unknown on its pans, so that an X or a Y a child
// adds there still weighs something.
constexpr std::int32_t kSpareX = 6;
constexpr std::int32_t kSpareY = 2;

using Column = std::vector<PieceKind>; // kinds, from the bottom up
using PanLoad = std::vector<Column>;   // columns, from left to right

struct Lesson {
    const char* name; // the file's name without its extension; the number keeps the order
    std::int32_t x;   // the values of X and Y
    std::int32_t y;
    PanLoad left;
    PanLoad right;
    const char* equation; // the line the settled lesson shows
};

// From one cube against one cube, through finding X and X on both sides, to two unknowns.
const std::vector<Lesson> kLessons{
    {"01 One cube balances one cube", kSpareX, kSpareY, {{k4}}, {{k4}}, "4 = 4"},
    {"02 The heavier side goes down", kSpareX, kSpareY, {{k7}}, {{k3}}, "7 > 3"},
    {"03 The lighter side goes up", kSpareX, kSpareY, {{k2}}, {{k6}}, "2 < 6"},
    {"04 Two cubes balance one cube", kSpareX, kSpareY, {{k2}, {k3}}, {{k5}}, "5 = 5"},
    {"05 Three cubes balance two cubes",
     kSpareX,
     kSpareY,
     {{k1}, {k2}, {k6}},
     {{k4}, {k5}},
     "9 = 9"},
    {"06 A stack weighs what its cubes weigh", kSpareX, kSpareY, {{k3, k5}}, {{k8}}, "8 = 8"},
    {"07 Each smiley weighs one",
     kSpareX,
     kSpareY,
     {{kSmile}, {kSmile}, {kSmile}},
     {{k3}},
     "3 = 3"},
    {"08 Zero weighs nothing", kSpareX, kSpareY, {{k0}, {k6}}, {{k6}}, "6 = 6"},
    {"09 Add one cube to balance 4 plus 5 against 6",
     kSpareX,
     kSpareY,
     {{k4}, {k5}},
     {{k6}},
     "9 > 6"},
    {"10 Find X - X plus 3 balances 4 plus 3", 4, kSpareY, {{kX}, {k3}}, {{k4}, {k3}}, "X + 3 = 7"},
    {"11 Find X - X plus 2 balances 5", 3, kSpareY, {{kX}, {k2}}, {{k5}}, "X + 2 = 5"},
    {"12 Find X - X plus 4 balances 9", 5, kSpareY, {{kX}, {k4}}, {{k9}}, "X + 4 = 9"},
    {"13 Find X - 8 balances X plus 1", 7, kSpareY, {{k8}}, {{kX}, {k1}}, "8 = X + 1"},
    {"14 Find X - X plus two smileys balances 4 plus two smileys",
     4,
     kSpareY,
     {{kX}, {kSmile}, {kSmile}},
     {{k4}, {kSmile}, {kSmile}},
     "X + 2 = 6"},
    {"15 Find X - X plus 3 balances 2 plus 6", 5, kSpareY, {{kX}, {k3}}, {{k2}, {k6}}, "X + 3 = 8"},
    {"16 Find X - 2X balances 8", 4, kSpareY, {{kX}, {kX}}, {{k8}}, "2X = 8"},
    {"17 Find X - 2X plus 1 balances 7", 3, kSpareY, {{kX}, {kX}, {k1}}, {{k7}}, "2X + 1 = 7"},
    {"18 Find X - 3X balances 9 plus 3", 4, kSpareY, {{kX}, {kX}, {kX}}, {{k9}, {k3}}, "3X = 12"},
    {"19 X on both sides - 2X plus 1 balances X plus 4",
     3,
     kSpareY,
     {{kX}, {kX}, {k1}},
     {{kX}, {k4}},
     "2X + 1 = X + 4"},
    {"20 X on both sides - 2X plus 3 balances X plus 8",
     5,
     kSpareY,
     {{kX}, {kX}, {k3}},
     {{kX}, {k8}},
     "2X + 3 = X + 8"},
    {"21 X on both sides - 3X balances X plus 6",
     3,
     kSpareY,
     {{kX}, {kX}, {kX}},
     {{kX}, {k6}},
     "3X = X + 6"},
    {"22 X on both sides - 3X plus 2 balances 2X plus 7",
     5,
     kSpareY,
     {{kX}, {kX}, {kX}, {k2}},
     {{kX}, {kX}, {k7}},
     "3X + 2 = 2X + 7"},
    {"23 Two unknowns - X plus Y balances 7", 3, 4, {{kX}, {kY}}, {{k7}}, "X + Y = 7"},
    {"24 Two unknowns - Y balances X plus 2", 4, 6, {{kY}}, {{kX}, {k2}}, "Y = X + 2"},
    {"25 Two unknowns - Y balances 2X", 3, 6, {{kY}}, {{kX}, {kX}}, "Y = 2X"},
    {"26 Two unknowns - X plus 2Y balances 9 plus 2",
     3,
     4,
     {{kX}, {kY}, {kY}},
     {{k9}, {k2}},
     "X + 2Y = 11"},
    {"27 Two unknowns - 2X plus Y balances X plus 9",
     5,
     4,
     {{kX}, {kX}, {kY}},
     {{kX}, {k9}},
     "2X + Y = X + 9"},
};

constexpr std::int32_t kColumnGap = 14;  // pixels between neighbouring columns on a pan
constexpr std::int32_t kDropHeight = 10; // each column starts this far above its pan
constexpr std::int64_t kSettleBudgetMs = 120000;

// The header of every lesson file: fixed, so that making the lessons again gives the same bytes.
constexpr const char* kLessonTime = "08:00:00";
constexpr const char* kLessonDate = "01/09/2025";
// The masks of X and Y in the files come from a generator with this seed, for the same reason.
constexpr std::uint32_t kMaskSeed = 20250901;
constexpr std::uint32_t kMaskRange = 100; // masks are 0 to 99

constexpr const char* kExtension = ".trv";
constexpr const char* kManifest = "lessons.tsv";

PictureSize SizeOf(PieceKind pieceKind) {
    return PictureSizeOfKind(pieceKind).value_or(PictureSize{});
}

std::int32_t ColumnWidth(const Column& column) {
    std::int32_t width = 0;
    for (PieceKind pieceKind : column) {
        width = std::max(width, SizeOf(pieceKind).width);
    }
    return width;
}

std::int32_t PieceCount(const PanLoad& load) {
    std::int32_t n = 0;
    for (const Column& column : load) {
        n += static_cast<std::int32_t>(column.size());
    }
    return n;
}

// Puts the columns side by side, centred on the pan, each piece centred on its column and
// standing on the one below.
void PutOnPan(Model& model, std::int32_t pan, const PanLoad& load) {
    std::int32_t rowWidth = kColumnGap * (static_cast<std::int32_t>(load.size()) - 1);
    for (const Column& column : load) {
        rowWidth += ColumnWidth(column);
    }
    // The pan's box is copied: adding pieces may move the table.
    const SceneObject panBox = model.scene.obj(pan);
    std::int32_t left = panBox.objX + (panBox.objW - rowWidth) / 2;
    for (const Column& column : load) {
        const std::int32_t width = ColumnWidth(column);
        std::int32_t bottom = panBox.objY - kDropHeight;
        for (PieceKind pieceKind : column) {
            const PictureSize size = SizeOf(pieceKind);
            bottom -= size.height;
            model.AddObject(pieceKind, left + (width - size.width) / 2, bottom);
        }
        left += width + kColumnGap;
    }
}

// Why the settled scene is not the lesson the table describes; empty when it is.
std::string Fault(const Model& model, const Lesson& lesson) {
    const Scene& scene = model.scene;
    const std::int32_t leftCount = PieceCount(lesson.left);
    if (scene.objCount() - kPanCount != leftCount + PieceCount(lesson.right)) {
        return "a piece fell out of the scene";
    }
    for (std::int32_t i = kFirstPiece; i <= scene.objCount(); ++i) {
        const SceneObject& o = scene.obj(i);
        if (o.objX < 0 || o.objY < 0 || o.objX + o.objW > layout::kSceneWidth ||
            o.objY + o.objH > layout::kSceneHeight) {
            return "piece " + std::to_string(i) + " lies outside the scene";
        }
        // The pieces were added left pan first.
        const std::int32_t pan = i - kFirstPiece < leftCount ? kLeftPan : kRightPan;
        if (scene.PanCarrying(i) != pan) {
            return "piece " + std::to_string(i) + " does not rest on its pan";
        }
    }
    const std::string& shown = model.equation.lblEquazione().Caption;
    if (shown != lesson.equation) {
        return "it shows \"" + shown + "\" instead of \"" + lesson.equation + "\"";
    }
    return {};
}

// The file's text for a lesson, or an empty text (said on standard error) when it does not
// settle as the table says.
std::string MakeLesson(const Lesson& lesson, std::mt19937& masks) {
    SceneHarness harness;
    Model& model = harness.model;
    model.scene.SetXYvalues(lesson.x, lesson.y);
    PutOnPan(model, kLeftPan, lesson.left);
    PutOnPan(model, kRightPan, lesson.right);
    const SettleResult rest = SettleOnClock(harness.clock, model, kSettleBudgetMs);
    const std::string fault = rest.rested ? Fault(model, lesson) : "it does not come to rest";
    if (!fault.empty()) {
        std::fprintf(stderr, "make_lessons: \"%s\": %s\n", lesson.name, fault.c_str());
        return {};
    }
    const int maskX = static_cast<int>(masks() % kMaskRange);
    const int maskY = static_cast<int>(masks() % kMaskRange);
    return WriteProblem(model.scene.SavedProblem(), kLessonTime, kLessonDate, maskX, maskY);
}

bool WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_lessons: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

// Makes every lesson first and writes only when all of them settle as they should.
int MakeLessons(const std::filesystem::path& folder) {
    std::mt19937 masks(kMaskSeed);
    std::vector<std::string> texts;
    std::string manifest;
    for (const Lesson& lesson : kLessons) {
        texts.push_back(MakeLesson(lesson, masks));
        if (texts.back().empty()) {
            return 1;
        }
        manifest += std::string(lesson.name) + kExtension + "\t" + lesson.equation + "\n";
    }
    for (std::size_t i = 0; i < kLessons.size(); ++i) {
        if (!WriteFile(folder / (std::string(kLessons[i].name) + kExtension), texts[i])) {
            return 1;
        }
    }
    return WriteFile(folder / kManifest, manifest) ? 0 : 1;
}

} // namespace

} // namespace tarvelo

int main(int argc, char* argv[]) {
    if (argc != 2 || !std::filesystem::is_directory(argv[1])) {
        std::fprintf(stderr, "usage: make_lessons FOLDER (an existing folder, as lessons/)\n");
        return 1;
    }
    return tarvelo::MakeLessons(argv[1]);
}
