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

// Offset of list record n (1..50) in a case file or the work file.
constexpr std::size_t ListenOffset(int n) {
    return ListenBeginn + static_cast<std::size_t>(n - 1) * Listensatz::Groesse;
}

// --- the signature ------------------------------------------------------------------
// True when bytes 1..8 are "S00VER10"; the first byte does not matter.
bool SignaturGueltig(std::span<const uint8_t> anfang);

enum class Dateipruefung { Gueltig, Ungueltig, NichtLesbar };
// Opens the file read-only and tests its signature.
Dateipruefung DateiPruefen(const std::string& pfad);
bool DateiGueltig(const std::string& pfad);

// --- whole files --------------------------------------------------------------------
// Reads a whole file read-only. Nothing when it cannot be opened or read, or
// when it is longer than `hoechstens` bytes (the caller then knows it is too long).
std::optional<std::vector<uint8_t>> DateiLesen(const std::string& pfad, std::size_t hoechstens);

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

// Replaces `pfad` by `daten` so that the file is either the old one or the
// complete new one: a temporary file in the same directory is written (and
// with `dauerhaft` flushed to the disk), then renamed over the target. The new
// file keeps the mode of the old one; a file that is new gets `modus` less the umask.
bool AtomarSchreiben(const std::string& pfad, std::span<const uint8_t> daten, bool dauerhaft,
                     Schreibkanal& kanal = Schreibkanal::System(), unsigned modus = 0666);

// --- case images ------------------------------------------------------------------
// The 193,456 bytes of a case file: record, note table, the 50 list records
// (ListenGroesse bytes, list 1 first).
std::vector<uint8_t> FallAbbild(const CaseRecord& satz, const Notizblock& notizen,
                                std::span<const uint8_t> listen);
// The parts of an image of a current case file (FallDateiGroesse bytes).
void AbbildZerlegen(std::span<const uint8_t> abbild, CaseRecord& satz, Notizblock& notizen);
std::span<const uint8_t> AbbildListen(std::span<const uint8_t> abbild);

// --- directories ------------------------------------------------------------------
// The directory for temporary files: $TMPDIR when it is a usable directory,
// else /tmp, else the current directory.
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
// removed again when the object goes.
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
    std::string arbeitsdatei_, druckdatei_, pruefbericht_;
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
