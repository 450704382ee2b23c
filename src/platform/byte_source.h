#pragma once

// Bounded random access to the bytes of a file or a buffer, for the readers of untrusted files:
// every read names its range and fails as a whole when any part lies outside the source.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <vector>

namespace qu {

using Bytes = std::vector<std::uint8_t>;

class ByteSource {
 public:
  // No single read may be larger, so a hostile size field never turns into a huge allocation.
  static constexpr std::size_t kMaxRead = 4u << 20;

  virtual ~ByteSource() = default;
  virtual std::uint64_t size() const = 0;
  // The `length` bytes at `offset`, or nothing when they are not all inside the source.
  std::optional<Bytes> read(std::uint64_t offset, std::size_t length);

 protected:
  // Called with a range already checked against size() and kMaxRead.
  virtual std::optional<Bytes> fetch(std::uint64_t offset, std::size_t length) = 0;
};

class BufferSource final : public ByteSource {
 public:
  explicit BufferSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t size() const override { return bytes_.size(); }

 protected:
  std::optional<Bytes> fetch(std::uint64_t offset, std::size_t length) override;

 private:
  std::span<const std::uint8_t> bytes_;
};

// Reads with seeks, so the cost follows what is read, not the file's size. A path that is not a
// regular file (a folder, a pipe that would block) reads as empty.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(const std::filesystem::path& path);
  std::uint64_t size() const override { return size_; }

 protected:
  std::optional<Bytes> fetch(std::uint64_t offset, std::size_t length) override;

 private:
  std::ifstream stream_;
  std::uint64_t size_ = 0;
};

// Little- or big-endian integers at offsets of a byte span; nothing when out of range.
class ByteView {
 public:
  explicit ByteView(std::span<const std::uint8_t> bytes, bool bigEndian = false)
      : bytes_(bytes), bigEndian_(bigEndian) {}
  std::size_t size() const { return bytes_.size(); }
  bool contains(std::uint64_t offset, std::uint64_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }
  std::optional<std::uint64_t> unsignedAt(std::uint64_t offset, std::size_t width) const;
  template <typename T>
  std::optional<T> at(std::uint64_t offset) const {
    const auto value = unsignedAt(offset, sizeof(T));
    if (!value) return std::nullopt;
    return static_cast<T>(*value);
  }
  std::optional<std::uint16_t> u16(std::uint64_t offset) const { return at<std::uint16_t>(offset); }
  std::optional<std::uint32_t> u32(std::uint64_t offset) const { return at<std::uint32_t>(offset); }
  std::optional<std::uint64_t> u64(std::uint64_t offset) const { return at<std::uint64_t>(offset); }
  std::span<const std::uint8_t> bytes() const { return bytes_; }

 private:
  std::span<const std::uint8_t> bytes_;
  bool bigEndian_;
};

}  // namespace qu
