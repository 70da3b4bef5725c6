// Saving a file whole in place of the old, with the reason in the user's words when it fails.
#pragma once

#include "core/io/SaveTarget.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

// Puts `text` at `path`, written aside and put in place only when complete: a failed save
// leaves any file that was there as it was, and leaves no new file behind. A file replaced keeps
// its owner and mode; a link another user could have planted and a special file are refused.
// Why not, on failure; `replaced` tells what was replaced.
std::optional<QString> ReplaceFile(const QString& path, const std::string& text,
                                   SaveTarget& replaced);

// One of several files saved together.
struct FileToSave {
    QString path;
    std::string text;
};

// Which file of several could not be saved, and why, in the user's words.
struct SaveFailure {
    QString path;
    QString reason;
};

// Puts each text at its path as ReplaceFile does, all of them or none: a failed save leaves every
// file as it was. Which file failed and why, on failure.
std::optional<SaveFailure> ReplaceFiles(const std::vector<FileToSave>& files,
                                        const ReplaceSteps& steps = {});

} // namespace tarvelo
