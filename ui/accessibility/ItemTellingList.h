// A list that tells a screen reader its current item as it takes the keyboard. A list tells it
// only when the current item changes while it has the keyboard: one whose item was chosen before
// its window was active, or before it was tabbed into, is heard as "list with 27 items" and no
// item at all.
#pragma once

#include <QListWidget>

namespace tarvelo {

class ItemTellingList : public QListWidget {
  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    // Told once the list's own focus was told, which comes after the focus event: the list's
    // would otherwise be the last word.
    void TellCurrentItem();
};

} // namespace tarvelo
