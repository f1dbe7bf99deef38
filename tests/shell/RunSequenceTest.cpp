#include <gtest/gtest.h>

#include "common/DateTimeLocale.h"
#include "common/EventLog.h"
#include "common/SpecialFolders.h"
#include "platform/Services.h"
#include "platform/memory/MemoryUserInterface.h"
#include "settings/ConfigManager.h"
#include "shell/Main.h"
#include "support/FakePlatform.h"
#ifdef _WIN32
#include "platform/win32/Win32Services.h"
#endif

namespace {

// Passes every call to the real interface and notes what the application
// window looked like while the message loop ran and just before it went away.
class ObservingUi final : public platform::IUserInterface {
 public:
  explicit ObservingUi(platform::IUserInterface& inner) : inner_(inner) {}

  platform::WindowHandle application = nullptr;
  std::string titleDuringRun;
  long styleDuringRun = -1;
  long styleBeforeDestroy = -1;
  bool applicationWasWindowDuringRun = false;
  bool mainWindowSetDuringRun = false;

  int ShowBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
              unsigned flags) override {
    return inner_.ShowBox(owner, text, caption, flags);
  }
  platform::WindowHandle ForegroundWindow() override { return inner_.ForegroundWindow(); }
  std::string AnsiToUtf8(std::string_view ansi) override { return inner_.AnsiToUtf8(ansi); }
  std::string AnsiUpperCase(std::string_view ansi) override { return inner_.AnsiUpperCase(ansi); }
  std::string AnsiLowerCase(std::string_view ansi) override { return inner_.AnsiLowerCase(ansi); }
  platform::WindowHandle CreateApplicationWindow(const std::string& title) override {
    application = inner_.CreateApplicationWindow(title);
    return application;
  }
  platform::WindowHandle CreateMainWindow(platform::WindowHandle app) override {
    return inner_.CreateMainWindow(app);
  }
  void DestroyWindow(platform::WindowHandle window) override {
    if (window == application) styleBeforeDestroy = inner_.GetExStyle(window);
    inner_.DestroyWindow(window);
  }
  std::string WindowTitle(platform::WindowHandle window) override {
    return inner_.WindowTitle(window);
  }
  long GetExStyle(platform::WindowHandle window) override { return inner_.GetExStyle(window); }
  void SetExStyle(platform::WindowHandle window, long style) override {
    inner_.SetExStyle(window, style);
  }
  void PostQuit() override { inner_.PostQuit(); }
  void RunMessageLoop() override {
    applicationWasWindowDuringRun = platform::ApplicationWindow() == application;
    mainWindowSetDuringRun = platform::MainWindow() != nullptr;
    if (application != nullptr) {
      titleDuringRun = inner_.WindowTitle(application);
      styleDuringRun = inner_.GetExStyle(application);
    }
    inner_.RunMessageLoop();
  }
  std::intptr_t SendMessageTo(platform::WindowHandle window, unsigned message,
                              std::uintptr_t wParam, std::intptr_t lParam) override {
    return inner_.SendMessageTo(window, message, wParam, lParam);
  }

 private:
  platform::IUserInterface& inner_;
};

void ExpectToolWindowDuringRunOnly(platform::IUserInterface& real) {
  testsupport::FakePlatform env;
  ObservingUi ui(real);
  env.scope->ui = &ui;

  EXPECT_EQ(RunProgram(), 0);

  ASSERT_NE(ui.application, nullptr);
  EXPECT_TRUE(ui.applicationWasWindowDuringRun);
  EXPECT_TRUE(ui.mainWindowSetDuringRun);
  EXPECT_EQ(ui.titleDuringRun, "Register Wrenfold");
  EXPECT_NE(ui.styleDuringRun & platform::kWsExToolWindow, 0);
  EXPECT_EQ(ui.styleBeforeDestroy, ui.styleDuringRun & ~platform::kWsExToolWindow);
  EXPECT_EQ(platform::ApplicationWindow(), nullptr);
  EXPECT_EQ(platform::MainWindow(), nullptr);
  EXPECT_EQ(ConfigMgr, nullptr);
}

TEST(RunSequence, ApplicationWindowIsAToolWindowOnlyWhileRunning) {
  platform::memory::MemoryUserInterface fake;
  ExpectToolWindowDuringRunOnly(fake);
  EXPECT_EQ(fake.messageLoops, 1);
  EXPECT_TRUE(fake.boxes.empty());
}

#ifdef _WIN32
TEST(RunSequence, RealWindowsOnTheDisplay) {
  ExpectToolWindowDuringRunOnly(platform::win32::UserInterface());
}
#endif

TEST(RunSequence, TheEventLogGetsItsDefaultFileAndNoPicture) {
  testsupport::FakePlatform env;
  EventLogTimeFormat = "stale";
  EXPECT_EQ(RunProgram(), 0);
  // Logging is off all run: the shell, whose libraries are slow to load, is
  // never asked for the log's folder.
  EXPECT_EQ(env.shellFolders.queries, 0);
  EXPECT_EQ(EventLogFileName,
            "C:\\Users\\Ann\\AppData\\Local\\Orlavex\\RegisterWrenfold.exe_Events.log");
  EXPECT_EQ(EventLogTimeFormat, "");
  EventLogFileName.clear();
  ResetDateTimeLocale();
}

// The short time picture is the locale's own, cut after its minutes, and it
// is taken once at start: changing the locale later leaves it alone.
TEST(RunSequence, TheShortTimePictureComesFromTheLocaleAtStart) {
  testsupport::FakePlatform env;
  ResetDateTimeLocale();
  env.locale.items[platform::lc::kTimeFormat] = "HH.mm'h' tt";
  EXPECT_EQ(RunProgram(), 0);
  env.locale.items[platform::lc::kTimeFormat] = "H:mm";
  EXPECT_EQ(CurrentDateTimeLocale().shortTimePicture, "HH.mm'h'");
  ResetDateTimeLocale();
}

TEST(RunSequence, TheCommonServicesSeeWherePreferencesLive) {
  testsupport::FakePlatform env;
  EXPECT_EQ(RunProgram(), 0);
  PrefLocation = plOnUSB;
  EXPECT_EQ(GetMyDocumentsDir(), "C:\\Program Files\\Wrenfold\\Data\\Documents\\");
  PrefLocation = plRegistry;
  EXPECT_EQ(GetMyDocumentsDir(), "C:\\Users\\Ann\\Documents\\");
  ResetDateTimeLocale();
}

TEST(RunSequence, CompletesWithoutAnyWindow) {
  testsupport::FakePlatform env;
  env.ui.canCreateWindows = false;
  env.process.commandLine = "prog.exe /ICmissing.xml";
  EXPECT_EQ(RunProgram(), 0);
  EXPECT_EQ(env.ui.messageLoops, 1);
  EXPECT_TRUE(env.ui.windows.empty());
}

}  // namespace
