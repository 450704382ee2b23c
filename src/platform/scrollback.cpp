#include "platform/scrollback.h"

#include <algorithm>

namespace qu {
namespace {

// Bytes at the end of `line` that begin a UTF-8 sequence the line does not finish.
std::size_t unfinishedSequence(std::string_view line) {
  for (std::size_t back = 1; back <= 3 && back <= line.size(); ++back) {
    const auto byte = static_cast<unsigned char>(line[line.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? back : 0;
  }
  return 0;
}

// The first CR or LF; two searches for one byte each are far quicker than one for either.
std::size_t lineBreakAt(std::string_view text) {
  const std::size_t lineFeed = text.find('\n');
  const std::size_t carriageReturn = text.substr(0, lineFeed).find('\r');
  return carriageReturn == std::string_view::npos ? lineFeed : carriageReturn;
}

}  // namespace

// A line of at least four bytes always has room left after carrying a cut sequence over.
Scrollback::Scrollback(std::size_t maxLines, std::size_t maxLineLength)
    : maxLines_(std::max<std::size_t>(maxLines, 1)),
      maxLineLength_(std::max<std::size_t>(maxLineLength, 4)),
      lines_(1) {}

void Scrollback::append(std::string_view output) {
  while (!output.empty()) {
    if (carriageReturn_ && output.front() != '\r' && output.front() != '\n') openLine().clear();
    const std::size_t stop = lineBreakAt(output);
    if (stop != 0) carriageReturn_ = false;
    addText(output.substr(0, stop));
    if (stop == std::string_view::npos) return;
    if (output[stop] == '\n') {
      carriageReturn_ = false;
      endLine();
    } else {
      carriageReturn_ = true;
    }
    output.remove_prefix(stop + 1);
  }
}

std::string Scrollback::text() const {
  std::string joined;
  for (const std::string& line : lines_) {
    if (&line != &lines_.front()) joined += '\n';
    joined += line;
  }
  return joined;
}

ScrollbackChange Scrollback::takeChange() {
  ScrollbackChange change{restart_, std::move(lines_)};
  lines_ = {change.lines.back()};
  restart_ = false;
  return change;
}

void Scrollback::addText(std::string_view text) {
  while (!text.empty()) {
    if (openLine().size() >= maxLineLength_) {
      const std::size_t carried = unfinishedSequence(openLine());
      std::string tail = openLine().substr(openLine().size() - carried);
      openLine().resize(openLine().size() - carried);
      endLine();
      openLine() = std::move(tail);
    }
    const std::size_t taken = std::min(maxLineLength_ - openLine().size(), text.size());
    openLine().append(text.substr(0, taken));
    text.remove_prefix(taken);
  }
}

// Once full, the oldest line's storage is taken for the new one: a flood then allocates nothing.
void Scrollback::endLine() {
  if (lines_.size() < maxLines_) {
    lines_.emplace_back();
    return;
  }
  std::string reused = std::move(lines_.front());
  lines_.pop_front();
  reused.clear();
  lines_.push_back(std::move(reused));
  restart_ = true;
}

}  // namespace qu
