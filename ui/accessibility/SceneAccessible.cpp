// The scene as a list of the two pans and their pieces, for a screen reader.
#include "ui/accessibility/SceneAccessible.h"

#include "core/keyboard/SceneNavigation.h"
#include "core/model/Model.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/window/SceneCanvas.h"

#include <QCoreApplication>
#include <algorithm>

namespace tarvelo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("tarvelo::SceneAccessible", text);
}

// The pieces pan `pan` carries, from the bottom of its stacks up and from left to right.
std::vector<std::int32_t> PiecesOn(const Scene& scene, std::int32_t pan) {
    std::vector<std::pair<StackPlace, std::int32_t>> found;
    for (std::int32_t i = kFirstPiece; i <= scene.objCount(); ++i) {
        const StackPlace place = PlaceInStack(scene, i);
        if (place.pan == pan) {
            found.emplace_back(place, i);
        }
    }
    std::sort(found.begin(), found.end(), [&scene](const auto& a, const auto& b) {
        return std::pair(a.first.level, scene.obj(a.second).objX) <
               std::pair(b.first.level, scene.obj(b.second).objX);
    });
    std::vector<std::int32_t> pieces;
    pieces.reserve(found.size());
    for (const auto& entry : found) {
        pieces.push_back(entry.second);
    }
    return pieces;
}

QRect ScreenRectOf(const QWidget* canvas, const SceneObject& o) {
    return {canvas->mapToGlobal(QPoint(o.objX, o.objY)), QSize(o.objW, o.objH)};
}

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

// The k-th piece of a pan, in the order PiecesOn gives.
class PieceAccessible : public VirtualAccessible {
  public:
    PieceAccessible(QAccessibleInterface* pan, const SceneCanvas* canvas, std::int32_t panNumber,
                    int index)
        : pan_(pan), canvas_(canvas), panNumber_(panNumber), index_(index) {}
    bool isValid() const override { return Piece() != kNoObject; }
    QAccessibleInterface* parent() const override { return pan_; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        const Model& model = canvas_->model();
        return t == QAccessible::Name
                   ? PieceName(model.scene, Piece(), model.controls.showSolution())
                   : QString();
    }
    QRect rect() const override {
        const std::int32_t i = Piece();
        return i == kNoObject ? QRect() : ScreenRectOf(canvas_, canvas_->model().scene.obj(i));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

  private:
    std::int32_t Piece() const {
        const auto pieces = PiecesOn(canvas_->model().scene, panNumber_);
        return index_ < static_cast<int>(pieces.size()) ? pieces[static_cast<std::size_t>(index_)]
                                                        : kNoObject;
    }
    QAccessibleInterface* pan_;
    const SceneCanvas* canvas_;
    std::int32_t panNumber_;
    int index_;
};

// One pan: named with what it carries, its pieces as children.
class PanAccessible : public VirtualAccessible {
  public:
    PanAccessible(QAccessibleInterface* list, const SceneCanvas* canvas, std::int32_t pan)
        : list_(list), canvas_(canvas), pan_(pan) {}
    ~PanAccessible() override {
        for (QAccessible::Id id : pieceIds_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    QAccessibleInterface* parent() const override { return list_; }
    int childCount() const override {
        return static_cast<int>(PiecesOn(canvas_->model().scene, pan_).size());
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        // One interface per place in the list, made when first asked for and kept: it reads
        // whichever piece stands at that place now.
        while (static_cast<int>(pieceIds_.size()) <= index) {
            auto* piece = new PieceAccessible(const_cast<PanAccessible*>(this), canvas_, pan_,
                                              static_cast<int>(pieceIds_.size()));
            pieceIds_.push_back(QAccessible::registerAccessibleInterface(piece));
        }
        return QAccessible::accessibleInterface(pieceIds_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        for (std::size_t k = 0; k < pieceIds_.size(); ++k) {
            if (QAccessible::accessibleInterface(pieceIds_[k]) == c) {
                return static_cast<int>(k) < childCount() ? static_cast<int>(k) : -1;
            }
        }
        return -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? PanName(canvas_->model().scene, pan_) : QString();
    }
    QRect rect() const override { return ScreenRectOf(canvas_, canvas_->model().scene.obj(pan_)); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

  private:
    QAccessibleInterface* list_;
    const SceneCanvas* canvas_;
    std::int32_t pan_;
    mutable std::vector<QAccessible::Id> pieceIds_;
};

// The list of the two pans.
class BalanceListAccessible : public VirtualAccessible {
  public:
    BalanceListAccessible(QAccessibleInterface* scene, const SceneCanvas* canvas)
        : scene_(scene), canvas_(canvas) {
        for (std::size_t p = 0; p < pans_.size(); ++p) {
            auto* pan = new PanAccessible(this, canvas, kLeftPan + static_cast<std::int32_t>(p));
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
    QRect rect() const override { return {canvas_->mapToGlobal(QPoint()), canvas_->size()}; }
    QAccessible::Role role() const override { return QAccessible::List; }

    // What each pan was last called and how many pieces it had, to tell what changed.
    std::array<std::pair<QString, int>, kPanCount> told;

  private:
    QAccessibleInterface* scene_;
    const SceneCanvas* canvas_;
    std::array<QAccessibleInterface*, kPanCount> pans_{};
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

void SceneAccessible::Refresh() {
    for (int p = 0; p < list_->childCount(); ++p) {
        QAccessibleInterface* pan = list_->child(p);
        const std::pair<QString, int> now{pan->text(QAccessible::Name), pan->childCount()};
        auto& told = list_->told[static_cast<std::size_t>(p)];
        if (now.second != told.second) {
            QAccessibleEvent reorder(pan, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&reorder);
        }
        if (now.first != told.first) {
            QAccessibleEvent renamed(pan, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
        told = now;
    }
}

} // namespace tarvelo
