// The Challenges window's rows, one a level, and the records they show.
#include "ui/window/ChallengesWindow.h"

#include "core/teach/Challenge.h"
#include "ui/window/ChallengeStore.h"
#include "ui/window/ChallengeTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelo {

namespace {

constexpr int kColumnSpacing = 12; // pixels between a level's words, its record and its Start

enum Column { kLevelColumn, kRecordColumn, kStartColumn };

QString Numbered(const char* name, std::int32_t level) {
    return QString::fromLatin1(name) + QString::number(level);
}

} // namespace

ChallengesWindow::ChallengesWindow(QWidget* owner, const ChallengeStore& store)
    : QDialog(owner), store_(store) {
    setObjectName(QStringLiteral("challengesWindow"));
    setWindowTitle(tr("Challenges"));
    setModal(false);
    auto* column = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Choose a level. A challenge solved wins a star, and one more "
                                  "when solved in the fewest moves."));
    heading->setObjectName(QStringLiteral("challengesHeading"));
    heading->setWordWrap(true);
    column->addWidget(heading);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(kColumnSpacing);
    for (std::int32_t level = kFirstLevel; level <= kLastLevel; ++level) {
        AddLevel(grid, level);
    }
    column->addLayout(grid);
    auto* close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("closeChallenges"));
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    column->addWidget(close, 0, Qt::AlignRight);
    column->setSizeConstraint(QLayout::SetFixedSize);
    Refresh();
}

void ChallengesWindow::AddLevel(QGridLayout* grid, std::int32_t level) {
    const int row = level - kFirstLevel;
    auto* words = new QLabel(LevelLine(level));
    words->setObjectName(Numbered("level", level));
    auto* record = new QLabel;
    record->setObjectName(Numbered("record", level));
    auto* start = new QPushButton(tr("Start"));
    start->setObjectName(Numbered("start", level));
    // Enter presses the Start that has the focus, as Space does.
    start->setAutoDefault(true);
    start->setAccessibleName(StartLevelName(level));
    connect(start, &QPushButton::clicked, this, [this, level] {
        hide();
        emit startRequested(level);
    });
    grid->addWidget(words, row, kLevelColumn);
    grid->addWidget(record, row, kRecordColumn);
    grid->addWidget(start, row, kStartColumn);
    records_.push_back(record);
    starts_.push_back(start);
}

void ChallengesWindow::Open() {
    Refresh();
    show();
    raise();
    activateWindow();
    starts_.front()->setFocus(Qt::ActiveWindowFocusReason);
}

void ChallengesWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // The keys go back to the main window, with or without a window manager to hand them over.
    if (QWidget* owner = parentWidget()) {
        owner->activateWindow();
    }
}

void ChallengesWindow::Refresh() {
    for (std::int32_t level = kFirstLevel; level <= kLastLevel; ++level) {
        const auto index = static_cast<std::size_t>(level - kFirstLevel);
        const QString record = RecordText(store_.Record(level));
        records_[index]->setText(record);
        // Tabbing from Start to Start, a screen reader hears what each level asks and holds.
        starts_[index]->setAccessibleDescription(tr("%1. %2").arg(LevelLine(level), record));
    }
}

} // namespace tarvelo
