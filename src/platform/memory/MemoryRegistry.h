#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/MemoryRegistry.h"

namespace platform::memory {

// An in-memory registry with the two roots, behaving as Wine's does: key and
// value names compare without regard to ASCII letter case and keep the case
// they were created with, listings come in name order, data is kept as the
// bytes written (REG_EXPAND_SZ is never expanded), handles honour the rights
// they were opened with, and a deleted key's handles answer kKeyDeleted.
class MemoryRegistry final : public IMemoryRegistry {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;
  MemoryRegistry(const MemoryRegistry&) = delete;
  MemoryRegistry& operator=(const MemoryRegistry&) = delete;

  // What SetMachineReadOnly sets; tests set it directly.
  bool machineReadOnly = false;
  void SetMachineReadOnly(bool readOnly) override { machineReadOnly = readOnly; }

  long OpenKey(RegKey parent, const std::string& subKey, std::uint32_t access,
               RegKey* result) override;
  long CreateKey(RegKey parent, const std::string& subKey, std::uint32_t access, RegKey* result,
                 bool* created) override;
  long CloseKey(RegKey key) override;
  long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                  std::uint32_t* size) override;
  long SetValue(RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                std::uint32_t size) override;
  long DeleteValue(RegKey key, const std::string& name) override;
  long DeleteKey(RegKey key, const std::string& subKey) override;
  long EnumKey(RegKey key, std::uint32_t index, std::string* name) override;
  long EnumValue(RegKey key, std::uint32_t index, std::string* name) override;
  long QueryInfoKey(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) override;

  // Handles handed out and not yet closed; a test's leak check.
  std::size_t OpenHandleCount() const { return handles_.size(); }

 private:
  struct Node;
  struct Handle;
  using NodePtr = std::shared_ptr<Node>;

  Handle* Find(RegKey key);
  long Resolve(RegKey key, Handle** handle);
  bool Denied(const Node& node, std::uint32_t rights) const;
  long Walk(const NodePtr& from, const std::vector<std::string>& parts, NodePtr* found) const;
  RegKey NewHandle(NodePtr node, std::uint32_t access);

  NodePtr machine_;
  NodePtr user_;
  std::unique_ptr<Handle> machineRoot_;
  std::unique_ptr<Handle> userRoot_;
  std::unordered_map<RegKey, std::unique_ptr<Handle>> handles_;
  RegKey nextHandle_ = 0x100;
};

}  // namespace platform::memory
