#include "platform/memory/MemoryRegistry.h"

#include <cstring>

namespace platform::memory {

namespace {

// Wine orders and matches names by their lower-case form.
std::string Fold(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

// A key path's levels.  Empty levels (doubled or trailing backslashes) are
// skipped; a leading backslash is refused, as the registry does.
long SplitPath(const std::string& path, std::vector<std::string>* parts) {
  if (!path.empty() && path.front() == '\\') return reg::kBadPathname;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) parts->push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return reg::kSuccess;
}

// Remembers where the last index lookup ended, so that walking a listing by
// index 0, 1, 2... costs one step per call instead of a scan from the start.
template <class Map>
struct Cursor {
  bool valid = false;
  std::uint64_t layout = 0;
  std::uint32_t index = 0;
  typename Map::const_iterator at;

  typename Map::const_iterator Seek(const Map& map, std::uint64_t currentLayout,
                                    std::uint32_t wanted) {
    if (!valid || layout != currentLayout || wanted < index) {
      valid = true;
      layout = currentLayout;
      index = 0;
      at = map.begin();
    }
    while (index < wanted && at != map.end()) {
      ++at;
      ++index;
    }
    return at;
  }
};

}  // namespace

struct MemoryRegistry::Node {
  struct Value {
    std::string name;
    std::uint32_t type = reg::kNone;
    std::vector<std::uint8_t> data;
  };
  using SubKeys = std::map<std::string, NodePtr>;  // by folded name
  using Values = std::map<std::string, Value>;     // by folded name

  std::string name;
  bool machine = false;
  bool deleted = false;
  Node* parent = nullptr;  // the tree owns its children; a deleted node has left it
  SubKeys subkeys;
  Values values;
  std::uint64_t layout = 0;  // changes whenever a subkey or a value comes or goes
};

struct MemoryRegistry::Handle {
  NodePtr node;
  std::uint32_t access = 0;
  Cursor<Node::SubKeys> keys;
  Cursor<Node::Values> values;
};

MemoryRegistry::MemoryRegistry()
    : machine_(std::make_shared<Node>()),
      user_(std::make_shared<Node>()),
      machineRoot_(std::make_unique<Handle>()),
      userRoot_(std::make_unique<Handle>()) {
  machine_->name = "HKEY_LOCAL_MACHINE";
  machine_->machine = true;
  user_->name = "HKEY_CURRENT_USER";
  machineRoot_->node = machine_;
  machineRoot_->access = ~0u;
  userRoot_->node = user_;
  userRoot_->access = ~0u;
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Handle* MemoryRegistry::Find(RegKey key) {
  if (key == reg::kLocalMachine) return machineRoot_.get();
  if (key == reg::kCurrentUser) return userRoot_.get();
  const auto found = handles_.find(key);
  return found == handles_.end() ? nullptr : found->second.get();
}

long MemoryRegistry::Resolve(RegKey key, Handle** handle) {
  *handle = Find(key);
  if (*handle == nullptr) return reg::kInvalidHandle;
  if ((*handle)->node->deleted) return reg::kKeyDeleted;
  return reg::kSuccess;
}

bool MemoryRegistry::Denied(const Node& node, std::uint32_t rights) const {
  return node.machine && machineReadOnly && (rights & reg::kModifyingRights) != 0;
}

long MemoryRegistry::Walk(const NodePtr& from, const std::vector<std::string>& parts,
                          NodePtr* found) const {
  NodePtr node = from;
  for (const std::string& part : parts) {
    const auto next = node->subkeys.find(Fold(part));
    if (next == node->subkeys.end()) return reg::kFileNotFound;
    node = next->second;
  }
  *found = std::move(node);
  return reg::kSuccess;
}

RegKey MemoryRegistry::NewHandle(NodePtr node, std::uint32_t access) {
  const RegKey key = nextHandle_;
  nextHandle_ += 4;
  auto handle = std::make_unique<Handle>();
  handle->node = std::move(node);
  handle->access = access;
  handles_.emplace(key, std::move(handle));
  return key;
}

long MemoryRegistry::OpenKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                             RegKey* result) {
  *result = 0;
  Handle* handle = nullptr;
  std::vector<std::string> parts;
  NodePtr node;
  if (const long status = Resolve(parent, &handle); status != reg::kSuccess) return status;
  if (const long status = SplitPath(subKey, &parts); status != reg::kSuccess) return status;
  if (const long status = Walk(handle->node, parts, &node); status != reg::kSuccess) return status;
  if (Denied(*node, access)) return reg::kAccessDenied;
  *result = NewHandle(std::move(node), access);
  return reg::kSuccess;
}

long MemoryRegistry::CreateKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                               RegKey* result, bool* created) {
  *result = 0;
  if (created != nullptr) *created = false;
  Handle* handle = nullptr;
  std::vector<std::string> parts;
  if (const long status = Resolve(parent, &handle); status != reg::kSuccess) return status;
  if (const long status = SplitPath(subKey, &parts); status != reg::kSuccess) return status;
  NodePtr node = handle->node;
  bool madeOne = false;
  for (const std::string& part : parts) {
    std::string folded = Fold(part);
    const auto next = node->subkeys.find(folded);
    if (next != node->subkeys.end()) {
      node = next->second;
      continue;
    }
    if (Denied(*node, reg::kCreateSubKey)) return reg::kAccessDenied;
    auto child = std::make_shared<Node>();
    child->name = part;
    child->machine = node->machine;
    child->parent = node.get();
    node->subkeys.emplace(std::move(folded), child);
    ++node->layout;
    node = std::move(child);
    madeOne = true;
  }
  if (Denied(*node, access)) return reg::kAccessDenied;
  *result = NewHandle(std::move(node), access);
  if (created != nullptr) *created = madeOne;
  return reg::kSuccess;
}

long MemoryRegistry::CloseKey(RegKey key) {
  if (key == reg::kLocalMachine || key == reg::kCurrentUser) return reg::kSuccess;
  return handles_.erase(key) == 1 ? reg::kSuccess : reg::kInvalidHandle;
}

long MemoryRegistry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) {
  Handle* handle = nullptr;
  if (const long status = Resolve(key, &handle); status != reg::kSuccess) return status;
  if ((handle->access & reg::kQueryValue) == 0) return reg::kAccessDenied;
  if (data != nullptr && size == nullptr) return reg::kInvalidParameter;
  const auto& values = handle->node->values;
  const auto found = values.find(Fold(name));
  if (found == values.end()) return reg::kFileNotFound;
  const Node::Value& value = found->second;
  const auto stored = static_cast<std::uint32_t>(value.data.size());
  if (type != nullptr) *type = value.type;
  if (data != nullptr && *size < stored) {
    *size = stored;
    return reg::kMoreData;
  }
  if (data != nullptr && stored != 0) std::memcpy(data, value.data.data(), stored);
  if (size != nullptr) *size = stored;
  return reg::kSuccess;
}

long MemoryRegistry::SetValue(RegKey key, const std::string& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) {
  Handle* handle = nullptr;
  if (const long status = Resolve(key, &handle); status != reg::kSuccess) return status;
  Node& node = *handle->node;
  if ((handle->access & reg::kSetValue) == 0 || Denied(node, reg::kSetValue)) {
    return reg::kAccessDenied;
  }
  if (data == nullptr && size != 0) return reg::kInvalidParameter;
  auto [at, inserted] = node.values.try_emplace(Fold(name));
  if (inserted) {
    at->second.name = name;
    ++node.layout;
  }
  at->second.type = type;
  at->second.data.assign(data, data + size);
  return reg::kSuccess;
}

long MemoryRegistry::DeleteValue(RegKey key, const std::string& name) {
  Handle* handle = nullptr;
  if (const long status = Resolve(key, &handle); status != reg::kSuccess) return status;
  Node& node = *handle->node;
  if ((handle->access & reg::kSetValue) == 0 || Denied(node, reg::kSetValue)) {
    return reg::kAccessDenied;
  }
  if (node.values.erase(Fold(name)) == 0) return reg::kFileNotFound;
  ++node.layout;
  return reg::kSuccess;
}

long MemoryRegistry::DeleteKey(RegKey key, const std::string& subKey) {
  Handle* handle = nullptr;
  std::vector<std::string> parts;
  NodePtr node;
  if (const long status = Resolve(key, &handle); status != reg::kSuccess) return status;
  if (const long status = SplitPath(subKey, &parts); status != reg::kSuccess) return status;
  if (const long status = Walk(handle->node, parts, &node); status != reg::kSuccess) return status;
  // A root cannot go, nor a key that still has subkeys.
  if (node->parent == nullptr || Denied(*node, reg::kDelete) || !node->subkeys.empty()) {
    return reg::kAccessDenied;
  }
  Node& parent = *node->parent;
  node->deleted = true;
  node->parent = nullptr;
  parent.subkeys.erase(Fold(node->name));
  ++parent.layout;
  return reg::kSuccess;
}

long MemoryRegistry::EnumKey(RegKey key, std::uint32_t index, std::string* name) {
  Handle* handle = nullptr;
  if (const long status = Resolve(key, &handle); status != reg::kSuccess) return status;
  if ((handle->access & reg::kEnumerateSubKeys) == 0) return reg::kAccessDenied;
  const Node& node = *handle->node;
  const auto at = handle->keys.Seek(node.subkeys, node.layout, index);
  if (at == node.subkeys.end()) return reg::kNoMoreItems;
  *name = at->second->name;
  return reg::kSuccess;
}

long MemoryRegistry::EnumValue(RegKey key, std::uint32_t index, std::string* name) {
  Handle* handle = nullptr;
  if (const long status = Resolve(key, &handle); status != reg::kSuccess) return status;
  if ((handle->access & reg::kQueryValue) == 0) return reg::kAccessDenied;
  const Node& node = *handle->node;
  const auto at = handle->values.Seek(node.values, node.layout, index);
  if (at == node.values.end()) return reg::kNoMoreItems;
  *name = at->second.name;
  return reg::kSuccess;
}

long MemoryRegistry::QueryInfoKey(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) {
  Handle* handle = nullptr;
  if (const long status = Resolve(key, &handle); status != reg::kSuccess) return status;
  if (subKeys != nullptr) *subKeys = static_cast<std::uint32_t>(handle->node->subkeys.size());
  if (values != nullptr) *values = static_cast<std::uint32_t>(handle->node->values.size());
  return reg::kSuccess;
}

}  // namespace platform::memory

namespace platform {

std::unique_ptr<IMemoryRegistry> NewMemoryRegistry() {
  return std::make_unique<memory::MemoryRegistry>();
}

}  // namespace platform
