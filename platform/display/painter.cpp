#include "platform/display/painter.h"

#include <FL/Enumerations.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/input.h"

namespace platform::display {
namespace {

const Fl_Color kFace = fl_rgb_color(192, 192, 192);
const Fl_Color kLight = fl_rgb_color(223, 223, 223);
const Fl_Color kHighlight = fl_rgb_color(255, 255, 255);
const Fl_Color kShadow = fl_rgb_color(128, 128, 128);
const Fl_Color kDark = fl_rgb_color(0, 0, 0);
const Fl_Color kActiveCaption = fl_rgb_color(0, 0, 128);
const Fl_Color kInactiveCaption = fl_rgb_color(128, 128, 128);
const Fl_Color kSelection = fl_rgb_color(0, 0, 128);
const Fl_Color kGrayText = fl_rgb_color(128, 128, 128);

// A raised (or, pressed, sunken) two-line 3-D edge around a rectangle.
void RaisedEdge(int x, int y, int w, int h, bool pressed) {
  fl_color(pressed ? kDark : kHighlight);
  fl_xyline(x, y, x + w - 2);
  fl_yxline(x, y, y + h - 2);
  fl_color(pressed ? kHighlight : kDark);
  fl_xyline(x, y + h - 1, x + w - 1);
  fl_yxline(x + w - 1, y, y + h - 1);
  fl_color(pressed ? kShadow : kLight);
  fl_xyline(x + 1, y + 1, x + w - 3);
  fl_yxline(x + 1, y + 1, y + h - 3);
  fl_color(pressed ? kLight : kShadow);
  fl_xyline(x + 1, y + h - 2, x + w - 2);
  fl_yxline(x + w - 2, y + 1, y + h - 2);
}

// The sunken edge of a field (edit, list, check box) filled white.
void SunkenField(int x, int y, int w, int h, bool enabled) {
  fl_color(enabled ? kHighlight : kFace);
  fl_rectf(x + 2, y + 2, w - 4, h - 4);
  fl_color(kShadow);
  fl_xyline(x, y, x + w - 2);
  fl_yxline(x, y, y + h - 2);
  fl_color(kDark);
  fl_xyline(x + 1, y + 1, x + w - 3);
  fl_yxline(x + 1, y + 1, y + h - 3);
  fl_color(kLight);
  fl_xyline(x + 1, y + h - 2, x + w - 2);
  fl_yxline(x + w - 2, y + 1, y + h - 2);
  fl_color(kHighlight);
  fl_xyline(x, y + h - 1, x + w - 1);
  fl_yxline(x + w - 1, y, y + h - 1);
}

void FocusRectangle(int x, int y, int w, int h) {
  fl_color(kDark);
  fl_line_style(FL_DOT);
  fl_rect(x, y, w, h);
  fl_line_style(0);
}

// A label with its "&" mnemonic underlined, drawn from (x, baseline).
struct Label {
  std::string text;
  int underline = -1;  // index in text of the underlined character
};

Label ParseLabel(const std::string& raw) {
  Label label;
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '&' && i + 1 < raw.size()) {
      if (raw[i + 1] != '&' && label.underline < 0) label.underline = int(label.text.size());
      ++i;
    }
    label.text += raw[i];
  }
  return label;
}

void DrawLabel(const Label& label, int x, int baseline) {
  fl_draw(label.text.c_str(), int(label.text.size()), x, baseline);
  if (label.underline < 0) return;
  int start = x + int(fl_width(label.text.c_str(), label.underline));
  int width = int(fl_width(label.text.c_str() + label.underline, 1));
  fl_xyline(start, baseline + 1, start + width - 1);
}

int LabelWidth(const Label& label) { return int(fl_width(label.text.c_str())); }

// Lines of an edit control's text, split at CR LF or LF.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

const ui::Window* DialogOf(const ui::Window& control) { return control.parent; }

}  // namespace

// Negative heights are character heights, positive ones cell heights; a
// control without a font of its own shows the system font, bold.
void UseFont(const ui::WindowSystem& windows, const ui::Window& window) {
  const ui::FontInfo* font = windows.fonts().find(window.font);
  if (!font) {
    fl_font(FL_HELVETICA_BOLD, 12);
    return;
  }
  // FLTK's sans face runs wider than the dialog font it stands in for.
  int size = font->height < 0 ? -font->height * 10 / 11 : font->height * 3 / 4;
  if (size < 8) size = 10;
  bool bold = font->weight >= 600;
  fl_font(bold ? FL_HELVETICA_BOLD : FL_HELVETICA, size);
}

int Painter::RowHeight(const ui::Window&) { return 16; }

int Painter::VisibleRows(const ui::Window& control) {
  return std::max(1, (control.rect.height - 4) / RowHeight(control));
}

int Painter::LineHeight(const ui::Window&) { return 14; }

void Painter::paint(const ui::Window& window, int x, int y) const {
  fl_push_clip(x, y, window.rect.width, window.rect.height);
  fl_color(kFace);
  fl_rectf(x, y, window.rect.width, window.rect.height);
  if (window.style & WS_CAPTION) {
    frame(window, x, y);
    caption(window, x, y);
  }
  int clientX = x + window.clientLeft(), clientY = y + window.clientTop();
  fl_push_clip(clientX, clientY, window.clientWidth(), window.clientHeight());
  // Group boxes first, so that what lies in them is drawn over their frame.
  for (int pass = 0; pass < 2; ++pass) {
    for (HWND handle : window.children) {
      const ui::Window* child = windows_.find(handle);
      if (child && child->visible && child->isGroupBox() == (pass == 0)) {
        control(*child, clientX, clientY);
      }
    }
  }
  fl_pop_clip();
  fl_pop_clip();
}

void Painter::frame(const ui::Window& window, int x, int y) const {
  RaisedEdge(x, y, window.rect.width, window.rect.height, false);
}

void Painter::caption(const ui::Window& window, int x, int y) const {
  bool active = windows_.active() == window.handle();
  int left = x + ui::kFrameWidth, top = y + ui::kFrameWidth;
  int width = window.rect.width - 2 * ui::kFrameWidth;
  fl_color(active ? kActiveCaption : kInactiveCaption);
  fl_rectf(left, top, width, ui::kCaptionHeight - 1);
  fl_color(active ? kHighlight : kFace);
  fl_font(FL_HELVETICA_BOLD, 11);
  fl_push_clip(left, top, width - kCloseBoxWidth - 6, ui::kCaptionHeight);
  fl_draw(window.text.c_str(), left + 3, top + 13);
  fl_pop_clip();
  if (!window.hasCloseBox()) return;
  int boxX = left + width - kCloseBoxWidth - 2, boxY = top + 2;
  fl_color(kFace);
  fl_rectf(boxX, boxY, kCloseBoxWidth, kCloseBoxHeight);
  RaisedEdge(boxX, boxY, kCloseBoxWidth, kCloseBoxHeight, false);
  // A message box that asks Yes or No has its close box greyed.
  bool usable =
      !(window.dialog && window.dialog->isMessageBox && window.dialog->buttons == MB_YESNO);
  fl_color(usable ? kDark : kShadow);
  for (int d = 0; d < 2; ++d) {
    fl_line(boxX + 4 + d, boxY + 3, boxX + 10 + d, boxY + 9);
    fl_line(boxX + 10 + d, boxY + 3, boxX + 4 + d, boxY + 9);
  }
}

void Painter::control(const ui::Window& control, int x, int y) const {
  int cx = x + control.rect.x, cy = y + control.rect.y;
  UseFont(windows_, control);
  switch (control.kind()) {
    case ui::WindowKind::Button:
      if (control.isGroupBox()) {
        groupBox(control, cx, cy);
      } else if (control.isCheckBox()) {
        checkBox(control, cx, cy);
      } else {
        pushButton(control, cx, cy);
      }
      break;
    case ui::WindowKind::Static:
      if ((control.style & SS_TYPEMASK) == SS_ICON) {
        icon(control, cx, cy);
      } else {
        staticText(control, cx, cy);
      }
      break;
    case ui::WindowKind::Edit:
      edit(control, cx, cy);
      break;
    case ui::WindowKind::ListBox:
      listBox(control, cx, cy);
      break;
    case ui::WindowKind::TreeView:
      treeView(control, cx, cy);
      break;
    default:
      break;
  }
}

void Painter::pushButton(const ui::Window& button, int x, int y) const {
  int w = button.rect.width, h = button.rect.height;
  const ui::Window* dialog = DialogOf(button);
  // The button Enter would click; a BS_DEFPUSHBUTTON shows its border while
  // no other push button has the focus.
  ui::Window* enterButton = dialog ? ui::DefaultButton(const_cast<ui::WindowSystem&>(windows_),
                                                       const_cast<ui::Window&>(*dialog))
                                   : nullptr;
  const ui::Window* focused = windows_.find(windows_.focus());
  bool focusOnPush = focused && focused->parent == dialog && focused->isPushButton();
  bool isDefault =
      enterButton == &button || (!focusOnPush && button.buttonType() == BS_DEFPUSHBUTTON);
  bool pressed = view_.pressed == button.handle();
  fl_color(kFace);
  fl_rectf(x, y, w, h);
  int ex = x, ey = y, ew = w, eh = h;
  if (isDefault) {
    fl_color(kDark);
    fl_rect(x, y, w, h);
    ex += 1, ey += 1, ew -= 2, eh -= 2;
  }
  if (pressed) {
    fl_color(kShadow);
    fl_rect(ex, ey, ew, eh);
  } else {
    RaisedEdge(ex, ey, ew, eh, false);
  }
  Label label = ParseLabel(button.text);
  int shift = pressed ? 1 : 0;
  int textX = x + (w - LabelWidth(label)) / 2 + shift;
  int baseline = y + (h + fl_height()) / 2 - fl_descent() + shift;
  fl_color(button.enabled ? kDark : kGrayText);
  DrawLabel(label, textX, baseline);
  if (windows_.focus() == button.handle()) FocusRectangle(x + 4, y + 4, w - 8, h - 8);
}

void Painter::checkBox(const ui::Window& box, int x, int y) const {
  int h = box.rect.height;
  int boxY = y + (h - 13) / 2;
  SunkenField(x, boxY, 13, 13, box.enabled);
  if (box.checkState == BST_CHECKED) {
    fl_color(box.enabled ? kDark : kShadow);
    for (int d = 0; d < 3; ++d) {
      fl_line(x + 3, boxY + 5 + d, x + 5, boxY + 7 + d);
      fl_line(x + 5, boxY + 7 + d, x + 9, boxY + 3 + d);
    }
  }
  Label label = ParseLabel(box.text);
  int baseline = y + (h + fl_height()) / 2 - fl_descent();
  fl_color(box.enabled ? kDark : kGrayText);
  DrawLabel(label, x + 17, baseline);
  if (windows_.focus() == box.handle()) {
    FocusRectangle(x + 15, baseline - fl_height() + fl_descent() - 1, LabelWidth(label) + 4,
                   fl_height() + 2);
  }
}

void Painter::groupBox(const ui::Window& box, int x, int y) const {
  int top = y + fl_height() / 2;
  int w = box.rect.width, h = box.rect.height - (top - y);
  fl_color(kShadow);
  fl_rect(x, top, w - 1, h - 1);
  fl_color(kHighlight);
  fl_xyline(x + 1, top + 1, x + w - 3);
  fl_yxline(x + 1, top + 1, top + h - 3);
  fl_xyline(x, top + h - 1, x + w - 1);
  fl_yxline(x + w - 1, top, top + h - 1);
  if (box.text.empty()) return;
  Label label = ParseLabel(box.text);
  fl_color(kFace);
  fl_rectf(x + 6, y, LabelWidth(label) + 4, fl_height());
  fl_color(kDark);
  DrawLabel(label, x + 8, y + fl_height() - fl_descent());
}

void Painter::staticText(const ui::Window& text, int x, int y) const {
  Fl_Align align = FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP;
  switch (text.style & SS_TYPEMASK) {
    case SS_CENTER:
      align |= FL_ALIGN_CENTER;
      break;
    case SS_RIGHT:
      align |= FL_ALIGN_RIGHT;
      break;
    default:
      align |= FL_ALIGN_LEFT;
      break;
  }
  fl_color(text.enabled ? kDark : kGrayText);
  fl_push_clip(x, y, text.rect.width, text.rect.height);
  std::string shown = (text.style & SS_NOPREFIX) ? text.text : ParseLabel(text.text).text;
  fl_draw(shown.c_str(), x, y, text.rect.width, text.rect.height, align, nullptr, 0);
  fl_pop_clip();
}

void Painter::edit(const ui::Window& edit, int x, int y) const {
  int w = edit.rect.width, h = edit.rect.height;
  bool vertical = edit.style & WS_VSCROLL, horizontal = edit.style & WS_HSCROLL;
  if (edit.style & WS_BORDER) SunkenField(x, y, w, h, edit.enabled);
  int innerW = w - 4 - (vertical ? kScrollBarWidth : 0);
  int innerH = h - 4 - (horizontal ? kScrollBarWidth : 0);
  std::vector<std::string> lines =
      edit.isMultilineEdit() ? Lines(edit.text) : std::vector<std::string>{edit.text};
  auto found = view_.firstLine.find(edit.handle());
  int first = found == view_.firstLine.end() ? 0 : found->second;
  fl_push_clip(x + 2, y + 2, innerW, innerH);
  bool focused = windows_.focus() == edit.handle();
  int lineHeight = LineHeight(edit);
  int lineTop = y + 3 + (edit.isMultilineEdit() ? 0 : (innerH - lineHeight) / 2);
  // The caret and the selection, as offsets within the text of one line.
  size_t offset = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    int row = int(i) - first;
    int baseline = lineTop + row * lineHeight + fl_height() - fl_descent();
    size_t start = size_t(edit.selectionStart), end = size_t(edit.selectionEnd);
    if (row >= 0 && focused && end > start && start < offset + line.size() && end > offset) {
      size_t from = std::max(start, offset) - offset,
             to = std::min(end, offset + line.size()) - offset;
      int sx = x + 3 + int(fl_width(line.c_str(), int(from)));
      int sw = int(fl_width(line.c_str() + from, int(to - from)));
      fl_color(kSelection);
      fl_rectf(sx, lineTop + row * lineHeight, sw, lineHeight);
    }
    if (row >= 0) {
      fl_color(edit.enabled ? kDark : kGrayText);
      fl_draw(line.c_str(), int(line.size()), x + 3, baseline);
    }
    size_t caret = size_t(edit.selectionEnd);
    if (row >= 0 && focused && caret >= offset && caret <= offset + line.size()) {
      int cx = x + 3 + int(fl_width(line.c_str(), int(caret - offset)));
      fl_color(kDark);
      fl_yxline(cx, lineTop + row * lineHeight, lineTop + (row + 1) * lineHeight - 1);
    }
    offset += line.size() + (edit.text.compare(offset + line.size(), 2, "\r\n") == 0 ? 2 : 1);
  }
  fl_pop_clip();
  if (vertical) {
    scrollBar(x + w - 2 - kScrollBarWidth, y + 2, innerH, first, innerH / lineHeight,
              int(lines.size()));
  }
  if (horizontal) {
    fl_color(kFace);
    fl_rectf(x + 2, y + h - 2 - kScrollBarWidth, innerW, kScrollBarWidth);
    RaisedEdge(x + 2, y + h - 2 - kScrollBarWidth, kScrollBarWidth, kScrollBarWidth, false);
    RaisedEdge(x + 2 + innerW - kScrollBarWidth, y + h - 2 - kScrollBarWidth, kScrollBarWidth,
               kScrollBarWidth, false);
  }
}

void Painter::scrollBar(int x, int y, int height, int first, int visible, int total) const {
  fl_color(fl_rgb_color(224, 224, 224));
  fl_rectf(x, y, kScrollBarWidth, height);
  fl_color(kFace);
  fl_rectf(x, y, kScrollBarWidth, kScrollBarWidth);
  RaisedEdge(x, y, kScrollBarWidth, kScrollBarWidth, false);
  fl_rectf(x, y + height - kScrollBarWidth, kScrollBarWidth, kScrollBarWidth);
  RaisedEdge(x, y + height - kScrollBarWidth, kScrollBarWidth, kScrollBarWidth, false);
  fl_color(kDark);
  fl_polygon(x + 4, y + 10, x + 11, y + 10, x + 7, y + 6);
  fl_polygon(x + 4, y + height - 10, x + 11, y + height - 10, x + 7, y + height - 6);
  int track = height - 2 * kScrollBarWidth;
  if (total <= visible || track < 8) return;
  int thumb = std::max(8, track * visible / total);
  int top = y + kScrollBarWidth + (track - thumb) * first / std::max(1, total - visible);
  fl_color(kFace);
  fl_rectf(x, top, kScrollBarWidth, thumb);
  RaisedEdge(x, top, kScrollBarWidth, thumb, false);
}

void Painter::listBox(const ui::Window& list, int x, int y) const {
  int w = list.rect.width, h = list.rect.height;
  SunkenField(x, y, w, h, list.enabled);
  int rows = VisibleRows(list), total = int(list.items.size());
  bool bar = (list.style & WS_VSCROLL) && total > rows;
  auto found = view_.firstRow.find(list.handle());
  int first = found == view_.firstRow.end() ? 0 : found->second;
  int innerW = w - 4 - (bar ? kScrollBarWidth : 0);
  fl_push_clip(x + 2, y + 2, innerW, h - 4);
  bool focused = windows_.focus() == list.handle();
  for (int row = 0; row < rows && first + row < total; ++row) {
    int index = first + row;
    int top = y + 2 + row * RowHeight(list);
    bool selected = index == list.currentSelection;
    if (selected) {
      fl_color(kSelection);
      fl_rectf(x + 2, top, innerW, RowHeight(list));
    }
    fl_color(selected ? kHighlight : kDark);
    fl_draw(list.items[size_t(index)].c_str(), x + 4, top + RowHeight(list) - 4);
    if (selected && focused) FocusRectangle(x + 2, top, innerW, RowHeight(list));
  }
  fl_pop_clip();
  if (bar) scrollBar(x + w - 2 - kScrollBarWidth, y + 2, h - 4, first, rows, total);
}

void Painter::treeView(const ui::Window& tree, int x, int y) const {
  int w = tree.rect.width, h = tree.rect.height;
  SunkenField(x, y, w, h, tree.enabled);
  int rows = VisibleRows(tree), total = int(tree.treeItems.size());
  auto found = view_.firstRow.find(tree.handle());
  int first = found == view_.firstRow.end() ? 0 : found->second;
  bool bar = total > rows;
  int innerW = w - 4 - (bar ? kScrollBarWidth : 0);
  fl_push_clip(x + 2, y + 2, innerW, h - 4);
  for (int row = 0; row < rows && first + row < total; ++row) {
    const ui::TreeItem& item = tree.treeItems[size_t(first + row)];
    int top = y + 2 + row * RowHeight(tree);
    int indent = x + 4 + item.depth * 16;
    if (item.expandable || item.expanded) {
      fl_color(kShadow);
      fl_rect(indent, top + 3, 9, 9);
      fl_color(kDark);
      fl_xyline(indent + 2, top + 7, indent + 6);
      if (!item.expanded) fl_yxline(indent + 4, top + 5, top + 9);
    }
    int textX = indent + 14;
    bool selected = first + row == tree.currentSelection;
    int textW = int(fl_width(item.text.c_str())) + 4;
    if (selected) {
      fl_color(kSelection);
      fl_rectf(textX - 2, top, textW, RowHeight(tree));
    }
    fl_color(selected ? kHighlight : kDark);
    fl_draw(item.text.c_str(), textX, top + RowHeight(tree) - 4);
  }
  fl_pop_clip();
  if (bar) scrollBar(x + w - 2 - kScrollBarWidth, y + 2, h - 4, first, rows, total);
}

// The message box's icon: a question or information mark in a white disc, or
// an exclamation mark in a yellow triangle.
void Painter::icon(const ui::Window& icon, int x, int y) const {
  const ui::Window* box = DialogOf(icon);
  if (!box || !box->dialog) return;
  ui::MessageBoxIcon kind = box->dialog->icon;
  if (kind == ui::MessageBoxIcon::Exclamation) {
    fl_color(kDark);
    fl_polygon(x + 16, y + 1, x + 31, y + 30, x + 1, y + 30);
    fl_color(fl_rgb_color(255, 255, 0));
    fl_polygon(x + 16, y + 4, x + 29, y + 28, x + 3, y + 28);
    fl_color(kDark);
    fl_rectf(x + 15, y + 11, 3, 10);
    fl_rectf(x + 15, y + 23, 3, 3);
    return;
  }
  fl_color(kDark);
  fl_pie(x, y, 32, 32, 0, 360);
  fl_color(kHighlight);
  fl_pie(x + 2, y + 2, 28, 28, 0, 360);
  fl_color(fl_rgb_color(0, 0, 255));
  fl_font(FL_TIMES_BOLD, 24);
  const char* mark = kind == ui::MessageBoxIcon::Question ? "?" : "i";
  fl_draw(mark, x + (32 - int(fl_width(mark))) / 2, y + 25);
}

}  // namespace platform::display
