#pragma once

// The key table of Loc: every text it reads from the language file, in reading order, with the
// built-in English default and the places the text goes. Applying the texts is the forms' job.

#include <span>
#include <string_view>

namespace qu {

enum class LocForm { Main, Settings, Message, Expert };

enum class LocTargetKind {
  Caption,           // the control's caption (a labelled edit's caption is its label)
  CopiedCaption,     // the same text as the read's first target
  CaptionWithColon,  // the text followed by ":"
  WindowCaption,     // the form's own title: kSettingsTitlePrefix followed by the text
  StateField,        // a text field of the main window's state record, by field name
};

struct LocTarget {
  LocTargetKind kind;
  LocForm form;
  std::string_view name;  // control or state-field name; "" for the form itself
};

struct LocRead {
  int number;  // 1 to kLocReadCount, the reading order
  std::string_view key;
  std::string_view defaultText;
  std::span<const LocTarget> targets;
};

inline constexpr int kLocReadCount = 62;
inline constexpr std::string_view kSettingsTitlePrefix = "Quintaris Updater: ";

std::span<const LocRead> locReads();
// Throws std::out_of_range for a number outside 1 to kLocReadCount.
const LocRead& locRead(int number);

}  // namespace qu
