#include "platform/file_time.h"

namespace qu {

std::optional<DosDateTime> FileTime::dos() const {
  using namespace std::chrono;
  if (!present_) return std::nullopt;
  const auto local = floor<seconds>(written_) + utcOffset_;
  const auto day = floor<days>(local);
  const year_month_day date{day};
  const hh_mm_ss time{local - day};
  const int year = static_cast<int>(date.year());
  if (year < 1980 || year > 2107) return std::nullopt;
  return DosDateTime{year,
                     static_cast<int>(static_cast<unsigned>(date.month())),
                     static_cast<int>(static_cast<unsigned>(date.day())),
                     static_cast<int>(time.hours().count()),
                     static_cast<int>(time.minutes().count()),
                     static_cast<int>(time.seconds().count()) / 2 * 2};
}

}  // namespace qu
