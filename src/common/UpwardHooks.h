#pragma once
// What the layers above supply to the layers below them, all in one place.
// Each hook is installed at start-up by the layer that owns the answer; an
// unset hook answers as a process without that layer would.
class IEventLogSettings;

struct TUpwardHooks {
  // The preference store: whether preferences live beside the program.  Unset:
  // they live elsewhere.
  bool (*prefsOnUSB)() = nullptr;
  // The settings manager: ConfigMgr's MachineWidePrefs, read by the store at
  // every open.  Unset: false.
  bool (*machineWidePrefs)() = nullptr;
  // The settings manager's logging switches and its "Logs" section, for the
  // event log.  Unset: there is no manager and nothing is logged.
  IEventLogSettings* eventLogSettings = nullptr;
};

TUpwardHooks& UpwardHooks();
