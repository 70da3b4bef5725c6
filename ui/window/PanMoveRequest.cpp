// The moves panel's requests made on the model, and named.
#include "ui/window/PanMoveRequest.h"

#include "core/play/Model.h"

namespace tarvelo {

MoveOutcome MakeMove(Model& model, const PanMoveRequest& move) {
    using Verb = PanMoveRequest::Verb;
    switch (move.verb) {
    case Verb::TakeFromBoth:
        return model.TakeFromBoth(move.kind);
    case Verb::AddToBoth:
        return model.AddToBoth(move.kind);
    case Verb::Split:
        return model.SplitCube(move.pan, move.n, move.a, move.b);
    case Verb::Join:
        return model.JoinCubes(move.pan, move.a, move.b);
    case Verb::Share:
        break;
    }
    return model.Share(move.groups);
}

UndoAction ActionOf(const PanMoveRequest& move) {
    using Verb = PanMoveRequest::Verb;
    switch (move.verb) {
    case Verb::TakeFromBoth:
        return {ActionVerb::TakenFromBoth, move.kind};
    case Verb::AddToBoth:
        return {ActionVerb::AddedToBoth, move.kind};
    case Verb::Split:
        return {ActionVerb::Split, CubeBearing(move.n).value_or(PieceKind::kPan)};
    case Verb::Join:
        return {ActionVerb::Joined, CubeBearing(move.a + move.b).value_or(PieceKind::kPan)};
    case Verb::Share:
        break;
    }
    return {ActionVerb::Shared};
}

} // namespace tarvelo
