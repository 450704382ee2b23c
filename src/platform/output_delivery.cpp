#include "platform/output_delivery.h"

namespace qu {

void OutputDelivery::operator()(std::string_view piece) {
  if (!healthy_) return;
  try {
    sink_(piece);
  } catch (...) {
    healthy_ = false;
  }
}

}  // namespace qu
