// A log that cannot be written must not make an unattended run wait for
// someone to answer a box: the run ends by itself within seconds, and its
// lines are in the file of the same name in the temporary folder.
#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "ImportEndToEnd.h"
#include "OutcomeRecord.h"
#include "platform/UniqueHandle.h"

namespace {

using namespace importe2e;

struct KernelHandleTraits {
  using Type = HANDLE;
  static Type Invalid() { return nullptr; }
  static void Close(Type handle) { CloseHandle(handle); }
};
using KernelHandle = platform::UniqueHandle<KernelHandleTraits>;

struct MappedViewTraits {
  using Type = void*;
  static Type Invalid() { return nullptr; }
  static void Close(Type view) { UnmapViewOfFile(view); }
};
using MappedView = platform::UniqueHandle<MappedViewTraits>;

// Reads the debugger output of every process in the session, as a debug
// viewer does, from its creation until Stop.
class DebugOutputListener {
 public:
  static constexpr DWORD kBufferSize = 4096;

  DebugOutputListener()
      : mutex_(CreateMutexA(nullptr, FALSE, "DBWinMutex")),
        buffer_(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize,
                                   "DBWIN_BUFFER")),
        bufferReady_(CreateEventA(nullptr, FALSE, TRUE, "DBWIN_BUFFER_READY")),
        dataReady_(CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY")),
        view_(MapViewOfFile(buffer_.get(), FILE_MAP_READ, 0, 0, kBufferSize)),
        thread_([this] { Listen(); }) {}
  ~DebugOutputListener() { Stop(); }
  DebugOutputListener(const DebugOutputListener&) = delete;
  DebugOutputListener& operator=(const DebugOutputListener&) = delete;

  bool Ready() const { return mutex_ && bufferReady_ && dataReady_ && view_; }

  // Everything heard, once the listening has stopped.
  std::string Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return heard_;
  }

 private:
  void Listen() {
    while (!stop_) {
      if (!view_ || WaitForSingleObject(dataReady_.get(), 50) != WAIT_OBJECT_0) continue;
      // The writer's process id, then its text.
      const char* text = static_cast<const char*>(view_.get()) + sizeof(DWORD);
      heard_.append(text, strnlen(text, kBufferSize - sizeof(DWORD)));
      SetEvent(bufferReady_.get());
    }
  }

  KernelHandle mutex_;
  KernelHandle buffer_;
  KernelHandle bufferReady_;
  KernelHandle dataReady_;
  MappedView view_;
  std::atomic<bool> stop_{false};
  std::string heard_;
  std::thread thread_;
};

// Whether the test's own account can open the file for writing, as the
// program would.
bool WritableAsThisAccount(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

class UnattendedLog : public ImportEndToEnd {
 protected:
  void SetUp() override {
    ImportEndToEnd::SetUp();
    // A file the program refuses: one box, then the record.
    testsupport::WriteFile(folder_ + "prefs.xml", PrefsFile("<PerUserRoam><General>"));
  }

  // Runs the import with `log`; the lines that went to the temporary folder's
  // file `fallbackName` instead, that file being removed before and after.
  std::vector<std::string> RunAndReadFallback(const std::string& log,
                                              const std::string& fallbackName) {
    const std::string fallback = testsupport::TempFolder() + fallbackName;
    DeleteFileA(fallback.c_str());
    DWORD elapsedMs = 0;
    EXPECT_EQ(testsupport::RunWrenfoldLoggingTo(log, "/IC \"" + folder_ + "prefs.xml\"", 10000,
                                                &elapsedMs),
              0u);
    // The log held by another writer costs half a second of retries.
    EXPECT_LT(elapsedMs, 5000u);
    std::vector<std::string> lines = testsupport::LogLines(fallback);
    DeleteFileA(fallback.c_str());
    return lines;
  }

  void ExpectBoxAndRecord(const std::vector<std::string>& lines) {
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind(kFailurePrefix, 0), 0u) << lines[0];
    ExpectRecord(lines[1], Record("rejected", folder_ + "prefs.xml", 0, 1));
  }
};

TEST_F(UnattendedLog, ALogInAMissingFolderGoesToTheTemporaryFolder) {
  const std::string log = folder_ + "missing\\wf-missing-folder.jsonl";
  ExpectBoxAndRecord(RunAndReadFallback(log, "wf-missing-folder.jsonl"));
  EXPECT_EQ(GetFileAttributesA((folder_ + "missing").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(UnattendedLog, AReadOnlyLogGoesToTheTemporaryFolder) {
  const std::string log = folder_ + "wf-read-only.jsonl";
  testsupport::WriteFile(log, "earlier\n");
  ASSERT_TRUE(SetFileAttributesA(log.c_str(), FILE_ATTRIBUTE_READONLY));
  if (WritableAsThisAccount(log)) {
    SetFileAttributesA(log.c_str(), FILE_ATTRIBUTE_NORMAL);
    GTEST_SKIP() << "Wine runs as root here, and root writes read-only files; the fake's case "
                    "and the log this account may not write stand for it";
  }
  ExpectBoxAndRecord(RunAndReadFallback(log, "wf-read-only.jsonl"));
  SetFileAttributesA(log.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(testsupport::ReadFile(log), "earlier\n");
}

// A name the account may not open for writing, whoever it is: a folder.
TEST_F(UnattendedLog, ALogThisAccountMayNotWriteGoesToTheTemporaryFolder) {
  const std::string log = folder_ + "wf-no-rights.jsonl";
  ASSERT_TRUE(CreateDirectoryA(log.c_str(), nullptr));
  ASSERT_FALSE(WritableAsThisAccount(log));
  ExpectBoxAndRecord(RunAndReadFallback(log, "wf-no-rights.jsonl"));
}

TEST_F(UnattendedLog, ALogHeldWithoutSharingGoesToTheTemporaryFolder) {
  const std::string log = folder_ + "wf-held.jsonl";
  const HANDLE held = CreateFileA(log.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::vector<std::string> lines = RunAndReadFallback(log, "wf-held.jsonl");
  CloseHandle(held);
  ExpectBoxAndRecord(lines);
  EXPECT_EQ(testsupport::ReadFile(log), "");
}

// The log is in the temporary folder and cannot be written, so its fallback
// is the log itself: the lines go to the debugger output.
TEST_F(UnattendedLog, WhenNoFileTakesTheLinesTheDebuggerHearsThem) {
  const std::string log = testsupport::TempFolder() + "wf-debugger.jsonl";
  CreateDirectoryA(log.c_str(), nullptr);
  ASSERT_FALSE(WritableAsThisAccount(log));
  DebugOutputListener listener;
  ASSERT_TRUE(listener.Ready());
  DWORD elapsedMs = 0;
  EXPECT_EQ(
      testsupport::RunWrenfoldLoggingTo(log, "/IC \"" + folder_ + "prefs.xml\"", 10000, &elapsedMs),
      0u);
  EXPECT_LT(elapsedMs, 5000u);
  const std::string heard = listener.Stop();
  RemoveDirectoryA(log.c_str());
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = heard.find('\n', start)) != std::string::npos;
       start = end + 1) {
    const std::string line = heard.substr(start, end - start);
    // Other programs of the session may talk to the debugger too.
    if (line.rfind("{\"", 0) == 0) lines.push_back(line);
  }
  ExpectBoxAndRecord(lines);
}

}  // namespace
