#include "case/vorjahr.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "calc/betrag.h"

namespace quarnel {
namespace {

constexpr VorjahrPunkt kPunkte[VorjahrPunkte] = {
    {"Bereich: Allgemein", true},                           // 0
    {" Interview (nicht 2001)", false},                     // 1
    {" Markierung besuchter Bereiche", false},              // 2
    {"Bereich: Grundlagen", true},                          // 3
    {" Grunddaten des Steuerfalles", false},                // 4
    {" Kinderangaben", false},                              // 5
    {" Behinderungen", false},                              // 6
    {" Fahrzeug", false},                                   // 7
    {"Bereich: Nichtselbständige Arbeit", true},            // 8
    {" Einnahmen", false},                                  // 9
    {"Bereich: Werbungskosten", true},                      // 10
    {" Fahrten zur Arbeit", false},                         // 11
    {" Beiträge zu Berufsverbänden", false},                // 12
    {" Arbeitsmittel", false},                              // 13
    {" Verpflegungsmehraufwand", false},                    // 14
    {" Doppelte Haushaltsführung", false},                  // 15
    {" Arbeitszimmer", false},                              // 16
    {" Dienstreisen", false},                               // 17
    {" Sonstige Kosten", false},                            // 18
    {"Bereich: Weitere Einnahmen", true},                   // 19
    {" Kapitalvermögen", false},                            // 20
    {" Vermietung und Verpachtung", false},                 // 21
    {" Gewerbebetrieb", false},                             // 22
    {" Selbständige Arbeit", false},                        // 23
    {" Land- und Forstwirtschaft", false},                  // 24
    {" Renten", false},                                     // 25
    {" Wiederkehrende Bezüge", false},                      // 26
    {" Leistungen", false},                                 // 27
    {" Abgeordnetenbezüge", false},                         // 28
    {" Verlustzuw.-gesellschaften", false},                 // 29
    {" Private Veräußerung, Grundstücke", false},           // 30
    {" Private Veräußerung, Wirtschaftsgüter", false},      // 31
    {" Private Veräußerung, Termingeschäfte", false},       // 32
    {" Private Veräußerung, Anteile, Vorj.-Verl.", false},  // 33
    {"Bereich: Sonderausgaben", true},                      // 34
    {" Versicherungsbeiträge", false},                      // 35
    {" Renten, dauernde Lasten, Unterhalt", false},         // 36
    {" Kirchensteuer", false},                              // 37
    {" Haushaltshilfe", false},                             // 38
    {" Steuerberatung", false},                             // 39
    {" Ausbildungskosten, Schulgeld", false},               // 40
    {" Spenden und Beiträge", false},                       // 41
    {" Verlustabzug, Verlustvortrag", false},               // 42
    {"Bereich: Selbstgenutzes Wohneigentum", true},         // 43
    {" Lage des Objekts", false},                           // 44
    {" Neue Länder vor 01.01.1991", false},                 // 45
    {" Neue Länder ab 01.01.1991", false},                  // 46
    {" Alte Länder vor dem 01.01.1987", false},             // 47
    {" Alte Länder ab dem 01.01.1987", false},              // 48
    {"Bereich: Außergewöhnliche Belastungen", true},        // 49
    {" Behinderte, Hinterbliebene", false},                 // 50
    {" Haushaltshilfe, Heimunterkunft", false},             // 51
    {" Häusliche Pflege", false},                           // 52
    {" Unterstützung bedürftige Person", false},            // 53
    {" Andere außergew. Belastungen", false},               // 54
    {"Bereich: Weitere Angaben", true},                     // 55
    {" Anrechnungsbeträge", false},                         // 56
    {" Kurzeingabe", false},                                // 57
};

constexpr VorjahrArt Kopie = VorjahrArt::Kopie;
constexpr VorjahrArt Text = VorjahrArt::Text;
constexpr VorjahrArt Datum = VorjahrArt::Datum;
constexpr int8_t Immer = VorjahrImmer;
constexpr int8_t P46oder48 = VorjahrP46oder48;

constexpr VorjahrZeile kTabelle[] = {
#include "case/vorjahr_tabelle.inc"
};

// In the old record the flag byte of area a, page p lies four bytes further on.
constexpr std::size_t AlterSeitenmerker(int bereich, int seite) {
    return 12 + 16 * bereich + seite;
}
constexpr std::size_t kAltInterviewErledigt = 24;
constexpr std::size_t kAltSplitting = 1236;  // 1: last year's case had the splitting table
constexpr uint8_t kBitsInGebrauch = 0x3F;

uint8_t Bit(int nr) {
    return static_cast<uint8_t>(1u << nr);
}

int32_t LeseInt32(const uint8_t* p) {
    uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    return static_cast<int32_t>(v);
}

void SchreibeInt32(uint8_t* p, int32_t wert) {
    uint32_t v = static_cast<uint32_t>(wert);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void ZeileUebernehmen(const VorjahrZeile& z, const uint8_t* alt, uint8_t* neu) {
    const uint8_t* von = alt + z.alt;
    uint8_t* nach = neu + z.neu;
    switch (z.art) {
        case VorjahrArt::Kopie:
            std::memcpy(nach, von, z.bytes);
            break;
        case VorjahrArt::Text: {
            // A length byte beyond the field's size is cut to it; nothing stale
            // stays behind the text.
            const std::size_t platz = z.bytes - 1u;
            const std::size_t laenge = std::min<std::size_t>(von[0], platz);
            nach[0] = static_cast<uint8_t>(laenge);
            std::memcpy(nach + 1, von + 1, laenge);
            std::memset(nach + 1 + laenge, 0, platz - laenge);
            break;
        }
        case VorjahrArt::Datum:
            for (std::size_t i = 0; i + 4 <= z.bytes; i += 4)
                SchreibeInt32(nach + i, EinJahrSpaeter(LeseInt32(von + i)));
            break;
    }
}

}  // namespace

const VorjahrPunkt& VorjahrPunktDef(int punkt) {
    static constexpr VorjahrPunkt kKeiner{"", true};
    return punkt >= 0 && punkt < VorjahrPunkte ? kPunkte[punkt] : kKeiner;
}

std::string VorjahrPunktAnzeige(int punkt) {
    std::string text = VorjahrPunktDef(punkt).text;
    if (!text.empty() && text[0] == ' ') text.insert(0, 6, ' ');
    return text;
}

int VorjahrHakenIndex(int punkt) {
    if (punkt < 0 || punkt >= VorjahrPunkte || kPunkte[punkt].ueberschrift) return -1;
    int index = 0;
    for (int i = 0; i < punkt; ++i)
        if (!kPunkte[i].ueberschrift) ++index;
    return index;
}

bool VorjahrGewaehlt(const VorjahrAuswahl& a, int punkt) {
    int i = VorjahrHakenIndex(punkt);
    return i >= 0 && a.haken[static_cast<std::size_t>(i)];
}

void VorjahrSetzen(VorjahrAuswahl& a, int punkt, bool an) {
    int i = VorjahrHakenIndex(punkt);
    if (i >= 0) a.haken[static_cast<std::size_t>(i)] = an;
}

void VorjahrVorschlag(VorjahrAuswahl& a) {
    VorjahrKeine(a);
    for (int punkt : {4, 5, 6, 7}) VorjahrSetzen(a, punkt, true);
}

void VorjahrAlle(VorjahrAuswahl& a) {
    a.haken.fill(true);
}
void VorjahrKeine(VorjahrAuswahl& a) {
    a.haken.fill(false);
}

std::span<const VorjahrZeile> VorjahrTabelle() {
    return kTabelle;
}

bool VorjahrZeileGilt(const VorjahrZeile& z, const VorjahrAuswahl& a) {
    if (z.punkt == VorjahrImmer) return true;
    if (z.punkt == VorjahrP46oder48) return VorjahrGewaehlt(a, 46) || VorjahrGewaehlt(a, 48);
    return VorjahrGewaehlt(a, z.punkt);
}

int32_t EinJahrSpaeter(int32_t d) {
    if (d < 0) return KeinDatum;
    const int jahr = JahrVon(d) + 1, monat = MonatVon(d);
    // A day the month of the next year does not have becomes its last day.
    for (int tag = TagVon(d); tag >= 1; --tag) {
        const int32_t n = TagesNummer(jahr, monat, tag);
        if (n != KeinDatum) return n;
    }
    return KeinDatum;  // beyond the calendar
}

void VorjahrUebernehmen(const uint8_t* alt, CaseRecord& neu, const VorjahrAuswahl& auswahl) {
    NeuerFallDatensatz(neu);
    uint8_t* ziel = neu.Daten();

    // Signature, case password and release flag.
    for (const VorjahrZeile& z : kTabelle)
        if (z.punkt == VorjahrImmer) ZeileUebernehmen(z, alt, ziel);
    // The file was recognised by its signature; the converted case always
    // carries the current one, whatever the old length byte said.
    neu.SchreibeText(0, 8, "S00VER10");

    // Interview state and page marks. Which pages exist is a matter of this
    // edition: an old mark on a page this year does not have is not taken
    // over, and the "exists" bit always stays the new case's.
    if (VorjahrGewaehlt(auswahl, 1)) {
        ziel[CaseRecord::Offset(Feld::InterviewErledigt)] = alt[kAltInterviewErledigt];
        for (int a = 1; a <= AnzahlBereiche; ++a) {
            for (int p = 0; p < 16; ++p) {
                uint8_t& merker = ziel[SeitenmerkerOffset(a, p)];
                if (!(merker & Bit(SM_Vorhanden))) continue;
                const uint8_t altmerker = alt[AlterSeitenmerker(a, p)] & kBitsInGebrauch;
                merker = static_cast<uint8_t>((altmerker & ~Bit(SM_Vorhanden)) | Bit(SM_Vorhanden));
            }
        }
    }
    // The note table comes over unchanged, so its marks do too.
    for (int a = 1; a <= AnzahlBereiche; ++a) {
        for (int p = 0; p < 16; ++p) {
            const uint8_t altmerker = alt[AlterSeitenmerker(a, p)];
            if (altmerker & Bit(SM_Notiz)) SeitenmerkerSetzen(neu, SM_Notiz, a, p);
            if (VorjahrGewaehlt(auswahl, 2) && (altmerker & Bit(SM_Bearbeitet)))
                SeitenmerkerSetzen(neu, SM_Bearbeitet, a, p);
        }
    }
    // A joint assessment last year: the spouse's wage-tax cards and expenses count.
    if (alt[kAltSplitting] == 1) {
        SeitenmerkerSetzen(neu, SM_Aktiv, 3, 3);
        SeitenmerkerSetzen(neu, SM_Aktiv, 3, 4);
        SeitenmerkerSetzen(neu, SM_Aktiv, 5, 0);
    }
    SeitenmerkerSetzen(neu, SM_Aktiv, 16, 0);
    SeitenmerkerSetzen(neu, SM_Aktiv, 16, 1);

    for (const VorjahrZeile& z : kTabelle) {
        if (z.punkt == VorjahrImmer || z.punkt == 1) continue;  // done above
        if (VorjahrZeileGilt(z, auswahl)) ZeileUebernehmen(z, alt, ziel);
    }
}

void VorjahrUebernehmen(std::span<const uint8_t> alt, CaseRecord& neu,
                        const VorjahrAuswahl& auswahl) {
    std::vector<uint8_t> satz(VorjahrSatzGroesse, 0);
    std::copy_n(alt.begin(), std::min(alt.size(), satz.size()), satz.begin());
    VorjahrUebernehmen(satz.data(), neu, auswahl);
}

}  // namespace quarnel
