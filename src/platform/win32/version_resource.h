#pragma once

#include <string>

namespace qu {

// The FileVersion string of a file's version resource through the system's version API: the
// translation table in its order, the first string table of a listed language and code page
// that has FileVersion. "" when there is none.
std::string fileVersionFromResource(const std::wstring& path);

}  // namespace qu
