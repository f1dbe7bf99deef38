#include "common/EventLogSettings.h"

#include "common/UpwardHooks.h"

IEventLogSettings* EventLogSettings() {
  IEventLogSettings* installed = UpwardHooks().eventLogSettings;
  return installed != nullptr && installed->Exists() ? installed : nullptr;
}

bool LoggingUnusualEvents() {
  IEventLogSettings* settings = EventLogSettings();
  return settings != nullptr && settings->LogUnusualEvents();
}
