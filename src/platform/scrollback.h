#pragma once

// A child's output kept the way a terminal keeps its scrollback: the last lines only, each of
// bounded length, so memory stays flat however much the child writes.

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace qu {

inline constexpr std::size_t kScrollbackLines = 10'000;
// In bytes. A longer line wraps onto the next one, as on a terminal, so output without a line
// break costs no more than ordinary lines.
inline constexpr std::size_t kScrollbackLineLength = 512;

// What a view of the lines needs to catch up since it last looked.
struct ScrollbackChange {
  // Lines were dropped from the top in between: `lines` replace everything the view shows.
  bool restart = false;
  // Otherwise the first replaces the view's last line (the one that was still open) and the
  // others follow it. The last is the line still open.
  std::deque<std::string> lines;
};

class Scrollback {
 public:
  explicit Scrollback(std::size_t maxLines = kScrollbackLines,
                      std::size_t maxLineLength = kScrollbackLineLength);

  // Lines end at LF, a CR right before it dropped. A CR followed by anything else starts the
  // line over, the way progress counters redraw themselves. A wrapped line never ends inside a
  // UTF-8 sequence.
  void append(std::string_view output);

  // Oldest first; the last is the line still open ("" right after a line break).
  const std::deque<std::string>& lines() const { return lines_; }
  // The lines joined by LF, as they are shown.
  std::string text() const;
  // Hands over what changed since the last call and keeps only the open line, which further
  // output continues.
  ScrollbackChange takeChange();

 private:
  void addText(std::string_view text);
  void endLine();
  std::string& openLine() { return lines_.back(); }

  std::size_t maxLines_;
  std::size_t maxLineLength_;
  std::deque<std::string> lines_;
  bool restart_ = false;
  bool carriageReturn_ = false;  // the last byte seen was a CR
};

}  // namespace qu
