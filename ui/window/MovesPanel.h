// The moves panel under the scene: moves on the pans as wholes (a piece taken from or added to
// both, cubes split and joined, both pans shared into groups), what the last move did, the
// answer once the balance shows it, the lock of the pans, the check of an answer and the trail
// of equations. It asks for moves and checks by its signals; the window makes them.
#pragma once

#include "core/play/MoveScript.h"

#include <QStringList>
#include <QWidget>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace tarvelo {

// The panel's height in window pixels: it lies under the window's own controls, as wide as
// they are, and the window grows by its height while it is open. So the window with the panel
// fits a 1280 x 800 screen at 100 %.
constexpr int kMovesPanelHeight = 240;
// The least it is given on a screen too short for it: a row of controls, the rest scrolled to.
constexpr int kMovesPanelLeastHeight = 40;
// The value of Y that checkRequested gives when Y is not checked.
constexpr int kUncheckedY = -1;

// The challenge or the lesson on the pans as the panel shows it; all empty outside them.
struct PanelTask {
    QString title; // "Challenge: level 2", or the lesson's title
    QString goal;  // "Find X. Fewest moves: 3.", or the lesson's instruction
    // Once done: the stars won, to see, and the praise; the button to the next challenge or
    // lesson shows then, with `next` on it, unless there is none.
    QString stars;
    QString praise;
    QString next; // "Next challenge"
    bool operator==(const PanelTask&) const = default;
};

class MovesPanel : public QWidget {
    Q_OBJECT
  public:
    explicit MovesPanel(QWidget* parent);

    // The panel as it first opened: no last move, every choice and number at its first value.
    // For a new problem, which owes nothing to the last one's moves.
    void StartAfresh();
    // What the last move did, or why it was refused.
    void ShowStatus(const QString& sentence);
    // The answer the balance shows ("X = 3"); empty while it shows none.
    void ShowAnswer(const QString& answer);
    // The lock switch as the pans are, without lockToggled.
    void SetLocked(bool locked);
    // The trail of equations, a line to an item. Lines added bring the last into view; the line
    // the user stands on stays current while it is still there.
    void ShowTrail(const QStringList& lines);
    QStringList TrailLines() const;
    // Puts the trail on the clipboard as text, a line to a line.
    void CopyTrail() const;
    // Asks where to print the trail, and prints it there; says so when it did not get there.
    void PrintTrail();
    // What a print of the trail that did not get to `printer` says.
    static QString TrailNotPrintedMessage(const QPrinter& printer);

    // The challenge or lesson on the pans, above the moves; nothing while `task` is empty.
    void ShowTask(const PanelTask& task);
    // The sound switch and the reading of each balance aloud, without their signals.
    void ShowSound(bool on, bool speakBalances);
    // The focus goes to the button to the next challenge or lesson, once one is done.
    void FocusNext();

    // The control the focus goes to as the panel opens.
    QWidget* FirstControl() const;

  signals:
    void moveRequested(const ScriptMove& move);
    void lockToggled(bool locked);
    // An answer to check: X, and Y or kUncheckedY.
    void checkRequested(int x, int y);
    void closeRequested();
    // The Challenges and Lessons windows, and the next challenge or lesson once one is done.
    void challengesRequested();
    void lessonsRequested();
    // The sound switched on or off, and every settled balance read aloud or not.
    void soundToggled(bool on);
    void speakBalancesToggled(bool speak);
    void nextRequested();
    // The choice one of the panel's lists shows as it gets the focus, or a new one made in it
    // with the keyboard, to be said.
    void choiceMade(const QString& choice);

  private:
    // The panel's groups, top to bottom.
    QWidget* BuildTask();
    QWidget* BuildSameOnBoth();
    QWidget* BuildExchange();
    QWidget* BuildShare();
    QWidget* BuildResult();
    QWidget* BuildCheck();
    QWidget* BuildTrail();
    QWidget* BuildClose();
    // A number box from `lowest` to `highest`, named for a screen reader by its row's caption.
    QSpinBox* NumberBox(const char* name, int lowest, int highest);
    // The visible caption of `field`, which also names it for a screen reader.
    static QLabel* Caption(const QString& caption, QWidget* field);
    // The same for a list, whose choice is said as it gets the focus and as it changes.
    QLabel* ChoiceCaption(const QString& caption, QComboBox* choices);
    // A sign between fields, such as "+".
    static QLabel* Symbol(const QString& symbol);
    // `widgets` side by side.
    static QHBoxLayout* Row(std::initializer_list<QWidget*> widgets);
    // `groups` one above the other, at the top of their column.
    static QVBoxLayout* Column(std::initializer_list<QWidget*> groups);
    // Enter in `box` presses `button`, the move of its row.
    static void PressOnEnter(QSpinBox* box, QPushButton* button);
    void RequestOnBoth(MoveType type);
    void RequestExchange(MoveType type);

    QComboBox* kinds_ = nullptr;
    QComboBox* pan_ = nullptr;
    QSpinBox* n_ = nullptr;
    QSpinBox* a_ = nullptr;
    QSpinBox* b_ = nullptr;
    QSpinBox* groups_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* answer_ = nullptr;
    QCheckBox* lock_ = nullptr;
    QSpinBox* checkX_ = nullptr;
    QSpinBox* checkY_ = nullptr;
    QListWidget* trail_ = nullptr;
    QPushButton* copyTrail_ = nullptr;
    QPushButton* printTrail_ = nullptr;
    QWidget* task_ = nullptr;
    QLabel* taskTitle_ = nullptr;
    QLabel* taskGoal_ = nullptr;
    QLabel* praise_ = nullptr;
    QPushButton* next_ = nullptr;
    QCheckBox* sound_ = nullptr;
    QCheckBox* speakBalances_ = nullptr;
};

} // namespace tarvelo
