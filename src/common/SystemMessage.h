#pragma once
#include <cstdint>
#include <string>

// The system's message for an error code, without the trailing blanks,
// control characters and full stops that end it.
std::string SystemMessage(std::uint32_t code);

// The code and its message, for reports: "System error 3: The system cannot
// find the path specified".
std::string SystemMessageWithCode(std::uint32_t code);
