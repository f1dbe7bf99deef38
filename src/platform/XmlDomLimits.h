#pragma once
// Our own enforcement of XmlLimits, shared by both parsers: a scan of the raw
// file before any parser sees it.  Parsers differ in which bounds they honour
// (Wine's MSXML ignores MaxElementDepth, Windows' MSXML 3 and 4 have no depth
// or entity bound by default), so the import cannot rely on theirs.
#include <cstdint>
#include <string_view>

#include "platform/XmlDom.h"

namespace platform {

// Raises EProgramError when the file is larger than limits.maxFileBytes.
void CheckXmlFileSize(std::uint64_t size, const XmlLimits& limits);

// Raises EProgramError when the document in `bytes` breaks one of the bounds
// in `limits` that are on: it nests elements deeper than allowed; its entity
// references, and the attribute defaults copied into its elements, expand to
// more characters; an element has more attributes; the document has more
// nodes; or a text is split into more pieces.  The file is read as the
// parser reads it (see XmlScanText).  With any bound on, the check also
// refuses what it could not count exactly, none of which a preferences file
// uses: an encoding the parser does not read, parameter entities, and
// entities whose text holds markup.  It never rejects a file for being
// otherwise malformed, which is the parser's to say.
void CheckXmlLimits(std::string_view bytes, const XmlLimits& limits);

}  // namespace platform
