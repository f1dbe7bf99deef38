#include "ImportFixture.h"

#include <fstream>

#include "prefstore/ProductIdentity.h"
#include "settings/ConfigManager.h"
#include "support/XmlDomTestParser.h"
#include "xmlimport/ImpExpRegXML.h"

namespace importtest {

namespace reg = platform::reg;

bool GuardedRegistry::Denied(const std::string& subKey) const {
  return !deniedSuffix.empty() && subKey.size() >= deniedSuffix.size() &&
         subKey.compare(subKey.size() - deniedSuffix.size(), deniedSuffix.size(), deniedSuffix) ==
             0;
}

long GuardedRegistry::OpenKey(platform::RegKey parent, const std::string& subKey,
                              std::uint32_t access, platform::RegKey* result) {
  if (Denied(subKey) && (access & reg::kModifyingRights) != 0) return reg::kAccessDenied;
  return ForwardingRegistry::OpenKey(parent, subKey, access, result);
}

long GuardedRegistry::CreateKey(platform::RegKey parent, const std::string& subKey,
                                std::uint32_t access, platform::RegKey* result, bool* created) {
  if (Denied(subKey)) return reg::kAccessDenied;
  if (parent == reg::kCurrentUser) userKeysCreated.push_back(subKey);
  return ForwardingRegistry::CreateKey(parent, subKey, access, result, created);
}

ImportFixture::ImportFixture() {
  store.scope->registry = &registry;
  store.scope->xml = &testsupport::BuildXmlParser();
  CreateConfigMgr();
}

ImportFixture::~ImportFixture() { FreeConfigMgr(); }

bool ImportFixture::Import(const std::string& contents) {
  std::ofstream(FileName(), std::ios::binary) << contents;
  return ImportWentThrough(ImportPrefsXML(FileName()));
}

namespace {
std::string KeyOf(const std::string& section) {
  return std::string(kProductRegistryKey) + (section.empty() ? "" : "\\" + section);
}
}  // namespace

std::optional<testsupport::RegValue> ImportFixture::User(const std::string& section,
                                                         const std::string& name) {
  return testsupport::ReadRegValue(store.registry, reg::kCurrentUser, KeyOf(section), name);
}

std::optional<testsupport::RegValue> ImportFixture::Machine(const std::string& section,
                                                            const std::string& name) {
  return testsupport::ReadRegValue(store.registry, reg::kLocalMachine, KeyOf(section), name);
}

bool ImportFixture::UserKey(const std::string& section) {
  return testsupport::RegKeyPresent(store.registry, reg::kCurrentUser, KeyOf(section));
}

std::vector<std::string> ImportFixture::Boxes() const {
  std::vector<std::string> boxes;
  for (const auto& box : store.ui.boxes) boxes.push_back(box.caption + "|" + box.text);
  return boxes;
}

}  // namespace importtest
