#pragma once

#include <filesystem>
#include <string>

namespace qu {

// True when a live (not zombie) process under `proc` runs an executable file named exactly
// `name`. The name comes from the exe link, or from comm when the link cannot be read (another
// user's process); comm holds at most 15 characters, so only that much of `name` is compared.
bool isProcessRunning(const std::string& name, const std::filesystem::path& proc = "/proc");

}  // namespace qu
