#pragma once
// This build's XML parser with one fault: an element named "Boom" raises an
// error when asked its name, as a DOM that gives up in the middle of a walk
// would.  The document is `fileName` when given, whatever name Load is passed,
// so a run with a Windows-style command line can load a file of the host.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Error.h"
#include "platform/XmlDom.h"
#include "support/XmlDomTestParser.h"

namespace testsupport {

class FailingXmlParser final : public platform::IXmlParser {
 public:
  explicit FailingXmlParser(std::string fileName = "") : fileName_(std::move(fileName)) {}

  std::unique_ptr<platform::IXmlDocument> Load(const std::string& fileName,
                                               const platform::XmlLimits& limits) override {
    return std::make_unique<Document>(
        BuildXmlParser().Load(fileName_.empty() ? fileName : fileName_, limits));
  }

 private:
  class Node final : public platform::IXmlNode {
   public:
    explicit Node(std::unique_ptr<platform::IXmlNode> inner) : inner_(std::move(inner)) {}
    std::string Name() const override {
      std::string name = inner_->Name();
      if (name == "Boom") throw EProgramError("the DOM gave up");
      return name;
    }
    std::unique_ptr<platform::IXmlNode> FirstChild() const override {
      return Wrap(inner_->FirstChild());
    }
    std::unique_ptr<platform::IXmlNode> NextSibling() const override {
      return Wrap(inner_->NextSibling());
    }
    bool IsTextElement() const override { return inner_->IsTextElement(); }
    std::optional<std::string> ElementText() const override { return inner_->ElementText(); }
    std::optional<std::string> Attribute(std::string_view name) const override {
      return inner_->Attribute(name);
    }
    bool ConversionIsLossy() const override { return inner_->ConversionIsLossy(); }
    static std::unique_ptr<platform::IXmlNode> Wrap(std::unique_ptr<platform::IXmlNode> node) {
      if (!node) return nullptr;
      return std::make_unique<Node>(std::move(node));
    }

   private:
    std::unique_ptr<platform::IXmlNode> inner_;
  };

  class Document final : public platform::IXmlDocument {
   public:
    explicit Document(std::unique_ptr<platform::IXmlDocument> inner) : inner_(std::move(inner)) {}
    std::optional<std::string> DocumentTypeName() const override {
      return inner_->DocumentTypeName();
    }
    std::unique_ptr<platform::IXmlNode> DocumentElement() const override {
      return Node::Wrap(inner_->DocumentElement());
    }

   private:
    std::unique_ptr<platform::IXmlDocument> inner_;
  };

  std::string fileName_;
};

}  // namespace testsupport
