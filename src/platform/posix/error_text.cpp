#include "platform/posix/error_text.h"

#include <string.h>

namespace qu {

std::string errorText(int error) {
  char buffer[256] = {};
  // The GNU strerror_r may return a static text instead of filling the buffer.
  return strerror_r(error, buffer, sizeof buffer);
}

}  // namespace qu
