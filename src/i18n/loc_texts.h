#pragma once

// The texts Loc puts in place, resolved from one language section: what each control shows and
// what each state field holds. The forms apply them; this part only works them out.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/loc_table.h"

namespace qu {

struct LocText {
  LocForm form;
  std::string_view name;  // the control; "" for the form's own title
  std::string text;       // final: ":" or the title prefix already added
};

struct LocTexts {
  std::vector<std::string> reads;  // the value of every read, in table order
  std::vector<LocText> controls;   // in the order Loc applies them, composed labels included
  std::map<std::string_view, std::string, std::less<>> fields;  // state field -> text

  // Throws std::out_of_range for a field Loc does not set.
  const std::string& field(std::string_view name) const;
  // The text Loc gives a control (name "" for the form's title), or nullptr when Loc leaves it
  // alone.
  const std::string* controlText(LocForm form, std::string_view name) const;
};

// Returns the language's text for a key, or the default when the language has none.
using LocLookup = std::function<std::string(std::string_view key, std::string_view defaultText)>;

// Runs the reads of the key table in order through `lookup`.
LocTexts resolveLocTexts(const LocLookup& lookup);
// Every text at its built-in default: what a missing language file gives.
LocTexts defaultLocTexts();

}  // namespace qu
