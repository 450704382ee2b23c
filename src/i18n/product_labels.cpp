#include "i18n/product_labels.h"

namespace qu {
namespace {

constexpr int kHomeRead = 58;
constexpr int kWorkstationsRead = 59;
constexpr int kFileServersRead = 60;
constexpr int kMailRead = 61;
constexpr int kPerimeterRead = 62;

constexpr ComposedLabel kLabels[] = {
    {"L_QAV", kHomeRead, LabelStyle::ProductWordOnly, ""},
    {"L_WKS", kWorkstationsRead, LabelStyle::ProductFor, "Windows Workstations"},
    {"L_SOS", kWorkstationsRead, LabelStyle::ProductPhrase, "SOS"},
    {"L_LWS", kWorkstationsRead, LabelStyle::ProductFor, "Linux Workstations"},
    {"L_WFS", kFileServersRead, LabelStyle::ProductFor, "Windows Servers"},
    {"L_WSEE", kFileServersRead, LabelStyle::ProductFor, "Windows Servers EE"},
    {"L_LFS", kFileServersRead, LabelStyle::ProductFor, "Linux File Servers"},
    {"L_UFS", kFileServersRead, LabelStyle::ProductFor, "Unix File Servers"},
    {"L_SFS", kFileServersRead, LabelStyle::ProductFor, "Samba Servers"},
    {"L_NNW", kFileServersRead, LabelStyle::ProductFor, "Novell NetWare"},
    // Composed in the plural: the design caption names two server versions.
    {"L_QAVE", kMailRead, LabelStyle::ProductFor, "Microsoft Exchange Servers"},
    {"L_Lotus", kMailRead, LabelStyle::ProductFor, "Lotus Notes/Domino"},
    {"L_LMail", kMailRead, LabelStyle::ProductFor, "Linux Mail Servers"},
    {"L_UMail", kMailRead, LabelStyle::ProductFor, "Unix Mail Servers"},
    {"L_Milter", kMailRead, LabelStyle::ProductFor, "Sendmail with Milter API"},
    {"L_ISA", kPerimeterRead, LabelStyle::ProductFor, "Microsoft ISA Server"},
    {"L_ChPoint", kPerimeterRead, LabelStyle::ProductFor, "Check Point Firewall-1"},
    {"L_Proxy", kPerimeterRead, LabelStyle::ProductFor, "Proxy Server"},
};

constexpr std::string_view kFixedLabels[] = {"L_QIS", "L_QSEx3", "L_QSEx7", "L_QMGW", "L_QAS"};

}  // namespace

std::span<const ComposedLabel> composedLabels() {
  return kLabels;
}

std::span<const std::string_view> fixedProductLabels() {
  return kFixedLabels;
}

std::string composeLabel(const ComposedLabel& label, std::string_view productWord,
                         std::string_view textFor) {
  std::string text(productWord);
  if (label.style == LabelStyle::ProductWordOnly) return text;
  text += ' ';
  if (label.style == LabelStyle::ProductFor) {
    text += textFor;
    text += ' ';
  }
  text += label.phrase;
  return text;
}

}  // namespace qu
