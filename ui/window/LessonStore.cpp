// The lessons done, a key for each in the user's settings.
#include "ui/window/LessonStore.h"

#include "ui/instance/HandOverMessage.h"
#include "ui/window/UserSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace tarvelo {

namespace {

// "lessons/shipped/11 Find X - X plus 2 balances 5/done": by the file's name alone, so that a
// lesson is still done when the program or the teacher's folder moves. The set keeps a teacher's
// lesson apart from one of the program that has the same name.
QString GroupOf(LessonSet set) {
    return set == LessonSet::Shipped ? QStringLiteral("lessons/shipped")
                                     : QStringLiteral("lessons/own");
}

QString NameOf(const std::string& problemPath) {
    return QFileInfo(TextOfBytes(problemPath)).completeBaseName();
}

constexpr QLatin1String kDoneKey("done");

QString KeyOf(LessonSet set, const std::string& problemPath) {
    return GroupOf(set) + QLatin1Char('/') + NameOf(problemPath) + QLatin1Char('/') + kDoneKey;
}

} // namespace

void LessonStore::KeepDone(LessonSet set, const std::string& problemPath) {
    OpenSettings(path_)->setValue(KeyOf(set, problemPath), true);
}

DoneLessons LessonStore::DoneIn(LessonSet set) const {
    DoneLessons done;
    const auto settings = OpenSettings(path_);
    settings->beginGroup(GroupOf(set));
    for (const QString& name : settings->childGroups()) {
        if (settings->value(name + QLatin1Char('/') + kDoneKey, false).toBool()) {
            done.names_.insert(name);
        }
    }
    return done;
}

bool DoneLessons::Has(const std::string& problemPath) const {
    return names_.contains(NameOf(problemPath));
}

} // namespace tarvelo
