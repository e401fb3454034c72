#include "case/arbeitsdateien.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace quarnel {

namespace {

constexpr const char* kSperrEndung = ".lck";
constexpr size_t kKennungLaenge = 6;  // the XXXXXX of mkstemp

std::string Umgebung(const char* name) {
    const char* w = std::getenv(name);
    return w ? std::string(w) : std::string();
}

bool Absolut(const std::string& p) {
    return !p.empty() && p.front() == '/';
}

bool SperreVersuchen(int fd) {
    int r;
    do {
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (r < 0 && errno == EINTR);
    return r == 0;
}

// The folder, created with mode 0700 when missing; it must be a real
// directory (no link) of this user; group and other bits are taken away.
bool EigenesVerzeichnis(const std::string& pfad) {
    if (::mkdir(pfad.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st;
    if (::lstat(pfad.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    return (st.st_mode & 077) == 0 || ::chmod(pfad.c_str(), st.st_mode & 0700) == 0;
}

// "QRN" + six characters of mkstemp's alphabet + ".lck": the id, or "".
std::string KennungDerSperre(const std::string& name) {
    const size_t laenge = 3 + kKennungLaenge + std::strlen(kSperrEndung);
    if (name.size() != laenge || name.compare(0, 3, "QRN") != 0 ||
        name.compare(3 + kKennungLaenge, std::string::npos, kSperrEndung) != 0)
        return {};
    const std::string kennung = name.substr(3, kKennungLaenge);
    for (char c : kennung)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return {};
    return kennung;
}

// A file of the run `kennung`: one of its three names, or a temporary copy of
// one (a leading point, then the name and a point). Never the lock file.
bool GehoertZumLauf(const std::string& name, const std::string& kennung) {
    std::string rest = name;
    const bool kopie = !rest.empty() && rest.front() == '.';
    if (kopie) rest.erase(0, 1);
    for (const char* praefix : {"QRN", "RPP", "HTM"}) {
        const std::string stamm = praefix + kennung;
        if (rest.compare(0, stamm.size(), stamm) != 0) continue;
        const std::string danach = rest.substr(stamm.size());
        if (kopie) return !danach.empty() && danach.front() == '.';
        if (danach.empty() && std::strcmp(praefix, "HTM") != 0) return true;
        if (danach == ".htm" && std::strcmp(praefix, "HTM") == 0) return true;
    }
    return false;
}

bool LeerAnlegen(const std::string& pfad) {
    int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::fchmod(fd, 0600);
    ::close(fd);
    return true;
}

}  // namespace

ArbeitsQuellen ArbeitsQuellenDesProzesses() {
    return {Umgebung("XDG_RUNTIME_DIR"), Umgebung("XDG_CACHE_HOME"), Umgebung("HOME")};
}

std::string PrivatesArbeitsverzeichnis(const ArbeitsQuellen& q) {
    struct stat st;
    if (Absolut(q.xdgRuntimeDir) && ::stat(q.xdgRuntimeDir.c_str(), &st) == 0 &&
        S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0 &&
        ::access(q.xdgRuntimeDir.c_str(), W_OK | X_OK) == 0) {
        const std::string p = q.xdgRuntimeDir + "/quarnel";
        if (EigenesVerzeichnis(p)) return p;
    }
    std::string cache;
    if (Absolut(q.xdgCacheHome))
        cache = q.xdgCacheHome;
    else if (Absolut(q.home))
        cache = q.home + "/.cache";
    else
        return {};
    // The cache directory itself may be missing on a fresh account.
    if (::mkdir(cache.c_str(), 0700) != 0 && errno != EEXIST) return {};
    const std::string p = cache + "/quarnel";
    return EigenesVerzeichnis(p) ? p : std::string();
}

LaufDateien LaufDateienAnlegen(const std::string& verzeichnis) {
    std::string basis = verzeichnis;
    if (!basis.empty() && basis.back() != '/') basis += '/';
    for (int versuch = 0; versuch < 100; ++versuch) {
        LaufDateien l;
        l.sperrdatei = basis + "QRNXXXXXX" + kSperrEndung;
        const int endung = static_cast<int>(std::strlen(kSperrEndung));
        l.sperrFd = ::mkostemps(l.sperrdatei.data(), endung, O_CLOEXEC);
        if (l.sperrFd < 0) return {};
        ::fchmod(l.sperrFd, 0600);
        // A clean-up that runs right now may have taken the fresh lock file
        // for a dead run's: then it is no longer ours, and we start again.
        struct stat offen, jetzt;
        if (!SperreVersuchen(l.sperrFd) || ::fstat(l.sperrFd, &offen) != 0 ||
            ::lstat(l.sperrdatei.c_str(), &jetzt) != 0 || offen.st_ino != jetzt.st_ino ||
            offen.st_dev != jetzt.st_dev) {
            ::close(l.sperrFd);
            continue;
        }
        const std::string stamm = l.sperrdatei.substr(0, l.sperrdatei.size() - endung);
        const std::string kennung = stamm.substr(stamm.size() - kKennungLaenge);
        l.arbeitsdatei = stamm;
        l.druckdatei = basis + "RPP" + kennung;
        l.pruefbericht = basis + "HTM" + kennung + ".htm";
        std::vector<std::string> angelegt;
        bool ok = true;
        for (const std::string* p : {&l.arbeitsdatei, &l.druckdatei, &l.pruefbericht}) {
            if (!LeerAnlegen(*p)) {
                ok = false;
                break;
            }
            angelegt.push_back(*p);
        }
        if (ok) return l;
        const int fehler = errno;
        for (const auto& p : angelegt) ::unlink(p.c_str());
        ::unlink(l.sperrdatei.c_str());
        ::close(l.sperrFd);
        if (fehler != EEXIST) return {};  // a name of an old run in the way: another id
    }
    return {};
}

void LaufDateienEntfernen(LaufDateien& l) {
    for (const std::string* p : {&l.arbeitsdatei, &l.druckdatei, &l.pruefbericht})
        if (!p->empty()) ::unlink(p->c_str());
    if (!l.sperrdatei.empty()) ::unlink(l.sperrdatei.c_str());
    if (l.sperrFd >= 0) ::close(l.sperrFd);
    l = LaufDateien{};
}

int VerwaisteLaufDateienEntfernen(const std::string& verzeichnis) {
    std::vector<std::string> namen;
    if (DIR* dir = ::opendir(verzeichnis.c_str())) {
        while (const dirent* e = ::readdir(dir)) namen.emplace_back(e->d_name);
        ::closedir(dir);
    }
    const std::string basis = verzeichnis.empty() || verzeichnis.back() == '/' ? verzeichnis
                                                                               : verzeichnis + "/";
    int entfernt = 0;
    for (const auto& sperrname : namen) {
        const std::string kennung = KennungDerSperre(sperrname);
        if (kennung.empty()) continue;
        const std::string sperre = basis + sperrname;
        const int fd = ::open(sperre.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st;
        // A run that still lives holds its lock.
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() ||
            !SperreVersuchen(fd)) {
            ::close(fd);
            continue;
        }
        for (const auto& name : namen) {
            if (!GehoertZumLauf(name, kennung)) continue;
            const std::string pfad = basis + name;
            struct stat f;
            if (::lstat(pfad.c_str(), &f) != 0 || f.st_uid != ::geteuid() ||
                !(S_ISREG(f.st_mode) || S_ISLNK(f.st_mode)))
                continue;
            if (::unlink(pfad.c_str()) == 0) ++entfernt;
        }
        if (::unlink(sperre.c_str()) == 0) ++entfernt;
        ::close(fd);
    }
    return entfernt;
}

}  // namespace quarnel
