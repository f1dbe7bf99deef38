#include "check/EncodingFindings.h"

#include <string>

#include "check/TextQuote.h"
#include "platform/XmlScanText.h"
#include "xmlimport/PrefsFileFormat.h"

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at `at`, 0 when there is none.
std::size_t Utf8Length(std::string_view bytes, std::size_t at) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if (!IsContinuation(static_cast<unsigned char>(bytes[at + k]))) return 0;
  }
  const auto second = static_cast<unsigned char>(bytes[at + 1]);
  // Overlong forms, surrogates and code points beyond U+10FFFF.
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
    return 0;
  }
  return length;
}

struct NonAscii {
  bool any = false;
  bool allUtf8 = true;
  int firstLine = 0;         // of the first byte beyond ASCII
  int firstForeignLine = 0;  // of the first byte that is no UTF-8
  std::string_view sample;   // the word around the first byte beyond ASCII
};

std::string_view WordAround(std::string_view bytes, std::size_t at) {
  const auto stops = [](char c) {
    return c == ' ' || c == '<' || c == '>' || c == '"' || c == '\'' || c == '\n' || c == '\r' ||
           c == '\t' || c == '\\';
  };
  std::size_t start = at;
  while (start > 0 && !stops(bytes[start - 1]) && at - start < 20) --start;
  std::size_t end = at;
  while (end < bytes.size() && !stops(bytes[end]) && end - at < 20) ++end;
  return bytes.substr(start, end - start);
}

NonAscii Survey(std::string_view bytes) {
  NonAscii found;
  int line = 1;
  for (std::size_t at = 0; at < bytes.size();) {
    const auto c = static_cast<unsigned char>(bytes[at]);
    if (c < 0x80) {
      line += c == '\n' ? 1 : 0;
      ++at;
      continue;
    }
    if (!found.any) {
      found.any = true;
      found.firstLine = line;
      found.sample = WordAround(bytes, at);
    }
    const std::size_t length = Utf8Length(bytes, at);
    if (length == 0) {
      if (found.allUtf8) found.firstForeignLine = line;
      found.allUtf8 = false;
      ++at;
    } else {
      at += length;
    }
  }
  return found;
}

}  // namespace

std::optional<TFinding> EncodingFinding(std::string_view bytes, const TStartTagLines& lines,
                                        unsigned codePage) {
  for (const std::string_view mark : {std::string_view("\xEF\xBB\xBF"),
                                      std::string_view("\xFF\xFE"), std::string_view("\xFE\xFF")}) {
    if (bytes.starts_with(mark)) return std::nullopt;
  }
  if (bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0')) return std::nullopt;

  const std::optional<std::string>& declared = lines.DeclaredEncoding();
  // No declaration, no encoding in it: UTF-8.
  const platform::EncodingKind kind =
      declared ? platform::KindOfEncoding(*declared) : platform::EncodingKind::kUtf8;
  if (kind != platform::EncodingKind::kUtf8 && kind != platform::EncodingKind::kSingleByte) {
    return std::nullopt;
  }
  const NonAscii found = Survey(bytes);
  if (!found.any) return std::nullopt;

  TFinding finding =
      MakeFinding(TSeverity::kWarning, "encoding-mismatch", std::string(kPreferencesDocumentName));
  finding.line = lines.XmlDeclarationLine() != 0 ? lines.XmlDeclarationLine() : 1;
  if (kind == platform::EncodingKind::kSingleByte && found.allUtf8) {
    finding.text = "the file declares the single-byte encoding \"" + *declared +
                   "\", but its characters beyond ASCII are all UTF-8 sequences, as a file saved "
                   "as UTF-8 holds them (the first on line " +
                   std::to_string(found.firstLine) +
                   "): each reads as two or more characters, and the program reads " +
                   QuoteText(found.sample) + " there";
    finding.fix = "encoding=\"UTF-8\"";
    return finding;
  }
  if (kind == platform::EncodingKind::kUtf8 && !found.allUtf8) {
    const std::string page = "windows-" + std::to_string(codePage);
    finding.text = std::string(declared ? "the file declares UTF-8"
                                        : "the file declares no encoding, which means UTF-8") +
                   ", but holds bytes that are no UTF-8 sequence (the first on line " +
                   std::to_string(found.firstForeignLine) +
                   "): it was likely saved in a single-byte code page such as " + page +
                   ", and the parser refuses it";
    finding.fix = declared ? "encoding=\"" + page + "\""
                           : "<?xml version=\"1.0\" encoding=\"" + page + "\"?>";
    return finding;
  }
  return std::nullopt;
}
