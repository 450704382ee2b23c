#pragma once

#include <mutex>

#include "platform/system.h"

namespace qu {

// A started program held by its process handle. The handle keeps the process object alive, so
// a stop can never reach another program that reuses the id.
class Win32Process final : public Process {
 public:
  Win32Process(void* process, void* thread, unsigned long id);
  Win32Process(const Win32Process&) = delete;
  Win32Process& operator=(const Win32Process&) = delete;
  ~Win32Process() override;

  int id() const override { return static_cast<int>(id_); }
  int wait() override;
  // TerminateProcess with exit code 0.
  bool terminate() override;
  void close() override;

 private:
  // A handle of its own for a waiter, so that closing ours never pulls one from under it.
  void* waitHandle();

  const unsigned long id_;
  std::mutex mutex_;
  void* process_;
  void* thread_;
};

}  // namespace qu
