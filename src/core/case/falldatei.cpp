#include "case/falldatei.h"

#include "case/arbeitsdateien.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <ctime>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "case/sicherung.h"

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
    void Setze(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    // Gives the descriptor away without closing it.
    int Loslassen() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }
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

}  // namespace

bool SignaturGueltig(std::span<const uint8_t> anfang) {
    if (anfang.size() < 1 + FallKennung.size()) return false;
    return std::equal(FallKennung.begin(), FallKennung.end(), anfang.begin() + 1,
                      [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

int RegulaereDateiOeffnen(const std::string& pfad) {
    // O_NONBLOCK: opening a FIFO without a writer would wait for ever.
    int fd = Oeffne(pfad, O_RDONLY | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

Dateipruefung DateiPruefen(const std::string& pfad) {
    Deskriptor d(RegulaereDateiOeffnen(pfad));
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
    std::vector<uint8_t> daten;
    if (!DateiLesenIn(pfad, hoechstens, daten)) return std::nullopt;
    return daten;
}

bool DateiLesenIn(const std::string& pfad, std::size_t hoechstens, std::vector<uint8_t>& daten) {
    daten.clear();
    Deskriptor d(RegulaereDateiOeffnen(pfad));
    struct stat st;
    if (d.fd() < 0 || ::fstat(d.fd(), &st) != 0) return false;
    // Room for what the file has (a file that grows meanwhile is read on up
    // to the limit); one byte more than allowed tells a file that is too long.
    const auto groesse = static_cast<std::size_t>(std::max<off_t>(st.st_size, 0));
    daten.reserve(std::min(groesse, hoechstens) + 1);
    uint8_t stueck[65536];
    while (daten.size() <= hoechstens) {
        const std::size_t rest = hoechstens + 1 - daten.size();
        const ssize_t n = LeseVoll(d.fd(), stueck, std::min(sizeof stueck, rest));
        if (n < 0) break;
        if (n == 0) return true;
        daten.insert(daten.end(), stueck, stueck + n);
    }
    daten.clear();  // unreadable, or longer than allowed
    return false;
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

namespace {

bool Flock(int fd, int art) {
    int r;
    do {
        r = ::flock(fd, art);
    } while (r < 0 && errno == EINTR);
    return r == 0;
}

bool GleicheDatei(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Where the symbolic link `pfad` points (relative to its folder); the path
// itself when it is no link.
std::string VerweisZiel1(const std::string& pfad) {
    std::string inhalt(4096, '\0');
    ssize_t n = ::readlink(pfad.c_str(), inhalt.data(), inhalt.size());
    if (n <= 0) return pfad;
    inhalt.resize(static_cast<std::size_t>(n));
    if (inhalt.front() != '/') {
        std::string v = Verzeichnisteil(pfad);
        inhalt = (v.empty() ? std::string(".") : v) + "/" + inhalt;
    }
    return inhalt;
}

// The file a path names after following its symbolic links (also a link
// whose target does not exist yet); the path itself when it is none.
std::string VerweisZiel(const std::string& pfad) {
    std::string ziel = pfad;
    for (int schritt = 0; schritt < 40; ++schritt) {
        struct stat st;
        if (::lstat(ziel.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return ziel;
        const std::string weiter = VerweisZiel1(ziel);
        if (weiter == ziel) return ziel;
        ziel = weiter;
    }
    return ziel;
}

// True when every symbolic link on the way from `pfad` belongs to this user.
bool NurEigeneVerweise(const std::string& pfad) {
    std::string ziel = pfad;
    for (int schritt = 0; schritt < 40; ++schritt) {
        struct stat st;
        if (::lstat(ziel.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        if (st.st_uid != ::geteuid()) return false;
        const std::string weiter = VerweisZiel1(ziel);
        if (weiter == ziel) return true;
        ziel = weiter;
    }
    return false;
}

Speicherfehler AusErrno(int e) {
    switch (e) {
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            return Speicherfehler::Schreibgeschuetzt;
        case ENAMETOOLONG:
            return Speicherfehler::NameZuLang;
        case ENOENT:
        case ENOTDIR:
            return Speicherfehler::Verzeichnis;
        default:
            return Speicherfehler::Schreibfehler;
    }
}

// Writes the whole image at offset 0 of an open file, cuts it to its length
// and flushes it: for a file whose identity must stay (hard links, owner).
Speicherfehler ImOrtSchreiben(int fd, std::span<const uint8_t> daten, Schreibkanal& kanal) {
    std::size_t geschrieben = 0;
    while (geschrieben < daten.size()) {
        ssize_t n = kanal.SchreibeAn(fd, daten.data() + geschrieben, daten.size() - geschrieben,
                                     static_cast<off_t>(geschrieben));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Speicherfehler::Schreibfehler;
        geschrieben += static_cast<std::size_t>(n);
    }
    if (::ftruncate(fd, static_cast<off_t>(daten.size())) != 0 || !kanal.Synchronisiere(fd))
        return Speicherfehler::Schreibfehler;
    return Speicherfehler::Keiner;
}

void VerzeichnisSichern(const std::string& verzeichnis) {
    int fd = Oeffne(verzeichnis, O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

// ".NAME.S01" + KopieKennzeichen + six random characters: by its name, the
// temporary copy of a case-file save.
bool IstTemporaereKopie(std::string_view name) {
    const std::size_t anhang = KopieKennzeichen.size() + 6;
    if (name.size() < 1 + 5 + anhang || name.front() != '.') return false;
    std::string_view zufall = name.substr(name.size() - 6);
    for (char c : zufall)
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    if (name.substr(name.size() - anhang, KopieKennzeichen.size()) != KopieKennzeichen)
        return false;
    std::string endung(name.substr(name.size() - anhang - 4, 4));
    for (char& c : endung) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return endung == ".S01";
}

// By its content: the case signature with the copy mark in the first byte,
// which only a save that has not finished leaves there.
bool InhaltTemporaereKopie(int fd) {
    uint8_t kopf[9];
    ssize_t n;
    do {
        n = ::pread(fd, kopf, sizeof kopf, 0);
    } while (n < 0 && errno == EINTR);
    return n == static_cast<ssize_t>(sizeof kopf) && kopf[0] == KopieMarke &&
           SignaturGueltig(kopf);
}

}  // namespace

std::string SpeicherfehlerText(Speicherfehler f, const std::string& pfad) {
    switch (f) {
        case Speicherfehler::Keiner:
            return {};
        case Speicherfehler::Schreibgeschuetzt:
            return "Die Datei ist schreibgeschützt und wurde nicht verändert: " + pfad;
        case Speicherfehler::KeineDatei:
            return "Keine gewöhnliche Datei, es wird nicht hineingeschrieben: " + pfad;
        case Speicherfehler::Verzeichnis: {
            std::string v = Verzeichnisteil(pfad);
            return "In das Verzeichnis kann nicht gespeichert werden: " + (v.empty() ? "." : v);
        }
        case Speicherfehler::NameZuLang:
            return "Der Dateiname ist zu lang, um die Datei sicher zu speichern: " + pfad;
        case Speicherfehler::Besteht:
            return "Datei besteht bereits, wird nicht überschrieben: " + pfad;
        case Speicherfehler::Gesperrt:
            return "Die Datei wird gerade von einem anderen Programm bearbeitet: " + pfad;
        case Speicherfehler::FremderVerweis:
            return "Der Verweis zeigt auf keine vorhandene Datei und gehört einem anderen "
                   "Benutzer, es wird keine Datei angelegt: " + pfad;
        case Speicherfehler::Falldatei:
            return "Die Datei ist eine Falldatei und wird nicht überschrieben: " + pfad;
        case Speicherfehler::Schreibfehler:
            return "Schwerer Fehler beim Abspeichern der Datendatei - Es werden min. 200 KB "
                   "Speicher auf dem Datenlaufwerk benötigt!";
    }
    return {};
}

Dateisperre& Dateisperre::operator=(Dateisperre&& a) noexcept {
    if (this != &a) {
        Freigeben();
        fd_ = a.fd_;
        pfad_ = std::move(a.pfad_);
        a.fd_ = -1;
    }
    return *this;
}

void Dateisperre::Freigeben() {
    if (fd_ >= 0) ::close(fd_);  // closing the descriptor drops the lock
    fd_ = -1;
}

void Dateisperre::Uebernehmen(int fd, std::string pfad) {
    Freigeben();
    fd_ = fd;
    pfad_ = std::move(pfad);
}

bool Dateisperre::AufDatei(const std::string& pfad) const {
    struct stat offen, dort;
    return fd_ >= 0 && ::fstat(fd_, &offen) == 0 && ::stat(pfad.c_str(), &dort) == 0 &&
           GleicheDatei(offen, dort);
}

Speicherfehler Dateisperre::Nehmen(const std::string& pfad, int wartenMs) {
    Freigeben();
    for (int gewartet = 0;;) {
        int fd = RegulaereDateiOeffnen(pfad);
        if (fd < 0) return Speicherfehler::KeineDatei;
        if (!Flock(fd, LOCK_EX | LOCK_NB)) {
            ::close(fd);
            if (errno != EWOULDBLOCK || gewartet >= wartenMs) return Speicherfehler::Gesperrt;
            ::usleep(10000);
            gewartet += 10;
            continue;
        }
        // A writer before us may have replaced the file while we waited: the
        // lock must be on the file the name shows now.
        struct stat offen, jetzt;
        if (::fstat(fd, &offen) == 0 && ::stat(pfad.c_str(), &jetzt) == 0 &&
            GleicheDatei(offen, jetzt)) {
            fd_ = fd;
            pfad_ = pfad;
            return Speicherfehler::Keiner;
        }
        ::close(fd);
        if (gewartet >= wartenMs) return Speicherfehler::Gesperrt;
    }
}

Speicherfehler Ersetzen(const std::string& pfad, std::span<const uint8_t> daten,
                        const Schreibart& art) {
    if (pfad.empty() || pfad.back() == '/') return Speicherfehler::KeineDatei;
    Schreibkanal& kanal = *art.kanal;
    struct stat verweis;
    if (!art.verweisFolgen && ::lstat(pfad.c_str(), &verweis) == 0 && !S_ISREG(verweis.st_mode))
        return Speicherfehler::KeineDatei;
    const std::string ziel = art.verweisFolgen ? VerweisZiel(pfad) : pfad;
    std::string verzeichnis = Verzeichnisteil(ziel);
    if (verzeichnis.empty()) verzeichnis = ".";

    // What the file is now: its mode, owner, group and links stay.
    struct stat alt;
    const bool besteht = ::lstat(ziel.c_str(), &alt) == 0;
    // A link to no file creates the file it names: only along links of this
    // user (another's link in a shared folder may name any file of ours).
    if (!besteht && ziel != pfad && !NurEigeneVerweise(pfad)) return Speicherfehler::FremderVerweis;
    if (besteht && art.nurNeu) return Speicherfehler::Besteht;
    if (besteht && !S_ISREG(alt.st_mode)) return Speicherfehler::KeineDatei;
    Deskriptor vorhanden(-1);
    if (besteht) {
        // Read-only by its mode is read-only for every user, root as well.
        if ((alt.st_mode & 0222) == 0) return Speicherfehler::Schreibgeschuetzt;
        vorhanden.Setze(Oeffne(ziel, O_WRONLY | O_NONBLOCK | O_NOFOLLOW));
        if (vorhanden.fd() < 0) return AusErrno(errno);
    }
    // The lock of the read-modify-write, or one of our own for this write.
    Dateisperre eigene;
    Dateisperre* sperre = &eigene;
    if (art.sperre && (!art.sperre->Gehalten() || art.sperre->AufDatei(ziel))) sperre = art.sperre;
    if (besteht && !sperre->Gehalten() &&
        sperre->Nehmen(ziel, 500) == Speicherfehler::Gesperrt)
        return Speicherfehler::Gesperrt;
    if (VolleEndung(ziel) == "S01") VerwaisteKopienEntfernen(verzeichnis);
    // The file as it was, kept before it is replaced; a save that fails
    // takes its copy back, one that succeeds drops the oldest.
    std::optional<std::string> sicherung;
    if (besteht && art.sicherungen > 0) sicherung = SicherungAnlegen(ziel);
    struct Sicherungsabschluss {
        const std::optional<std::string>& kopie;
        const std::string& fall;
        int anzahl;
        bool gelungen = false;
        ~Sicherungsabschluss() {
            if (!kopie) return;
            if (gelungen) SicherungenBegrenzen(fall, anzahl);
            else ::unlink(kopie->c_str());
        }
    } abschluss{sicherung, ziel, art.sicherungen};

    auto imOrt = [&]() {
        Speicherfehler f = ImOrtSchreiben(vorhanden.fd(), daten, kanal);
        if (f == Speicherfehler::Keiner && !vorhanden.Schliessen()) f = Speicherfehler::Schreibfehler;
        abschluss.gelungen = f == Speicherfehler::Keiner;
        return f;
    };
    // A hard-linked file stays one file with all its names.
    if (besteht && alt.st_nlink > 1) return imOrt();

    std::string temp = verzeichnis + "/." + Namensteil(ziel) + std::string(KopieKennzeichen) + "XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        if (besteht) return imOrt();  // the folder takes no new file, the file is writable
        return AusErrno(e) == Speicherfehler::Schreibgeschuetzt ? Speicherfehler::Verzeichnis
                                                                : AusErrno(e);
    }
    Deskriptor d(fd);
    // Locked from the start, so that no other save takes it for a stale copy
    // and the lock passes to the new file with the rename.
    (void)Flock(fd, LOCK_EX | LOCK_NB);
    auto verwerfen = [&]() { ::unlink(temp.c_str()); };
    if (besteht) {
        (void)::fchmod(fd, alt.st_mode & 07777);
        if ((alt.st_uid != ::geteuid() || alt.st_gid != ::getegid()) &&
            ::fchown(fd, alt.st_uid, alt.st_gid) != 0) {
            verwerfen();  // another owner or group: only the file itself keeps them
            return imOrt();
        }
        (void)::fchmod(fd, alt.st_mode & 07777);  // fchown may clear set-id bits
    } else {
        mode_t maske = ::umask(0);
        ::umask(maske);
        (void)::fchmod(fd, static_cast<mode_t>(art.modus) & ~maske);
    }
    // A case image is written with the copy mark in its first byte (which no
    // reader looks at) and gets its own first byte only when complete: a copy
    // an interrupted save leaves is known by its content as well as its name.
    const bool fallbild = daten.size() > FallKennung.size() && SignaturGueltig(daten);
    bool ok;
    if (fallbild) {
        ok = SchreibeVoll(kanal, fd, &KopieMarke, 1) &&
             SchreibeVoll(kanal, fd, daten.data() + 1, daten.size() - 1);
        if (ok && art.dauerhaft) ok = kanal.Synchronisiere(fd);
        if (ok) ok = kanal.SchreibeAn(fd, daten.data(), 1, 0) == 1;
    } else {
        ok = SchreibeVoll(kanal, fd, daten.data(), daten.size());
    }
    if (ok && art.dauerhaft) ok = kanal.Synchronisiere(fd);
    if (!ok) {
        verwerfen();
        return Speicherfehler::Schreibfehler;
    }
    int umbenannt;
    if (art.nurNeu) {
        umbenannt = ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, ziel.c_str(), RENAME_NOREPLACE);
    } else {
        umbenannt = ::rename(temp.c_str(), ziel.c_str());
    }
    if (umbenannt != 0) {
        const int e = errno;
        verwerfen();
        if (e == EEXIST) return Speicherfehler::Besteht;
        if (besteht) return imOrt();
        return AusErrno(e);
    }
    if (art.dauerhaft) VerzeichnisSichern(verzeichnis);
    // The new file is locked already; the lock of the old one goes.
    sperre->Uebernehmen(d.Loslassen(), pfad);
    abschluss.gelungen = true;
    return Speicherfehler::Keiner;
}

bool AtomarSchreiben(const std::string& pfad, std::span<const uint8_t> daten, bool dauerhaft,
                     Schreibkanal& kanal, unsigned modus) {
    Schreibart art;
    art.dauerhaft = dauerhaft;
    art.kanal = &kanal;
    art.modus = modus;
    return Ersetzen(pfad, daten, art) == Speicherfehler::Keiner;
}

Speicherfehler AusgabeSchreiben(const std::string& pfad, std::span<const uint8_t> daten,
                                unsigned modus, Schreibkanal& kanal) {
    if (pfad.empty() || pfad.back() == '/') return Speicherfehler::KeineDatei;
    struct stat st;
    if (::lstat(pfad.c_str(), &st) == 0) {
        // A link, device, FIFO or directory under the name is never written.
        if (!S_ISREG(st.st_mode)) return Speicherfehler::KeineDatei;
        if (DateiPruefen(pfad) == Dateipruefung::Gueltig) return Speicherfehler::Falldatei;
    }
    Schreibart art;
    art.dauerhaft = true;  // a full disk shows in the flush, before the old file goes
    art.verweisFolgen = false;
    art.modus = modus;
    art.kanal = &kanal;
    return Ersetzen(pfad, daten, art);
}

Speicherfehler BerichtSchreiben(const std::string& pfad, std::string_view text, unsigned modus) {
    return AusgabeSchreiben(pfad, {reinterpret_cast<const uint8_t*>(text.data()), text.size()},
                            modus);
}

int VerwaisteKopienEntfernen(const std::string& verzeichnis, int mindestAlterSek) {
    DIR* dir = ::opendir(verzeichnis.c_str());
    if (!dir) return 0;
    int entfernt = 0;
    const time_t grenze = ::time(nullptr) - mindestAlterSek;
    while (const dirent* e = ::readdir(dir)) {
        if (!IstTemporaereKopie(e->d_name)) continue;
        const std::string pfad = verzeichnis + "/" + e->d_name;
        Deskriptor d(Oeffne(pfad, O_RDONLY | O_NONBLOCK | O_NOFOLLOW));
        struct stat st;
        if (d.fd() < 0 || ::fstat(d.fd(), &st) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid() || st.st_mtime > grenze || !InhaltTemporaereKopie(d.fd()))
            continue;
        // A save that still runs holds its copy locked.
        if (!Flock(d.fd(), LOCK_EX | LOCK_NB)) continue;
        if (::unlink(pfad.c_str()) == 0) ++entfernt;
    }
    ::closedir(dir);
    return entfernt;
}

bool DieselbeDatei(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && GleicheDatei(sa, sb);
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
    if (std::string p = PrivatesArbeitsverzeichnis(ArbeitsQuellenDesProzesses()); !p.empty())
        return p;
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
    VerwaisteLaufDateienEntfernen(v);
    LaufDateien l = LaufDateienAnlegen(v);
    arbeitsdatei_ = l.arbeitsdatei;
    druckdatei_ = l.druckdatei;
    pruefbericht_ = l.pruefbericht;
    sperrdatei_ = l.sperrdatei;
    sperrFd_ = l.sperrFd;
    angelegt_ = sperrFd_ >= 0;
}

TemporaereDateien::~TemporaereDateien() {
    LaufDateien l{arbeitsdatei_, druckdatei_, pruefbericht_, sperrdatei_, sperrFd_};
    LaufDateienEntfernen(l);
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
