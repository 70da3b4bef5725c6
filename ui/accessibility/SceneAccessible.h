// The scene for a screen reader: the scene surface holds, before the buttons and labels that
// stand on it, a list of the two pans, each named with what it carries and holding its pieces,
// each named with its place in its stack. The pans and pieces are read from the model whenever
// asked, so they are never stale; Refresh tells the reader which names changed.
#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace tarvelo {

class Model;
class SceneCanvas;
class BalanceListAccessible;

class SceneAccessible : public QAccessibleWidget {
  public:
    explicit SceneAccessible(SceneCanvas* canvas);
    ~SceneAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;

    const Model& model() const;
    // Sends a name change for each pan whose name changed since the last call, and a change of
    // children for each pan whose pieces changed.
    void Refresh();

  private:
    BalanceListAccessible* list_; // registered with Qt, which deletes it
    int listId_ = 0;
};

} // namespace tarvelo
