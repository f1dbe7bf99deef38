#include "platform/fake/FileProfile.h"

#include <fstream>
#include <optional>
#include <sstream>

namespace platform::fake {

namespace {

struct Entry {
  std::string name;
  std::optional<std::string> value;  // none for a line without "="
};

struct Section {
  std::string name;  // empty for the lines before the first header
  std::vector<Entry> entries;
};

using Profile = std::vector<Section>;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The platform folds only ASCII letters when it looks up sections and names.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::string Trimmed(std::string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

Profile Load(const std::string& fileName) {
  Profile profile{Section{}};
  std::ifstream in(fileName, std::ios::binary);
  for (std::string raw; std::getline(in, raw);) {
    const std::string line = Trimmed(raw);
    if (line.empty()) continue;
    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string::npos) {
        profile.push_back(Section{Trimmed(std::string_view(line).substr(1, close - 1)), {}});
        continue;
      }
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
      profile.back().entries.push_back({line, std::nullopt});
    } else {
      profile.back().entries.push_back(
          {Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))});
    }
  }
  return profile;
}

bool Save(const Profile& profile, const std::string& fileName) {
  std::ostringstream text;
  for (const Section& section : profile) {
    if (!section.name.empty()) text << '[' << section.name << "]\r\n";
    for (const Entry& entry : section.entries) {
      text << entry.name;
      if (entry.value) text << '=' << *entry.value;
      text << "\r\n";
    }
  }
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  const std::string bytes = text.str();
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

Section* FindSection(Profile& profile, const std::string& name) {
  const std::string wanted = Trimmed(name);
  for (Section& section : profile) {
    if (SameName(section.name, wanted)) return &section;
  }
  return nullptr;
}

Entry* FindEntry(Section& section, const std::string& name) {
  const std::string wanted = Trimmed(name);
  for (Entry& entry : section.entries) {
    if (SameName(entry.name, wanted)) return &entry;
  }
  return nullptr;
}

// Copies like the platform does: one pair of matching quotes is stripped, but
// the closing one is only recognised when the text fits the buffer (and when
// it just fits, the last character goes instead).
std::string CopyEntry(const std::string& value, std::size_t bufferSize) {
  std::string_view text = value;
  bool quoted = false;
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
      text.back() == text.front()) {
    quoted = true;
    text.remove_prefix(1);
  }
  std::string copy(text.substr(0, bufferSize - 1));
  if (quoted && bufferSize >= text.size() && !copy.empty()) copy.pop_back();
  return copy;
}

}  // namespace

std::string FileProfile::ReadString(const std::string& section, const std::string& name,
                                    const std::string& defaultValue, const std::string& fileName,
                                    std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  Profile profile = Load(fileName);
  Section* found = FindSection(profile, section);
  const Entry* entry = found ? FindEntry(*found, name) : nullptr;
  return CopyEntry(entry && entry->value ? *entry->value : defaultValue, bufferSize);
}

bool FileProfile::WriteString(const std::string& section, const std::string& name,
                              const std::string& value, const std::string& fileName) {
  Profile profile = Load(fileName);
  Section* target = FindSection(profile, section);
  if (target == nullptr) {
    profile.push_back(Section{Trimmed(section), {}});
    target = &profile.back();
  }
  const std::string stored = Trimmed(value);
  Entry* entry = FindEntry(*target, name);
  if (entry != nullptr && entry->value == stored) return true;
  if (entry == nullptr) {
    target->entries.push_back({Trimmed(name), stored});
  } else {
    entry->value = stored;
  }
  return Save(profile, fileName);
}

bool FileProfile::DeleteName(const std::string& section, const std::string& name,
                             const std::string& fileName) {
  Profile profile = Load(fileName);
  Section* target = FindSection(profile, section);
  if (target == nullptr) return true;
  const Entry* entry = FindEntry(*target, name);
  if (entry == nullptr) return true;
  target->entries.erase(target->entries.begin() + (entry - target->entries.data()));
  return Save(profile, fileName);
}

std::vector<std::string> FileProfile::ReadNames(const std::string& section,
                                                const std::string& fileName,
                                                std::size_t bufferSize) {
  std::vector<std::string> names;
  Profile profile = Load(fileName);
  const Section* found = FindSection(profile, section);
  if (found == nullptr) return names;
  std::size_t room = bufferSize;
  for (const Entry& entry : found->entries) {
    if (!entry.value || entry.name.empty() || entry.name.front() == ';') continue;
    // Room for at least one character, its zero and the list's final zero.
    if (room <= 2) break;
    names.push_back(entry.name.substr(0, room - 2));
    room -= names.back().size() + 1;
  }
  return names;
}

}  // namespace platform::fake
