// The catalog's results as Apply writes them: components and builds normalised by dubl,
// applications as built.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/product_type.h"
#include "settings/dubl.h"

namespace qu {
namespace {

ProductSelection apply(const std::vector<std::string>& boxes) {
  SelectionState state;
  state.ticked.insert(boxes.begin(), boxes.end());
  ProductSelection result = ProductType(state);
  result.components = dubl(result.components);
  result.builds = dubl(result.builds);
  return result;
}

TEST(WorkedExamplesTest, SevenZeroHomeProducts) {
  const ProductSelection result = apply({"ChBox_QAV_2", "ChBox_QIS_2"});
  EXPECT_EQ(result.components,
            "ADB;AHI386;AHX64;AK6;AP;AS;AVS;BB;BB2;CORE;EMUI386;INDEX60;INFO;PAS;PCDB;QAV2006EXEC;"
            "RM;RT;UPDATER;WAI386");
  EXPECT_EQ(result.builds, "119;123;124;125;138");
  EXPECT_EQ(result.applications, "");
  EXPECT_FALSE(result.inputError);
}

TEST(WorkedExamplesTest, EightZeroHomeProducts) {
  const ProductSelection result = apply({"ChBox_QAV_4", "ChBox_QIS_5", "ChBox_QIS_6"});
  EXPECT_EQ(result.components,
            "ADBU;AH2I386;AH2X64;AP;APU;AS;ASTRM;BB;BB2;BLST;CORE;HIPS;INFO;PARCTL;PAS;QAV8EXEC;"
            "QDBI386;RT;SSA;UPDATER;WAVI386");
  EXPECT_EQ(result.builds, "");
  EXPECT_EQ(result.applications, "QAV 8.0.0.[357-358];QIS 8.0.0.454;QIS 8.0.0.506;");
}

TEST(WorkedExamplesTest, SharedBuildsAreNormalisedOnce) {
  const std::vector<std::string> boxes = {"ChBox_WKS_3", "ChBox_WKS_4", "ChBox_WS_2",
                                          "ChBox_SOS_2"};
  SelectionState state;
  state.ticked.insert(boxes.begin(), boxes.end());
  EXPECT_EQ(ProductType(state).builds, "678;690;830;837;678;690;837;");
  EXPECT_EQ(apply(boxes).builds, "678;690;830;837");
}

TEST(WorkedExamplesTest, ExchangeWithAdministrationKit) {
  const ProductSelection result = apply({"ChBox_QSE_1", "ChBox_QSE_2", "ChBox_AK_1"});
  EXPECT_EQ(result.components, "AH;AK6;AVS;BLST;INDEX50;INDEX60;QAS20EXCH;RT;UPDATER");
  EXPECT_FALSE(result.inputError);
}

TEST(WorkedExamplesTest, AdministrationKitAlone) {
  const ProductSelection result = apply({"ChBox_AK_1"});
  EXPECT_EQ(result.components, "");
  EXPECT_EQ(result.builds, "");
  EXPECT_EQ(result.applications, "");
  EXPECT_TRUE(result.inputError);
}

TEST(WorkedExamplesTest, AdjacentSetsKeepTheirItemsApart) {
  // Set 21 ends in "INDEX50;" and set 22 starts with "UPDATER;": they must not run together.
  const ProductSelection result = apply({"ChBox_Nov_1", "ChBox_LinMail_1"});
  EXPECT_EQ(result.components, "AK6;AVS;AVS_OLD;BLST;CORE;INDEX50;INDEX60;RT;UPDATER");
}

}  // namespace
}  // namespace qu
