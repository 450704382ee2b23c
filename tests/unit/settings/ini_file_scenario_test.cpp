#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/ini_file.h"
#include "settings_test_files.h"

namespace qu {
namespace {

using test::dataFile;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

// An Apply, a settings dialog OK and hand edits' worth of changes to a file a person wrote.
const std::vector<test::IniStep> kSteps = {
    {'w', "Updater", "connect_tmo", "120"},
    {'w', "Updater", "proxy_url", "proxy.local"},
    {'w', "Updater", "PROXY_PWD", "s3cret"},
    {'w', "Updater", "proxy_login", "admin"},
    {'i', "Updater", "proxy_port", "3128"},
    {'w', "Updater", "primaryIndexFileName", "u0607g.xml"},
    {'w', "Updater", "primaryIndexRelativeUrlPath", "index/"},
    {'d', "Updater", "self_region"},
    {'w', "Retranslation", "component", "QAV;QIS"},
    {'d', "Retranslation", "build"},
    {'w', "Retranslation", "application", "1103;1105"},
    {'d', "Retranslation", "os"},
    {'d', "Retranslation", "language"},
    {'i', "GUI", "lng", "0"},
    {'i', "GUI", "s0", "0"},
    {'d', "GUI", "s2"},
    {'w', "GUI", "s3", "2;"},
    {'w', "GUI", "s4", "6;7;"},
    {'d', "GUI", "s5"},
    {'w', "GUI", "s12", "2;"},
    {'w', "GUI", "Version", "1.0.3.27"},
    {'w', "Updater", "connect_tmo", "60"},
    {'w', "Updater", "proxy", "2"},
    {'w', "Updater", "use_ie_proxy", "0"},
    {'w', "Updater", "proxy_url", ""},
    {'w', "Updater", "proxy_url", "proxy.example"},
    {'d', "Updater", "proxy_login"},
    {'w', "Updater", "proxy_login", "user"},
    {'w', "Retranslation", "download_patches", "0"},
    {'w', "Retranslation", "component", ""},
    {'d', "Retranslation", "component"},
    {'w', "Retranslation", "component", "QIS"},
    {'i', "GUI", "s0", "1"},
    {'d', "GUI", "s4"},
    {'w', "GUI", "s13", "3;4;"},
    {'w', "GUI", "s14", "0;"},
    {'d', "GUI", "s14"},
    {'w', "GUI", "s15", "1;2;"},
    {'w', "NewSection", "alpha", "1"},
    {'w', "newsection", "beta", "two words"},
    {'w', "Updater", "temporary_dir", "My Temp"},
    {'w', "Updater", "retranslation_dir", "Updates"},
    {'d', "ProductInfo", "Folder"},
    {'w', "ProductInfo", "DataFolder", "out/Data2"},
    {'i', "ProductInfo", "ApplicationID", "2"},
    {'w', "Updater", "update_srv_url0", "$QL"},
    {'w', "GUI", "lng", "2"},
    {'d', "NewSection", "alpha"},
    {'w', "Updater", "passive_ftp", "1"},
    {'w', "Retranslation", "download_bases", "1"},
};

TEST(IniScenario, HandWrittenFileChangesOnlyWhereWritten) {
  ASSERT_EQ(kSteps.size(), 50u);
  TempFolder folder;
  auto file = folder / "ss_storage.ini";
  writeBytes(file, readBytes(dataFile("handwritten.ini")));
  IniFile ini(file);
  test::apply(ini, kSteps);
  EXPECT_EQ(readBytes(file), readBytes(dataFile("handwritten_expected.ini")));
  EXPECT_EQ(ini.ReadString("custom", "another", ""), "quoted value");
  EXPECT_EQ(ini.ReadString("Custom", "UnknownKey", ""), "keep me");
}

// The file a large hand-kept configuration might grow to: every key reachable, edits in place.
TEST(IniScenario, TenThousandKeys) {
  constexpr int kSections = 10;
  constexpr int kKeysPerSection = 1000;
  auto content = [](int changed) {
    std::string bytes;
    for (int s = 0; s < kSections; ++s) {
      bytes += "[Section" + std::to_string(s) + "]\r\n";
      for (int k = 0; k < kKeysPerSection; ++k) {
        int id = s * kKeysPerSection + k;
        std::string value = id == changed ? "changed" : "value" + std::to_string(id);
        bytes += "key" + std::to_string(k) + "=" + value + "\r\n";
      }
    }
    return bytes;
  };
  TempFolder folder;
  auto file = folder / "big.ini";
  writeBytes(file, content(-1));
  IniFile ini(file);

  EXPECT_EQ(ini.ReadString("Section0", "key0", ""), "value0");
  EXPECT_EQ(ini.ReadString("section9", "KEY999", ""), "value9999");
  EXPECT_EQ(ini.ReadString("Section4", "key1000", "none"), "none");

  ini.WriteString("Section5", "key432", "changed");
  EXPECT_EQ(readBytes(file), content(5432));

  ini.DeleteKey("Section9", "key999");
  ini.WriteString("Section3", "extra", "1");
  std::string expected = content(5432);
  expected.erase(expected.find("key999=value9999\r\n"), 18);
  expected.insert(expected.find("[Section4]"), "extra=1\r\n");
  EXPECT_EQ(readBytes(file), expected);
}

}  // namespace
}  // namespace qu
