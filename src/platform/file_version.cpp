#include "platform/file_version.h"

#include "platform/byte_source.h"
#include "platform/elf_version.h"
#include "platform/pe_resource.h"
#include "platform/version_info.h"

namespace qu {
namespace {

std::string fileVersionOf(ByteSource& source) {
  const auto magic = source.read(0, 2);
  if (!magic) return "";
  if ((*magic)[0] == 'M' && (*magic)[1] == 'Z') {
    const auto resource = peVersionResource(source);
    return resource ? versionInfoFileVersion(*resource) : "";
  }
  return elfFileVersion(source);
}

}  // namespace

std::string fileVersionOfBytes(std::span<const std::uint8_t> bytes) {
  BufferSource source(bytes);
  return fileVersionOf(source);
}

std::string fileVersionOfFile(const std::filesystem::path& path) {
  if (path.empty()) return "";
  FileSource source(path);
  return fileVersionOf(source);
}

}  // namespace qu
