// The Lessons window: the lessons that come with the program and the teacher's own, in order,
// each with its star once done and its instruction shown as it is chosen; Open plays the lesson
// chosen, and "Save this scene as a lesson…" makes a new one. Not modal: the scene stays in reach.
#pragma once

#include "core/io/LessonFolder.h"
#include "ui/window/LessonStore.h"

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tarvelo {

class LessonsWindow : public QDialog {
    Q_OBJECT
  public:
    // The stars come from `store`, which outlives the window; the lessons from `shippedFolder`
    // and `ownFolder`, read again at every Open and Refresh.
    LessonsWindow(QWidget* owner, const LessonStore& store, QString shippedFolder,
                  QString ownFolder);

    // Shows the window, or brings it forward, with the lessons as the folders hold them and the
    // focus on the first lesson not done yet.
    void Open();
    // The lessons and their stars as the folders and the store have them now; the lesson chosen
    // stays chosen.
    void Refresh();

  signals:
    // Open was pressed on a lesson, or Enter or a double click; the window has closed.
    void openRequested(const tarvelo::LessonEntry& entry, tarvelo::LessonSet set);
    // "Save this scene as a lesson…" was pressed.
    void saveRequested();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    // A set's list, with its caption above it.
    QListWidget* AddList(LessonSet set, const QString& caption, const char* name);
    // Fills the list of `set` from its folder.
    void FillList(LessonSet set);
    // The lesson an item of a list stands for.
    const LessonEntry* EntryOf(const QListWidgetItem* item) const;
    // The item chosen in the list that has the focus or was chosen last.
    QListWidgetItem* ChosenItem() const;
    void ShowChosen();
    void OpenChosen();

    const LessonStore& store_;
    // By set: Shipped, then Own.
    std::array<QString, 2> folders_;
    std::array<LessonListing, 2> listings_;
    std::array<QListWidget*, 2> lists_{};
    QListWidget* lastChosen_ = nullptr;
    QLabel* instruction_ = nullptr;
    QLabel* refused_ = nullptr;
    QPushButton* open_ = nullptr;
};

} // namespace tarvelo
