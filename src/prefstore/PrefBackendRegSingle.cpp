#include "prefstore/PrefBackendRegSingle.h"

std::int32_t TPrefBackendRegSingle::GetPrefInteger(const std::string&, const std::string& name,
                                                   std::int32_t defaultValue) {
  return Key().GetInteger(name).value_or(defaultValue);
}

void TPrefBackendRegSingle::SetPrefInteger(const std::string&, const std::string& name,
                                           std::int32_t value) {
  Key().SetInteger(name, value);
}

std::string TPrefBackendRegSingle::GetPrefString(const std::string&, const std::string& name,
                                                 const std::string& defaultValue) {
  return Key().GetString(name).value_or(defaultValue);
}

void TPrefBackendRegSingle::SetPrefString(const std::string&, const std::string& name,
                                          const std::string& value) {
  Key().SetString(name, value);
}

bool TPrefBackendRegSingle::GetPrefBoolean(const std::string&, const std::string& name,
                                           bool defaultValue) {
  return Key().GetBoolean(name).value_or(defaultValue);
}

void TPrefBackendRegSingle::SetPrefBoolean(const std::string&, const std::string& name,
                                           bool value) {
  Key().SetBoolean(name, value);
}

std::int32_t TPrefBackendRegSingle::ReadPrefBinary(const std::string&, const std::string& name,
                                                   std::uint8_t* buffer, std::int32_t room) {
  return Key().GetBinary(name, buffer, room).value_or(-1);
}

void TPrefBackendRegSingle::SetPrefBinary(const std::string&, const std::string& name,
                                          const std::uint8_t* buffer, std::int32_t size) {
  Key().SetBinary(name, buffer, size);
}

void TPrefBackendRegSingle::GetPrefValueNames(const std::string&, const std::string& sub,
                                              std::vector<std::string>& names) {
  Key().ListValueNames(sub, names);
}

bool TPrefBackendRegSingle::DeletePrefValue(const std::string&, const std::string& name) {
  return Key().DeleteValue(name);
}

bool TPrefBackendRegSingle::DeletePrefKey(const std::string& sub) { return Key().DeleteKey(sub); }
