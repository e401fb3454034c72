#include "results/pruefbericht.h"

#include <algorithm>
#include <memory>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/deklaration.h"
#include "case/bereiche.h"
#include "case/falldatei.h"
#include "case/zeichensatz.h"

namespace quarnel {
namespace {

const std::string F = "<FONT FACE=\"Arial,Helvetica\" size=\"2\">";
const std::string Leerzeile = "<TR><TD>&nbsp;</TD></TR>";
constexpr std::size_t TitelLaenge = 60;

struct Stufe {
    const char* label;
    const char* farbe;
};
constexpr Stufe kStufen[5] = {{"", ""},
                              {"<b>Tip</b>", "#95FF95"},
                              {"<b>Hinweis</b>", "#80BFFF"},
                              {"<b>Warnung</b>", "#FFFF88"},
                              {"<b>Fehler</b>", "#FF7979"}};

std::string Titel(std::string_view utf8) {
    std::string t = Utf8ZuCp1252(utf8);
    if (t.size() > TitelLaenge) t.resize(TitelLaenge);
    return t;
}

// A text for the page body: the characters HTML gives a meaning escaped.
std::string HtmlText(std::string_view text) {
    std::string h;
    for (char c : text) {
        switch (c) {
            case '<': h += "&lt;"; break;
            case '>': h += "&gt;"; break;
            case '&': h += "&amp;"; break;
            case '"': h += "&quot;"; break;
            default: h += c;
        }
    }
    return h;
}

class Berichtsschreiber {
  public:
    Berichtsschreiber(const Pruefkatalog& k, const Pruefauftrag& a, Pruefbericht& b)
        : katalog_(k), auftrag_(a), bericht_(b) {}

    void SeiteAuflisten(const Befundtabelle& t, int kennung) {
        kopfGeschrieben_ = false;
        befundGeschrieben_ = false;
        kennung_ = kennung;
        if (kennung < 180) {  // the pages of areas 1 to 17; above: subordinate pages
            bereich_ = kennung / 10;
            seite_ = kennung % 10;
        } else {
            bereich_ = auftrag_.bereich;
            seite_ = auftrag_.seite;
        }
        if (t.HatListe(kennung)) {
            const auto positionen = t.Positionen(kennung);
            for (std::size_t i = 0; i < positionen.size(); ++i)
                BefundAusgeben(positionen[i], t.Zusatz(kennung, i));
        }
        if (kennung < 170 && !befundGeschrieben_)
            Zeile("<TR><TD BGCOLOR=\"#80FF80\">" + F + "<b>OK</b></FONT></TD><TD width=\"80%\">" +
                  F + "Keine Anmerkungen</FONT></TD></TR>");
    }

    // The catalogue's shortcomings met on the way, for one remark.
    const std::vector<std::string>& Maengel() const { return maengel_; }

  private:
    void Zeile(std::string s) { bericht_.zeilen.push_back(std::move(s)); }

    void Kopf() {
        std::string seitentitel = Titel(SeitenName(bereich_, seite_));
        std::replace(seitentitel.begin(), seitentitel.end(), '@', ' ');
        Zeile(Leerzeile);
        // The heading spans both columns and no more, so that the findings'
        // text gets the width of the window.
        Zeile("<TR><TD BGCOLOR=#cccccc colspan=2>" + F + "<b>" + Titel(BereichName(bereich_)) +
              "</b><br>");
        Zeile("<b>" + seitentitel + "</b></FONT></TD></TR>");
        Zeile(Leerzeile);
    }

    // `zusatz`: what the finding is about (a field), after the catalogue text.
    void BefundAusgeben(int nummer, std::string_view zusatz) {
        if (!kopfGeschrieben_) {
            Kopf();
            kopfGeschrieben_ = true;
        }
        if (nummer == 0) return;
        befundGeschrieben_ = true;
        Befundzeile befund{nummer, 0, kennung_, bereich_, seite_, {}};
        if (const Katalogeintrag* e = katalog_.Eintrag(nummer)) {
            befund.stufe = e->stufe;
            Zaehlen(e->stufe);
            const Stufe& st = kStufen[e->stufe];
            Zeile(std::string("<TR><TD width=\"15%\" BGCOLOR=") + st.farbe + ">" + F + st.label +
                  "</FONT></TD><TD>" + F + e->zeilen.front());
            for (std::size_t i = 1; i < e->zeilen.size(); ++i) Zeile(" " + e->zeilen[i]);
            for (const std::string& z : e->zeilen)
                befund.text += (befund.text.empty() ? "" : " ") + z;

        } else {
            // Without a usable entry the finding still shows, by its number.
            maengel_.push_back("Befund " + std::to_string(nummer) + ": " + katalog_.Mangel(nummer));
            befund.text = "(kein Text)";
            Zeile("<TR><TD width=\"15%\" BGCOLOR=#cccccc>" + F + "<b>Nr. " +
                  std::to_string(nummer) + "</b></FONT></TD><TD>" + F + befund.text);
        }
        if (!zusatz.empty()) {
            Zeile("<br>" + HtmlText(zusatz));
            befund.text += " " + std::string(zusatz);
        }
        Zeile("</FONT></TD></TR>");
        Zeile(Leerzeile);
        bericht_.befunde.push_back(std::move(befund));
    }

    void Zaehlen(int stufe) {
        switch (static_cast<Befundstufe>(stufe)) {
            case Befundstufe::Tip:
                ++bericht_.tips;
                break;
            case Befundstufe::Hinweis:
                ++bericht_.hinweise;
                break;
            case Befundstufe::Warnung:
                ++bericht_.warnungen;
                break;
            case Befundstufe::Fehler:
                ++bericht_.fehler;
                break;
        }
    }

    const Pruefkatalog& katalog_;
    const Pruefauftrag& auftrag_;
    Pruefbericht& bericht_;
    bool kopfGeschrieben_ = false, befundGeschrieben_ = false;
    int kennung_ = 0, bereich_ = 0, seite_ = 0;
    std::vector<std::string> maengel_;
};

// One remark on the catalogue, naming every shortcoming once.
std::string Katalogfehler(const Pruefkatalog& k, const std::vector<std::string>& maengel) {
    if (maengel.empty()) return {};
    if (!k.vorhanden)
        return std::string("Die Prüfungsdatei ") + PruefkatalogName +
               " wurde nicht gefunden; die Befunde stehen ohne Text da.";
    std::string text = std::string("Die Prüfungsdatei ") + PruefkatalogName + " ist fehlerhaft (";
    for (std::size_t i = 0; i < maengel.size(); ++i) {
        if (std::find(maengel.begin(), maengel.begin() + i, maengel[i]) != maengel.begin() + i)
            continue;
        text += (i == 0 ? "" : "; ") + maengel[i];
    }
    return text + "); bitte installieren Sie das Programm neu.";
}

Pruefauftrag Bereinigt(Pruefauftrag a) {
    if (a.seite == 0) a.seite = 1;
    return a;
}

}  // namespace

Pruefauftrag AuftragAktuelleSeite(int bereich, int seite, bool mitAbschluss) {
    const Seitenzustand& z = SeitenzustandGlobal();
    Pruefauftrag a;
    a.nurAktuell = true;
    a.bereich = bereich;
    a.seite = seite;
    a.mitAbschluss = mitAbschluss;
    a.unterseite = z.unterseite;
    a.behinderungAufruf = z.behinderungAufruf;
    return a;
}

int AktuelleSeitenkennung(const Pruefauftrag& auftrag) {
    const Pruefauftrag a = Bereinigt(auftrag);
    switch (a.unterseite) {
        case Unterseite::BehinderungVonKindern:
            return 402 + a.seite;
        case Unterseite::Ausbildung:
            return 500 + a.seite;
        case Unterseite::BehinderungVonPersonen:
            // The person the disability page was opened for; a child's
            // disability page opened from the burdens has the child's code.
            if (a.behinderungAufruf >= 3 && a.behinderungAufruf <= 8)
                return 400 + a.behinderungAufruf;
            return a.behinderungAufruf == 2 ? 302 : 301;
        case Unterseite::Keine:
            break;
    }
    return a.bereich * 10 + a.seite;
}

Pruefbericht PruefberichtErstellen(CaseRecord& r, const Befundtabelle& t, const Pruefkatalog& k,
                                   const Pruefauftrag& auftrag) {
    const Pruefauftrag a = Bereinigt(auftrag);
    Pruefbericht b;
    b.zeilen.push_back(
        "<html><head><meta charset=\"windows-1252\"><title>Pruefung:</title></head> "
        "<BODY BACKGROUND=\"..\\images\\std\\pruefung.jpg\" BGCOLOR=\"#FFFFFF\" LINK=\"#000000\" "
        "VLINK=\"#808080\" ALINK=\"#000000\">");
    b.zeilen.push_back(Utf8ZuCp1252(a.nurAktuell ? "<h1>Prüfung - Aktuelles Register</h1>"
                                                 : "<h1>Prüfung - Alle Register</h1>"));
    b.zeilen.push_back("<TABLE width=\"100%\" CELLPADDING=5 cellspacing=5>");

    Berichtsschreiber schreiber(k, a, b);
    if (a.nurAktuell) {
        schreiber.SeiteAuflisten(t, AktuelleSeitenkennung(a));
        if (b.fehler > 0)
            SeitenmerkerSetzen(r, SM_Pruefung, a.bereich, a.seite);
        else if (a.unterseite == Unterseite::Keine)
            SeitenmerkerLoeschen(r, SM_Pruefung, a.bereich, a.seite);
    } else {
        for (int bereich = 1; bereich <= AnzahlBereiche; ++bereich) {
            if (!SeitenmerkerTest(r, SM_Aktiv, bereich, 0)) continue;
            for (int seite = 1; seite <= 15; ++seite)
                if (SeitenmerkerTest(r, SM_Aktiv, bereich, seite))
                    schreiber.SeiteAuflisten(t, bereich * 10 + seite);
        }
    }
    b.katalogfehler = Katalogfehler(k, schreiber.Maengel());
    if (!a.mitAbschluss) return b;

    if (!b.katalogfehler.empty())
        b.zeilen.push_back("<TR><TD width=\"15%\" BGCOLOR=#FFFF88>" + F +
                           Utf8ZuCp1252("<b>Prüfungsdatei</b></FONT></TD><TD>") + F +
                           Utf8ZuCp1252(b.katalogfehler) + "</FONT></TD></TR>");
    b.zeilen.push_back("<TR><TD colspan=2 BGCOLOR=#cccccc>" + F + "<b>ENDE</b></FONT></TD></TR>");
    b.zeilen.push_back("</TABLE></body></html>");
    const std::string abstand = "&nbsp;&nbsp;&nbsp;&nbsp;";
    b.zeilen.insert(b.zeilen.begin() + 2,
                    F + "Ergebnis: &nbsp;" + FormatMaske("##### Fehler", b.fehler) + abstand +
                        FormatMaske("##### Warnungen", b.warnungen) + abstand +
                        FormatMaske("##### Hinweise", b.hinweise) + abstand +
                        FormatMaske("##### Tip", b.tips) + "</FONT><p>");
    return b;
}

Pruefbericht PruefungAusfuehren(CaseRecord& r, const Pruefkatalog& k, const Pruefauftrag& a,
                                const Befundergaenzung& ergaenzen) {
    auto e = std::make_unique<CalcInput>();
    auto res = std::make_unique<CalcResult>();
    DeklarationFuellen(r, *e, *res, false);
    Berechne(*e, *res);
    Befundtabelle t = RegelnPruefen(r, VeranlagungAus(*e));
    if (ergaenzen) ergaenzen(r, t);
    return PruefberichtErstellen(r, t, k, a);
}

std::string PruefberichtText(const Pruefbericht& b) {
    std::string text;
    for (const std::string& z : b.zeilen) text += z + "\r\n";
    return text;
}

bool PruefberichtSpeichern(const Pruefbericht& b, const std::string& pfad) {
    const std::string text = PruefberichtText(b);
    return BerichtSchreiben(pfad, text, 0600) == Speicherfehler::Keiner;
}

}  // namespace quarnel
