// What the user is told when a problem file is refused or cannot be saved.
#pragma once

#include "core/io/ProblemFile.h"
#include "core/io/SaveTarget.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace tarvelo {

// One clear sentence or two naming the file and, where it helps, the line at fault.
QString RefusedFileMessage(const QString& path, const ProblemError& error);

// Reads the problem file at `path` (its bytes as they are). A refused file gives nothing, and
// the message that says why, naming the file as `shown`, goes to `warn`: a box, a notice or a
// line on the terminal, as the caller tells it.
std::optional<Problem> ReadProblemOrWarn(const std::string& path, const QString& shown,
                                         const std::function<void(const QString&)>& warn);

// `reason` is a sentence fragment such as SaveFailureReason gives.
QString SaveFailedMessage(const QString& path, const QString& reason);

// Why a save must not write where it was asked to, as a fragment such as SaveFailureReason gives.
QString SaveRefusalReason(SaveTargetCheck::Refusal refusal);

// A save that replaced a file with other names (hard links): those names keep the old problem.
QString SavedOverLinkedFileMessage(const QString& path);

// Why a file could not be written, in words for the user, from the system's error number
// (errno); `otherwise` (the file layer's own words) for a number without words of ours.
QString SaveFailureReason(int systemError, const QString& otherwise);

// A command line that names no file: a lone double quote, or quotes around nothing.
QString UnusableCommandLineMessage(const QString& commandLine);

// Why a scene built in free play is about to go, which no undo brings back.
enum class BuiltSceneLeft {
    ForLesson, // a lesson, opened or handed over, replaces it
    ForClosing // the window closes, or the desktop's session ends
};

// Asked before a scene built in free play goes for good.
QString DiscardBuiltSceneQuestion();
QString DiscardBuiltSceneDetail(BuiltSceneLeft why);

// Files dropped on the window that are not one problem file.
QString DroppedFilesRefusedMessage();

// An answer to the prompt for X or Y (`letter`) that is no value they can take.
QString UnknownValueRefusedMessage(const QString& letter, const QString& answer);

} // namespace tarvelo
