// Moves on the pans as wholes: taking from and adding to both, one pan's drops and removals,
// splitting and joining cubes, sharing both pans into groups, and reading the answer off the
// balance.
#include "core/play/Model.h"
#include "core/world/SceneNavigation.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <iterator>
#include <utility>
#include <vector>

namespace tarvelo {

namespace {

constexpr std::array kPans{kLeftPan, kRightPan};
constexpr std::int32_t kColumnGap = 1; // the columns a dropped piece may take share no pixel
constexpr std::int32_t kMinGroups = 2;

bool IsPan(std::int32_t pan) {
    return pan == kLeftPan || pan == kRightPan;
}

bool IsPieceKind(PieceKind kind) {
    return kind != PieceKind::kPan && HasPicture(kind);
}

MoveOutcome Refused(MoveRefusal refusal, std::int32_t pan = 0, PieceKind kind = PieceKind::kPan,
                    std::int32_t amount = 0, std::int32_t wanted = 0) {
    return {refusal, pan, kind, amount, wanted};
}

// The pieces pan `pan` carries, the lowest first (ties in table order).
std::vector<std::int32_t> PiecesOn(const Scene& scene, std::int32_t pan) {
    std::vector<std::int32_t> pieces;
    for (std::int32_t i = kFirstPiece; i <= scene.objCount(); ++i) {
        if (scene.PanCarrying(i) == pan) {
            pieces.push_back(i);
        }
    }
    std::stable_sort(pieces.begin(), pieces.end(), [&scene](std::int32_t a, std::int32_t b) {
        return scene.obj(a).objY > scene.obj(b).objY;
    });
    return pieces;
}

// The topmost piece of `kind` on pan `pan` other than `besides`, or none.
std::int32_t TopmostOn(const Scene& scene, std::int32_t pan, PieceKind kind,
                       std::int32_t besides = kNoObject) {
    const std::vector<std::int32_t> pieces = PiecesOn(scene, pan);
    const auto found = std::find_if(pieces.rbegin(), pieces.rend(), [&](std::int32_t i) {
        return i != besides && scene.obj(i).objKind == kind;
    });
    return found == pieces.rend() ? kNoObject : *found;
}

struct Place {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Where a piece of `kind` is put to drop onto pan `pan`: over the pan, above the column whose
// load stands lowest (the first such from the left), one piece's height above it or as high
// as the scene allows; none when even the lowest column reaches the scene's top.
std::optional<Place> DropPlace(const Scene& scene, std::int32_t pan, PieceKind kind) {
    const std::optional<PictureSize> size = PictureSizeOfKind(kind);
    const SceneObject& p = scene.obj(pan);
    if (!size || size->width > p.objW) {
        return std::nullopt;
    }
    std::optional<Place> best;
    for (std::int32_t x = p.objX; x + size->width <= p.objX + p.objW;
         x += size->width + kColumnGap) {
        const std::int32_t landing = LandingTop(scene, x, size->width, kNoObject) - size->height;
        if (!best || landing > best->y) {
            best = Place{x, landing};
        }
    }
    const std::int32_t sceneTop = scene.pictDraw().ScaleTop;
    if (!best || best->y < sceneTop) {
        return std::nullopt;
    }
    best->y = std::max(sceneTop, best->y - size->height);
    return best;
}

// Takes the pieces `doomed` out of the table; the highest numbers go first, as a removal moves
// the last piece into the freed number. `follow` goes on naming the same piece (none once it
// is taken).
void RemoveAll(Model& model, std::vector<std::int32_t> doomed, std::int32_t& follow) {
    std::sort(doomed.begin(), doomed.end(), std::greater<>());
    for (const std::int32_t i : doomed) {
        const std::int32_t last = model.scene.objCount();
        model.RemoveBlock(i);
        follow = follow == i ? kNoObject : (follow == last ? i : follow);
    }
}

void RemoveAll(Model& model, std::vector<std::int32_t> doomed) {
    std::int32_t none = kNoObject;
    RemoveAll(model, std::move(doomed), none);
}

// A piece added where others may stand goes on top of them.
void Settle(Model& model) {
    model.scene.LiftClearOfOverlaps(kNoObject, model.HeldPiece());
    model.RefreshObjects();
}

// What sharing pan `pan` into `groups` takes away, or why it cannot be shared.
struct ShareCut {
    MoveOutcome outcome;
    std::vector<std::int32_t> doomed;
};

// Of the pieces `pieces` (lowest first), those of `kind` beyond the lowest 1/groups.
MoveOutcome CutUnknowns(const Scene& scene, std::int32_t pan, PieceKind kind,
                        const std::vector<std::int32_t>& pieces, std::int32_t groups,
                        std::vector<std::int32_t>& doomed) {
    std::vector<std::int32_t> ofKind;
    std::copy_if(pieces.begin(), pieces.end(), std::back_inserter(ofKind),
                 [&](std::int32_t i) { return scene.obj(i).objKind == kind; });
    const auto count = static_cast<std::int32_t>(ofKind.size());
    if (count % groups != 0) {
        return Refused(MoveRefusal::UnknownNotShared, pan, kind, count, groups);
    }
    doomed.insert(doomed.end(), ofKind.begin() + count / groups, ofKind.end());
    return {};
}

// Of the cubes and smileys `numbers` (lowest first), which to keep so that they are worth
// `keep`: the lowest that can still make it up. Nothing when none can.
std::optional<std::vector<bool>> KeptNumbers(const std::vector<std::int32_t>& values,
                                             std::int32_t keep) {
    // reach[i][s]: the pieces from i on can be worth s.
    const std::size_t n = values.size();
    const auto width = static_cast<std::size_t>(keep) + 1;
    std::vector<std::vector<char>> reach(n + 1, std::vector<char>(width, 0));
    reach[n][0] = 1;
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t s = 0; s < width; ++s) {
            const auto v = static_cast<std::size_t>(values[i]);
            reach[i][s] = static_cast<char>(reach[i + 1][s] || (v <= s && reach[i + 1][s - v]));
        }
    }
    if (!reach[0][static_cast<std::size_t>(keep)]) {
        return std::nullopt;
    }
    std::vector<bool> kept(n, false);
    auto left = static_cast<std::size_t>(keep);
    for (std::size_t i = 0; i < n && left > 0; ++i) {
        const auto v = static_cast<std::size_t>(values[i]);
        if (v > 0 && v <= left && reach[i + 1][left - v]) {
            kept[i] = true;
            left -= v;
        }
    }
    return kept;
}

ShareCut CutForShare(const Scene& scene, std::int32_t pan, std::int32_t groups) {
    const std::vector<std::int32_t> pieces = PiecesOn(scene, pan);
    ShareCut cut;
    for (const PieceKind unknown : {PieceKind::kX, PieceKind::kY}) {
        cut.outcome = CutUnknowns(scene, pan, unknown, pieces, groups, cut.doomed);
        if (!cut.outcome.Done()) {
            return cut;
        }
    }
    // The cubes bearing 0 weigh nothing in any group: they stay.
    std::vector<std::int32_t> numbers;
    std::vector<std::int32_t> values;
    for (const std::int32_t i : pieces) {
        const PieceKind kind = scene.obj(i).objKind;
        if (CountsAsNumber(kind) && NumberValueOf(kind) > 0) {
            numbers.push_back(i);
            values.push_back(NumberValueOf(kind));
        }
    }
    std::int32_t value = 0;
    for (const std::int32_t v : values) {
        value += v;
    }
    if (value % groups != 0) {
        cut.outcome = Refused(MoveRefusal::NumberNotShared, pan, PieceKind::kPan, value, groups);
        return cut;
    }
    const std::optional<std::vector<bool>> kept = KeptNumbers(values, value / groups);
    if (!kept) {
        cut.outcome =
            Refused(MoveRefusal::ExchangeFirst, pan, PieceKind::kPan, value / groups, groups);
        return cut;
    }
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (!(*kept)[i]) {
            cut.doomed.push_back(numbers[i]);
        }
    }
    return cut;
}

// The unknown pan `pan` holds alone, or none.
std::optional<PieceKind> LoneUnknown(const Scene& scene, std::int32_t pan) {
    const std::vector<std::int32_t> pieces = PiecesOn(scene, pan);
    if (pieces.size() != 1 || !IsUnknown(scene.obj(pieces.front()).objKind)) {
        return std::nullopt;
    }
    return scene.obj(pieces.front()).objKind;
}

// What the numbers on pan `pan` are worth, or none when it holds anything else.
std::optional<std::int32_t> NumbersOnlyValue(const Scene& scene, std::int32_t pan) {
    std::int32_t value = 0;
    for (const std::int32_t i : PiecesOn(scene, pan)) {
        const PieceKind kind = scene.obj(i).objKind;
        if (!CountsAsNumber(kind)) {
            return std::nullopt;
        }
        value += NumberValueOf(kind);
    }
    return value;
}

std::int32_t OtherPan(std::int32_t pan) {
    return pan == kLeftPan ? kRightPan : kLeftPan;
}

} // namespace

MoveOutcome Model::TakeFromBoth(PieceKind kind) {
    if (!IsPieceKind(kind)) {
        return Refused(MoveRefusal::NotAPiece, 0, kind);
    }
    std::vector<std::int32_t> doomed;
    for (const std::int32_t pan : kPans) {
        const std::int32_t top = TopmostOn(scene, pan, kind);
        if (top == kNoObject) {
            return Refused(MoveRefusal::NoSuchPiece, pan, kind);
        }
        doomed.push_back(top);
    }
    BeginAction({ActionVerb::TakenFromBoth, kind});
    RemoveAll(*this, doomed);
    RefreshObjects();
    return {};
}

MoveOutcome Model::AddToBoth(PieceKind kind) {
    if (!IsPieceKind(kind)) {
        return Refused(MoveRefusal::NotAPiece, 0, kind);
    }
    std::vector<Place> places;
    for (const std::int32_t pan : kPans) {
        const std::optional<Place> place = DropPlace(scene, pan, kind);
        if (!place) {
            return Refused(MoveRefusal::NoRoom, pan, kind);
        }
        places.push_back(*place);
    }
    BeginAction({ActionVerb::AddedToBoth, kind});
    for (const Place& place : places) {
        AddObject(kind, place.x, place.y);
    }
    Settle(*this);
    return {};
}

MoveOutcome Model::DropOnPan(std::int32_t pan, PieceKind kind) {
    if (!IsPan(pan)) {
        return Refused(MoveRefusal::NoSuchPan, pan);
    }
    if (!IsPieceKind(kind)) {
        return Refused(MoveRefusal::NotAPiece, pan, kind);
    }
    const std::optional<Place> place = DropPlace(scene, pan, kind);
    if (!place) {
        return Refused(MoveRefusal::NoRoom, pan, kind);
    }
    BeginAction({ActionVerb::DroppedOnPan, kind}, {pan, {}});
    AddObject(kind, place->x, place->y);
    Settle(*this);
    return {};
}

MoveOutcome Model::TakeFromPan(std::int32_t pan, PieceKind kind) {
    if (!IsPan(pan)) {
        return Refused(MoveRefusal::NoSuchPan, pan);
    }
    if (!IsPieceKind(kind)) {
        return Refused(MoveRefusal::NotAPiece, pan, kind);
    }
    const std::int32_t top = TopmostOn(scene, pan, kind);
    if (top == kNoObject) {
        return Refused(MoveRefusal::NoSuchPiece, pan, kind);
    }
    BeginAction({ActionVerb::TakenFromPan, kind}, {pan, {}});
    RemoveBlock(top);
    RefreshObjects();
    return {};
}

MoveOutcome Model::SplitCube(std::int32_t pan, std::int32_t n, std::int32_t a, std::int32_t b) {
    const std::optional<PieceKind> cubeN = CubeBearing(n);
    const std::optional<PieceKind> cubeA = CubeBearing(a);
    const std::optional<PieceKind> cubeB = CubeBearing(b);
    if (!IsPan(pan)) {
        return Refused(MoveRefusal::NoSuchPan, pan);
    }
    if (!cubeN || !cubeA || !cubeB) {
        return Refused(MoveRefusal::NotAPiece, pan, PieceKind::kPan, cubeN ? (cubeA ? b : a) : n);
    }
    if (a + b != n) {
        return Refused(MoveRefusal::WrongSum, pan, *cubeN, a + b, n);
    }
    const std::int32_t whole = TopmostOn(scene, pan, *cubeN);
    if (whole == kNoObject) {
        return Refused(MoveRefusal::NoSuchPiece, pan, *cubeN);
    }
    BeginAction({ActionVerb::Split, *cubeN}, {pan, {n, a, b}});
    // What stood on the cube rises by a cube's height, and the two halves take its place.
    const SceneObject was = scene.obj(whole);
    scene.MoveObjects(whole, 0, -kCubeSize.height);
    RemoveBlock(whole);
    AddObject(*cubeA, was.objX, was.objY);
    AddObject(*cubeB, was.objX, was.objY - kCubeSize.height);
    Settle(*this);
    return {};
}

MoveOutcome Model::JoinCubes(std::int32_t pan, std::int32_t a, std::int32_t b) {
    const std::optional<PieceKind> cubeA = CubeBearing(a);
    const std::optional<PieceKind> cubeB = CubeBearing(b);
    if (!IsPan(pan)) {
        return Refused(MoveRefusal::NoSuchPan, pan);
    }
    if (!cubeA || !cubeB) {
        return Refused(MoveRefusal::NotAPiece, pan, PieceKind::kPan, cubeA ? b : a);
    }
    const std::optional<PieceKind> joined = CubeBearing(a + b);
    if (!joined) {
        return Refused(MoveRefusal::SumAboveNine, pan, PieceKind::kPan, a + b);
    }
    const std::int32_t first = TopmostOn(scene, pan, *cubeA);
    if (first == kNoObject) {
        return Refused(MoveRefusal::NoSuchPiece, pan, *cubeA);
    }
    const std::int32_t second = TopmostOn(scene, pan, *cubeB, first);
    if (second == kNoObject) {
        return Refused(MoveRefusal::NoSuchPiece, pan, *cubeB);
    }
    BeginAction({ActionVerb::Joined, *joined}, {pan, {a, b}});
    const SceneObject lower =
        scene.obj(first).objY > scene.obj(second).objY ? scene.obj(first) : scene.obj(second);
    RemoveAll(*this, {first, second});
    AddObject(*joined, lower.objX, lower.objY);
    Settle(*this);
    return {};
}

MoveOutcome Model::Share(std::int32_t groups) {
    if (groups < kMinGroups) {
        return Refused(MoveRefusal::TooFewGroups, 0, PieceKind::kPan, 0, groups);
    }
    std::vector<std::int32_t> doomed;
    for (const std::int32_t pan : kPans) {
        ShareCut cut = CutForShare(scene, pan, groups);
        if (!cut.outcome.Done()) {
            return cut.outcome;
        }
        doomed.insert(doomed.end(), cut.doomed.begin(), cut.doomed.end());
    }
    BeginAction({ActionVerb::Shared}, {0, {groups}});
    RemoveAll(*this, doomed);
    RefreshObjects();
    return {};
}

std::optional<SolvedUnknown> Model::Solved() const {
    if (!AtRest() || equation.lblComparison().Caption != "=") {
        return std::nullopt;
    }
    for (const std::int32_t pan : kPans) {
        const std::optional<PieceKind> unknown = LoneUnknown(scene, pan);
        const std::optional<std::int32_t> value = NumbersOnlyValue(scene, OtherPan(pan));
        if (unknown && value) {
            return SolvedUnknown{*unknown, *value, pan};
        }
    }
    return std::nullopt;
}

bool Model::RemovePiece(std::int32_t nObj, std::int32_t& follow) {
    std::vector<std::int32_t> doomed{nObj};
    const std::int32_t pan = scene.PanCarrying(nObj);
    if (pansLocked_ && IsPan(pan)) {
        const PieceKind kind = scene.obj(nObj).objKind;
        const std::int32_t twin = TopmostOn(scene, OtherPan(pan), kind);
        if (twin == kNoObject) {
            NoteRefusal();
            if (twinRefused) {
                twinRefused(Refused(MoveRefusal::NoSuchPiece, OtherPan(pan), kind));
            }
            return false;
        }
        doomed.push_back(twin);
    }
    const bool both = doomed.size() > 1;
    BeginAction(ActionOn(both ? ActionVerb::TakenFromBoth : ActionVerb::Removed, nObj),
                {both ? 0 : pan, {}});
    RemoveAll(*this, doomed, follow);
    RefreshObjects();
    return true;
}

std::int32_t Model::TwinPan(PieceKind kind, double left) const {
    const std::optional<PictureSize> size = PictureSizeOfKind(kind);
    if (!pansLocked_ || !size) {
        return 0;
    }
    const std::int32_t pan = LandingPan(scene, left, size->width, kNoObject);
    return IsPan(pan) ? OtherPan(pan) : 0;
}

bool Model::DropTwin(std::int32_t pan, PieceKind kind) {
    const std::optional<Place> place = DropPlace(scene, pan, kind);
    if (!place) {
        NoteRefusal();
        if (twinRefused) {
            twinRefused(Refused(MoveRefusal::NoRoom, pan, kind));
        }
        return false;
    }
    AddObject(kind, place->x, place->y);
    Settle(*this);
    return true;
}

} // namespace tarvelo
