// The limit check over arbitrary bytes, decoding included: it either lets a
// file through or refuses it with a message, never anything else; and with
// the same bytes it gives the same answer under a bound switched off.  The
// scan for the place of a fault reads the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Error.h"
#include "platform/XmlDomLimits.h"
#include "platform/XmlFaultScan.h"
#include "platform/XmlScanText.h"
#include "xmlimport/ImpExpRegXML.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool Passes(std::string_view bytes, const platform::XmlLimits& limits) {
  try {
    platform::CheckXmlLimits(bytes, limits);
    return true;
  } catch (const EProgramError& error) {
    Require(error.what()[0] != '\0');
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // Whatever the encoding, the decoded form keeps every ASCII byte for an
  // ASCII character: no more markup than the file holds characters.
  try {
    std::string storage;
    const std::string_view text = platform::XmlScanText(bytes, storage);
    Require(text.size() <= 3 * bytes.size());
  } catch (const EProgramError&) {
  }

  // The scan for a fault's place reads any bytes and places a fault inside
  // the file: on a line no further than its line ends allow.
  const platform::XmlParseFault fault = platform::FindXmlFault(bytes);
  Require(fault.line <= bytes.size() + 1);
  Require(fault.line == 0 || !fault.reason.empty());

  // A bound switched off never refuses what the bounds together let through.
  platform::XmlLimits limits = PrefsFileLimits();
  const bool passes = Passes(bytes, limits);
  limits.maxNodes = 0;
  limits.maxPiecesPerText = 0;
  if (passes) Require(Passes(bytes, limits));
  return 0;
}
