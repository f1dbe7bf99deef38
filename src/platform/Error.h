#pragma once
#include <stdexcept>
#include <string>

// The program's one error type: raised with a message text by the backends and
// the platform layers, caught and reported at the store's public boundary.
class EProgramError : public std::runtime_error {
 public:
  explicit EProgramError(const std::string& message) : std::runtime_error(message) {}
};
