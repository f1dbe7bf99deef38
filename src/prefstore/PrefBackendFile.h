#pragma once
// All sections in one INI file: one INI section per section name, each value
// one line of text.  Integers are decimal (read also as "$", "0x" or "0X" and
// hexadecimal digits), Booleans "1" or "0", binary values upper-case
// hexadecimal pairs.  An empty section argument
// means the product's own section, "Wrenfold", for every operation.
#include <memory>
#include <string>

#include "prefstore/PrefBackend.h"

class TIniFileObject;

class TPrefBackendFile final : public TPrefBackend {
 public:
  // No file: the open found no folder for one, and OpenPref answers false.
  explicit TPrefBackendFile(bool machineWide);
  // The file `fileName` in `folder` (absolute, ending with a backslash).
  TPrefBackendFile(std::string folder, const std::string& fileName, bool machineWide);
  ~TPrefBackendFile() override;

  // The file object while open, else null, and its folder; to look at.
  const TIniFileObject* FileObject() const { return file_.get(); }
  const std::string& Folder() const { return folder_; }

  // Whether there is a file to use; it comes into being with the first write.
  bool OpenPref(const std::string& key, bool canCreate) override;
  // Flushes and releases the file object and forgets the folder.
  void ClosePref() override;
  std::int32_t GetPrefInteger(const std::string& section, const std::string& name,
                              std::int32_t defaultValue) override;
  void SetPrefInteger(const std::string& section, const std::string& name,
                      std::int32_t value) override;
  std::string GetPrefString(const std::string& section, const std::string& name,
                            const std::string& defaultValue) override;
  void SetPrefString(const std::string& section, const std::string& name,
                     const std::string& value) override;
  bool GetPrefBoolean(const std::string& section, const std::string& name,
                      bool defaultValue) override;
  void SetPrefBoolean(const std::string& section, const std::string& name, bool value) override;
  void SetPrefBinary(const std::string& section, const std::string& name,
                     const std::uint8_t* buffer, std::int32_t size) override;
  // Clears `names` and lists the names of the INI section `sub`.
  void GetPrefValueNames(const std::string& section, const std::string& sub,
                         std::vector<std::string>& names) override;
  bool DeletePrefValue(const std::string& section, const std::string& name) override;
  // Deletes every name of the INI section `sub`, one by one, however many
  // there are; true also when there is no such section.  The header line
  // stays, as the platform leaves it.
  bool DeletePrefKey(const std::string& sub) override;

 protected:
  // The bytes of the leading hexadecimal pairs (either case), at most 1023
  // through the read limit; 0 for a missing or empty value, with the buffer
  // untouched.  Decoding stops at the first pair that is not two hexadecimal
  // digits, and only the bytes before it count.  More bytes than there is
  // room for raise "Buffer overflow: GetPrefBinary_File", the buffer untouched.
  std::int32_t ReadPrefBinary(const std::string& section, const std::string& name,
                              std::uint8_t* buffer, std::int32_t room) override;

 private:
  // Raises when the open made no file object.
  TIniFileObject& File();

  std::unique_ptr<TIniFileObject> file_;
  std::string folder_;
};
