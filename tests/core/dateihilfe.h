// Helpers of the tests of writers and readers: whole files in and out, and
// quarnel-cli runs.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "testhilfe.h"
#include "testpfade.h"

namespace quarnel::test {

inline std::string Inhalt(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void Schreibe(const std::string& pfad, const std::string& inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

inline bool Enthaelt(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

// The command line of a quarnel-cli run.
inline std::string CliBefehl(const std::vector<std::string>& args) {
    std::string b = QUARNEL_CLI_PATH;
    for (const auto& a : args) b += " " + Zitiert(a);
    return b;
}

}  // namespace quarnel::test
