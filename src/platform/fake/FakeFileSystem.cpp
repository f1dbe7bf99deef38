#include "platform/fake/FakeFileSystem.h"

#include <algorithm>
#include <cctype>

namespace platform::fake {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// One spelling per path: "/" as "\", no trailing backslash except on a root.
std::string Key(const std::string& path) {
  std::string key = path;
  std::replace(key.begin(), key.end(), '/', '\\');
  while (key.size() > 1 && key.back() == '\\') key.pop_back();
  if (key.size() == 2 && key[1] == ':') key += '\\';
  return key;
}

std::string Parent(const std::string& key) {
  const std::size_t last = key.find_last_of('\\');
  if (last == std::string::npos) return {};
  std::string parent = key.substr(0, last);
  if (parent.size() == 2 && parent[1] == ':') parent += '\\';
  return parent;
}

// Characters a Windows file name cannot hold; the drive's colon aside.
bool InvalidName(const std::string& key) {
  const std::size_t start = key.size() >= 2 && key[1] == ':' ? 2 : 0;
  return key.find_first_of("<>:\"|?*", start) != std::string::npos;
}

}  // namespace

bool FakeFileSystem::NoCase::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Lower(x) < Lower(y); });
}

class FakeFileSystem::File final : public IAppendFile {
 public:
  File(FakeFileSystem& owner, std::string key) : owner_(owner), key_(std::move(key)) {}
  ~File() override { Close(); }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  std::uint32_t Write(std::string_view bytes) override {
    if (closed_) return winerr::kInvalidHandle;
    if (owner_.writeError != winerr::kSuccess) return owner_.writeError;
    owner_.files[key_].append(bytes);
    return winerr::kSuccess;
  }

  std::uint32_t Close() override {
    if (closed_) return winerr::kSuccess;
    closed_ = true;
    owner_.openPaths_.erase(key_);
    --owner_.openFiles;
    return owner_.closeError;
  }

 private:
  FakeFileSystem& owner_;
  std::string key_;
  bool closed_ = false;
};

FakeFileSystem::FakeFileSystem() {
  directories.insert("C:\\");
  messages = {
      {winerr::kFileNotFound, "The system cannot find the file specified.\r\n"},
      {winerr::kPathNotFound, "The system cannot find the path specified.\r\n"},
      {winerr::kAccessDenied, "Access is denied.\r\n"},
      {winerr::kWriteFault, "The system cannot write to the specified device.\r\n"},
      {winerr::kSharingViolation,
       "The process cannot access the file because it is being used by another process.\r\n"},
      {winerr::kInvalidName,
       "The filename, directory name, or volume label syntax is incorrect.\r\n"},
      {winerr::kAlreadyExists, "Cannot create a file when that file already exists.\r\n"},
  };
}

void FakeFileSystem::AddFolder(const std::string& path) {
  for (std::string key = Key(path); !key.empty(); key = Parent(key)) {
    directories.insert(key);
    if (Parent(key) == key) break;
  }
}

void FakeFileSystem::HoldAgainstWriters(const std::string& path, unsigned milliseconds) {
  heldUntil_[Key(path)] = elapsedMs + milliseconds;
}

void FakeFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
  files[Key(path)];
  if (readOnly) {
    readOnly_.insert(Key(path));
  } else {
    readOnly_.erase(Key(path));
  }
}

std::string FakeFileSystem::Contents(const std::string& path) const {
  const auto found = files.find(Key(path));
  return found == files.end() ? std::string() : found->second;
}

AppendOpenResult FakeFileSystem::OpenForAppend(const std::string& path) {
  const std::string key = Key(path);
  if (InvalidName(key)) return {nullptr, winerr::kInvalidName};
  if (directories.count(key) != 0) return {nullptr, winerr::kAccessDenied};
  const auto held = heldUntil_.find(key);
  if (openPaths_.count(key) != 0 || (held != heldUntil_.end() && elapsedMs < held->second)) {
    return {nullptr, winerr::kSharingViolation};
  }
  if (directories.count(Parent(key)) == 0) return {nullptr, winerr::kPathNotFound};
  if (readOnly_.count(key) != 0) return {nullptr, winerr::kAccessDenied};
  files[key];
  openPaths_.insert(key);
  ++openFiles;
  ++opens;
  return {std::make_unique<File>(*this, key), winerr::kSuccess};
}

std::uint32_t FakeFileSystem::MakeDirectory(const std::string& path) {
  const std::string key = Key(path);
  if (InvalidName(key)) return winerr::kInvalidName;
  if (directories.count(key) != 0 || files.count(key) != 0) return winerr::kAlreadyExists;
  // On a drive that does not exist Wine answers "file not found".
  if (key.size() >= 2 && key[1] == ':' && directories.count(key.substr(0, 2) + "\\") == 0) {
    return winerr::kFileNotFound;
  }
  if (directories.count(Parent(key)) == 0) return winerr::kPathNotFound;
  directories.insert(key);
  return winerr::kSuccess;
}

bool FakeFileSystem::DirectoryExists(const std::string& path) {
  return !path.empty() && directories.count(Key(path)) != 0;
}

std::string FakeFileSystem::ErrorMessage(std::uint32_t code) {
  const auto found = messages.find(code);
  return found == messages.end() ? std::string() : found->second;
}

void FakeFileSystem::Sleep(unsigned milliseconds) {
  elapsedMs += milliseconds;
  sleeps.push_back(milliseconds);
}

}  // namespace platform::fake
