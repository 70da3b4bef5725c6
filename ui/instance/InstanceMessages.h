// What the user is told about the one running instance and the hand-overs of later starts.
#pragma once

#include "ui/instance/InstanceClient.h"

#include <QString>
#include <QStringList>

namespace tarvelo {

// Why a folder cannot hold the instance socket (parts of NoPrivateFolderMessage).
QString NotAPrivateFolderReason(const QString& folder);
QString OwnedByAnotherUserReason(const QString& folder);
QString OpenToOthersReason(const QString& folder);
QString PathTooLongReason(const QString& folder);
QString CannotMakeFolderReason(const QString& folder);
QString NoHomeFolderReason();
QString OthersMayChangeReason(const QString& folder);

// Said on standard error by a start that runs but cannot take hand-overs.
QString NoPrivateFolderMessage(const QStringList& reasons);
QString NoLockMessage(const QString& lockName);
QString SocketInTheWayMessage(const QString& socketName);
QString NoSocketMessage(const QString& socketName, const QString& error);

// What a later start says about a hand-over that failed; empty for one that did not.
QString HandOverFailureMessage(HandOverResult result, const QString& socketName,
                               int timeoutMs = kHandOverTimeoutMs);

// A hand-over whose command line names no file (a lone double quote, or quotes around nothing).
QString HandedOverNoFileMessage(const QString& commandLine);

// Hand-overs that came while another waited to be served, and were passed over for the last.
QString HandOversPassedOverMessage(int count);

// A notice that came `count` times, said once.
QString RepeatedNotice(const QString& text, int count);
// The notices that came while too many were waiting already.
QString LeftOutNoticesMessage(int count);

} // namespace tarvelo
