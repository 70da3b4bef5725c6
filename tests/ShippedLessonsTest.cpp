// The lessons that come with the program: each has its lesson file, with a goal and its texts in
// every language the program speaks, and each goal is reached by playing the lesson with the moves.
#include "core/io/LessonFile.h"
#include "core/io/ProblemFile.h"
#include "core/play/ModelClock.h"
#include "core/play/MoveScript.h"
#include "core/teach/Goal.h"
#include "core/teach/PanCounts.h"
#include "core/teach/Solver.h"
#include "core/testing/SceneBuilders.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace tarvelo {
namespace {

constexpr std::int64_t kSettleBudgetMs = 20000;
constexpr const char* kProblemExtension = ".trv";
// The languages of the program; "" the untagged texts, written in English.
const std::vector<std::string> kLanguages{"", "it", "de", "fr", "es"};
constexpr const char* kFrench = "fr";
constexpr std::string_view kNoBreakSpace = "\xc2\xa0";
constexpr std::string_view kNarrowNoBreakSpace = "\xe2\x80\xaf";

// What a child does in the lessons that the solver does not play, by the lesson's number: moves
// that reach the goal.
const std::map<std::string, std::string> kPlayedByHand{
    {"01", "drop left 1"},      {"02", "drop right 4"},
    {"03", "drop left 4"},      {"04", "remove left 2"},
    {"05", "remove right 4"},   {"06", "remove left 3"},
    {"07", "drop left smiley"}, {"08", "drop right 0; drop right 1"},
    {"09", "drop right 3"},     {"23", "check 2 5"},
    {"24", "check 4 6"},        {"25", "check 3 6"},
    {"26", "check 5 3"},        {"27", "take X; check 5 4"},
};

std::vector<std::filesystem::path> ShippedProblems() {
    std::vector<std::filesystem::path> problems;
    for (const auto& entry : std::filesystem::directory_iterator(TARVELO_LESSONS_DIR)) {
        if (entry.path().extension() == kProblemExtension) {
            problems.push_back(entry.path());
        }
    }
    std::sort(problems.begin(), problems.end());
    return problems;
}

std::filesystem::path LessonBeside(std::filesystem::path problem) {
    return problem.replace_extension(kLessonExtension);
}

std::string NumberOf(const std::filesystem::path& problem) {
    return problem.filename().string().substr(0, 2);
}

// A text a person wrote for a child, not a placeholder left for one.
bool LooksWritten(const std::string& text) {
    const char* const placeholders[] = {"%", "{", "}", "<", ">", "TODO", "FIXME", "XXX", "..."};
    return !text.empty() &&
           std::none_of(std::begin(placeholders), std::end(placeholders),
                        [&](const char* p) { return text.find(p) != std::string::npos; });
}

// French puts a no-break space before : ; ? and !.
bool FrenchSpacing(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::string_view(":;?!").find(text[i]) == std::string_view::npos) {
            continue;
        }
        const std::string_view before = std::string_view(text).substr(0, i);
        if (!before.ends_with(kNoBreakSpace) && !before.ends_with(kNarrowNoBreakSpace)) {
            return false;
        }
    }
    return true;
}

TEST(ShippedLessonsTest, EachHasAGoalAndItsTextsInEveryLanguage) {
    const std::vector<std::filesystem::path> problems = ShippedProblems();
    ASSERT_FALSE(problems.empty());
    for (const std::filesystem::path& problem : problems) {
        SCOPED_TRACE(problem.filename().string());
        const LessonReading r = ReadLessonFile(LessonBeside(problem).string());
        ASSERT_TRUE(r.lesson) << static_cast<int>(r.error.kind) << " at line " << r.error.line;
        EXPECT_TRUE(GoalFromWord(r.lesson->goal)) << r.lesson->goal;
        EXPECT_EQ(r.lesson->language, "en");
        for (const LessonTexts* texts : {&r.lesson->titles, &r.lesson->instructions}) {
            for (const std::string& language : kLanguages) {
                SCOPED_TRACE("language \"" + language + "\"");
                ASSERT_EQ(texts->count(language), 1U);
                const std::string& text = texts->at(language);
                EXPECT_TRUE(LooksWritten(text)) << text;
                if (!language.empty()) {
                    EXPECT_NE(text, texts->at("")) << "left in English";
                }
                if (language == kFrench) {
                    EXPECT_TRUE(FrenchSpacing(text)) << text;
                }
            }
            EXPECT_EQ(texts->size(), kLanguages.size());
        }
    }
}

// The lesson's problem put into a scene as a loaded file is, settled.
void OpenLesson(SceneHarness& h, const std::filesystem::path& problem) {
    const ProblemReading read = ReadProblemFile(problem.string());
    ASSERT_TRUE(read.problem);
    h.model.PutProblem(&*read.problem, problem.string(), ProgramMode::Problem);
    ASSERT_TRUE(SettleOnClock(h.clock, h.model, kSettleBudgetMs).rested);
}

void Play(SceneHarness& h, const std::vector<ScriptMove>& moves) {
    for (const ScriptMove& move : moves) {
        SCOPED_TRACE(move.text);
        ASSERT_TRUE(ApplyMove(h.model, move).Done());
        ASSERT_TRUE(SettleOnClock(h.clock, h.model, kSettleBudgetMs).rested);
    }
}

TEST(ShippedLessonsTest, EachGoalIsReachedWithTheMovesAndNotBefore) {
    for (const std::filesystem::path& problem : ShippedProblems()) {
        SCOPED_TRACE(problem.filename().string());
        const LessonReading r = ReadLessonFile(LessonBeside(problem).string());
        ASSERT_TRUE(r.lesson);
        const std::optional<Goal> goal = GoalFromWord(r.lesson->goal);
        ASSERT_TRUE(goal);
        SceneHarness h;
        OpenLesson(h, problem);
        EXPECT_FALSE(GoalMet(*goal, h.model)) << "met before the child did anything";
        const auto byHand = kPlayedByHand.find(NumberOf(problem));
        if (goal->kind == GoalKind::FindX) {
            EXPECT_EQ(byHand, kPlayedByHand.end()) << "the solver plays a lesson that finds X";
            const std::optional<Solution> solution = SolveForX(CountsOnPans(h.model.scene));
            ASSERT_TRUE(solution) << "no moves find X";
            SCOPED_TRACE(solution->script);
            Play(h, solution->moves);
        } else {
            ASSERT_NE(byHand, kPlayedByHand.end()) << "no moves for this lesson's goal";
            const MoveScript script = ReadMoveScript(byHand->second);
            ASSERT_FALSE(script.error);
            Play(h, script.moves);
        }
        EXPECT_TRUE(GoalMet(*goal, h.model)) << h.model.equation.lblEquazione().Caption;
    }
}

} // namespace
} // namespace tarvelo
