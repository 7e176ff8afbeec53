#include "wizard/setup_state.h"

SetupState setupState = {nullptr, 1, 0, 0, BrowserNone, {}, {}, {}, 0, 0, {}, {}, {}, {}};
