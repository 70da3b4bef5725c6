// The information window: the program's name, version and credits, and the keys that do
// everything without the pointer. It holds no state.
#pragma once

#include <QDialog>

namespace tarvelo {

class FrmInfo : public QDialog {
    Q_OBJECT
  public:
    explicit FrmInfo(QWidget* owner);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void AddKeyList();
};

} // namespace tarvelo
