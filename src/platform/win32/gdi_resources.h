#pragma once

// Fonts, brushes and pictures the toolkit draws with. The window's fixed geometry was laid out
// for Tahoma 8 pt.

#include <windows.h>

#include <string>

#include "platform/controls.h"

namespace qu {

class GdiResources {
 public:
  GdiResources();
  GdiResources(const GdiResources&) = delete;
  GdiResources& operator=(const GdiResources&) = delete;
  ~GdiResources();

  // Tahoma 8 pt, bold or not, underlined for links.
  HFONT font(bool bold, bool underlined) const;
  HBRUSH background(FormColor color) const;
  COLORREF backgroundColour(FormColor color) const;
  static COLORREF linkColour() { return RGB(0, 0, 255); }

  // The 25 x 25 information icons: "info-red" and "info-yellow", on the given background.
  void drawPicture(HDC dc, const RECT& area, const std::string& key, FormColor color) const;

 private:
  HFONT fonts_[2][2] = {};
  HFONT pictureFont_ = nullptr;
  HBRUSH white_ = nullptr;
};

}  // namespace qu
