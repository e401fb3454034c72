// Helpers shared by the core tests.
#pragma once

#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
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
    ~TempVerzeichnis() {
        std::error_code fehler;  // a test may have made the directory read-only
        std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, fehler);
        std::filesystem::remove_all(pfad_, fehler);
    }
    TempVerzeichnis(const TempVerzeichnis&) = delete;
    TempVerzeichnis& operator=(const TempVerzeichnis&) = delete;

    std::string operator/(const std::string& name) const { return (pfad_ / name).string(); }
    const std::filesystem::path& Pfad() const { return pfad_; }
    std::string Text() const { return pfad_.string(); }

  private:
    std::filesystem::path pfad_;
};

// A word quoted for the shell.
inline std::string Zitiert(const std::string& s) {
    std::string z = "'";
    for (char c : s) z += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return z + "'";
}

// A shell command run to its end: exit code (-1 when it did not exit) and stdout.
struct Lauf {
    int code;
    std::string aus;
};
inline Lauf Ausfuehren(const std::string& befehl) {
    FILE* p = ::popen(befehl.c_str(), "r");
    Lauf l{-1, {}};
    if (!p) return l;
    char puffer[4096];
    std::size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, p)) > 0) l.aus.append(puffer, n);
    const int status = ::pclose(p);
    l.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return l;
}

}  // namespace quarnel::test
