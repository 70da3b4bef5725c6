#include "ui/window/ProblemMessages.h"

#include "ui/window/PlainText.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <cerrno>

namespace tarvelo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("ProblemMessages", text);
}

QString Number(double value) {
    return QLocale().toString(value, 'g', 12);
}

struct SystemErrorWords {
    int systemError;
    const char* words;
};

// The failures a save meets in practice, in words a teacher understands.
constexpr SystemErrorWords kSaveFailures[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("ProblemMessages", "there is no space left on the disk")},
    {EDQUOT, QT_TRANSLATE_NOOP("ProblemMessages", "your share of the disk (quota) is used up")},
    {EFBIG, QT_TRANSLATE_NOOP("ProblemMessages", "the file would be too large for the disk")},
    {EACCES, QT_TRANSLATE_NOOP("ProblemMessages", "permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("ProblemMessages", "permission denied")},
    {EROFS, QT_TRANSLATE_NOOP("ProblemMessages", "the disk may only be read, not written")},
    {ENOENT, QT_TRANSLATE_NOOP("ProblemMessages", "the folder does not exist")},
    {ENOTDIR, QT_TRANSLATE_NOOP("ProblemMessages", "part of the path is not a folder")},
    {EISDIR, QT_TRANSLATE_NOOP("ProblemMessages", "there is a folder of that name")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("ProblemMessages", "the name is too long")},
    {EIO, QT_TRANSLATE_NOOP("ProblemMessages", "the disk reported a fault while writing")},
};

} // namespace

std::optional<Problem> ReadProblemOrWarn(const std::string& path, const QString& shown,
                                         const std::function<void(const QString&)>& warn) {
    ProblemReading reading = ReadProblemFile(path);
    if (!reading.problem) {
        warn(RefusedFileMessage(shown, reading.error));
    }
    return std::move(reading.problem);
}

QString RefusedFileMessage(const QString& path, const ProblemError& error) {
    const QString file = InLine(QDir::toNativeSeparators(path));
    switch (error.kind) {
    case ProblemError::Kind::CannotOpen:
        return Tr(QT_TRANSLATE_NOOP(
                      "ProblemMessages",
                      "The problem file \u201c%1\u201d cannot be opened: it does not exist, "
                      "is not a file, or may not be read."))
            .arg(file);
    case ProblemError::Kind::TooLarge:
        return Tr(QT_TRANSLATE_NOOP(
                      "ProblemMessages",
                      "The file \u201c%1\u201d is far too large to be a problem file."))
            .arg(file);
    case ProblemError::Kind::EndsEarly:
        return Tr(QT_TRANSLATE_NOOP(
                      "ProblemMessages",
                      "The problem file \u201c%1\u201d is incomplete: it ends before line %2."))
            .arg(file)
            .arg(error.line);
    case ProblemError::Kind::BadCount:
        return Tr(QT_TRANSLATE_NOOP("ProblemMessages", "Line %2 of the problem file \u201c%1\u201d "
                                                       "gives %3 as the number of pieces; "
                                                       "it must be a whole number from 0 to %4."))
            .arg(file)
            .arg(error.line)
            .arg(Number(error.value))
            .arg(Number(kMaxProblemPieces));
    case ProblemError::Kind::CountBeyondFile:
        return Tr(QT_TRANSLATE_NOOP(
                      "ProblemMessages",
                      "Line %2 of the problem file \u201c%1\u201d announces %3 pieces, "
                      "more than the file holds."))
            .arg(file)
            .arg(error.line)
            .arg(Number(error.value));
    case ProblemError::Kind::NumberTooLarge:
        return Tr(QT_TRANSLATE_NOOP(
                      "ProblemMessages",
                      "Line %2 of the problem file \u201c%1\u201d holds a number too large "
                      "for its place."))
            .arg(file)
            .arg(error.line);
    case ProblemError::Kind::NotText:
        return Tr(QT_TRANSLATE_NOOP("ProblemMessages",
                                    "The file \u201c%1\u201d is not a problem file: it is not "
                                    "plain text (it may have been saved as UTF-16)."))
            .arg(file);
    case ProblemError::Kind::UnknownKind:
        return Tr(QT_TRANSLATE_NOOP(
                      "ProblemMessages",
                      "Line %2 of the problem file \u201c%1\u201d names the kind of piece %3, "
                      "which does not exist."))
            .arg(file)
            .arg(error.line)
            .arg(Number(error.value));
    }
    return Tr(QT_TRANSLATE_NOOP("ProblemMessages",
                                "The problem file \u201c%1\u201d cannot be read."))
        .arg(file);
}

QString SaveFailedMessage(const QString& path, const QString& reason) {
    return Tr(QT_TRANSLATE_NOOP(
                  "ProblemMessages",
                  "The problem could not be saved as \u201c%1\u201d: %2.\nNothing was changed."))
        .arg(InLine(QDir::toNativeSeparators(path)), reason);
}

QString SaveRefusalReason(SaveTargetCheck::Refusal refusal) {
    using Refusal = SaveTargetCheck::Refusal;
    switch (refusal) {
    case Refusal::OthersLink:
        return Tr(QT_TRANSLATE_NOOP("ProblemMessages",
                                    "it is a link that belongs to another user, and Tarvelo does "
                                    "not write through it"));
    case Refusal::LinkInSharedFolder:
        return Tr(QT_TRANSLATE_NOOP("ProblemMessages",
                                    "it is a link in a folder that other users can change, and "
                                    "Tarvelo does not write through it"));
    case Refusal::NotRegularFile:
        return Tr(QT_TRANSLATE_NOOP("ProblemMessages",
                                    "it is not an ordinary file (a device, a pipe or a socket)"));
    case Refusal::OthersFile:
        return Tr(QT_TRANSLATE_NOOP("ProblemMessages",
                                    "the file belongs to another user, who would lose it"));
    case Refusal::None:
        break;
    }
    return Tr(QT_TRANSLATE_NOOP("ProblemMessages", "the system gave no reason"));
}

QString SavedOverLinkedFileMessage(const QString& path) {
    return Tr(QT_TRANSLATE_NOOP("ProblemMessages",
                                "The problem was saved as \u201c%1\u201d. That file also had "
                                "other names (hard links); they still hold the old problem."))
        .arg(InLine(QDir::toNativeSeparators(path)));
}

QString SaveFailureReason(int systemError, const QString& otherwise) {
    for (const SystemErrorWords& failure : kSaveFailures) {
        if (failure.systemError == systemError) {
            return Tr(failure.words);
        }
    }
    if (!otherwise.isEmpty()) {
        return otherwise;
    }
    return Tr(QT_TRANSLATE_NOOP("ProblemMessages", "the system gave no reason"));
}

QString UnusableCommandLineMessage(const QString& commandLine) {
    return Tr(QT_TRANSLATE_NOOP(
                  "ProblemMessages",
                  "The command line \u201c%1\u201d names no problem file; Tarvelo starts without "
                  "one."))
        .arg(InLine(commandLine));
}

QString UnknownValueRefusedMessage(const QString& letter, const QString& answer) {
    return Tr(QT_TRANSLATE_NOOP("ProblemMessages",
                                "\u201c%1\u201d is not a value of %2. %2 takes a whole number "
                                "from 0 to 9; it keeps its value."))
        .arg(InLine(answer.trimmed()), letter);
}

QString DiscardBuiltSceneQuestion() {
    return Tr(QT_TRANSLATE_NOOP("ProblemMessages", "Discard the scene you built?"));
}

QString DiscardBuiltSceneDetail(BuiltSceneLeft why) {
    switch (why) {
    case BuiltSceneLeft::ForLesson:
        return Tr(QT_TRANSLATE_NOOP("ProblemMessages",
                                    "A lesson is being opened, and Ctrl+Z cannot bring free play "
                                    "back from a lesson. Save the scene first, or discard it?"));
    case BuiltSceneLeft::ForClosing:
        break;
    }
    return Tr(QT_TRANSLATE_NOOP("ProblemMessages",
                                "Tarvelo is closing, and the scene is lost unless it is saved. "
                                "Save the scene first, or discard it?"));
}

QString DroppedFilesRefusedMessage() {
    return Tr(QT_TRANSLATE_NOOP("ProblemMessages",
                                "Tarvelo opens one problem file (.trv) at a time: drop a single "
                                ".trv file on the window to open it."));
}

} // namespace tarvelo
