// The window's notices, shown one at a time.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <deque>

class QWidget;

namespace tarvelo {

// Notices that come from outside the user's own doing (a file handed over by a later start that
// cannot be opened, a file named on the command line): shown one at a time, each in a box that
// runs no event loop of its own, so that whoever posts a notice goes on at once and no box ever
// opens inside another. A notice that is already waiting or on show is not shown again: its
// count grows.
class NoticeQueue : public QObject {
    Q_OBJECT
  public:
    // Boxes open over `window`, which owns the queue.
    explicit NoticeQueue(QWidget* window);
    ~NoticeQueue() override;

    void Post(const QString& text);

    // The box on show, if any.
    QMessageBox* shownBox() const { return box_; }

  private:
    struct Notice {
        QString text;
        int count = 1;
    };
    bool MergeRepeat(const QString& text);
    void ScheduleNext();
    void ShowNext();
    void Closed();

    QWidget* window_;
    QPointer<QMessageBox> box_;
    Notice shown_;
    std::deque<Notice> waiting_;
    int leftOut_ = 0;
    bool scheduled_ = false;
};

} // namespace tarvelo
