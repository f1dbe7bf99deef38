// The registry floor: the registry requests the preference store makes for
// the values of a benchmark .reg file, with no XML, no store and no window
// around them.  What no import that keeps the store's rules can go below.
//
//   regfloor.exe FILE.reg
//
// Keys under HKEY_LOCAL_MACHINE are written as a per-machine section is when
// the machine key may be written: the writability probe, the key created,
// one set per value.  Keys under HKEY_CURRENT_USER are written through the
// layering rule: the machine's key opened for reading, the user's key
// created, and per value a query with data of the machine's key when that is
// open, a query of the user's key only when the machine holds the new value,
// and the set when the user's key needs it.
//
// Reads only what bench/generate.py writes: UTF-16 with a byte order mark,
// names and texts without quotes or backslashes.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Value {
  std::string name;
  DWORD type;
  std::vector<BYTE> data;
};

struct Key {
  bool machine;
  std::string path;
  std::vector<Value> values;
};

std::string ReadUtf16File(const char* fileName) {
  HANDLE file =
      CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  const DWORD size = GetFileSize(file, nullptr);
  std::vector<char> bytes(size);
  DWORD read = 0;
  ReadFile(file, bytes.data(), size, &read, nullptr);
  CloseHandle(file);
  const auto* wide = reinterpret_cast<const wchar_t*>(bytes.data());
  int units = static_cast<int>(read / 2);
  if (units > 0 && wide[0] == 0xFEFF) {
    ++wide;
    --units;
  }
  const int length = WideCharToMultiByte(CP_ACP, 0, wide, units, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, units, text.data(), length, nullptr, nullptr);
  return text;
}

Value ParseValue(const std::string& line) {
  const std::size_t close = line.find('"', 1);
  Value value{line.substr(1, close - 1), REG_NONE, {}};
  const std::string data = line.substr(close + 2);
  if (data.rfind("dword:", 0) == 0) {
    const DWORD number = std::strtoul(data.c_str() + 6, nullptr, 16);
    value.type = REG_DWORD;
    value.data.resize(4);
    std::memcpy(value.data.data(), &number, 4);
  } else if (data.rfind("hex:", 0) == 0) {
    value.type = REG_BINARY;
    for (std::size_t at = 4; at + 1 < data.size(); at += 3) {
      value.data.push_back(
          static_cast<BYTE>(std::strtoul(data.substr(at, 2).c_str(), nullptr, 16)));
    }
  } else {
    value.type = REG_SZ;
    const std::string text = data.substr(1, data.size() - 2);
    value.data.assign(text.begin(), text.end());
    value.data.push_back(0);
  }
  return value;
}

std::vector<Key> ParseRegFile(const std::string& text) {
  static const std::string kMachine = "[HKEY_LOCAL_MACHINE\\";
  static const std::string kUser = "[HKEY_CURRENT_USER\\";
  std::vector<Key> keys;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(kMachine, 0) == 0) {
      keys.push_back({true, line.substr(kMachine.size(), line.size() - kMachine.size() - 1), {}});
    } else if (line.rfind(kUser, 0) == 0) {
      keys.push_back({false, line.substr(kUser.size(), line.size() - kUser.size() - 1), {}});
    } else if (!line.empty() && line[0] == '"' && !keys.empty()) {
      keys.back().values.push_back(ParseValue(line));
    }
  }
  return keys;
}

void WriteMachineKey(const Key& key) {
  // The writability probe, then the key itself.
  HKEY probe = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.path.c_str(), 0, KEY_ALL_ACCESS, &probe) ==
      ERROR_SUCCESS) {
    const DWORD zero = 0;
    RegSetValueExA(probe, "amdk328wlskdjf", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), 4);
    RegDeleteValueA(probe, "amdk328wlskdjf");
  } else {
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                    KEY_ALL_ACCESS, nullptr, &probe, nullptr);
  }
  RegCloseKey(probe);
  HKEY opened = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                  KEY_ALL_ACCESS, nullptr, &opened, nullptr);
  for (const Value& value : key.values) {
    RegSetValueExA(opened, value.name.c_str(), 0, value.type, value.data.data(),
                   static_cast<DWORD>(value.data.size()));
  }
  RegCloseKey(opened);
}

void WriteUserKey(const Key& key) {
  HKEY machine = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.path.c_str(), 0, KEY_READ, &machine) != ERROR_SUCCESS) {
    machine = nullptr;
  }
  HKEY user = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, key.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                  KEY_ALL_ACCESS, nullptr, &user, nullptr);
  std::vector<BYTE> held(4096);
  for (const Value& value : key.values) {
    bool write = true;
    if (machine != nullptr) {
      DWORD type = REG_NONE;
      DWORD size = static_cast<DWORD>(held.size());
      const bool machineEqual = RegQueryValueExA(machine, value.name.c_str(), nullptr, &type,
                                                 held.data(), &size) == ERROR_SUCCESS &&
                                type == value.type && size == value.data.size() &&
                                std::memcmp(held.data(), value.data.data(), size) == 0;
      write = !machineEqual || RegQueryValueExA(user, value.name.c_str(), nullptr, nullptr, nullptr,
                                                nullptr) == ERROR_SUCCESS;
    }
    if (write) {
      RegSetValueExA(user, value.name.c_str(), 0, value.type, value.data.data(),
                     static_cast<DWORD>(value.data.size()));
    }
  }
  RegCloseKey(user);
  if (machine != nullptr) RegCloseKey(machine);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: regfloor FILE.reg\n");
    return 2;
  }
  const std::vector<Key> keys = ParseRegFile(ReadUtf16File(argv[1]));
  if (keys.empty()) {
    std::fprintf(stderr, "regfloor: no keys in %s\n", argv[1]);
    return 1;
  }
  for (const Key& key : keys) key.machine ? WriteMachineKey(key) : WriteUserKey(key);
  return 0;
}
