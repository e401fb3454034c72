// What both programs print for --version and the desktop program for --help.
#pragma once

#include <string>

#include "shell/verzeichnisse.h"

namespace quarnel {

// "1.0.0"
const char* ProgrammVersion();

// "<name> (Quarnel 2001/2002) <version>", then the data directory in use
// and the licence.
std::string VersionsText(const std::string& programmname, const Verzeichnisse& v);

// The licence in three lines: GPL-3.0-or-later, free to change and pass on,
// no warranty.
const char* LizenzText();

// The usage text of the desktop program: its letters, the file to open and
// the two options. The manual page is made from it.
std::string ProgrammAufrufText();

}  // namespace quarnel
