#pragma once
// The store's failures as its callers see them: the texts a failed value
// operation raises, and the error box that shows a failure to the user.
#include <string>

#include "platform/Ui.h"

// Raise EProgramError with the store's text for a value that could not be
// written or read.
[[noreturn]] void FailedToSet(const std::string& name);
[[noreturn]] void FailedToGet(const std::string& name);

// An error box captioned with the product's program name and `captionTail`.
void ShowStoreError(platform::WindowHandle owner, const std::string& captionTail,
                    const std::string& text);
