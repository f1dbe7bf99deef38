#include "prefstore/PrefBackendRegSingle.h"

std::int32_t TPrefBackendRegSingle::GetPrefInteger(const std::string&, const std::string& name,
                                                   std::int32_t defaultValue) {
  return Primary().GetInteger(name).value_or(defaultValue);
}

void TPrefBackendRegSingle::SetPrefInteger(const std::string&, const std::string& name,
                                           std::int32_t value) {
  Primary().SetInteger(name, value);
}

std::string TPrefBackendRegSingle::GetPrefString(const std::string&, const std::string& name,
                                                 const std::string& defaultValue) {
  return Primary().GetString(name).value_or(defaultValue);
}

void TPrefBackendRegSingle::SetPrefString(const std::string&, const std::string& name,
                                          const std::string& value) {
  Primary().SetString(name, value);
}

bool TPrefBackendRegSingle::GetPrefBoolean(const std::string&, const std::string& name,
                                           bool defaultValue) {
  return Primary().GetBoolean(name).value_or(defaultValue);
}

void TPrefBackendRegSingle::SetPrefBoolean(const std::string&, const std::string& name,
                                           bool value) {
  Primary().SetBoolean(name, value);
}

std::int32_t TPrefBackendRegSingle::ReadPrefBinary(const std::string&, const std::string& name,
                                                   std::uint8_t* buffer, std::int32_t room) {
  return Primary().GetBinary(name, buffer, room).value_or(-1);
}

void TPrefBackendRegSingle::SetPrefBinary(const std::string&, const std::string& name,
                                          const std::uint8_t* buffer, std::int32_t size) {
  Primary().SetBinary(name, buffer, size);
}

void TPrefBackendRegSingle::GetPrefValueNames(const std::string&, const std::string& sub,
                                              std::vector<std::string>& names) {
  Primary().ListValueNames(sub, names);
}

bool TPrefBackendRegSingle::DeletePrefValue(const std::string&, const std::string& name) {
  return Primary().DeleteValue(name);
}

bool TPrefBackendRegSingle::DeletePrefKey(const std::string& sub) {
  return Primary().DeleteKey(sub);
}
