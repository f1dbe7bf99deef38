// The file-based private profile reading an arbitrary file, then writing to it
// and reading the value back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/fake/FileProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string file =
      (std::filesystem::temp_directory_path() / "wf-fuzz-profile.ini").string();
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  platform::fake::FileProfile profile;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string section = text.substr(0, text.find('\n') < 16 ? text.find('\n') : 16);
  for (const std::string& name : profile.ReadNames(section, file, 16384)) {
    profile.ReadString(section, name, "'default'", file, 2048);
    profile.ReadString(section, name, "", file, 5);
  }
  if (profile.WriteString("Fuzz", "Name", "Value", file) &&
      profile.ReadString("fuzz", "name", "", file, 2048) != "Value") {
    std::abort();  // what was written must read back
  }
  profile.DeleteName("Fuzz", "Name", file);
  return 0;
}
