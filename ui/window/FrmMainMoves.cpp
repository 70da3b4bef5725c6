// The main window's moves panel: opened under the scene and closed again, its moves made
// through the model's verbs, and what they did shown and said.
#include "core/base/Layout.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/accessibility/TrailText.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/sound/SoundPlayer.h"
#include "ui/window/AccessLayer.h"
#include "ui/window/FrmMain.h"
#include "ui/window/KeyMap.h"
#include "ui/window/MovesPanel.h"
#include "ui/window/TickTimers.h"
#include "ui/window/WindowZoom.h"

#include <QApplication>
#include <QShortcut>
#include <algorithm>

namespace tarvelo {

void FrmMain::BuildMovesPanelKey() {
    auto* key = new QShortcut(kMovesPanelKey, this);
    connect(key, &QShortcut::activated, this, [this] { SetMovesPanelOpen(!MovesPanelOpen()); });
}

bool FrmMain::MovesPanelOpen() const {
    return movesPanel_ != nullptr && !movesPanel_->isHidden();
}

void FrmMain::SetMovesPanelOpen(bool open) {
    if (open == MovesPanelOpen()) {
        return;
    }
    if (open) {
        if (movesPanel_ == nullptr) {
            BuildMovesPanel();
        }
        QWidget* focused = QApplication::focusWidget();
        focusBeforePanel_ = isAncestorOf(focused) ? focused : nullptr;
        // As tall as it wants where the screen has room; on a screen too short for it and the
        // scene (a netbook's), the room there is, and the panel scrolls.
        const int room = zoom_->RoomAtSmallest().height() - layout::kWindowHeight;
        const int height = std::clamp(room, kMovesPanelLeastHeight, kMovesPanelHeight);
        movesPanel_->setGeometry(0, layout::kWindowHeight, layout::kWindowWidth, height);
        zoom_->ResizeWindow({layout::kWindowWidth, layout::kWindowHeight + height});
        movesPanel_->show();
        movesPanel_->FirstControl()->setFocus(Qt::ShortcutFocusReason);
    } else {
        QWidget* back = focusBeforePanel_ != nullptr && focusBeforePanel_->isVisible() &&
                                focusBeforePanel_->isEnabled()
                            ? focusBeforePanel_.data()
                            : canvas_;
        back->setFocus(Qt::ShortcutFocusReason);
        movesPanel_->hide();
        trailShown_.reset();
        zoom_->ResizeWindow({layout::kWindowWidth, layout::kWindowHeight});
    }
    SyncMovesPanel();
}

void FrmMain::MakePanelMove(const ScriptMove& move) {
    if (const std::optional<QString> why = WhyMovesWait()) {
        TellMoveOutcome(*why);
        return;
    }
    MoveOutcome outcome;
    Handle([&] { outcome = ApplyMove(model_, move); });
    timers_->Wake();
    // A move made is the trail's last step.
    TellMoveOutcome(outcome.Done() ? MoveDoneSentence(model_.trail.Steps().back().action)
                                   : MoveRefusalSentence(outcome));
}

void FrmMain::CheckAnswer(int x, int y) {
    ScriptMove check;
    check.type = MoveType::Check;
    check.numbers = {x};
    if (y != kUncheckedY) {
        check.numbers.push_back(y);
    }
    MakePanelMove(check);
}

void FrmMain::LockPans(bool locked) {
    Handle([&] { model_.LockPans(locked); });
}

std::optional<QString> FrmMain::WhyMovesWait() const {
    // A move takes pieces from under a piece held or carried, or drops pieces where a copy is
    // about to land: it waits until they are put down.
    if (model_.pointer.draggingObj() || model_.pointer.dragImg().Visible ||
        model_.KeyboardCarrying() != KeyboardPlay::Carrying::Nothing) {
        return LetGoFirstSentence();
    }
    if (SceneEmptying()) {
        return SceneEmptyingSentence();
    }
    return std::nullopt;
}

void FrmMain::TellMoveOutcome(const QString& sentence) {
    if (movesPanel_ != nullptr) {
        movesPanel_->ShowStatus(sentence);
    }
    access_->Announce(sentence);
}

void FrmMain::SyncMovesPanel() {
    if (!MovesPanelOpen()) {
        return;
    }
    // Only a balance at rest shows an answer, or shows none any more; the window says it as the
    // trail's step comes to rest (see Announcements).
    if (model_.AtRest()) {
        const std::optional<SolvedUnknown> solved = model_.Solved();
        movesPanel_->ShowAnswer(solved ? SolvedText(*solved) : QString());
    }
    movesPanel_->SetLocked(model_.PansLocked());
    movesPanel_->ShowTask(TaskShown());
    movesPanel_->ShowSound(sound_->On(), speakBalances_);
    // The lines are worded again only when the trail or the line it starts from changed, not at
    // every tick of a moving scene.
    const std::string& equation = model_.equation.lblEquazione().Caption;
    const TrailShown shown{model_.trail.Changes(),
                           model_.trail.Started() ? std::string() : equation};
    if (shown != trailShown_) {
        trailShown_ = shown;
        movesPanel_->ShowTrail(TrailLines(model_.trail, equation));
    }
}

} // namespace tarvelo
