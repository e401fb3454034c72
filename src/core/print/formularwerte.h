// The value routines of the form sheets: one per two-digit sheet, each a
// table from field number to the text it prints, reading only the case
// record. New sheets add a routine here and a line to the table in
// formularwerte.cpp. Also the value formats the routines share.
#pragma once

#include <string>
#include <string_view>

#include "case/caserecord.h"
#include "print/formular.h"

namespace quarnel {

// The routine of a two-digit sheet; nullptr when the sheet has none.
Wertroutine WertroutineFuer(int blatt2);

// --- value formats (texts in Windows-1252) -----------------------------------------------

std::string Kreuz(bool an);  // "X" or ""
// The amount mask of n "#" (at most 10) with "," at position n - d when d > 0;
// code "U" prints an amount below 0.001 as one blank; code "P" (a percentage
// box) does the same and prints a whole rate without its decimals.
std::string BetragsMaske(int n, int d);
std::string FormularBetrag(double x, const Definitionszeile& z);
std::string Datum(int32_t tag);          // dd.mm.yyyy, "" without a date
std::string DatumKaesten6(int32_t tag);  // ddmmyy
std::string DatumKaesten8(int32_t tag);  // ddmmyyyy
// dd.mm-dd.mm, or the eight digits ddmmddmm in boxes; "" when a date is missing.
std::string Zeitraum(int32_t von, int32_t bis, bool kaesten = false);
std::string TextGetrimmt(std::string_view s);
// The text of a stored choice, from the catalogue ("" for none).
std::string AuswahlText(const CaseRecord& r, Feld f, int element = 1);

// Name lines.
std::string NameEinePerson(const CaseRecord& r);
std::string NameEhegatte(const CaseRecord& r);
std::string NameBeide(const CaseRecord& r);
std::string NameAnlageN(const CaseRecord& r, int person);

// Wage-tax card c (1, 2) of person p (1 taxpayer, 2 spouse) as a record element.
inline int Lohnkarte(int person, int karte) { return 2 * (person - 1) + karte; }

// The routines of the sheets.
Feldwert Blatt11Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt12Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt13Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt14Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt15Wert(const CaseRecord& r, const Feldanfrage& a);  // continuation of page 4
Feldwert Blatt21Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt22Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt31Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt32Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt41Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt42Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt71Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt72Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt81Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt82Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt51Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt52Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt91Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt92Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt61Wert(const CaseRecord& r, const Feldanfrage& a);
Feldwert Blatt62Wert(const CaseRecord& r, const Feldanfrage& a);

}  // namespace quarnel
