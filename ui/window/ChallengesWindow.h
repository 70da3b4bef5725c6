// The Challenges window: the levels, each with what it asks for, the stars won and the
// challenges solved there, and a Start for each. Small and not modal: the scene stays in reach.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

class QGridLayout;
class QLabel;
class QPushButton;

namespace tarvelo {

class ChallengeStore;

class ChallengesWindow : public QDialog {
    Q_OBJECT
  public:
    // The records come from `store`, which outlives the window.
    ChallengesWindow(QWidget* owner, const ChallengeStore& store);

    // Shows the window, or brings it forward, with the records as the store has them and the
    // focus on the first level's Start.
    void Open();
    // The records as the store has them now.
    void Refresh();

  protected:
    void hideEvent(QHideEvent* event) override;

  signals:
    // A level's Start was pressed; the window has closed.
    void startRequested(std::int32_t level);

  private:
    // A row of the levels' grid: the level, its record and its Start.
    void AddLevel(QGridLayout* grid, std::int32_t level);

    const ChallengeStore& store_;
    // By level, kFirstLevel first.
    std::vector<QLabel*> records_;
    std::vector<QPushButton*> starts_;
};

} // namespace tarvelo
