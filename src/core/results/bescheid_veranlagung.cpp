// The notice of a separate or special assessment: a heading naming the
// assessment, then each spouse's notice as a section of its own, then the
// sums of both.
#include "results/bescheid_veranlagung.h"

#include <algorithm>
#include <memory>
#include <string>

#include "calc/betrag.h"
#include "case/zeichensatz.h"
#include "results/veranlagungsteile.h"

namespace quarnel {
namespace {

std::string Name(const CaseRecord& fall, int person) {
    auto t = [&](Feld f) {
        std::string s(fall.Text(f));
        const auto a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
        return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
    };
    return person == 0 ? t(Feld::StpflVorname) + " " + t(Feld::StpflName)
                       : t(Feld::EhegVorname) + " " + t(Feld::EhegName);
}

// Appends the lines of a section, with its keep-together blocks and line forms.
void Anfuegen(Ergebnistext& ziel, const Ergebnistext& teil) {
    const std::size_t start = ziel.zeilen.size();
    ziel.formen.resize(start);
    for (std::size_t i = 0; i < teil.zeilen.size(); ++i) {
        ziel.zeilen.push_back(teil.zeilen[i]);
        ziel.formen.push_back(i < teil.formen.size() ? teil.formen[i] : Zeilenform{});
        const int block = teil.bloecke.BlockAbIndex(i);
        const std::size_t nummer = start + i + 1;
        if (block > 0 && nummer < std::size_t(KeepTogether::LetzteNummer))
            ziel.bloecke.eintrag[nummer] = static_cast<uint8_t>(block);
    }
}

}  // namespace

void BescheidErstellen(const CaseRecord& fall, const VeranlagungsRechnung& v,
                       const BescheidAngaben& a, Ergebnistext& text) {
    if (v.teile.size() < 2) {
        BescheidErstellen(fall, *v.teile.at(0).e, *v.teile.at(0).r, a, text);
        return;
    }
    text.Leeren();
    Ergebnistext teil;
    for (int p = 0; p < 2; ++p) {
        BescheidAngaben angaben = a;
        // the spouse's figures stand in the taxpayer's place of the section
        if (p == 1) angaben.religionEr = a.religionSie;
        Ergebnistext kopf;
        BescheidSchreiber k(kopf);
        if (p == 1) k.Leerzeilen(2);
        k.Zeile(std::string(78, '='));
        // the name on a line of its own: a long one would not fit beside the heading
        k.Zeile(Utf8ZuCp1252(TeilUeberschrift(p, 2) + ": " +
                             VeranlagungsartText(v.art) + " (" +
                             VeranlagungsartParagraph(v.art) + ")"));
        k.Zeile(Utf8ZuCp1252(std::string(VeranlagungsteilName(v, std::size_t(p))) + ": ") +
                Name(fall, p));
        k.Zeile(std::string(78, '='));
        Anfuegen(text, kopf);
        // the section's header names this spouse alone
        auto kopf2 = std::make_unique<CaseRecord>(fall);
        kopf2->SetzeBool(Feld::Splitting, false);
        if (p == 1) {
            kopf2->SetzeText(Feld::StpflVorname, fall.Text(Feld::EhegVorname));
            if (fall.Text(Feld::EhegName).find_first_not_of(' ') != std::string::npos)
                kopf2->SetzeText(Feld::StpflName, fall.Text(Feld::EhegName));
        }
        BescheidErstellen(*kopf2, *v.teile[p].e, *v.teile[p].r, angaben, teil);
        Anfuegen(text, teil);
    }
    Ergebnistext summe;
    BescheidSchreiber s(summe);
    s.Leerzeilen(2);
    s.Zeile(std::string(78, '='));
    s.Zeile(Utf8ZuCp1252(std::string(SummeBeiderUeberschrift) + " (" +
                         VeranlagungsartText(v.art) + ")"));
    // the amounts end in one column
    auto zeile = [&](const std::string& label, double x) {
        s.Betragszeile(1, label, 50 - static_cast<int>(label.size()), x, 1);
    };
    zeile("Einkommensteuer", v.last.est);
    zeile(Utf8ZuCp1252("Solidaritätszuschlag"), v.last.soli);
    zeile("Kirchensteuer", v.last.kist);
    zeile("Steuerbelastung insgesamt", v.last.gesamt);
    zeile(v.last.saldo > 0 ? "Noch zu zahlen" : "Erstattung",
          v.last.saldo > 0 ? v.last.saldo : -v.last.saldo);
    Anfuegen(text, summe);
}

namespace {

// The explanation after the notice when another admissible assessment costs
// the couple less than the one chosen.
void GuenstigereVeranlagung(const CaseRecord& fall, bool kurz, Ergebnistext& text) {
    if (!VeranlagungWaehlbar(fall)) return;
    const VeranlagungsVergleich v = VeranlagungVergleichen(fall, kurz);
    if (!(v.ersparnis > 0.005)) return;
    double gewaehlt = 0, empfohlen = 0;
    for (const VeranlagungsLast& l : v.arten) {
        if (l.art == v.gespeichert) gewaehlt = l.gesamt;
        if (l.art == v.empfohlen) empfohlen = l.gesamt;
    }
    auto dm = [](double x) {
        const std::string t = FormatMaske("###.###.###,##", x);
        return t.substr(std::min(t.find_first_not_of(' '), t.size())) + " DM";
    };
    Ergebnistext hinweis;
    BescheidSchreiber s(hinweis);
    s.Leerzeilen(2);
    s.Zeile("Hinweis zur Veranlagungsart:");
    s.Zeile(Utf8ZuCp1252(std::string("Die ") + VeranlagungsartText(v.empfohlen) + " (" +
                         VeranlagungsartParagraph(v.empfohlen) +
                         ") ergäbe eine geringere Steuerbelastung"));
    s.Zeile(Utf8ZuCp1252("als die gewählte " + std::string(VeranlagungsartText(v.gespeichert)) +
                         ": " + dm(empfohlen) + " statt " + dm(gewaehlt) + ","));
    s.Zeile(Utf8ZuCp1252("eine Ersparnis von " + dm(v.ersparnis) + "."));
    Anfuegen(text, hinweis);
}

}  // namespace

void BescheidNachVeranlagung(const CaseRecord& fall, const CalcInput& e, const CalcResult& r,
                             const BescheidAngaben& a, Ergebnistext& text) {
    if (WirksameVeranlagungsart(fall, e) == Veranlagungsart::Zusammen)
        BescheidErstellen(fall, e, r, a, text);
    else
        BescheidErstellen(fall, VeranlagungRechnen(fall, a.kurz), a, text);
    GuenstigereVeranlagung(fall, a.kurz, text);
}

}  // namespace quarnel
