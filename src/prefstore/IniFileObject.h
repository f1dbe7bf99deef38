#pragma once
// The INI backend's file object for the file locations: one file, read and
// written through the platform's private-profile functions.  Every call is
// handed to the platform at once; nothing of the file is held here, and
// making the object does not touch the disk.
#include <cstddef>
#include <string>
#include <vector>

class TIniFileObject {
 public:
  // A read returns at most kReadBufferSize - 1 characters of a value; a
  // listing returns the names that fit in kNamesBufferSize bytes, each with
  // its terminating zero.
  static constexpr std::size_t kReadBufferSize = 2048;
  static constexpr std::size_t kNamesBufferSize = 16384;

  explicit TIniFileObject(std::string fileName);
  const std::string& FileName() const { return fileName_; }

  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& defaultValue) const;
  // Raises "Unable to write to " and the file name when the platform could
  // not write the file.
  void WriteString(const std::string& section, const std::string& name,
                   const std::string& value) const;
  // A name that cannot be deleted is not reported.
  void DeleteName(const std::string& section, const std::string& name) const;
  std::vector<std::string> ReadNames(const std::string& section) const;
  // Asks the platform to write out what it caches of the file; not reported.
  void Flush() const;

 private:
  std::string fileName_;
};
