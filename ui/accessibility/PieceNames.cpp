// The scene in words.
#include "ui/accessibility/PieceNames.h"

#include "core/world/EquationDisplay.h"
#include "core/world/SceneNavigation.h"

#include <QCoreApplication>
#include <QStringList>
#include <map>

namespace tarvelo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("tarvelo::PieceNames", text);
}

// One kind and how many of it: "cube 5", "2 cubes 3", "3 X", "a smiley".
QString GroupName(PieceKind kind, int count) {
    if (IsNumberCube(kind)) {
        return count == 1 ? KindName(kind)
                          : Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1 cubes %2"))
                                .arg(count)
                                .arg(NumberOnCube(kind));
    }
    switch (kind) {
    case PieceKind::kX:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1 X")).arg(count);
    case PieceKind::kY:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1 Y")).arg(count);
    case PieceKind::kSmiley:
        return count == 1 ? Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "a smiley"))
                          : Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1 smileys")).arg(count);
    default:
        return KindName(kind);
    }
}

// Number cubes from 0 up, then X, Y and the smileys.
int ReadingOrder(PieceKind kind) {
    return IsNumberCube(kind) ? NumberOnCube(kind) : KindNumber(kind);
}

} // namespace

QString KindName(PieceKind kind) {
    if (IsNumberCube(kind)) {
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "cube %1")).arg(NumberOnCube(kind));
    }
    switch (kind) {
    case PieceKind::kX:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "unknown X"));
    case PieceKind::kY:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "unknown Y"));
    case PieceKind::kSmiley:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "smiley"));
    case PieceKind::kPan:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "pan"));
    default:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "piece"));
    }
}

QString PieceName(const Scene& scene, std::int32_t nObj, bool showSolution) {
    if (nObj < 1 || nObj > scene.objCount()) {
        return {};
    }
    return PieceName(scene, nObj, PlaceInStack(scene, nObj), showSolution);
}

QString PieceName(const Scene& scene, std::int32_t nObj, StackPlace place, bool showSolution) {
    if (nObj < 1 || nObj > scene.objCount()) {
        return {};
    }
    const PieceKind kind = scene.obj(nObj).objKind;
    QString kindName = KindName(kind);
    if (showSolution && IsUnknown(kind)) {
        kindName = Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1, which is %2"))
                       .arg(kindName)
                       .arg(kind == PieceKind::kX ? scene.xValue() : scene.yValue());
    }
    const bool left = place.pan == kLeftPan;
    if (place.pan == 0) {
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1, on no pan")).arg(kindName);
    }
    if (place.level == 1) {
        return (left ? Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1, on the left pan"))
                     : Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1, on the right pan")))
            .arg(kindName);
    }
    // Higher up, what it stands on tells a child where to find it.
    const std::int32_t support = scene.topContact().SupportOf(nObj);
    const QString below = support >= kFirstPiece && support <= scene.objCount()
                              ? KindName(scene.obj(support).objKind)
                              : KindName(PieceKind::kPan);
    return (left ? Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1, on %2 on the left pan"))
                 : Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1, on %2 on the right pan")))
        .arg(kindName, below);
}

QString PanName(const Scene& scene, std::int32_t pan) {
    std::map<int, std::pair<PieceKind, int>> groups; // reading order -> kind, count
    for (std::int32_t i = kFirstPiece; i <= scene.objCount(); ++i) {
        const PieceKind kind = scene.obj(i).objKind;
        if (PlaceInStack(scene, i).pan == pan) {
            auto& group = groups[ReadingOrder(kind)];
            group.first = kind;
            ++group.second;
        }
    }
    QStringList carried;
    for (const auto& [order, group] : groups) {
        carried << GroupName(group.first, group.second);
    }
    const QString contents = carried.isEmpty()
                                 ? Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "empty"))
                                 : carried.join(QStringLiteral(", "));
    const bool left = pan == kLeftPan;
    const QString total = QString::fromStdString(
        EquationDisplay::SideText(left ? scene.leftTerms() : scene.rightTerms()));
    return (left ? Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "left pan: %1; total %2"))
                 : Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "right pan: %1; total %2")))
        .arg(contents, total);
}

QString SignName(const std::string& sign) {
    if (sign == ">") {
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "left side heavier"));
    }
    if (sign == "<") {
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "right side heavier"));
    }
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "both sides equal"));
}

QString SolutionSentence(bool shown, std::int32_t x, std::int32_t y) {
    return shown ? Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "Solution shown: X is %1, Y is %2."))
                       .arg(x)
                       .arg(y)
                 : Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "Solution hidden."));
}

namespace {

// The action a step undoes, in words: "dropped cube 5".
QString ActionPhrase(const UndoAction& action) {
    switch (action.verb) {
    case ActionVerb::Dropped:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "dropped %1"))
            .arg(KindName(action.kind));
    case ActionVerb::Moved:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "moved %1")).arg(KindName(action.kind));
    case ActionVerb::Removed:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "removed %1"))
            .arg(KindName(action.kind));
    case ActionVerb::ValueSet:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "the value of %1 set"))
            .arg(KindName(action.kind));
    case ActionVerb::SolutionShown:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "solution shown"));
    case ActionVerb::SolutionHidden:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "solution hidden"));
    case ActionVerb::TakenFromBoth:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1 taken from both pans"))
            .arg(KindName(action.kind));
    case ActionVerb::AddedToBoth:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1 added to both pans"))
            .arg(KindName(action.kind));
    case ActionVerb::DroppedOnPan:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1 dropped on a pan"))
            .arg(KindName(action.kind));
    case ActionVerb::TakenFromPan:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1 taken from a pan"))
            .arg(KindName(action.kind));
    case ActionVerb::Split:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1 split in two"))
            .arg(KindName(action.kind));
    case ActionVerb::Joined:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "two cubes joined into %1"))
            .arg(KindName(action.kind));
    case ActionVerb::Shared:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "both pans shared into groups"));
    case ActionVerb::Checked:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "an answer checked"));
    case ActionVerb::SceneReplaced:
        break;
    }
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "scene replaced"));
}

} // namespace

QString UndoSentence(bool redone, const UndoAction& action) {
    return (redone ? Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "Redone: %1."))
                   : Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "Undone: %1.")))
        .arg(ActionPhrase(action));
}

namespace {

// "The left pan holds no cube 5." and the like: a refusal that names one pan.
QString OnPan(std::int32_t pan, const char* left, const char* right) {
    return pan == kLeftPan ? Tr(left) : Tr(right);
}

} // namespace

QString MoveRefusalSentence(const MoveOutcome& outcome) {
    const std::int32_t pan = outcome.pan;
    switch (outcome.refusal) {
    case MoveRefusal::None:
        break;
    case MoveRefusal::NoSuchPan:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "There is no pan %1.")).arg(pan);
    case MoveRefusal::NotAPiece:
        return outcome.kind == PieceKind::kPan
                   ? Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "There is no cube %1."))
                         .arg(outcome.amount)
                   : Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1 cannot go on a pan."))
                         .arg(KindName(outcome.kind));
    case MoveRefusal::NoSuchPiece:
        return OnPan(pan, QT_TRANSLATE_NOOP("tarvelo::PieceNames", "The left pan holds no %1."),
                     QT_TRANSLATE_NOOP("tarvelo::PieceNames", "The right pan holds no %1."))
            .arg(KindName(outcome.kind));
    case MoveRefusal::NoRoom:
        return OnPan(pan,
                     QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                       "There is no room above the left pan for another %1."),
                     QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                       "There is no room above the right pan for another %1."))
            .arg(KindName(outcome.kind));
    case MoveRefusal::WrongSum:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "The two cubes would make %1, not %2."))
            .arg(outcome.amount)
            .arg(outcome.wanted);
    case MoveRefusal::SumAboveNine:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                    "The two cubes would make %1, and no cube bears more than 9."))
            .arg(outcome.amount);
    case MoveRefusal::TooFewGroups:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                    "Sharing takes 2 groups or more, not %1."))
            .arg(outcome.wanted);
    case MoveRefusal::UnknownNotShared:
        return OnPan(
                   pan,
                   QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                     "On the left pan, %1 cannot be shared into %2 equal groups."),
                   QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                     "On the right pan, %1 cannot be shared into %2 equal "
                                     "groups."))
            .arg(GroupName(outcome.kind, outcome.amount))
            .arg(outcome.wanted);
    case MoveRefusal::NumberNotShared:
        return OnPan(pan,
                     QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                       "On the left pan, the numbers worth %1 cannot be shared "
                                       "into %2 equal groups."),
                     QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                       "On the right pan, the numbers worth %1 cannot be shared "
                                       "into %2 equal groups."))
            .arg(outcome.amount)
            .arg(outcome.wanted);
    case MoveRefusal::ExchangeFirst:
        return OnPan(pan,
                     QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                       "On the left pan, no cubes make up %1 as they are: "
                                       "exchange first."),
                     QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                       "On the right pan, no cubes make up %1 as they are: "
                                       "exchange first."))
            .arg(outcome.amount);
    case MoveRefusal::NoSuchValue:
        return (outcome.kind == PieceKind::kY
                    ? Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                           "Y is a whole number from 0 to %2, not %1."))
                    : Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                           "X is a whole number from 0 to %2, not %1.")))
            .arg(outcome.amount)
            .arg(outcome.wanted);
    }
    return {};
}

QString LockedRefusalSentence(const MoveOutcome& outcome) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "The pans are locked. %1"))
        .arg(MoveRefusalSentence(outcome));
}

QString MoveDoneSentence(const UndoAction& action) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "Done: %1.")).arg(ActionPhrase(action));
}

QString LetGoFirstSentence() {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                "Put down what you hold first, then make the move."));
}

QString SceneEmptyingSentence() {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                "The scene is being emptied: make the move once it is ready."));
}

QString SolvedText(const SolvedUnknown& solved) {
    const QString letter =
        solved.unknown == PieceKind::kY ? QStringLiteral("Y") : QStringLiteral("X");
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1 = %2")).arg(letter).arg(solved.value);
}

QString SolvedSentence(const SolvedUnknown& solved) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "Solved: %1.")).arg(SolvedText(solved));
}

QString ZoomSentence(int percent, bool fullScreen, ZoomEdge edge) {
    if (fullScreen) {
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "Full screen, zoom %1 %.")).arg(percent);
    }
    switch (edge) {
    case ZoomEdge::Largest:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                    "Zoom %1 %, the largest for this screen."))
            .arg(percent);
    case ZoomEdge::Smallest:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                    "Zoom %1 %, the smallest for this screen."))
            .arg(percent);
    case ZoomEdge::None:
        break;
    }
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "Zoom %1 %.")).arg(percent);
}

QString SceneReplacedSentence(SceneChange change, const QString& problemName) {
    switch (change) {
    case SceneChange::New:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                    "New scene: the pans are empty. Ctrl+Z brings back the last "
                                    "one."));
    case SceneChange::Restarted:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                    "Started again: %1. Ctrl+Z brings back the last scene."))
            .arg(problemName);
    case SceneChange::OpenedLesson:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "Opened %1.")).arg(problemName);
    case SceneChange::Opened:
        break;
    }
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames",
                                "Opened %1. Ctrl+Z brings back the last scene."))
        .arg(problemName);
}

QString PansSentence(const Scene& scene) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1. %2."))
        .arg(PanName(scene, kLeftPan), PanName(scene, kRightPan));
}

QString BalanceSentence(const std::string& sign, const std::string& equation) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::PieceNames", "%1: %2"))
        .arg(SignName(sign), QString::fromStdString(equation));
}

} // namespace tarvelo
