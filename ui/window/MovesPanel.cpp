// The moves panel's controls, group by group, and what each asks for.
#include "ui/window/MovesPanel.h"

#include "core/world/Scene.h"
#include "ui/accessibility/ChoiceTeller.h"
#include "ui/accessibility/ItemTellingList.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/window/KeyMap.h"
#include "ui/window/PlainText.h"
#include "ui/window/TrailPrinting.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>
#include <initializer_list>

namespace tarvelo {

namespace {

// The pieces the kind chooser offers, in its order: the cubes from 0 up, the unknowns, the smiley.
constexpr std::array kChoosableKinds = {
    PieceKind::kZero, PieceKind::kOne, PieceKind::kTwo,    PieceKind::kThree, PieceKind::kFour,
    PieceKind::kFive, PieceKind::kSix, PieceKind::kSeven,  PieceKind::kEight, PieceKind::kNine,
    PieceKind::kX,    PieceKind::kY,   PieceKind::kSmiley,
};

// The number boxes' ranges: the numbers a cube bears, and the groups a share makes.
constexpr int kLowestCube = 0;
constexpr int kHighestCube = 9;
constexpr int kFewestGroups = 2;
constexpr int kMostGroups = 9;
// What the split row offers first: an example that reads at once.
constexpr int kFirstN = 5;
constexpr int kFirstA = 2;
constexpr int kFirstB = 3;

// Room around and between the groups and their rows, in pixels.
constexpr int kGroupSpacing = 2;
constexpr int kGroupMargin = 2;

// The trail shows at least a few lines; it takes what height the groups above and below leave.
constexpr int kTrailLinesShown = 3;
// The task's words and its praise each take this many times the room of the button to the next
// task, which is so never short of room for its caption.
constexpr int kTaskTextShare = 2;
// How much of a task's title and goal the panel shows: room for the longest of the program's own
// lessons, in every language.
constexpr int kTitleLinesShown = 1;
constexpr int kTitleCharactersShown = 80;
constexpr int kGoalLinesShown = 3;
constexpr int kGoalCharactersShown = 320;
// The columns of groups side by side: the moves on both pans, the exchange, the last move and
// the check, the trail.
constexpr int kColumns = 4;

const QString kYNotChecked = QStringLiteral("\u2014"); // a dash: no value

QPushButton* MakeButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    // Enter presses a button of the panel, as Space does.
    button->setAutoDefault(true);
    return button;
}

QGroupBox* MakeGroup(const QString& title, const char* name) {
    auto* group = new QGroupBox(title);
    group->setObjectName(QString::fromLatin1(name));
    group->setFlat(true);
    return group;
}

// Rows of a group, close together: the panel holds a lot in the window's height.
QVBoxLayout* RowsOf(QGroupBox* group) {
    auto* rows = new QVBoxLayout(group);
    rows->setContentsMargins(kGroupMargin, kGroupMargin, kGroupMargin, kGroupMargin);
    rows->setSpacing(kGroupMargin);
    return rows;
}

} // namespace

MovesPanel::MovesPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("movesPanel"));
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(kGroupMargin, 0, kGroupMargin, kGroupMargin);
    grid->setSpacing(kGroupSpacing);
    // The groups are made in the order Tab goes through their controls: the task, then down
    // each column from the left, then the row at the foot. So the keys follow the eyes.
    QWidget* task = BuildTask();
    QWidget* sameOnBoth = BuildSameOnBoth();
    QWidget* share = BuildShare();
    QWidget* exchange = BuildExchange();
    QWidget* result = BuildResult();
    QWidget* check = BuildCheck();
    QWidget* trail = BuildTrail();
    QWidget* foot = BuildClose();
    grid->addWidget(task, 0, 0, 1, kColumns);
    grid->addLayout(Column({sameOnBoth, share}), 1, 0);
    grid->addLayout(Column({exchange}), 1, 1);
    grid->addLayout(Column({result, check}), 1, 2);
    grid->addWidget(trail, 1, kColumns - 1);
    grid->addWidget(foot, 2, 0, 1, kColumns);
    for (int column = 0; column < kColumns; ++column) {
        grid->setColumnStretch(column, 1);
    }
    // The trail takes the height the moves leave.
    grid->setRowStretch(1, 1);
    // Should a language's long words need more room than the panel has, it scrolls rather than
    // cut a control off; in the five languages it has, everything shows at once.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("movesScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    // Escape anywhere in the panel closes it: outside the palette and the scene it means nothing
    // else, and what the keyboard carried was put down as the focus came here.
    auto* escape = new QShortcut(kCloseMovesPanelKey, this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &MovesPanel::closeRequested);
    StartAfresh();
}

void MovesPanel::StartAfresh() {
    // Quietly: nobody chose these, so a screen reader is not told of them as choices.
    const QSignalBlocker quietKinds(kinds_);
    const QSignalBlocker quietPan(pan_);
    kinds_->setCurrentIndex(0);
    pan_->setCurrentIndex(0);
    n_->setValue(kFirstN);
    a_->setValue(kFirstA);
    b_->setValue(kFirstB);
    groups_->setValue(kFewestGroups);
    checkX_->setValue(kLowestCube);
    checkY_->setValue(kUncheckedY);
    status_->setText(tr("No move made yet."));
}

QWidget* MovesPanel::BuildTask() {
    QGroupBox* group = MakeGroup(QString(), "task");
    task_ = group;
    QVBoxLayout* rows = RowsOf(group);
    taskTitle_ = new QLabel;
    taskTitle_->setObjectName(QStringLiteral("taskTitle"));
    QFont bold = taskTitle_->font();
    bold.setBold(true);
    taskTitle_->setFont(bold);
    taskTitle_->setWordWrap(true);
    taskGoal_ = new QLabel;
    taskGoal_->setObjectName(QStringLiteral("taskGoal"));
    taskGoal_->setWordWrap(true);
    // Across the panel, a line where the words allow: what to do on the left, its title first,
    // once done the praise and the way on beside it.
    auto* what = new QHBoxLayout;
    what->addWidget(taskTitle_);
    what->addWidget(taskGoal_, 1);
    praise_ = new QLabel;
    praise_->setObjectName(QStringLiteral("praise"));
    praise_->setWordWrap(true);
    // A lesson's title and instruction are a teacher's words, and the praise repeats them: shown
    // as written.
    for (QLabel* label : {taskTitle_, taskGoal_, praise_}) {
        ShowAsWritten(label);
    }
    next_ = MakeButton(QString(), "next");
    connect(next_, &QPushButton::clicked, this, &MovesPanel::nextRequested);
    auto* across = new QHBoxLayout;
    across->addLayout(what, kTaskTextShare);
    across->addWidget(praise_, kTaskTextShare);
    across->addWidget(next_, 1);
    rows->addLayout(across);
    ShowTask({});
    return group;
}

QWidget* MovesPanel::BuildSameOnBoth() {
    QGroupBox* group = MakeGroup(tr("Same on both pans"), "sameOnBoth");
    QVBoxLayout* rows = RowsOf(group);
    kinds_ = new QComboBox;
    kinds_->setObjectName(QStringLiteral("moveKind"));
    for (const PieceKind kind : kChoosableKinds) {
        kinds_->addItem(KindName(kind));
    }
    rows->addLayout(Row({ChoiceCaption(tr("Piece"), kinds_), kinds_}));
    QPushButton* take = MakeButton(tr("Take from both pans"), "takeFromBoth");
    QPushButton* add = MakeButton(tr("Add to both pans"), "addToBoth");
    connect(take, &QPushButton::clicked, this, [this] { RequestOnBoth(MoveType::Take); });
    connect(add, &QPushButton::clicked, this, [this] { RequestOnBoth(MoveType::Add); });
    rows->addWidget(take);
    rows->addWidget(add);
    return group;
}

QWidget* MovesPanel::BuildExchange() {
    QGroupBox* group = MakeGroup(tr("Exchange cubes on one pan"), "exchange");
    QVBoxLayout* rows = RowsOf(group);
    pan_ = new QComboBox;
    pan_->setObjectName(QStringLiteral("exchangePan"));
    pan_->addItem(tr("left pan"), kLeftPan);
    pan_->addItem(tr("right pan"), kRightPan);
    rows->addLayout(Row({ChoiceCaption(tr("Pan"), pan_), pan_}));
    // The three boxes read as the exchange itself: N → A + B.
    n_ = NumberBox("splitN", kLowestCube, kHighestCube);
    a_ = NumberBox("cubeA", kLowestCube, kHighestCube);
    b_ = NumberBox("cubeB", kLowestCube, kHighestCube);
    n_->setAccessibleName(tr("N, the cube to split"));
    a_->setAccessibleName(tr("A, the first cube"));
    b_->setAccessibleName(tr("B, the second cube"));
    rows->addLayout(
        Row({n_, Symbol(QStringLiteral("\u2192")), a_, Symbol(QStringLiteral("+")), b_}));
    QPushButton* split = MakeButton(tr("Split N into A + B"), "split");
    QPushButton* join = MakeButton(tr("Join A + B"), "join");
    connect(split, &QPushButton::clicked, this, [this] { RequestExchange(MoveType::Split); });
    connect(join, &QPushButton::clicked, this, [this] { RequestExchange(MoveType::Join); });
    for (QSpinBox* box : {n_, a_, b_}) {
        PressOnEnter(box, split);
    }
    rows->addWidget(split);
    rows->addWidget(join);
    return group;
}

QWidget* MovesPanel::BuildShare() {
    QGroupBox* group = MakeGroup(tr("Share both pans"), "sharing");
    QVBoxLayout* rows = RowsOf(group);
    groups_ = NumberBox("shareGroups", kFewestGroups, kMostGroups);
    QPushButton* share = MakeButton(tr("Share into equal groups"), "share");
    connect(share, &QPushButton::clicked, this, [this] {
        ScriptMove move;
        move.type = MoveType::Share;
        move.numbers = {groups_->value()};
        emit moveRequested(move);
    });
    PressOnEnter(groups_, share);
    rows->addLayout(Row({Caption(tr("Groups"), groups_), groups_}));
    rows->addWidget(share);
    return group;
}

QWidget* MovesPanel::BuildResult() {
    QGroupBox* group = MakeGroup(tr("Last move"), "result");
    QVBoxLayout* rows = RowsOf(group);
    status_ = new QLabel;
    ShowAsWritten(status_); // a refusal may name a file
    status_->setObjectName(QStringLiteral("moveStatus"));
    status_->setWordWrap(true);
    rows->addWidget(status_);
    answer_ = new QLabel;
    answer_->setObjectName(QStringLiteral("answer"));
    // The answer names itself by its text ("X = 3"): only its caption says "Answer".
    auto* caption = new QLabel(tr("Answer"));
    caption->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    rows->addLayout(Row({caption, answer_}));
    ShowAnswer({});
    return group;
}

QWidget* MovesPanel::BuildCheck() {
    QGroupBox* group = MakeGroup(tr("Check an answer"), "checking");
    QVBoxLayout* rows = RowsOf(group);
    lock_ = new QCheckBox(tr("Lock both pans"));
    lock_->setObjectName(QStringLiteral("lockPans"));
    connect(lock_, &QCheckBox::toggled, this, &MovesPanel::lockToggled);
    rows->addWidget(lock_);
    checkX_ = NumberBox("checkX", kLowestCube, kHighestCube);
    // Below the numbers, one value more: Y not checked.
    checkY_ = NumberBox("checkY", kUncheckedY, kHighestCube);
    checkY_->setSpecialValueText(kYNotChecked);
    QPushButton* check = MakeButton(tr("Check"), "check");
    connect(check, &QPushButton::clicked, this,
            [this] { emit checkRequested(checkX_->value(), checkY_->value()); });
    PressOnEnter(checkX_, check);
    PressOnEnter(checkY_, check);
    rows->addLayout(Row({Caption(tr("Value of X"), checkX_), checkX_,
                         Caption(tr("Value of Y"), checkY_), checkY_}));
    rows->addWidget(check);
    return group;
}

QWidget* MovesPanel::BuildTrail() {
    const QString title = tr("Trail of equations");
    QGroupBox* group = MakeGroup(title, "trailGroup");
    QVBoxLayout* rows = RowsOf(group);
    trail_ = new ItemTellingList;
    trail_->setObjectName(QStringLiteral("trail"));
    trail_->setAccessibleName(title);
    trail_->setMinimumHeight(trail_->fontMetrics().lineSpacing() * kTrailLinesShown);
    // Its height is what the moves leave, never what its lines would like.
    trail_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    rows->addWidget(trail_);
    copyTrail_ = MakeButton(tr("Copy trail"), "copyTrail");
    printTrail_ = MakeButton(tr("Print trail\u2026"), "printTrail");
    connect(copyTrail_, &QPushButton::clicked, this, [this] { CopyTrail(); });
    connect(printTrail_, &QPushButton::clicked, this, [this] { PrintTrail(); });
    rows->addWidget(copyTrail_);
    rows->addWidget(printTrail_);
    ShowTrail({});
    return group;
}

QWidget* MovesPanel::BuildClose() {
    QPushButton* challenges = MakeButton(tr("Challenges\u2026"), "openChallenges");
    challenges->setAccessibleDescription(kChallengesKey.toString(QKeySequence::NativeText));
    connect(challenges, &QPushButton::clicked, this, &MovesPanel::challengesRequested);
    QPushButton* lessons = MakeButton(tr("Lessons\u2026"), "openLessons");
    lessons->setAccessibleDescription(kLessonsKey.toString(QKeySequence::NativeText));
    connect(lessons, &QPushButton::clicked, this, &MovesPanel::lessonsRequested);
    QPushButton* close = MakeButton(tr("Close the panel"), "closeMovesPanel");
    close->setAccessibleDescription(kMovesPanelKey.toString(QKeySequence::NativeText));
    connect(close, &QPushButton::clicked, this, &MovesPanel::closeRequested);
    sound_ = new QCheckBox(tr("Sound"));
    sound_->setObjectName(QStringLiteral("sound"));
    sound_->setAccessibleDescription(kSoundKey.toString(QKeySequence::NativeText));
    connect(sound_, &QCheckBox::toggled, this, &MovesPanel::soundToggled);
    speakBalances_ = new QCheckBox(tr("Read each balance aloud"));
    speakBalances_->setObjectName(QStringLiteral("speakBalances"));
    connect(speakBalances_, &QCheckBox::toggled, this, &MovesPanel::speakBalancesToggled);
    // The switches on the left; the buttons share the right half, whatever their words' length.
    auto* buttons = new QWidget;
    QHBoxLayout* row = Row({sound_, speakBalances_});
    row->addStretch(1);
    for (QWidget* button : {challenges, lessons, close}) {
        row->addWidget(button, 1);
    }
    row->setContentsMargins(0, 0, 0, 0);
    buttons->setLayout(row);
    return buttons;
}

QSpinBox* MovesPanel::NumberBox(const char* name, int lowest, int highest) {
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(lowest, highest);
    // One digit wide: the room goes to the captions and buttons beside it.
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

QLabel* MovesPanel::Caption(const QString& caption, QWidget* field) {
    field->setAccessibleName(caption);
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    // As wide as its words: the room goes to the field and the buttons.
    label->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    return label;
}

QLabel* MovesPanel::ChoiceCaption(const QString& caption, QComboBox* choices) {
    QLabel* label = Caption(caption, choices);
    TellChoices(choices, [this](const QString& choice) { emit choiceMade(choice); });
    return label;
}

QLabel* MovesPanel::Symbol(const QString& symbol) {
    auto* label = new QLabel(symbol);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QVBoxLayout* MovesPanel::Column(std::initializer_list<QWidget*> groups) {
    auto* column = new QVBoxLayout;
    column->setSpacing(kGroupSpacing);
    for (QWidget* group : groups) {
        column->addWidget(group);
    }
    // The groups at the top; what room is left stays below them.
    column->addStretch(1);
    return column;
}

QHBoxLayout* MovesPanel::Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    return row;
}

void MovesPanel::PressOnEnter(QSpinBox* box, QPushButton* button) {
    // A number box says Enter through its line's returnPressed, whichever of the two had the key.
    if (auto* line = box->findChild<QLineEdit*>()) {
        connect(line, &QLineEdit::returnPressed, button, [box, button] {
            box->interpretText();
            button->click();
        });
    }
}

void MovesPanel::RequestOnBoth(MoveType type) {
    ScriptMove move;
    move.type = type;
    move.kind = kChoosableKinds.at(static_cast<std::size_t>(kinds_->currentIndex()));
    emit moveRequested(move);
}

void MovesPanel::RequestExchange(MoveType type) {
    ScriptMove move;
    move.type = type;
    move.pan = pan_->currentData().toInt();
    move.numbers = type == MoveType::Split ? std::vector{n_->value(), a_->value(), b_->value()}
                                           : std::vector{a_->value(), b_->value()};
    emit moveRequested(move);
}

void MovesPanel::ShowStatus(const QString& sentence) {
    status_->setText(sentence);
}

void MovesPanel::ShowAnswer(const QString& answer) {
    answer_->setText(answer.isEmpty() ? tr("not shown yet") : answer);
}

void MovesPanel::SetLocked(bool locked) {
    const QSignalBlocker quiet(lock_);
    lock_->setChecked(locked);
}

void MovesPanel::ShowTrail(const QStringList& lines) {
    const QStringList shown = TrailLines();
    if (lines != shown) {
        // The lines both have stay, and so does the current one among them: a step come to
        // rest rewrites only its own line, undo takes lines off the end, a move adds some.
        qsizetype same = 0;
        while (same < shown.size() && same < lines.size() && shown[same] == lines[same]) {
            ++same;
        }
        const int current = trail_->currentRow();
        while (trail_->count() > same) {
            delete trail_->takeItem(trail_->count() - 1);
        }
        trail_->addItems(lines.mid(same));
        if (current >= 0 && current < trail_->count()) {
            trail_->setCurrentRow(current);
        }
        if (lines.size() > same) {
            trail_->scrollToBottom();
        }
    }
    copyTrail_->setEnabled(!lines.isEmpty());
    printTrail_->setEnabled(!lines.isEmpty());
}

QStringList MovesPanel::TrailLines() const {
    QStringList lines;
    for (int row = 0; row < trail_->count(); ++row) {
        lines << trail_->item(row)->text();
    }
    return lines;
}

void MovesPanel::CopyTrail() const {
    QGuiApplication::clipboard()->setText(TrailLines().join(QLatin1Char('\n')));
}

void MovesPanel::PrintTrail() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted && !PrintLines(TrailLines(), printer)) {
        AskAsWritten(this, QMessageBox::Warning, tr("Tarvelo"), TrailNotPrintedMessage(printer));
    }
}

QString MovesPanel::TrailNotPrintedMessage(const QPrinter& printer) {
    const QString file = printer.outputFileName();
    if (file.isEmpty()) {
        return tr("The trail of equations could not be printed.");
    }
    return tr("The trail of equations could not be printed to \u201c%1\u201d: the file could "
              "not be written whole (is the disk full?).")
        .arg(InLine(QDir::toNativeSeparators(file)));
}

void MovesPanel::ShowTask(const PanelTask& task) {
    // A teacher's words, bounded: the panel's height is fixed; the sentence said as the lesson
    // opened holds all of them.
    taskTitle_->setText(Shortened(task.title, kTitleLinesShown, kTitleCharactersShown));
    taskGoal_->setText(Shortened(task.goal, kGoalLinesShown, kGoalCharactersShown));
    const bool done = !task.praise.isEmpty();
    // The stars are to see; a screen reader hears the praise, which counts them in words.
    praise_->setText(done ? task.stars + QLatin1Char(' ') + task.praise : QString());
    praise_->setAccessibleName(task.praise);
    praise_->setVisible(done);
    next_->setText(task.next);
    next_->setVisible(done && !task.next.isEmpty());
    task_->setVisible(!task.title.isEmpty());
}

void MovesPanel::ShowSound(bool on, bool speakBalances) {
    const QSignalBlocker quietSound(sound_);
    const QSignalBlocker quietSpeech(speakBalances_);
    sound_->setChecked(on);
    speakBalances_->setChecked(speakBalances);
}

void MovesPanel::FocusNext() {
    // The last lesson has no next one: the focus stays where it is.
    if (next_->isVisible()) {
        next_->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* MovesPanel::FirstControl() const {
    return kinds_;
}

} // namespace tarvelo
