// The main window's widgets brought up to the model: only what changed since the last sync.
#include "ui/window/WidgetSync.h"

#include "core/base/Numeric.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/window/ModelTexts.h"
#include "ui/window/PictureBox.h"
#include "ui/window/SelectionFrame.h"

#include <QLabel>
#include <QPushButton>

namespace tarvelo {

namespace {

int ToPixel(float value) {
    return RoundToInt32(value);
}

// True, and the shown value brought up to date, when the model's value differs from it or when
// `all` the widgets are to be brought up to date.
template <typename T> bool Changed(bool all, T& shownValue, const T& modelValue) {
    if (!all && shownValue == modelValue) {
        return false;
    }
    shownValue = modelValue;
    return true;
}

void PlaceDragBox(PictureBox* widget, const ControlBox& box) {
    widget->SetPicture(box.Picture);
    widget->move(ToPixel(box.Left), ToPixel(box.Top));
    widget->setVisible(box.Visible);
}

} // namespace

WidgetSync::WidgetSync(const Model& model, Widgets widgets) : model_(model), widgets_(widgets) {}

void WidgetSync::Sync(bool afterInput) {
    const bool all = !shown_.has_value();
    if (all) {
        shown_.emplace();
    }
    SyncTexts(*shown_, all);
    SyncBoxes(*shown_, all);
    SyncButtons(*shown_, all);
    widgets_.scene->SyncFromModel(afterInput || UserMovesSomething());
}

void WidgetSync::SyncTexts(ShownControls& shown, bool all) {
    if (Changed(all, shown.lblComparison, model_.equation.lblComparison())) {
        const LabelState& sign = model_.equation.lblComparison();
        widgets_.lblComparison->setText(QString::fromStdString(sign.Caption));
        widgets_.lblComparison->move(ToPixel(sign.Left), ToPixel(sign.Top));
    }
    if (Changed(all, shown.lblEquazione, model_.equation.lblEquazione())) {
        widgets_.lblEquazione->setText(
            QString::fromStdString(model_.equation.lblEquazione().Caption));
    }
}

void WidgetSync::SyncBoxes(ShownControls& shown, bool all) {
    if (Changed(all, shown.selObj, model_.pointer.selObj())) {
        const ControlBox& box = model_.pointer.selObj();
        widgets_.selObj->setGeometry(ToPixel(box.Left), ToPixel(box.Top), box.Width, box.Height);
        widgets_.selObj->setVisible(box.Visible);
    }
    if (Changed(all, shown.lblMassa, model_.controls.lblMassa())) {
        const ControlBox& box = model_.controls.lblMassa();
        widgets_.lblMassa->move(ToPixel(box.Left), ToPixel(box.Top));
        widgets_.lblMassa->setVisible(box.Visible);
    }
    if (Changed(all, shown.dragImg, model_.pointer.dragImg())) {
        PlaceDragBox(widgets_.dragImg, model_.pointer.dragImg());
    }
    if (Changed(all, shown.dragImgInt, model_.pointer.dragImgInt())) {
        PlaceDragBox(widgets_.dragImgInt, model_.pointer.dragImgInt());
    }
}

void WidgetSync::SyncButtons(ShownControls& shown, bool all) {
    const auto syncButton = [all](QPushButton* button, ButtonState& shownState,
                                  const ButtonState& state) {
        if (Changed(all, shownState, state)) {
            button->setText(ModelText(state.Caption));
            button->setEnabled(state.Enabled);
            button->setVisible(state.Visible);
        }
    };
    syncButton(widgets_.Command1, shown.Command1, model_.controls.Command1());
    syncButton(widgets_.Command2, shown.Command2, model_.controls.Command2());
    syncButton(widgets_.Command3, shown.Command3, model_.controls.Command3());
    syncButton(widgets_.Command4, shown.Command4, model_.controls.Command4());
    syncButton(widgets_.Command5, shown.Command5, model_.controls.Command5());
}

bool WidgetSync::UserMovesSomething() const {
    return model_.HeldPiece() != kNoObject ||
           model_.KeyboardCarrying() != KeyboardPlay::Carrying::Nothing ||
           model_.pointer.dragImgInt().Visible;
}

} // namespace tarvelo
