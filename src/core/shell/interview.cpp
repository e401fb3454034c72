#include "shell/interview.h"

#include <cstdio>
#include <filesystem>
#include <iterator>

#include "case/falldatei.h"
#include "case/zeichensatz.h"

namespace quarnel {
namespace {

// The wage questions, asked for the taxpayer and again for the spouse.
constexpr std::string_view kLohnFragen[] = {
    " Lohnsteuerkarte?",
    " Fahrten zur Arbeit?",
    " Beiträge zu Berufsverbänden?",
    " Arbeitsmittel?",
    " Verpflegungsmehraufwand?",
    " Doppelte Haushaltsführung?",
    " Arbeitszimmer?",
    " Dienstreisen?",
    " Sonstige Kosten?",
};

constexpr std::string_view kUebrigePunkte[] = {
    "Weitere Einkünfte:",
    " Kapitalvermögen?",
    " Vermietung & Verpachtung?",
    " Gewerbebetrieb?",
    " Selbständige Tätigkeit?",
    " Land- und Forstwirtschaft?",
    " Leibrenten?",
    " Wiederk. Bezüge/Sonst. Leistungen?",
    " Abgeordnetebezüge?",
    " Private Veräußerungen?",
    "Sonderausgaben",
    " Versicherungsbeiträge?",
    " Renten, dauernde Lasten, Unterhalt?",
    " Kirchensteuer?",
    " Haushaltshilfe, Steuerberatung?",
    " Ausbildungskosten, Schulgeld?",
    " Spenden und Beiträge?",
    " Verlustabzug, Verlustvortrag?",
    "Außergewöhnliche Belastung",
    " Behinderte, Hinterbliebene?",
    " Haushaltshilfe, Heimunterkunft?",
    " Häusliche Pflege?",
    " Unterstützung bedürftige Person",
    " Ausbildungsfreibetrag",
    " Andere außergew. Belastungen",
    "Wohneigentum",
    " Lage des Objekts",
    " Neue Länder vor 01.01.1991",
    " Neue Länder ab 01.01.1991",
    " Alte Länder vor dem 01.01.1987",
    " Alte Länder ab dem 01.01.1987",
    "Steueranrechnungen",
    " Gezahlte Steuern",
    "Statistik",
    " Anlage Statistik",
    "Ein letzter Hinweis",
};

// The 60 items of the check list in order.
const std::array<std::string_view, InterviewPunkte>& Punkte() {
    static const auto punkte = [] {
        std::array<std::string_view, InterviewPunkte> p{};
        std::size_t n = 0;
        for (std::string_view t : {"Grundlage", " Anwendung der Splittingtabelle?",
                                   " Kinder im Haushalt?", " Individueller PKW-Kostensatz?"})
            p[n++] = t;
        for (std::string_view person : {"Steuerpflichtiger: Nichtselbständige Arbeit",
                                        "Ehegatte: Nichtselbständige Arbeit"}) {
            p[n++] = person;
            for (std::string_view t : kLohnFragen) p[n++] = t;
        }
        for (std::string_view t : kUebrigePunkte) p[n++] = t;
        return p;
    }();
    return punkte;
}

// Answers by their record offset (296 .. 345).
constexpr int kErstesAntwortByte = 296;
constexpr int kSplitting = 296, kKinder = 297, kPkw = 298, kKarteStpfl = 299, kKarteEheg = 308;

bool Antwort(const CaseRecord& r, int offset) {
    return r.Bool(Feld::Interviewantworten, offset - kErstesAntwortByte + 1);
}

void Waehlen(CaseRecord& r, int bereich, int seite, bool an) {
    if (an)
        SeitenmerkerSetzen(r, SM_Aktiv, bereich, seite);
    else
        SeitenmerkerLoeschen(r, SM_Aktiv, bereich, seite);
}

// Pages erste.. of the area from the answers beginning at `offset`.
void SeitenAusAntworten(CaseRecord& r, int bereich, int erste, int anzahl, int offset) {
    for (int i = 0; i < anzahl; ++i) Waehlen(r, bereich, erste + i, Antwort(r, offset + i));
}

// Page 0 of the area follows whether any of its pages 1..15 is selected.
void BereichNachSeiten(CaseRecord& r, int bereich) {
    bool irgendeine = false;
    for (int p = 1; p <= 15; ++p) irgendeine |= SeitenmerkerTest(r, SM_Aktiv, bereich, p);
    Waehlen(r, bereich, 0, irgendeine);
}

}  // namespace

std::string_view InterviewPunktText(int punkt) {
    if (punkt < 0 || punkt >= InterviewPunkte) return {};
    return Punkte()[static_cast<std::size_t>(punkt)];
}

std::string InterviewPunktAnzeige(int punkt) {
    const std::string_view t = InterviewPunktText(punkt);
    if (!t.empty() && t.front() == ' ') return "      " + std::string(t);
    return std::string(t);
}

bool InterviewUeberschrift(int punkt) {
    const std::string_view t = InterviewPunktText(punkt);
    return !t.empty() && t.front() != ' ';
}

int InterviewAntwortIndex(int punkt) {
    if (punkt < 0 || punkt >= InterviewPunkte || InterviewUeberschrift(punkt)) return -1;
    int index = 0;
    for (int i = 0; i < punkt; ++i)
        if (!InterviewUeberschrift(i)) ++index;
    return index;
}

InterviewHaken InterviewHakenAusSatz(const CaseRecord& r) {
    InterviewHaken h{};
    for (int i = 0; i < InterviewPunkte; ++i)
        if (int k = InterviewAntwortIndex(i); k >= 0)
            h[static_cast<std::size_t>(i)] = Antwort(r, kErstesAntwortByte + k);
    return h;
}

InterviewSicherung InterviewSichern(const CaseRecord& r) {
    InterviewSicherung s;
    for (std::size_t i = 0; i < s.bytes.size(); ++i)
        s.bytes[i] = r.LeseByte(InterviewSicherung::Anfang + i);
    return s;
}

void InterviewWiederherstellen(CaseRecord& r, const InterviewSicherung& s) {
    for (std::size_t i = 0; i < s.bytes.size(); ++i)
        r.SchreibeByte(InterviewSicherung::Anfang + i, s.bytes[i]);
}

bool InterviewEhegatteOhneSplitting(const InterviewHaken& h) {
    if (h[1]) return false;
    for (int i = 15; i <= 23; ++i)
        if (h[static_cast<std::size_t>(i)]) return true;
    return false;
}

void SeitenAuswahlAusAntworten(CaseRecord& r) {
    for (int p = 0; p <= 6; ++p) Waehlen(r, 2, p, Antwort(r, kKinder));
    Waehlen(r, 1, 2, Antwort(r, kPkw));
    for (int p : {0, 1, 2}) Waehlen(r, 3, p, Antwort(r, kKarteStpfl));
    for (int p : {3, 4}) Waehlen(r, 3, p, Antwort(r, kKarteEheg));
    if (Antwort(r, kKarteEheg)) Waehlen(r, 3, 0, true);
    SeitenAusAntworten(r, 4, 1, 8, 300);
    BereichNachSeiten(r, 4);
    SeitenAusAntworten(r, 5, 1, 8, 309);
    BereichNachSeiten(r, 5);
    for (int a = 6; a <= 10; ++a) Waehlen(r, a, 0, Antwort(r, 317 + a - 6));
    Waehlen(r, 11, 0, false);
    SeitenAusAntworten(r, 11, 1, 4, 322);
    BereichNachSeiten(r, 11);
    SeitenAusAntworten(r, 12, 1, 7, 326);
    BereichNachSeiten(r, 12);
    SeitenAusAntworten(r, 13, 1, 6, 333);
    BereichNachSeiten(r, 13);
    SeitenAusAntworten(r, 14, 1, 5, 339);
    BereichNachSeiten(r, 14);
    Waehlen(r, 15, 0, Antwort(r, 344));
    Waehlen(r, 16, 0, Antwort(r, 345));
}

void InterviewAnwenden(CaseRecord& r, const InterviewHaken& h) {
    for (int i = 0; i < InterviewPunkte; ++i)
        if (int k = InterviewAntwortIndex(i); k >= 0)
            r.SetzeBool(Feld::Interviewantworten, h[static_cast<std::size_t>(i)], k + 1);
    SeitenAuswahlAusAntworten(r);
    r.SetzeBool(Feld::InterviewErledigt, true);
    // The persons page owns the marital status and its table flags once the
    // user has been there.
    const bool gewaehlt =
        r.Int(Feld::ErSie_FamilienstandLB) != -1 && SeitenmerkerTest(r, SM_Bearbeitet, 1, 1);
    if (gewaehlt) return;
    const bool splitting = Antwort(r, kSplitting);
    r.SetzeBool(Feld::Splitting, splitting);
    r.SetzeBool(Feld::Grundtabelle, !splitting);
    if (splitting) r.SetzeInt(Feld::ErSie_FamilienstandLB, 1);
}

std::string FragenDateiName(int nummer) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "Fra%03d.fra", nummer);
    return buf;
}

namespace {
std::filesystem::path FragenPfad(const std::string& verzeichnis, int nummer) {
    return std::filesystem::path(verzeichnis) / FragenDateiName(nummer);
}
}  // namespace

std::optional<std::string> FehlendeFragenDatei(const std::string& formularVerzeichnis) {
    for (int n = 0; n < InterviewPunkte; ++n) {
        std::error_code fehler;
        if (!std::filesystem::is_regular_file(FragenPfad(formularVerzeichnis, n), fehler))
            return FragenDateiName(n);
    }
    return std::nullopt;
}

std::optional<std::string> FragenText(const std::string& formularVerzeichnis, int nummer) {
    const auto roh = DateiLesen(FragenPfad(formularVerzeichnis, nummer), 1024 * 1024);
    if (!roh) return std::nullopt;
    return Cp1252ZuUtf8(std::string(roh->begin(), roh->end()));
}

}  // namespace quarnel
