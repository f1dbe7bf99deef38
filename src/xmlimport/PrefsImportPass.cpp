#include "xmlimport/PrefsImportPass.h"

#include "common/Strings.h"
#include "prefstore/ClosePrefOnExit.h"
#include "prefstore/ProductIdentity.h"
#include "settings/Sections.h"

namespace {

constexpr std::string_view kProductElementName = "Wrenfold";

}  // namespace

IImportObserver& SilentImportObserver() {
  static IImportObserver silent;
  return silent;
}

void TPrefsImportPass::ReadDocumentElement(const platform::IXmlNode& documentElement) {
  const std::string product = AnsiLowerCase(kProductElementName);
  for (auto child = documentElement.FirstChild(); child; child = child->NextSibling()) {
    const std::string name = child->Name();
    if (name == "#comment") continue;
    if (child->IsTextElement() || AnsiLowerCase(name) != product) {
      observer_.DocumentChildIgnored(*child);
      continue;
    }
    productKey_ = kProductRegistryKey;
    observer_.ProductEntered(*child);
    ReadProduct(*child);
  }
}

void TPrefsImportPass::ReadProduct(const platform::IXmlNode& product) {
  for (auto child = product.FirstChild(); child; child = child->NextSibling()) {
    if (child->IsTextElement()) {
      observer_.ProductChildIgnored(*child);
      continue;
    }
    sectionName_.clear();
    scopeName_ = child->Name();
    observer_.ScopeEntered(*child);
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
    observer_.ValueEntered(*child, true);
    if (OpenKey(mappedSection_)) {
      const ClosePrefOnExit close(store_);
      ReadValue(*child);
    }
  }
}

void TPrefsImportPass::ReadSection(const platform::IXmlNode& section) {
  observer_.SectionEntered(section);
  auto child = section.FirstChild();
  if (!child) {
    observer_.SectionPassedOver(TSectionPassedOver::kEmpty, {});
    return;
  }
  sectionName_ = DecodeName(section.Name());
  if (IsSkippedSection(sectionName_)) {
    observer_.SectionPassedOver(TSectionPassedOver::kSkippedName, sectionName_);
    return;
  }
  mappedSection_ = mapper_.Map(sectionName_);
  const bool opened = OpenKey(mappedSection_);
  const ClosePrefOnExit close(store_);
  if (!opened) return;
  for (; child; child = child->NextSibling()) {
    observer_.ValueEntered(*child, false);
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
  key_ = {scope, keyPath, mappedSection};
  observer_.KeyOpened(key_, opened);
  return opened;
}

void TPrefsImportPass::ReadValue(const platform::IXmlNode& element) {
  TImportedValue value;
  value.type = ValueTypeOf(element.Attribute("type"));
  if (value.type == PrefValueType::kNone) {
    observer_.ValueWithoutType();
    return;
  }
  value.scope = key_.scope;
  value.keyPath = key_.keyPath;
  value.section = key_.section;
  value.name = DecodeName(element.Name());
  std::string text = DecodeText(element.ElementText().value_or(std::string()));
  observer_.ValueTextDecoded(value.type, text);
  switch (value.type) {
    case PrefValueType::kInteger:
      value.integer = ReadInteger(text);
      observer_.ValuePassed(value);
      store_.SetPrefInteger(mappedSection_, value.name, value.integer);
      break;
    case PrefValueType::kString:
      value.text = std::move(text);
      observer_.ValuePassed(value);
      store_.SetPrefString(mappedSection_, value.name, value.text);
      break;
    case PrefValueType::kBoolean:
      value.integer = ReadBoolean(text) ? 1 : 0;
      observer_.ValuePassed(value);
      store_.SetPrefBooleanProc(mappedSection_, value.name, value.integer != 0);
      break;
    case PrefValueType::kBinary:
      if (auto bytes = DecodeBinary(text)) {
        value.bytes = std::move(*bytes);
        observer_.ValuePassed(value);
        store_.SetPrefBinaryProc(mappedSection_, value.name, value.bytes.data(),
                                 static_cast<std::int32_t>(value.bytes.size()));
      }
      break;
    case PrefValueType::kNone: break;
  }
}
