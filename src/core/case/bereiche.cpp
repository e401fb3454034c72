#include "case/bereiche.h"

#include <array>

namespace quarnel {
namespace {

struct BereichTexte {
    std::string_view name;
    std::array<std::string_view, 16> seiten;  // index 0 unused
};

constexpr std::array<std::string_view, 16> kWerbungskosten = {
    "", "Fahrten zur Arbeit", "Beiträge Berufsverbände", "Arbeitsmittel", "Verpfleg.-mehraufwand",
    "Dopp. Haushaltsführung", "Arbeitszimmer", "Dienstreisen", "Sonstige Kosten"};

constexpr BereichTexte kBereiche[18] = {
    {"", {}},
    {"Allgemeine Angaben", {"", "Steuerpflichtiger bzw. Ehegatte", "Fahrzeugkosten"}},
    {"Kinder", {"", "1. Kind", "2. Kind", "3. Kind", "4. Kind", "5. Kind", "6. Kind"}},
    {"Einkünfte Nichtselbständige Arbeit",
     {"", "Steuerpflichtiger, 1. Steuerkarte", "Steuerpflichtiger, 2. Steuerkarte",
      "Ehegatte, 1. Steuerkarte", "Ehegatte, 2. Steuerkarte"}},
    {"Werbungskosten Steuerpflichtiger", kWerbungskosten},
    {"Werbungskosten Ehegatte", kWerbungskosten},
    {"Einkünfte Kapitalvermögen", {"", "Ehemann bzw. Ehefrau"}},
    {"Einkünfte Vermietung u. Verpachtung",
     {"", "1. Anlage V", "2. Anlage V", "3. Anlage V", "4. Anlage V"}},
    {"Einkünfte Gewerbebetrieb", {"", "Steuerpflichtiger/Ehefrau"}},
    {"Einkünfte Selbständige Tätigkeit", {"", "Steuerpflichtiger/Ehefrau"}},
    {"Einkünfte Land- und Forstwirtschaft", {"", "Steuerpflichtiger/Ehefrau"}},
    {"Einkünfte Sonstige",
     {"", "Leibrenten", "Wiederkehrende Bezüge, Leistungen", "Abgeordnetenbezüge",
      "Private Veräußerungsgeschäfte"}},
    {"Sonderausgaben",
     {"", "Versicherungen", "Renten, Dauernde Lasten, Unterhalt",
      "Kirchensteuer, Gezahlte Steuerzinsen", "Haushaltshilfe, Steuerberatungskosten",
      "Ausbildungskosten, Schulgeld", "Spenden und Beiträge", "Verlustabzug, Verlustrücktrag"}},
    {"Außergewöhnliche Belastung",
     {"", "Behinderte, Hinterbliebene", "Haushaltshilfe, Heimunterbringung", "Häusliche Pflege",
      "Unterstützung bedürftige, Personen", "Ausbildungsfreibetrag",
      "Andere außergewöhnliche Belastungen"}},
    {"Eigengenutztes Wohneigentum",
     {"", "Lage, Anteile Steuerbegünstigungen", "Neue Länder, Anschaff./Herstell. vor 1.1.1991",
      "Neue Länder, Anschaff./Herstell. ab 1.1.1991",
      "Alte Länder, Anschaff./Herstell. vor 1.1.1987",
      "Alte Länder, Anschaff./Herstell. ab 1.1.1987"}},
    {"Anrechnungsbeträge", {"", "Gezahlte Steuern"}},
    {"Statistik", {"", "Zur Anlage Statistik"}},
    {"W-W-W-Modus,Kurzberechnung", {"", "Was-Wäre-Wenn", "Kurzberechnung"}},
};

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Page classes by area; a single entry serves every page of the area.
constexpr std::array<std::string_view, 16> kWerbungskostenKlassen = {
    "", "TF_WKFahrt", "TF_WKBVerb", "TF_WKArbM", "TF_WKVerpfl",
    "TF_WKDoppH", "TF_WKZimmer", "TF_WKReise", "TF_WKSonst"};

constexpr std::array<std::string_view, 16> kKlassen[18] = {
    {},
    {"", "TF_ErSie", "TF_FahrZ"},
    {"", "TF_Kind", "TF_Kind", "TF_Kind", "TF_Kind", "TF_Kind", "TF_Kind"},
    {"", "TF_NSA", "TF_NSA", "TF_NSA", "TF_NSA"},
    kWerbungskostenKlassen,
    kWerbungskostenKlassen,
    {"", "TF_KSO"},
    {"", "TF_VuV", "TF_VuV", "TF_VuV", "TF_VuV"},
    {"", "TF_GSE1"},
    {"", "TF_GSE2"},
    {"", "TF_LuF"},
    {"", "TF_Rente", "TF_SonstEk", "TF_SonstEk", "TF_SonstEk"},
    {"", "TF_SAVers", "TF_SaRDL", "TF_SAKiZi", "TF_SAHaHi", "TF_SaAbKost", "TF_SaSpende",
     "TF_SAVaVr"},
    {"", "TF_AbBeHi", "TF_AbHiHeim", "TF_ABHPfleg", "TF_AbUntBe", "TF_AbAusBi", "TF_AbAndere"},
    {"", "TF_SaFW0", "TF_SaFW1", "TF_SaFW3", "TF_SaFW2", "TF_SaFW3"},
    {"", "TF_Anrech"},
    {"", "TF_Stat"},
    {"", "", "TF_Kurz"},
};

}  // namespace

std::string_view SeitenKlasse(int bereich, int seite) {
    if (bereich < 1 || bereich > 17 || seite < 1 || seite > 15) return {};
    return kKlassen[bereich][seite];
}

std::string_view BereichName(int bereich) {
    if (bereich < 1 || bereich > 17) return {};
    return kBereiche[bereich].name;
}

std::string_view SeitenName(int bereich, int seite) {
    if (bereich < 1 || bereich > 17 || seite < 0 || seite > 15) return {};
    if (seite == 0) return kBereiche[bereich].name;
    return kBereiche[bereich].seiten[seite];
}

bool BereichVorhanden(int bereich) { return !Getrimmt(BereichName(bereich)).empty(); }

bool SeiteVorhanden(int bereich, int seite) {
    if (seite == 0) return BereichVorhanden(bereich);
    int zeichen = 0;  // characters, not UTF-8 bytes
    for (unsigned char c : Getrimmt(SeitenName(bereich, seite)))
        if ((c & 0xC0) != 0x80) ++zeichen;
    return zeichen > 1;
}

}  // namespace quarnel
