// Reads a resource script: the subset of the resource compiler's language
// that our setup.rc uses, so that one file serves the Windows build and the
// layer alike. It knows #include "file", #define NAME value, #pragma,
// LANGUAGE, ICON, and DIALOG with STYLE, EXSTYLE, CAPTION, FONT and CONTROL
// statements; numbers, defined names, unary minus, parentheses, | and +, and
// NOT in a control's style.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/dialog_template.h"

namespace platform::ui {

struct SourceFile {
  std::string name;
  std::string text;
};

// Reads `mainFile` from `files`, following its #include lines into the same
// set. On failure returns false with "file:line: message" in `error`.
bool ReadResourceScript(const std::vector<SourceFile>& files, const std::string& mainFile,
                        ResourceTable& table, std::string& error);

}  // namespace platform::ui
