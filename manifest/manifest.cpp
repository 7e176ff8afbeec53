#include "manifest/manifest.h"

#include "wizard/setup_state.h"

namespace {

constexpr const char* kManifest = "ISCII.INI";

void LanguageKey(int number, char* key, size_t size) { snprintf(key, size, "LANGUAGE%d", number); }

}  // namespace

int ReadManifestValue(const char* section, const char* key, char* value) {
  return int(GetPrivateProfileStringA(section, key, "", value, kValueSize, kManifest));
}

int CountLanguages() {
  char key[32];
  char value[kValueSize];
  int number = 1;
  for (;; ++number) {
    LanguageKey(number, key, sizeof key);
    if (ReadManifestValue("LANGLIST", key, value) == 0) return number - 1;
  }
}

int OfferedLanguages() {
  int count = CountLanguages();
  return count < kMaxOfferedLanguages ? count : kMaxOfferedLanguages;
}

void RecordInstalledLanguages() {
  WritePrivateProfileStringA("INSTALLEDLANGS", nullptr, nullptr, kManifest);
  int installed = 0;
  for (int n = 1; n <= OfferedLanguages(); ++n) {
    if (setupState.languageSelected[n - 1] != 1) continue;
    char key[32], section[kValueSize], name[kValueSize];
    LanguageKey(n, key, sizeof key);
    ReadManifestValue("LANGLIST", key, section);
    ReadManifestValue(section, "DISPLAYNAME", name);
    ++installed;
    snprintf(key, sizeof key, "LANG%d", installed);
    WritePrivateProfileStringA("INSTALLEDLANGS", key, name, kManifest);
    snprintf(key, sizeof key, "LANG%dACTUAL", installed);
    WritePrivateProfileStringA("INSTALLEDLANGS", key, section, kManifest);
  }
}
