// The scene for a screen reader: the scene surface holds, before the buttons and labels that
// stand on it, a list of the two pans, each named with what it carries and holding its pieces,
// each named with its place in its stack. Names are read from the model whenever asked, so what
// is read is never stale; the pans' lists of pieces are found once per change of the scene, so
// that a reader walking a crowded pan costs one look-up per piece. Refresh tells a reader what
// changed of what it may keep; ReaderPace says when.
#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

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
    // Where the events for a reader go: Qt's accessibility updates, which its bridge hands on.
    using Telling = std::function<void(QAccessibleEvent*)>;
    // Tells a reader what changed since the last call: the places added to or gone from each
    // pan's list (one event per place), then a new name for each pan or place whose name a
    // reader may keep and which is no longer right.
    void Refresh(const Telling& tell);

  private:
    BalanceListAccessible* list_; // registered with Qt, which deletes it
    int listId_ = 0;
};

// What a screen reader could read of the scene, as counts that only grow: it changes with the
// scene, and with the window's controls, which show or hide the values of X and Y. (The solution
// shown and hidden again between two tellings is not the view told before: a reader may have read
// the names meanwhile.)
struct ReaderView {
    std::uint64_t sceneChanges = 0;
    std::uint64_t controlChanges = 0;
    bool operator==(const ReaderView&) const = default;
};

ReaderView ReaderViewOf(const Model& model);

// A reader is told the scene's changes at most this often while it moves, in timer time: falling
// pieces change the pans at nearly every tick, faster than anyone listens.
constexpr std::int64_t kReaderPaceMs = 250;

// When the scene's changes are told to a screen reader: never while nothing a reader could read
// changed, at most every kReaderPaceMs while the scene moves, and at once when it has come to
// rest, so that the last change is always told and nothing a reader keeps stays stale.
class ReaderPace {
  public:
    // True when `view`, shown at `timerMs` of timer time, is to be told now; it then counts as
    // told. `atRest`: the window's whole state has come to rest.
    bool TellNow(const ReaderView& view, std::int64_t timerMs, bool atRest);

  private:
    std::optional<ReaderView> told_;
    std::int64_t toldMs_ = 0;
};

} // namespace tarvelo
