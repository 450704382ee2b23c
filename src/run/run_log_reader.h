#pragma once

// Reading the run log as a stream. Only its first and its last line are kept, and of each no
// more than the result line can show, so memory stays the same whatever the log's size.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "run/run_log.h"
#include "settings/text_encoding.h"

namespace qu {

// Takes the log in pieces of any size. Lines end at LF, a CR right before it dropped; a final
// line break makes no empty last line. A byte-order mark tells UTF-8 or UTF-16LE and is not
// part of the text; without one the bytes are read as the INI engine reads them.
class RunLogScanner {
 public:
  void feed(std::string_view bytes);
  // Once, after the last piece. Code and message are cut to kResultLineLength characters.
  RunLogEntry finish();

 private:
  struct Line {
    std::string head;        // the first bytes, as stored
    std::uint64_t size = 0;  // all of them
  };

  // Tells the encoding by the bytes held so far, then scans them.
  void scanStart();
  void scan(std::string_view bytes);
  void addToLine(std::string_view bytes);
  void endLine(bool lineBreak);
  std::string decoded(const Line& line) const;

  std::string start_;  // held until the byte-order mark can be told
  std::optional<TextEncoding> encoding_;
  std::string oddByte_;  // UTF-16LE: half a code unit, cut off between two pieces
  Line code_;
  Line message_;
  Line current_;
  std::uint64_t lines_ = 0;
};

// The run log as a whole, for logs already in memory.
RunLogEntry parseRunLog(std::string_view bytes);

// Throws std::runtime_error, "Unable to read " + path + ": " + the reason, when the file cannot
// be opened or read.
RunLogEntry readRunLog(const std::string& path);

}  // namespace qu
