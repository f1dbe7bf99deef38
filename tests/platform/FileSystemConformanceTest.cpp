// One set of cases for every implementation of the file seam: the fake, and
// under Wine the real file system.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/FileSystem.h"
#include "platform/fake/FakeFileSystem.h"
#ifdef _WIN32
#include "platform/win32/Win32Services.h"
#include "support/ProgramRun.h"
#endif

namespace {

using platform::winerr::kAccessDenied;
using platform::winerr::kAlreadyExists;
using platform::winerr::kPathNotFound;
using platform::winerr::kSharingViolation;
using platform::winerr::kSuccess;

// A file system with an empty scratch folder, and a way to read a file back
// that does not go through the seam.
struct Env {
  platform::IFileSystem* fs = nullptr;
  std::string root;  // ends with a backslash
  std::function<std::string(const std::string&)> read;
  std::shared_ptr<void> keepAlive;
  // Sets or clears the read-only attribute of an existing file.
  std::function<void(const std::string&, bool)> setReadOnly;
  // Wine run by root writes read-only files: the attribute is Unix
  // permissions there, which root passes.
  bool rootMayWriteReadOnly = false;
};

struct Implementation {
  const char* name;
  std::function<Env()> make;
};

Env FakeEnv() {
  auto fake = std::make_shared<platform::fake::FakeFileSystem>();
  fake->AddFolder("C:\\Scratch");
  return {fake.get(), "C:\\Scratch\\", [fake](const std::string& p) { return fake->Contents(p); },
          fake, [fake](const std::string& p, bool readOnly) { fake->SetReadOnly(p, readOnly); }};
}

#ifdef _WIN32
Env RealEnv() {
  return {&platform::win32::FileSystem(),
          testsupport::ScratchFolder("filesystem"),
          testsupport::ReadFile,
          nullptr,
          [](const std::string& p, bool readOnly) {
            SetFileAttributesA(p.c_str(),
                               readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
          },
          true};
}
#endif

class FileSystemConformance : public testing::TestWithParam<Implementation> {
 protected:
  Env env = GetParam().make();
  platform::IFileSystem& fs = *env.fs;

  std::uint32_t Append(const std::string& path, const std::string& bytes) {
    platform::AppendOpenResult open = fs.OpenForAppend(path);
    if (!open.file) return open.error;
    const std::uint32_t written = open.file->Write(bytes);
    const std::uint32_t closed = open.file->Close();
    return written != kSuccess ? written : closed;
  }
};

TEST_P(FileSystemConformance, AppendCreatesThenAppends) {
  const std::string file = env.root + "log.txt";
  EXPECT_EQ(Append(file, "one\r\n"), kSuccess);
  EXPECT_EQ(Append(file, "two\r\n"), kSuccess);
  EXPECT_EQ(env.read(file), "one\r\ntwo\r\n");
}

TEST_P(FileSystemConformance, SecondWriterIsRefusedWhileTheFirstHoldsTheFile) {
  const std::string file = env.root + "held.txt";
  platform::AppendOpenResult first = fs.OpenForAppend(file);
  ASSERT_TRUE(first.file);
  platform::AppendOpenResult second = fs.OpenForAppend(file);
  EXPECT_FALSE(second.file);
  EXPECT_EQ(second.error, kSharingViolation);
  EXPECT_EQ(first.file->Write("a"), kSuccess);
  first.file.reset();  // released without Close: closed all the same
  EXPECT_EQ(Append(file, "b"), kSuccess);
  EXPECT_EQ(env.read(file), "ab");
}

TEST_P(FileSystemConformance, AppendFailsWithoutItsFolderOrOnAFolder) {
  platform::AppendOpenResult missing = fs.OpenForAppend(env.root + "missing\\log.txt");
  EXPECT_FALSE(missing.file);
  EXPECT_EQ(missing.error, kPathNotFound);
  EXPECT_FALSE(fs.DirectoryExists(env.root + "missing"));

  ASSERT_EQ(fs.MakeDirectory(env.root + "folder"), kSuccess);
  platform::AppendOpenResult onFolder = fs.OpenForAppend(env.root + "folder");
  EXPECT_FALSE(onFolder.file);
  EXPECT_EQ(onFolder.error, kAccessDenied);
}

TEST_P(FileSystemConformance, AReadOnlyFileRefusesAppending) {
  const std::string file = env.root + "read-only.txt";
  ASSERT_EQ(Append(file, "kept"), kSuccess);
  env.setReadOnly(file, true);
  platform::AppendOpenResult open = fs.OpenForAppend(file);
  if (open.file && env.rootMayWriteReadOnly) {
    open.file.reset();
    env.setReadOnly(file, false);
    GTEST_SKIP() << "this account writes read-only files (Wine run by root)";
  }
  EXPECT_FALSE(open.file);
  EXPECT_EQ(open.error, kAccessDenied);
  env.setReadOnly(file, false);
  EXPECT_EQ(env.read(file), "kept");
}

TEST_P(FileSystemConformance, MakeDirectoryOneLevelAtATime) {
  const std::string folder = env.root + "a";
  EXPECT_FALSE(fs.DirectoryExists(folder));
  EXPECT_EQ(fs.MakeDirectory(folder + "\\b"), kPathNotFound);
  EXPECT_EQ(fs.MakeDirectory(folder), kSuccess);
  EXPECT_TRUE(fs.DirectoryExists(folder));
  EXPECT_TRUE(fs.DirectoryExists(folder + "\\"));
  EXPECT_EQ(fs.MakeDirectory(folder), kAlreadyExists);
  EXPECT_EQ(fs.MakeDirectory(folder + "\\b"), kSuccess);
}

TEST_P(FileSystemConformance, AFileIsNoFolder) {
  const std::string file = env.root + "plain";
  ASSERT_EQ(Append(file, "x"), kSuccess);
  EXPECT_FALSE(fs.DirectoryExists(file));
  EXPECT_EQ(fs.MakeDirectory(file), kAlreadyExists);
  EXPECT_EQ(fs.MakeDirectory(file + "\\sub"), kPathNotFound);
}

TEST_P(FileSystemConformance, MissingDrive) {
  EXPECT_FALSE(fs.DirectoryExists("R:\\"));
  // Wine's answer; Windows itself says the path is missing.
  EXPECT_EQ(fs.MakeDirectory("R:\\Logs"), platform::winerr::kFileNotFound);
  EXPECT_EQ(fs.OpenForAppend("R:\\Logs\\x.log").error, kPathNotFound);
}

TEST_P(FileSystemConformance, ErrorMessagesComeFromTheSystem) {
  for (std::uint32_t code : {kPathNotFound, kAccessDenied, kSharingViolation, kAlreadyExists}) {
    const std::string text = fs.ErrorMessage(code);
    EXPECT_GT(text.size(), 5u) << code;
    EXPECT_EQ(text.find('\0'), std::string::npos) << code;
  }
  EXPECT_EQ(fs.ErrorMessage(0x2000FFFF), "");
}

const Implementation kImplementations[] = {
    {"Fake", FakeEnv},
#ifdef _WIN32
    {"Win32", RealEnv},
#endif
};

INSTANTIATE_TEST_SUITE_P(All, FileSystemConformance, testing::ValuesIn(kImplementations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
