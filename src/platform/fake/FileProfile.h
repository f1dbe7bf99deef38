#pragma once
#include "platform/PrivateProfile.h"

namespace platform::fake {

// The private-profile functions over real files, for a build that has none.
// It follows the rules of the platform's own functions, so that the same
// conformance cases pass on both: names and sections are trimmed and found
// regardless of letter case, the first of duplicates wins, ";" lines are
// comments, one pair of matching quotes is stripped on reading, blank lines
// are dropped when the file is rewritten, and a write that changes nothing
// leaves the file alone.  Every write goes straight to disk.
class FileProfile final : public IPrivateProfile {
 public:
  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& defaultValue, const std::string& fileName,
                         std::size_t bufferSize) override;
  bool WriteString(const std::string& section, const std::string& name, const std::string& value,
                   const std::string& fileName) override;
  bool DeleteName(const std::string& section, const std::string& name,
                  const std::string& fileName) override;
  std::vector<std::string> ReadNames(const std::string& section, const std::string& fileName,
                                     std::size_t bufferSize) override;
  void Flush(const std::string&) override {}
};

}  // namespace platform::fake
