// Tells a screen reader the choice of a combo box as it takes the keyboard and as it changes.
#include "ui/accessibility/ChoiceTeller.h"

#include <QComboBox>
#include <QEvent>

namespace tarvelo {

namespace {

// Lives as long as its combo box, whose focus it watches.
class ChoiceTeller : public QObject {
  public:
    ChoiceTeller(QComboBox* choices, std::function<void(const QString&)> tell)
        : QObject(choices), choices_(choices), tell_(std::move(tell)) {
        choices->installEventFilter(this);
        connect(choices, &QComboBox::currentIndexChanged, this, [this] {
            if (choices_->hasFocus()) {
                tell_(choices_->currentText());
            }
        });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            // Told after the screen reader has read the new focus, which would cut it short.
            QMetaObject::invokeMethod(
                this, [this, choice = choices_->currentText()] { tell_(choice); },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QComboBox* choices_;
    std::function<void(const QString&)> tell_;
};

} // namespace

void TellChoices(QComboBox* choices, std::function<void(const QString&)> tell) {
    new ChoiceTeller(choices, std::move(tell));
}

} // namespace tarvelo
