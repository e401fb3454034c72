#include "case/fallbefehle.h"

#include <sys/stat.h>

#include <memory>
#include <utility>
#include <vector>

#include "case/passwort.h"
#include "case/sicherung.h"
#include "case/zeichensatz.h"

namespace quarnel {
namespace {

constexpr const char* kFilterSpeichern = "Steuer 2001   (*.S01)|*.S01";
constexpr const char* kFilterOeffnen = "Steuer 2001   (*.S01)|*.S01|Steuer 2000   (*.S00)|*.S00";
constexpr const char* kFehlerArbeitsdatei =
    "Schwerer Fehler beim Anlegen der Arbeitsdatei - Es werden min. 200 KB Speicher auf dem "
    "Arbeitslaufwerk benötigt!";
constexpr const char* kFehlerSpeichern =
    "Schwerer Fehler beim Abspeichern der Datendatei - Es werden min. 200 KB Speicher auf dem "
    "Datenlaufwerk benötigt!";
constexpr const char* kLesefehler = "Schwerer Lesefehler - Datendatei eventuell unbrauchbar";
constexpr const char* kKeineDatei = "Keine Datei";
constexpr const char* kNeuName = "Neu.S01";
const std::string kAnderswoGeoeffnet =
    "Dieser Fall ist bereits in einem anderen Programmfenster geöffnet und kann hier nicht "
    "geöffnet werden: ";

bool DateiExistiert(const std::string& pfad) {
    struct stat st;
    return ::stat(pfad.c_str(), &st) == 0;
}

std::string Zugriff(const std::string& verzeichnis) {
    return "Der Zugriff auf Laufwerk " + verzeichnis + " ist nicht möglich!";
}

std::string ImVerzeichnis(const std::string& verzeichnis, const std::string& name) {
    if (verzeichnis.empty()) return name;
    return verzeichnis.back() == '/' ? verzeichnis + name : verzeichnis + "/" + name;
}

std::string VerzeichnisVon(const std::string& pfad) {
    std::string v = Verzeichnisteil(pfad);
    return v.empty() ? "." : v;
}

// Every new case is the same: its image is made once for each mode.
struct NeuerFallVorlage {
    std::vector<uint8_t> abbild;
    Listensatz liste;  // the list last prepared, as the loop leaves it
};

const NeuerFallVorlage& Vorlage(bool testmodus) {
    using Neu = NeuerFallVorlage;
    auto machen = [](bool test) {
        auto neu = std::make_unique<Neu>();
        auto r = std::make_unique<CaseRecord>();
        auto n = std::make_unique<Notizblock>();
        NeuerFall(*r, *n, neu->liste, test);
        std::vector<uint8_t> listen(ListenGroesse);
        for (int i = 1; i <= Listensatz::AnzahlListen; ++i) {
            ListeVorbereiten(neu->liste, i);
            std::copy(neu->liste.bytes.begin(), neu->liste.bytes.end(),
                      listen.begin() + static_cast<std::ptrdiff_t>(ListenOffset(i) - ListenBeginn));
        }
        neu->abbild = FallAbbild(*r, *n, listen);
        return neu;
    };
    static const std::unique_ptr<Neu> normal = machen(false), test = machen(true);
    return testmodus ? *test : *normal;
}

}  // namespace

std::vector<uint8_t> NeuesAbbild(CaseRecord& satz, Notizblock& notizen, Listensatz& liste,
                                 bool testmodus) {
    const NeuerFallVorlage& neu = Vorlage(testmodus);
    AbbildZerlegen(neu.abbild, satz, notizen);
    liste = neu.liste;
    return neu.abbild;
}

Fallverwaltung::Fallverwaltung(Meldungen& meldungen, DateiDialoge& dialoge,
                               std::string arbeitsdatei, bool testmodus)
    : meldungen_(meldungen),
      dialoge_(dialoge),
      arbeitsdatei_(std::move(arbeitsdatei)),
      testmodus_(testmodus) {
    zustand_.datenPfad = zustand_.programmVerzeichnis = ".";
    NeuerFall(satz_, notizen_, liste_, testmodus_);
}

bool Fallverwaltung::ArbeitsdateiAnlegen() {
    // Taken over only when the work file holds it, so that the case in
    // memory always matches the lists in the work file.
    const NeuerFallVorlage& neu = Vorlage(testmodus_);
    if (!ArbeitsdateiSchreiben(arbeitsdatei_, neu.abbild, *kanal_)) {
        meldungen_.Zeige(MeldungsTyp::Fehler, kFehlerArbeitsdatei, KnopfOK);
        return false;
    }
    AbbildZerlegen(neu.abbild, satz_, notizen_);
    liste_ = neu.liste;
    return true;
}

bool Fallverwaltung::FallSpeichern(const std::string& pfad) {
    auto listen = ArbeitsdateiListen(arbeitsdatei_);
    if (!listen) {
        meldungen_.Zeige(MeldungsTyp::Fehler, kFehlerSpeichern, KnopfOK);
        return false;
    }
    // The open case is saved under its own lock; another file gets a lock of
    // its own, which becomes the open case's once the save succeeded.
    Dateisperre andere;
    const bool eigene = sperre_.AufDatei(pfad);
    Schreibart art;
    art.kanal = kanal_;
    art.sperre = eigene ? &sperre_ : &andere;
    art.sicherungen = sicherungen_;
    const Speicherfehler f = Ersetzen(pfad, FallAbbild(satz_, notizen_, *listen), art);
    if (f != Speicherfehler::Keiner) {
        meldungen_.Zeige(MeldungsTyp::Fehler,
                         f == Speicherfehler::Schreibfehler ? kFehlerSpeichern
                                                            : SpeicherfehlerText(f, pfad),
                         KnopfOK);
        return false;
    }
    if (!eigene) sperre_ = std::move(andere);
    return true;
}

bool Fallverwaltung::PasswortGeprueft(CaseRecord& satz) {
    const std::string gespeichert = satz.Text(Feld::FallPasswort);
    if (PasswortGetrimmt(gespeichert).empty()) return true;
    while (passwortAbfrage_) {
        auto eingabe = passwortAbfrage_->Eingabe();
        if (!eingabe) break;
        std::string cp = Utf8ZuCp1252(eingabe->substr(0, 4 * PasswortEingabeLaenge));
        if (PasswortPasst(cp.substr(0, PasswortEingabeLaenge), gespeichert)) return true;
        meldungen_.Zeige(MeldungsTyp::Fehler, "Ungültiges Passwort", KnopfOK);
    }
    return false;
}

Fallverwaltung::Lesen Fallverwaltung::FallLesen(const std::string& pfad, bool vorjahr) {
    const std::size_t soll = vorjahr ? VorjahrDateiGroesse : FallDateiGroesse;
    std::vector<uint8_t>& datei = lesepuffer_;
    if (!DateiLesenIn(pfad, soll, datei) || datei.size() != soll) {
        meldungen_.Zeige(MeldungsTyp::Fehler, kLesefehler, KnopfOK);
        return Lesen::Fehler;
    }
    std::span<const uint8_t> bytes(datei);
    auto satz = std::make_unique<CaseRecord>();
    auto notizen = std::make_unique<Notizblock>();
    std::size_t satzGroesse = vorjahr ? VorjahrSatzGroesse : CaseRecord::Groesse;
    if (vorjahr) {
        if (vorjahrDialog_) vorjahrDialog_(vorjahrauswahl_);
        VorjahrUebernehmen(bytes.first(VorjahrSatzGroesse), *satz, vorjahrauswahl_);
        satz->SetzeText(Feld::Kennung, FallKennung);
    } else {
        std::copy_n(bytes.begin(), CaseRecord::Groesse, satz->Bytes().begin());
    }
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(satzGroesse), Notizblock::Groesse,
                notizen->bytes.begin());
    auto listen = bytes.subspan(satzGroesse + Notizblock::Groesse, ListenGroesse);

    // The prompt comes before anything of the file reaches the work file.
    if (!PasswortGeprueft(*satz)) {
        satz->SetzeBool(Feld::FallFreigabe, false);
        if (!ArbeitsdateiAnlegen()) return Lesen::Fehler;
        return Lesen::Gesperrt;
    }
    satz->SetzeBool(Feld::FallFreigabe, true);
    // A current file is its own image once the record is the one read and released.
    if (vorjahr) {
        datei = FallAbbild(*satz, *notizen, listen);
    } else {
        std::copy(satz->Bytes().begin(), satz->Bytes().end(), datei.begin());
    }
    if (!ArbeitsdateiSchreiben(arbeitsdatei_, datei, *kanal_)) {
        meldungen_.Zeige(MeldungsTyp::Fehler, kFehlerArbeitsdatei, KnopfOK);
        return Lesen::Fehler;
    }
    satz_ = *satz;
    notizen_ = *notizen;
    liste_.Leeren();  // no list is in memory after an open
    return Lesen::Gelesen;
}

bool Fallverwaltung::Nachfragen() {
    if ((zustand_.zustand != 1 && zustand_.zustand != 2) || !zustand_.veraendert) return true;
    Antwort a =
        meldungen_.Zeige(MeldungsTyp::Bestaetigung,
                         "Fall bereits geöffnet!\rDaten des aktuellen Falles zuerst sichern?",
                         KnopfJa | KnopfNein | KnopfAbbrechen);
    if (a == Antwort::Abbrechen) return false;
    if (a == Antwort::Ja) return Speichern(false);
    return true;
}

bool Fallverwaltung::Neu() {
    if (!Nachfragen()) return false;
    if (!ArbeitsdateiAnlegen()) return false;
    sperre_.Freigeben();
    zustand_.dateiname = ImVerzeichnis(zustand_.datenPfad, kNeuName);
    zustand_.anzeige = kNeuName;
    zustand_.veraendert = false;
    zustand_.zustand = 1;
    abgeleiteterName_ = false;
    meldungen_.Zeige(Meldung{MeldungsTyp::Information,
                             "Ein neuer Fall wurde angelegt!  Dateiname: NEU.S01", KnopfOK, "",
                             true});
    return true;
}

bool Fallverwaltung::Oeffnen(bool vorjahr) {
    if (!VerzeichnisErreichbar(zustand_.datenPfad))
        zustand_.datenPfad = zustand_.programmVerzeichnis;
    if (!Nachfragen()) return false;

    std::optional<std::string> gewaehlt;
    if (!startDatei_.empty()) {
        const std::string datei = std::exchange(startDatei_, {});
        startNeuS01_ = false;
        if (!DateiExistiert(datei)) {
            meldungen_.Zeige(MeldungsTyp::Fehler, "Datei nicht gefunden: " + datei, KnopfOK);
            return false;
        }
        return OeffnenDatei(datei);
    }
    if (startNeuS01_) {
        startNeuS01_ = false;
        std::string neu = ImVerzeichnis(zustand_.datenPfad, kNeuName);
        if (DateiExistiert(neu)) gewaehlt = neu;
    }
    if (!gewaehlt) {
        DateiDialogAnfrage a;
        a.filter = kFilterOeffnen;
        a.filterIndex = vorjahr ? 2 : 1;
        a.standardEndung = vorjahr ? "S00" : "S01";
        a.verzeichnis = zustand_.datenPfad;
        gewaehlt = dialoge_.Oeffnen(a);
    }
    if (!gewaehlt) return false;
    return OeffnenDatei(*gewaehlt);
}

bool Fallverwaltung::OeffnenDatei(const std::string& pfad) {
    zustand_.datenPfad = VerzeichnisVon(pfad);
    const std::string endung = Endung(pfad);
    if (endung != "S01" && endung != "S00") {
        meldungen_.Zeige(MeldungsTyp::Warnung,
                         "Fehler: Nur Dateien mit der Endung (.S01/S00) können geöffnet werden!",
                         KnopfOK);
        return false;
    }
    const Dateipruefung pruefung = DateiPruefen(pfad);
    const bool vorjahr = endung == "S00";
    if (!vorjahr && pruefung != Dateipruefung::NichtLesbar) {
        const auto groesse = DateiLesen(pfad, FallDateiGroesse);
        const bool lesbar = pruefung == Dateipruefung::Gueltig && groesse &&
                            groesse->size() == FallDateiGroesse;
        if (!lesbar && NeuesteLesbareSicherung(pfad)) return SicherungAnbieten(pfad);
    }
    switch (pruefung) {
        case Dateipruefung::Gueltig:
            break;
        case Dateipruefung::Ungueltig:
            meldungen_.Zeige(MeldungsTyp::Fehler,
                             "Die ausgewählte Datei ist keine gültige Datendatei!",
                             KnopfOK | KnopfHilfe, "1");
            return false;
        case Dateipruefung::NichtLesbar:
            meldungen_.Zeige(MeldungsTyp::Fehler, kLesefehler, KnopfOK);
            return false;
    }
    // A current case stays locked while it is open, so that a second program
    // window cannot open it and overwrite this one's work.
    Dateisperre sperre;
    if (!vorjahr && !sperre_.AufDatei(pfad) &&
        sperre.Nehmen(pfad, 0) == Speicherfehler::Gesperrt) {
        meldungen_.Zeige(MeldungsTyp::Fehler, kAnderswoGeoeffnet + Namensteil(pfad), KnopfOK);
        return false;
    }
    switch (FallLesen(pfad, vorjahr)) {
        case Lesen::Fehler:
            return false;
        case Lesen::Gesperrt:
            sperre_.Freigeben();
            zustand_.dateiname.clear();
            zustand_.veraendert = false;
            zustand_.anzeige = kKeineDatei;
            zustand_.zustand = 1;
            abgeleiteterName_ = false;
            return true;
        case Lesen::Gelesen:
            break;
    }
    zustand_.dateiname = pfad;
    abgeleiteterName_ = false;
    if (sperre.Gehalten() || vorjahr) sperre_ = std::move(sperre);
    if (vorjahr) {
        meldungen_.Zeige(MeldungsTyp::Information, "Daten des Vorjahres werden übernommen.",
                         KnopfOK);
        zustand_.dateiname = pfad.substr(0, pfad.size() - 3) + "S01";
        abgeleiteterName_ = true;
    } else {
        meldungen_.Zeige(MeldungsTyp::Information, "Steuerfall wurde geöffnet.", KnopfOK);
    }
    zustand_.anzeige = Namensteil(zustand_.dateiname);
    zustand_.veraendert = false;
    zustand_.zustand = 2;
    return true;
}

bool Fallverwaltung::SicherungAnbieten(const std::string& pfad) {
    const auto sicherung = NeuesteLesbareSicherung(pfad);
    if (!sicherung) return false;
    if (meldungen_.Zeige(MeldungsTyp::Bestaetigung,
                         "Die Datei " + Namensteil(pfad) +
                             " ist nicht lesbar.\rSoll die letzte lesbare Sicherung vom " +
                             SicherungsZeit(*sicherung) + " geöffnet werden?",
                         KnopfJa | KnopfNein) != Antwort::Ja)
        return false;
    Dateisperre sperre;
    if (!sperre_.AufDatei(pfad) && sperre.Nehmen(pfad, 0) == Speicherfehler::Gesperrt) {
        meldungen_.Zeige(MeldungsTyp::Fehler, kAnderswoGeoeffnet + Namensteil(pfad), KnopfOK);
        return false;
    }
    if (FallLesen(*sicherung, false) != Lesen::Gelesen) return false;
    // The backup's content under the file's own name: the next save mends the file.
    if (sperre.Gehalten()) sperre_ = std::move(sperre);
    zustand_.dateiname = pfad;
    zustand_.anzeige = Namensteil(pfad);
    zustand_.veraendert = true;
    zustand_.zustand = 2;
    abgeleiteterName_ = false;
    return true;
}

bool Fallverwaltung::Speichern(bool fragen) {
    if (!VerzeichnisErreichbar(zustand_.datenPfad)) {
        meldungen_.Zeige(MeldungsTyp::Fehler, Zugriff(zustand_.datenPfad), KnopfOK);
        if (!fragen) return false;
        zustand_.datenPfad = zustand_.programmVerzeichnis;
    }
    // A derived previous-year name that already names a file goes through the
    // dialog, whose overwrite question protects that file.
    const bool schuetzen =
        zustand_.zustand == 2 && abgeleiteterName_ && DateiExistiert(zustand_.dateiname);
    if (fragen || zustand_.zustand != 2 || schuetzen) {
        DateiDialogAnfrage a;
        a.filter = kFilterSpeichern;
        a.standardEndung = "S01";
        a.verzeichnis = zustand_.datenPfad;
        a.dateiname = Namensteil(zustand_.dateiname);
        if (auto name = dialoge_.Speichern(a)) {
            if (VolleEndung(*name) != "S01") {
                meldungen_.Zeige(MeldungsTyp::Warnung,
                                 "Fehler: Nur Dateien mit der Endung (.S01) können gespeichert "
                                 "werden!",
                                 KnopfOK);
                return false;
            }
            const std::string verzeichnis = VerzeichnisVon(*name);
            // A folder that takes no new file may still hold a writable case,
            // which is saved in place; the save names the folder otherwise.
            if (!VerzeichnisErreichbar(verzeichnis)) {
                meldungen_.Zeige(MeldungsTyp::Fehler, Zugriff(verzeichnis), KnopfOK);
                return false;
            }
            if (!FallSpeichern(*name)) return false;
            zustand_.zustand = 2;
            zustand_.dateiname = *name;
            zustand_.anzeige = Namensteil(*name);
            zustand_.veraendert = false;
            zustand_.datenPfad = verzeichnis;
            abgeleiteterName_ = false;
            return true;
        }
        // A cancelled "save as" writes nothing: the file under its old name
        // may be the one the user wanted to keep.
        if (schuetzen || fragen) return false;
    }
    if (zustand_.zustand != 2) return false;
    if (!FallSpeichern(zustand_.dateiname)) return false;
    zustand_.datenPfad = VerzeichnisVon(zustand_.dateiname);
    zustand_.veraendert = false;
    abgeleiteterName_ = false;
    return true;
}

bool Fallverwaltung::PasswortSetzen(std::string_view eingabe1, std::string_view eingabe2) {
    std::string e1 = Utf8ZuCp1252(eingabe1).substr(0, PasswortEingabeLaenge);
    std::string e2 = Utf8ZuCp1252(eingabe2).substr(0, PasswortEingabeLaenge);
    PasswortWahl wahl = PasswortBewerten(e1, e2);
    if (wahl == PasswortWahl::Abweichend) {
        meldungen_.Zeige(
            MeldungsTyp::Fehler,
            "Passwort und die Wiederholung stimmen\rnicht überein! Eingabe korrigieren", KnopfOK);
        return false;
    }
    std::string text = wahl == PasswortWahl::Entfernt ? "Passwort wurde entfernt!"
                                                      : "Passwort wurde erfolgreich geändert!";
    text += "\r(Ihr neues Passwort wird erst aktiv, wenn\rder aktuelle Fall gespeichert wird!";
    meldungen_.Zeige(MeldungsTyp::Information, text, KnopfOK);
    satz_.SetzeText(Feld::FallPasswort, PasswortZumSpeichern(e1));
    zustand_.veraendert = true;
    if (meldungen_.Zeige(MeldungsTyp::Bestaetigung, "Soll der Fall jetzt gespeichert werden?",
                         KnopfJa | KnopfNein) == Antwort::Ja)
        Speichern(false);
    return true;
}

bool Fallverwaltung::Beenden() {
    if (!zustand_.veraendert) return true;
    Antwort a = meldungen_.Zeige(
        MeldungsTyp::Bestaetigung,
        "Achtung:\rAktueller Fall ist nicht gesichert!\rSollen die Daten vor gespeichert werden?",
        KnopfJa | KnopfNein | KnopfAbbrechen);
    if (a == Antwort::Abbrechen) return false;
    if (a == Antwort::Ja) return Speichern(false);
    return true;
}

bool Fallverwaltung::ListeLesen(int n) {
    if (quarnel::ListeLesen(arbeitsdatei_, n, liste_)) return true;
    meldungen_.Zeige(MeldungsTyp::Fehler, kLesefehler, KnopfOK);
    return false;
}

bool Fallverwaltung::ListeSchreiben(int n) {
    if (quarnel::ListeSchreiben(arbeitsdatei_, n, liste_, *kanal_)) return true;
    meldungen_.Zeige(MeldungsTyp::Fehler, kFehlerArbeitsdatei, KnopfOK);
    return false;
}

}  // namespace quarnel
