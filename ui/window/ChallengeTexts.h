// The words of the challenges: the levels, the challenge on the pans, the praise for solving it
// and the records, as the Challenges window, the moves panel and a screen reader give them.
#pragma once

#include "ui/window/ChallengeStore.h"

#include <QString>
#include <cstdint>

namespace tarvelo {

struct ChallengeWin;

// What a level asks for, in a line: "X + b = c".
QString LevelDescription(std::int32_t level);
// "Level 2: aX = c".
QString LevelLine(std::int32_t level);
// "Challenge: level 2".
QString ChallengeTitle(std::int32_t level);
// "Find X. Fewest moves: 3."
QString ChallengeGoal(std::int32_t fewestMoves);
// Said as a challenge comes onto the pans: its title and goal.
QString ChallengeStartedSentence(std::int32_t level, std::int32_t fewestMoves);
// The name the window's caption shows for the challenge of `level` made from `seed`.
QString ChallengeName(std::int32_t level, std::uint64_t seed);
// "Well done! X = 5. Two stars: solved in the fewest moves.", and the level won, if it was.
QString PraiseSentence(const ChallengeWin& win);
// "Level 2 won: 5 challenges solved! Try level 3."
QString LevelWonSentence(std::int32_t level);
// The button to the next challenge of the level.
QString NextChallengeCaption();
// The stars won, as stars to see.
QString StarsShown(std::int32_t stars);
// "Stars: 7, solved: 4."
QString RecordText(const LevelRecord& record);
// A level's Start button as a screen reader names it: "Start level 2".
QString StartLevelName(std::int32_t level);

} // namespace tarvelo
