#include "print/listendruck.h"

#include <algorithm>
#include <cstdio>

#include "calc/betrag.h"
#include "case/zeichensatz.h"
#include "print/kapitalliste.h"

namespace quarnel {

namespace {

bool Leer(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::string Getrimmt(std::string_view s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    const auto b = s.find_last_not_of(" \t");
    return std::string(s.substr(a, b - a + 1));
}

constexpr const char* BetragsMaske = "#######,##";
constexpr double BetragsSpalte = 17;  // cm, right edge of the amounts

// The dash line and the sum below the last row, kept together on the page.
void SummeDrucken(Berichtschreiber& w, const char* striche, const std::string& summe) {
    if (w.ZeilenUebrig() < 2) w.NeueSeite();
    w.TextBei(BetragsSpalte, striche, true);
    w.Zeilenumbruch();
    w.Text("Summe");
    w.TextBei(BetragsSpalte, summe, true);
    w.Zeilenumbruch();
}

}  // namespace

Druckschrift TextDruckschrift(const Einstellungen& e) {
    Druckschrift s;
    s.name = e.druckSchrift.name.empty() ? "Courier New" : e.druckSchrift.name;
    s.punkte = e.druckSchrift.groesse > 0 ? e.druckSchrift.groesse : 10;
    s.fett = e.druckSchrift.fett;
    s.kursiv = e.druckSchrift.kursiv;
    return s;
}

void TextRaenderSetzen(Berichtschreiber& w, const Einstellungen& e) {
    w.SetzeRaender(e.linksRand, std::max(0.0, 4 - e.linksRand), e.obenRand, 2);
}

std::string KurzDatum(const Zeitpunkt& t) {
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "%02d.%02d.%04d", t.tag % 100, t.monat % 100,
                  t.jahr % 10000);
    return puffer;
}

std::string NotizKopfText(const CaseRecord* fall) {
    std::string s = Utf8ZuCp1252("-  Quarnel  -  Ihre  Hilfe bei der Steuererklärung   ");
    if (fall) s += fall->Text(Feld::StpflName);
    return s;
}

std::string SteuernummerKopfText(const CaseRecord* fall) {
    std::string s = "Steuernummer: ";
    if (fall) s += Getrimmt(fall->Text(Feld::Steuernummer)) + ", " + Getrimmt(fall->Text(Feld::StpflName));
    else s += ", ";
    return s;
}

void KopfDrucken(Berichtschreiber& w, const std::string& text, const std::string& datum) {
    const double strich = w.ObenCm() - 0.5;
    w.Linie(w.LinksCm(), strich, w.RechtsCm(), strich);
    const double grundlinie = w.ObenCm() - 1 + w.OberlaengeCm();
    w.TextAn(w.LinksCm(), grundlinie, text);
    w.TextAn(w.RechtsCm(), grundlinie, datum, true);
}

void FussDrucken(Berichtschreiber& w) {
    const double strich = w.UntenCm() + 0.5;
    w.Linie(w.LinksCm(), strich, w.RechtsCm(), strich);
    // The last line above a bottom margin lowered by one centimetre.
    const double grundlinie = w.UntenCm() + 1 - w.ZeilenhoeheCm() + w.OberlaengeCm();
    w.TextAn(w.RechtsCm(), grundlinie, "Seite " + std::to_string(w.Seite()), true);
}

void TextzeilenDrucken(Berichtschreiber& w, const ResultLines& zeilen, const KeepTogether* bloecke) {
    // A break is only taken when something follows on the new page, so blank
    // lines after a break never make an empty page.
    bool umbruchFaellig = false;
    w.Home();
    for (std::size_t k = 0; k < zeilen.size(); ++k) {
        const bool oben = umbruchFaellig || w.AmSeitenanfang();
        if (!(oben && Leer(zeilen[k]))) {
            if (umbruchFaellig) {
                w.NeueSeite();
                umbruchFaellig = false;
            }
            w.Text(zeilen[k]);
            w.Zeilenumbruch();
        }
        if (k + 1 >= zeilen.size() || umbruchFaellig || w.AmSeitenanfang()) continue;
        const int block = bloecke ? bloecke->BlockAbIndex(k + 1) : 0;
        const int uebrig = w.ZeilenUebrig();
        if (uebrig < block || uebrig <= 0) umbruchFaellig = true;
    }
}

void ListentabelleDrucken(Berichtschreiber& w, const Listensatz& liste) {
    int letzte = 0;
    for (int z = Listensatz::Zeilen; z >= 1 && letzte == 0; --z)
        if (!Leer(liste.ZeilenText(z)) || !IstNullGrob(liste.ZeilenBetrag(z))) letzte = z;
    w.Text(("Anlage: " + liste.Titel()).substr(0, 48));
    w.Zeilenumbruch();
    double summe = 0;
    for (int z = 1; z <= letzte; ++z) {
        const double betrag = liste.ZeilenBetrag(z);
        summe += betrag;
        w.Text(liste.ZeilenText(z));
        if (IstNichtNull(betrag)) w.TextBei(BetragsSpalte, FormatMaske(BetragsMaske, betrag), true);
        w.Zeilenumbruch();
        if (w.ZeilenUebrig() < 3 && z != letzte) w.NeueSeite();
    }
    SummeDrucken(w, "----------", FormatMaske(BetragsMaske, summe));
}

void AfaListeDrucken(Berichtschreiber& w, const std::vector<AfaZeile>& zeilen, int jahr) {
    constexpr const char* Maske = "######,## DM";
    const std::size_t anzahl = std::min<std::size_t>(zeilen.size(), 25);
    std::size_t letzte = 0;
    for (std::size_t z = anzahl; z >= 1 && letzte == 0; --z)
        if (!Leer(zeilen[z - 1].text) || !IstNullGrob(zeilen[z - 1].preis)) letzte = z;
    const std::string jahrText = FormatMaske("####", jahr);
    w.Text(Utf8ZuCp1252("Anlage: AfA-Liste für das Veranlagungsjahr ") + jahrText);
    w.Zeilenumbruch();
    w.Zeilenumbruch();
    double summe = 0;
    for (std::size_t z = 1; z <= letzte; ++z) {
        const AfaZeile& r = zeilen[z - 1];
        summe += r.afa;
        w.Text(r.text);
        w.Zeilenumbruch();
        w.Text("  Kauf am " + DatumText(r.kaufdatum) + " zum Preis von " +
               Getrimmt(FormatMaske(Maske, r.preis)));
        w.Zeilenumbruch();
        w.Text(Utf8ZuCp1252("  Abschreibung über ") + Getrimmt(FormatMaske("### Jahre", r.jahre)));
        w.Zeilenumbruch();
        w.Text("  Restwert Ende " + jahrText + " von " + Getrimmt(FormatMaske(Maske, r.restwert)) +
               ".  AfA " + jahrText + " = ");
        w.TextBei(BetragsSpalte, FormatMaske(Maske, r.afa), true);
        w.Zeilenumbruch();
        if (w.ZeilenUebrig() < 4 && z != letzte) w.NeueSeite();
    }
    SummeDrucken(w, "----------------", FormatMaske(Maske, summe));
}

std::optional<Bericht> TextauftragSetzen(Druckart art, const Druckdaten& d, const Einstellungen& e,
                                         const Textmass& mass) {
    if (art != Druckart::Ergebnis && art != Druckart::Notizen && art != Druckart::Liste &&
        art != Druckart::AfaListe && art != Druckart::Kapitalliste)
        return std::nullopt;
    Bericht b;
    Berichtschreiber w(mass, b);
    w.SetzeSchrift(TextDruckschrift(e));
    TextRaenderSetzen(w, e);
    if (art != Druckart::Ergebnis) {
        const std::string kopf =
            art == Druckart::Notizen ? NotizKopfText(d.fall) : SteuernummerKopfText(d.fall);
        const std::string datum = d.datum;
        w.kopf = [kopf, datum](Berichtschreiber& s) { KopfDrucken(s, kopf, datum); };
        w.fuss = [](Berichtschreiber& s) { FussDrucken(s); };
    }
    w.Beginnen();
    switch (art) {
        case Druckart::Ergebnis:
            if (d.ergebnis) TextzeilenDrucken(w, d.ergebnis->zeilen, &d.ergebnis->bloecke);
            break;
        case Druckart::Notizen:
            // The notes have no blocks of their own: never the notice's table.
            if (d.notizen) TextzeilenDrucken(w, *d.notizen, nullptr);
            break;
        case Druckart::Kapitalliste:
            if (d.fall) KapitallisteDrucken(w, *d.fall);
            break;
        case Druckart::AfaListe:
            if (d.afaListe) AfaListeDrucken(w, *d.afaListe, d.jahr);
            break;
        default:
            if (d.liste) ListentabelleDrucken(w, *d.liste);
            break;
    }
    w.Beenden();
    return b;
}

int FormularStartseite(int blatt) {
    if (blatt == 23 || blatt == 24) blatt -= 2;
    if (blatt > 100) blatt /= 10;
    return std::max(1, std::abs(blatt) % 10);
}

Vorschaustart VorschauStart(Druckart art, int blatt, const Einstellungen& e) {
    Vorschaustart v;
    if (art == Druckart::Formular) {
        v.startseite = FormularStartseite(blatt);
        v.skalierung = std::clamp(e.formSkalierung, 10, 400);
        v.volleBreite = false;
    }
    return v;
}

Seitenwahl SeitenwahlPruefen(int von, int bis, int seiten) {
    Seitenwahl w{von, bis, false, {}};
    if (von > seiten) {
        w.offen = true;
        w.warnung = "Der <Von> Wert ist größer als größte Seitenzahl";
        w.von = bis;
        return w;
    }
    w.von = std::max(1, von);
    if (w.bis < w.von) w.bis = w.von;
    w.bis = std::min(w.bis, std::max(seiten, 1));
    return w;
}

}  // namespace quarnel
