#include "platform/win32/gdi_resources.h"

namespace qu {
namespace {

HFONT createFont(int height, bool bold, bool underlined, const wchar_t* face) {
  return CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underlined, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

// Points to the negative pixel height that asks for the character height, at the screen's
// resolution.
int pixelHeight(int points) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return height;
}

}  // namespace

GdiResources::GdiResources() {
  const int height = pixelHeight(8);
  for (int bold = 0; bold < 2; ++bold) {
    for (int underlined = 0; underlined < 2; ++underlined) {
      fonts_[bold][underlined] = createFont(height, bold, underlined, L"Tahoma");
    }
  }
  pictureFont_ = createFont(-16, true, false, L"Times New Roman");
  white_ = CreateSolidBrush(RGB(255, 255, 255));
}

GdiResources::~GdiResources() {
  for (auto& pair : fonts_) {
    for (HFONT font : pair) DeleteObject(font);
  }
  DeleteObject(pictureFont_);
  DeleteObject(white_);
}

HFONT GdiResources::font(bool bold, bool underlined) const {
  return fonts_[bold ? 1 : 0][underlined ? 1 : 0];
}

HBRUSH GdiResources::background(FormColor color) const {
  return color == FormColor::White ? white_ : GetSysColorBrush(COLOR_BTNHIGHLIGHT);
}

COLORREF GdiResources::backgroundColour(FormColor color) const {
  return color == FormColor::White ? RGB(255, 255, 255) : GetSysColor(COLOR_BTNHIGHLIGHT);
}

void GdiResources::drawPicture(HDC dc, const RECT& area, const std::string& key,
                               FormColor color) const {
  FillRect(dc, &area, background(color));
  if (key.empty()) return;
  const COLORREF disc = key == "info-red" ? RGB(0xD0, 0x20, 0x20) : RGB(0xF0, 0xC0, 0x10);
  HBRUSH brush = CreateSolidBrush(disc);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  Ellipse(dc, area.left, area.top, area.right + 1, area.bottom + 1);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);

  HGDIOBJ oldFont = SelectObject(dc, pictureFont_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT text = area;
  DrawTextW(dc, L"i", 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
}

}  // namespace qu
