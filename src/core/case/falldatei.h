// Case files and the work file at byte level: the layout of a case file, the
// signature test, whole-file reads, atomic writes, the temporary files of a
// program run and the list records kept in the work file.
//
// A case file is the case record, the note table and the 50 list records,
// back to back, with no header of its own. The work file has the same layout
// and is the only store of the list records while the program runs.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "case/caserecord.h"
#include "case/vorjahr.h"

namespace quarnel {

// --- layout -------------------------------------------------------------------------
constexpr std::size_t NotizblockOffset = CaseRecord::Groesse;                 // 44,096
constexpr std::size_t ListenBeginn = NotizblockOffset + Notizblock::Groesse;  // 66,656
constexpr std::size_t ListenGroesse = Listensatz::AnzahlListen * Listensatz::Groesse;
constexpr std::size_t FallDateiGroesse = ListenBeginn + ListenGroesse;  // 193,456
// A previous-year file: the shorter record of the older version, then the
// note table and the list records in today's formats.
constexpr std::size_t VorjahrDateiGroesse =
    VorjahrSatzGroesse + Notizblock::Groesse + ListenGroesse;  // 186,816
constexpr std::string_view FallKennung = "S00VER10";
// The temporary copy of a save: its name is ".NAME" + KopieKennzeichen + six
// random characters; a case image there carries KopieMarke in its first
// byte until it is complete.
constexpr std::string_view KopieKennzeichen = "~quarnel-kopie~";
inline constexpr uint8_t KopieMarke = 0xA5;

// Offset of list record n (1..50) in a case file or the work file.
constexpr std::size_t ListenOffset(int n) {
    return ListenBeginn + static_cast<std::size_t>(n - 1) * Listensatz::Groesse;
}

// --- the signature ------------------------------------------------------------------
// True when bytes 1..8 are "S00VER10"; the first byte does not matter.
bool SignaturGueltig(std::span<const uint8_t> anfang);

enum class Dateipruefung { Gueltig, Ungueltig, NichtLesbar };
// Opens the file read-only and tests its signature (NichtLesbar for a FIFO,
// a device or a directory).
Dateipruefung DateiPruefen(const std::string& pfad);
bool DateiGueltig(const std::string& pfad);

// --- whole files --------------------------------------------------------------------
// Reads a whole file read-only. Nothing when it cannot be opened or read, is
// no regular file (a FIFO or device is never waited on), or is longer than
// `hoechstens` bytes (the caller then knows it is too long).
std::optional<std::vector<uint8_t>> DateiLesen(const std::string& pfad, std::size_t hoechstens);
// DateiLesen into `daten`, reusing its memory; false (and `daten` empty) where
// DateiLesen gives nothing.
bool DateiLesenIn(const std::string& pfad, std::size_t hoechstens, std::vector<uint8_t>& daten);
// Opens a regular file read-only without blocking; -1 for anything else.
int RegulaereDateiOeffnen(const std::string& pfad);

// Where written bytes go: the system by default; tests put a sink in that fails.
class Schreibkanal {
  public:
    virtual ~Schreibkanal() = default;
    // Like write(2): bytes written, or -1.
    virtual ssize_t Schreibe(int fd, const uint8_t* daten, std::size_t anzahl);
    // Like pwrite(2).
    virtual ssize_t SchreibeAn(int fd, const uint8_t* daten, std::size_t anzahl, off_t offset);
    // Like fsync(2): true on success.
    virtual bool Synchronisiere(int fd);
    static Schreibkanal& System();
};

// Why a file was not written.
enum class Speicherfehler {
    Keiner,
    Schreibgeschuetzt,  // the file is read-only or this user may not write it
    KeineDatei,         // the name is a directory, device, FIFO or socket
    Verzeichnis,        // the folder does not exist or takes no new file
    NameZuLang,         // no temporary name beside it fits the file system
    Besteht,            // a new file was asked for, but the name is taken
    Gesperrt,           // another process holds the file's lock
    Falldatei,          // an output would replace a case file
    FremderVerweis,     // a link to no file, not this user's: nothing is created
    Schreibfehler,      // writing failed (full disk, I/O error): the old file stands
};
// The German message for a failure (with the path), "" for Keiner.
std::string SpeicherfehlerText(Speicherfehler f, const std::string& pfad);

// An advisory lock (flock) on a case file: held while the object lives, by
// every writer of a case file for its read-modify-write and by the program
// on its open case. Writers that replace the file hand the lock on to the
// new file (see Ersetzen below).
class Dateisperre {
  public:
    Dateisperre() = default;
    ~Dateisperre() { Freigeben(); }
    Dateisperre(Dateisperre&& a) noexcept : fd_(a.fd_), pfad_(std::move(a.pfad_)) { a.fd_ = -1; }
    Dateisperre& operator=(Dateisperre&& a) noexcept;
    Dateisperre(const Dateisperre&) = delete;
    Dateisperre& operator=(const Dateisperre&) = delete;

    // Locks the existing file at `pfad` (through a symbolic link: its target),
    // waiting up to `wartenMs` for another holder: Keiner, Gesperrt, or
    // KeineDatei when it is missing or no regular file.
    Speicherfehler Nehmen(const std::string& pfad, int wartenMs);
    void Freigeben();
    bool Gehalten() const { return fd_ >= 0; }
    // True when the lock is held on the file `pfad` names now.
    bool AufDatei(const std::string& pfad) const;
    // The path the lock was taken for.
    const std::string& Pfad() const { return pfad_; }
    // Takes over an already locked descriptor (the replaced file's).
    void Uebernehmen(int fd, std::string pfad);

  private:
    int fd_ = -1;
    std::string pfad_;
};

// How Ersetzen writes.
struct Schreibart {
    bool dauerhaft = true;    // flush the file (and the folder) to the disk
    bool nurNeu = false;      // never replace a file that exists
    bool verweisFolgen = true;  // write through a symbolic link to its target;
                                // off: a link, like any special file, is refused
    unsigned modus = 0666;    // for a new file, less the umask
    int sicherungen = 0;      // a case file: backups of the replaced file kept
    // The caller's lock on the target (taken here when not yet held): after
    // the write it is held on the new file. Without one, a lock of its own
    // is taken for the write, so that a file another process holds is refused.
    Dateisperre* sperre = nullptr;
    Schreibkanal* kanal = &Schreibkanal::System();
};

// Replaces the file at `pfad` by `daten` so that it is either the old file or
// the complete new one: a temporary file beside the target is written, then
// renamed over it; the target keeps its mode, owner and group. A symbolic link
// is written through to its target; one whose target does not exist only when
// every link on the way is this user's. Where a rename would change what the
// file is (a hard-linked file, an owner or group that cannot be kept), or is
// impossible (a folder that takes no new file, a name too long for a
// temporary one) but the file itself is writable, the file is overwritten in
// place and flushed. A read-only file is never written. Stale temporary
// copies of earlier saves in the folder are removed.
Speicherfehler Ersetzen(const std::string& pfad, std::span<const uint8_t> daten,
                        const Schreibart& art = {});

// Every output file (PDF, report, text, export): whole or not at all, flushed
// before it replaces the old one (a full disk leaves the old file and gives
// Schreibfehler), never onto a device, FIFO or directory, never through a
// symbolic link (KeineDatei), never over a case file (Falldatei) nor a file
// another process holds locked (Gesperrt).
Speicherfehler AusgabeSchreiben(const std::string& pfad, std::span<const uint8_t> daten,
                                unsigned modus = 0666,
                                Schreibkanal& kanal = Schreibkanal::System());
// AusgabeSchreiben of a text.
Speicherfehler BerichtSchreiben(const std::string& pfad, std::string_view text,
                                unsigned modus = 0666);

// Ersetzen as a yes/no.
bool AtomarSchreiben(const std::string& pfad, std::span<const uint8_t> daten, bool dauerhaft,
                     Schreibkanal& kanal = Schreibkanal::System(), unsigned modus = 0666);

// Removes the temporary copies of case files an interrupted save left in
// `verzeichnis`: only those named and marked as such (see KopieKennzeichen),
// of this user, older than `mindestAlterSek`, that no process holds locked.
// Returns how many were removed.
int VerwaisteKopienEntfernen(const std::string& verzeichnis, int mindestAlterSek = 60);

// True when both paths name the same existing file.
bool DieselbeDatei(const std::string& a, const std::string& b);

// --- case images ------------------------------------------------------------------
// The 193,456 bytes of a case file: record, note table, the 50 list records
// (ListenGroesse bytes, list 1 first).
std::vector<uint8_t> FallAbbild(const CaseRecord& satz, const Notizblock& notizen,
                                std::span<const uint8_t> listen);
// The parts of an image of a current case file (FallDateiGroesse bytes).
void AbbildZerlegen(std::span<const uint8_t> abbild, CaseRecord& satz, Notizblock& notizen);
std::span<const uint8_t> AbbildListen(std::span<const uint8_t> abbild);

// --- directories ------------------------------------------------------------------
// The directory for the work files of a run: the user's private folder
// (PrivatesArbeitsverzeichnis); only when there is none $TMPDIR when it is
// a usable directory, else /tmp, else the current directory.
std::string TemporaerVerzeichnis();
// True for an existing directory this user may enter and read.
bool VerzeichnisErreichbar(const std::string& pfad);
// True when files can also be created there.
bool VerzeichnisBeschreibbar(const std::string& pfad);
// Directory part and name part of a path ("" / the path itself when there is no slash).
std::string Verzeichnisteil(const std::string& pfad);
std::string Namensteil(const std::string& pfad);
// Extension without the point, upper-cased, at most its first three characters.
std::string Endung(const std::string& pfad);
// The whole extension, upper-cased, without the point.
std::string VolleEndung(const std::string& pfad);

// --- the temporary files of a program run -----------------------------------------
// The work file ("QRN…"), the print output ("RPP…") and the check report
// ("HTM….htm"), each created empty with mode 0600 under a unique name and
// removed again when the object goes; the run's lock file ("QRN….lck") is
// held meanwhile. What killed runs left in the folder goes first.
class TemporaereDateien {
  public:
    // In `verzeichnis`, or in TemporaerVerzeichnis() when it is empty.
    explicit TemporaereDateien(const std::string& verzeichnis = {});
    ~TemporaereDateien();
    TemporaereDateien(const TemporaereDateien&) = delete;
    TemporaereDateien& operator=(const TemporaereDateien&) = delete;

    bool Angelegt() const { return angelegt_; }
    const std::string& Arbeitsdatei() const { return arbeitsdatei_; }
    const std::string& Druckdatei() const { return druckdatei_; }
    const std::string& Pruefbericht() const { return pruefbericht_; }

  private:
    std::string arbeitsdatei_, druckdatei_, pruefbericht_, sperrdatei_;
    int sperrFd_ = -1;
    bool angelegt_ = false;
};

// --- the work file ------------------------------------------------------------------
// Writes a whole image (FallDateiGroesse bytes) as the new work file.
bool ArbeitsdateiSchreiben(const std::string& pfad, std::span<const uint8_t> abbild,
                           Schreibkanal& kanal = Schreibkanal::System());
// The 50 list records of the work file; nothing when it is short or unreadable.
std::optional<std::vector<uint8_t>> ArbeitsdateiListen(const std::string& pfad);
// List record n (1..50) from / into the work file; false on a short transfer
// or a number out of range (the list in memory is then left as it was).
bool ListeLesen(const std::string& arbeitsdatei, int n, Listensatz& liste);
bool ListeSchreiben(const std::string& arbeitsdatei, int n, const Listensatz& liste,
                    Schreibkanal& kanal = Schreibkanal::System());

}  // namespace quarnel
