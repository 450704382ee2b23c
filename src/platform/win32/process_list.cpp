#include "platform/win32/process_list.h"

#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

namespace qu {

bool isProcessRunning(const std::wstring& name) {
  if (name.empty()) return false;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
       more = Process32NextW(snapshot, &entry)) {
    found = name == entry.szExeFile;
  }
  CloseHandle(snapshot);
  return found;
}

}  // namespace qu
