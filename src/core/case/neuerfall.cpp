// A new case: the record defaults of the field catalogue, the page marks,
// the cleared note table and list record, and the test values.
#include <charconv>
#include <string>

#include "case/bereiche.h"
#include "case/caserecord.h"
#include "case/zeichensatz.h"

namespace quarnel {
namespace {

constexpr int32_t kKeinDatum = -1;

struct Beispielliste {
    std::initializer_list<int> listen;
    std::initializer_list<const char*> zeilen;  // UTF-8, rows 1..
};

// Example rows that a new case puts into some lists; the user overwrites them.
const Beispielliste kBeispiele[] = {
    {{1, 2}, {"Beispiele", " Wochenkarte", " Monatskarte", " Einzelfahrkarte", " Bahncard", " Taxi", " Straßenbahn", " Bus"}},
    {{3, 4}, {"Beispiele", " Beitrag zur Gewerkschaften", "  ÖTV", "  DAG", "  IG-Metall", " Fahrtkosten zu Gewerkschaft-Veranstaltung"}},
    {{5, 6}, {"Beispiele", " Füller", " Kugelschreiber", " Bleistift", " Block", " Aktentasche", " Taschenrechner", " Lineal", " Schreibtischunterlage", " Terminkalender", " Disketten"}},
    {{7, 8}, {"Beispiele", " Computer", " Drucker", " CD-Brenner", " Software"}},
    {{9, 10}, {"Beispiele", " Miete", " Strom", " Wasser", " Gas", " Fahrtkosten zur Einrichtung"}},
    {{11, 12}, {"Beispiele", " Teppisch, Gardinen", " Möbel, Bilder", " Büromaschinen", " Maler- Anstreicherarbeiten", " Renovierungskosten", " Reinigungskosten"}},
    {{13, 14}, {"Beispiele", " Miete", " Nebenkosten (Heizung, Wasser, Strom)"}},
    {{21, 22}, {"Beispiele", " Fahrten zum Ausbildungsort", " Kursgebühren", " Mehraufwand für Verpflegung", " Bücher", " Zeitschriften"}},
    {{23, 24}, {"Beispiele", " Reparaturkosten am eigenen Fahrzeug", " Arztkosten", " Schadenersatz", " Selbstbeteiligung Kaskoversicherung"}},
    {{25, 26}, {"Beispiele", " Transportkosten für Wohnungseinrichtung", " Reisekosten im Zusammenhang mit Umzug", " Mietzahlung für alte (leerstehende) Wohnung", " Maklergebühren für Wohnungssuche", " 75% der Kosten für Kochherde, Öfen", " Nachhilfestunden (max. 2.464 DM/Kind)", " Sonstige Umzugskosten pauschal", " Ledige 981 DM", " Verheiratete 1.961 DM", " je Kind 432 DM"}},
    {{27, 28}, {"Beispiele", " Bewerbungskosten (Kopien, Umschläge, Porti ..)", " Kontoführungskosten"}},
    {{31}, {"Beispiele", " Preis für Steuersoftware", " Fahrten zum Steuerberater", " Steuer-Fachliteratur"}},
    {{32, 33}, {"Beispiele", " Fahrten zum Ausbildungsort", " Kursgebühren", " Mehraufwand für Verpflegung", " Bücher, Zeitschriften"}},
    {{38}, {"Beispiele", " Zahnersatz, Brille, Hörgerät", " Eigenanteil Medikamente", " Fahrtkosten Behinderter", " Kurkosten", " Beerdigungskosten", " Scheidungskosten", " Wiederbeschaffung Hausrat (nach Katastrophen)"}},
};

// Writes the catalogue default into every element of the field.
void VorgabeSetzen(CaseRecord& r, Feld f) {
    const FeldDef& d = Def(f);
    std::string_view v = d.vorgabe;
    if (v.empty()) return;
    for (int e = 1; e <= d.anzahl; ++e) {
        std::size_t off = CaseRecord::Offset(f, e);
        switch (d.typ) {
            case FeldTyp::Text:
                r.SchreibeText(off, d.breite, Utf8ZuCp1252(v));
                break;
            case FeldTyp::Double: {
                double x = 0;
                std::from_chars(v.data(), v.data() + v.size(), x);
                r.SchreibeDouble(off, x);
                break;
            }
            case FeldTyp::Datum:
            case FeldTyp::Ganzzahl:
            case FeldTyp::Auswahl: {
                int32_t i = 0;
                std::from_chars(v.data(), v.data() + v.size(), i);
                r.SchreibeInt32(off, i);
                break;
            }
            case FeldTyp::Boolesch:
            case FeldTyp::Byte: {
                int i = 0;
                std::from_chars(v.data(), v.data() + v.size(), i);
                r.SchreibeByte(off, static_cast<uint8_t>(i));
                break;
            }
        }
    }
}

void SeitenmerkerVorgeben(CaseRecord& r) {
    for (int a = 1; a <= AnzahlBereiche; ++a) {
        for (int p = 0; p <= 15; ++p) {
            r.SchreibeByte(SeitenmerkerOffset(a, p), 0);
            if (SeiteVorhanden(a, p)) {
                SeitenmerkerSetzen(r, SM_Vorhanden, a, p);
                SeitenmerkerSetzen(r, SM_Aktiv, a, p);
            }
        }
    }
    // The spouse's wage-tax cards and income-related expenses start deselected.
    SeitenmerkerLoeschen(r, SM_Aktiv, 3, 3);
    SeitenmerkerLoeschen(r, SM_Aktiv, 3, 4);
    SeitenmerkerLoeschen(r, SM_Aktiv, 5, 0);
}

// The record of a new case, built once from the catalogue.
CaseRecord VorlageBauen() {
    CaseRecord r;
    for (std::size_t i = 0; i < Feldkatalog().size(); ++i) {
        Feld f = static_cast<Feld>(i);
        const FeldDef& d = Def(f);
        // Every date is "no date" unless the catalogue gives one.
        if (d.typ == FeldTyp::Datum && std::string_view(d.vorgabe).empty())
            for (int e = 1; e <= d.anzahl; ++e) r.SchreibeInt32(CaseRecord::Offset(f, e), kKeinDatum);
        VorgabeSetzen(r, f);
    }
    SeitenmerkerVorgeben(r);
    return r;
}

}  // namespace

void NeuerFallDatensatz(CaseRecord& r, bool testmodus) {
    static const CaseRecord vorlage = VorlageBauen();
    r = vorlage;
    if (testmodus) {
        r.SetzeInt(Feld::StpflGebDat, 125000);  // 29 March 1942
        r.SetzeInt(Feld::StpflReligionLB, 1);
        r.SetzeText(Feld::StpflReligionLB_Text, "r.k..");
        r.SetzeInt(Feld::BundeslandLb, 1);
        r.SetzeText(Feld::BundeslandLb_Text, "Bayern");
    }
}

void NeuerFall(CaseRecord& r, Notizblock& notizen, Listensatz& liste, bool testmodus) {
    NeuerFallDatensatz(r, testmodus);
    notizen.Leeren();
    liste.Leeren();
}

void ListeVorbereiten(Listensatz& l, int n) {
    l.Leeren();
    for (const auto& b : kBeispiele) {
        bool passt = false;
        for (int nr : b.listen) passt = passt || nr == n;
        if (!passt) continue;
        int zeile = 1;
        for (const char* text : b.zeilen) l.SetzeZeilenText(zeile++, Utf8ZuCp1252(text));
    }
}

}  // namespace quarnel
