// Windows-1252 <-> UTF-8. Texts in the record, the result lines and the data
// files are Windows-1252 bytes; the GUI and the terminal get UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

std::string Cp1252ZuUtf8(std::string_view cp1252);
// Characters Windows-1252 cannot hold become '?'; invalid UTF-8 bytes too.
std::string Utf8ZuCp1252(std::string_view utf8);

// True when the text holds a control character: a byte below 0x20 (NUL, tab
// and line breaks included) or DEL.
bool HatSteuerzeichen(std::string_view text);
// A UTF-8 text safe to show on a terminal: control characters, the C1
// controls U+0080..U+009F (which start escape sequences) and invalid bytes
// become '?'.
std::string OhneSteuerzeichen(std::string_view utf8);
// True when the text is valid UTF-8.
bool GueltigesUtf8(std::string_view text);

}  // namespace quarnel
