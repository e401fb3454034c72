// The assessment notice "B E S C H E I D": the result of the last computation
// laid out like the tax office's notice, with its annexes and explanations,
// written line by line into a result text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calc/betrag.h"
#include "calc/calcdaten.h"
#include "case/caserecord.h"
#include "results/ergebnistext.h"

namespace quarnel {

// What the notice takes from outside the computation. Texts are Windows-1252.
struct BescheidAngaben {
    std::string datum;       // today's date as the header shows it
    bool amtlich = true;     // setting ErgebAmtlBesch: the office's header with address
    bool kurz = false;       // built while the quick-calculation page is active
    std::string religionEr;  // religion texts of the church-tax section
    std::string religionSie;
    std::string bundesland;  // state text of the church-tax section
};

// The religion and state texts of the open case: from the quick-calculation
// area when kurz, else the chosen entries of the persons page (church-tax
// codes 7 and 8 get texts of their own).
void BescheidTexteSetzen(const CaseRecord& fall, BescheidAngaben& a);

// Builds the whole notice of the computation e -> r into text (which is
// cleared first). fall gives the header: office, tax number, names, address.
void BescheidErstellen(const CaseRecord& fall, const CalcInput& e, const CalcResult& r,
                       const BescheidAngaben& a, Ergebnistext& text);

// The dot leader of width n: a blank when n is odd, then n / 2 times " .".
std::string Punktleiste(int n);

// The line primitives of the notice: every line is cut to 80 characters;
// amounts take ten characters ("#######,##"). The writer keeps the line
// number (1..999) and the open keep-together block.
class BescheidSchreiber {
  public:
    explicit BescheidSchreiber(Ergebnistext& text);  // clears text

    void Zeile(std::string_view t);
    void Leerzeilen(int n);
    void Textzeile(int einzug, std::string_view t);
    void Betragszeile(int einzug, std::string_view label, int leiste, double x, int luecke);
    void BetragszeilePositiv(int einzug, std::string_view label, int leiste, double x, int luecke);
    void BetragszeileNichtNull(int einzug, std::string_view label, int leiste, double x,
                               int luecke);
    // Two amounts, the taxpayer's and the spouse's, three blanks apart; a zero
    // prints as ten blanks unless nullZeigen.
    void Paarzeile(int einzug, std::string_view label, int leiste, double er, double sie,
                   int luecke, bool nullZeigen = false);
    // A block of lines that should not be split across pages; it counts every
    // line written until BlockEnde, the empty ones included.
    void BlockBeginn();
    void BlockEnde();

    int Nummer() const { return nummer_; }

  private:
    // What the last line is to a reader: a caption and its amounts.
    void Form(std::string_view label, std::vector<std::string> betraege);
    Ergebnistext& text_;
    int nummer_ = 1;
    bool blockOffen_ = false;
    int blockStart_ = 0;
    int blockZeilen_ = 0;
};

// One amount line of the fixed tables: the amount ends in column ende.
struct Betragsvorgabe {
    int einzug;
    const char* text;  // UTF-8 in the source
    int leiste;
    int luecke;
    int ende;
};
// All of them, for the layout check.
std::span<const Betragsvorgabe> BescheidBetragsvorgaben();

// Amounts, annexes and explanations after the church-tax section.
void BescheidAnlagen(BescheidSchreiber& s, const CalcInput& e, const CalcResult& r);

// Row conditions and sign decisions work on cents: an amount that prints as
// 0,00 decides like zero.
inline bool CentPositiv(double x) {
    return RundenCent(x) > 0;
}
inline bool CentNichtNull(double x) {
    return RundenCent(x) != 0;
}

// A UTF-8 literal of the notice as Windows-1252, converted once.
const std::string& Ansi(const char* utf8);

}  // namespace quarnel
