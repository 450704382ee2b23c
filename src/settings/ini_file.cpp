#include "settings/ini_file.h"

#include <fstream>
#include <optional>
#include <sstream>

#include "platform/atomic_file.h"
#include "platform/utf8_path.h"
#include "settings/ini_document.h"
#include "settings/integer_text.h"

namespace qu {
namespace {

namespace fs = std::filesystem;

std::string fullPath(const fs::path& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  return utf8FromPath(error ? path : absolute);
}

enum class FileState { Missing, Unreadable, Read };

struct StoredFile {
  FileState state;
  std::string bytes;
};

StoredFile load(const fs::path& path) {
  std::error_code error;
  fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return {FileState::Missing, {}};
  if (error || !fs::is_regular_file(status)) return {FileState::Unreadable, {}};
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  if (in) bytes << in.rdbuf();
  if (!in || in.bad()) return {FileState::Unreadable, {}};
  return {FileState::Read, std::move(bytes).str()};
}

std::optional<IniDocument> loadDocument(const fs::path& path) {
  StoredFile stored = load(path);
  if (stored.state != FileState::Read) return std::nullopt;
  return IniDocument(stored.bytes);
}

// A missing file is an empty document to change; one that exists but cannot be read is none.
std::optional<IniDocument> loadForChange(const fs::path& path) {
  StoredFile stored = load(path);
  if (stored.state == FileState::Unreadable) return std::nullopt;
  return IniDocument(stored.bytes);
}

}  // namespace

IniWriteError::IniWriteError(const fs::path& path)
    : std::runtime_error(std::string("Unable to write to ").append(fullPath(path))) {}

IniFile::IniFile(fs::path path) : path_(std::move(path)) {}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
  return IniSnapshot(path_).ReadString(section, key, defaultValue);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key,
                         int defaultValue) const {
  return IniSnapshot(path_).ReadInteger(section, key, defaultValue);
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
  IniBatch batch(path_);
  batch.WriteString(section, key, value);
  batch.commit();
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::DeleteKey(const std::string& section, const std::string& key) {
  IniBatch batch(path_);
  batch.DeleteKey(section, key);
  batch.commit();
}

IniBatch::IniBatch(fs::path path) : path_(std::move(path)), document_(loadForChange(path_)) {}

void IniBatch::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  // A file that cannot be read is refused rather than replaced by our lines alone.
  if (!document_) throw IniWriteError(path_);
  try {
    document_->assign(section, key, value);
  } catch (const UnencodableText&) {
    // Storing anything else than the value would change it behind the user's back.
    throw IniWriteError(path_);
  }
  changed_ = true;
}

void IniBatch::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniBatch::DeleteKey(const std::string& section, const std::string& key) {
  if (document_ && document_->erase(section, key)) changed_ = true;
}

void IniBatch::commit() {
  if (!changed_) return;
  if (replaceFile(path_, document_->bytes())) throw IniWriteError(path_);
  changed_ = false;
}

IniSnapshot::IniSnapshot(const fs::path& path) : document_(loadDocument(path)) {}

std::string IniSnapshot::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  if (!document_) return defaultValue;
  return document_->find(section, key).value_or(defaultValue);
}

int IniSnapshot::ReadInteger(const std::string& section, const std::string& key,
                             int defaultValue) const {
  return parseProfileInteger(ReadString(section, key, "")).value_or(defaultValue);
}

}  // namespace qu
