#include "i18n/loc_texts.h"

#include <algorithm>
#include <stdexcept>

#include "i18n/product_labels.h"

namespace qu {
namespace {

std::string targetText(LocTargetKind kind, const std::string& value) {
  switch (kind) {
    case LocTargetKind::CaptionWithColon:
      return value + ":";
    case LocTargetKind::WindowCaption:
      return std::string(kSettingsTitlePrefix) + value;
    case LocTargetKind::Caption:
    case LocTargetKind::CopiedCaption:
    case LocTargetKind::StateField:
      break;
  }
  return value;
}

void applyRead(const LocRead& read, const std::string& value, LocTexts& out) {
  for (const LocTarget& target : read.targets) {
    if (target.kind == LocTargetKind::StateField) {
      out.fields[target.name] = value;
    } else {
      out.controls.push_back({target.form, target.name, targetText(target.kind, value)});
    }
  }
}

// The labels of a group are rebuilt right after its caption, from the words read before it.
void composeLabelsAfter(const LocRead& read, LocTexts& out) {
  for (const ComposedLabel& label : composedLabels()) {
    if (label.groupRead != read.number) continue;
    out.controls.push_back({LocForm::Main, label.label,
                            composeLabel(label, out.field("ProductPrefix"), out.field("TextFor"))});
  }
}

}  // namespace

const std::string& LocTexts::field(std::string_view name) const {
  const auto found = fields.find(name);
  if (found == fields.end()) throw std::out_of_range("Loc sets no field " + std::string(name));
  return found->second;
}

const std::string* LocTexts::controlText(LocForm form, std::string_view name) const {
  const auto found = std::ranges::find_if(
      controls, [&](const LocText& text) { return text.form == form && text.name == name; });
  return found == controls.end() ? nullptr : &found->text;
}

LocTexts resolveLocTexts(const LocLookup& lookup) {
  LocTexts out;
  for (const LocRead& read : locReads()) {
    std::string value = lookup(read.key, read.defaultText);
    applyRead(read, value, out);
    out.reads.push_back(std::move(value));
    composeLabelsAfter(read, out);
  }
  return out;
}

LocTexts defaultLocTexts() {
  return resolveLocTexts(
      [](std::string_view, std::string_view defaultText) { return std::string(defaultText); });
}

}  // namespace qu
