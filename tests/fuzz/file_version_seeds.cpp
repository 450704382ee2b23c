// Writes PE images with version resources into the folder given, as seeds for the fuzzer.

#include <fstream>
#include <iostream>
#include <string>

#include "unit/system/pe_image_builder.h"

namespace {

using qu::test::buildPe;
using qu::test::versionInfoBytes;

void write(const std::string& path, const qu::test::Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: file_version_seeds <folder>\n";
    return 2;
  }
  const std::string folder = argv[1];
  const auto typical =
      versionInfoBytes({{{0x0409, 0x04B0}}, {{u"040904b0", {{u"FileVersion", u"1.0.3.27"}}}}});
  const auto two =
      versionInfoBytes({{{0x0407, 0x04E4}, {0x0409, 0x04B0}},
                        {{u"040904B0", {{u"CompanyName", u"Q"}, {u"FileVersion", u"2.0"}}},
                         {u"040704e4", {{u"ProductName", u"P"}}}}});
  write(folder + "/typical.exe", buildPe({.resource = typical}).bytes);
  write(folder + "/two-tables.exe", buildPe({.resource = two}).bytes);
  write(folder + "/pe32plus.exe", buildPe({.resource = typical, .pe32Plus = true}).bytes);
  write(folder + "/padded.exe", buildPe({.resource = typical, .padding = 4096}).bytes);
  write(folder + "/manifest.exe", buildPe({.resource = typical, .type = 24}).bytes);
  return 0;
}
