#include "platform/byte_source.h"

namespace qu {

std::optional<Bytes> ByteSource::read(std::uint64_t offset, std::size_t length) {
  const std::uint64_t total = size();
  if (length > kMaxRead || offset > total || length > total - offset) return std::nullopt;
  return fetch(offset, length);
}

std::optional<Bytes> BufferSource::fetch(std::uint64_t offset, std::size_t length) {
  const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(offset);
  return Bytes(first, first + static_cast<std::ptrdiff_t>(length));
}

FileSource::FileSource(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return;
  stream_.open(path, std::ios::binary);
  if (!stream_) return;
  stream_.seekg(0, std::ios::end);
  const auto end = stream_.tellg();
  if (end > 0) size_ = static_cast<std::uint64_t>(end);
}

std::optional<Bytes> FileSource::fetch(std::uint64_t offset, std::size_t length) {
  Bytes bytes(length);
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(offset));
  stream_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(length));
  // The file may have shrunk since it was opened.
  if (static_cast<std::size_t>(stream_.gcount()) != length) return std::nullopt;
  return bytes;
}

std::optional<std::uint64_t> ByteView::unsignedAt(std::uint64_t offset, std::size_t width) const {
  if (!contains(offset, width)) return std::nullopt;
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    const std::size_t index = bigEndian_ ? i : width - 1 - i;
    value = (value << 8) | bytes_[offset + index];
  }
  return value;
}

}  // namespace qu
