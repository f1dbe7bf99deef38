#pragma once
// The preferences file format written instead of read: element names and
// texts encoded so that the import's own decoding gives back exactly the
// name or text the registry holds.  Each encoder checks its result through
// that decoding; what cannot be carried gets the reason instead.  Texts are
// ANSI, as the import sees them after the parser.
#include <string>
#include <string_view>

// The encoded form, or why there is none (a sentence).
struct TEncoded {
  std::string text;
  std::string trouble;  // empty when `text` is good
  bool ok() const { return trouble.empty(); }
};

// A section or value name as an element name (ANSI).
TEncoded EncodeName(std::string_view name);
// A value's text as the import's text decoding must receive it (ANSI, before
// XML's own escaping).
TEncoded EncodeText(std::string_view text);

// UTF-8 text as element content: "&", "<" and ">" escaped, CR, LF and tab as
// character references so that no parser folds them.
std::string XmlContent(std::string_view utf8);
// Whether an element of this text would be passed over as whitespace unless
// it says xml:space="preserve".
bool IsBlankText(std::string_view text);
