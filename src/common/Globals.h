#pragma once
// The common services in one include: folder placeholders and special
// folders, the event log with its date-time pictures, directory creation.
#include "common/DateTimeFormat.h"
#include "common/DateTimeLocale.h"
#include "common/EventLog.h"
#include "common/EventLogSettings.h"
#include "common/FolderPlaceholders.h"
#include "common/ForceDirectories.h"
#include "common/SpecialFolders.h"
