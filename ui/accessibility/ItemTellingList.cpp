// Telling a screen reader a list's current item as the list takes the keyboard.
#include "ui/accessibility/ItemTellingList.h"

#include <QAccessible>
#include <QFocusEvent>

namespace tarvelo {

void ItemTellingList::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    QMetaObject::invokeMethod(this, &ItemTellingList::TellCurrentItem, Qt::QueuedConnection);
}

void ItemTellingList::TellCurrentItem() {
    if (hasFocus() && QAccessible::isActive() && currentRow() >= 0) {
        QAccessibleEvent chosen(this, QAccessible::Focus);
        chosen.setChild(currentRow()); // no row is hidden: the item's place is its row
        QAccessible::updateAccessibility(&chosen);
    }
}

} // namespace tarvelo
