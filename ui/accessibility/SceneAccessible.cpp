// The scene as a list of the two pans and their pieces, for a screen reader.
#include "ui/accessibility/SceneAccessible.h"

#include "core/play/Model.h"
#include "core/world/SceneNavigation.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/painting/SceneCanvas.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <vector>

namespace tarvelo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("tarvelo::SceneAccessible", text);
}

// A piece a pan carries, and its place in its stack.
struct CarriedPiece {
    std::int32_t nObj = kNoObject;
    StackPlace place;
};

using PanLists = std::array<std::vector<CarriedPiece>, kPanCount>;

std::size_t ListOf(std::int32_t pan) {
    return static_cast<std::size_t>(pan - kLeftPan);
}

// The pieces each pan carries, from the bottom of its stacks up and from left to right, in one
// pass over the scene.
PanLists ListPieces(const Scene& scene) {
    PanLists lists;
    for (std::int32_t i = kFirstPiece; i <= scene.objCount(); ++i) {
        const StackPlace place = PlaceInStack(scene, i);
        if (place.pan == kLeftPan || place.pan == kRightPan) {
            lists[ListOf(place.pan)].push_back({i, place});
        }
    }
    const auto lower = [&scene](const CarriedPiece& a, const CarriedPiece& b) {
        return std::pair(a.place.level, scene.obj(a.nObj).objX) <
               std::pair(b.place.level, scene.obj(b.nObj).objX);
    };
    for (auto& list : lists) {
        std::stable_sort(list.begin(), list.end(), lower);
    }
    return lists;
}

QRect ScreenRectOf(const QWidget* canvas, const SceneObject& o) {
    return {canvas->mapToGlobal(QPoint(o.objX, o.objY)), QSize(o.objW, o.objH)};
}

void SendEvent(const SceneAccessible::Telling& tell, QAccessibleInterface* iface,
               QAccessible::Event event) {
    QAccessibleEvent told(iface, event);
    tell(&told);
}

// What readers may keep of one name. A reader keeps a name it has read until it is told that
// the name changed; so a change needs telling only when a name handed out since the last telling
// differs from the name now, and a name nobody read needs no telling at all.
class NameReadings {
  public:
    void HandedOut(const QString& name) {
        if (!kept_) {
            kept_ = name;
        } else if (*kept_ != name) {
            mixed_ = true;
        }
    }
    bool AnyKept() const { return kept_.has_value(); }
    bool MayDifferFrom(const QString& now) const { return kept_ && (mixed_ || *kept_ != now); }
    // Told: every reader reads the name afresh.
    void Forget() {
        kept_.reset();
        mixed_ = false;
    }

  private:
    std::optional<QString> kept_; // the name handed out since the last telling
    bool mixed_ = false;          // more than one name was handed out meanwhile
};

// The model as the interfaces read it, with the pans' lists found once per change of the scene:
// a reader walks a pan place by place, and each place looks its piece up here.
class SceneReading {
  public:
    explicit SceneReading(const SceneCanvas* canvas) : canvas_(canvas) {}
    const SceneCanvas* canvas() const { return canvas_; }
    const Model& model() const { return canvas_->model(); }
    const std::vector<CarriedPiece>& PiecesOn(std::int32_t pan) const {
        const Scene& scene = model().scene;
        if (listedAt_ != scene.Changes()) {
            lists_ = ListPieces(scene);
            listedAt_ = scene.Changes();
        }
        return lists_[ListOf(pan)];
    }

  private:
    const SceneCanvas* canvas_;
    mutable std::optional<std::uint64_t> listedAt_; // the scene's change count the lists are of
    mutable PanLists lists_;
};

} // namespace

// Common ground of the interfaces without a widget of their own.
class VirtualAccessible : public QAccessibleInterface {
  public:
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation /*match*/) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* c = child(i);
            if (c != nullptr && c->rect().contains(x, y)) {
                return c;
            }
        }
        return nullptr;
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
};

// A pan or a place in its list: its name is what a reader may keep, and is told when it changes.
class NamedAccessible : public VirtualAccessible {
  public:
    QString text(QAccessible::Text t) const final {
        if (t != QAccessible::Name) {
            return {};
        }
        QString name = NameNow();
        readings_.HandedOut(name);
        return name;
    }
    // Tells a reader the name changed, if a name it may keep is no longer right.
    void TellIfRenamed(const SceneAccessible::Telling& tell) {
        if (!readings_.AnyKept() || !readings_.MayDifferFrom(NameNow())) {
            return;
        }
        // Forgotten first: a name read while the change is told is kept afresh.
        readings_.Forget();
        SendEvent(tell, this, QAccessible::NameChanged);
    }

  protected:
    virtual QString NameNow() const = 0;

  private:
    mutable NameReadings readings_;
};

// The k-th place in a pan's list, in the order ListPieces gives: whichever piece stands there now.
// A place left behind by a shorter list stays valid, so that its going can be told.
class PieceAccessible : public NamedAccessible {
  public:
    PieceAccessible(QAccessibleInterface* pan, const SceneReading& reading, std::int32_t panNumber,
                    int index)
        : pan_(pan), reading_(reading), panNumber_(panNumber), index_(index) {}
    QAccessibleInterface* parent() const override { return pan_; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QRect rect() const override {
        const std::optional<CarriedPiece> piece = Piece();
        return piece ? ScreenRectOf(reading_.canvas(), reading_.model().scene.obj(piece->nObj))
                     : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    int index() const { return index_; }

  protected:
    QString NameNow() const override {
        const std::optional<CarriedPiece> piece = Piece();
        const Model& model = reading_.model();
        return piece ? PieceName(model.scene, piece->nObj, piece->place,
                                 model.controls.showSolution())
                     : QString();
    }

  private:
    std::optional<CarriedPiece> Piece() const {
        const std::vector<CarriedPiece>& pieces = reading_.PiecesOn(panNumber_);
        return index_ < static_cast<int>(pieces.size())
                   ? std::optional(pieces[static_cast<std::size_t>(index_)])
                   : std::nullopt;
    }
    QAccessibleInterface* pan_;
    const SceneReading& reading_;
    std::int32_t panNumber_;
    int index_;
};

// One pan: named with what it carries, the places of its pieces as children.
class PanAccessible : public NamedAccessible {
  public:
    PanAccessible(QAccessibleInterface* list, const SceneReading& reading, std::int32_t pan)
        : list_(list), reading_(reading), pan_(pan) {}
    ~PanAccessible() override {
        for (const Place& place : places_) {
            QAccessible::deleteAccessibleInterface(place.id);
        }
    }
    QAccessibleInterface* parent() const override { return list_; }
    int childCount() const override { return static_cast<int>(reading_.PiecesOn(pan_).size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? PlaceAt(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        const auto* place = dynamic_cast<const PieceAccessible*>(c);
        return place != nullptr && place->parent() == this && place->index() < childCount()
                   ? place->index()
                   : -1;
    }
    QRect rect() const override {
        return ScreenRectOf(reading_.canvas(), reading_.model().scene.obj(pan_));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    // Tells a reader, one event per place, the places gone from the list and those added to it
    // since it was last told, then the names that changed. A reorder of the whole pan would make
    // Qt's bridge send an event for every place the pan has; Qt 6.4 sends a place created as a
    // children-changed add (its detail the pan's new child count, not the place's index, so a
    // client that keeps the pan's children reads them again) and a place destroyed as a remove
    // (to clients that listen for state changes too, as screen readers do).
    void Tell(const SceneAccessible::Telling& tell) {
        const int now = childCount();
        for (int k = toldCount_ - 1; k >= now; --k) {
            SendEvent(tell, PlaceAt(k), QAccessible::ObjectDestroyed);
        }
        for (int k = toldCount_; k < now; ++k) {
            SendEvent(tell, PlaceAt(k), QAccessible::ObjectCreated);
        }
        toldCount_ = now;
        TellIfRenamed(tell);
        for (std::size_t k = 0; k < places_.size() && static_cast<int>(k) < now; ++k) {
            places_[k].iface->TellIfRenamed(tell);
        }
    }

  protected:
    QString NameNow() const override { return PanName(reading_.model().scene, pan_); }

  private:
    struct Place {
        PieceAccessible* iface;
        QAccessible::Id id;
    };
    // The interface of place `index`, made when first needed and kept: a place that leaves the
    // list and comes back is the same object to a reader, which may still keep its name.
    PieceAccessible* PlaceAt(int index) const {
        while (static_cast<int>(places_.size()) <= index) {
            auto* place = new PieceAccessible(const_cast<PanAccessible*>(this), reading_, pan_,
                                              static_cast<int>(places_.size()));
            places_.push_back({place, QAccessible::registerAccessibleInterface(place)});
        }
        return places_[static_cast<std::size_t>(index)].iface;
    }
    QAccessibleInterface* list_;
    const SceneReading& reading_;
    std::int32_t pan_;
    mutable std::vector<Place> places_;
    int toldCount_ = 0; // how many places a reader was told the list has
};

// The list of the two pans.
class BalanceListAccessible : public VirtualAccessible {
  public:
    BalanceListAccessible(QAccessibleInterface* scene, const SceneCanvas* canvas)
        : scene_(scene), reading_(canvas) {
        for (std::size_t p = 0; p < pans_.size(); ++p) {
            auto* pan = new PanAccessible(this, reading_, kLeftPan + static_cast<std::int32_t>(p));
            panIds_[p] = QAccessible::registerAccessibleInterface(pan);
            pans_[p] = pan;
        }
    }
    ~BalanceListAccessible() override {
        for (QAccessible::Id id : panIds_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    QAccessibleInterface* parent() const override { return scene_; }
    int childCount() const override { return static_cast<int>(pans_.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? pans_[static_cast<std::size_t>(index)]
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        const auto at = std::find(pans_.begin(), pans_.end(), c);
        return at == pans_.end() ? -1 : static_cast<int>(at - pans_.begin());
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name
                   ? Tr(QT_TRANSLATE_NOOP("tarvelo::SceneAccessible", "the two pans"))
                   : QString();
    }
    QRect rect() const override {
        return {reading_.canvas()->mapToGlobal(QPoint()), reading_.canvas()->size()};
    }
    QAccessible::Role role() const override { return QAccessible::List; }

    void Tell(const SceneAccessible::Telling& tell) {
        for (PanAccessible* pan : pans_) {
            pan->Tell(tell);
        }
    }

  private:
    QAccessibleInterface* scene_;
    SceneReading reading_;
    std::array<PanAccessible*, kPanCount> pans_{};
    std::array<QAccessible::Id, kPanCount> panIds_{};
};

SceneAccessible::SceneAccessible(SceneCanvas* canvas)
    : QAccessibleWidget(canvas, QAccessible::Pane), list_(new BalanceListAccessible(this, canvas)) {
    listId_ = static_cast<int>(QAccessible::registerAccessibleInterface(list_));
}

SceneAccessible::~SceneAccessible() {
    QAccessible::deleteAccessibleInterface(static_cast<QAccessible::Id>(listId_));
}

const Model& SceneAccessible::model() const {
    return static_cast<const SceneCanvas*>(widget())->model();
}

int SceneAccessible::childCount() const {
    return 1 + QAccessibleWidget::childCount();
}

QAccessibleInterface* SceneAccessible::child(int index) const {
    return index == 0 ? list_ : QAccessibleWidget::child(index - 1);
}

int SceneAccessible::indexOfChild(const QAccessibleInterface* c) const {
    if (c == list_) {
        return 0;
    }
    const int widgetIndex = QAccessibleWidget::indexOfChild(c);
    return widgetIndex < 0 ? -1 : widgetIndex + 1;
}

QString SceneAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return Tr(QT_TRANSLATE_NOOP("tarvelo::SceneAccessible", "scene"));
    }
    return QAccessibleWidget::text(t);
}

void SceneAccessible::Refresh(const Telling& tell) {
    list_->Tell(tell);
}

ReaderView ReaderViewOf(const Model& model) {
    return {model.scene.Changes(), model.controls.Changes()};
}

bool ReaderPace::TellNow(const ReaderView& view, std::int64_t timerMs, bool atRest) {
    if (told_ == view) {
        return false;
    }
    if (told_ && !atRest && timerMs - toldMs_ < kReaderPaceMs) {
        return false;
    }
    told_ = view;
    toldMs_ = timerMs;
    return true;
}

} // namespace tarvelo
