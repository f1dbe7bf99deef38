// A whole import of arbitrary file contents into the in-memory registry,
// through the real store, ConfigMgr and the libxml2 document model.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/libxml2/LibXmlDom.h"
#include "settings/ConfigManager.h"
#include "support/FakePlatform.h"
#include "xmlimport/ImpExpRegXML.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string file =
      (std::filesystem::temp_directory_path() / "wf-fuzz-import.xml").string();
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  testsupport::FakePlatform env;
  env.scope->xml = &platform::libxml2::LibXmlParser();
  CreateConfigMgr();
  ImportPrefsXML(file);
  FreeConfigMgr();
  return 0;
}
