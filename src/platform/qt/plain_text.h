#pragma once

// Texts from files and from the utility are shown as written: never as rich text, never with
// "&" as a mnemonic mark, never with "[*]" as the window's modified mark.

#include <QString>
#include <string>

namespace qu {

QString plainText(const std::string& text);
// For buttons, check boxes, radio buttons and group captions.
QString plainButtonText(const std::string& text);
QString plainWindowTitle(const std::string& text);
// A tool tip that looks like rich text is escaped, keeping its line breaks and blanks.
QString plainToolTip(const std::string& text);

}  // namespace qu
