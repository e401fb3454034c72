#include "shell/kommandozeile.h"

#include <filesystem>
#include <system_error>

namespace quarnel {

namespace {

bool NenntDatei(const std::string& p) {
    return p.find_first_of("/.") != std::string::npos;
}

std::string Absolut(const std::string& p) {
    std::error_code ec;
    const std::filesystem::path a = std::filesystem::absolute(p, ec);
    return ec ? p : a.lexically_normal().string();
}

}  // namespace

Startschalter KommandozeileAuswerten(const std::vector<std::string>& parameter) {
    Startschalter s;
    std::string text;
    for (std::size_t i = 0; i < parameter.size(); ++i) {
        if (NenntDatei(parameter[i])) {
            if (s.datei.empty()) s.datei = Absolut(parameter[i]);
        } else if (i < 3) {
            text += parameter[i];
        }
    }
    s.testmodus = text.find('T') != std::string::npos;
    s.autoOeffnen = text.find('F') != std::string::npos;
    s.ohneSplash = text.find("S-") != std::string::npos;
    return s;
}

}  // namespace quarnel
