// The words of the one running instance, of the hand-overs, and of the notices they bring.
#include "ui/instance/InstanceMessages.h"

#include <QCoreApplication>

namespace tarvelo {

namespace {

constexpr int kMsPerSecond = 1000;

// `count` fills %n in the plural form the user's language wants: such texts are marked with
// QT_TRANSLATE_N_NOOP, so that their translations give every form.
QString Tr(const char* text, int count = -1) {
    return QCoreApplication::translate("InstanceMessages", text, nullptr, count);
}

} // namespace

QString NotAPrivateFolderReason(const QString& folder) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages", "%1 is not a folder of this user's alone"))
        .arg(folder);
}

QString CannotMakeFolderReason(const QString& folder) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages", "%1 could not be made")).arg(folder);
}

QString NoHomeFolderReason() {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages", "the user database gives this user no home"));
}

QString OthersMayChangeReason(const QString& folder) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages", "other users may change %1")).arg(folder);
}

QString OwnedByAnotherUserReason(const QString& folder) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages", "%1 belongs to another user")).arg(folder);
}

QString OpenToOthersReason(const QString& folder) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages", "other users may enter %1")).arg(folder);
}

QString PathTooLongReason(const QString& folder) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages", "the path %1 is too long for a socket"))
        .arg(folder);
}

QString NoPrivateFolderMessage(const QStringList& reasons) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages",
                                "tarvelo: no private folder for the socket of the running "
                                "Tarvelo could be had (%1). This Tarvelo runs on its own: later "
                                "starts cannot hand their files to it."))
        .arg(reasons.join(QStringLiteral("; ")));
}

QString NoLockMessage(const QString& lockName) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages",
                                "tarvelo: the lock file %1 cannot be used. This Tarvelo runs on "
                                "its own: later starts cannot hand their files to it."))
        .arg(lockName);
}

QString SocketInTheWayMessage(const QString& socketName) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages",
                                "tarvelo: %1 is in the way of the socket of the running Tarvelo. "
                                "Later starts cannot hand their files to this Tarvelo until it "
                                "is removed."))
        .arg(socketName);
}

QString NoSocketMessage(const QString& socketName, const QString& error) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages",
                                "tarvelo: the socket %1 cannot be opened (%2). Later starts "
                                "cannot hand their files to this Tarvelo."))
        .arg(socketName, error);
}

QString HandOverFailureMessage(HandOverResult result, const QString& socketName, int timeoutMs) {
    const int seconds = timeoutMs / kMsPerSecond;
    switch (result) {
    case HandOverResult::Accepted:
        return {};
    case HandOverResult::NoInstance:
        return Tr(QT_TRANSLATE_NOOP("InstanceMessages",
                                    "tarvelo: the running Tarvelo ended before it took the file. "
                                    "Start Tarvelo again."));
    case HandOverResult::Unreachable:
        return Tr(QT_TRANSLATE_NOOP("InstanceMessages",
                                    "tarvelo: a Tarvelo is running but took no connection within "
                                    "%1 seconds; it may be stopped or very busy. The file was not "
                                    "handed over."))
            .arg(seconds);
    case HandOverResult::InTheWay:
        return Tr(QT_TRANSLATE_NOOP("InstanceMessages",
                                    "tarvelo: a Tarvelo is running, but %1 is not its socket. The "
                                    "file was not handed over."))
            .arg(socketName);
    case HandOverResult::Stranger:
        return Tr(QT_TRANSLATE_NOOP("InstanceMessages",
                                    "tarvelo: the socket %1 belongs to another user. Nothing was "
                                    "handed over."))
            .arg(socketName);
    case HandOverResult::Closed:
        return Tr(QT_TRANSLATE_NOOP(
            "InstanceMessages",
            "tarvelo: the running Tarvelo closed the connection without answering."));
    case HandOverResult::NoAnswer:
        return Tr(QT_TRANSLATE_NOOP("InstanceMessages",
                                    "tarvelo: the running Tarvelo did not answer within %1 "
                                    "seconds; it may be stopped or very busy. The file was not "
                                    "handed over."))
            .arg(seconds);
    }
    return {};
}

QString HandOversPassedOverMessage(int count) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages",
                                "Other starts of Tarvelo handed over %1 more problem files while "
                                "one waited to be opened. Only the last one handed over is "
                                "open; the others were passed over."))
        .arg(count);
}

QString HandedOverNoFileMessage(const QString& commandLine) {
    return Tr(QT_TRANSLATE_NOOP("InstanceMessages",
                                "Another start of Tarvelo handed over the command line "
                                "\u201c%1\u201d, which names no problem file. The problem shown "
                                "stays as it is."))
        .arg(commandLine);
}

QString RepeatedNotice(const QString& text, int count) {
    if (count <= 1) {
        return text;
    }
    return text + QStringLiteral("\n\n") +
           Tr(QT_TRANSLATE_N_NOOP("InstanceMessages", "This came %n times."), count);
}

QString LeftOutNoticesMessage(int count) {
    return Tr(QT_TRANSLATE_N_NOOP("InstanceMessages",
                                  "%n further notices came while many were waiting; they are not "
                                  "shown."),
              count);
}

} // namespace tarvelo
