// Case files of tests/cases read for the core tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "calc/fall.h"

namespace quarnel::test {

// The computation case in the file; nullptr, with the reader's error in
// *fehler, when the file holds none (the folders of notices and letters).
inline std::unique_ptr<Fall> FallDateiLesen(const std::filesystem::path& pfad,
                                            FallFehler* fehler = nullptr) {
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    auto fall = std::make_unique<Fall>();
    FallFehler f;
    if (FallLesen(s.str(), *fall, f)) return fall;
    if (fehler) *fehler = f;
    return nullptr;
}

}  // namespace quarnel::test
