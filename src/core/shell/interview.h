// The interview: 60 check-list items (ten headings and the 50 yes/no
// questions stored with the case), the page selection that follows from the
// answers, and the explanation file of every item.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "case/caserecord.h"

namespace quarnel {

constexpr int InterviewPunkte = 60;
constexpr int InterviewFragen = 50;
using InterviewHaken = std::array<bool, InterviewPunkte>;

// Item text as stored (UTF-8); a question begins with a blank.
std::string_view InterviewPunktText(int punkt);
// As the check list shows it: a text that begins with a blank is indented by six more.
std::string InterviewPunktAnzeige(int punkt);
bool InterviewUeberschrift(int punkt);
// The answer 0..49 of an item; -1 for a heading or another number.
int InterviewAntwortIndex(int punkt);

// The ticks from the stored answers (headings unticked).
InterviewHaken InterviewHakenAusSatz(const CaseRecord& r);

// The interview's part of the record (bytes 23 to 345: the done flag, the
// page marks and the answers), copied aside when it opens.
struct InterviewSicherung {
    static constexpr std::size_t Anfang = 23, Ende = 345;
    std::array<uint8_t, Ende - Anfang + 1> bytes{};
};
InterviewSicherung InterviewSichern(const CaseRecord& r);
void InterviewWiederherstellen(CaseRecord& r, const InterviewSicherung& s);

// Spouse's wage questions ticked without the splitting table: the case cannot be adapted.
bool InterviewEhegatteOhneSplitting(const InterviewHaken& h);
inline constexpr const char* InterviewSplittingFehler =
    "Sie haben Angaben zu Ehegatten - Nichtselbständige Arbeit gemacht, jedoch nicht die "
    "SPLITTINGTABELLE gewählt! Bitte prüfen Sie die Angaben.";

// Sets SM_Aktiv of the pages from the stored answers.
void SeitenAuswahlAusAntworten(CaseRecord& r);

// "&Steuerfall anpassen": stores the ticks as the answers, selects the pages,
// marks the interview done. Without a marital status chosen on the persons
// page, the table flags follow the splitting answer and a yes makes the case
// "verheiratet"; a status the user chose there stays as it is, with its flags.
void InterviewAnwenden(CaseRecord& r, const InterviewHaken& h);

// The explanation file of item 0..59, or 999 for the start page: "Fra005.fra".
std::string FragenDateiName(int nummer);
// The first of the files 000..059 missing in the form directory, or nothing.
std::optional<std::string> FehlendeFragenDatei(const std::string& formularVerzeichnis);
// The text of an explanation file (Windows-1252 on disk) as UTF-8.
std::optional<std::string> FragenText(const std::string& formularVerzeichnis, int nummer);
inline constexpr const char* FragenDateiFehlt =
    "Fehler:\rDatei mit den Fragen nicht gefunden.\rInterview nicht möglich.";

}  // namespace quarnel
