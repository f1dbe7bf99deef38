#include "prefstore/StoreErrors.h"

#include "platform/Error.h"
#include "prefstore/ProductIdentity.h"

void FailedToSet(const std::string& name) {
  throw EProgramError("Failed to set data for '" + name + "'");
}

void FailedToGet(const std::string& name) {
  throw EProgramError("Failed to get data for '" + name + "'");
}

void ShowStoreError(platform::WindowHandle owner, const std::string& captionTail,
                    const std::string& text) {
  platform::ShowErrorBox(owner, text, std::string(kProductExeName) + captionTail);
}
