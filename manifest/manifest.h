// The manifest "ISCII.INI": read by key from its working copy in the Windows
// directory, and the record of the installed languages written back to it.
#pragma once

constexpr int kValueSize = 260;  // a manifest value holds at most 259 characters
// Language check boxes are numbered from 12; past 88 languages they would
// reach the identifiers of OK (100) and Cancel (110).
constexpr int kMaxOfferedLanguages = 88;

// The value of a key into a buffer of kValueSize bytes; gives its length. An
// empty value means the key is missing or empty.
int ReadManifestValue(const char* section, const char* key, char* value);
// LANGUAGE1, LANGUAGE2, ... of LANGLIST up to the first missing or empty one.
int CountLanguages();
// The languages the setup offers and installs: the first 88.
int OfferedLanguages();
// Replaces the INSTALLEDLANGS section with the chosen languages, in manifest
// order, numbered from 1 without gaps.
void RecordInstalledLanguages();
