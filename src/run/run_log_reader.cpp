#include "run/run_log_reader.h"

#include <cerrno>
#include <fstream>
#include <ios>
#include <stdexcept>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/utf8_path.h"

namespace qu {
namespace {

// Enough for kResultLineLength characters in any of the log's encodings (four bytes each at
// most), with room for one cut short at the end.
constexpr std::size_t kKeptLineBytes = 4 * kResultLineLength + 16;
constexpr std::size_t kChunkBytes = 64 * 1024;
constexpr std::size_t kMarkBytes = 3;  // the longest byte-order mark

bool endsWithCarriageReturn(std::string_view bytes, TextEncoding encoding) {
  const std::size_t width = codeUnitWidth(encoding);
  return bytes.size() >= width && isAsciiUnitAt(bytes, bytes.size() - width, '\r', encoding);
}

std::string firstCharacters(std::string text, std::size_t count) {
  std::size_t pos = 0;
  for (; pos < text.size() && count > 0; --count) {
    if (!nextUtf8(text, pos)) ++pos;
  }
  text.resize(pos);
  return text;
}

std::runtime_error unreadable(const std::string& path, const std::string& reason) {
  return std::runtime_error("Unable to read " + path + ": " + reason);
}

}  // namespace

void RunLogScanner::feed(std::string_view bytes) {
  if (encoding_) {
    scan(bytes);
    return;
  }
  start_.append(bytes);
  if (start_.size() >= kMarkBytes) scanStart();
}

void RunLogScanner::scanStart() {
  encoding_ = detectEncoding(start_);
  const std::string held = std::exchange(start_, std::string());
  scan(std::string_view(held).substr(byteOrderMark(*encoding_).size()));
}

// UTF-16LE is scanned in whole code units: an LF is only the byte pair "\n\0" at an even offset.
void RunLogScanner::scan(std::string_view bytes) {
  const std::size_t width = codeUnitWidth(*encoding_);
  std::string joined;
  if (width == 2) {
    joined = oddByte_;
    joined.append(bytes);
    const std::size_t whole = joined.size() - joined.size() % 2;
    oddByte_ = joined.substr(whole);
    bytes = std::string_view(joined).substr(0, whole);
  }
  std::size_t lineStart = 0;
  for (std::size_t at = bytes.find('\n'); at != std::string_view::npos;
       at = bytes.find('\n', at + 1)) {
    if (!isAsciiUnitAt(bytes, at, '\n', *encoding_)) continue;
    addToLine(bytes.substr(lineStart, at - lineStart));
    endLine(true);
    lineStart = at + width;
  }
  addToLine(bytes.substr(lineStart));
}

void RunLogScanner::addToLine(std::string_view bytes) {
  current_.size += bytes.size();
  if (current_.head.size() < kKeptLineBytes) {
    current_.head.append(bytes.substr(0, kKeptLineBytes - current_.head.size()));
  }
}

void RunLogScanner::endLine(bool lineBreak) {
  // A CR past the kept bytes is cut off with them.
  if (lineBreak && current_.size == current_.head.size() &&
      endsWithCarriageReturn(current_.head, *encoding_)) {
    current_.head.resize(current_.head.size() - codeUnitWidth(*encoding_));
  }
  (lines_ == 0 ? code_ : message_) = std::move(current_);
  current_ = {};
  ++lines_;
}

RunLogEntry RunLogScanner::finish() {
  if (!encoding_) scanStart();
  addToLine(oddByte_);
  oddByte_.clear();
  if (current_.size > 0) endLine(false);
  return {decoded(code_), decoded(message_)};
}

std::string RunLogScanner::decoded(const Line& line) const {
  return firstCharacters(decodeText(line.head, *encoding_), kResultLineLength);
}

RunLogEntry parseRunLog(std::string_view bytes) {
  RunLogScanner scanner;
  scanner.feed(bytes);
  return scanner.finish();
}

RunLogEntry readRunLog(const std::string& path) {
  std::filebuf file;
  errno = 0;
  if (!file.open(pathFromUtf8(path), std::ios::in | std::ios::binary)) {
    // The standard library leaves the system's reason in errno.
    throw unreadable(path, errno ? std::generic_category().message(errno) : "cannot be opened");
  }
  RunLogScanner scanner;
  std::vector<char> chunk(kChunkBytes);
  try {
    for (std::streamsize count; (count = file.sgetn(chunk.data(), kChunkBytes)) > 0;) {
      scanner.feed(std::string_view(chunk.data(), static_cast<std::size_t>(count)));
    }
  } catch (const std::ios_base::failure& failure) {
    throw unreadable(path, failure.code().message());
  }
  return scanner.finish();
}

}  // namespace qu
