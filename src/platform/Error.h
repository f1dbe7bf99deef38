#pragma once
#include <stdexcept>
#include <string>

// The program's one error type: raised with a message text by the backends and
// the platform layers, caught and reported at the store's public boundary.
class EProgramError : public std::runtime_error {
 public:
  explicit EProgramError(const std::string& message) : std::runtime_error(message) {}
};

// A file refused for a bound on what it may make the parser do (its size,
// nesting or entity expansion), not for being malformed.
class EXmlLimitError : public EProgramError {
 public:
  using EProgramError::EProgramError;
};
