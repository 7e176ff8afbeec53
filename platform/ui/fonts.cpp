#include "platform/ui/fonts.h"

#include "platform/ui/window_system.h"

namespace platform::ui {

HFONT Fonts::create(const FontInfo& info) {
  next_ += 4;
  HFONT font = reinterpret_cast<HFONT>(next_);
  fonts_[font] = info;
  return font;
}

const FontInfo* Fonts::find(HFONT font) const {
  auto found = fonts_.find(font);
  return found == fonts_.end() ? nullptr : &found->second;
}

bool Fonts::destroy(HFONT font) { return fonts_.erase(font) > 0; }

}  // namespace platform::ui

HFONT WINAPI CreateFontA(int height, int width, int, int, int weight, DWORD italic, DWORD underline,
                         DWORD strikeOut, DWORD charSet, DWORD, DWORD, DWORD, DWORD,
                         LPCSTR faceName) {
  platform::ui::FontInfo info;
  info.height = height;
  info.width = width;
  info.weight = weight;
  info.italic = italic != 0;
  info.underline = underline != 0;
  info.strikeOut = strikeOut != 0;
  info.charSet = charSet;
  info.face = faceName ? faceName : "";
  return platform::ui::Windows().fonts().create(info);
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
  return platform::ui::Windows().fonts().destroy(static_cast<HFONT>(object));
}
