// What the user's settings keep of the lessons: which were done, each by its set and file name,
// so that the Lessons window shows their stars after a restart.
#pragma once

#include <QSet>
#include <QString>
#include <string>

namespace tarvelo {

// The lessons that come with the program, and the teacher's own.
enum class LessonSet { Shipped, Own };

// The lessons of one set that were done, as the settings held them when read.
class DoneLessons {
  public:
    bool Has(const std::string& problemPath) const;

  private:
    friend class LessonStore;
    QSet<QString> names_;
};

class LessonStore {
  public:
    // The user's own settings.
    LessonStore() = default;
    // The settings file at `path` instead (an INI file), for tests.
    explicit LessonStore(QString path) : path_(std::move(path)) {}

    void KeepDone(LessonSet set, const std::string& problemPath);
    // All the lessons of `set` done, read from the settings at once, for a whole list.
    DoneLessons DoneIn(LessonSet set) const;

  private:
    QString path_; // empty: the user's settings
};

} // namespace tarvelo
