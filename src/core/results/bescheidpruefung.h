// Checking the tax office's notice: the office's figures line by line, kept
// with the case in a list record that no page uses, and their comparison with
// the program's own computation. Each line where the office differs gets its
// tax effect from two full computations of the case on copies (as the what-if
// does): one as entered, one with only that line moved to the office's
// figure. Lines whose difference follows from others are consequences.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calcdaten.h"
#include "case/caserecord.h"

namespace quarnel {

// --- the lines of the notice ---------------------------------------------------------
enum class PostenArt {
    Grund,  // a figure the office may set differently on its own (income, deductions, credits)
    Folge,  // a total or a tax: its difference normally follows from the others
};
enum class PostenFormat { Betrag, Tabelle };

struct PostenDef {
    const char* schluessel;  // stored with the figure ("EkNsaEr"), ASCII
    const char* text;        // UTF-8, as the notice calls it
    int person;              // 0 taxpayer, 1 spouse (joint assessment only), -1 the case
    PostenArt art;
    PostenFormat format = PostenFormat::Betrag;
};

inline constexpr int AnzahlPosten = 34;
// In the order of the notice, which is also the order of cause and effect.
std::span<const PostenDef> Posten();
// Index of a line by its key; nothing when unknown.
std::optional<int> PostenSuchen(std::string_view schluessel);
// The line's value in a computation (for the table line: 1 basic, 2 splitting).
double PostenWert(int posten, const CalcInput& e, const CalcResult& r);
// The line belongs to this case (spouse lines only with joint assessment).
bool PostenGilt(int posten, const CalcInput& e);

// The reason the letter gives for disputing the line (UTF-8).
const char* PostenBegruendung(int posten);

// The provisional points (Vorläufigkeitsvermerke, § 165(1) AO) offered as ticks.
inline constexpr int AnzahlVorlaeufig = 5;
const char* VorlaeufigText(int i);  // UTF-8

// --- the office's notice -------------------------------------------------------------
struct AmtsBescheid {
    bool vorhanden = false;        // false: no notice entered (an older file)
    int32_t bescheidDatum = -1;    // date of the notice
    int32_t aufgabeDatum = -1;     // the day it was posted
    int32_t briefDatum = -1;       // date of the Einspruch letter; -1: today
    std::string finanzamt;         // Windows-1252, at most 40 bytes
    std::string steuernummer;      // Windows-1252, at most 40 bytes
    std::array<double, AnzahlPosten> wert{};
    uint32_t vorlaeufig = 0;       // bit i: provisional point i ticked
    uint64_t angefochten = 0;      // bit i: line i is disputed in the letter
    bool aussetzung = false;       // ask to suspend enforcement (§ 361 AO)

    bool operator==(const AmtsBescheid&) const = default;
};

// The list record that keeps the notice (never opened by a page).
inline constexpr int BescheidListe = 50;

// The notice from / into its list record. A record without the notice's
// signature (every older file) reads as "no notice entered"; writing a notice
// that is not `vorhanden` gives the empty list of a new case.
AmtsBescheid AmtsBescheidLesen(const Listensatz& l);
void AmtsBescheidSchreiben(const AmtsBescheid& b, Listensatz& l);

// A new notice prefilled with the program's own values, the tax office and
// tax number of the case.
AmtsBescheid AmtsBescheidVorbelegen(const CaseRecord& fall);
// Only the figures, from a filled declaration.
AmtsBescheid AmtsBescheidVorbelegen(const CalcInput& gefuellt);
// The declaration filled from a copy of the case (the case is never touched).
// Under getrennte or besondere Veranlagung (§§ 26a, 26c EStG) the office issues
// a notice per spouse: the input of the part the check compares with.
std::unique_ptr<CalcInput> Gefuellt(const CaseRecord& fall);
// The part of a getrennte or besondere Veranlagung the check compares with:
// the taxpayer's (0), whose notice the user enters.
inline constexpr int VergleichsTeil = 0;
// The note that says which part the check compared with (UTF-8); "" for
// joint assessment.
std::string VergleichsteilHinweis(const CaseRecord& fall);

// --- the comparison ------------------------------------------------------------------
inline constexpr double Rundungstoleranz = 1.0;  // ±1 DM counts as agreement

struct Wirkung {
    double steuer = 0;  // income tax + Soli + church tax, office less own
    double saldo = 0;   // the balance (positive: more to pay)
};

enum class Befund {
    Gleich,        // within ±1 DM
    Abweichung,    // the office set this line differently
    Folge,         // the difference follows from the deviations above it
    Unerklaert,    // a total or tax that differs beyond the deviations
};

struct Postenvergleich {
    int posten = 0;
    double eigen = 0;
    double amt = 0;
    double differenz = 0;  // amt - eigen
    Befund befund = Befund::Gleich;
    Wirkung wirkung;       // Abweichung only: the full computation with this line moved
};

struct Bescheidvergleich {
    std::vector<Postenvergleich> zeilen;  // every line of the case, in order
    double saldoEigen = 0, saldoAmt = 0;
    double saldoDifferenz = 0;   // the office's balance less the own one
    double saldoErklaert = 0;    // what all deviations together explain of it
    Wirkung gesamt;              // all deviations together, one computation
    int rechnungen = 0;          // full computations run

    std::vector<const Postenvergleich*> Abweichungen() const;
};

// Compares the office's notice with the case. The case is never touched.
Bescheidvergleich BescheidVergleichen(const CaseRecord& fall, const AmtsBescheid& amt);
// The same from a filled declaration (what the fill made of the case).
Bescheidvergleich BescheidVergleichen(const CalcInput& gefuellt, const AmtsBescheid& amt);

// --- text ----------------------------------------------------------------------------
// The comparison as result lines (Windows-1252, at most 80 characters).
// `hinweis` (UTF-8): the part compared with, under the heading.
std::vector<std::string> VergleichText(const Bescheidvergleich& v, const AmtsBescheid& amt,
                                       int bundesland, int32_t heute,
                                       std::string_view hinweis = {});
// An amount as the notice writes it ("1.234,00", "-500,00").
std::string DMText(double x);
// A line's value as text (amount or table name), Windows-1252.
std::string PostenWertText(int posten, double wert);

}  // namespace quarnel
