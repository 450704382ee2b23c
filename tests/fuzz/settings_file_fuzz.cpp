// libFuzzer entry for the settings-file engine. Any stored bytes and any changes: read the file,
// change a few keys, write it, read it again. Nothing may crash, every key the changes leave
// alone must read as before, a deleted key must be gone, and a written value must read back
// exactly, its line breaks as blanks. Values that are not valid UTF-8 are left out of that last
// check: stray bytes read back as Windows-1252 characters.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/case_fold.h"
#include "settings/ini_document.h"
#include "settings/text_encoding.h"

namespace {

using qu::IniDocument;

struct KeyName {
  std::string section;
  std::string key;
};

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string folded(std::string_view name) {
  return qu::foldCase(trimmed(name));
}

// The keys a file holds, found the simple way: "[section]" lines and "key=" lines after them.
std::vector<KeyName> keysIn(std::string_view bytes) {
  const qu::TextEncoding encoding = qu::detectEncoding(bytes);
  const std::string text =
      qu::decodeText(bytes.substr(qu::byteOrderMark(encoding).size()), encoding);
  std::vector<KeyName> keys;
  std::string section;
  for (std::size_t start = 0; start < text.size() && keys.size() < 16;) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = trimmed(std::string_view(text).substr(start, end - start));
    if (line.starts_with('[')) {
      section = std::string(line.substr(1, line.find(']') - 1));
    } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
      keys.push_back({section, std::string(line.substr(0, equals))});
    }
    start = end + 1;
  }
  return keys;
}

// A name as the program writes one: letters, digits and a few marks, blanks only inside.
std::string programName(FuzzedDataProvider& data) {
  std::string name;
  for (char c : data.ConsumeRandomLengthString(12)) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (letter || c == '_' || c == '.' || c == '-' || c == ' ') name += c;
  }
  name = std::string(trimmed(name));
  return name.empty() ? "k" : name;
}

// What a written value reads back as, or nothing when that is not fixed.
std::optional<std::string> readBack(std::string value) {
  for (std::size_t pos = 0; pos < value.size();) {
    if (!qu::nextUtf8(value, pos)) return std::nullopt;
  }
  std::replace_if(
      value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return value;
}

// Assigned values, or nothing for a deleted key, by folded section and key name.
using Changes = std::map<std::pair<std::string, std::string>, std::optional<std::string>>;

Changes change(IniDocument& document, FuzzedDataProvider& input) {
  Changes changes;
  for (int count = input.ConsumeIntegralInRange(1, 3); count > 0; --count) {
    const KeyName name{programName(input), programName(input)};
    std::optional<std::string> value;
    if (input.ConsumeBool()) value = input.ConsumeRandomLengthString(40);
    if (value) {
      document.assign(name.section, name.key, *value);
    } else {
      document.erase(name.section, name.key);
    }
    changes[{folded(name.section), folded(name.key)}] = value;
  }
  return changes;
}

bool touched(const Changes& changes, std::string_view key) {
  return std::any_of(changes.begin(), changes.end(),
                     [&](const auto& entry) { return entry.first.second == folded(key); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  // The file first, so that a seed's bytes stay a file.
  const std::string stored =
      input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, size));
  IniDocument document(stored);
  const std::vector<KeyName> keys = keysIn(stored);
  std::vector<std::optional<std::string>> before;
  for (const KeyName& name : keys) before.push_back(document.find(name.section, name.key));
  const Changes changes = change(document, input);

  const IniDocument reread(document.bytes());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const bool same = reread.find(keys[i].section, keys[i].key) == before[i];
    if (!same && !touched(changes, keys[i].key)) __builtin_trap();
  }
  for (const auto& [name, value] : changes) {
    const std::optional<std::string> read = reread.find(name.first, name.second);
    if (!value && read) __builtin_trap();
    if (value && readBack(*value) && read != readBack(*value)) __builtin_trap();
  }
  return 0;
}
