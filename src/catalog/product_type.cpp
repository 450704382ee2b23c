#include "catalog/product_type.h"

#include <algorithm>

#include "catalog/component_sets.h"
#include "catalog/product_catalog.h"

namespace qu {
namespace {

std::string orDefault(const std::string& value, std::string_view fallback) {
  return value.empty() ? std::string(fallback) : value;
}

void takeExpertFields(const ExpertFields& fields, ProductSelection& out) {
  out.indexFileName = orDefault(fields.indexFileName, kDefaultIndexFileName);
  out.indexUrlPath = orDefault(fields.indexUrlPath, kDefaultIndexUrlPath);
  out.components = fields.components;
  out.builds = fields.builds;
  out.applications = fields.applications;
  out.osList = fields.osList;
  out.languageList = fields.languageList;
}

bool anyTicked(const CatalogStep& step, const TickedBoxes& ticked) {
  return std::ranges::any_of(step.boxes,
                             [&](std::string_view box) { return ticked.contains(box); });
}

void appendSet(const CatalogStep& step, const TickedBoxes& ticked, ProductSelection& out) {
  if (!anyTicked(step, ticked)) return;
  out.components += componentSet(step.componentSet);
  for (std::string_view box : step.boxes) {
    if (!ticked.contains(box)) continue;
    const ProductRow& row = productRow(box);
    // A box served by two steps adds its builds and descriptors only once.
    if (row.steps[0] != step.number) continue;
    out.builds += row.builds;
    out.applications += row.applications;
  }
}

void refuse(CatalogRefusal refusal, ProductSelection& out) {
  out.inputError = true;
  out.refusal = refusal;
}

// Steps 1 to 30; returns with the refusal recorded when the selection is refused.
void runCatalogSteps(const TickedBoxes& ticked, ProductSelection& out) {
  for (const CatalogStep& step : catalogSteps()) {
    switch (step.kind) {
      case StepKind::AppendSet:
        appendSet(step, ticked, out);
        break;
      case StepKind::AdminKitRule:
        if (out.components.empty() && anyTicked(step, ticked)) {
          refuse(CatalogRefusal::AdminKitAlone, out);
          return;
        }
        break;
      case StepKind::NothingSelected:
        if (out.components.empty()) refuse(CatalogRefusal::NothingSelected, out);
        break;
    }
  }
}

}  // namespace

std::string traceArgument(bool traceTicked) {
  return traceTicked ? std::string(kTraceSwitch) : "";
}

std::string dumpArgument(bool dumpTicked) {
  return dumpTicked ? "" : std::string(kNoDumpSwitch);
}

ProductSelection ProductType(const SelectionState& state) {
  ProductSelection out;
  out.indexFileName = kDefaultIndexFileName;
  out.indexUrlPath = kDefaultIndexUrlPath;
  out.osList = state.osList;
  out.languageList = state.languageList;
  out.traceArg = traceArgument(state.trace);
  out.dumpArg = dumpArgument(state.dump);

  if (state.updateAll && !state.expertMode) return out;
  if (state.expertMode) {
    takeExpertFields(state.expert, out);
    return out;
  }
  // Neither mode chosen: nothing to filter and nothing to complain about.
  if (!state.updateSelected) return out;
  runCatalogSteps(state.ticked, out);
  return out;
}

}  // namespace qu
