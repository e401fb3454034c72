// The case commands of the main window without widgets: new, open, open
// previous year, save, save as, change password, exit. Messages go through
// `Meldungen`, file choices through `DateiDialoge`, the password prompt
// through `PasswortAbfrage`; the GUI puts real dialogs behind these seams.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "case/caserecord.h"
#include "case/falldatei.h"
#include "case/sicherung.h"
#include "case/vorjahr.h"
#include "shell/dienste.h"
#include "shell/meldung.h"

namespace quarnel {

// A new case with the example rows of every list, as the image of a case
// file; the record, notes and list record passed in become the new case.
std::vector<uint8_t> NeuesAbbild(CaseRecord& satz, Notizblock& notizen, Listensatz& liste,
                                 bool testmodus = false);

// The state of the open case, as the main window keeps it.
struct Fallzustand {
    int zustand = 0;  // Fallzustand: 0 no case yet, 1 new case without a file, 2 with a file
    bool veraendert = false;  // FallVeraendert
    std::string dateiname;    // the save name (full path); "" when none
    std::string datenPfad;    // "LetztDatenPfad": initial directory of the dialogs
    std::string programmVerzeichnis;
    std::string anzeige;  // the file panel of the status bar
};

// The "Abfrage Passwort" dialog: each call is one "&Ende" with the entry
// (UTF-8), nothing for "&Abbruch". After a wrong entry it is asked again.
class PasswortAbfrage {
  public:
    virtual ~PasswortAbfrage() = default;
    virtual std::optional<std::string> Eingabe() = 0;
};

// The "Übernahme Vorjahresdaten" dialog: shown before a previous-year file is
// read; it may change the ticks (or leave them when it is closed otherwise).
using VorjahrDialog = std::function<void(VorjahrAuswahl& auswahl)>;

class Fallverwaltung {
  public:
    Fallverwaltung(Meldungen& meldungen, DateiDialoge& dialoge, std::string arbeitsdatei,
                   bool testmodus = false);

    CaseRecord& Satz() { return satz_; }
    Notizblock& Notizen() { return notizen_; }
    Listensatz& Liste() { return liste_; }
    Fallzustand& Zustand() { return zustand_; }
    const CaseRecord& Satz() const { return satz_; }
    const Notizblock& Notizen() const { return notizen_; }
    const Fallzustand& Zustand() const { return zustand_; }
    const std::string& Arbeitsdatei() const { return arbeitsdatei_; }

    void SetzePasswortAbfrage(PasswortAbfrage* a) { passwortAbfrage_ = a; }
    void SetzeVorjahrDialog(VorjahrDialog d) { vorjahrDialog_ = std::move(d); }
    // The ticks of the previous-year transfer, held for the whole run.
    VorjahrAuswahl& Vorjahrauswahl() { return vorjahrauswahl_; }
    void SetzeSchreibkanal(Schreibkanal& k) { kanal_ = &k; }
    // How many backups of the replaced file each save keeps (0: none).
    void SetzeSicherungen(int anzahl) { sicherungen_ = anzahl; }
    // The start-up letter "F": the next open takes "Neu.S01" of the data
    // directory without the dialog when that file exists.
    void NeuS01BeimStart() { startNeuS01_ = true; }
    // A file named on the command line: the next open takes it without the
    // dialog (before "Neu.S01"), with every check and message of the open.
    void DateiBeimStart(std::string pfad) { startDatei_ = std::move(pfad); }

    // Makes a new case and writes the work file from it. On a failed write
    // the message is shown and the case in memory stays as it was.
    bool ArbeitsdateiAnlegen();
    // Writes the case (record, notes, the lists of the work file) atomically
    // and keeps the saved file locked as the open case. On failure the
    // message is shown and the old file is left as it was.
    bool FallSpeichern(const std::string& pfad);
    // Reads a case file (a previous-year file with `vorjahr`) into the case in
    // memory and the work file, asking for the password when it has one.
    // Outcome: Gelesen, Gesperrt (prompt cancelled: now a new case), Fehler
    // (message shown, the case in memory and the work file as they were).
    enum class Lesen { Gelesen, Gesperrt, Fehler };
    Lesen FallLesen(const std::string& pfad, bool vorjahr);

    // The commands. Each returns whether it did its work.
    bool Neu();
    bool Oeffnen(bool vorjahr);
    bool Speichern(bool fragen);
    // "&Ende" of the set-password dialog with its two entries (UTF-8):
    // true when the dialog closes, false when it stays (entries differ).
    bool PasswortSetzen(std::string_view eingabe1, std::string_view eingabe2);
    // Closing the program: false when it must stay open.
    bool Beenden();

    // List record n between memory and the work file; failures are reported.
    bool ListeLesen(int n);
    bool ListeSchreiben(int n);

  private:
    bool Nachfragen();  // a changed case: save first? false = stop the command
    bool OeffnenDatei(const std::string& pfad);
    bool PasswortGeprueft(CaseRecord& satz);
    // A current case that does not read: offers its newest backup that does.
    bool SicherungAnbieten(const std::string& pfad);

    Meldungen& meldungen_;
    DateiDialoge& dialoge_;
    std::string arbeitsdatei_;
    bool testmodus_;
    Schreibkanal* kanal_ = &Schreibkanal::System();
    int sicherungen_ = SicherungenVorgabe;
    PasswortAbfrage* passwortAbfrage_ = nullptr;
    VorjahrDialog vorjahrDialog_;
    VorjahrAuswahl vorjahrauswahl_;
    bool startNeuS01_ = false;
    std::string startDatei_;
    // The save name was derived from a previous-year file and not yet
    // confirmed: a file of that name is never overwritten without the dialog.
    bool abgeleiteterName_ = false;

    // The lock on the open case file (none for a new case).
    Dateisperre sperre_;
    // The bytes of the file being opened, kept for the next open.
    std::vector<uint8_t> lesepuffer_;
    CaseRecord satz_;
    Notizblock notizen_;
    Listensatz liste_;
    Fallzustand zustand_;
};

}  // namespace quarnel
