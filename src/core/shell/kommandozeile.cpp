#include "shell/kommandozeile.h"

namespace quarnel {

Startschalter KommandozeileAuswerten(const std::vector<std::string>& parameter) {
    std::string text;
    for (std::size_t i = 0; i < parameter.size() && i < 3; ++i) text += parameter[i];
    Startschalter s;
    s.testmodus = text.find('T') != std::string::npos;
    s.autoOeffnen = text.find('F') != std::string::npos;
    s.ohneSplash = text.find("S-") != std::string::npos;
    return s;
}

}  // namespace quarnel
