#pragma once
// The bulk of files made to keep a parser busy: generated where a test needs
// them rather than kept as megabytes in the tree.
#include <string>

namespace testsupport {

// `count` empty attributes for a start tag: " a0='' a1=''..." with `prefix`
// in place of "a" (say "xmlns:p" for namespace declarations).
std::string EmptyAttributes(int count, const std::string& prefix = "a");

// An attribute-list declaration giving `element` `count` empty defaults.
std::string EmptyDefaults(const std::string& element, int count);

}  // namespace testsupport
