// The exit codes of the setup program.
#pragma once

constexpr int kExitCancelled = 0;         // the user confirmed leaving the setup
constexpr int kExitNothingToInstall = 1;  // every browser's chooser was cancelled
constexpr int kExitInstalled = 1;
constexpr int kExitIncomplete = 2;  // some files, or the setup medium, could not be had         //
                                    // the installation ended after the readme
constexpr int kExitNoStartDialog = -1;  // the start-up dialog could not be created
