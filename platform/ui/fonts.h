// Font objects: CreateFontA records its parameters; the window display draws
// with them.
#pragma once

#include <map>
#include <string>

#include "platform/win32.h"

namespace platform::ui {

struct FontInfo {
  int height = 0;  // negative: character height in pixels; positive: cell height
  int width = 0;
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  DWORD charSet = DEFAULT_CHARSET;
  std::string face;
};

class Fonts {
 public:
  HFONT create(const FontInfo& info);
  const FontInfo* find(HFONT font) const;
  bool destroy(HFONT font);
  size_t count() const { return fonts_.size(); }

 private:
  std::map<HFONT, FontInfo> fonts_;
  uintptr_t next_ = 0x2a0000;
};

}  // namespace platform::ui
