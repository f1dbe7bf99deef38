#include "shell/Main.h"

#include "common/DateTimeLocale.h"
#include "common/EventLog.h"
#include "common/Strings.h"
#include "platform/CommandLine.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/Ui.h"
#include "platform/UnattendedLog.h"
#include "prefstore/ProductIdentity.h"
#include "settings/ConfigManager.h"
#include "xmlimport/ImpExpRegXML.h"

namespace {

// The switch's value as ProcessParam takes it from `text`, starting at `from`:
// cut before the first "/", then trimmed.
std::string SwitchValue(const std::string& text, std::size_t from) {
  std::string value = text.substr(from);
  const std::size_t slash = value.find('/');
  if (slash != std::string::npos) value.erase(slash);
  return Trim(value);
}

bool HasFolderPart(const std::string& name) {
  return name.find_first_of("\\:") != std::string::npos;
}

}  // namespace

void TMainWin::ProcessParam(const std::string& argument) {
  const std::string upper = AnsiUpperCase(argument);
  std::string* target = nullptr;
  std::string switchText;
  if (upper.compare(0, 3, "/IC") == 0) {
    target = &ImportFile;
    switchText = "/IC";
  } else if (upper.compare(0, 3, "/IP") == 0) {
    target = &ImportPath;
    switchText = "/IP";
  } else {
    return;
  }

  const std::string raw = platform::Process().RawCommandLine();
  const std::size_t at = AnsiUpperCase(raw).find(switchText);
  if (at != std::string::npos) {
    *target = SwitchValue(raw, at + switchText.size());
  } else {
    // Quotes split the switch letters (/"IC"x.xml): the argument is all that
    // names the value, so take it from there by the same rule.
    *target = SwitchValue(argument, switchText.size());
  }
}

std::string TMainWin::ResolveImportFile() {
  std::string file = DeQuote(ImportFile);
  if (!HasFolderPart(file) && !ImportPath.empty()) {
    // An installer quotes a folder with blanks; a path cannot hold a quote, so
    // de-quoting never changes a valid value.
    const std::string base = platform::Process().FullPathName(DeQuote(ImportPath));
    std::string folder = base.substr(0, base.find_last_of("\\:") + 1);
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    file = folder + file;
  }
  return file;
}

void TMainWin::FormCreate() {
  ImportFile.clear();
  ImportPath.clear();
  Outcome = {};
  CreateConfigMgr();
  ConfigureEventLog(ConfigMgr->LogsPath, ConfigMgr->EventsFile, ConfigMgr->LogFormat);

  for (const std::string& argument :
       platform::SplitArguments(platform::Process().RawCommandLine())) {
    ProcessParam(argument);
  }

  if (!ImportFile.empty()) Outcome = RunImport(ResolveImportFile());

  platform::Ui().PostQuit();
}

void TMainWin::FormDestroy() { FreeConfigMgr(); }

TRunOutcome RunImport(const std::string& fileName) {
  TRunOutcome outcome{TRunOutcomeKind::kFileNotFound, fileName};
  if (!platform::Process().FileExists(fileName)) return outcome;
  // Hearing a value copies it; only the unattended log wants the counts.
  TOutcomeCounter counter;
  const bool counting = !platform::UnattendedLogName().empty();
  IImportObserver& observer = counting ? counter : SilentImportObserver();
  outcome.kind = OutcomeOfImport(ImportPrefsXML(fileName, observer));
  outcome.values = counter.Values();
  outcome.skipped = counter.Skipped();
  return outcome;
}

int RunProgram() {
  const unsigned boxesBefore = platform::MessageBoxesRaised();
  InitDateTimeLocale();
  platform::IUserInterface& ui = platform::Ui();

  const platform::WindowHandle application =
      ui.CreateApplicationWindow(std::string(kApplicationTitle));
  platform::SetApplicationWindow(application);
  long savedStyle = 0;
  if (application != nullptr) {
    savedStyle = ui.GetExStyle(application);
    ui.SetExStyle(application, savedStyle | platform::kWsExToolWindow);
  }

  const platform::WindowHandle main = ui.CreateMainWindow(application);
  platform::SetMainWindow(main);

  TMainWin form;
  form.FormCreate();
  ui.RunMessageLoop();

  if (application != nullptr) ui.SetExStyle(application, savedStyle);

  form.FormDestroy();
  platform::SetMainWindow(nullptr);
  if (main != nullptr) ui.DestroyWindow(main);
  platform::SetApplicationWindow(nullptr);
  if (application != nullptr) ui.DestroyWindow(application);
  WriteOutcomeRecord(form.Outcome, platform::MessageBoxesRaised() - boxesBefore);
  return 0;
}
