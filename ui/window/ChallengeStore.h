// What the user's settings keep of the challenges, level by level: the stars won, how many were
// solved and the seed last played, so that every start brings a challenge not played before.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class QSettings;

namespace tarvelo {

// One level's record.
struct LevelRecord {
    std::int32_t stars = 0;
    std::int32_t solved = 0;
    bool operator==(const LevelRecord&) const = default;
};

// The seed the first challenge of a level is made from.
constexpr std::uint64_t kFirstChallengeSeed = 1;

class ChallengeStore {
  public:
    // The user's own settings.
    ChallengeStore() = default;
    // The settings file at `path` instead (an INI file), for tests.
    explicit ChallengeStore(QString path) : path_(std::move(path)) {}

    LevelRecord Record(std::int32_t level) const;
    // The seed after the last one played at `level` (kFirstChallengeSeed the first time), kept
    // as played from now on.
    std::uint64_t TakeNextSeed(std::int32_t level);
    // A challenge of `level` was solved, winning `stars`.
    void KeepSolved(std::int32_t level, std::int32_t stars);

  private:
    std::unique_ptr<QSettings> Open() const;

    QString path_; // empty: the user's settings
};

} // namespace tarvelo
