// The note of an entry page: one entry of the case's note table per page,
// at most 15 pages. Texts are stored as Windows-1252 with CR LF line ends;
// the limit of 1,495 characters counts those stored bytes, so a note never
// overflows its entry.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "case/caserecord.h"

namespace quarnel {

// Bytes the UTF-8 text takes in the table: one per character (what
// Windows-1252 cannot hold becomes '?'), two per line break.
std::size_t NotizBytes(std::string_view utf8);
// The longest start of the text that fits in Notizblock::MaxZeichen bytes;
// characters and line breaks are never cut in half.
std::string NotizKuerzen(std::string_view utf8);

// Text of entry n (1..15) as UTF-8 with "\n" line ends.
std::string NotizLesen(const Notizblock& notizen, int n);

// Opening the note window: the entry of the page (its own, else the first
// free one; 0 when none is free) and its text. Nothing is claimed yet.
struct NotizOeffnung {
    int eintrag = 0;
    std::string text;
};
NotizOeffnung NotizOeffnen(const Notizblock& notizen, int bereich, int seite);

// Storing: a text takes the page's entry (or the first free one) and sets
// SM_Notiz; an empty text frees the page's entry and clears SM_Notiz.
enum class NotizErgebnis { Gespeichert, Freigegeben, KeinPlatz };
NotizErgebnis NotizSpeichern(CaseRecord& r, Notizblock& notizen, int bereich, int seite,
                             std::string_view utf8);

// The window's texts: "Belegt: " + bytes / 15 as "###%" (1,500 bytes are
// 100 %), "Zeilen: " + lines as "###" + " von 200", and the caption "##. Notiz ".
std::string NotizBelegtText(std::string_view utf8);
std::string NotizZeilenText(int zeilen);
std::string NotizTitel(int eintrag);

}  // namespace quarnel
