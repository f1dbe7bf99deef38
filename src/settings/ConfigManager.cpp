#include "settings/ConfigManager.h"

#include "platform/Fonts.h"
#include "platform/Services.h"

std::unique_ptr<TConfigManager> ConfigMgr;

namespace {

TFont DefaultFont() {
  const platform::FontDescription system = platform::Fonts().DefaultGuiFont();
  TFont font;
  font.Name = system.faceName;
  font.Size = system.pointSize;
  return font;
}

}  // namespace

TConfigManager::TConfigManager()
    : ScriptFont(DefaultFont()), GridFont(DefaultFont()), CategoryFont(DefaultFont()) {}

std::int32_t TConfigManager::fontStyleToInt(const TFontStyles& style) {
  return (style.Bold ? 1 : 0) | (style.Underline ? 2 : 0) | (style.Italic ? 4 : 0) |
         (style.StrikeOut ? 8 : 0);
}

void CreateConfigMgr() {
  ConfigMgr = std::make_unique<TConfigManager>();
  ConnectConfigMgrToEventLog();
}

void FreeConfigMgr() { ConfigMgr.reset(); }
