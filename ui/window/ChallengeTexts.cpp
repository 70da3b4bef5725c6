// The challenges' words, each marked for translation here and nowhere else.
#include "ui/window/ChallengeTexts.h"

#include "ui/accessibility/PieceNames.h"
#include "ui/window/ChallengeSession.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace tarvelo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("tarvelo::ChallengeTexts", text);
}

// The levels as core/teach/Challenge.h makes them, kFirstLevel first.
constexpr std::array<const char*, kLastLevel> kLevelDescriptions = {
    QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "X + b = c"),
    QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "aX = c"),
    QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "aX + b = c"),
    QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "aX + b = mX + n"),
    QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "larger numbers: exchange and share"),
};

const QString kStar = QStringLiteral("\u2605");

} // namespace

QString LevelDescription(std::int32_t level) {
    const auto index =
        static_cast<std::size_t>(std::clamp(level, kFirstLevel, kLastLevel) - kFirstLevel);
    return Tr(kLevelDescriptions.at(index));
}

QString LevelLine(std::int32_t level) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "Level %1: %2"))
        .arg(level)
        .arg(LevelDescription(level));
}

QString ChallengeTitle(std::int32_t level) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "Challenge: level %1")).arg(level);
}

QString ChallengeGoal(std::int32_t fewestMoves) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "Find X. Fewest moves: %1."))
        .arg(fewestMoves);
}

QString ChallengeStartedSentence(std::int32_t level, std::int32_t fewestMoves) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "%1. %2"))
        .arg(ChallengeTitle(level), ChallengeGoal(fewestMoves));
}

QString ChallengeName(std::int32_t level, std::uint64_t seed) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "Challenge: level %1, number %2"))
        .arg(level)
        .arg(static_cast<qulonglong>(seed));
}

QString PraiseSentence(const ChallengeWin& win) {
    const QString answer = SolvedText(win.answer);
    QString praise;
    if (win.stars > kStarForSolving) {
        praise = Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts",
                                      "Well done! %1. Two stars: solved in the fewest moves."))
                     .arg(answer);
    } else if (win.solutionShown) {
        praise = Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts",
                                      "Well done! %1. One star: the solution was shown."))
                     .arg(answer);
    } else {
        praise = Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts",
                                      "Well done! %1. One star; %2 moves made, fewest %3."))
                     .arg(answer)
                     .arg(win.movesMade)
                     .arg(win.fewestMoves);
    }
    return win.levelWon == 0 ? praise : praise + QLatin1Char(' ') + LevelWonSentence(win.levelWon);
}

QString LevelWonSentence(std::int32_t level) {
    if (level < kLastLevel) {
        return Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts",
                                    "Level %1 won: %2 challenges solved! Try level %3."))
            .arg(level)
            .arg(kSolvedToWinALevel)
            .arg(level + 1);
    }
    return Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts",
                                "Level %1 won: %2 challenges solved! That is the hardest level."))
        .arg(level)
        .arg(kSolvedToWinALevel);
}

QString NextChallengeCaption() {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "Next challenge"));
}

QString StarsShown(std::int32_t stars) {
    return kStar.repeated(stars);
}

QString RecordText(const LevelRecord& record) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "Stars: %1, solved: %2."))
        .arg(record.stars)
        .arg(record.solved);
}

QString StartLevelName(std::int32_t level) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::ChallengeTexts", "Start level %1")).arg(level);
}

} // namespace tarvelo
