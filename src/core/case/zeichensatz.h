// Windows-1252 <-> UTF-8. Texts in the record, the result lines and the data
// files are Windows-1252 bytes; the GUI and the terminal get UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

std::string Cp1252ZuUtf8(std::string_view cp1252);
// Characters Windows-1252 cannot hold become '?'; invalid UTF-8 bytes too.
std::string Utf8ZuCp1252(std::string_view utf8);

}  // namespace quarnel
