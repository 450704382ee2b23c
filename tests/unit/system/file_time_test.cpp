#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/file_time.h"
#include "platform/posix/posix_system.h"
#include "unit/system/system_test_support.h"

namespace qu {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

FileTime::TimePoint utc(int y, unsigned mo, unsigned d, int h, int mi, int s, int ns = 0) {
  return sys_days{year{y} / month{mo} / day{d}} + hours{h} + minutes{mi} + seconds{s} +
         nanoseconds{ns};
}

struct DosCase {
  const char* what;
  FileTime::TimePoint written;
  seconds offset;
  std::optional<DosDateTime> expected;
};

TEST(FileTime, DosFormIsLocalAtTwoSeconds) {
  const DosCase cases[] = {
      {"odd second rounds down", utc(2024, 3, 5, 14, 7, 59, 999999999), 0s,
       DosDateTime{2024, 3, 5, 14, 7, 58}},
      {"offset east crosses midnight and year", utc(2023, 12, 31, 23, 30, 1), 3600s,
       DosDateTime{2024, 1, 1, 0, 30, 0}},
      {"offset west", utc(2024, 3, 1, 0, 0, 0), -5h, DosDateTime{2024, 2, 29, 19, 0, 0}},
      {"first DOS day", utc(1980, 1, 1, 0, 0, 0), 0s, DosDateTime{1980, 1, 1, 0, 0, 0}},
      {"last DOS second", utc(2107, 12, 31, 23, 59, 59), 0s, DosDateTime{2107, 12, 31, 23, 59, 58}},
      {"before 1980", utc(1979, 12, 31, 23, 59, 59), 0s, std::nullopt},
      {"before 1980 only in UTC", utc(1979, 12, 31, 23, 0, 0), 1h,
       DosDateTime{1980, 1, 1, 0, 0, 0}},
      {"after 2107", utc(2108, 1, 1, 0, 0, 0), 0s, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileTime(c.written, c.offset).dos(), c.expected) << c.what;
  }
  EXPECT_EQ(FileTime().dos(), std::nullopt);
}

TEST(PosixFiles, ModifiedTimeOfFileFolderAndMissingPath) {
  const test::TempFolder folder;
  PosixSystem system;
  const std::string file = folder.write("vororadi.txt", "0\r\nDone\r\n");
  const auto stamp =
      std::filesystem::file_time_type::clock::from_sys(utc(2024, 5, 6, 7, 8, 9, 123456789));
  std::filesystem::last_write_time(file, stamp);

  const FileTime time = system.FileModifiedTime(file);
  EXPECT_EQ(time.written(), utc(2024, 5, 6, 7, 8, 9, 123456789));
  ASSERT_TRUE(time.dos());
  EXPECT_EQ(time.dos()->second, 8);

  std::filesystem::last_write_time(file, stamp + 1us);
  EXPECT_NE(system.FileModifiedTime(file), time) << "a rewrite in the same second is seen";

  EXPECT_TRUE(system.FileModifiedTime(folder.path().string()).isZero());
  EXPECT_TRUE(system.FileModifiedTime(folder.file("missing.txt")).isZero());
  EXPECT_TRUE(system.FileModifiedTime("").isZero());
}

TEST(PosixFiles, ExistsOnlyForFiles) {
  const test::TempFolder folder;
  PosixSystem system;
  const std::string file = folder.write("ss_storage.ini", "");
  std::filesystem::create_symlink(file, folder.path() / "link.ini");
  EXPECT_TRUE(system.fileExists(file));
  EXPECT_TRUE(system.fileExists(folder.file("link.ini"))) << "a link to a file";
  EXPECT_FALSE(system.fileExists(folder.path().string()));
  EXPECT_FALSE(system.fileExists(folder.file("missing.ini")));
  EXPECT_FALSE(system.fileExists(""));
}

}  // namespace
}  // namespace qu
