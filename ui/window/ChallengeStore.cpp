// The challenges' records in the user's settings, a group of keys for each level.
#include "ui/window/ChallengeStore.h"

#include "ui/window/UserSettings.h"

#include <QSettings>
#include <limits>
#include <utility>

namespace tarvelo {

namespace {

const QString kStarsKey = QStringLiteral("stars");
const QString kSolvedKey = QStringLiteral("solved");
const QString kLastSeedKey = QStringLiteral("lastSeed");

// "challenges/level2/stars": the level's own group, so that levels never share a key.
QString KeyOf(std::int32_t level, const QString& name) {
    return QStringLiteral("challenges/level%1/%2").arg(level).arg(name);
}

std::int32_t Count(const QSettings& settings, const QString& key) {
    bool read = false;
    const int value = settings.value(key, 0).toInt(&read);
    // A count someone spoiled by hand starts again from nothing rather than from below it.
    return read && value > 0 ? value : 0;
}

} // namespace

std::unique_ptr<QSettings> ChallengeStore::Open() const {
    return OpenSettings(path_);
}

LevelRecord ChallengeStore::Record(std::int32_t level) const {
    const std::unique_ptr<QSettings> settings = Open();
    return {Count(*settings, KeyOf(level, kStarsKey)), Count(*settings, KeyOf(level, kSolvedKey))};
}

std::uint64_t ChallengeStore::TakeNextSeed(std::int32_t level) {
    const std::unique_ptr<QSettings> settings = Open();
    const QVariant last = settings->value(KeyOf(level, kLastSeedKey));
    bool read = false;
    const qulonglong lastSeed = last.toULongLong(&read);
    const std::uint64_t seed = read ? lastSeed + 1 : kFirstChallengeSeed;
    settings->setValue(KeyOf(level, kLastSeedKey), static_cast<qulonglong>(seed));
    return seed;
}

void ChallengeStore::KeepSolved(std::int32_t level, std::int32_t stars) {
    const std::unique_ptr<QSettings> settings = Open();
    constexpr std::int32_t kMostKept = std::numeric_limits<std::int32_t>::max();
    for (const auto& [key, more] : {std::pair{kStarsKey, stars}, std::pair{kSolvedKey, 1}}) {
        // A count kept at the most an int holds stays there rather than wrap round to nothing.
        const std::int32_t count = Count(*settings, KeyOf(level, key));
        settings->setValue(KeyOf(level, key), more > kMostKept - count ? kMostKept : count + more);
    }
}

} // namespace tarvelo
