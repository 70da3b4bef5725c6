// The notifications that carry the window's sentences to a screen reader.
#include "ui/accessibility/Announcer.h"

#include "ui/accessibility/AccessibleFactory.h"

#include <QAccessible>

namespace tarvelo {

namespace {

// Nothing to see or to press: one transparent pixel in the corner, never the focus.
void MakeUnseen(QWidget* widget) {
    widget->setGeometry(0, 0, 1, 1);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
}

} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("announcer"));
    MakeUnseen(this);
    for (QWidget*& voice : voices_) {
        voice = new QWidget(this);
        MakeUnseen(voice);
        ReadAs(voice, QAccessible::Notification);
        voice->hide();
    }
}

void Announcer::Say(const QString& text) {
    QWidget* voice = voices_[next_];
    next_ = (next_ + 1) % kVoices;
    last_ = text;
    // A screen reader speaks a notification when it starts showing.
    voice->hide();
    voice->setAccessibleName(text);
    voice->show();
    emit said(text);
}

} // namespace tarvelo
