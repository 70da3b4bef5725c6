// The change count of the window's state: it moves exactly when something in the state moves.
#include "core/play/WindowEvents.h"
#include "core/testing/SceneBuilders.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace tarvelo {
namespace {

// What each part holds, as values compared whole, beside the part's change count.
struct SceneValues {
    std::vector<SceneObject> objects;
    std::vector<std::int32_t> supports;
    std::int32_t xValue, yValue;
    float leftPanLoad, rightPanLoad;
    Terms leftTerms, rightTerms;
    bool operator==(const SceneValues&) const = default;
};
struct PointerValues {
    std::int32_t selectedObj;
    bool draggingObj;
    float pointerX, pointerY;
    std::int32_t grabX, grabY;
    PieceKind dragKind;
    ControlBox selObj, dragImg, dragImgInt;
    bool operator==(const PointerValues&) const = default;
};
struct EquationValues {
    LabelState lblComparison, lblEquazione;
    bool operator==(const EquationValues&) const = default;
};
struct ControlValues {
    std::string Caption, stProblemFile;
    ProgramMode programMode;
    bool showSolution;
    ControlBox lblMassa;
    ButtonState Command1, Command2, Command3, Command4, Command5;
    bool operator==(const ControlValues&) const = default;
};
struct Snapshot {
    SceneValues scene;
    PointerValues pointer;
    EquationValues equation;
    ControlValues controls;
    std::vector<DrawItem> drawList;
    std::array<std::uint64_t, 5> counts;
};

Snapshot Take(const Model& m) {
    std::vector<std::int32_t> supports;
    for (std::int32_t i = 0; i <= m.scene.topContact().UpperBound(); ++i) {
        supports.push_back(m.scene.topContact().SupportOf(i));
    }
    const PointerState& p = m.pointer;
    const WindowControls& c = m.controls;
    return {{m.scene.objects(), supports, m.scene.xValue(), m.scene.yValue(), m.scene.leftPanLoad(),
             m.scene.rightPanLoad(), m.scene.leftTerms(), m.scene.rightTerms()},
            {p.selectedObj(), p.draggingObj(), p.pointerX(), p.pointerY(), p.grabX(), p.grabY(),
             p.dragKind(), p.selObj(), p.dragImg(), p.dragImgInt()},
            {m.equation.lblComparison(), m.equation.lblEquazione()},
            {c.Caption(), c.stProblemFile(), c.programMode(), c.showSolution(), c.lblMassa(),
             c.Command1(), c.Command2(), c.Command3(), c.Command4(), c.Command5()},
            m.drawing.drawList(),
            {m.scene.Changes(), m.pointer.Changes(), m.equation.Changes(), m.controls.Changes(),
             m.drawing.Changes()}};
}

// A busy scene played tick by tick, with input between the ticks: after every tick and every
// event the count has moved if and only if the state has. A change the count missed would let
// the window's timers sleep while something still moves; a count that moves without a change
// would keep them awake for ever.
TEST(ChangeTrackingTest, TheCountMovesExactlyWhenTheStateDoes) {
    SceneHarness h;
    Model& m = h.model;
    m.inputBox = [](const std::string&, const std::string&, const std::string&) {
        return std::optional<std::string>("7");
    };
    std::int32_t ticks = 0;
    std::int32_t quietTicks = 0;
    Snapshot before = Take(m);
    std::uint64_t countBefore = m.Changes();
    // Part by part, so that one part's change cannot hide another's missed one. True when
    // nothing changed since the last look.
    const auto check = [&](const char* what) {
        const Snapshot now = Take(m);
        const bool same[] = {now.scene == before.scene, now.pointer == before.pointer,
                             now.equation == before.equation, now.controls == before.controls,
                             now.drawList == before.drawList};
        bool all = true;
        for (std::size_t part = 0; part < std::size(same); ++part) {
            EXPECT_EQ(same[part], now.counts[part] == before.counts[part])
                << what << ", part " << part << ", at " << h.clock.NowMs() << " ms";
            all = all && same[part];
        }
        EXPECT_EQ(all, m.Changes() == countBefore) << what;
        before = now;
        countBefore = m.Changes();
        return all;
    };
    const auto run = [&](std::int64_t ms) {
        for (const std::int64_t end = h.clock.NowMs() + ms; h.clock.NowMs() < end;) {
            h.clock.RunNextTick();
            ++ticks;
            quietTicks += check("tick") ? 1 : 0;
        }
    };
    const auto event = [&](const char* what, auto&& act) {
        act();
        check(what);
    };

    event("press on the palette",
          [&] { WindowEvents(m).img_MouseDown(PieceKind::kFive, PointerButton::Left, 0, 10, 10); });
    event("pointer tick", [&] { m.FollowPointer(130, 60); });
    event("drop", [&] { WindowEvents(m).dragImgInt_MouseMove(PointerButton::None, 0, 1, 1); });
    event("same drop again",
          [&] { WindowEvents(m).dragImgInt_MouseMove(PointerButton::None, 0, 1, 1); });
    for (int k = 0; k < 6; ++k) {
        WindowEvents(m).img_MouseDown(CubeBearing(1 + k).value(), PointerButton::Left, 0, 10, 10);
        m.FollowPointer(static_cast<float>(120 + 60 * k), 80);
        event("drop in a row",
              [&] { WindowEvents(m).dragImgInt_MouseMove(PointerButton::None, 0, 1, 1); });
    }
    run(1500);
    event("hover", [&] { WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, 140, 270); });
    event("grab", [&] { WindowEvents(m).pictDraw_MouseDown(PointerButton::Left, 0, 140, 270); });
    const std::int32_t held = m.HeldPiece();
    ASSERT_NE(held, kNoObject);
    const std::int32_t other = held == m.scene.objCount() ? held - 1 : held + 1;
    const SceneObject& target = m.scene.obj(other);
    const float atX = static_cast<float>(target.objX + 10 + m.pointer.grabX());
    const float atY = static_cast<float>(target.objY + 10 + m.pointer.grabY());
    m.pointer.MoveTo(atX, atY); // into another piece
    run(200);
    const std::int32_t heldTop = m.scene.obj(held).objY;
    event("let go inside another piece",
          [&] { WindowEvents(m).pictDraw_MouseUp(PointerButton::Left, 0, atX, atY); });
    EXPECT_LT(m.scene.obj(held).objY, heldTop); // lifted on top of it
    run(1500);
    event("X prompt",
          [&] { WindowEvents(m).img_MouseDown(PieceKind::kX, PointerButton::Right, 0, 5, 5); });
    event("solution shown", [&] { m.ToggleSolution(); });
    event("problem mode", [&] { m.controls.UpdateProgramMode(ProgramMode::Problem); });
    event("problem mode again", [&] { m.controls.UpdateProgramMode(ProgramMode::Problem); });
    event("hover", [&] { WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, 5, 5); });
    event("delete under the pointer",
          [&] { WindowEvents(m).pictDraw_MouseDown(PointerButton::Right, 0, 5, 5); });
    run(3000);

    EXPECT_GT(ticks, 400);
    EXPECT_GT(quietTicks, 0); // the scene came to rest, and the count with it
}

} // namespace
} // namespace tarvelo
