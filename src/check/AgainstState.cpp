#include "check/AgainstState.h"

#include "check/CheckPrefsFile.h"
#include "platform/MemoryRegistry.h"
#include "prefstore/RegistryObject.h"

namespace reg = platform::reg;

namespace {

// The value as the store writes it.
TStoredValue StoredForm(const TImportedValue& value) {
  TStoredValue stored;
  switch (value.type) {
    case PrefValueType::kInteger:
    case PrefValueType::kBoolean: {
      stored.type = reg::kDword;
      const auto bytes = RegDwordBytes(static_cast<std::uint32_t>(value.integer));
      stored.data.assign(bytes.begin(), bytes.end());
      break;
    }
    case PrefValueType::kString:
      stored.type = reg::kSz;
      stored.data.assign(value.text.begin(), value.text.end());
      stored.data.push_back(0);
      break;
    case PrefValueType::kBinary:
      stored.type = reg::kBinary;
      stored.data = value.bytes;
      break;
    case PrefValueType::kNone: break;
  }
  return stored;
}

// The old value's type: in the report's words for the three the store
// writes, else as the registry names it.
std::string OldTypeName(std::uint32_t type) {
  switch (type) {
    case reg::kSz: return "string";
    case reg::kBinary: return "binary";
    case reg::kDword: return "integer";
  }
  return RegTypeName(type);
}

// The old data in the report's terms: a dword as an integer, a text up to its
// first zero as a string, anything else as bytes.
TImportedValue OldValue(const TStoredValue& stored, const TImportedValue& now) {
  TImportedValue old = now;
  old.text.clear();
  old.bytes.clear();
  old.integer = 0;
  if (stored.type == reg::kDword && stored.data.size() == 4) {
    old.type = now.type == PrefValueType::kBoolean && stored.data[0] <= 1 && stored.data[1] == 0 &&
                       stored.data[2] == 0 && stored.data[3] == 0
                   ? PrefValueType::kBoolean
                   : PrefValueType::kInteger;
    old.integer = static_cast<std::int32_t>(RegDwordOf(stored.data.data()));
  } else if (IsRegString(stored.type)) {
    old.type = PrefValueType::kString;
    old.text = RegTextOf(stored.data.data(), static_cast<std::uint32_t>(stored.data.size()));
  } else {
    old.type = PrefValueType::kBinary;
    old.bytes = stored.data;
  }
  return old;
}

TValueChange Judge(const TImportedValue& value, platform::IRegistry& before,
                   platform::IRegistry& after, bool machineWritable) {
  TValueChange change;
  change.perMachine = value.scope == cfgPerMachine;
  change.intoMachineKey = change.perMachine && machineWritable;
  const TStoredValue now = StoredForm(value);
  const platform::RegKey root = change.intoMachineKey ? reg::kLocalMachine : reg::kCurrentUser;
  // The layered backend writes nothing into the user's key when the machine's
  // holds the same: whatever it did shows there.
  if (!change.intoMachineKey && !ReadStoredValue(after, root, value.keyPath, value.name)) {
    change.change = TChange::kLeftOut;
    return change;
  }
  const auto old = ReadStoredValue(before, root, value.keyPath, value.name);
  if (!old) {
    change.change = TChange::kNew;
  } else if (*old == now) {
    change.change = TChange::kUnchanged;
  } else {
    change.change = TChange::kChanged;
    change.old = OldValue(*old, value);
    if (old->type != now.type) change.oldType = OldTypeName(old->type);
  }
  return change;
}

}  // namespace

TCheckReport CheckPrefsFileAgainst(const std::string& fileName, const TProductKeys& keys,
                                   const platform::IAnsiCodePage& codePage,
                                   const std::string& source) {
  const std::unique_ptr<platform::IMemoryRegistry> before = platform::NewMemoryRegistry();
  const std::unique_ptr<platform::IMemoryRegistry> after = platform::NewMemoryRegistry();
  SeedRegistry(*before, keys, codePage);
  SeedRegistry(*after, keys, codePage);
  after->SetMachineReadOnly(!keys.machineWritable);
  TCheckReport report = CheckPrefsFile(fileName, *after);
  report.against = source;
  for (TCheckedKey& key : report.keys) {
    for (TCheckedValue& value : key.values) {
      value.change = Judge(value.value, *before, *after, keys.machineWritable);
    }
  }
  return report;
}

std::string AgainstSource(const std::vector<std::string>& regFiles, const TProductKeys& keys) {
  if (!regFiles.empty()) {
    std::string files;
    for (const std::string& file : regFiles) files += (files.empty() ? "" : " and ") + file;
    return files;
  }
  return keys.machineWritable
             ? "this machine's registry (this user may write the machine's key)"
             : "this machine's registry (this user may not write the machine's key)";
}

std::size_t CountChanges(const TCheckReport& report, TChange change) {
  std::size_t count = 0;
  for (const TCheckedKey& key : report.keys) {
    for (const TCheckedValue& value : key.values) count += value.change.change == change ? 1 : 0;
  }
  return count;
}

std::size_t CountMachineValuesInUserKey(const TCheckReport& report) {
  std::size_t count = 0;
  for (const TCheckedKey& key : report.keys) {
    for (const TCheckedValue& value : key.values) {
      count += value.change.perMachine && !value.change.intoMachineKey ? 1 : 0;
    }
  }
  return count;
}
