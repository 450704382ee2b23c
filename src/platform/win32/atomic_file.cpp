#include "platform/atomic_file.h"

#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace qu {
namespace {

namespace fs = std::filesystem;

std::error_code lastError() {
  return {static_cast<int>(GetLastError()), std::system_category()};
}
std::error_code errorOf(DWORD code) {
  return {static_cast<int>(code), std::system_category()};
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { close(); }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  void reset(HANDLE handle) {
    close();
    handle_ = handle;
  }
  bool close() {
    if (!valid()) return true;
    const bool closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

bool isLink(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// The file a chain of symbolic links ends at; replacing it there keeps every link working.
std::error_code finalPath(std::wstring& target) {
  Handle file(CreateFileW(target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? std::error_code{} : errorOf(error);
  }
  std::wstring resolved(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(
        file.get(), resolved.data(), static_cast<DWORD>(resolved.size()), FILE_NAME_NORMALIZED);
    // Wine names no path longer than MAX_PATH; a file that is no link is its own end anyway.
    if (length == 0 && !isLink(target)) return {};
    if (length == 0) return lastError();
    if (length < resolved.size()) {
      resolved.resize(length);
      break;
    }
    resolved.resize(length + 1);
  }
  // The final path comes in its long form ("\\?\C:\..." or "\\?\UNC\server\...").
  constexpr std::wstring_view kLong = L"\\\\?\\";
  constexpr std::wstring_view kLongUnc = L"\\\\?\\UNC\\";
  if (resolved.starts_with(kLongUnc)) {
    resolved.replace(0, kLongUnc.size(), L"\\\\");
  } else if (resolved.starts_with(kLong) && resolved.size() > 5 && resolved[5] == L':') {
    resolved.erase(0, kLong.size());
  }
  target = std::move(resolved);
  return {};
}

// The existing file's attributes, nothing when there is none, or the reason to refuse it.
std::error_code inspectTarget(const std::wstring& target, std::optional<DWORD>& existing) {
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? std::error_code{} : errorOf(error);
  }
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) {
    return std::make_error_code(std::errc::not_supported);
  }
  if (attributes & FILE_ATTRIBUTE_READONLY) return errorOf(ERROR_ACCESS_DENIED);
  // Opening for writing changes nothing, and tells whether this process may write it at all.
  Handle probe(CreateFileW(target.c_str(), GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!probe.valid()) return lastError();
  existing = attributes;
  return {};
}

// The user this process runs as, in the text form of security descriptors; "" if unknown.
std::wstring currentUserSid() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return L"";
  std::wstring text;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<unsigned char> buffer(size);
  wchar_t* sid = nullptr;
  if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size) &&
      ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sid)) {
    text = sid;
    LocalFree(sid);
  }
  CloseHandle(token);
  return text;
}

// Full access for this user and nobody else, as the settings file holds a password. Without a
// known user the folder's inherited rights apply.
class OwnerOnlySecurity {
 public:
  OwnerOnlySecurity() {
    attributes_.nLength = sizeof attributes_;
    const std::wstring user = currentUserSid();
    if (user.empty()) return;
    const std::wstring acl = L"D:P(A;;FA;;;" + user + L")";
    ConvertStringSecurityDescriptorToSecurityDescriptorW(
        acl.c_str(), SDDL_REVISION_1, &attributes_.lpSecurityDescriptor, nullptr);
  }
  OwnerOnlySecurity(const OwnerOnlySecurity&) = delete;
  OwnerOnlySecurity& operator=(const OwnerOnlySecurity&) = delete;
  ~OwnerOnlySecurity() { LocalFree(attributes_.lpSecurityDescriptor); }
  SECURITY_ATTRIBUTES* get() { return attributes_.lpSecurityDescriptor ? &attributes_ : nullptr; }

 private:
  SECURITY_ATTRIBUTES attributes_{};
};

std::error_code writeAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, content.data(), chunk, &written, nullptr)) return lastError();
    content.remove_prefix(written);
  }
  return {};
}

// A name for a temporary file that no other writer picks. GetTempFileName would do, but it
// refuses folders whose path is longer than MAX_PATH.
std::wstring temporaryName(const std::wstring& folder) {
  static std::atomic<unsigned> counter{0};
  const std::wstring name =
      L"qu" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++) + L".tmp";
  return (fs::path(folder) / name).wstring();
}

// A new file beside the target, created with our rights and closed once its content is on disk.
std::error_code writeTemporary(const std::wstring& folder, std::wstring& name,
                               std::string_view content) {
  OwnerOnlySecurity security;
  Handle file(INVALID_HANDLE_VALUE);
  for (unsigned attempt = 0; !file.valid(); ++attempt) {
    name = temporaryName(folder);
    file.reset(CreateFileW(name.c_str(), GENERIC_WRITE, 0, security.get(), CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() && (GetLastError() != ERROR_FILE_EXISTS || attempt == 100)) {
      const std::error_code error = lastError();
      name.clear();
      return error;
    }
  }
  if (auto error = writeAll(file.get(), content)) return error;
  if (!FlushFileBuffers(file.get())) return lastError();
  if (!file.close()) return lastError();
  return {};
}

// ReplaceFile keeps the old file's attributes and access rights on the new content.
std::error_code putInPlace(const std::wstring& temporary, const std::wstring& target,
                           bool keepAttributes) {
  if (keepAttributes) {
    if (ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
      return {};
    }
    return lastError();
  }
  if (!MoveFileExW(temporary.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return lastError();
  }
  return {};
}

std::wstring folderOf(const std::wstring& file) {
  fs::path folder = fs::path(file).parent_path();
  return folder.empty() ? std::wstring(L".") : folder.wstring();
}

}  // namespace

std::error_code replaceFile(const fs::path& path, std::string_view content, FileReplace how) {
  std::wstring target = path.wstring();
  if (auto error = finalPath(target)) return error;
  std::optional<DWORD> existing;
  if (auto error = inspectTarget(target, existing)) return error;

  std::wstring temporary;
  std::error_code error = writeTemporary(folderOf(target), temporary, content);
  if (!error) {
    error = putInPlace(temporary, target, existing && how == FileReplace::KeepAttributes);
  }
  if (error && !temporary.empty()) DeleteFileW(temporary.c_str());
  return error;
}

}  // namespace qu
