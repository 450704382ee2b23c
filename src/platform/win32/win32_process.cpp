#include "platform/win32/win32_process.h"

#include <windows.h>

namespace qu {

Win32Process::Win32Process(void* process, void* thread, unsigned long id)
    : id_(id), process_(process), thread_(thread) {}

Win32Process::~Win32Process() {
  close();
}

void* Win32Process::waitHandle() {
  const std::lock_guard lock(mutex_);
  if (!process_) return nullptr;
  HANDLE copy = nullptr;
  if (!DuplicateHandle(GetCurrentProcess(), process_, GetCurrentProcess(), &copy,
                       SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, 0)) {
    return nullptr;
  }
  return copy;
}

int Win32Process::wait() {
  HANDLE handle = waitHandle();
  if (!handle) return -1;
  DWORD code = 0;
  const bool ended =
      WaitForSingleObject(handle, INFINITE) == WAIT_OBJECT_0 && GetExitCodeProcess(handle, &code);
  CloseHandle(handle);
  return ended ? static_cast<int>(code) : -1;
}

bool Win32Process::terminate() {
  const std::lock_guard lock(mutex_);
  return process_ && TerminateProcess(process_, 0);
}

void Win32Process::close() {
  const std::lock_guard lock(mutex_);
  if (thread_) CloseHandle(thread_);
  if (process_) CloseHandle(process_);
  thread_ = nullptr;
  process_ = nullptr;
}

}  // namespace qu
