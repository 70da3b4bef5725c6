// Problem files: reading, refusing, writing, and loading a saved scene back.
#include "core/io/ProblemFile.h"

#include "core/testing/SceneBuilders.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tarvelo {
namespace {

using Kind = ProblemError::Kind;

// The example of a saved scene: X = 7 and Y = 3, a cube bearing 5 and one X piece.
constexpr const char* kExample = "# Tarvelo file - 14:05:09 - 03/04/2009\r\n"
                                 "722\r\n237\r\n2\r\n"
                                 "150\r\n252\r\n5\r\n5\r\n"
                                 "600\r\n252\r\n7\r\n11\r\n";

TEST(ProblemFileTest, TheExampleLoadsAsSaved) {
    const ProblemReading r = ParseProblem(kExample);
    ASSERT_TRUE(r.problem);
    EXPECT_EQ(r.problem->xValue, 7);
    EXPECT_EQ(r.problem->yValue, 3);
    ASSERT_EQ(r.problem->pieces.size(), 2u);
    EXPECT_EQ(r.problem->pieces[0], (ProblemPiece{150, 252, 5, PieceKind::kFive}));
    EXPECT_EQ(r.problem->pieces[1], (ProblemPiece{600, 252, 7, PieceKind::kX}));
}

TEST(ProblemFileTest, WritingGivesTheExampleLineForLine) {
    Model m;
    m.AddObject(PieceKind::kPan, 30, 292);
    m.AddObject(PieceKind::kPan, 504, 292);
    m.scene.SetXYvalues(7, 3);

    m.AddObject(PieceKind::kFive, 150, 252);
    m.AddObject(PieceKind::kX, 600, 252);
    EXPECT_EQ(WriteProblem(m.scene.SavedProblem(), "14:05:09", "03/04/2009", 42, 5), kExample);

    // The pans are never written: a scene with only the pans is four lines.
    Model empty;
    empty.AddObject(PieceKind::kPan, 30, 292);
    empty.AddObject(PieceKind::kPan, 504, 292);
    EXPECT_EQ(WriteProblem(empty.scene.SavedProblem(), "t", "d", 0, 99),
              "# Tarvelo file - t - d\r\n169\r\n1456\r\n0\r\n");
}

TEST(ProblemFileTest, MaskedValuesReadBackWhateverK) {
    for (int k = 0; k < 100; ++k) {
        for (std::int32_t v = 0; v <= 9; ++v) {
            EXPECT_EQ(UnmaskValue(static_cast<double>(MaskValue(v, k))), v);
        }
    }
}

TEST(ProblemFileTest, ReaderCases) {
    const struct {
        const char* name;
        std::string text;
        std::int32_t x, y;
        std::vector<ProblemPiece> pieces;
    } cases[] = {
        {"masked", "h\r\n722\r\n237\r\n0\r\n", 7, 3, {}},
        {"hand-written values", "h\r\n7\r\n3\r\n0\r\n", 7, 3, {}},
        {"negative values keep their sign", "h\r\n-20\r\n-1\r\n0\r\n", -7, -1, {}},
        {"any header", "anything at all, even 123\r\n7\r\n3\r\n0\r\n", 7, 3, {}},
        {"blank and non-numeric lines read 0",
         "h\r\n\r\nabc\r\n1\r\nx\r\n\r\n\r\n1\r\n",
         0,
         0,
         {{0, 0, 0, PieceKind::kOne}}},
        {"blanks inside numbers",
         "h\r\n 7\r\n3 \r\n1\r\n1 50\r\n2 52\r\n 5\r\n 5\r\n",
         7,
         3,
         {{150, 252, 5, PieceKind::kFive}}},
        {"halves round to even",
         "h\r\n7.5\r\n3\r\n1\r\n150.5\r\n252.5\r\n4.5\r\n5.5\r\n",
         8,
         3,
         {{150, 252, 4.5f, PieceKind::kSix}}},
        {"LF-only line ends",
         "h\n7\n3\n1\n150\n252\n5\n5\n",
         7,
         3,
         {{150, 252, 5, PieceKind::kFive}}},
        {"CR-only line ends",
         "h\r7\r3\r1\r150\r252\r5\r5\r",
         7,
         3,
         {{150, 252, 5, PieceKind::kFive}}},
        {"no final line break",
         "h\r\n7\r\n3\r\n1\r\n150\r\n252\r\n5\r\n5",
         7,
         3,
         {{150, 252, 5, PieceKind::kFive}}},
        {"the mass from its own line",
         "h\r\n7\r\n3\r\n1\r\n0\r\n0\r\n2\r\n11\r\n",
         7,
         3,
         {{0, 0, 2, PieceKind::kX}}},
        {"lines after the pieces are ignored", "h\r\n7\r\n3\r\n0\r\n99\r\n", 7, 3, {}},
    };
    for (const auto& c : cases) {
        const ProblemReading r = ParseProblem(c.text);
        ASSERT_TRUE(r.problem) << c.name;
        EXPECT_EQ(r.problem->xValue, c.x) << c.name;
        EXPECT_EQ(r.problem->yValue, c.y) << c.name;
        EXPECT_EQ(r.problem->pieces, c.pieces) << c.name;
    }
}

TEST(ProblemFileTest, RefusedTexts) {
    const struct {
        const char* name;
        std::string text;
        Kind kind;
        int line;
    } cases[] = {
        {"empty", "", Kind::EndsEarly, 1},
        {"header only", "h\r\n", Kind::EndsEarly, 2},
        {"no count", "h\r\n7\r\n3\r\n", Kind::EndsEarly, 4},
        {"truncated piece", "h\r\n7\r\n3\r\n1\r\n150\r\n252\r\n5\r\n", Kind::EndsEarly, 8},
        {"truncated second piece", "h\r\n7\r\n3\r\n2\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n",
         Kind::EndsEarly, 11},
        {"count -1", "h\r\n7\r\n3\r\n-1\r\n", Kind::BadCount, 4},
        {"count 2.5", "h\r\n7\r\n3\r\n2.5\r\n", Kind::BadCount, 4},
        {"count 1e12", "h\r\n7\r\n3\r\n1e12\r\n", Kind::BadCount, 4},
        {"count 1e400", "h\r\n7\r\n3\r\n1e400\r\n", Kind::NumberTooLarge, 4},
        {"count beyond the file", "h\r\n7\r\n3\r\n9999\r\n1\r\n2\r\n3\r\n4\r\n",
         Kind::CountBeyondFile, 4},
        {"kind 15", "h\r\n7\r\n3\r\n1\r\n150\r\n252\r\n5\r\n15\r\n", Kind::UnknownKind, 8},
        {"kind 22", "h\r\n7\r\n3\r\n1\r\n150\r\n252\r\n5\r\n22\r\n", Kind::UnknownKind, 8},
        {"position too large", "h\r\n7\r\n3\r\n1\r\n1e10\r\n252\r\n5\r\n5\r\n",
         Kind::NumberTooLarge, 5},
        {"mass too large", "h\r\n7\r\n3\r\n1\r\n1\r\n2\r\n1e39\r\n5\r\n", Kind::NumberTooLarge, 7},
        {"X too large", "h\r\n1e400\r\n3\r\n0\r\n", Kind::NumberTooLarge, 2},
        // Saved in UTF-16: every other byte is zero, which no line of a problem file holds.
        {"UTF-16",
         std::string("\xff\xfeh\0\r\0\n\0"
                     "7\0\r\0\n\0"
                     "3\0\r\0\n\0"
                     "0\0\r\0\n\0",
                     26),
         Kind::NotText, 0},
    };
    for (const auto& c : cases) {
        const ProblemReading r = ParseProblem(c.text);
        EXPECT_FALSE(r.problem) << c.name;
        EXPECT_EQ(r.error.kind, c.kind) << c.name;
        EXPECT_EQ(r.error.line, c.line) << c.name;
    }
}

// The kind line is read as a number, rounded like every other line; only a kind's number passes.
TEST(ProblemFileTest, TheKindLineGivesTheKindOfItsNearestWholeNumber) {
    const struct {
        const char* line;
        std::optional<PieceKind> kind;
    } cases[] = {
        {"1", PieceKind::kOne},       {"9", PieceKind::kNine},
        {"10", PieceKind::kZero},     {"11", PieceKind::kX},
        {"12", PieceKind::kY},        {"21", PieceKind::kSmiley},
        {"0", PieceKind::kPan},       {"11.4", PieceKind::kX},
        {"12.5", PieceKind::kY}, // halves to the even one
        {"20.6", PieceKind::kSmiley}, {"20.5", std::nullopt},
        {"13", std::nullopt},         {"-1", std::nullopt},
        {"4294967307", std::nullopt}, // 11 beyond 32 bits: no wrapping round to X
    };
    for (const auto& c : cases) {
        const ProblemReading r =
            ParseProblem(std::string("h\r\n7\r\n3\r\n1\r\n150\r\n252\r\n5\r\n") + c.line + "\r\n");
        if (c.kind) {
            ASSERT_TRUE(r.problem) << c.line;
            ASSERT_EQ(r.problem->pieces.size(), 1u) << c.line;
            EXPECT_EQ(r.problem->pieces[0].objKind, *c.kind) << c.line;
        } else {
            EXPECT_FALSE(r.problem) << c.line;
            EXPECT_EQ(r.error.kind, Kind::UnknownKind) << c.line;
            EXPECT_EQ(r.error.line, 8) << c.line;
        }
    }
}

TEST(ProblemFileTest, EachKindIsWrittenAsTheNumberFilesHaveAlwaysHeld) {
    const struct {
        PieceKind kind;
        const char* line;
    } cases[] = {
        {PieceKind::kOne, "1"},     {PieceKind::kTwo, "2"},   {PieceKind::kThree, "3"},
        {PieceKind::kFour, "4"},    {PieceKind::kFive, "5"},  {PieceKind::kSix, "6"},
        {PieceKind::kSeven, "7"},   {PieceKind::kEight, "8"}, {PieceKind::kNine, "9"},
        {PieceKind::kZero, "10"},   {PieceKind::kX, "11"},    {PieceKind::kY, "12"},
        {PieceKind::kSmiley, "21"},
    };
    for (const auto& c : cases) {
        Model m;
        m.AddObject(c.kind, 150, 252);
        const std::string text = WriteProblem(m.scene.SavedProblem(), "t", "d", 0, 0);
        const std::string lastLine = "\r\n" + std::string(c.line) + "\r\n";
        ASSERT_GE(text.size(), lastLine.size()) << c.line;
        EXPECT_EQ(text.substr(text.size() - lastLine.size()), lastLine) << c.line;
        const ProblemReading r = ParseProblem(text);
        ASSERT_TRUE(r.problem) << c.line;
        EXPECT_EQ(r.problem->pieces.at(0).objKind, c.kind) << c.line;
    }
}

TEST(ProblemFileTest, FilesThatCannotBeReadAreRefused) {
    const auto folder = std::filesystem::temp_directory_path() / "tarvelo-problem-file-test";
    std::filesystem::create_directories(folder);
    EXPECT_EQ(ReadProblemFile((folder / "missing.trv").string()).error.kind, Kind::CannotOpen);
    EXPECT_EQ(ReadProblemFile(folder.string()).error.kind, Kind::CannotOpen);
    EXPECT_EQ(ReadProblemFile("").error.kind, Kind::CannotOpen);

    const auto big = folder / "big.trv";
    {
        std::ofstream out(big, std::ios::binary);
        out << std::string(kMaxProblemFileBytes + 1, '\n');
    }
    EXPECT_EQ(ReadProblemFile(big.string()).error.kind, Kind::TooLarge);

    const auto good = folder / "good.trv";
    {
        std::ofstream out(good, std::ios::binary);
        out << kExample;
    }
    const ProblemReading r = ReadProblemFile(good.string());
    ASSERT_TRUE(r.problem);
    EXPECT_EQ(r.problem->pieces.size(), 2u);
    std::filesystem::remove_all(folder);
}

// A problem enters the scene in the mode asked for, and the buttons follow the mode.
TEST(ProblemFileTest, AProblemIsPutIntoTheSceneInAMode) {
    Problem p;
    p.xValue = 3;
    p.pieces.push_back({100, 252, 5, PieceKind::kFive});
    const struct {
        const Problem* problem;
        ProgramMode mode;
        std::int32_t objects;
        bool restartShown;
    } cases[] = {{&p, ProgramMode::Problem, 3, true},
                 {&p, ProgramMode::Free, 3, false},
                 {nullptr, ProgramMode::Free, 2, false}};
    for (const auto& c : cases) {
        SceneHarness h;
        h.model.PutProblem(c.problem, "lesson.trv", c.mode);
        EXPECT_EQ(h.model.controls.programMode(), c.mode);
        EXPECT_EQ(h.model.scene.objCount(), c.objects);
        EXPECT_EQ(h.model.controls.Command5().Visible, c.restartShown);
        EXPECT_EQ(h.model.controls.Command2().Visible, !c.restartShown);
        EXPECT_EQ(h.model.controls.Caption(), c.problem ? "Tarvelo - lesson.trv" : "Tarvelo");
    }
}

// Writing a scene and reading it back gives every free piece as it stands, in table order: the
// reader says what the file says, and only loading lifts the pieces.
TEST(ProblemFileTest, WritingThenReadingGivesThePiecesBack) {
    SceneHarness h;
    Model& m = h.model;
    m.scene.SetXYvalues(6, 2);

    const PieceKind kinds[] = {PieceKind::kSmiley, PieceKind::kSeven, PieceKind::kX,
                               PieceKind::kZero, PieceKind::kY};
    for (int i = 0; i < 5; ++i) {
        m.AddObject(kinds[i], 40 + 150 * i, -70 + 90 * i);
    }
    m.scene.Edit(5).objMass = 2.5f; // a hand-written mass keeps its fraction
    const ProblemReading r = ParseProblem(WriteProblem(m.scene.SavedProblem(), "t", "d", 31, 77));
    ASSERT_TRUE(r.problem);
    EXPECT_EQ(r.problem->xValue, 6);
    EXPECT_EQ(r.problem->yValue, 2);
    std::vector<ProblemPiece> expected;
    for (std::int32_t i = 3; i <= m.scene.objCount(); ++i) {
        const SceneObject& o = m.scene.obj(i);
        expected.push_back({o.objX, o.objY, o.objMass, o.objKind});
    }
    EXPECT_EQ(r.problem->pieces, expected);
}

TEST(ProblemFileTest, ASavedSceneLoadsBackWithTheSamePiecesFallingOntoThePans) {
    SceneHarness saved(100.0);
    Model& a = saved.model;
    a.scene.SetXYvalues(4, 8);

    const PieceKind kinds[] = {PieceKind::kThree, PieceKind::kX,    PieceKind::kSmiley,
                               PieceKind::kY,     PieceKind::kZero, PieceKind::kNine};
    for (int i = 0; i < 6; ++i) {
        a.AddObject(kinds[i], 60 + 140 * i, 150);
    }
    saved.RunMs(3000);
    const std::string text = WriteProblem(a.scene.SavedProblem(), "t", "d", 17, 60);

    SceneHarness loaded(200.0);
    Model& b = loaded.model;
    ASSERT_TRUE(b.CleanProblem());
    b.NewScene();
    const ProblemReading r = ParseProblem(text);
    ASSERT_TRUE(r.problem);
    b.LoadProblem(*r.problem, "/home/teacher/lesson.trv");
    EXPECT_EQ(b.controls.Caption(), "Tarvelo - /home/teacher/lesson.trv");
    EXPECT_EQ(b.controls.stProblemFile(), "/home/teacher/lesson.trv");
    EXPECT_EQ(b.scene.xValue(), 4);
    EXPECT_EQ(b.scene.yValue(), 8);
    ASSERT_EQ(b.scene.objCount(), a.scene.objCount());
    for (std::int32_t i = 3; i <= a.scene.objCount(); ++i) {
        EXPECT_EQ(b.scene.obj(i).objKind, a.scene.obj(i).objKind);
        EXPECT_EQ(b.scene.obj(i).objMass, a.scene.obj(i).objMass);
        EXPECT_EQ(b.scene.obj(i).objX, a.scene.obj(i).objX);
        EXPECT_EQ(b.scene.obj(i).objY, a.scene.obj(i).objY - 300);
        EXPECT_FALSE(b.scene.obj(i).objFixed);
        EXPECT_EQ(b.scene.obj(i).objW, a.scene.obj(i).objW);
    }
    loaded.RunMs(4000);
    EXPECT_EQ(b.equation.lblEquazione().Caption, a.equation.lblEquazione().Caption);
    for (std::int32_t i = 3; i <= a.scene.objCount(); ++i) {
        EXPECT_EQ(b.scene.obj(i).objY, a.scene.obj(i).objY) << i; // back where it was saved
    }
}

} // namespace
} // namespace tarvelo
