// The sentences the main window says to a screen reader, and when it says the balance.
#include "ui/window/Announcements.h"

#include "core/play/Model.h"
#include "ui/accessibility/Announcer.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/accessibility/TrailText.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/window/AccessControls.h"

#include <QAccessible>

namespace tarvelo {

namespace {

// A balance whose sign and equation stay the same this long, in timer time, has settled.
constexpr std::int64_t kSettledMs = 500;

} // namespace

Announcements::Announcements(QWidget* window, const Model& model, SceneCanvas* scene)
    : model_(model), scene_(scene), announcer_(new Announcer(window)) {}

void Announcements::Say(const QString& text) {
    announcer_->Say(text);
}

QString Announcements::LastSaid() const {
    return announcer_->LastSaid();
}

void Announcements::SayPaletteHelp() {
    Say(AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                     "Pieces to add. Left and Right choose one; Enter picks up a "
                                     "copy, Page Up and Page Down take it over a pan, Enter drops "
                                     "it, Escape takes it back.")));
}

void Announcements::SayBalance() {
    Say(BalanceSentence(model_.equation.lblComparison().Caption,
                        model_.equation.lblEquazione().Caption));
}

void Announcements::SayPans() {
    Say(PansSentence(model_.scene));
}

void Announcements::SceneReplaced(const QString& sentence) {
    if (!sentence.isEmpty()) {
        Say(sentence);
    }
    // The pans empty and fill again on the way: only the balance the new scene comes to rest
    // with is news.
    balanceAwaitsRest_ = true;
}

void Announcements::AfterSync(std::int64_t timerMs) {
    // The balance has settled when its sign and equation have stayed the same a while, or when
    // the whole scene has come to rest sooner: the window's timers then sleep and their time
    // stands still, so the while would not end before the next key. The model's rest watch
    // found the rest at the tick this sync follows, before the window lets its timers sleep, so
    // the scene's last change is told to a reader before they do.
    const bool atRest = model_.AtRest();
    TellReader(timerMs, atRest);
    SayBalanceIfSettled(timerMs, atRest);
    SayTrailNews();
}

void Announcements::SayTrailNews() {
    const std::vector<TrailStep>& steps = model_.trail.Steps();
    std::size_t rested = steps.size();
    while (rested > 0 && !steps[rested - 1].rested) {
        --rested;
    }
    // Undo takes steps away, and a new scene all of them: nothing to say of that here.
    if (rested > trailStepsRested_) {
        if (const std::optional<QString> news = NewsOf(steps[rested - 1])) {
            Say(*news);
        }
    }
    trailStepsRested_ = rested;
}

std::optional<QString> Announcements::NewsOf(const TrailStep& step) const {
    if (step.solved && answerInstead_) {
        if (std::optional<QString> instead = answerInstead_(*step.solved)) {
            return instead;
        }
    }
    return StepNews(step);
}

void Announcements::SayBalanceIfSettled(std::int64_t timerMs, bool atRest) {
    const std::string& sign = model_.equation.lblComparison().Caption;
    const std::string& equation = model_.equation.lblEquazione().Caption;
    const std::string balance = sign + equation;
    if (equation.empty()) {
        return; // no scene yet
    }
    if (balanceAnnounced_.empty()) {
        // The balance the window starts with is no news: it is there before any key.
        balanceSeen_ = balanceAnnounced_ = balance;
    }
    if (balance != balanceSeen_) {
        balanceSeen_ = balance;
        balanceSeenSinceMs_ = timerMs;
    } else if (balanceAwaitsRest_ ? atRest && !model_.IsCleaning()
                                  : balance != balanceAnnounced_ &&
                                        (atRest || timerMs - balanceSeenSinceMs_ >= kSettledMs)) {
        balanceAwaitsRest_ = false;
        balanceAnnounced_ = balance;
        Say(BalanceSentence(sign, equation));
    }
}

void Announcements::TellReader(std::int64_t timerMs, bool atRest) {
    // Without a screen reader listening, the scene's interface is not even made.
    if (!tellInstead_ && !QAccessible::isActive()) {
        return;
    }
    if (!readerPace_.TellNow(ReaderViewOf(model_), timerMs, atRest)) {
        return;
    }
    if (auto* scene =
            dynamic_cast<SceneAccessible*>(QAccessible::queryAccessibleInterface(scene_))) {
        scene->Refresh(tellInstead_ ? tellInstead_ : &QAccessible::updateAccessibility);
    }
}

} // namespace tarvelo
