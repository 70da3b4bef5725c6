// The window's notices: repeats merged, a few waiting, each shown in a box of its own in turn.
#include "ui/instance/NoticeQueue.h"

#include "ui/instance/InstanceMessages.h"

#include <QMessageBox>
#include <QTimer>
#include <algorithm>

namespace tarvelo {

namespace {

// More distinct notices than this waiting are not queued one by one: nobody reads hundreds of
// boxes. They are counted and said in one last notice.
constexpr std::size_t kMaxWaitingNotices = 10;

} // namespace

NoticeQueue::NoticeQueue(QWidget* window) : QObject(window), window_(window) {}

NoticeQueue::~NoticeQueue() = default;

void NoticeQueue::Post(const QString& text) {
    if (MergeRepeat(text)) {
        return;
    }
    if (waiting_.size() < kMaxWaitingNotices) {
        waiting_.push_back({text});
    } else {
        ++leftOut_;
    }
    ScheduleNext();
}

bool NoticeQueue::MergeRepeat(const QString& text) {
    if (box_ && shown_.text == text) {
        box_->setText(RepeatedNotice(text, ++shown_.count));
        return true;
    }
    const auto same = std::ranges::find(waiting_, text, &Notice::text);
    if (same == waiting_.end()) {
        return false;
    }
    ++same->count;
    return true;
}

void NoticeQueue::ScheduleNext() {
    // Always from the event loop: never inside whatever posted the notice.
    if (box_ || scheduled_) {
        return;
    }
    scheduled_ = true;
    QTimer::singleShot(0, this, &NoticeQueue::ShowNext);
}

void NoticeQueue::ShowNext() {
    scheduled_ = false;
    if (box_) {
        return;
    }
    if (waiting_.empty() && leftOut_ > 0) {
        waiting_.push_back({LeftOutNoticesMessage(std::exchange(leftOut_, 0))});
    }
    if (waiting_.empty()) {
        return;
    }
    shown_ = waiting_.front();
    waiting_.pop_front();
    // A notice names files from outside, shown as written: a name that looks like markup would
    // otherwise be read as rich text, and the pictures it names read whole. The format is set
    // before the text, which would be read at once.
    box_ =
        new QMessageBox(QMessageBox::Warning, tr("Tarvelo"), QString(), QMessageBox::Ok, window_);
    box_->setTextFormat(Qt::PlainText);
    box_->setText(RepeatedNotice(shown_.text, shown_.count));
    box_->setAttribute(Qt::WA_DeleteOnClose);
    connect(box_, &QDialog::finished, this, &NoticeQueue::Closed);
    box_->open(); // modal to the window, without a loop of its own
}

void NoticeQueue::Closed() {
    box_ = nullptr;
    ScheduleNext();
}

} // namespace tarvelo
