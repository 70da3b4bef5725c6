// What the user is told about the one running instance and the hand-overs of later starts, and
// the queue that shows the window's notices one at a time.
#pragma once

#include "ui/instance/SingleInstance.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

namespace tarvelo {

// Why a folder cannot hold the instance socket (parts of NoPrivateFolderMessage).
QString NotAPrivateFolderReason(const QString& folder);
QString OwnedByAnotherUserReason(const QString& folder);
QString OpenToOthersReason(const QString& folder);
QString PathTooLongReason(const QString& folder);
QString CannotMakeFolderReason(const QString& folder);
QString NoHomeFolderReason();
QString OthersMayChangeReason(const QString& folder);

// Said on standard error by a start that runs but cannot take hand-overs.
QString NoPrivateFolderMessage(const QStringList& reasons);
QString NoLockMessage(const QString& lockName);
QString SocketInTheWayMessage(const QString& socketName);
QString NoSocketMessage(const QString& socketName, const QString& error);

// What a later start says about a hand-over that failed; empty for one that did not.
QString HandOverFailureMessage(HandOverResult result, const QString& socketName,
                               int timeoutMs = kHandOverTimeoutMs);

// A hand-over whose command line names no file (a lone double quote, or quotes around nothing).
QString HandedOverNoFileMessage(const QString& commandLine);

// Hand-overs that came while another waited to be served, and were passed over for the last.
QString HandOversPassedOverMessage(int count);

// A notice that came `count` times, said once.
QString RepeatedNotice(const QString& text, int count);
// The notices that came while too many were waiting already.
QString LeftOutNoticesMessage(int count);

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
