// One running instance per user. The running instance holds a lock for its whole life and
// listens on a socket beside it, both in a folder only its user may use; a later start that
// finds the lock held hands its command line over that socket, waits until the running instance
// has taken it, and ends.
#pragma once

#include "ui/instance/HandOverMessage.h"
#include "ui/instance/InstanceClient.h"
#include "ui/instance/InstanceLock.h"
#include "ui/instance/InstancePlace.h"
#include "ui/instance/InstanceServer.h"
