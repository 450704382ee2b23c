#include "settings/ini_document.h"

#include <algorithm>

#include "settings/case_fold.h"

namespace qu {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trimBlanks(std::string_view text) {
  std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool isBlank(char c) {
  return kBlanks.find(c) != std::string_view::npos;
}

bool isEnclosedInQuotes(std::string_view value) {
  return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
         value.back() == value.front();
}

// One pair of matching quotes around a value of two or more characters goes; a quote on one
// side only stays.
std::string_view unquote(std::string_view value) {
  return isEnclosedInQuotes(value) ? value.substr(1, value.size() - 2) : value;
}

std::string foldName(std::string_view name) {
  return foldCase(trimBlanks(name));
}

// A line break inside a name or value would start a line of its own choosing in the file.
std::string singleLine(std::string_view text) {
  std::string line(text);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return line;
}

// The value as stored: bare when reading gives it back unchanged, otherwise in double quotes,
// of which reading (here and in the utility) strips exactly one pair. Values without surrounding
// blanks or quotes, what people and the utility write, keep their bare form.
std::string storedValue(std::string_view value) {
  std::string line = singleLine(value);
  bool bare = line.empty() ||
              (!isBlank(line.front()) && !isBlank(line.back()) && !isEnclosedInQuotes(line));
  return bare ? line : '"' + line + '"';
}

std::string sectionLine(std::string_view section) {
  std::string line(1, '[');
  line.append(singleLine(trimBlanks(section))).push_back(']');
  return line;
}

}  // namespace

IniDocument::IniDocument(std::string_view bytes) : encoding_(detectEncoding(bytes)) {
  std::string_view body = bytes.substr(byteOrderMark(encoding_).size());
  // Half a code unit at the end means nothing; kept, it would put every line added after it one
  // byte off.
  body.remove_suffix(body.size() % codeUnitWidth(encoding_));
  for (std::size_t start = 0; start < body.size();) {
    LineBreak lineBreak = findLineBreak(body, start);
    lines_.push_back(storedLine(std::string(body.substr(start, lineBreak.at - start)),
                                std::string(body.substr(lineBreak.at, lineBreak.length))));
    start = lineBreak.at + lineBreak.length;
  }
  bool hasLineEnd = !lines_.empty() && !lines_.front().end.empty();
  lineEnd_ = hasLineEnd ? lines_.front().end : encodeText(kPlatformLineEnd, encoding_);
}

std::optional<std::string> IniDocument::find(std::string_view section, std::string_view key) const {
  auto span = findSection(section);
  if (!span) return std::nullopt;
  auto at = findKey(*span, foldName(key));
  if (!at) return std::nullopt;
  return lines_[*at].value;
}

void IniDocument::assign(std::string_view section, std::string_view key, std::string_view value) {
  std::string keyLine = singleLine(trimBlanks(key)) + "=" + storedValue(value);
  auto span = findSection(section);
  if (!span) {
    if (!lines_.empty()) endLine(lines_.size() - 1);
    lines_.push_back(makeLine(sectionLine(section)));
    lines_.push_back(makeLine(keyLine));
    return;
  }
  if (auto at = findKey(*span, foldName(key))) {
    // A line that already reads as the value keeps its bytes, however it was written.
    if (lines_[*at].value != singleLine(value)) setValue(lines_[*at], storedValue(value));
    return;
  }
  // Right after the section's last key, so that blank lines and comments ahead of the next
  // section stay with it.
  std::size_t last = span->header;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    if (lines_[i].kind == LineKind::Key) last = i;
  }
  endLine(last);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), makeLine(keyLine));
}

bool IniDocument::erase(std::string_view section, std::string_view key) {
  auto span = findSection(section);
  if (!span) return false;
  std::string folded = foldName(key);
  auto first = lines_.begin() + static_cast<std::ptrdiff_t>(span->header + 1);
  auto last = lines_.begin() + static_cast<std::ptrdiff_t>(span->end);
  auto kept = std::remove_if(first, last, [&](const Line& line) {
    return line.kind == LineKind::Key && line.name == folded;
  });
  if (kept == last) return false;
  lines_.erase(kept, last);
  return true;
}

std::string IniDocument::bytes() const {
  std::string out(byteOrderMark(encoding_));
  for (const Line& line : lines_) out.append(line.raw).append(line.end);
  return out;
}

// LF, CR LF, or a CR alone, as files written on every platform end their lines.
IniDocument::LineBreak IniDocument::findLineBreak(std::string_view body, std::size_t from) const {
  auto isBreakByte = [](char c) { return c == '\n' || c == '\r'; };
  auto isBreakUnit = [&](std::size_t at) {
    // In UTF-16 a CR or LF byte may be half of another character.
    return isAsciiUnitAt(body, at, '\n', encoding_) || isAsciiUnitAt(body, at, '\r', encoding_);
  };
  std::size_t at = from;
  while (at < body.size() && !(isBreakByte(body[at]) && isBreakUnit(at))) ++at;
  if (at == body.size()) return {at, 0};
  std::size_t width = codeUnitWidth(encoding_);
  bool crLf =
      isAsciiUnitAt(body, at, '\r', encoding_) && isAsciiUnitAt(body, at + width, '\n', encoding_);
  return {at, crLf ? 2 * width : width};
}

void IniDocument::classify(Line& line) const {
  std::string decoded = decodeText(line.raw, encoding_);
  std::string_view text = trimBlanks(decoded);
  line.kind = LineKind::Other;
  if (text.empty() || text.front() == ';' || text.front() == '#') return;
  if (text.front() == '[') {
    line.kind = LineKind::Section;
    line.name = foldName(text.substr(1, text.find(']') - 1));
    return;
  }
  std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return;
  line.kind = LineKind::Key;
  line.name = foldName(text.substr(0, equals));
  line.value = unquote(trimBlanks(text.substr(equals + 1)));
}

IniDocument::Line IniDocument::storedLine(std::string raw, std::string end) const {
  Line line;
  line.raw = std::move(raw);
  line.end = std::move(end);
  classify(line);
  return line;
}

IniDocument::Line IniDocument::makeLine(std::string_view text) const {
  return storedLine(encodeText(text, encoding_), lineEnd_);
}

// The stored text up to the "=" stays as it was, and so do the blanks after it unless the new
// value is empty, which leaves nothing after the "=". A stored value never starts with a blank
// (it would be quoted), so the kept blanks cannot grow from one write to the next.
void IniDocument::setValue(Line& line, std::string_view value) const {
  std::size_t width = codeUnitWidth(encoding_);
  std::size_t cut = 0;
  while (cut < line.raw.size() && !isAsciiUnitAt(line.raw, cut, '=', encoding_)) cut += width;
  cut += width;
  auto blankAt = [&](std::size_t at) {
    return isAsciiUnitAt(line.raw, at, ' ', encoding_) ||
           isAsciiUnitAt(line.raw, at, '\t', encoding_);
  };
  while (!value.empty() && blankAt(cut)) cut += width;
  line.raw = line.raw.substr(0, cut) + encodeText(value, encoding_);
  classify(line);
}

// A line gets a line end before another is added after it (only the file's last line can be
// without one).
void IniDocument::endLine(std::size_t index) {
  if (lines_[index].end.empty()) lines_[index].end = lineEnd_;
}

std::optional<IniDocument::Span> IniDocument::findSection(std::string_view section) const {
  std::string folded = foldName(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind != LineKind::Section || lines_[i].name != folded) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && lines_[end].kind != LineKind::Section) ++end;
    return Span{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const Span& span, std::string_view folded) const {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    if (lines_[i].kind == LineKind::Key && lines_[i].name == folded) return i;
  }
  return std::nullopt;
}

}  // namespace qu
