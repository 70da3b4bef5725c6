// The main window's keys: what a key press means to the palette and the scene, and the window's
// shortcuts (the zoom's are the zoom's own).
#pragma once

#include "core/play/KeyboardPlay.h"

#include <QKeySequence>
#include <optional>

class QKeyEvent;

namespace tarvelo {

// The move a key press asks of the palette or the scene; none for other keys, and for the
// shortcuts.
std::optional<Key> KeyOf(const QKeyEvent& event);
// Shift makes a move finer.
bool Fine(const QKeyEvent& event);
// Enter or Space: what presses the control that has the focus.
bool IsActivation(const QKeyEvent& event);

// The buttons' shortcuts, and the information window's.
inline const QKeySequence kNewKey{Qt::CTRL | Qt::Key_N};
inline const QKeySequence kRestartKey{Qt::CTRL | Qt::Key_R};
inline const QKeySequence kOpenKey{Qt::CTRL | Qt::Key_O};
inline const QKeySequence kSaveKey{Qt::CTRL | Qt::Key_S};
inline const QKeySequence kSolutionKey{Qt::CTRL | Qt::Key_L};
inline const QKeySequence kInfoKey{Qt::Key_F1};

// Undo, and the two keys of redo.
inline const QKeySequence kUndoKey{Qt::CTRL | Qt::Key_Z};
inline const QKeySequence kRedoKey{Qt::CTRL | Qt::SHIFT | Qt::Key_Z};
inline const QKeySequence kRedoOtherKey{Qt::CTRL | Qt::Key_Y};

// The keys that say the balance again, and what each pan holds.
inline const QKeySequence kSayBalanceKey{Qt::CTRL | Qt::Key_B};
inline const QKeySequence kSayPansKey{Qt::CTRL | Qt::SHIFT | Qt::Key_B};

// The moves panel under the scene, opened and closed; Escape inside it closes it too.
inline const QKeySequence kMovesPanelKey{Qt::CTRL | Qt::Key_M};
inline const QKeySequence kCloseMovesPanelKey{Qt::Key_Escape};

// The Challenges window, where a challenge of each level starts.
inline const QKeySequence kChallengesKey{Qt::CTRL | Qt::Key_G};
// The equation read aloud, and all sound on and off (Ctrl+M stays the moves panel's).
inline const QKeySequence kSpeakEquationKey{Qt::CTRL | Qt::Key_E};
inline const QKeySequence kSoundKey{Qt::CTRL | Qt::SHIFT | Qt::Key_M};

// Closing the window, which ends the program (the platform's own keys for it work too).
inline const QKeySequence kQuitKey{Qt::CTRL | Qt::Key_Q};
inline const QKeySequence kCloseKey{Qt::CTRL | Qt::Key_W};

// The Lessons window, where the lessons open and a scene is saved as one.
inline const QKeySequence kLessonsKey{Qt::CTRL | Qt::SHIFT | Qt::Key_L};

} // namespace tarvelo
