// The scene in words, for a screen reader and for what the keyboard announces: pieces, pans,
// the comparison sign.
#pragma once

#include "core/keyboard/SceneNavigation.h"
#include "core/scene/Scene.h"

#include <QString>
#include <string>

namespace tarvelo {

// "cube 5", "unknown X", "smiley": what a piece of `kind` is, its value of X or Y kept hidden.
QString KindName(std::int32_t kind);

// A piece and where it stands: "cube 5, level 2 on the left pan". With the solution shown, X
// and Y say their values: "unknown X, which is 7, right on the right pan".
QString PieceName(const Scene& scene, std::int32_t nObj, bool showSolution);
// The same for a piece whose place in its stack is known already: a screen reader walking a
// crowded pan asks for every piece, and finding each place again would climb every stack anew.
QString PieceName(const Scene& scene, std::int32_t nObj, StackPlace place, bool showSolution);

// A pan and what it carries: "left pan: cube 5, 3 X, a smiley; total 3X + 6". `pan` is
// kLeftPan or kRightPan; the total is that side of the equation line.
QString PanName(const Scene& scene, std::int32_t pan);

// The comparison sign in words: "left side heavier" for ">".
QString SignName(const std::string& sign);

// What the balance shows: "left side heavier: 3X + 1 > 9".
QString BalanceSentence(const std::string& sign, const std::string& equation);

} // namespace tarvelo
