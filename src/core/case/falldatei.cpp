#include "case/falldatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quarnel {
namespace {

// Closes a descriptor when it goes out of scope.
class Deskriptor {
  public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    ~Deskriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int fd() const { return fd_; }
    bool Schliessen() {
        int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int fd_;
};

int Oeffne(const std::string& pfad, int flags) {
    int fd;
    do {
        fd = ::open(pfad.c_str(), flags | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Reads up to `anzahl` bytes; returns how many were read (fewer at the end), -1 on error.
ssize_t LeseVoll(int fd, uint8_t* ziel, std::size_t anzahl) {
    std::size_t gelesen = 0;
    while (gelesen < anzahl) {
        ssize_t n = ::read(fd, ziel + gelesen, anzahl - gelesen);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        gelesen += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(gelesen);
}

bool SchreibeVoll(Schreibkanal& k, int fd, const uint8_t* daten, std::size_t anzahl) {
    std::size_t geschrieben = 0;
    while (geschrieben < anzahl) {
        ssize_t n = k.Schreibe(fd, daten + geschrieben, anzahl - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

bool IstVerzeichnis(const std::string& pfad) {
    struct stat st;
    return !pfad.empty() && ::stat(pfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// mkstemps under `verzeichnis` with the given prefix and suffix; the path, or "" on failure.
std::string Anlegen(const std::string& verzeichnis, const char* praefix, const char* suffix) {
    std::string muster = verzeichnis;
    if (!muster.empty() && muster.back() != '/') muster += '/';
    muster += praefix;
    muster += "XXXXXX";
    muster += suffix;
    int fd = ::mkstemps(muster.data(), static_cast<int>(std::strlen(suffix)));
    if (fd < 0) return {};
    ::fchmod(fd, 0600);
    ::close(fd);
    return muster;
}

}  // namespace

bool SignaturGueltig(std::span<const uint8_t> anfang) {
    if (anfang.size() < 1 + FallKennung.size()) return false;
    return std::equal(FallKennung.begin(), FallKennung.end(), anfang.begin() + 1,
                      [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

Dateipruefung DateiPruefen(const std::string& pfad) {
    Deskriptor d(Oeffne(pfad, O_RDONLY));
    if (d.fd() < 0) return Dateipruefung::NichtLesbar;
    uint8_t kopf[9];
    ssize_t n = LeseVoll(d.fd(), kopf, sizeof kopf);
    if (n < 0) return Dateipruefung::NichtLesbar;
    return SignaturGueltig(std::span(kopf, static_cast<std::size_t>(n))) ? Dateipruefung::Gueltig
                                                                         : Dateipruefung::Ungueltig;
}

bool DateiGueltig(const std::string& pfad) {
    return DateiPruefen(pfad) == Dateipruefung::Gueltig;
}

std::optional<std::vector<uint8_t>> DateiLesen(const std::string& pfad, std::size_t hoechstens) {
    Deskriptor d(Oeffne(pfad, O_RDONLY));
    if (d.fd() < 0) return std::nullopt;
    struct stat st;
    if (::fstat(d.fd(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
    // One byte more than allowed tells a file that is too long.
    std::vector<uint8_t> daten(hoechstens + 1);
    ssize_t n = LeseVoll(d.fd(), daten.data(), daten.size());
    if (n < 0 || static_cast<std::size_t>(n) > hoechstens) return std::nullopt;
    daten.resize(static_cast<std::size_t>(n));
    return daten;
}

ssize_t Schreibkanal::Schreibe(int fd, const uint8_t* daten, std::size_t anzahl) {
    return ::write(fd, daten, anzahl);
}

ssize_t Schreibkanal::SchreibeAn(int fd, const uint8_t* daten, std::size_t anzahl, off_t offset) {
    return ::pwrite(fd, daten, anzahl, offset);
}

bool Schreibkanal::Synchronisiere(int fd) {
    return ::fsync(fd) == 0;
}

Schreibkanal& Schreibkanal::System() {
    static Schreibkanal k;
    return k;
}

bool AtomarSchreiben(const std::string& pfad, std::span<const uint8_t> daten, bool dauerhaft,
                     Schreibkanal& kanal, unsigned modus) {
    if (pfad.empty() || pfad.back() == '/') return false;
    std::string verzeichnis = Verzeichnisteil(pfad);
    if (verzeichnis.empty()) verzeichnis = ".";
    std::string temp = verzeichnis + "/." + Namensteil(pfad) + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    Deskriptor d(fd);
    struct stat alt;
    mode_t rechte;
    if (::stat(pfad.c_str(), &alt) == 0) {
        rechte = alt.st_mode & 07777;
    } else {
        mode_t maske = ::umask(0);
        ::umask(maske);
        rechte = static_cast<mode_t>(modus) & ~maske;
    }
    (void)::fchmod(fd, rechte);  // a mode we cannot set is no reason to fail
    bool ok = SchreibeVoll(kanal, fd, daten.data(), daten.size());
    if (ok && dauerhaft) ok = kanal.Synchronisiere(fd);
    if (!d.Schliessen()) ok = false;
    if (ok) ok = ::rename(temp.c_str(), pfad.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    // The directory is not flushed: after a crash the name shows the old file
    // or the complete new one, either of them whole.
    return ok;
}

std::vector<uint8_t> FallAbbild(const CaseRecord& satz, const Notizblock& notizen,
                                std::span<const uint8_t> listen) {
    std::vector<uint8_t> abbild(FallDateiGroesse, 0);
    std::copy(satz.Bytes().begin(), satz.Bytes().end(), abbild.begin());
    std::copy(notizen.bytes.begin(), notizen.bytes.end(), abbild.begin() + NotizblockOffset);
    std::copy_n(listen.begin(), std::min(listen.size(), ListenGroesse),
                abbild.begin() + ListenBeginn);
    return abbild;
}

void AbbildZerlegen(std::span<const uint8_t> abbild, CaseRecord& satz, Notizblock& notizen) {
    std::copy_n(abbild.begin(), CaseRecord::Groesse, satz.Bytes().begin());
    std::copy_n(abbild.begin() + NotizblockOffset, Notizblock::Groesse, notizen.bytes.begin());
}

std::span<const uint8_t> AbbildListen(std::span<const uint8_t> abbild) {
    return abbild.subspan(ListenBeginn, ListenGroesse);
}

std::string TemporaerVerzeichnis() {
    if (const char* t = std::getenv("TMPDIR"); t && *t && VerzeichnisBeschreibbar(t)) return t;
    if (VerzeichnisBeschreibbar("/tmp")) return "/tmp";
    return ".";
}

bool VerzeichnisErreichbar(const std::string& pfad) {
    return IstVerzeichnis(pfad) && ::access(pfad.c_str(), R_OK | X_OK) == 0;
}

bool VerzeichnisBeschreibbar(const std::string& pfad) {
    return VerzeichnisErreichbar(pfad) && ::access(pfad.c_str(), W_OK) == 0;
}

std::string Verzeichnisteil(const std::string& pfad) {
    auto p = pfad.rfind('/');
    if (p == std::string::npos) return {};
    if (p == 0) return "/";
    return pfad.substr(0, p);
}

std::string Namensteil(const std::string& pfad) {
    auto p = pfad.rfind('/');
    return p == std::string::npos ? pfad : pfad.substr(p + 1);
}

std::string VolleEndung(const std::string& pfad) {
    std::string name = Namensteil(pfad);
    auto p = name.rfind('.');
    if (p == std::string::npos) return {};
    std::string e = name.substr(p + 1);
    for (char& c : e)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return e;
}

std::string Endung(const std::string& pfad) {
    return VolleEndung(pfad).substr(0, 3);
}

TemporaereDateien::TemporaereDateien(const std::string& verzeichnis) {
    std::string v = verzeichnis.empty() ? TemporaerVerzeichnis() : verzeichnis;
    arbeitsdatei_ = Anlegen(v, "QRN", "");
    druckdatei_ = Anlegen(v, "RPP", "");
    pruefbericht_ = Anlegen(v, "HTM", ".htm");
    angelegt_ = !arbeitsdatei_.empty() && !druckdatei_.empty() && !pruefbericht_.empty();
}

TemporaereDateien::~TemporaereDateien() {
    for (const std::string* p : {&arbeitsdatei_, &druckdatei_, &pruefbericht_})
        if (!p->empty()) ::unlink(p->c_str());
}

bool ArbeitsdateiSchreiben(const std::string& pfad, std::span<const uint8_t> abbild,
                           Schreibkanal& kanal) {
    // Replaced as a whole, so that a failed write never leaves half of one
    // case and half of another; no flush to the disk, it is a temporary file.
    return abbild.size() == FallDateiGroesse && AtomarSchreiben(pfad, abbild, false, kanal, 0600);
}

std::optional<std::vector<uint8_t>> ArbeitsdateiListen(const std::string& pfad) {
    Deskriptor d(Oeffne(pfad, O_RDONLY));
    if (d.fd() < 0) return std::nullopt;
    std::vector<uint8_t> listen(ListenGroesse);
    ssize_t n;
    do {
        n = ::pread(d.fd(), listen.data(), listen.size(), static_cast<off_t>(ListenBeginn));
    } while (n < 0 && errno == EINTR);
    if (n != static_cast<ssize_t>(ListenGroesse)) return std::nullopt;
    return listen;
}

bool ListeLesen(const std::string& arbeitsdatei, int n, Listensatz& liste) {
    if (n < 1 || n > Listensatz::AnzahlListen) return false;
    Deskriptor d(Oeffne(arbeitsdatei, O_RDONLY));
    if (d.fd() < 0) return false;
    std::array<uint8_t, Listensatz::Groesse> puffer;
    ssize_t r;
    do {
        r = ::pread(d.fd(), puffer.data(), puffer.size(), static_cast<off_t>(ListenOffset(n)));
    } while (r < 0 && errno == EINTR);
    if (r != static_cast<ssize_t>(puffer.size())) return false;
    liste.bytes = puffer;
    return true;
}

bool ListeSchreiben(const std::string& arbeitsdatei, int n, const Listensatz& liste,
                    Schreibkanal& kanal) {
    if (n < 1 || n > Listensatz::AnzahlListen) return false;
    Deskriptor d(Oeffne(arbeitsdatei, O_WRONLY));
    if (d.fd() < 0) return false;
    std::size_t geschrieben = 0;
    while (geschrieben < Listensatz::Groesse) {
        ssize_t r = kanal.SchreibeAn(d.fd(), liste.bytes.data() + geschrieben,
                                     Listensatz::Groesse - geschrieben,
                                     static_cast<off_t>(ListenOffset(n) + geschrieben));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        geschrieben += static_cast<std::size_t>(r);
    }
    return d.Schliessen();
}

}  // namespace quarnel
