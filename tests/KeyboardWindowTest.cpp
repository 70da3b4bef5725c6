// The keyboard on the real widgets, offscreen: the focus order, playing without the pointer,
// the shortcuts, and what a screen reader is told.
#include "WindowFixture.h"
#include "core/base/Rest.h"
#include "core/play/ModelClock.h"
#include "core/world/SceneNavigation.h"
#include "ui/accessibility/Announcer.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <functional>

using tarvelo::PieceKind;
using tarvelo::test::AnswerNextDialog;
using tarvelo::test::ClockedWindow;

namespace {

QWidget* Focused() {
    return QApplication::focusWidget();
}

// The last sentence the window said to a screen reader.
QString Said(const QWidget& window) {
    const auto* announcer = window.findChild<tarvelo::Announcer*>();
    return announcer != nullptr ? announcer->LastSaid() : QString();
}

// Presses `key` on whatever has the focus.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QVERIFY(Focused());
    QTest::keyClick(Focused(), key, modifiers);
}

// A window that has the keyboard focus, the palette's first picture focused.
struct KeyboardWindow : ClockedWindow {
    KeyboardWindow() {
        window.activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&window));
        child<QWidget>("img21")->setFocus(Qt::TabFocusReason);
    }
    // From the palette's focused picture to the one of `kind`, with Home and Right.
    void ToPicture(PieceKind kind) {
        Press(Qt::Key_Home);
        while (Focused() !=
               child<QWidget>(qPrintable(QStringLiteral("img%1").arg(tarvelo::KindNumber(kind))))) {
            const QWidget* before = Focused();
            Press(Qt::Key_Right);
            QVERIFY2(Focused() != before, "the palette ended before the picture");
        }
    }
    QString Equation() { return child<QLabel>("lblEquazione")->text(); }
};

} // namespace

class KeyboardWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void tabGoesPaletteSceneButtonsInfo();
    void fiveLeftAndXRightWithoutThePointer();
    void aPieceCarriedToTheOtherPanAndDeleted();
    void f2AsksForTheValueOfX();
    void shortcutsPressOnlyTheButtonsShown();
    void theInformationWindowListsEveryShortcut();
    void undoAndRedoFromTheKeyboard();
    void theScreenReaderReadsPansAndAnnouncements();
    void theFirstFocusIsThePalettesFirstPicture();
    void aBalanceShownAsTheSceneComesToRestIsAnnounced();
    void theCarriedCopyLandsWhereItIsSaidToBe();
};

void KeyboardWindowTest::tabGoesPaletteSceneButtonsInfo() {
    KeyboardWindow w;
    QCOMPARE(Focused(), w.child<QWidget>("img21"));
    // Inside the palette the arrows move; Tab leaves it in one step.
    Press(Qt::Key_Right);
    QCOMPARE(Focused(), w.child<QWidget>("img10"));
    Press(Qt::Key_End);
    QCOMPARE(Focused(), w.child<QWidget>("img12"));
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        Press(Qt::Key_Tab);
        order << Focused()->objectName();
        if (Focused()->objectName() == QStringLiteral("lblEquazione")) {
            // The equation line, with its sign in words.
            QCOMPARE(Focused()->accessibleName(), QStringLiteral("0 = 0"));
            QCOMPARE(Focused()->accessibleDescription(), QStringLiteral("both sides equal"));
        }
    }
    // Free mode: Restart is hidden and skipped; then round to the palette's current picture.
    QCOMPARE(order, (QStringList{"pictDrawClient", "lblEquazione", "Command2", "Command3",
                                 "Command4", "Command1", "lblInfo", "img12"}));
    // Back in the palette, a screen reader hears what its keys do.
    QVERIFY2(Said(w.window).startsWith(QStringLiteral("Pieces to add.")),
             qPrintable(Said(w.window)));
    // The focus is framed wherever it is.
    auto* frame = w.child<QWidget>("focusFrame");
    QVERIFY(frame->isVisible());
    const QRect picture(Focused()->mapTo(&w.window, QPoint()), Focused()->size());
    // Two pixels all round the picture, just outside it.
    QCOMPARE(frame->geometry(), picture.adjusted(-2, -2, 2, 2));
}

void KeyboardWindowTest::fiveLeftAndXRightWithoutThePointer() {
    KeyboardWindow w;
    auto& m = w.window.model();
    w.ToPicture(PieceKind::kFive);
    Press(Qt::Key_Return); // picked up over the left pan
    QVERIFY(w.child<QWidget>("dragImgInt")->isVisible());
    Press(Qt::Key_Space); // dropped
    w.ToPicture(PieceKind::kX);
    Press(Qt::Key_Enter);
    Press(Qt::Key_PageDown);
    Press(Qt::Key_Return);
    w.RunMs(4000);
    const int x = m.scene.xValue();
    const QString sign = x < 5 ? ">" : (x > 5 ? "<" : "=");
    QCOMPARE(w.Equation(), "5 " + sign + " X");
    QCOMPARE(w.child<QLabel>("lblComparison")->text(), sign);

    // Escape takes a copy back: nothing is added.
    Press(Qt::Key_Return);
    Press(Qt::Key_Escape);
    w.RunMs(1000);
    QCOMPARE(m.scene.objCount(), 4);
    QVERIFY(!w.child<QWidget>("dragImgInt")->isVisible());
}

void KeyboardWindowTest::aPieceCarriedToTheOtherPanAndDeleted() {
    KeyboardWindow w;
    auto& m = w.window.model();
    w.ToPicture(PieceKind::kThree);
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    w.RunMs(3000);
    QCOMPARE(w.Equation(), QStringLiteral("3 > 0"));

    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), w.window.sceneCanvas());
    Press(Qt::Key_Right); // the cursor on the 3
    QCOMPARE(m.keyboard.cursor(), 3);
    Press(Qt::Key_Return);
    Press(Qt::Key_Up);
    Press(Qt::Key_PageDown);
    w.RunMs(200); // held where the keys put it
    QCOMPARE(m.HeldPiece(), 3);
    Press(Qt::Key_Return);
    w.RunMs(3000);
    QCOMPARE(w.Equation(), QStringLiteral("0 < 3"));

    Press(Qt::Key_Delete);
    w.RunMs(3000);
    QCOMPARE(m.scene.objCount(), 2);
    QCOMPARE(w.Equation(), QStringLiteral("0 = 0"));
}

void KeyboardWindowTest::f2AsksForTheValueOfX() {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {{Qt::Key_F2, {}}, {Qt::Key_Menu, {}}, {Qt::Key_F10, Qt::ShiftModifier}};
    for (const auto& k : keys) {
        KeyboardWindow w;
        int asked = 0;
        w.window.model().inputBox = [&](const std::string& title, const std::string&,
                                        const std::string&) {
            ++asked;
            return std::optional<std::string>(title == "X" ? "4" : "");
        };
        w.ToPicture(PieceKind::kX);
        Press(k.key, k.modifiers);
        QCOMPARE(asked, 1);
        QCOMPARE(w.window.model().scene.xValue(), 4);
        // On a number cube the key means nothing.
        w.ToPicture(PieceKind::kFive);
        Press(k.key, k.modifiers);
        QCOMPARE(asked, 1);
    }
}

void KeyboardWindowTest::shortcutsPressOnlyTheButtonsShown() {
    const struct {
        const char* button;
        QKeySequence shortcut;
        bool problemMode;
        bool shown;       // the button is there to press
        bool opensDialog; // a file dialog, or the message that the problem file is missing
    } cases[] = {
        {"Command2", QKeySequence(Qt::CTRL | Qt::Key_N), false, true, false},
        {"Command3", QKeySequence(Qt::CTRL | Qt::Key_O), false, true, true},
        {"Command4", QKeySequence(Qt::CTRL | Qt::Key_S), false, true, true},
        {"Command5", QKeySequence(Qt::CTRL | Qt::Key_R), true, true, true},
        {"Command1", QKeySequence(Qt::CTRL | Qt::Key_L), false, true, false},
        {"Command1", QKeySequence(Qt::CTRL | Qt::Key_L), true, true, false},
        {"Command2", QKeySequence(Qt::CTRL | Qt::Key_N), true, false, false},
        {"Command3", QKeySequence(Qt::CTRL | Qt::Key_O), true, false, false},
        {"Command4", QKeySequence(Qt::CTRL | Qt::Key_S), true, false, false},
        {"Command5", QKeySequence(Qt::CTRL | Qt::Key_R), false, false, false},
    };
    for (const auto& c : cases) {
        KeyboardWindow w;
        if (c.problemMode) {
            w.window.model().controls.UpdateProgramMode(tarvelo::ProgramMode::Problem);
            w.window.SyncFromModel();
        }
        auto* button = w.child<QPushButton>(c.button);
        QCOMPARE(!button->isHidden(), c.shown);
        int clicks = 0;
        QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
        if (c.opensDialog) {
            AnswerNextDialog([](QWidget* d) { d->close(); });
        }
        QTest::keySequence(&w.window, c.shortcut);
        QCOMPARE(clicks, c.shown ? 1 : 0);
    }
    // F1 opens the information window; Enter on the focused "i" too.
    for (bool withKey : {true, false}) {
        KeyboardWindow w;
        QString title;
        AnswerNextDialog([&](QWidget* d) {
            title = d->windowTitle();
            d->close();
        });
        if (withKey) {
            QTest::keyClick(&w.window, Qt::Key_F1);
        } else {
            w.child<QWidget>("lblInfo")->setFocus(Qt::TabFocusReason);
            Press(Qt::Key_Return);
        }
        QCOMPARE(title, QStringLiteral("Tarvelo"));
    }
    // Enter presses the focused button.
    KeyboardWindow w;
    auto* solution = w.child<QPushButton>("Command1");
    solution->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Return);
    QCOMPARE(solution->text(), QStringLiteral("Hide solution"));
}

void KeyboardWindowTest::theInformationWindowListsEveryShortcut() {
    KeyboardWindow w;
    QString keys;
    AnswerNextDialog([&](QWidget* d) {
        for (const QLabel* line :
             d->findChild<QWidget*>(QStringLiteral("keyList"))->findChildren<QLabel*>()) {
            keys += line->text() + QLatin1Char('\n');
        }
        d->close();
    });
    QTest::keyClick(&w.window, Qt::Key_F1);
    // Below the keys, the version and the licence, as --version says them.
    QVERIFY2(keys.contains(QStringLiteral("Licence: GPL-3.0-or-later")), qPrintable(keys));
    const auto shortcuts = w.window.findChildren<QShortcut*>();
    QVERIFY(!shortcuts.isEmpty());
    for (const QShortcut* shortcut : shortcuts) {
        const QString key = shortcut->key().toString(QKeySequence::NativeText);
        QVERIFY2(keys.contains(key), qPrintable(key));
    }
}

void KeyboardWindowTest::undoAndRedoFromTheKeyboard() {
    KeyboardWindow w;
    auto& m = w.window.model();
    w.RunMs(500); // the empty scene at rest
    w.ToPicture(PieceKind::kFive);
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    w.RunMs(3000);
    QCOMPARE(w.Equation(), QStringLiteral("5 > 0"));
    Press(Qt::Key_Tab);
    Press(Qt::Key_Right);
    Press(Qt::Key_Delete);
    w.RunMs(3000);
    QCOMPARE(w.Equation(), QStringLiteral("0 = 0"));

    const struct {
        QKeySequence keys;
        const char* equation;
        const char* told;
    } steps[] = {
        // Each step is named by what it undoes or redoes.
        {QKeySequence(Qt::CTRL | Qt::Key_Z), "5 > 0", "Undone: removed cube 5."},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), "0 = 0", "Redone: removed cube 5."},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), "5 > 0", "Undone: removed cube 5."},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), "0 = 0", "Redone: removed cube 5."},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), "0 = 0", "Nothing to redo."},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), "5 > 0", "Undone: removed cube 5."},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), "0 = 0", "Undone: dropped cube 5."},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), "0 = 0", "Nothing to undo."},
    };
    for (const auto& step : steps) {
        QTest::keySequence(&w.window, step.keys);
        QCOMPARE(Said(w.window), QString::fromLatin1(step.told));
        w.RunMs(3000);
        QCOMPARE(w.Equation(), QString::fromLatin1(step.equation));
    }
    QCOMPARE(m.scene.objCount(), 2);

    // Undo while New lets the scene fall out waits, and says so rather than that there is
    // nothing to undo.
    QTest::keySequence(&w.window, QKeySequence(Qt::CTRL | Qt::Key_Y));
    w.RunMs(3000);
    QCOMPARE(w.Equation(), QStringLiteral("5 > 0"));
    QString toldWhileEmptying;
    const std::function<void()> wait = m.processPendingEvents;
    m.processPendingEvents = [&] {
        if (toldWhileEmptying.isEmpty() && m.IsCleaning()) {
            QTest::keySequence(&w.window, QKeySequence(Qt::CTRL | Qt::Key_Z));
            toldWhileEmptying = Said(w.window);
        }
        wait();
    };
    QTest::keySequence(&w.window, QKeySequence(Qt::CTRL | Qt::Key_N));
    m.processPendingEvents = wait;
    QCOMPARE(toldWhileEmptying, QStringLiteral("Wait a moment: the new scene is being made."));
    QCOMPARE(m.scene.objCount(), 2);
}

void KeyboardWindowTest::theScreenReaderReadsPansAndAnnouncements() {
    KeyboardWindow w;
    w.ToPicture(PieceKind::kX);
    for (int i = 0; i < 3; ++i) {
        Press(Qt::Key_Return);
        Press(Qt::Key_Return);
        w.RunMs(1500);
    }
    w.ToPicture(PieceKind::kSmiley);
    Press(Qt::Key_Return);
    QVERIFY(Said(w.window).startsWith("smiley picked up, over the left pan"));
    Press(Qt::Key_Return);
    QCOMPARE(Said(w.window), QStringLiteral("smiley dropped."));
    w.RunMs(3000);
    // The settled balance was told; the focused picture still describes what is its own, so
    // that "where am I" reads the present, not the last sentence told.
    QCOMPARE(Said(w.window), QStringLiteral("left side heavier: 3X + 1 > 0"));
    QVERIFY(!Focused()->accessibleDescription().contains(QStringLiteral("heavier")));

    QAccessibleInterface* scene = QAccessible::queryAccessibleInterface(w.window.sceneCanvas());
    QVERIFY(scene);
    QAccessibleInterface* list = scene->child(0);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->childCount(), 2);
    QAccessibleInterface* left = list->child(0);
    QCOMPARE(left->text(QAccessible::Name),
             QStringLiteral("left pan: 3 X, a smiley; total 3X + 1"));
    QCOMPARE(list->child(1)->text(QAccessible::Name), QStringLiteral("right pan: empty; total 0"));
    QCOMPARE(left->childCount(), 4);
    QCOMPARE(left->child(0)->text(QAccessible::Name).section(',', 1).trimmed(),
             QStringLiteral("on the left pan"));
    QCOMPARE(left->child(0)->parent(), left);
    QCOMPARE(list->indexOfChild(left), 0);
    // With the solution shown, an X says its value; hidden again, it does not.
    const QString hidden = left->child(0)->text(QAccessible::Name);
    QVERIFY(hidden.startsWith(QStringLiteral("unknown X, on")));
    // A piece higher up says what it stands on: the smiley, dropped onto the three X.
    QStringList pieces;
    for (int i = 0; i < left->childCount(); ++i) {
        pieces << left->child(i)->text(QAccessible::Name);
    }
    QVERIFY2(pieces.contains(QStringLiteral("smiley, on unknown X on the left pan")),
             qPrintable(pieces.join(QLatin1Char('|'))));
    const auto& model = w.window.model().scene;
    w.window.ToggleSolution();
    QCOMPARE(left->child(0)->text(QAccessible::Name),
             QStringLiteral("unknown X, which is %1, on the left pan").arg(model.xValue()));
    QCOMPARE(Said(w.window), QStringLiteral("Solution shown: X is %1, Y is %2.")
                                 .arg(model.xValue())
                                 .arg(model.yValue()));
    w.window.ToggleSolution();
    QCOMPARE(left->child(0)->text(QAccessible::Name), hidden);
    QCOMPARE(Said(w.window), QStringLiteral("Solution hidden."));
    // The buttons stand beside the list on the scene.
    bool buttonFound = false;
    for (int i = 1; i < scene->childCount(); ++i) {
        buttonFound = buttonFound || scene->child(i)->text(QAccessible::Name) == "Show solution";
    }
    QVERIFY(buttonFound);

    // The palette pictures are named buttons; the sign and the equation are named labels.
    QAccessibleInterface* five = QAccessible::queryAccessibleInterface(w.child<QWidget>("img5"));
    QCOMPARE(five->role(), QAccessible::Button);
    QCOMPARE(five->text(QAccessible::Name), QStringLiteral("cube 5"));
    // What the palette's keys do is said once, as it gets the focus, not on every picture; X
    // and Y add their own key.
    QCOMPARE(five->text(QAccessible::Description), QString());
    QCOMPARE(w.child<QWidget>("img11")->accessibleDescription(),
             QStringLiteral("F2 sets its value."));
    QCOMPARE(w.child<QLabel>("lblComparison")->accessibleName(),
             QStringLiteral("left side heavier"));
    QCOMPARE(w.child<QLabel>("lblEquazione")->accessibleName(), QStringLiteral("3X + 1 > 0"));
    // Ctrl+B says the balance again, Ctrl+Shift+B what each pan holds.
    QTest::keySequence(&w.window, QKeySequence(Qt::CTRL | Qt::Key_B));
    QCOMPARE(Said(w.window), QStringLiteral("left side heavier: 3X + 1 > 0"));
    QTest::keySequence(&w.window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    QCOMPARE(Said(w.window),
             QStringLiteral("left pan: 3 X, a smiley; total 3X + 1. right pan: empty; total 0."));
}

void KeyboardWindowTest::theFirstFocusIsThePalettesFirstPicture() {
    ClockedWindow w;
    w.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QCOMPARE(Focused(), w.child<QWidget>("img21"));
}

void KeyboardWindowTest::aBalanceShownAsTheSceneComesToRestIsAnnounced() {
    KeyboardWindow w;
    // Two 9 tilt the pans fully; a 1 more changes the line but moves no pan, so the scene rests
    // soon after the 1 lands. The clock stops there, as the window's timers then go to sleep.
    for (PieceKind cube : {PieceKind::kNine, PieceKind::kNine, PieceKind::kOne}) {
        w.ToPicture(cube);
        Press(Qt::Key_Return);
        Press(Qt::Key_Return);
        QVERIFY(tarvelo::SettleOnClock(w.clock, w.window.model(), 10000).rested);
    }
    QCOMPARE(w.Equation(), QStringLiteral("19 > 0"));
    QCOMPARE(Said(w.window), QStringLiteral("left side heavier: 19 > 0"));
}

void KeyboardWindowTest::theCarriedCopyLandsWhereItIsSaidToBe() {
    // A cube carried across the whole scene in small steps, dropped at each place: it lands on
    // the pan it was said to be over, or on none, also where it reaches past a pan's end.
    KeyboardWindow w;
    const auto& scene = w.window.model().scene;
    w.ToPicture(PieceKind::kOne);
    const QString words[] = {QStringLiteral("over no pan"), QStringLiteral("over the left pan"),
                             QStringLiteral("over the right pan")};
    constexpr int kFineSteps = 4; // 20 pixels at a time
    constexpr int kFineStepPixels = 5;
    const int places = w.window.sceneCanvas()->width() / (kFineSteps * kFineStepPixels);
    for (int place = 0; place <= places; ++place) {
        Press(Qt::Key_Return);
        constexpr int kToTheLeftEdge = 25; // more piece widths than the scene is wide
        for (int step = 0; step < kToTheLeftEdge; ++step) {
            Press(Qt::Key_Left);
        }
        for (int step = 0; step < place * kFineSteps; ++step) {
            Press(Qt::Key_Right, Qt::ShiftModifier);
        }
        const QString said = Said(w.window);
        Press(Qt::Key_Return);
        QVERIFY(tarvelo::SettleOnClock(w.clock, w.window.model(), 10000).rested);
        // The new piece, or none when it fell out of the scene.
        const std::int32_t dropped = scene.objCount();
        const std::int32_t pan =
            dropped >= tarvelo::kFirstPiece ? std::max(scene.PanCarrying(dropped), 0) : 0;
        QVERIFY2(said.contains(words[pan]),
                 qPrintable(QStringLiteral("said \"%1\", landed on %2").arg(said).arg(pan)));
        if (dropped >= tarvelo::kFirstPiece) {
            QTest::keySequence(&w.window, QKeySequence(Qt::CTRL | Qt::Key_Z));
            QVERIFY(tarvelo::SettleOnClock(w.clock, w.window.model(), 10000).rested);
        }
    }
}

QTEST_MAIN(KeyboardWindowTest)
#include "KeyboardWindowTest.moc"
