#include "platform/win32/browser_command.h"

#include <windows.h>

namespace qu {

std::wstring browserProgram(std::wstring_view command) {
  const std::size_t open = command.find(L'"');
  if (open == std::wstring_view::npos) return L"";
  const std::size_t close = command.find(L'"', open + 1);
  if (close == std::wstring_view::npos) return L"";
  return std::wstring(command.substr(open + 1, close - open - 1));
}

std::wstring registeredBrowserCommand() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"htmlfile\\shell\\open\\command", 0, KEY_QUERY_VALUE,
                    &key) != ERROR_SUCCESS) {
    return L"";
  }
  std::wstring value;
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    value.resize(bytes / sizeof(wchar_t) + 1);
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &bytes) == ERROR_SUCCESS) {
      value.resize(wcsnlen(value.c_str(), bytes / sizeof(wchar_t)));
    } else {
      value.clear();
    }
  }
  RegCloseKey(key);
  return value;
}

}  // namespace qu
