// The challenges on the real widgets, offscreen: the Challenges window by keys and by the moves
// panel's button, a challenge put on the pans and solved through the panel's moves, its praise
// and stars, the next challenge, Restart, undo, the records kept in the settings, and the main
// window as it always was while nothing of this is open.
#include "WindowFixture.h"
#include "core/play/MoveScript.h"
#include "core/teach/Challenge.h"
#include "ui/accessibility/Announcer.h"
#include "ui/sound/SoundPlayer.h"
#include "ui/window/ChallengeSession.h"
#include "ui/window/ChallengeStore.h"
#include "ui/window/ChallengeTexts.h"
#include "ui/window/ChallengesWindow.h"
#include "ui/window/MovesPanel.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <limits>

using tarvelo::Challenge;
using tarvelo::ChallengeRun;
using tarvelo::ChallengesWindow;
using tarvelo::LevelRecord;
using tarvelo::MovesPanel;
using tarvelo::ProgramMode;
using tarvelo::ScriptMove;
using tarvelo::test::kClosedSize;
using tarvelo::test::KeyedWindow;

namespace {

// X + 2 balances 5: a lesson, no challenge.
const QString kLessonXPlus2 =
    QStringLiteral(TARVELO_SOURCE_DIR "/lessons/11 Find X - X plus 2 balances 5.trv");
constexpr std::int64_t kSettleMs = 3000;
constexpr std::int32_t kLevel = 1;
const QString kWellDone = QStringLiteral("Well done! ");
const QString kSolvedSaid = QStringLiteral("Solved: ");

QWidget* Focused() {
    return QApplication::focusWidget();
}

// The moves of `script`, as the panel asks for them.
std::vector<ScriptMove> MovesOf(const std::string& script) {
    const tarvelo::MoveScript read = tarvelo::ReadMoveScript(script);
    Q_ASSERT(!read.error);
    return read.moves;
}

// The keyed window with the Challenges window and the challenge on the pans at hand.
struct ChallengeWindow : KeyedWindow {
    ChallengesWindow* Challenges() { return window.findChild<ChallengesWindow*>(); }
    template <typename T> T* InChallenges(const QString& name) {
        auto* found = Challenges()->findChild<T*>(name);
        Q_ASSERT(found != nullptr);
        return found;
    }
    // Ctrl+G: the Challenges window opens and becomes the active window.
    void OpenChallengesByKey() {
        PressOnFocus(Qt::Key_G, Qt::ControlModifier);
        QVERIFY(Challenges() != nullptr && Challenges()->isVisible());
        // The offscreen platform has no window manager to activate a window as it shows.
        QVERIFY(QTest::qWaitForWindowExposed(Challenges()));
        Challenges()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), Challenges());
    }
    // Ctrl+G, then Enter on the level's Start, reached with Tab.
    void StartByKeys(std::int32_t level) {
        OpenChallengesByKey();
        QCOMPARE(Focused(), InChallenges<QWidget>(QStringLiteral("start1")));
        const QString start = QStringLiteral("start%1").arg(level);
        while (Focused()->objectName() != start) {
            PressOnFocus(Qt::Key_Tab);
        }
        PressOnFocus(Qt::Key_Return);
        // The main window takes the keys again.
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        RunMs(kSettleMs);
    }
    const ChallengeRun* Current() { return window.challenges().Current(); }
    // Every move of `script` asked of the window as the panel's buttons ask, each let rest.
    void MakeMoves(const std::string& script) {
        for (const ScriptMove& move : MovesOf(script)) {
            emit Panel()->moveRequested(move);
            RunMs(kSettleMs);
        }
    }
    void Solve() { MakeMoves(Current()->challenge.solution); }
    QString Equation() {
        return QString::fromStdString(window.model().equation.lblEquazione().Caption);
    }
};

// How many of the sentences `said` heard begin with `start`.
qsizetype TimesSaid(const QSignalSpy& said, const QString& start) {
    return std::count_if(said.begin(), said.end(), [&](const QList<QVariant>& sentence) {
        return sentence.at(0).toString().startsWith(start);
    });
}

QString XIs(const Challenge& challenge) {
    return QStringLiteral("X = %1.").arg(challenge.problem.xValue);
}

} // namespace

class ChallengeWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void theClosedWindowIsAsItWas();
    void aLevelStartsFromTheChallengesWindowByKeys();
    void thePanelsButtonOpensTheChallengesWindow();
    void solvingWinsItsStarsOnce_data();
    void solvingWinsItsStarsOnce();
    void nextGivesAnotherChallengeOfTheLevel();
    void aNewChallengeStartsWithItsAnswersHiddenAndThePanelFresh();
    void theFifthChallengeSolvedWinsTheLevel();
    void theRecordsOutliveTheWindow();
    void restartStartsTheSameChallengeAgain();
    void undoAndRedoFollowTheChallengeOnThePans();
    void otherScenesEndTheChallengeMode_data();
    void otherScenesEndTheChallengeMode();
    void theStoreKeepsEachLevelApart();
    void everyControlHasAnAccessibleName_data();
    void everyControlHasAnAccessibleName();

  private:
    QTemporaryDir settings_;
};

void ChallengeWindowTest::initTestCase() {
    // The records are kept in the user's settings: every run starts without any.
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
}

void ChallengeWindowTest::cleanup() {
    QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")).clear();
}

void ChallengeWindowTest::theClosedWindowIsAsItWas() {
    ChallengeWindow w;
    QCOMPARE(w.window.size(), kClosedSize);
    QVERIFY(w.Challenges() == nullptr);
    // Opened and closed again, the Challenges window leaves the main window as it was.
    w.OpenChallengesByKey();
    QCOMPARE(w.window.size(), kClosedSize);
    w.PressOnFocus(Qt::Key_Escape);
    QVERIFY(!w.Challenges()->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), &w.window);
    QCOMPARE(w.window.size(), kClosedSize);
    QCOMPARE(w.window.maximumSize(), kClosedSize);
    QVERIFY(w.Current() == nullptr);
    QCOMPARE(w.window.model().controls.programMode(), ProgramMode::Free);
}

void ChallengeWindowTest::aLevelStartsFromTheChallengesWindowByKeys() {
    constexpr std::int32_t kSecondLevel = 2;
    ChallengeWindow w;
    w.StartByKeys(kSecondLevel);
    const Challenge expected = tarvelo::MakeChallenge(kSecondLevel, tarvelo::kFirstChallengeSeed);
    QVERIFY(!w.Challenges()->isVisible());
    QVERIFY(w.Current() != nullptr);
    QCOMPARE(w.Current()->challenge.seed, expected.seed);
    // The pans hold the challenge, as a problem.
    QCOMPARE(w.Equation(), QString::fromStdString(expected.equation));
    QCOMPARE(w.window.model().scene.xValue(), expected.problem.xValue);
    QCOMPARE(w.window.model().controls.programMode(), ProgramMode::Problem);
    // The panel opened on its first control, and says which challenge it is.
    QVERIFY(w.window.MovesPanelOpen());
    QCOMPARE(Focused(), w.InPanel<QWidget>("moveKind"));
    QCOMPARE(w.InPanel<QLabel>("taskTitle")->text(), QStringLiteral("Challenge: level 2"));
    QCOMPARE(w.InPanel<QLabel>("taskGoal")->text(),
             QStringLiteral("Find X. Fewest moves: %1.").arg(expected.fewestMoves));
    QVERIFY(!w.InPanel<QWidget>("next")->isVisible());
    QVERIFY(w.window.windowTitle().contains(QStringLiteral("Challenge: level 2")));
}

void ChallengeWindowTest::thePanelsButtonOpensTheChallengesWindow() {
    ChallengeWindow w;
    w.window.SetMovesPanelOpen(true);
    QTest::mouseClick(w.InPanel<QPushButton>("openChallenges"), Qt::LeftButton);
    QVERIFY(w.Challenges() != nullptr && w.Challenges()->isVisible());
    QTest::mouseClick(w.InChallenges<QPushButton>(QStringLiteral("start1")), Qt::LeftButton);
    w.RunMs(kSettleMs);
    QVERIFY(!w.Challenges()->isVisible());
    QCOMPARE(w.Current()->challenge.level, kLevel);
}

void ChallengeWindowTest::solvingWinsItsStarsOnce_data() {
    QTest::addColumn<QString>("before");     // moves made before the challenge's own solution
    QTest::addColumn<bool>("solutionShown"); // Show solution pressed before the moves
    QTest::addColumn<int>("stars");
    QTest::newRow("in the fewest moves") << QString() << false << 2;
    QTest::newRow("two moves more") << QStringLiteral("add smiley; take smiley") << false << 1;
    // A check of the right value (%1) puts the problem back as it was, and is no move.
    QTest::newRow("after a check") << QStringLiteral("check %1") << false << 2;
    // X seen is not X found: solved, but not by the balance alone.
    QTest::newRow("with the solution shown") << QString() << true << 1;
}

void ChallengeWindowTest::solvingWinsItsStarsOnce() {
    QFETCH(QString, before);
    QFETCH(bool, solutionShown);
    QFETCH(int, stars);
    ChallengeWindow w;
    w.StartByKeys(kLevel);
    const Challenge challenge = w.Current()->challenge;
    QSignalSpy said(w.window.findChild<tarvelo::Announcer*>(), &tarvelo::Announcer::said);
    if (solutionShown) {
        // Shown and hidden again: seen is seen.
        w.window.ToggleSolution();
        w.window.ToggleSolution();
    }
    if (!before.isEmpty()) {
        w.MakeMoves(before.arg(challenge.problem.xValue).toStdString());
    }
    w.Solve();

    // Praised once, instead of the plain answer, and shown with the stars.
    const QString praise = kWellDone + XIs(challenge);
    QCOMPARE(TimesSaid(said, praise), 1);
    QCOMPARE(TimesSaid(said, kSolvedSaid), 0);
    auto* shown = w.InPanel<QLabel>("praise");
    QVERIFY(shown->isVisible());
    QVERIFY2(shown->text().startsWith(tarvelo::StarsShown(stars) + QLatin1Char(' ') + praise),
             qPrintable(shown->text()));
    QCOMPARE(w.window.challenges().Store().Record(kLevel), (LevelRecord{stars, 1}));
    QCOMPARE(Focused(), w.InPanel<QWidget>("next"));
    // At rest, further syncs say nothing more.
    w.RunMs(kSettleMs);
    w.window.SyncFromModel(true);
    QCOMPARE(TimesSaid(said, kWellDone), 1);
}

void ChallengeWindowTest::aNewChallengeStartsWithItsAnswersHiddenAndThePanelFresh() {
    ChallengeWindow w;
    w.StartByKeys(kLevel);
    const tarvelo::Model& model = w.window.model();
    // A few choices made, and a check that shows the values it checked.
    w.InPanel<QComboBox>("moveKind")->setCurrentIndex(2);
    w.InPanel<QComboBox>("exchangePan")->setCurrentIndex(1);
    w.InPanel<QSpinBox>("splitN")->setValue(7);
    w.InPanel<QSpinBox>("shareGroups")->setValue(3);
    w.InPanel<QSpinBox>("checkX")->setValue(4);
    w.InPanel<QSpinBox>("checkY")->setValue(1);
    QTest::mouseClick(w.InPanel<QPushButton>("check"), Qt::LeftButton);
    w.RunMs(kSettleMs);
    QVERIFY(model.controls.showSolution());
    QVERIFY(w.InPanel<QLabel>("moveStatus")->text() != QStringLiteral("No move made yet."));

    w.StartByKeys(kLevel);
    QVERIFY(!model.controls.showSolution());
    QCOMPARE(w.window.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
             QStringLiteral("Show solution"));
    QCOMPARE(w.InPanel<QLabel>("moveStatus")->text(), QStringLiteral("No move made yet."));
    QCOMPARE(w.InPanel<QComboBox>("moveKind")->currentIndex(), 0);
    QCOMPARE(w.InPanel<QComboBox>("exchangePan")->currentIndex(), 0);
    QCOMPARE(w.InPanel<QSpinBox>("splitN")->value(), 5);
    QCOMPARE(w.InPanel<QSpinBox>("shareGroups")->value(), 2);
    QCOMPARE(w.InPanel<QSpinBox>("checkX")->value(), 0);
    QCOMPARE(w.InPanel<QSpinBox>("checkY")->value(), tarvelo::kUncheckedY);
}

void ChallengeWindowTest::theFifthChallengeSolvedWinsTheLevel() {
    using tarvelo::Reward;
    const QString won = tarvelo::LevelWonSentence(kLevel);
    QCOMPARE(won, QStringLiteral("Level 1 won: 5 challenges solved! Try level 2."));
    QCOMPARE(tarvelo::LevelWonSentence(tarvelo::kLastLevel),
             QStringLiteral("Level 5 won: 5 challenges solved! That is the hardest level."));
    ChallengeWindow w;
    QSignalSpy said(w.window.findChild<tarvelo::Announcer*>(), &tarvelo::Announcer::said);
    QSignalSpy rewards(w.window.findChild<tarvelo::SoundPlayer*>(),
                       &tarvelo::SoundPlayer::rewardPlayed);
    const auto timesWon = [&] {
        return std::count_if(said.begin(), said.end(), [&](const QList<QVariant>& sentence) {
            return sentence.at(0).toString().contains(won);
        });
    };
    // One challenge after another, each solved and left with Next; the fifth wins the level,
    // with its own reward, and the sixth is praised as the first ones were.
    w.StartByKeys(kLevel);
    for (std::int32_t solved = 1; solved <= tarvelo::kSolvedToWinALevel + 1; ++solved) {
        w.Solve();
        const bool winning = solved == tarvelo::kSolvedToWinALevel;
        QCOMPARE(w.InPanel<QLabel>("praise")->text().endsWith(won), winning);
        QCOMPARE(timesWon(), solved < tarvelo::kSolvedToWinALevel ? 0 : 1);
        QCOMPARE(rewards.size(), solved);
        QCOMPARE(rewards.last().at(0).value<Reward>(),
                 winning ? Reward::LevelWon : Reward::TaskDone);
        QCOMPARE(Focused(), w.InPanel<QWidget>("next"));
        w.PressOnFocus(Qt::Key_Space);
        w.RunMs(kSettleMs);
    }
    QCOMPARE(w.window.challenges().Store().Record(kLevel).solved, tarvelo::kSolvedToWinALevel + 1);
}

void ChallengeWindowTest::nextGivesAnotherChallengeOfTheLevel() {
    ChallengeWindow w;
    w.StartByKeys(kLevel);
    const Challenge first = w.Current()->challenge;
    w.Solve();
    QCOMPARE(Focused(), w.InPanel<QWidget>("next"));
    w.PressOnFocus(Qt::Key_Space);
    w.RunMs(kSettleMs);
    const Challenge second = w.Current()->challenge;
    QCOMPARE(second.level, kLevel);
    QCOMPARE(second.seed, first.seed + 1);
    QVERIFY(second.problem.xValue != first.problem.xValue);
    QCOMPARE(w.window.model().scene.xValue(), second.problem.xValue);
    QCOMPARE(w.Equation(), QString::fromStdString(second.equation));
    // Not solved yet: no praise, no Next; the record holds the first one's stars.
    QVERIFY(!w.InPanel<QWidget>("praise")->isVisible());
    QVERIFY(!w.InPanel<QWidget>("next")->isVisible());
    QCOMPARE(Focused(), w.InPanel<QWidget>("moveKind"));
    QCOMPARE(w.window.challenges().Store().Record(kLevel), (LevelRecord{2, 1}));
}

void ChallengeWindowTest::theRecordsOutliveTheWindow() {
    std::uint64_t played = 0;
    {
        ChallengeWindow w;
        w.StartByKeys(kLevel);
        played = w.Current()->challenge.seed;
        w.Solve();
    }
    ChallengeWindow w;
    w.OpenChallengesByKey();
    QCOMPARE(w.InChallenges<QLabel>(QStringLiteral("record1"))->text(),
             QStringLiteral("Stars: 2, solved: 1."));
    QCOMPARE(w.InChallenges<QLabel>(QStringLiteral("record2"))->text(),
             QStringLiteral("Stars: 0, solved: 0."));
    // The next start of the level brings a challenge not played before.
    w.PressOnFocus(Qt::Key_Escape);
    QTRY_COMPARE(QApplication::activeWindow(), &w.window);
    w.StartByKeys(kLevel);
    QCOMPARE(w.Current()->challenge.seed, played + 1);
}

void ChallengeWindowTest::restartStartsTheSameChallengeAgain() {
    ChallengeWindow w;
    w.StartByKeys(kLevel);
    const Challenge challenge = w.Current()->challenge;
    const QString caption = w.window.windowTitle();
    w.MakeMoves("add smiley");
    QVERIFY(w.Equation() != QString::fromStdString(challenge.equation));

    w.PressOnFocus(Qt::Key_R, Qt::ControlModifier);
    w.RunMs(kSettleMs);
    QCOMPARE(w.Equation(), QString::fromStdString(challenge.equation));
    QCOMPARE(w.Current()->challenge.seed, challenge.seed);
    QCOMPARE(w.window.windowTitle(), caption);
    QVERIFY(w.window.model().trail.Steps().empty());

    // Solved, started again and solved again: its stars are won once.
    w.Solve();
    QSignalSpy said(w.window.findChild<tarvelo::Announcer*>(), &tarvelo::Announcer::said);
    w.PressOnFocus(Qt::Key_R, Qt::ControlModifier);
    w.RunMs(kSettleMs);
    w.Solve();
    QCOMPARE(TimesSaid(said, kWellDone), 0);
    QCOMPARE(TimesSaid(said, kSolvedSaid + XIs(challenge)), 1);
    QCOMPARE(w.window.challenges().Store().Record(kLevel), (LevelRecord{2, 1}));
}

void ChallengeWindowTest::undoAndRedoFollowTheChallengeOnThePans() {
    ChallengeWindow w;
    // A lesson, as the desktop opens one: in problem mode.
    w.window.ExecuteHandOver(QLatin1Char('"') + kLessonXPlus2 + QLatin1Char('"'), [] {});
    w.RunMs(kSettleMs);
    QCOMPARE(w.window.model().controls.programMode(), ProgramMode::Problem);
    w.StartByKeys(kLevel);
    const Challenge first = w.Current()->challenge;
    w.Solve();
    w.PressOnFocus(Qt::Key_Space); // Next challenge
    w.RunMs(kSettleMs);
    const std::uint64_t second = w.Current()->challenge.seed;

    int stepsBack = 0; // undone and not redone yet
    const auto undo = [&](Qt::Key key) {
        w.PressOnFocus(key, Qt::ControlModifier);
        w.RunMs(kSettleMs);
        stepsBack += key == Qt::Key_Z ? 1 : -1;
    };
    // Back to the first challenge, solved: its praise and Next show again.
    undo(Qt::Key_Z);
    QCOMPARE(w.Current()->challenge.seed, first.seed);
    QVERIFY(w.InPanel<QWidget>("next")->isVisible());
    // Its moves, one a step, then the scene it replaced.
    while (w.Current() != nullptr && w.window.model().history().CanUndo()) {
        undo(Qt::Key_Z);
    }
    // The lesson: no challenge, and nothing of one in the panel.
    QVERIFY(w.Current() == nullptr);
    QVERIFY(!w.InPanel<QWidget>("task")->isVisible());
    QCOMPARE(w.Equation(), QStringLiteral("X + 2 = 5"));
    // Forward again as many steps: the second challenge.
    while (stepsBack > 0) {
        undo(Qt::Key_Y);
    }
    QCOMPARE(w.Current()->challenge.seed, second);
    QVERIFY(w.InPanel<QWidget>("task")->isVisible());
}

void ChallengeWindowTest::otherScenesEndTheChallengeMode_data() {
    using Leave = std::function<void(ChallengeWindow&)>;
    QTest::addColumn<Leave>("leave");
    QTest::addColumn<ProgramMode>("mode");
    QTest::newRow("a problem file opened")
        << Leave([](ChallengeWindow& w) { QVERIFY(w.window.OpenProblem(kLessonXPlus2)); })
        << ProgramMode::Problem;
    QTest::newRow("a new scene handed over")
        << Leave([](ChallengeWindow& w) { w.window.ExecuteHandOver(QString(), [] {}); })
        << ProgramMode::Free;
}

void ChallengeWindowTest::otherScenesEndTheChallengeMode() {
    using Leave = std::function<void(ChallengeWindow&)>;
    QFETCH(Leave, leave);
    QFETCH(ProgramMode, mode);
    ChallengeWindow w;
    w.StartByKeys(kLevel);
    leave(w);
    w.RunMs(kSettleMs);
    QCOMPARE(w.window.model().controls.programMode(), mode);
    QVERIFY(w.Current() == nullptr);
    QVERIFY(!w.InPanel<QWidget>("task")->isVisible());
}

void ChallengeWindowTest::theStoreKeepsEachLevelApart() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("records.ini"));
    tarvelo::ChallengeStore store(file);
    struct Case {
        std::int32_t level;
        std::uint64_t seedTaken;
        LevelRecord after; // the record after KeepSolved(level, stars)
        std::int32_t stars;
    };
    const Case cases[] = {
        {1, tarvelo::kFirstChallengeSeed, {2, 1}, 2},
        {1, tarvelo::kFirstChallengeSeed + 1, {3, 2}, 1},
        {3, tarvelo::kFirstChallengeSeed, {1, 1}, 1},
        {1, tarvelo::kFirstChallengeSeed + 2, {5, 3}, 2},
    };
    for (const Case& c : cases) {
        QCOMPARE(store.TakeNextSeed(c.level), c.seedTaken);
        store.KeepSolved(c.level, c.stars);
        QCOMPARE(store.Record(c.level), c.after);
    }
    QCOMPARE(store.Record(2), LevelRecord{});
    // A second store on the same file reads what the first kept; the user's settings hold none.
    QCOMPARE(tarvelo::ChallengeStore(file).Record(1), (LevelRecord{5, 3}));
    QCOMPARE(tarvelo::ChallengeStore().Record(1), LevelRecord{});
    // Counts kept at the most an int holds, or just under it, stay there.
    constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
    for (const std::int32_t kept : {kMost, kMost - 1}) {
        QSettings records(file, QSettings::IniFormat);
        records.setValue(QStringLiteral("challenges/level4/stars"), kept);
        records.setValue(QStringLiteral("challenges/level4/solved"), kept);
        records.sync();
        store.KeepSolved(4, 2);
        QCOMPARE(store.Record(4), (LevelRecord{kMost, kMost}));
    }
}

void ChallengeWindowTest::everyControlHasAnAccessibleName_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const std::pair<const char*, const char*> controls[] = {
        {"challengesHeading", "Choose a level. A challenge solved wins a star, and one more when "
                              "solved in the fewest moves."},
        {"level1", "Level 1: X + b = c"},
        {"record1", "Stars: 0, solved: 0."},
        {"start1", "Start level 1"},
        {"level2", "Level 2: aX = c"},
        {"start2", "Start level 2"},
        {"level3", "Level 3: aX + b = c"},
        {"start3", "Start level 3"},
        {"level4", "Level 4: aX + b = mX + n"},
        {"start4", "Start level 4"},
        {"level5", "Level 5: larger numbers: exchange and share"},
        {"start5", "Start level 5"},
        {"closeChallenges", "Close"},
    };
    for (const auto& [control, name] : controls) {
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf8(name);
    }
}

void ChallengeWindowTest::everyControlHasAnAccessibleName() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    ChallengeWindow w;
    w.window.ShowChallenges();
    QAccessibleInterface* read =
        QAccessible::queryAccessibleInterface(w.InChallenges<QWidget>(control));
    QVERIFY(read != nullptr);
    QCOMPARE(read->text(QAccessible::Name), name);
    // Every control that takes the focus is in this table.
    const QList<QWidget*> all = w.Challenges()->findChildren<QWidget*>();
    for (const QWidget* widget : all) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            QVERIFY2(!QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget))
                          ->text(QAccessible::Name)
                          .isEmpty(),
                     qPrintable(widget->objectName()));
        }
    }
}

QTEST_MAIN(ChallengeWindowTest)
#include "ChallengeWindowTest.moc"
