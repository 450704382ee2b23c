#pragma once

#include <string>
#include <string_view>

#include "settings/ini_document.h"

namespace qu::test {

// `text` with the line ends of files the program creates on this platform.
inline std::string withPlatformLineEnds(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += kPlatformLineEnd;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace qu::test
