// The Lessons window's two lists, the instruction of the lesson chosen, and its buttons.
#include "ui/window/LessonsWindow.h"

#include "ui/accessibility/ItemTellingList.h"
#include "ui/instance/HandOverMessage.h"
#include "ui/window/LessonTexts.h"
#include "ui/window/PlainText.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvelo {

namespace {

constexpr int kWindowWidth = 560;     // pixels: room for a title and a line of instruction
constexpr int kShippedRowsShown = 10; // the program's lessons seen at once; the rest scroll
constexpr int kOwnRowsShown = 4;
// The chosen lesson's instruction, bounded: the window stays within any screen.
constexpr int kInstructionLinesShown = 6;
constexpr int kInstructionCharactersShown = 600;

// The index of the lesson in its listing, and whether it was done, kept with each item.
constexpr int kEntryRole = Qt::UserRole;
constexpr int kDoneRole = Qt::UserRole + 1;

std::size_t IndexOf(LessonSet set) {
    return set == LessonSet::Shipped ? 0 : 1;
}

LessonSet SetOf(std::size_t index) {
    return index == 0 ? LessonSet::Shipped : LessonSet::Own;
}

// A list as high as `rows` of its items.
void ShowRows(QListWidget* list, int rows) {
    const int row = list->fontMetrics().height() + list->spacing() * 2 + 2;
    list->setMinimumHeight(row * rows + 2 * list->frameWidth());
}

QString FileName(const std::string& path) {
    return QFileInfo(TextOfBytes(path)).fileName();
}

} // namespace

LessonsWindow::LessonsWindow(QWidget* owner, const LessonStore& store, QString shippedFolder,
                             QString ownFolder)
    : QDialog(owner), store_(store), folders_{std::move(shippedFolder), std::move(ownFolder)} {
    setObjectName(QStringLiteral("lessonsWindow"));
    setWindowTitle(tr("Lessons"));
    setModal(false);
    auto* column = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Choose a lesson and open it. A lesson done wins a star."));
    heading->setWordWrap(true);
    column->addWidget(heading);
    AddList(LessonSet::Shipped, tr("Lessons of the program"), "shippedLessons");
    AddList(LessonSet::Own, tr("My lessons"), "ownLessons");
    // The folder's name, the lessons' words and the names of the files refused come from outside:
    // shown as written.
    auto* folder = new QLabel;
    ShowAsWritten(folder);
    folder->setText(tr("My lessons are kept in %1. To share a lesson, copy its .trv "
                       "and .lesson files into this folder on the other computer.")
                        .arg(QDir::toNativeSeparators(folders_[IndexOf(LessonSet::Own)])));
    folder->setObjectName(QStringLiteral("ownLessonsFolder"));
    folder->setWordWrap(true);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    refused_ = new QLabel;
    ShowAsWritten(refused_);
    refused_->setObjectName(QStringLiteral("refusedLessons"));
    refused_->setWordWrap(true);
    instruction_ = new QLabel;
    ShowAsWritten(instruction_);
    instruction_->setObjectName(QStringLiteral("lessonInstruction"));
    instruction_->setWordWrap(true);
    instruction_->setFrameShape(QFrame::StyledPanel);
    for (QLabel* label : {folder, refused_, instruction_}) {
        column->addWidget(label);
    }
    open_ = new QPushButton(tr("Open"));
    open_->setObjectName(QStringLiteral("openLesson"));
    open_->setDefault(true);
    connect(open_, &QPushButton::clicked, this, [this] { OpenChosen(); });
    auto* save = new QPushButton(tr("Save this scene as a lesson\u2026"));
    save->setObjectName(QStringLiteral("saveAsLesson"));
    connect(save, &QPushButton::clicked, this, &LessonsWindow::saveRequested);
    auto* close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("closeLessons"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open_);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(close);
    column->addLayout(buttons);
    setFixedWidth(kWindowWidth);
    Refresh();
}

QListWidget* LessonsWindow::AddList(LessonSet set, const QString& caption, const char* name) {
    auto* list = new ItemTellingList;
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(caption);
    ShowRows(list, set == LessonSet::Shipped ? kShippedRowsShown : kOwnRowsShown);
    auto* label = new QLabel(caption);
    label->setBuddy(list);
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->addWidget(label);
    column->addWidget(list);
    connect(list, &QListWidget::currentItemChanged, this, [this, list] {
        lastChosen_ = list;
        ShowChosen();
    });
    connect(list, &QListWidget::itemActivated, this, [this, list] {
        lastChosen_ = list;
        OpenChosen();
    });
    lists_[IndexOf(set)] = list;
    return list;
}

void LessonsWindow::Refresh() {
    for (std::size_t index = 0; index < lists_.size(); ++index) {
        FillList(SetOf(index));
    }
    QStringList refused;
    for (const LessonListing& listing : listings_) {
        for (const RefusedLesson& lesson : listing.refused) {
            refused.append(RefusedLessonItem(FileName(lesson.lessonPath), lesson.error.line));
        }
    }
    refused_->setText(refused.isEmpty() ? QString() : LessonsRefusedText(refused));
    refused_->setVisible(!refused.isEmpty());
    ShowChosen();
}

void LessonsWindow::FillList(LessonSet set) {
    const std::size_t index = IndexOf(set);
    QListWidget* list = lists_[index];
    const LessonEntry* chosen = EntryOf(list->currentItem());
    const std::string chosenPath = chosen != nullptr ? chosen->problemPath : std::string();
    listings_[index] = ListLessons(BytesOfText(folders_[index]));
    const DoneLessons doneLessons = store_.DoneIn(set);
    const QSignalBlocker quiet(list);
    list->clear();
    int number = 0;
    for (const LessonEntry& entry : listings_[index].lessons) {
        ++number;
        const QString title = LessonTitle(entry.lesson);
        const bool done = doneLessons.Has(entry.problemPath);
        auto* item = new QListWidgetItem(LessonItemText(number, title, done), list);
        item->setData(Qt::AccessibleTextRole, LessonItemName(number, title, done));
        item->setData(Qt::AccessibleDescriptionRole, LessonInstruction(entry.lesson));
        item->setData(kEntryRole, number - 1);
        item->setData(kDoneRole, done);
        if (entry.problemPath == chosenPath) {
            list->setCurrentItem(item);
        }
    }
}

const LessonEntry* LessonsWindow::EntryOf(const QListWidgetItem* item) const {
    if (item == nullptr) {
        return nullptr;
    }
    for (std::size_t index = 0; index < lists_.size(); ++index) {
        if (item->listWidget() == lists_[index]) {
            const auto at = static_cast<std::size_t>(item->data(kEntryRole).toInt());
            const std::vector<LessonEntry>& lessons = listings_[index].lessons;
            return at < lessons.size() ? &lessons[at] : nullptr;
        }
    }
    return nullptr;
}

QListWidgetItem* LessonsWindow::ChosenItem() const {
    return lastChosen_ != nullptr ? lastChosen_->currentItem() : nullptr;
}

void LessonsWindow::ShowChosen() {
    const LessonEntry* entry = EntryOf(ChosenItem());
    // A few lines here; the whole of it in the moves panel once the lesson opens.
    instruction_->setText(entry != nullptr
                              ? Shortened(LessonInstruction(entry->lesson), kInstructionLinesShown,
                                          kInstructionCharactersShown)
                              : QString());
    open_->setEnabled(entry != nullptr);
}

void LessonsWindow::OpenChosen() {
    QListWidgetItem* item = ChosenItem();
    const LessonEntry* entry = EntryOf(item);
    if (entry == nullptr) {
        return;
    }
    const LessonEntry chosen = *entry; // the lists are read again as the lesson opens
    const LessonSet set = item->listWidget() == lists_[IndexOf(LessonSet::Shipped)]
                              ? LessonSet::Shipped
                              : LessonSet::Own;
    hide();
    emit openRequested(chosen, set);
}

void LessonsWindow::Open() {
    Refresh();
    show();
    raise();
    activateWindow();
    // The first lesson not done yet, in the program's lessons and then the teacher's.
    for (std::size_t index = 0; index < lists_.size(); ++index) {
        QListWidget* list = lists_[index];
        for (int row = 0; row < list->count(); ++row) {
            if (!list->item(row)->data(kDoneRole).toBool()) {
                list->setCurrentRow(row);
                list->setFocus(Qt::ActiveWindowFocusReason);
                return;
            }
        }
    }
    QListWidget* first = lists_[IndexOf(LessonSet::Shipped)];
    first->setCurrentRow(0);
    first->setFocus(Qt::ActiveWindowFocusReason);
}

void LessonsWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // The keys go back to the main window, with or without a window manager to hand them over.
    if (QWidget* owner = parentWidget()) {
        owner->activateWindow();
    }
}

} // namespace tarvelo
