#include "prefstore/ConfigCommon.h"

// FOUNDATION STUB: the store issue replaces this file with the real store.

namespace {
MachineWidePrefsSource machineWideSource = nullptr;
}  // namespace

void SetMachineWidePrefsSource(MachineWidePrefsSource source) { machineWideSource = source; }
bool MachineWidePrefs() { return machineWideSource != nullptr && machineWideSource(); }

TConfigBase::TConfigBase() = default;
TConfigBase::~TConfigBase() = default;
