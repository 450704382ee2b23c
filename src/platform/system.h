#pragma once

// The operating-system services the program uses, behind one seam: the instance guard, the
// program's own path, file versions and times, and the external utility's process.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_time.h"

namespace qu {

// A started program. Destroying the object closes it; the program itself runs on.
class Process {
 public:
  virtual ~Process() = default;
  virtual int id() const = 0;
  // Blocks, with no time-out, until the program has exited, even if its output is still being
  // drained. Gives its exit code, 128 + the signal number when a signal ended it, or -1 when
  // someone else reaped it.
  virtual int wait() = 0;
  // Stops the program at once, as an abrupt kill (it cannot clean up). Safe from any thread,
  // also while another one waits. Never signals anything once the program has been reaped or
  // this object closed. True when the stop was sent.
  virtual bool terminate() = 0;
  // Releases the handle: terminate does nothing from then on.
  virtual void close() = 0;
};

// Receives the program's output on a thread of the implementation, piece by piece, until the
// output closes (which may be after the program has exited and this Process is gone, when it
// left children holding it), then once with an empty piece. It must own what it touches.
using OutputSink = std::function<void(std::string_view)>;

struct ProcessLaunch {
  std::string program;                 // run directly, no shell; a relative path is taken
                                       // from the caller's current folder
  std::vector<std::string> arguments;  // without the program itself
  std::string workingFolder;           // empty: the caller's
  OutputSink output;                   // empty: standard output and error are discarded
  // The caller is a console program that passes the output on. The program is kept apart from
  // the caller's terminal or console, so that Ctrl+C there reaches the caller alone (on Linux a
  // process group of its own; on Windows a hidden console of its own, with the output reaching
  // the sink through a pipe). Otherwise Windows shows the output in a console of the program's
  // own and the sink receives nothing; on Linux the sink always receives it.
  bool fromConsoleProgram = false;
};

struct LaunchResult {
  std::unique_ptr<Process> process;  // null when the program could not be started
  std::string error;                 // then the reason, for the user
};

// What asking for the named instance guard gave.
struct InstanceClaim {
  enum class Outcome {
    Acquired,       // this process is the first: it holds the guard until it ends
    HeldByAnother,  // another process of this user holds it
    Failed,         // the guard could not be asked for at all
  };
  Outcome outcome = Outcome::Failed;
  std::string error;  // Failed: "Unable to lock <what>: <reason>", for the user
};

class System {
 public:
  virtual ~System() = default;

  // The named instance guard, per user. Once acquired it is held until this process ends in any
  // way, killed included; children never inherit it.
  virtual InstanceClaim acquireInstance(const std::string& name) = 0;
  virtual std::string ownExecutablePath() = 0;
  // The file's version text, "" when it has none (see file_version.h).
  virtual std::string FileVersionText(const std::string& path) = 0;
  // Zero for a missing path or anything but a regular file.
  virtual FileTime FileModifiedTime(const std::string& path) = 0;
  // A regular file, not a folder.
  virtual bool fileExists(const std::string& path) = 0;
  virtual LaunchResult startProcess(ProcessLaunch launch) = 0;
  // True when a live process's executable file name is exactly `name` (case matters).
  virtual bool IsProcessRunning(const std::string& name) = 0;
};

}  // namespace qu
