// What Explorer's properties page and Windows' loader read from the program
// file itself: its version information and its application manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/XmlDom.h"
#include "support/ProgramRun.h"
#include "support/XmlDomTestParser.h"

namespace {

struct ModuleFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

// Each program shipped, by its file name and the description it gives.
struct ShippedProgram {
  const char* fileName;
  const char* description;
};

const ShippedProgram kShipped[] = {
    {"RegisterWrenfold.exe", "Register Wrenfold"},
    {"CheckWrenfoldPrefs.exe", "Check Wrenfold preferences files"},
    {"ExportWrenfoldPrefs.exe", "Export Wrenfold preferences"},
};

// The programs are built side by side.
std::string ShippedPath(const ShippedProgram& program) {
  const std::string registerProgram = WF_PROGRAM_PATH;
  return registerProgram.substr(0, registerProgram.find_last_of('\\') + 1) + program.fileName;
}

std::string InternalName(const ShippedProgram& program) {
  const std::string name = program.fileName;
  return name.substr(0, name.rfind('.'));
}

class ProgramResources : public testing::TestWithParam<ShippedProgram> {
 protected:
  const std::string path_ = ShippedPath(GetParam());
};

std::vector<char> VersionBlock(const std::string& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  std::vector<char> block(size);
  if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, block.data())) block.clear();
  return block;
}

TEST_P(ProgramResources, VersionInformation) {
  std::vector<char> block = VersionBlock(path_);
  ASSERT_FALSE(block.empty()) << path_ << ": no version information, error " << GetLastError();

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const DWORD ms = MAKELONG(WF_VERSION_MINOR, WF_VERSION_MAJOR);
  const DWORD ls = MAKELONG(0, WF_VERSION_PATCH);
  EXPECT_EQ(fixed->dwFileVersionMS, ms);
  EXPECT_EQ(fixed->dwFileVersionLS, ls);
  EXPECT_EQ(fixed->dwProductVersionMS, ms);
  EXPECT_EQ(fixed->dwProductVersionLS, ls);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "a debug or pre-release build";

  // One translation, US English in Windows-1252, under which the texts stand.
  struct Translation {
    WORD language;
    WORD codePage;
  }* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, sizeof(Translation));
  EXPECT_EQ(translation->language, 0x409);
  EXPECT_EQ(translation->codePage, 1252);
  char table[64];
  std::snprintf(table, sizeof table, "\\StringFileInfo\\%04x%04x\\", translation->language,
                translation->codePage);

  const std::pair<const char*, std::string> expected[] = {
      {"CompanyName", "Orlavex"},
      {"ProductName", "Wrenfold"},
      {"FileDescription", GetParam().description},
      {"OriginalFilename", GetParam().fileName},
      {"InternalName", InternalName(GetParam())},
      {"LegalCopyright", "Copyright (C) " WF_COPYRIGHT_YEAR " Orlavex"},
      {"FileVersion", WF_VERSION},
      {"ProductVersion", WF_VERSION},
  };
  for (const auto& [name, value] : expected) {
    char* text = nullptr;
    length = 0;
    const std::string query = table + std::string(name);
    ASSERT_TRUE(
        VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length))
        << name;
    EXPECT_EQ(std::string(text), value) << name;
  }
}

// Every element of the document, in document order.
void CollectElements(const platform::IXmlNode& node,
                     std::vector<std::unique_ptr<platform::IXmlNode>>& out) {
  for (auto child = node.FirstChild(); child;) {
    auto next = child->NextSibling();
    if (child->Name().front() != '#') {
      CollectElements(*child, out);
      out.push_back(std::move(child));
    }
    child = std::move(next);
  }
}

BOOL CALLBACK CountName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  reinterpret_cast<std::vector<ULONG_PTR>*>(names)->push_back(reinterpret_cast<ULONG_PTR>(name));
  return TRUE;
}

TEST_P(ProgramResources, ApplicationManifest) {
  const UniqueModule module(LoadLibraryExA(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_NE(module, nullptr) << GetLastError();

  // One manifest, the process's: a second one linked in by the toolchain
  // would leave the loader to pick.
  std::vector<ULONG_PTR> names;
  EnumResourceNamesA(module.get(), MAKEINTRESOURCEA(24), CountName,
                     reinterpret_cast<LONG_PTR>(&names));
  EXPECT_EQ(names, std::vector<ULONG_PTR>{1});

  const HRSRC found = FindResourceA(module.get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  const HGLOBAL loaded = LoadResource(module.get(), found);
  ASSERT_NE(loaded, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(loaded)),
                             SizeofResource(module.get(), found));

  const std::string file =
      testsupport::ScratchFolder("manifest") + InternalName(GetParam()) + ".manifest";
  testsupport::WriteFile(file, manifest);
  const auto document = testsupport::BuildXmlParser().Load(file, {});
  const auto root = document->DocumentElement();
  EXPECT_EQ(root->Name(), "assembly");
  EXPECT_EQ(root->Attribute("manifestVersion"), "1.0");
  // The document model hides namespace declarations; the loader reads them.
  for (const char* declaration :
       {"<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\"",
        "<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\"",
        "<compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\""}) {
    EXPECT_NE(manifest.find(declaration), std::string::npos) << declaration;
  }
  std::vector<std::unique_ptr<platform::IXmlNode>> elements;
  CollectElements(*root, elements);
  auto named = [&](const std::string& name) {
    std::vector<const platform::IXmlNode*> out;
    for (const auto& element : elements) {
      if (element->Name() == name) out.push_back(element.get());
    }
    return out;
  };

  const auto levels = named("requestedExecutionLevel");
  ASSERT_EQ(levels.size(), 1u);
  EXPECT_EQ(levels[0]->Attribute("level"), "asInvoker");
  EXPECT_EQ(levels[0]->Attribute("uiAccess"), "false");

  std::set<std::string> systems;
  for (const platform::IXmlNode* os : named("supportedOS")) {
    std::string id = os->Attribute("Id").value_or("");
    std::transform(id.begin(), id.end(), id.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    systems.insert(id);
  }
  EXPECT_EQ(systems, (std::set<std::string>{
                         "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
                         "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
                         "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
                         "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
                     }));

  const auto dependencies = named("dependentAssembly");
  ASSERT_EQ(dependencies.size(), 1u);
  const auto identity = dependencies[0]->FirstChild();
  ASSERT_TRUE(identity);
  EXPECT_EQ(identity->Name(), "assemblyIdentity");
  EXPECT_EQ(identity->Attribute("type"), "win32");
  EXPECT_EQ(identity->Attribute("name"), "Microsoft.Windows.Common-Controls");
  EXPECT_EQ(identity->Attribute("version"), "6.0.0.0");
  EXPECT_EQ(identity->Attribute("publicKeyToken"), "6595b64144ccf1df");
  EXPECT_EQ(identity->Attribute("processorArchitecture"), "*");

  // The program's text is in the system's ANSI code page; a declared one
  // would change what every "A" function means.
  for (const auto& element : elements) {
    EXPECT_FALSE(element->Name().ends_with("activeCodePage")) << element->Name();
  }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ProgramResources, testing::ValuesIn(kShipped),
                         [](const testing::TestParamInfo<ShippedProgram>& info) {
                           return InternalName(info.param);
                         });

}  // namespace
