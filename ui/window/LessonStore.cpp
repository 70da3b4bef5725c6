// The lessons done, a key for each in the user's settings.
#include "ui/window/LessonStore.h"

#include "ui/instance/HandOverMessage.h"
#include "ui/window/UserSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace tarvelo {

namespace {

// "lessons/shipped/11 Find X - X plus 2 balances 5": by the file's name alone, so that a lesson
// is still done when the program or the teacher's folder moves. The set keeps a teacher's
// lesson apart from one of the program that has the same name.
QString KeyOf(LessonSet set, const std::string& problemPath) {
    const QString name = QFileInfo(TextOfBytes(problemPath)).completeBaseName();
    return QStringLiteral("lessons/%1/%2/done")
        .arg(set == LessonSet::Shipped ? QStringLiteral("shipped") : QStringLiteral("own"), name);
}

} // namespace

bool LessonStore::Done(LessonSet set, const std::string& problemPath) const {
    return OpenSettings(path_)->value(KeyOf(set, problemPath), false).toBool();
}

void LessonStore::KeepDone(LessonSet set, const std::string& problemPath) {
    OpenSettings(path_)->setValue(KeyOf(set, problemPath), true);
}

} // namespace tarvelo
