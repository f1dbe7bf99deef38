#include "xmlimport/PrefsImportPass.h"

#include "common/Strings.h"
#include "prefstore/ClosePrefOnExit.h"
#include "prefstore/ProductIdentity.h"
#include "settings/Sections.h"

namespace {

constexpr std::string_view kProductElementName = "Wrenfold";

}  // namespace

void TPrefsImportPass::ReadDocumentElement(const platform::IXmlNode& documentElement) {
  const std::string product = AnsiLowerCase(kProductElementName);
  for (auto child = documentElement.FirstChild(); child; child = child->NextSibling()) {
    const std::string name = child->Name();
    if (name == "#comment") continue;
    if (child->IsTextElement() || AnsiLowerCase(name) != product) {
      if (observer_ != nullptr) observer_->DocumentChildIgnored(*child);
      continue;
    }
    productKey_ = kProductRegistryKey;
    if (observer_ != nullptr) observer_->ProductEntered(*child);
    ReadProduct(*child);
  }
}

void TPrefsImportPass::ReadProduct(const platform::IXmlNode& product) {
  for (auto child = product.FirstChild(); child; child = child->NextSibling()) {
    if (child->IsTextElement()) {
      if (observer_ != nullptr) observer_->ProductChildIgnored(*child);
      continue;
    }
    sectionName_.clear();
    scopeName_ = child->Name();
    if (observer_ != nullptr) observer_->ScopeEntered(*child);
    ReadScope(*child);
  }
}

void TPrefsImportPass::ReadScope(const platform::IXmlNode& scope) {
  for (auto child = scope.FirstChild(); child; child = child->NextSibling()) {
    if (!child->IsTextElement()) {
      ReadSection(*child);
      continue;
    }
    // A value placed directly in the scope goes to the product key, with an
    // open and a close of its own; a failed open skips it without a close.
    sectionName_ = kProductKeySectionName;
    mappedSection_.clear();
    if (observer_ != nullptr) observer_->ValueEntered(*child, true);
    if (OpenKey(mappedSection_)) {
      const ClosePrefOnExit close(store_);
      ReadValue(*child);
    }
  }
}

void TPrefsImportPass::ReadSection(const platform::IXmlNode& section) {
  if (observer_ != nullptr) observer_->SectionEntered(section);
  auto child = section.FirstChild();
  if (!child) {
    if (observer_ != nullptr) observer_->SectionPassedOver(TSectionPassedOver::kEmpty, {});
    return;
  }
  sectionName_ = DecodeName(section.Name());
  if (IsSkippedSection(sectionName_)) {
    if (observer_ != nullptr) {
      observer_->SectionPassedOver(TSectionPassedOver::kSkippedName, sectionName_);
    }
    return;
  }
  mappedSection_ = mapper_.Map(sectionName_);
  const bool opened = OpenKey(mappedSection_);
  const ClosePrefOnExit close(store_);
  if (!opened) return;
  for (; child; child = child->NextSibling()) {
    if (observer_ != nullptr) observer_->ValueEntered(*child, false);
    ReadValue(*child);
  }
}

std::string TPrefsImportPass::KeyPath(const std::string& mappedSection) const {
  return productKey_ + "\\" + mappedSection;
}

bool TPrefsImportPass::OpenKey(const std::string& mappedSection) {
  const cfgDataScope scope = ScopeOfName(scopeName_);
  const std::string keyPath = KeyPath(mappedSection);
  const bool opened = store_.OpenPref(scope, keyPath, true, PrefAccess::readWrite);
  if (observer_ != nullptr) observer_->KeyOpened({scope, keyPath, mappedSection}, opened);
  return opened;
}

void TPrefsImportPass::Tell(PrefValueType type, const std::string& name, std::int32_t integer,
                            const std::string& text, const std::vector<std::uint8_t>& bytes) const {
  if (observer_ == nullptr) return;
  TImportedValue value;
  value.scope = ScopeOfName(scopeName_);
  value.keyPath = KeyPath(mappedSection_);
  value.section = mappedSection_;
  value.name = name;
  value.type = type;
  value.integer = integer;
  value.text = text;
  value.bytes = bytes;
  observer_->ValuePassed(value);
}

void TPrefsImportPass::ReadValue(const platform::IXmlNode& value) {
  const PrefValueType type = ValueTypeOf(value.Attribute("type"));
  if (type == PrefValueType::kNone) {
    if (observer_ != nullptr) observer_->ValueWithoutType();
    return;
  }
  const std::string name = DecodeName(value.Name());
  const std::string text = DecodeText(value.ElementText().value_or(std::string()));
  if (observer_ != nullptr) observer_->ValueTextDecoded(type, text);
  static const std::vector<std::uint8_t> kNoBytes;
  switch (type) {
    case PrefValueType::kInteger: {
      const std::int32_t number = ReadInteger(text);
      Tell(type, name, number, {}, kNoBytes);
      store_.SetPrefInteger(mappedSection_, name, number);
      break;
    }
    case PrefValueType::kString:
      Tell(type, name, 0, text, kNoBytes);
      store_.SetPrefString(mappedSection_, name, text);
      break;
    case PrefValueType::kBoolean: {
      const bool flag = ReadBoolean(text);
      Tell(type, name, flag ? 1 : 0, {}, kNoBytes);
      store_.SetPrefBooleanProc(mappedSection_, name, flag);
      break;
    }
    case PrefValueType::kBinary:
      if (const auto bytes = DecodeBinary(text)) {
        Tell(type, name, 0, {}, *bytes);
        store_.SetPrefBinaryProc(mappedSection_, name, bytes->data(),
                                 static_cast<std::int32_t>(bytes->size()));
      }
      break;
    case PrefValueType::kNone: break;
  }
}
