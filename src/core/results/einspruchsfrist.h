// The objection deadline against a notice: when the notice counts as
// announced, when the month for the Einspruch ends, and the public holidays
// that move both (nationwide and per Land, Easter computed).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quarnel {

// Easter Sunday of a Gregorian year as a day number (1 January 1600 = 0).
int32_t Ostersonntag(int jahr);

// 0 Saturday, 1 Sunday, 2 Monday ... 6 Friday.
inline int Wochentag(int32_t tag) {
    return static_cast<int>(((tag % 7) + 7) % 7);
}
inline bool IstWochenende(int32_t tag) {
    return Wochentag(tag) <= 1;
}

struct Feiertag {
    int32_t tag;
    const char* name;  // UTF-8
};
// The public holidays of a year in a Land (state code 0..15 as the persons
// page gives it; -1: only the nationwide ones), in calendar order. Sundays
// that are holidays only by name (Easter and Whitsunday) are left out.
std::vector<Feiertag> Feiertage(int jahr, int bundesland);
// The name of the holiday on that day, nullptr when it is none.
const char* FeiertagName(int32_t tag, int bundesland);
// Neither Saturday, Sunday nor a public holiday of the Land (§ 108(3) AO).
bool IstWerktag(int32_t tag, int bundesland);
// The day itself when it is a working day, else the next one.
int32_t NaechsterWerktag(int32_t tag, int bundesland);

struct Einspruchsfrist {
    int32_t bekanntgabe = -1;  // the day the notice counts as announced
    int32_t ende = -1;         // the last day of the objection month
    bool bekanntgabeVerschoben = false;  // the third day was no working day
    bool endeVerschoben = false;         // the month ended on no working day
};

// § 122(2) Nr. 1 AO: a notice posted counts as announced on the third day
// after posting; where that day is a Saturday, Sunday or public holiday it
// moves to the next working day (BFH IX R 68/98). § 355(1) AO: the Einspruch
// within one month; § 108(1) AO with §§ 187(1), 188(2), (3) BGB: the month
// ends on the day of the same number, or on the last day of a shorter month;
// § 108(3) AO: an end on a Saturday, Sunday or holiday moves to the next
// working day. Nothing (-1 both) without a posting date.
Einspruchsfrist FristBerechnen(int32_t aufgabe, int bundesland);

// Days from today to the end (negative once it has passed).
inline int TageBisFristende(const Einspruchsfrist& f, int32_t heute) {
    return static_cast<int>(f.ende - heute);
}

// The German weekday name ("Montag").
const char* WochentagName(int32_t tag);

}  // namespace quarnel
