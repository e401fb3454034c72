// The Einspruch letter.
#include "results/einspruch.h"

#include <algorithm>
#include <cmath>

#include "calc/betrag.h"
#include "case/zeichensatz.h"
#include "results/einspruchsfrist.h"

namespace quarnel {
namespace {

std::string Getrimmt(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

std::string A(const char* utf8) {
    return Utf8ZuCp1252(utf8);
}

constexpr int Breite = 76;

}  // namespace

std::vector<std::string> Umbrechen(const std::string& text, int breite, int einzug,
                                   int ersterEinzug) {
    std::vector<std::string> z;
    std::string zeile = Leerzeichen(ersterEinzug);
    std::size_t start = zeile.size();
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t blank = text.find(' ', i);
        const std::string wort = text.substr(i, blank == std::string::npos ? std::string::npos : blank - i);
        i = blank == std::string::npos ? text.size() : blank + 1;
        if (wort.empty()) continue;
        if (zeile.size() > start && static_cast<int>(zeile.size() + 1 + wort.size()) > breite) {
            z.push_back(zeile);
            zeile = Leerzeichen(einzug);
            start = zeile.size();
        }
        if (zeile.size() > start) zeile += ' ';
        zeile += wort;
    }
    if (zeile.size() > start) z.push_back(zeile);
    return z;
}

std::vector<int> AngefochteneZeilen(const Bescheidvergleich& v, const AmtsBescheid& amt) {
    std::vector<int> alle, angekreuzt;
    for (const Postenvergleich* z : v.Abweichungen()) {
        alle.push_back(z->posten);
        if (amt.angefochten & (uint64_t{1} << z->posten)) angekreuzt.push_back(z->posten);
    }
    return angekreuzt.empty() ? alle : angekreuzt;
}

Einspruchsbrief EinspruchErstellen(const CaseRecord& fall, const AmtsBescheid& amt,
                                   const Bescheidvergleich& v, const std::vector<int>& posten,
                                   int32_t heute) {
    Einspruchsbrief b;
    if (!amt.vorhanden) {
        b.fehler = EinspruchFehler::KeinBescheid;
        b.meldung = "Es ist kein Bescheid des Finanzamts erfasst.";
        return b;
    }
    std::vector<const Postenvergleich*> strittig;
    for (const Postenvergleich& z : v.zeilen)
        if (z.befund == Befund::Abweichung &&
            std::find(posten.begin(), posten.end(), z.posten) != posten.end())
            strittig.push_back(&z);
    if (strittig.empty()) {
        b.fehler = EinspruchFehler::KeineAbweichung;
        b.meldung = "Der Bescheid weicht in keinem angekreuzten Posten von der eigenen "
                    "Berechnung ab; ein Einspruch ist nicht nötig.";
        return b;
    }
    const int land = fall.Int(Feld::BundeslandLb);
    const int32_t datum = amt.briefDatum >= 0 ? amt.briefDatum : heute;
    const Einspruchsfrist frist = FristBerechnen(amt.aufgabeDatum, land);
    if (frist.bekanntgabe >= 0 && datum < frist.bekanntgabe) {
        b.fehler = EinspruchFehler::VorBekanntgabe;
        b.fruehestens = frist.bekanntgabe;
        b.meldung = "Ein Einspruch vor der Bekanntgabe des Bescheids ist unzulässig. Der Bescheid "
                    "gilt als bekannt gegeben am " + DatumText(frist.bekanntgabe) +
                    "; der Einspruch kann frühestens an diesem Tag datiert werden.";
        return b;
    }

    const bool zusammen = fall.Bool(Feld::Splitting);
    auto text = [&](Feld f) { return Getrimmt(fall.Text(f)); };
    std::string name = text(Feld::StpflVorname) + " " + text(Feld::StpflName);
    if (zusammen) {
        const std::string eheg = text(Feld::EhegVorname);
        if (!eheg.empty()) name = text(Feld::StpflVorname) + " und " + eheg + " " + text(Feld::StpflName);
    }
    name = Getrimmt(name);
    auto& z = b.zeilen;
    z.push_back(name);
    z.push_back(text(Feld::StpflStrasse));
    z.push_back(Getrimmt(text(Feld::StpflPlz) + " " + text(Feld::StpflOrt)));
    z.push_back("");
    const std::string ort = text(Feld::StpflOrt);
    const std::string datumszeile = (ort.empty() ? "" : ort + ", ") + "den " + DatumText(datum);
    z.push_back(Leerzeichen(std::max(0, Breite - static_cast<int>(datumszeile.size()))) + datumszeile);
    z.push_back("");
    z.push_back("Finanzamt " + amt.finanzamt);
    z.push_back("");
    z.push_back("Steuernummer: " + amt.steuernummer);
    z.push_back("");
    z.push_back("Einspruch gegen den Einkommensteuerbescheid 2001 vom " +
                (amt.bescheidDatum >= 0 ? DatumText(amt.bescheidDatum) : std::string("__________")));
    z.push_back("");
    z.push_back("Sehr geehrte Damen und Herren,");
    z.push_back("");
    const std::string ich = zusammen ? "wir" : "ich";
    const std::string lege = zusammen ? "legen wir" : "lege ich";
    for (auto& l : Umbrechen(A("gegen den oben genannten Bescheid über Einkommensteuer, "
                               "Solidaritätszuschlag und Kirchensteuer für 2001 ") +
                                 lege + " hiermit Einspruch ein (" + A("§ 347 AO") + ").",
                             Breite))
        z.push_back(l);
    z.push_back("");
    z.push_back(A("Begründung:"));
    z.push_back("");
    double strittigSaldo = 0;
    int nr = 0;
    for (const Postenvergleich* p : strittig) {
        const PostenDef& d = Posten()[p->posten];
        const std::string person = d.person == 0 && zusammen && d.schluessel[0] == 'E'
                                       ? A(" des Ehemanns")
                                   : d.person == 1 ? A(" der Ehefrau")
                                                   : "";
        std::string absatz;
        if (d.format == PostenFormat::Tabelle) {
            absatz = A(d.text) + ": Der Bescheid wendet die " + PostenWertText(p->posten, p->amt) +
                     " an, beantragt war die " + PostenWertText(p->posten, p->eigen) + ". ";
        } else {
            absatz = A(d.text) + person + ": Der Bescheid setzt " + DMText(p->amt) +
                     " DM an, " + (zusammen ? "unsere" : "meine") + A(" Erklärung ergibt ") +
                     DMText(p->eigen) + " DM (Differenz " + DMText(p->differenz) + " DM). ";
        }
        absatz += A(PostenBegruendung(p->posten));
        if (std::fabs(p->wirkung.steuer) >= 0.005)
            absatz += A(" Die Abweichung erhöht die festgesetzten Steuern (Einkommensteuer, "
                        "Solidaritätszuschlag und Kirchensteuer) um ") +
                      DMText(p->wirkung.steuer) + " DM.";
        else
            absatz += A(" Die Abweichung erhöht die Abschlusszahlung um ") +
                      DMText(p->wirkung.saldo) + " DM.";
        const std::string marke = std::to_string(++nr) + ". ";
        auto zeilen = Umbrechen(marke + absatz, Breite, static_cast<int>(marke.size()));
        z.insert(z.end(), zeilen.begin(), zeilen.end());
        z.push_back("");
        strittigSaldo += p->wirkung.saldo;
    }
    for (auto& l : Umbrechen(A(zusammen ? "Wir beantragen" : "Ich beantrage") +
                                 A(", den Bescheid entsprechend zu ändern (§ 367 Abs. 2 AO)."),
                             Breite))
        z.push_back(l);
    if (amt.aussetzung && strittigSaldo > 0.005) {
        z.push_back("");
        for (auto& l : Umbrechen(A(zusammen ? "Zugleich beantragen wir" : "Zugleich beantrage ich") +
                                     A(", die Vollziehung des Bescheids in Höhe des strittigen "
                                       "Betrags von ") +
                                     DMText(strittigSaldo) + A(" DM auszusetzen (§ 361 AO)."),
                                 Breite))
            z.push_back(l);
    }
    z.push_back("");
    z.push_back(A("Mit freundlichen Grüßen"));
    z.push_back("");
    z.push_back("");
    z.push_back(Striche(36));
    z.push_back(name);
    for (auto& l : z)
        if (l.size() > 80) l.resize(80);
    return b;
}

}  // namespace quarnel
