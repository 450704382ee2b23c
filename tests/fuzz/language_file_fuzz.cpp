// libFuzzer entry for the language file reader: any file and any language section give a text
// for every key Loc reads and for a return code's key, with no crash. The file is written to a
// private folder in the current one, removed when the fuzzer ends normally.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "i18n/language_reader.h"

namespace {

namespace fs = std::filesystem;

class ScratchFile {
 public:
  ScratchFile() : folder_("language-fuzz-" + std::to_string(std::random_device()())) {
    fs::create_directories(folder_);
  }
  ~ScratchFile() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  fs::path write(const std::string& bytes) const {
    const fs::path path = folder_ / "quintarisupdater.loc";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
  }

 private:
  fs::path folder_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFile scratch;
  static const std::size_t reads = qu::defaultLocTexts().reads.size();
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(24);
  const std::string code = input.ConsumeRandomLengthString(8);
  const fs::path file = scratch.write(input.ConsumeRemainingBytesAsString());

  const qu::LocTexts texts = qu::readLocTexts(file, section);
  if (texts.reads.size() != reads) __builtin_trap();
  texts.field("MsgCompleted");
  const std::string key = "RC" + code;
  qu::readLanguageText(file, section, {key, "the utility's own message"});
  return 0;
}
