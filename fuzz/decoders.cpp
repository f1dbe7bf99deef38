// The preferences file's name, text, integer and binary decoders, with the
// properties that must hold for any input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "xmlimport/PrefsFileFormat.h"

namespace {
void Require(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  // Every sequence is at least as long as what it stands for.
  Require(DecodeName(text).size() <= text.size());
  Require(DecodeText(text).size() <= text.size());

  ReadInteger(text);
  ReadBoolean(text);

  if (const auto bytes = DecodeBinary(text)) {
    std::size_t nonBlank = 0;
    for (char c : text) nonBlank += c != ' ';
    Require(bytes->size() == nonBlank / 2);
  }

  // Any 32-bit value survives being written in decimal and in each hex form.
  if (size >= 4) {
    std::int32_t value;
    std::memcpy(&value, data, sizeof value);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<std::uint32_t>(value));
    Require(ReadInteger(std::to_string(value)) == value);
    Require(ReadInteger(std::string("$") + hex) == value);
    Require(ReadInteger(std::string("0x") + hex) == value);
    Require(ReadInteger(std::string("  x") + hex) == value);
  }
  return 0;
}
