#include "platform/qt/plain_text.h"

#include <QTextDocument>

namespace qu {

QString plainText(const std::string& text) {
  return QString::fromStdString(text);
}

QString plainButtonText(const std::string& text) {
  return plainText(text).replace("&", "&&");
}

// Qt shows "[*][*]" as "[*]".
QString plainWindowTitle(const std::string& text) {
  return plainText(text).replace("[*]", "[*][*]");
}

QString plainToolTip(const std::string& text) {
  const QString tip = plainText(text);
  if (!Qt::mightBeRichText(tip)) return tip;
  return "<p style='white-space:pre'>" + tip.toHtmlEscaped() + "</p>";
}

}  // namespace qu
