#include "catalog/product_catalog.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace qu {
namespace {

constexpr ProductLabel kHomeLabels[] = {
    {"L_QAV", "Quintaris Anti-Virus"},
    {"L_QIS", "Quintaris Internet Security"},
};
constexpr ProductLabel kWorkstationLabels[] = {
    {"L_WKS", "Quintaris Anti-Virus for Windows Workstations"},
    {"L_SOS", "Quintaris Anti-Virus SOS"},
    {"L_LWS", "Quintaris Anti-Virus for Linux Workstations"},
};
constexpr ProductLabel kFileServerLabels[] = {
    {"L_WFS", "Quintaris Anti-Virus for Windows Servers"},
    {"L_WSEE", "Quintaris Anti-Virus for Windows Servers EE"},
    {"L_LFS", "Quintaris Anti-Virus for Linux File Servers"},
    {"L_UFS", "Quintaris Anti-Virus for Unix File Servers"},
    {"L_SFS", "Quintaris Anti-Virus for Samba Servers"},
    {"L_NNW", "Quintaris Anti-Virus for Novell NetWare"},
};
constexpr ProductLabel kMailLabels[] = {
    {"L_QSEx3", "Quintaris Security for Microsoft Exchange Server 2003"},
    {"L_QSEx7", "Quintaris Security for Microsoft Exchange Server 2007"},
    {"L_QAVE", "Quintaris Anti-Virus for Microsoft Exchange Server 2000/2003"},
    {"L_Lotus", "Quintaris Anti-Virus for Lotus Notes/Domino"},
    {"L_LMail", "Quintaris Anti-Virus for Linux Mail Servers"},
    {"L_UMail", "Quintaris Anti-Virus for Unix Mail Servers"},
    {"L_Milter", "Quintaris Anti-Virus for Sendmail with Milter API"},
    {"L_QMGW", "Quintaris Mail Gateway"},
    {"L_QAS", "Quintaris Anti-Spam"},
};
constexpr ProductLabel kPerimeterLabels[] = {
    {"L_ISA", "Quintaris Anti-Virus for Microsoft ISA Server "},  // the trailing blank is original
    {"L_ChPoint", "Quintaris Anti-Virus for Check Point Firewall-1"},
    {"L_Proxy", "Quintaris Anti-Virus for Proxy Server"},
};

constexpr ProductGroup kGroups[] = {
    {"GB_Home", "Home products:", 324, 113, kHomeLabels},
    {"GB_WKS", "Workstations:", 324, 129, kWorkstationLabels},
    {"GB_FS", "File servers:", 324, 241, kFileServerLabels},
    {"GB_Mail", "Mail systems:", 324, 305, kMailLabels},
    {"GB_Perim", "Perimeter protection:", 324, 113, kPerimeterLabels},
    {"GB_AK", "Quintaris Administration Kit:", 324, 65, {}},
};

constexpr std::string_view kBuilds124 = "119;123;124;125;138;";
constexpr std::string_view kBuilds614 = "614;621;";
constexpr std::string_view kBuilds321 = "321;325;";
constexpr std::string_view kBuilds678 = "678;690;";
constexpr std::string_view kBuilds830 = "830;837;";
constexpr std::string_view kBeta = "8.0 Beta";
constexpr int kLegacyStep = 18;

constexpr ProductRow kRows[] = {
    // box, group, position, label, caption, hidden, steps, builds, applications
    {"ChBox_QAV_1", "GB_Home", 7, "L_QAV", "6.0.2.[614-621]", false, {9, 0}, kBuilds614, ""},
    {"ChBox_QAV_2", "GB_Home", 9, "L_QAV", "7.0.0.[124-125]", false, {5, 0}, kBuilds124, ""},
    {"ChBox_QAV_3", "GB_Home", 6, "L_QAV", "7.0.1.[321-325]", false, {7, 0}, kBuilds321, ""},
    {"ChBox_QAV_4", "GB_Home", 2, "L_QAV", "8.0.0.357", false, {1, 0}, "", "QAV 8.0.0.[357-358];"},
    {"ChBox_QAV_5", "GB_Home", 4, "L_QAV", "8.0.0.454", false, {3, 0}, "", "QAV 8.0.0.454;"},
    {"ChBox_QAV_6", "GB_Home", 12, "L_QAV", "8.0.0.506", false, {3, 0}, "", "QAV 8.0.0.506;"},
    {"ChBox_QIS_1", "GB_Home", 11, "L_QIS", "6.0.2.[614-621]", false, {10, 0}, kBuilds614, ""},
    {"ChBox_QIS_2", "GB_Home", 8, "L_QIS", "7.0.0.[124-125]", false, {6, 0}, kBuilds124, ""},
    {"ChBox_QIS_3", "GB_Home", 10, "L_QIS", "7.0.1.[321-325]", false, {8, 0}, kBuilds321, ""},
    {"ChBox_QIS_4", "GB_Home", 3, "L_QIS", "8.0.0.357", false, {2, 0}, "", "QIS 8.0.0.[357-358];"},
    {"ChBox_QIS_5", "GB_Home", 5, "L_QIS", "8.0.0.454", false, {4, 0}, "", "QIS 8.0.0.454;"},
    {"ChBox_QIS_6", "GB_Home", 13, "L_QIS", "8.0.0.506", false, {4, 0}, "", "QIS 8.0.0.506;"},

    {"ChBox_WKS_1", "GB_WKS", 3, "L_WKS", "5.0.[225-228]", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_WKS_2", "GB_WKS", 4, "L_WKS", "5.0.[676-712]", false, {17, 0}, "", ""},
    {"ChBox_WKS_3", "GB_WKS", 5, "L_WKS", "6.0.2.[678-690]", false, {10, 0}, kBuilds678, ""},
    {"ChBox_WKS_4", "GB_WKS", 6, "L_WKS", "6.0.3.[830-837]", false, {10, 0}, kBuilds830, ""},
    {"ChBox_WKS_5", "GB_WKS", 10, "L_WKS", kBeta, true, {11, 0}, "", "WKS 8.0.0.1015;"},
    {"ChBox_SOS_1", "GB_WKS", 7, "L_SOS", "5.0.712", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_SOS_2", "GB_WKS", 8, "L_SOS", "6.0.3.837", false, {13, 0}, "837;", ""},
    {"ChBox_SOS_3", "GB_WKS", 11, "L_SOS", kBeta, true, {12, 0}, "", "SOS 8.0.0.1015;"},
    {"ChBox_LWS_1", "GB_WKS", 9, "L_LWS", "5.7.[17-26]", false, {kLegacyStep, 0}, "", ""},

    {"ChBox_WS_1", "GB_FS", 11, "L_WFS", "5.0.[77-78]", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_WS_2", "GB_FS", 6, "L_WFS", "6.0.2.[678-690]", false, {13, 0}, kBuilds678, ""},
    {"ChBox_WS_3", "GB_FS", 7, "L_WFS", "6.0.3.[830-837]", false, {13, 0}, kBuilds830, ""},
    {"ChBox_WS_4", "GB_FS", 16, "L_WFS", kBeta, true, {14, 0}, "", "FS 8.0.0.1015;"},
    {"ChBox_WSE_1", "GB_FS", 8, "L_WSEE", "6.0.0.454", false, {15, 0}, "6.0.0.454;", ""},
    {"ChBox_WSE_2", "GB_FS", 9, "L_WSEE", "6.0.1.511", false, {15, 0}, "6.0.1.511;", ""},
    {"ChBox_WSE_3", "GB_FS", 10, "L_WSEE", "6.0.2.551", false, {15, 16}, "6.0.2.551;", ""},
    // No step reads the Windows Servers EE beta: it is kept only for its stored position.
    {"ChBox_WSE_4", "GB_FS", 17, "L_WSEE", kBeta, true, {0, 0}, "", ""},
    {"ChBox_LinS_1", "GB_FS", 15, "L_LFS", "5.7.[17-26]", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_UniS_1", "GB_FS", 14, "L_UFS", "5.5.27.4", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_SamS_1", "GB_FS", 13, "L_SFS", "5.5.[9-14]", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_Nov_1", "GB_FS", 12, "L_NNW", "5.7.3", false, {22, 0}, "", ""},

    {"ChBox_QSE_1", "GB_Mail", 10, "L_QSEx3", "5.5.1354.0", false, {21, 0}, "", ""},
    {"ChBox_QSE_2", "GB_Mail", 11, "L_QSEx3", "5.5.1388.0", false, {21, 0}, "", ""},
    {"ChBox_QSE_3", "GB_Mail", 15, "L_QSEx7", "6.0.715", false, {19, 0}, "", ""},
    {"ChBox_QSE_4", "GB_Mail", 16, "L_QSEx7", "6.0.744", false, {20, 0}, "", ""},
    {"ChBox_QAVE_1", "GB_Mail", 9, "L_QAVE", "5.5.1185.0", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_Lotus_1", "GB_Mail", 12, "L_Lotus", "5.5.1392", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_LinMail_1", "GB_Mail", 17, "L_LMail", "5.6.[26.3-38.1]", false, {23, 0}, "", ""},
    {"ChBox_UniMail_1", "GB_Mail", 13, "L_UMail", "5.5.33", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_Milter_1", "GB_Mail", 14, "L_Milter", "5.6.20.2", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_MGW_1", "GB_Mail", 18, "L_QMGW", "5.6.28.0", false, {24, 0}, "", ""},
    {"ChBox_QAS_1", "GB_Mail", 19, "L_QAS", "3.0.278.4", false, {26, 0}, "", ""},
    {"ChBox_QAS_2", "GB_Mail", 20, "L_QAS", "3.0.284.1", false, {25, 0}, "", ""},

    {"ChBox_ISA_1", "GB_Perim", 5, "L_ISA", "2000 SE/EE", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_ISA_2", "GB_Perim", 3, "L_ISA", "2004/2006 SE/EE", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_Point_1", "GB_Perim", 4, "L_ChPoint", "5.5.161", false, {kLegacyStep, 0}, "", ""},
    {"ChBox_Proxy_1", "GB_Perim", 6, "L_Proxy", "5.5.[41-51]", false, {kLegacyStep, 0}, "", ""},

    {"ChBox_AK_1", "GB_AK", 0, "", "6.0.[1405-1710]", false, {27, 28}, "", ""},
    {"ChBox_AK_2", "GB_AK", 1, "", kBeta, true, {27, 29}, "", ""},
};
static_assert(std::size(kRows) == kProductRowCount);

constexpr std::string_view kStep1[] = {"ChBox_QAV_4"};
constexpr std::string_view kStep2[] = {"ChBox_QIS_4"};
constexpr std::string_view kStep3[] = {"ChBox_QAV_5", "ChBox_QAV_6"};
constexpr std::string_view kStep4[] = {"ChBox_QIS_5", "ChBox_QIS_6"};
constexpr std::string_view kStep5[] = {"ChBox_QAV_2"};
constexpr std::string_view kStep6[] = {"ChBox_QIS_2"};
constexpr std::string_view kStep7[] = {"ChBox_QAV_3"};
constexpr std::string_view kStep8[] = {"ChBox_QIS_3"};
constexpr std::string_view kStep9[] = {"ChBox_QAV_1"};
constexpr std::string_view kStep10[] = {"ChBox_QIS_1", "ChBox_WKS_3", "ChBox_WKS_4"};
constexpr std::string_view kStep11[] = {"ChBox_WKS_5"};
constexpr std::string_view kStep12[] = {"ChBox_SOS_3"};
constexpr std::string_view kStep13[] = {"ChBox_WS_2", "ChBox_WS_3", "ChBox_SOS_2"};
constexpr std::string_view kStep14[] = {"ChBox_WS_4"};
constexpr std::string_view kStep15[] = {"ChBox_WSE_1", "ChBox_WSE_2", "ChBox_WSE_3"};
constexpr std::string_view kStep16[] = {"ChBox_WSE_3"};
constexpr std::string_view kStep17[] = {"ChBox_WKS_2"};
constexpr std::string_view kLegacy[] = {
    "ChBox_WKS_1",  "ChBox_SOS_1",     "ChBox_WS_1",     "ChBox_QAVE_1",  "ChBox_Lotus_1",
    "ChBox_ISA_1",  "ChBox_ISA_2",     "ChBox_Point_1",  "ChBox_UniS_1",  "ChBox_LinS_1",
    "ChBox_SamS_1", "ChBox_UniMail_1", "ChBox_Milter_1", "ChBox_Proxy_1", "ChBox_LWS_1",
};
constexpr std::string_view kStep19[] = {"ChBox_QSE_3"};
constexpr std::string_view kStep20[] = {"ChBox_QSE_4"};
constexpr std::string_view kStep21[] = {"ChBox_QSE_1", "ChBox_QSE_2"};
constexpr std::string_view kStep22[] = {"ChBox_Nov_1"};
constexpr std::string_view kStep23[] = {"ChBox_LinMail_1"};
constexpr std::string_view kStep24[] = {"ChBox_MGW_1"};
constexpr std::string_view kStep25[] = {"ChBox_QAS_2"};
constexpr std::string_view kStep26[] = {"ChBox_QAS_1"};
constexpr std::string_view kAdminKit[] = {"ChBox_AK_1", "ChBox_AK_2"};
constexpr std::string_view kStep28[] = {"ChBox_AK_1"};
constexpr std::string_view kStep29[] = {"ChBox_AK_2"};

constexpr StepKind kAppend = StepKind::AppendSet;

// The Administration Kit is tested last so that its rule sees every product's set first.
constexpr CatalogStep kSteps[] = {
    {1, kAppend, 1, kStep1},
    {2, kAppend, 2, kStep2},
    {3, kAppend, 3, kStep3},
    {4, kAppend, 4, kStep4},
    {5, kAppend, 5, kStep5},
    {6, kAppend, 6, kStep6},
    {7, kAppend, 7, kStep7},
    {8, kAppend, 8, kStep8},
    {9, kAppend, 9, kStep9},
    {10, kAppend, 10, kStep10},
    {11, kAppend, 11, kStep11},
    {12, kAppend, 12, kStep12},
    {13, kAppend, 13, kStep13},
    {14, kAppend, 12, kStep14},
    {15, kAppend, 14, kStep15},
    {16, kAppend, 15, kStep16},
    {17, kAppend, 16, kStep17},
    {18, kAppend, 17, kLegacy},
    {19, kAppend, 18, kStep19},
    {20, kAppend, 19, kStep20},
    {21, kAppend, 20, kStep21},
    {22, kAppend, 21, kStep22},
    {23, kAppend, 22, kStep23},
    {24, kAppend, 23, kStep24},
    {25, kAppend, 24, kStep25},
    {26, kAppend, 25, kStep26},
    {27, StepKind::AdminKitRule, 0, kAdminKit},
    {28, kAppend, 26, kStep28},
    {29, kAppend, 27, kStep29},
    {30, StepKind::NothingSelected, 0, {}},
};

}  // namespace

std::span<const ProductGroup> productGroups() {
  return kGroups;
}
std::span<const ProductRow> productRows() {
  return kRows;
}
std::span<const CatalogStep> catalogSteps() {
  return kSteps;
}

const ProductRow& productRow(std::string_view box) {
  const auto* row = std::ranges::find(kRows, box, &ProductRow::box);
  if (row == std::end(kRows)) throw std::out_of_range("no product row " + std::string(box));
  return *row;
}

const ProductGroup& productGroup(std::string_view box) {
  const auto* group = std::ranges::find(kGroups, box, &ProductGroup::box);
  if (group == std::end(kGroups)) throw std::out_of_range("no product group " + std::string(box));
  return *group;
}

}  // namespace qu
