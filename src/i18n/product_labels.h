#pragma once

// Product labels rebuilt from translated words: the product word (key "QAV"), the word "for"
// (key "For") and a fixed platform phrase that is never looked up. Each label is composed right
// after the read of its group's caption.

#include <span>
#include <string>
#include <string_view>

namespace qu {

enum class LabelStyle {
  ProductWordOnly,  // the product word alone
  ProductFor,       // product word, " ", "for", " ", phrase
  ProductPhrase,    // product word, " ", phrase (no "for")
};

struct ComposedLabel {
  std::string_view label;
  int groupRead;  // the Loc read of the group caption after which the label is composed
  LabelStyle style;
  std::string_view phrase;
};

std::span<const ComposedLabel> composedLabels();
std::string composeLabel(const ComposedLabel& label, std::string_view productWord,
                         std::string_view textFor);

// Product labels Loc never touches: they keep their design captions in every language.
std::span<const std::string_view> fixedProductLabels();

}  // namespace qu
