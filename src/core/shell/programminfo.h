// What both programs print for --version and the desktop program for --help.
#pragma once

#include <string>

#include "shell/verzeichnisse.h"

namespace quarnel {

// "1.0"
const char* ProgrammVersion();

// "<name> (Quarnel 2001/2002) <version>", then the data directory in use.
std::string VersionsText(const std::string& programmname, const Verzeichnisse& v);

// The usage text of the desktop program: its letters, the file to open and
// the two options. The manual page is made from it.
std::string ProgrammAufrufText();

}  // namespace quarnel
