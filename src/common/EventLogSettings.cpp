#include "common/EventLogSettings.h"

#include <utility>

namespace {

IEventLogSettings* installed = nullptr;

}  // namespace

IEventLogSettings* InstallEventLogSettings(IEventLogSettings* settings) {
  return std::exchange(installed, settings);
}

IEventLogSettings* EventLogSettings() {
  return installed != nullptr && installed->Exists() ? installed : nullptr;
}

bool LoggingUnusualEvents() {
  IEventLogSettings* settings = EventLogSettings();
  return settings != nullptr && settings->LogUnusualEvents();
}
