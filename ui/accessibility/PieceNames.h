// The scene in words, for a screen reader and for what the keyboard announces: pieces, pans,
// the comparison sign.
#pragma once

#include "core/play/History.h"
#include "core/play/PanMoves.h"
#include "core/world/Scene.h"
#include "core/world/SceneNavigation.h"

#include <QString>
#include <string>

namespace tarvelo {

// "cube 5", "unknown X", "smiley": what a piece of `kind` is, its value of X or Y kept hidden.
QString KindName(PieceKind kind);

// A piece and where it stands: "cube 5, on the left pan", "cube 3, on cube 5 on the left pan".
// With the solution shown, X and Y say their values: "unknown X, which is 7, on the right pan".
QString PieceName(const Scene& scene, std::int32_t nObj, bool showSolution);
// The same for a piece whose place in its stack is known already: a screen reader walking a
// crowded pan asks for every piece, and finding each place again would climb every stack anew.
QString PieceName(const Scene& scene, std::int32_t nObj, StackPlace place, bool showSolution);

// A pan and what it carries: "left pan: cube 5, 3 X, a smiley; total 3X + 6". `pan` is
// kLeftPan or kRightPan; the total is that side of the equation line.
QString PanName(const Scene& scene, std::int32_t pan);

// The comparison sign in words: "left side heavier" for ">".
QString SignName(const std::string& sign);

// What Show solution did: "Solution shown: X is 4, Y is 7." or "Solution hidden."
QString SolutionSentence(bool shown, std::int32_t x, std::int32_t y);

// What undo or redo did, named by the action: "Undone: dropped cube 5." or "Redone: removed
// unknown X."
QString UndoSentence(bool redone, const UndoAction& action);

// Why a move on the pans was refused: "The left pan holds no cube 5.", "On the left pan, 3 X
// cannot be shared into 2 equal groups."; empty for a move that was made.
QString MoveRefusalSentence(const MoveOutcome& outcome);
// The same, for a change to one pan refused while the pans are locked: "The pans are locked.
// The right pan holds no cube 5."
QString LockedRefusalSentence(const MoveOutcome& outcome);

// What a move on the pans did, named by its action: "Done: cube 2 taken from both pans."
QString MoveDoneSentence(const UndoAction& action);
// Why a move on the pans waits: the pointer or the keyboard still holds a piece or a copy.
QString LetGoFirstSentence();
// Why a move on the pans waits: the scene is being emptied for a new one.
QString SceneEmptyingSentence();

// The answer the balance shows, "X = 3", and what is said once it shows: "Solved: X = 3."
QString SolvedText(const SolvedUnknown& solved);
QString SolvedSentence(const SolvedUnknown& solved);

// Whether a zoom is at one end of what the screen allows.
enum class ZoomEdge { None, Largest, Smallest };
// What a zoom key did: "Zoom 150 %.", "Zoom 125 %, the largest for this screen." (no larger
// step fits the screen), "Zoom 100 %, the smallest for this screen." or "Full screen, zoom
// 200 %."
QString ZoomSentence(int percent, bool fullScreen, ZoomEdge edge);

// How the scene was replaced, and what to say of it.
enum class SceneChange { New, Restarted, Opened, OpenedLesson };
// "Opened lesson 11." and the like; `problemName` is the file's name without its folder and
// ending. The sentence says that Ctrl+Z brings the last scene back, except for a lesson opened
// from free play, which no undo leaves.
QString SceneReplacedSentence(SceneChange change, const QString& problemName);

// What each pan holds: "left pan: cube 5, 3 X; total 3X + 5. right pan: empty; total 0."
QString PansSentence(const Scene& scene);

// What the balance shows: "left side heavier: 3X + 1 > 9".
QString BalanceSentence(const std::string& sign, const std::string& equation);

} // namespace tarvelo
