#pragma once

// The contents of one INI file held in memory for a single access: lookups and edits that
// leave every line they do not touch exactly as it was stored. The rules are those documented
// on IniFile.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/text_encoding.h"

namespace qu {

// The line end of files this program creates.
#ifdef _WIN32
inline constexpr std::string_view kPlatformLineEnd = "\r\n";
#else
inline constexpr std::string_view kPlatformLineEnd = "\n";
#endif

class IniDocument {
 public:
  // Any bytes are accepted; nothing in them is an error.
  explicit IniDocument(std::string_view bytes);

  std::optional<std::string> find(std::string_view section, std::string_view key) const;
  void assign(std::string_view section, std::string_view key, std::string_view value);
  // True when a line was removed.
  bool erase(std::string_view section, std::string_view key);
  std::string bytes() const;

 private:
  enum class LineKind { Other, Section, Key };
  struct Line {
    std::string raw;  // stored bytes without the line end
    std::string end;  // stored line end; empty on a last line that has none
    LineKind kind = LineKind::Other;
    std::string name;   // folded section or key name
    std::string value;  // a key's value as read
  };
  struct LineBreak {
    std::size_t at;      // where the line's text ends
    std::size_t length;  // bytes of the line end; 0 at the end of the file
  };
  struct Span {
    std::size_t header;
    std::size_t end;  // one past the section's last line
  };

  LineBreak findLineBreak(std::string_view body, std::size_t from) const;
  void classify(Line& line) const;
  Line storedLine(std::string raw, std::string end) const;
  Line makeLine(std::string_view text) const;
  void setValue(Line& line, std::string_view value) const;
  void endLine(std::size_t index);
  std::optional<Span> findSection(std::string_view section) const;
  std::optional<std::size_t> findKey(const Span& span, std::string_view folded) const;

  TextEncoding encoding_;
  std::string lineEnd_;  // for new lines: the file's own, else the platform's
  std::vector<Line> lines_;
};

}  // namespace qu
