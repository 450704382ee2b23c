#pragma once

// A file's last-write time. Changes are detected at full precision; the two-second local "DOS"
// form is what is shown to the user and what the platform's old conversions produced.

#include <chrono>
#include <compare>
#include <optional>

namespace qu {

struct DosDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;  // always even
  bool operator==(const DosDateTime&) const = default;
};

class FileTime {
 public:
  using TimePoint = std::chrono::sys_time<std::chrono::nanoseconds>;

  // The zero time: no file, or a folder.
  FileTime() = default;
  // `utcOffset` is the local time's offset from UTC in force at `written`.
  FileTime(TimePoint written, std::chrono::seconds utcOffset)
      : written_(written), utcOffset_(utcOffset), present_(true) {}

  bool isZero() const { return !present_; }
  TimePoint written() const { return written_; }
  // Local time rounded down to two seconds; nothing for the zero time or a time outside the
  // years 1980 to 2107 that the form can hold.
  std::optional<DosDateTime> dos() const;

  // The zero time comes before every real time; the offset plays no part.
  bool operator==(const FileTime& other) const {
    return present_ == other.present_ && written_ == other.written_;
  }
  std::strong_ordering operator<=>(const FileTime& other) const {
    if (present_ != other.present_) return present_ <=> other.present_;
    return written_ <=> other.written_;
  }

 private:
  TimePoint written_{};
  std::chrono::seconds utcOffset_{0};
  bool present_ = false;
};

}  // namespace qu
