// Saving a file whole in place of the old, with the reason in the user's words when it fails.
#include "ui/window/FileSaving.h"

#include "core/io/FileReplace.h"
#include "ui/instance/SingleInstance.h"
#include "ui/window/ProblemMessages.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace tarvelo {

namespace {

// Why the file could not even be started. The error number alone misleads in two cases that
// are told apart by looking: a folder of the file's name, and a missing folder.
QString OpenFailureReason(const QString& path, int systemError, const QString& said) {
    const QFileInfo target(path);
    if (target.isDir()) {
        return SaveFailureReason(EISDIR, said);
    }
    if (!target.absoluteDir().exists()) {
        return SaveFailureReason(ENOENT, said);
    }
    // The folder is there: "no such file" here is a file system that refuses new files (as
    // /proc does), for which the file layer's own words are the better ones.
    return SaveFailureReason(systemError == ENOENT ? 0 : systemError, said);
}

// Why a save failed, in words for the user, by the step that failed. For a failure to put the
// written file in place the file layer's own words are kept.
QString ReplaceFailureReason(const QString& path, const FileReplacing& result) {
    const QString said = qt_error_string(result.error);
    switch (result.failed) {
    case FileReplacing::Step::Open:
        return OpenFailureReason(path, result.error, said);
    case FileReplacing::Step::Write:
        return SaveFailureReason(result.error, said);
    case FileReplacing::Step::Rename:
    case FileReplacing::Step::Done:
        break;
    }
    return SaveFailureReason(0, said);
}

// Replaces `files` together, each checked first. `replaced` tells what each replaced.
std::optional<SaveFailure> ReplaceTogether(const std::vector<FileToSave>& files,
                                           const ReplaceSteps& steps,
                                           std::vector<SaveTarget>& replaced) {
    std::vector<FileToReplace> writes;
    for (const FileToSave& file : files) {
        const SaveTargetCheck check = CheckSaveTarget(BytesOfText(file.path));
        if (check.refusal != SaveTargetCheck::Refusal::None) {
            return SaveFailure{file.path, SaveRefusalReason(check.refusal)};
        }
        replaced.push_back(check.target);
        writes.push_back(
            {LinkChainEnd(check.target.path), file.text, KeptOwnerAndMode(check.target)});
    }
    const FilesReplacing result = ReplaceFilesWhole(writes, steps);
    if (!result.done()) {
        const QString& path = files[result.file].path;
        return SaveFailure{path, ReplaceFailureReason(path, result.result)};
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> ReplaceFile(const QString& path, const std::string& text,
                                   SaveTarget& replaced) {
    std::vector<SaveTarget> targets;
    const std::optional<SaveFailure> failure = ReplaceTogether({{path, text}}, {}, targets);
    if (!targets.empty()) {
        replaced = targets.front();
    }
    return failure ? std::optional(failure->reason) : std::nullopt;
}

std::optional<SaveFailure> ReplaceFiles(const std::vector<FileToSave>& files,
                                        const ReplaceSteps& steps) {
    std::vector<SaveTarget> targets;
    return ReplaceTogether(files, steps, targets);
}

} // namespace tarvelo
