#include "xmlimport/ImpExpRegXML.h"

#include <cstdint>
#include <exception>

#include "common/ReplaceIgnoreCase.h"
#include "common/Strings.h"
#include "platform/Error.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/XmlDom.h"
#include "prefstore/ProductIdentity.h"
#include "settings/ConfigManager.h"
#include "xmlimport/PrefsFileFormat.h"
#include "xmlimport/PrefsImportPass.h"

namespace {

// Bounds on what a file may make the parser do, enforced on every parser.  A
// real preferences file holds a few thousand values in well under a megabyte.
//
// 100,000 values take about 10 MB (20 MB in UTF-16), and a parsed document
// needs several times its file's size in memory.
constexpr std::uint64_t kMaxPreferencesFileBytes = 32ull * 1024 * 1024;
// The format nests five levels and nothing deeper is read; deep nesting is
// what overflows the stack of a recursive parser.
constexpr std::uint32_t kMaxElementDepth = 64;
// The format needs no entities of its own; a few abbreviations declared in the
// file are fine, a billion laughs are not.
constexpr std::uint64_t kMaxEntityExpansion = 1024 * 1024;
// A value element has one attribute.  MSXML's time grows with the square of
// an element's attributes (24 s for 80,000 under Wine).
constexpr std::uint32_t kMaxAttributesPerElement = 256;
// 100,000 values make about 400,000 nodes: elements, their texts and the
// line ends between them.  Every node costs the parser time and about 200
// bytes, however little of the file it takes.
constexpr std::uint64_t kMaxNodes = 1'000'000;
// A value's text is one piece unless it refers to the file's own entities;
// the parser joins the pieces again each time the text is read.
constexpr std::uint32_t kMaxPiecesPerText = 1000;

}  // namespace

platform::XmlLimits PrefsFileLimits() {
  platform::XmlLimits limits;
  limits.maxFileBytes = kMaxPreferencesFileBytes;
  limits.maxElementDepth = kMaxElementDepth;
  limits.maxEntityExpansion = kMaxEntityExpansion;
  limits.maxAttributesPerElement = kMaxAttributesPerElement;
  limits.maxNodes = kMaxNodes;
  limits.maxPiecesPerText = kMaxPiecesPerText;
  return limits;
}

namespace {

void ShowImportReport(const std::string& text) {
  platform::ShowErrorBox(platform::Ui().ForegroundWindow(), text, std::string(kApplicationTitle));
}

// The product a foreign file names: "Other_Tool_Preferences" gives "Other
// Tool", and "wrenfold_preferences" gives "wrenfold".
std::string ForeignProductName(const std::string& offendingName) {
  return ReplaceAll(ReplaceAllIgnoreCase(offendingName, "_Preferences", ""), "_", " ");
}

// The general failure message around an error's text.
std::string FailureReport(const std::string& errorText, const std::string& fileName) {
  return "Could not import the program configuration due to the following error:\r\n" + errorText +
         "\r\n\r\nFilename: " + fileName;
}

}  // namespace

TImportResult ImportPrefsFile(const std::string& fileName, TConfigBase& store,
                              IImportObserver& observer) {
  const std::string name = DeQuote(fileName);
  bool walking = false;
  TRejectReason reason = TRejectReason::kMalformed;
  try {
    const std::unique_ptr<platform::IXmlDocument> document =
        platform::Xml().Load(name, PrefsFileLimits());
    const std::unique_ptr<platform::IXmlNode> root = document->DocumentElement();
    const std::optional<std::string> documentType = document->DocumentTypeName();
    if (!root) throw EProgramError("The file has no document element.");
    if (!documentType) {
      reason = TRejectReason::kNoDeclaration;
      throw EProgramError("The file has no document type declaration <!DOCTYPE " +
                          std::string(kPreferencesDocumentName) +
                          ">, which every preferences file begins with.");
    }

    std::optional<std::string> offending;
    std::string rootName = root->Name();
    if (rootName != kPreferencesDocumentName) offending = std::move(rootName);
    if (*documentType != kPreferencesDocumentName) offending = *documentType;
    if (offending) {
      return {TImportVerdict::kForeign,
              TRejectReason::kForeign,
              "This configuration file belongs to " + ForeignProductName(*offending) +
                  "\r\nand is not compatible with " + std::string(kProductName) + ".",
              {}};
    }

    walking = true;
    TPrefsImportPass(store, observer).ReadDocumentElement(*root);
    return {};
  } catch (const platform::EXmlParseError& error) {
    return {TImportVerdict::kRejected, TRejectReason::kMalformed, FailureReport(error.what(), name),
            error.Fault()};
  } catch (const std::exception& error) {
    if (walking)
      return {TImportVerdict::kFailed, TRejectReason::kNone, FailureReport(error.what(), name), {}};
    if (dynamic_cast<const EXmlLimitError*>(&error) != nullptr) reason = TRejectReason::kLimit;
    return {TImportVerdict::kRejected, reason, FailureReport(error.what(), name), {}};
  }
}

TImportVerdict ImportPrefsXML(const std::string& fileName, IImportObserver& observer) {
  TImportResult result;
  if (ConfigMgr) {
    result = ImportPrefsFile(fileName, *ConfigMgr, observer);
  } else {
    result = {TImportVerdict::kRejected,
              TRejectReason::kMalformed,
              FailureReport("The settings manager does not exist.", DeQuote(fileName)),
              {}};
  }
  if (!result.report.empty()) ShowImportReport(result.report);
  return result.verdict;
}
