#include "settings/dubl.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/case_fold.h"

namespace qu {
namespace {

constexpr char kDelimiter = ';';
constexpr char kQuote = '"';

bool isSeparatorControl(char c) {
  return c >= 1 && c <= ' ';
}

void skipControls(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && isSeparatorControl(text[pos])) ++pos;
}

// The quoted item at `pos`, which holds the opening quote; an item never closed runs to the end.
std::string readQuoted(std::string_view text, std::size_t& pos) {
  std::string item;
  for (++pos; pos < text.size(); ++pos) {
    if (text[pos] != kQuote) {
      item.push_back(text[pos]);
    } else if (pos + 1 < text.size() && text[pos + 1] == kQuote) {
      item.push_back(kQuote);
      ++pos;
    } else {
      ++pos;
      break;
    }
  }
  return item;
}

std::string readPlain(std::string_view text, std::size_t& pos) {
  std::size_t start = pos;
  while (pos < text.size() && !isSeparatorControl(text[pos]) && text[pos] != kDelimiter) ++pos;
  return std::string(text.substr(start, pos - start));
}

// Keeps the items ordered by folded text; the first of equal ones stays.
class SortedItems {
 public:
  void add(std::string item) {
    std::string folded = foldCase(item);
    auto at = std::lower_bound(
        items_.begin(), items_.end(), folded,
        [](const auto& entry, const std::string& key) { return entry.first < key; });
    if (at != items_.end() && at->first == folded) return;
    items_.emplace(at, std::move(folded), std::move(item));
  }
  const std::vector<std::pair<std::string, std::string>>& items() const { return items_; }

 private:
  std::vector<std::pair<std::string, std::string>> items_;  // folded, as given
};

SortedItems split(std::string_view text) {
  SortedItems items;
  std::size_t pos = 0;
  skipControls(text, pos);
  while (pos < text.size()) {
    items.add(text[pos] == kQuote ? readQuoted(text, pos) : readPlain(text, pos));
    skipControls(text, pos);
    if (pos < text.size() && text[pos] == kDelimiter) {
      if (pos + 1 == text.size()) items.add("");
      ++pos;
      skipControls(text, pos);
    }
  }
  return items;
}

bool needsQuotes(std::string_view item) {
  return std::any_of(item.begin(), item.end(), [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == kQuote || c == kDelimiter;
  });
}

std::string quoted(std::string_view item) {
  std::string out(1, kQuote);
  for (char c : item) {
    if (c == kQuote) out.push_back(kQuote);
    out.push_back(c);
  }
  out.push_back(kQuote);
  return out;
}

std::string join(const SortedItems& items) {
  const auto& entries = items.items();
  if (entries.size() == 1 && entries.front().second.empty()) return std::string(2, kQuote);
  std::string out;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) out.push_back(kDelimiter);
    const std::string& item = entries[i].second;
    out.append(needsQuotes(item) ? quoted(item) : item);
  }
  return out;
}

}  // namespace

std::string dubl(const std::string& list) {
  // The list is a text as the platform passes it: it ends at a NUL.
  std::string joined = join(split(std::string_view(list).substr(0, list.find('\0'))));
  if (joined.starts_with(kDelimiter)) joined.erase(0, 1);
  return joined;
}

}  // namespace qu
