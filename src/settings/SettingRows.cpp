#include "settings/SettingRows.h"

void WriteSetting(TConfigBase& store, const std::string& section, const std::string& key,
                  SettingType type, const SettingValue& value) {
  switch (type) {
    case SettingType::Boolean: store.SetPrefBooleanProc(section, key, std::get<bool>(value)); break;
    case SettingType::Integer:
    case SettingType::Colour:
    case SettingType::Byte:
      store.SetPrefInteger(section, key, std::get<std::int32_t>(value));
      break;
    case SettingType::String:
      store.SetPrefString(section, key, std::string(std::get<std::string_view>(value)));
      break;
    case SettingType::Path:
      store.SetPrefPath(section, key, std::string(std::get<std::string_view>(value)));
      break;
  }
}

void WriteSettingRows(TConfigManager& manager, const std::string& section,
                      std::span<const SettingRow> rows) {
  for (const SettingRow& row : rows) {
    WriteSetting(manager, section, std::string(row.key), row.type, row.read(manager));
  }
}
