// Helpers shared by the core tests.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace quarnel::test {

// A fresh temporary directory, removed with everything in it at the end of the test.
class TempVerzeichnis {
  public:
    TempVerzeichnis() {
        std::string muster = (std::filesystem::temp_directory_path() / "quarnelXXXXXX").string();
        pfad_ = ::mkdtemp(muster.data());
    }
    ~TempVerzeichnis() { std::filesystem::remove_all(pfad_); }
    TempVerzeichnis(const TempVerzeichnis&) = delete;
    TempVerzeichnis& operator=(const TempVerzeichnis&) = delete;

    std::string operator/(const std::string& name) const { return (pfad_ / name).string(); }
    const std::filesystem::path& Pfad() const { return pfad_; }

  private:
    std::filesystem::path pfad_;
};

}  // namespace quarnel::test
