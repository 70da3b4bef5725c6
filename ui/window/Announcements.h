// What the main window tells a screen reader out of turn: each sentence said, the balance once it
// has settled, and the scene's changes at the pace a reader can follow.
#pragma once

#include "core/play/PanMoves.h"
#include "ui/accessibility/SceneAccessible.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace tarvelo {

class Announcer;
class Model;
class SceneCanvas;
struct TrailStep;

// Asked for the words of an answer a step of the trail came to rest with, as it is about to be
// said; what it gives is said instead of "Solved: X = 3.", nothing leaves that. A challenge
// solved is praised this way, in one sentence rather than two.
using AnswerTelling = std::function<std::optional<QString>(const SolvedUnknown& answer)>;

class Announcements {
  public:
    Announcements(QWidget* window, const Model& model, SceneCanvas* scene);

    // Tells a screen reader `text` (see Announcer).
    void Say(const QString& text);
    // The last sentence told.
    QString LastSaid() const;

    // What the palette's keys do, as the palette gets the focus.
    void SayPaletteHelp();
    // The balance again, and what each pan holds.
    void SayBalance();
    void SayPans();

    // The scene was replaced: says `sentence` (unless empty: said by the caller when it is
    // heard), and of the balance only the one the new scene comes to rest with.
    void SceneReplaced(const QString& sentence);

    void SayAnswersThrough(AnswerTelling tell) { answerInstead_ = std::move(tell); }

    // See AccessLayer::TellReaderThrough.
    void TellReaderThrough(SceneAccessible::Telling tell) { tellInstead_ = std::move(tell); }

    // After the widgets were brought up to date, at the timers' time `timerMs`: what changed in
    // the scene is told to a screen reader at the pace ReaderPace sets, and a balance whose sign
    // and equation stayed the same for a while, or that a scene come to rest shows, has settled:
    // what it shows is said once.
    void AfterSync(std::int64_t timerMs);

  private:
    // Tells a screen reader what changed in the scene, if it is time to.
    void TellReader(std::int64_t timerMs, bool atRest);
    // Says the balance if it has settled on something not said yet.
    void SayBalanceIfSettled(std::int64_t timerMs, bool atRest);
    // Says what a step of the trail come to rest found, once: an answer, a check's judgement,
    // a twin change the other pan waits for.
    void SayTrailNews();
    std::optional<QString> NewsOf(const TrailStep& step) const;

    const Model& model_;
    SceneCanvas* scene_;
    Announcer* announcer_;
    // The sign and equation the balance last showed, since when, and the last ones announced.
    std::string balanceSeen_;
    std::int64_t balanceSeenSinceMs_ = 0;
    std::string balanceAnnounced_;
    // After the scene was replaced, the balance is told once the new scene has come to rest.
    bool balanceAwaitsRest_ = false;
    // The steps of the trail come to rest when it was last looked at.
    std::size_t trailStepsRested_ = 0;
    ReaderPace readerPace_;
    SceneAccessible::Telling tellInstead_;
    AnswerTelling answerInstead_;
};

} // namespace tarvelo
