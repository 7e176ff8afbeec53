// The program's resource script and the files it includes, embedded in the
// program at build time.
#pragma once

#include <vector>

#include "platform/ui/rc_reader.h"

namespace platform::entry {

const std::vector<ui::SourceFile>& ModuleResourceFiles();

}  // namespace platform::entry
