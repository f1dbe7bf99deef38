#include "prefstore/PrefBackendFile.h"

#include <charconv>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

#include "common/Strings.h"
#include "platform/Error.h"
#include "prefstore/IniFileObject.h"
#include "prefstore/ProductIdentity.h"

namespace {

// The product's own section stands in for an empty one, so that every
// operation finds what another wrote with the same section argument.
std::string IniSection(const std::string& section) {
  return section.empty() ? std::string(kProductName) : section;
}

// Decimal with an optional sign, or "$", "0x", "0X" and up to 32 bits of
// hexadecimal digits taken as the integer's bit pattern; nothing else.
std::optional<std::int32_t> ParseInteger(std::string_view text) {
  bool hexadecimal = false;
  for (std::string_view prefix : {"$", "0x", "0X"}) {
    if (text.starts_with(prefix)) {
      text.remove_prefix(prefix.size());
      hexadecimal = true;
      break;
    }
  }
  if (text.empty()) return std::nullopt;
  const char* first = text.data();
  const char* last = first + text.size();
  if (!hexadecimal) {
    // from_chars takes a minus sign only; "+-5" is no number either way.
    if (*first == '+') {
      ++first;
      if (first != last && *first == '-') return std::nullopt;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
  }
  // from_chars would take a sign after the prefix; the digits alone count.
  if (HexDigitValue(*first) < 0) return std::nullopt;
  std::uint32_t bits = 0;
  const auto [end, error] = std::from_chars(first, last, bits, 16);
  if (error != std::errc() || end != last) return std::nullopt;
  return static_cast<std::int32_t>(bits);
}

}  // namespace

TPrefBackendFile::TPrefBackendFile(bool machineWide) : TPrefBackend(machineWide) {}

TPrefBackendFile::TPrefBackendFile(std::string folder, const std::string& fileName,
                                   bool machineWide)
    : TPrefBackend(machineWide),
      file_(std::make_unique<TIniFileObject>(folder + fileName)),
      folder_(std::move(folder)) {}

TPrefBackendFile::~TPrefBackendFile() = default;

bool TPrefBackendFile::OpenPref(const std::string&, bool) { return file_ != nullptr; }

TIniFileObject& TPrefBackendFile::File() {
  if (!file_) throw EProgramError("No preferences file is open");
  return *file_;
}

void TPrefBackendFile::ClosePref() {
  if (file_) {
    file_->Flush();
    file_.reset();
  }
  folder_.clear();
}

std::int32_t TPrefBackendFile::GetPrefInteger(const std::string& section, const std::string& name,
                                              std::int32_t defaultValue) {
  return ParseInteger(File().ReadString(IniSection(section), name, "")).value_or(defaultValue);
}

void TPrefBackendFile::SetPrefInteger(const std::string& section, const std::string& name,
                                      std::int32_t value) {
  File().WriteString(IniSection(section), name, std::to_string(value));
}

std::string TPrefBackendFile::GetPrefString(const std::string& section, const std::string& name,
                                            const std::string& defaultValue) {
  return File().ReadString(IniSection(section), name, defaultValue);
}

void TPrefBackendFile::SetPrefString(const std::string& section, const std::string& name,
                                     const std::string& value) {
  File().WriteString(IniSection(section), name, value);
}

bool TPrefBackendFile::GetPrefBoolean(const std::string& section, const std::string& name,
                                      bool defaultValue) {
  return GetPrefInteger(section, name, defaultValue ? 1 : 0) != 0;
}

void TPrefBackendFile::SetPrefBoolean(const std::string& section, const std::string& name,
                                      bool value) {
  File().WriteString(IniSection(section), name, value ? "1" : "0");
}

std::int32_t TPrefBackendFile::ReadPrefBinary(const std::string& section, const std::string& name,
                                              std::uint8_t* buffer, std::int32_t room) {
  const std::string text = File().ReadString(IniSection(section), name, "");
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size() / 2);
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    const int high = HexDigitValue(text[i]);
    const int low = HexDigitValue(text[i + 1]);
    if (high < 0 || low < 0) break;
    bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
  }
  const auto count = static_cast<std::int32_t>(bytes.size());
  if (count == 0) return 0;
  if (count > room) throw EProgramError("Buffer overflow: GetPrefBinary_File");
  std::memcpy(buffer, bytes.data(), bytes.size());
  return count;
}

void TPrefBackendFile::SetPrefBinary(const std::string& section, const std::string& name,
                                     const std::uint8_t* buffer, std::int32_t size) {
  const std::string text =
      size > 0 ? HexBytes({buffer, static_cast<std::size_t>(size)}) : std::string();
  File().WriteString(IniSection(section), name, text);
}

void TPrefBackendFile::GetPrefValueNames(const std::string&, const std::string& sub,
                                         std::vector<std::string>& names) {
  names.clear();
  names = File().ReadNames(IniSection(sub));
}

bool TPrefBackendFile::DeletePrefValue(const std::string& section, const std::string& name) {
  File().DeleteName(IniSection(section), name);
  return true;
}

bool TPrefBackendFile::DeletePrefKey(const std::string& sub) {
  try {
    TIniFileObject& file = File();
    const std::string section = IniSection(sub);
    // One listing holds only the names that fit its buffer, so list again
    // until the section is empty, or until a pass changed nothing because
    // the platform would not delete.
    std::vector<std::string> names = file.ReadNames(section);
    while (!names.empty()) {
      for (const std::string& name : names) file.DeleteName(section, name);
      std::vector<std::string> left = file.ReadNames(section);
      if (left == names) break;
      names = std::move(left);
    }
    return true;
  } catch (const EProgramError&) {
    return false;
  }
}
