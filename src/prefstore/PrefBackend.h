#pragma once
// What a backend supplies to the store.  An open routine makes one backend
// for the preference location, owning the registry or INI objects it works
// on; OpenPref installs it and then asks it to open, and ClosePref removes
// it, so "all present while open, all absent while closed" holds by
// construction.  Operations raise EProgramError with a message text on
// trouble.
#include <cstdint>
#include <string>
#include <vector>

class TPrefBackend {
 public:
  virtual ~TPrefBackend() = default;
  TPrefBackend(const TPrefBackend&) = delete;
  TPrefBackend& operator=(const TPrefBackend&) = delete;

  // Whether the open that made this backend placed values machine-wide.
  bool MachineWide() const { return machineWide_; }

  // Opens the key (registry) or readies the file (INI; the key plays no
  // part there) that the open routine chose; whether the store is open.
  // Runs once, after the store installed the backend, so that a backend
  // whose open fails or raises is still there for the ClosePref that follows.
  virtual bool OpenPref(const std::string& key, bool canCreate) = 0;

  // The twelve operations, in their order.
  virtual void ClosePref() = 0;
  virtual std::int32_t GetPrefInteger(const std::string& section, const std::string& name,
                                      std::int32_t defaultValue) = 0;
  virtual void SetPrefInteger(const std::string& section, const std::string& name,
                              std::int32_t value) = 0;
  virtual std::string GetPrefString(const std::string& section, const std::string& name,
                                    const std::string& defaultValue) = 0;
  virtual void SetPrefString(const std::string& section, const std::string& name,
                             const std::string& value) = 0;
  virtual bool GetPrefBoolean(const std::string& section, const std::string& name,
                              bool defaultValue) = 0;
  virtual void SetPrefBoolean(const std::string& section, const std::string& name, bool value) = 0;
  // The number of bytes placed in the buffer; for a missing value the
  // registry backends give -1 and the INI backend 0.  A missing buffer or a
  // negative size is no room at all, whichever backend reads: a value with
  // bytes then raises each backend's error for a value the buffer cannot hold.
  std::int32_t GetPrefBinary(const std::string& section, const std::string& name,
                             std::uint8_t* buffer, std::int32_t bufferSize) {
    return ReadPrefBinary(section, name, buffer,
                          buffer != nullptr && bufferSize > 0 ? bufferSize : 0);
  }
  // `size` bytes from `buffer`; the store refuses a negative size and a
  // missing buffer with bytes before any backend sees them.
  virtual void SetPrefBinary(const std::string& section, const std::string& name,
                             const std::uint8_t* buffer, std::int32_t size) = 0;
  virtual void GetPrefValueNames(const std::string& section, const std::string& sub,
                                 std::vector<std::string>& names) = 0;
  virtual bool DeletePrefValue(const std::string& section, const std::string& name) = 0;
  virtual bool DeletePrefKey(const std::string& sub) = 0;

 protected:
  explicit TPrefBackend(bool machineWide) : machineWide_(machineWide) {}

  // GetPrefBinary with `room` bytes at `buffer`: never negative, and 0
  // whenever there is no buffer.
  virtual std::int32_t ReadPrefBinary(const std::string& section, const std::string& name,
                                      std::uint8_t* buffer, std::int32_t room) = 0;

 private:
  bool machineWide_;
};
