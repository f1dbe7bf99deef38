#pragma once
// A file whose bytes and declared encoding disagree: the parser reads it
// without a word, and every character beyond ASCII arrives as other text.
#include <optional>
#include <string_view>

#include "check/CheckReport.h"
#include "check/StartTagLines.h"

// A warning when a file declares a single-byte encoding but its non-ASCII
// bytes are all UTF-8 sequences (saved as UTF-8), or declares UTF-8, or
// nothing, which means UTF-8, but holds bytes that are no UTF-8 (saved in a
// code page; the parser then refuses it).  `codePage` is the ANSI code page,
// the likeliest one such a file was saved in.  A file with a byte order mark
// says its encoding itself and gets no finding.
std::optional<TFinding> EncodingFinding(std::string_view bytes, const TStartTagLines& lines,
                                        unsigned codePage);
