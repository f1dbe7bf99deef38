#include "common/SystemMessage.h"

#include "platform/FileSystem.h"
#include "platform/Services.h"

std::string SystemMessage(std::uint32_t code) {
  std::string text = platform::FileSystem().ErrorMessage(code);
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) {
    text.pop_back();
  }
  return text;
}

std::string SystemMessageWithCode(std::uint32_t code) {
  const std::string message = SystemMessage(code);
  std::string text = "System error " + std::to_string(code);
  return message.empty() ? text : text + ": " + message;
}
