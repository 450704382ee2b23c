#pragma once

// Access to an INI file by path, as the updater utility and the language file expect it.
//
// Every call is one whole access to the file: it is read (and, for a change, replaced) before
// the call returns; nothing is cached and no handle outlives the call.
//
// Format
// - Lines end in LF, CR LF or a CR alone.
// - "[name]" opens a section; "key=value" is a key of the section above it. Section and key
//   names match without regard to letter case (including the non-ASCII letters that foldCase
//   folds) and to surrounding blanks (spaces and tabs).
// - A value is the text after the first "=", without surrounding blanks and without one pair of
//   matching double or single quotes when it has two or more characters; a quote on one side
//   only stays. Values are never cut, whatever their length.
// - A line whose first non-blank character is ";" or "#" is a comment. A line without "=" that
//   does not open a section is kept but means nothing. A "[" line without "]" still opens a
//   section, named by the rest of the line; text after the "]" is ignored.
// - Lines before the first section belong to no section: they are kept and never read.
// - Duplicates: the first section of a name is the one read and written; later sections of the
//   same name are kept but never reached. Within it the first line of a key is read and
//   written, and DeleteKey removes every line of that key, so a deleted key reads as absent.
//
// Reading never fails: a missing or unreadable file, section or key gives the caller's default.
// A key with nothing after "=" gives "".
//
// ReadInteger takes a decimal with an optional sign, or hexadecimal after "$", or after
// "0x"/"0X" when the text has three or more characters, within the range of int; anything else
// ("" included) gives the default.
//
// Writing
// - A value reads back exactly as written: one with blanks at either end, or with the same
//   quote (double or single) at both ends, is stored inside double quotes, which reading strips;
//   any other value is stored bare. Line breaks in a section, key or value are written as
//   blanks (they cannot add lines of their own), and the value reads back with those blanks.
// - WriteString replaces the value where the key stands, keeping the text up to the "=" and
//   the blanks after it (an empty value leaves nothing after the "="). A line that already
//   reads as the value keeps its bytes, so writing a value again changes nothing. A new key
//   goes right after the last key of its section (after the header when it has none), ahead of
//   trailing blank lines and comments; a new section goes at the end of the file. Missing files
//   are created.
// - DeleteKey of a key, section or file that is not there changes nothing and writes nothing.
// - Every other line keeps its bytes: comments, blank lines, order, spacing and each line's own
//   line end. New lines take the line end of the file's first line (CR LF, LF or CR), and in a
//   file without one the platform's (LF here, CR LF on Windows). A last line without a line end
//   gets one when a line is added after it.
// - Encodings: a UTF-8 byte-order mark means UTF-8 and is kept; a UTF-16LE byte-order mark means
//   UTF-16LE, which new lines are written in too (a last odd byte, half a character, is
//   dropped); without a mark the file is UTF-8, with bytes that are not valid UTF-8 read as
//   Windows-1252 and kept as they are on lines not rewritten.
//   On Windows a file without a mark is in the ANSI code page instead, and a value that the
//   code page cannot hold is a refused write. New files have no byte-order mark.
// - Each write replaces the file atomically (see replaceFile): permissions, owner and group
//   are kept, symbolic links followed, new files readable by their owner only. A refused write
//   (read-only file, folder that is not writable or missing, an existing file that cannot be
//   read, which would otherwise be lost) throws IniWriteError and leaves the file as it was.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "settings/ini_document.h"

namespace qu {

class IniWriteError : public std::runtime_error {
 public:
  // what() is "Unable to write to " followed by the full path.
  explicit IniWriteError(const std::filesystem::path& path);
};

class IniFile {
 public:
  // Never fails: the file is touched only by the calls below.
  explicit IniFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void DeleteKey(const std::string& section, const std::string& key);

 private:
  std::filesystem::path path_;
};

// Many changes to one file in a single replacement: the file is read once, changed in call order
// and replaced once by commit(), leaving the bytes the same IniFile calls would leave. A refused
// change throws at once and nothing is written; a batch that goes without commit() writes
// nothing either.
class IniBatch {
 public:
  explicit IniBatch(std::filesystem::path path);

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void DeleteKey(const std::string& section, const std::string& key);
  // Replaces the file if anything changed; IniWriteError when that is refused.
  void commit();

 private:
  std::filesystem::path path_;
  std::optional<IniDocument> document_;  // none: the file exists but cannot be read
  bool changed_ = false;
};

// The file as one read found it, for callers that read many keys together: each read gives what
// IniFile's read would have given at that moment, without opening the file again.
class IniSnapshot {
 public:
  explicit IniSnapshot(const std::filesystem::path& path);

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;

 private:
  std::optional<IniDocument> document_;  // none: the file is missing or unreadable
};

}  // namespace qu
