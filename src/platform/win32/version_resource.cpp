#include "platform/win32/version_resource.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "platform/win32/wide_text.h"

namespace qu {
namespace {

struct Translation {
  WORD language;
  WORD codePage;
};

std::wstring fileVersionKey(const Translation& translation) {
  wchar_t key[64];
  std::swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\FileVersion", translation.language,
                translation.codePage);
  return key;
}

}  // namespace

std::string fileVersionFromResource(const std::wstring& path) {
  if (path.empty()) return "";
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return "";
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return "";

  void* table = nullptr;
  UINT tableBytes = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &table, &tableBytes) || !table) {
    return "";
  }
  const auto* translations = static_cast<const Translation*>(table);
  for (UINT i = 0; i < tableBytes / sizeof(Translation); ++i) {
    void* value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), fileVersionKey(translations[i]).c_str(), &value, &length) &&
        value) {
      return narrow(static_cast<const wchar_t*>(value));
    }
  }
  return "";
}

}  // namespace qu
