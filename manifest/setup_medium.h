// The setup medium: the drive and directory of "Setup.EXE", and the paths of
// the files on it.
#pragma once

#include "wizard/setup_state.h"

struct SetupMedium {
  char drive[3];              // "D:", or empty for a network path
  char directory[kPathSize];  // from after the drive up to and including the last separator
};

// Splits the full path of "Setup.EXE" into its drive and directory. The second
// byte of a double-byte character is never taken for a separator.
void SplitMediumPath(const char* fullPath, SetupMedium* medium);
// Finds "Setup.EXE" along the search path; false when it is not found or its
// full path does not fit in a path buffer.
bool LocateSetupMedium(SetupMedium* medium);
// The path of a file named in the manifest on the medium; false, with an empty
// path, when the joined path would be longer than 259 characters.
bool MediumPath(const SetupMedium& medium, const char* name, char* path);
// Replaces the working copy of the manifest in the Windows directory with the
// medium's; gives whether the medium was found, and then the medium, and in
// `copied` whether the copy was made.
bool CopyManifestToWindowsDir(SetupMedium* medium, bool* copied = nullptr);
