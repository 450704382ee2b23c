#include "platform/standard_streams.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace qu {
namespace {

// A closed pipe then fails the write instead of ending the program. Started programs get the
// default back (posix_spawn resets every signal).
void ignoreBrokenPipes() {
  [[maybe_unused]] static const bool ignored = signal(SIGPIPE, SIG_IGN) != SIG_ERR;
}

}  // namespace

void writeBytes(StandardStream stream, std::string_view bytes) {
  ignoreBrokenPipes();
  const int fd = stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO;
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void writeText(StandardStream stream, std::string_view text) {
  writeBytes(stream, text);
}

}  // namespace qu
