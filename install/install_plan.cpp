#include "install/install_plan.h"

#include <errno.h>

#include "install/finishing.h"
#include "manifest/manifest.h"
#include "resources/control_ids.h"
#include "wizard/setup_state.h"

namespace {

constexpr UINT_PTR kPlanTimer = 1;
constexpr UINT kPlanDelay = 50;  // ms: the page is on the screen before the work starts
constexpr int kMaxFonts = 10;
constexpr int kMaxAdditionalFiles = 20;

// The medium every source lies on, and the outcome being recorded.
struct Plan {
  SetupMedium medium;
  InstallOutcome& outcome;
};

void RecordFailure(Plan& plan, const char* destination) {
  InstallOutcome& outcome = plan.outcome;
  if (outcome.failureCount < kMaxReportedFailures) {
    snprintf(outcome.failures[outcome.failureCount], kPathSize, "%s", destination);
  }
  ++outcome.failureCount;
}

// One folder level; one that is there already is no failure.
void MakeFolder(Plan& plan, const char* path) {
  if (_mkdir(path) != 0 && errno != EEXIST) RecordFailure(plan, path);
}

void Copy(Plan& plan, const char* source, const char* destination) {
  if (!CopyFileA(source, destination, FALSE)) RecordFailure(plan, destination);
}

// Formats a destination; false when it would be longer than a path, and the
// copy is then left out.
bool FormatPath(char* path, const char* format, const char* a, const char* b = "") {
  int length = snprintf(path, kPathSize, format, a, b);
  return length >= 0 && length < kPathSize;
}

bool Present(const char* section, const char* key, char* value) {
  return ReadManifestValue(section, key, value) > 0;
}

// A copy runs when its destination-name key is present.
void CopyNamed(Plan& plan, const char* section, const char* sourceKey, const char* destinationKey,
               const char* destinationFormat, const char* base) {
  char name[kValueSize], source[kValueSize], destination[kPathSize];
  if (!Present(section, destinationKey, name)) return;
  ReadManifestValue(section, sourceKey, source);
  if (FormatPath(destination, destinationFormat, base, name) &&
      !CopyFromMedium(plan.medium, source, destination)) {
    RecordFailure(plan, destination);
  }
}

// A font key without its entry in FONTS is passed over; the list ends at the
// first absent FONTn.
void CopyFonts(Plan& plan, const char* section) {
  for (int j = 1; j <= kMaxFonts; ++j) {
    char key[32], font[kValueSize], sourceKey[kValueSize + 8];
    snprintf(key, sizeof key, "FONT%d", j);
    if (!Present(section, key, font)) return;
    snprintf(sourceKey, sizeof sourceKey, "%sCOMP", font);
    CopyNamed(plan, "FONTS", sourceKey, font, "%s\\Fonts\\%s", plan.outcome.windowsDir);
  }
}

void CopyLanguageFiles(Plan& plan) {
  for (int i = 0; i < OfferedLanguages(); ++i) {
    if (setupState.languageSelected[i] != 1) continue;
    char key[32], section[kValueSize];
    snprintf(key, sizeof key, "LANGUAGE%d", i + 1);
    ReadManifestValue("LANGLIST", key, section);
    CopyNamed(plan, section, "MAPCOMP", "MAP", "%s\\%s", setupState.dataDir);
    CopyNamed(plan, section, "RCCOMP", "RC", "%s\\%s", setupState.dataDir);
    CopyFonts(plan, section);
  }
}

// The plug-in library's keys are not tested: absent, the copy fails.
void CopyPlugin(HWND window, Plan& plan, const char* sourceKey, const char* destinationKey,
                const char* folder) {
  char sourceName[kValueSize], name[kValueSize], source[kPathSize], destination[kPathSize];
  ReadManifestValue("DLLS", sourceKey, sourceName);
  ReadManifestValue("DLLS", destinationKey, name);
  MediumPath(plan.medium, sourceName, source);
  if (!FormatPath(destination, "%s\\%s", folder, name)) destination[0] = '\0';
  SetDlgItemTextA(window, IDC_INSTALL_SOURCE, source);
  SetDlgItemTextA(window, IDC_INSTALL_DESTINATION, destination);
  Copy(plan, source, destination);
}

// The program group is made whether or not a shortcut follows.
void CopyToolAndProgramGroup(Plan& plan) {
  CopyNamed(plan, "TOOLS", "TOOLEXECOMP", "TOOLEXE", "%s\\%s", setupState.dataDir);
  char group[kPathSize];
  if (FormatPath(group, "%s\\Start Menu\\Programs\\Morvane", plan.outcome.windowsDir)) {
    MakeFolder(plan, group);
    CopyNamed(plan, "TOOLS", "TOOLLNKCOMP", "TOOLLNK", "%s\\%s", group);
  }
}

// The list ends at the first pair with an absent key.
void CopyAdditionalFiles(Plan& plan) {
  for (int n = 1; n <= kMaxAdditionalFiles; ++n) {
    char key[32], sourceKey[40], name[kValueSize], source[kValueSize], destination[kPathSize];
    snprintf(key, sizeof key, "FILE%d", n);
    snprintf(sourceKey, sizeof sourceKey, "%sCOMP", key);
    if (!Present("ADDITIONALFILES", key, name) || !Present("ADDITIONALFILES", sourceKey, source)) {
      return;
    }
    if (FormatPath(destination, "%s\\%s", setupState.dataDir, name) &&
        !CopyFromMedium(plan.medium, source, destination)) {
      RecordFailure(plan, destination);
    }
  }
}

// The readme is FILE1 itself on the medium; the viewer shows it from there.
void CopyReadme(Plan& plan) {
  char name[kValueSize], destination[kPathSize];
  if (!Present("ADDITIONALFILES", "FILE1", name)) return;
  MediumPath(plan.medium, name, setupState.readmePath);
  if (FormatPath(destination, "%s\\%s", setupState.dataDir, name)) {
    Copy(plan, setupState.readmePath, destination);
  }
}

}  // namespace

bool CopyFromMedium(const SetupMedium& medium, const char* sourceName, const char* destination) {
  char source[kPathSize];
  MediumPath(medium, sourceName, source);
  return CopyFileA(source, destination, FALSE) != FALSE;
}

void InstallPlan(HWND window, InstallOutcome* outcome) {
  *outcome = InstallOutcome{};
  Plan plan{SetupMedium{}, *outcome};
  // Without the medium nothing can be copied: nothing is made, nothing recorded.
  outcome->mediumFound = LocateSetupMedium(&plan.medium);
  if (!outcome->mediumFound) return;
  snprintf(setupState.dataDir, kPathSize, "c:\\iscii_plugin_data");
  MakeFolder(plan, setupState.dataDir);
  if (setupState.installIE == 1) MakeFolder(plan, setupState.iePluginDir);
  if (setupState.installNetscape == 1) MakeFolder(plan, setupState.netscapePluginDir);
  bool manifestCopied = false;
  CopyManifestToWindowsDir(&plan.medium, &manifestCopied);
  GetWindowsDirectoryA(outcome->windowsDir, sizeof outcome->windowsDir);
  char workingCopy[kPathSize];
  if (!manifestCopied && FormatPath(workingCopy, "%s\\ISCII.INI", outcome->windowsDir)) {
    RecordFailure(plan, workingCopy);
  }
  CopyLanguageFiles(plan);
  RecordInstalledLanguages();
  if (setupState.installIE == 1) CopyPlugin(window, plan, "IECOMP", "IE", setupState.iePluginDir);
  if (setupState.installNetscape == 1) {
    CopyPlugin(window, plan, "NPCOMP", "NP", setupState.netscapePluginDir);
  }
  CopyToolAndProgramGroup(plan);
  CopyAdditionalFiles(plan);
  CopyReadme(plan);
}

INT_PTR CALLBACK InstallFilesDlgProc(HWND window, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetTimer(window, kPlanTimer, kPlanDelay, nullptr);
      return TRUE;
    case WM_TIMER: {
      KillTimer(window, kPlanTimer);
      InstallOutcome outcome;
      InstallPlan(window, &outcome);
      FinishInstallation(window, outcome);  // ends the process
      return TRUE;
    }
    default:
      return FALSE;
  }
}
