// The plausibility checks: the rules that look at the whole case record and
// fill the finding table, one list of check positions per page in report
// order. Every position holds 0 (nothing to report) or a finding number; the
// wording and level of a finding come from the check catalogue
// (pruefkatalog.h), the report from pruefbericht.h.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <span>
#include <vector>

#include "calc/calcdaten.h"
#include "case/caserecord.h"

namespace quarnel {

// The derived assessment flags the rules read from the declaration values.
struct Veranlagung {
    bool zusammen = false;  // joint assessment by the splitting table
    bool einzel = false;    // single assessment by the basic table
    int kinderHhFb = 0;     // children counted for the household allowance
};
Veranlagung VeranlagungAus(const CalcInput& e);

// Page codes: area * 10 + page; the disability page of Er / Sie 301 / 302, of
// child n 402 + n; the education page of child n 500 + n.
constexpr int HoechsteSeitenkennung = 506;

class Befundtabelle {
  public:
    // The page's positions in report order (numbers or 0).
    void Setzen(int kennung, std::initializer_list<int> positionen);
    void Setzen(int kennung, std::span<const int> positionen);
    // Appends a finding with a text naming what it is about (Windows-1252)
    // to the page's list, which it makes when the page has none.
    void Anhaengen(int kennung, int nummer, std::string zusatz);
    // A page without a list gets no finding calls at all.
    bool HatListe(int kennung) const;
    // The text given with the finding at this position, "" for none.
    std::string_view Zusatz(int kennung, std::size_t position) const;
    std::span<const int16_t> Positionen(int kennung) const;
    // Every non-zero finding number in the table (each page's in report order).
    std::vector<int> AlleBefunde() const;

  private:
    std::array<std::vector<int16_t>, HoechsteSeitenkennung + 1> seiten_;
    std::bitset<HoechsteSeitenkennung + 1> mitListe_;
    std::map<std::pair<int, std::size_t>, std::string> zusaetze_;
};

// Evaluates every rule on the record (after the fill and the computation, so
// that the stored page results are current) and returns the finding table.
Befundtabelle RegelnPruefen(const CaseRecord& r, const Veranlagung& v);

// Every finding number a rule can give, ascending.
std::vector<int> AlleBefundnummern();

}  // namespace quarnel
