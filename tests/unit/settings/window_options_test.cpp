#include "settings/window_options.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "option_forms.h"
#include "settings/ini_file.h"
#include "settings_test_files.h"

namespace qu {
namespace {

using test::OptionForms;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

TEST(WindowOptions, WritesEveryKeyInOrder) {
  OptionForms forms;
  forms.settingsDialog.find<RadioButton>("RB_FldUser").setChecked(true);
  forms.settingsDialog.find<RadioButton>("RB_SourceUser").setChecked(true);
  for (auto [group, position] : {std::pair<const char*, int>{"GB_Rpt", 2},
                                 {"GB_Home", 4},
                                 {"GB_Home", 2},
                                 {"GB_FS", 0},
                                 {"GB_Mail", 2},
                                 {"GB_Perim", 6},
                                 {"GB_Supp", 3},
                                 {"GB_WKS", 3},
                                 {"GB_AK", 1},
                                 {"GB_Rpt", 0}}) {
    forms.box(group, position).setChecked(true);
  }
  TempFolder folder;
  IniBatch ini(folder / "ss_storage.ini");
  settings(ini, forms.options(2, 0));
  ini.commit();
  EXPECT_EQ(readBytes(folder / "ss_storage.ini"),
            test::withPlatformLineEnds(
                "[GUI]\nlng=2\ns0=0\ns2=3;\ns3=2;4;\ns4=0;\ns5=2;\ns6=6;\ns8=0;\ns12=3;\ns13=3;\n"
                "s14=1;\ns15=0;2;\n"));
  EXPECT_EQ(forms.fields[1], "2;4;");
  EXPECT_EQ(forms.fields[9], "0;2;");
}

TEST(WindowOptions, EmptyListsAreDeletedAndOtherLinesKept) {
  OptionForms forms;
  forms.box("GB_Supp", 2).setChecked(true);
  TempFolder folder;
  auto file = folder / "ss_storage.ini";
  writeBytes(file,
             "[Updater]\nproxy=1\n[GUI]\nlng=1\ns0=1\ns3=2;\nmine=keep\ns4=0;1;\ns12=3;\n"
             "s15=1;\nVersion=1.0.3.27\n");
  forms.fields.fill("stale");
  IniBatch ini(file);
  settings(ini, forms.options(-1, 1));
  ini.commit();
  EXPECT_EQ(readBytes(file),
            "[Updater]\nproxy=1\n[GUI]\nlng=-1\ns0=1\nmine=keep\ns12=2;\nVersion=1.0.3.27\n"
            "s2=2;\ns8=1;\n");
  std::array<std::string, 10> expected{"2;", "", "", "", "", "1;", "2;", "", "", ""};
  EXPECT_EQ(forms.fields, expected);
}

TEST(WindowOptions, BindingNeedsEveryGroup) {
  OptionForms forms;
  auto lists = forms.options().lists;
  ASSERT_EQ(lists.size(), kIndexListKeys.size());
  EXPECT_EQ(lists[0].group, &forms.settingsDialog.find("GB_MoveUpd"));
  EXPECT_EQ(lists[0].kind, IndexKind::RadioButtons);
  EXPECT_EQ(lists[6].key, "s12");
  EXPECT_EQ(lists[6].group, &forms.mainWindow.find("GB_Supp"));
  Form empty{"Empty"};
  EXPECT_THROW(bindIndexLists(forms.mainWindow, empty, {}), std::out_of_range);
}

}  // namespace
}  // namespace qu
