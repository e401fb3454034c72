#include "results/pruefung.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "results/pruefung_regeln.h"

namespace quarnel {

namespace pruefregeln {

bool Sicht::Leer(Feld f, int e) const {
    for (char c : r.Text(f, e))
        if (c != ' ') return false;
    return true;
}

double Sicht::Wert(Feld f, int e) const {
    switch (Def(f).typ) {
        case FeldTyp::Double:
            return r.Dbl(f, e);
        case FeldTyp::Boolesch:
        case FeldTyp::Byte:
            return r.Bool(f, e) ? 1 : 0;
        case FeldTyp::Text:
            throw std::logic_error(std::string("Textfeld als Zahl: ") + Def(f).id);
        default:
            return r.Int(f, e);
    }
}

int Zeilencode(const Sicht& s, bool beschrieben, double betragEr, double betragSie) {
    return (beschrieben ? 1 : 0) + (IstNichtNull(betragEr) ? 3 : 0) +
           (s.Zusammen() && IstNichtNull(betragSie) ? 5 : 0);
}

bool ZeileUnvollstaendigEr(int code) { return code == 1 || code == 3 || code == 8; }
bool ZeileUnvollstaendigSie(int code) { return code == 1 || code == 5 || code == 8; }
bool ZeileUnstimmig(int code) { return code != 0 && code != 4 && code != 6 && code != 9; }

}  // namespace pruefregeln

Veranlagung VeranlagungAus(const CalcInput& e) {
    return {e.FlagZusammen == 1, e.FlagEinzel == 1, e.AnzahlKinderHhFb};
}

void Befundtabelle::Setzen(int kennung, std::initializer_list<int> positionen) {
    Setzen(kennung, std::span<const int>(positionen.begin(), positionen.size()));
}

void Befundtabelle::Setzen(int kennung, std::span<const int> positionen) {
    if (kennung < 0 || kennung > HoechsteSeitenkennung) throw std::out_of_range("Seitenkennung");
    seiten_[kennung].assign(positionen.begin(), positionen.end());
    mitListe_.set(kennung);
}

void Befundtabelle::Anhaengen(int kennung, int nummer, std::string zusatz) {
    if (kennung < 0 || kennung > HoechsteSeitenkennung) throw std::out_of_range("Seitenkennung");
    mitListe_.set(kennung);
    zusaetze_[{kennung, seiten_[kennung].size()}] = std::move(zusatz);
    seiten_[kennung].push_back(static_cast<int16_t>(nummer));
}

std::string_view Befundtabelle::Zusatz(int kennung, std::size_t position) const {
    const auto it = zusaetze_.find({kennung, position});
    return it == zusaetze_.end() ? std::string_view() : std::string_view(it->second);
}

bool Befundtabelle::HatListe(int kennung) const {
    return kennung >= 0 && kennung <= HoechsteSeitenkennung && mitListe_.test(kennung);
}

std::span<const int16_t> Befundtabelle::Positionen(int kennung) const {
    if (!HatListe(kennung)) return {};
    return seiten_[kennung];
}

std::vector<int> Befundtabelle::AlleBefunde() const {
    std::vector<int> alle;
    for (int k = 0; k <= HoechsteSeitenkennung; ++k)
        for (int16_t n : Positionen(k))
            if (n != 0) alle.push_back(n);
    return alle;
}

Befundtabelle RegelnPruefen(const CaseRecord& r, const Veranlagung& v) {
    using namespace pruefregeln;
    const Sicht s{r, v};
    Befundtabelle t;
    PersonenRegeln(s, t);
    LohnRegeln(s, t);
    EinkuenfteRegeln(s, t);
    AbzugRegeln(s, t);
    WohneigentumRegeln(s, t);
    HalberSatzRegel(s, t);
    VeranlagungRegel(s, t);
    FormularRegeln(s, t);
    BetragsRegeln(s, t);
    return t;
}

std::vector<int> AlleBefundnummern() {
    std::set<int> n;
    auto bereich = [&](int von, int bis) {
        for (int i = von; i <= bis; ++i) n.insert(i);
    };
    bereich(1, 18);                                    // personal data
    bereich(22, 34), bereich(37, 40), bereich(461, 464);  // children, education
    bereich(51, 60), bereich(65, 76);                  // wage-tax cards
    bereich(91, 97), n.insert({101, 105, 106, 110, 111}), bereich(120, 129);
    bereich(130, 132), n.insert({140, 141});           // income-related expenses
    bereich(161, 164), bereich(171, 179);              // rental objects, trade
    n.insert({191, 192, 197, 198, 201, 202, 203, 204, 211, 212});
    bereich(221, 224), bereich(231, 234), bereich(237, 242), n.insert({245, 246});
    bereich(511, 518);                                 // other income
    n.insert({251, 252, 253, 261, 266, 268, 281, 282, 283, 286, 291, 295, 301, 302});
    bereich(311, 318), n.insert({321, 331, 332, 341, 342, 343, 361});  // burdens
    bereich(400, 409), n.insert(422), bereich(431, 439), bereich(443, 445);  // home
    n.insert(600);                                     // amounts beyond any real case
    n.insert({610, 611});                              // the printed return
    n.insert(612);                                     // a cheaper assessment
    n.insert(613);                                     // texts cut to fit their boxes
    return {n.begin(), n.end()};
}

}  // namespace quarnel
