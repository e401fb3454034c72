#include "print/kapitalliste.h"

#include <initializer_list>
#include <iterator>
#include <vector>

#include "calc/betrag.h"
#include "case/zeichensatz.h"

namespace quarnel {

namespace {

// The combo box texts of the entry kinds, index 0 being "bitte wählen".
constexpr const char* Zinsarten[] = {
    "-Guthaben und Einlagen, Z4",
    "-Bausparguthaben, Z 5",
    "-festverz. Wertpapiere, Z6",
    "-Tafelgeschäften, Z7",
    "-Investmentanteile, Z8",
    "-sonstige Kapitalford., Zinsabschlag unterliegend, Z9",
    "-Wandelanleihen, Gewinnobligationen, Z10",
    "-Lebensversicherung, soweit einkommensteuerpfl., Z11",
    "-stiller Gesellschaft, partiarisches Darlehen, Z12",
    "-Steuererstattungen vom Finanzamt gezahlt, Z13",
    "-sonst. Kapitalford., nicht Zinsabschlag unterliegend, Z14",
};
constexpr const char* Dividendenarten[] = {
    "-Aktien/andere Anteile, Anrechn.-verfahren, Z18",
    "-Investmentanteile (Zwischeng.), Anrechn.-verfahren, Z19",
    "-Aktien/andere Anteile, Halbeink.-verfahren, Z24",
    "-Investmentanteilen (auch Zwischeng.), Halbeink.-verf., Z25",
    "-Leistungen (nicht von KöSt befreit), Halbeink.-verf., Z26",
};
constexpr const char* Auslandsarten[] = {
    "-Erträge aus ausländischen Investmentanteilen, Z33",
    "-Zinsen Sparguthaben, festv. Wertpapiere, sonst. Erträge, Z34",
    "-Dividenden ggf. einschl. Avoit fiscal, Z35",
};
constexpr const char* Beteiligungsarten[] = {
    "-inländische Zinsen, andere Erträge, Z40",
    "-ausländische Zinsen, andere Erträge, Z41",
    "-inl. Dividenden, Erträge, Anrechnungsverfahren, Z42",
    "-inl. Dividenden, Erträge, Halbeinkünfteverfahren, Z43",
    "-ausländische Dividenden, Avoir fiscal, Z44",
    "-Modelle i.S. §2b EStG, Halbeink.-verf. gilt nicht, Z45",
    "-Modelle i.S. §2b EStG, Halbeink.-verf. gilt, Z46",
    "-anzurechnende Steuern anderer Einkunftsarten, Z49",
};

template <std::size_t N>
std::string ArtText(const char* const (&texte)[N], int k) {
    if (k < 1 || k > static_cast<int>(N)) return {};
    return Utf8ZuCp1252(texte[k - 1]);
}

constexpr double ArtSpalte = 4.5;     // cm
constexpr double BetragSpalte = 13;   // cm, right edge
constexpr int MindestZeilen = 7;      // lines left after an entry, or a new page

const char* const Einnahme = "Einnahme";
const char* const OhneSteuerabzug = "davon ohne Steuerabzug";
const char* const KapErtSt = "anzurechn. Kapitalertragsteuer";
const char* const ZinsAbSt = "anzurechn. Zinsabschlagsteuer";
const char* const KoerpSt = "anzurechn. Körperschaftsteuer";
const char* const Soli = "anzurechn. Solidarzuschlag";
const char* const VergKoerpSt = "vergütete Köperschaftsteuer";
const char* const Werbungskosten = "Werbungskosten";
const char* const Gesondert = " davon ges. und einh. festgestellt";
const char* const AuslSteuern = "Abzuziehende ausl. Steuern";

// One amount line of a block.
struct Betragszeile {
    const char* text;
    double betrag;
};

struct Liste {
    Berichtschreiber& w;
    const CaseRecord& fall;

    void Seite() {
        w.NeueSeite();
        w.Zeilenumbruch();
    }
    void Betrag(const char* text, double betrag) {
        w.TextBei(w.LinksCm() + 0.5, Utf8ZuCp1252(text));
        w.TextBei(BetragSpalte, IstNullGrob(betrag) ? std::string(" ")
                                                    : FormatMaske("#######,##", betrag),
                  true);
        w.Zeilenumbruch();
    }
    // The line break before the block, the entry number with its kind and the person.
    void Kopf(int n, const std::string& art, uint8_t person) {
        w.Zeilenumbruch();
        w.TextBei(w.LinksCm() + 0.5, "Lfd. " + FormatMaske("@@", n));
        w.TextBei(ArtSpalte, art);
        w.Zeilenumbruch();
        w.TextBei(w.LinksCm() + 0.5, "Person");
        const char* wer = person == 1 ? "Stpfl." : person == 2 ? "Ehefrau" : person == 3 ? "Ehemann/Ehefrau" : "";
        w.TextBei(BetragSpalte, wer, true);
        w.Zeilenumbruch();
    }
    void Ueberschrift(const char* text) { w.Text(Utf8ZuCp1252(text)); }
    // One block: the list's heading when it is the first, the entry number,
    // kind and person, then its amount lines. A block that does not fit in
    // the lines left starts a new page, so that no entry runs past the bottom
    // margin and no heading stands alone at its foot.
    void Block(int n, const std::string& art, uint8_t person, const std::vector<Betragszeile>& zeilen,
               const char* ueberschrift = nullptr) {
        if (w.ZeilenUebrig() < 3 + int(zeilen.size()) && !w.AmSeitenanfang()) Seite();
        if (ueberschrift) Ueberschrift(ueberschrift);
        Kopf(n, art, person);
        for (const Betragszeile& z : zeilen) Betrag(z.text, z.betrag);
    }
    uint8_t Byte(Feld f, int n) const { return fall.LeseByte(CaseRecord::Offset(f, n)); }
    double Dbl(Feld f, int n) const { return fall.Dbl(f, n); }
};

bool Zwischen(int k, int a, int b) { return k >= a && k <= b; }

// Returns whether any entry was printed.
bool Inland(Liste& l) {
    bool gedruckt = false, ueberschrift = false;
    for (int n = 1; n <= 60; ++n) {
        const int z = l.Byte(Feld::I_ArtZinsen, n);
        const int d = l.Byte(Feld::I_ArtDividende, n);
        const std::string zText = KapZinsartText(z), dText = KapDividendenartText(d);
        const uint8_t p = l.Byte(Feld::I_StpflCB, n);
        const double betrag = l.Dbl(Feld::I_EinBetrag, n), ohne = l.Dbl(Feld::I_EinOhneStAb, n),
                     kapErt = l.Dbl(Feld::I_EinAnKapErtSt, n),
                     zinsAbKoerp = l.Dbl(Feld::I_EinAnZAbKoerpSt, n),
                     soli = l.Dbl(Feld::I_EinAnSolSt, n), verg = l.Dbl(Feld::I_EinVergKoerpSt, n),
                     wk = l.Dbl(Feld::I_EinWk, n), wkGes = l.Dbl(Feld::I_EinWkGesonEinh, n);
        if (!zText.empty()) {
            std::vector<Betragszeile> zeilen{{Einnahme, betrag}};
            if (Zwischen(z, 1, 3) || Zwischen(z, 5, 9)) zeilen.push_back({OhneSteuerabzug, ohne});
            if (Zwischen(z, 7, 9)) zeilen.push_back({KapErtSt, kapErt});
            if (Zwischen(z, 1, 6)) zeilen.push_back({ZinsAbSt, zinsAbKoerp});
            if (Zwischen(z, 1, 9)) zeilen.push_back({Soli, soli});
            zeilen.push_back({Werbungskosten, wk});
            zeilen.push_back({Gesondert, wkGes});
            l.Block(n, zText, p, zeilen, ueberschrift ? nullptr : "Inländische Kapitalerträge");
            ueberschrift = gedruckt = true;
        }
        if (!dText.empty()) {
            std::vector<Betragszeile> zeilen{{Einnahme, betrag}, {OhneSteuerabzug, ohne}, {KapErtSt, kapErt}};
            if (d <= 2) zeilen.push_back({KoerpSt, zinsAbKoerp});
            zeilen.push_back({Soli, soli});
            if (d <= 2) zeilen.push_back({VergKoerpSt, verg});
            zeilen.push_back({Werbungskosten, wk});
            zeilen.push_back({Gesondert, wkGes});
            l.Block(n, dText, p, zeilen);
            gedruckt = true;
        }
        if (n != 60 && l.w.ZeilenUebrig() < MindestZeilen) l.Seite();
    }
    return gedruckt;
}

bool Ausland(Liste& l, bool neueSeite) {
    bool gedruckt = false;
    for (int n = 1; n <= 30; ++n) {
        const int k = l.Byte(Feld::A_ArtAusland, n);
        const std::string text = KapAuslandsartText(k);
        if (!text.empty()) {
            if (!gedruckt && neueSeite) l.Seite();
            std::vector<Betragszeile> zeilen{{Einnahme, l.Dbl(Feld::A_EinBetrag, n)}};
            if (k <= 2) {
                zeilen.push_back({OhneSteuerabzug, l.Dbl(Feld::A_EinOhneStAb, n)});
                zeilen.push_back({ZinsAbSt, l.Dbl(Feld::A_EinAnZAb, n)});
                zeilen.push_back({Soli, l.Dbl(Feld::A_EinAnSolSt, n)});
            }
            zeilen.push_back({Werbungskosten, l.Dbl(Feld::A_EinWk, n)});
            zeilen.push_back({Gesondert, l.Dbl(Feld::A_EinWkGesonEinh, n)});
            zeilen.push_back({AuslSteuern, l.Dbl(Feld::A_EinSteuern, n)});
            zeilen.push_back({Gesondert, l.Dbl(Feld::A_EinSteuernGesonEinh, n)});
            l.Block(n, text, l.Byte(Feld::A_StpflCB, n), zeilen,
                    gedruckt ? nullptr : "Ausländische Kapitalerträge");
            gedruckt = true;
        }
        if (n != 30 && l.w.ZeilenUebrig() < MindestZeilen) l.Seite();
    }
    return gedruckt;
}

void Beteiligungen(Liste& l, bool neueSeite) {
    bool gedruckt = false;
    for (int n = 1; n <= 30; ++n) {
        const int k = l.Byte(Feld::B_ArtBeteil, n);
        const std::string text = KapBeteiligungsartText(k);
        if (!text.empty()) {
            if (!gedruckt && neueSeite) l.Seite();
            std::vector<Betragszeile> zeilen;
            if (k != 8) zeilen.push_back({Einnahme, l.Dbl(Feld::B_EinBetrag, n)});
            zeilen.push_back({KapErtSt, l.Dbl(Feld::B_EinAnKapErtSt, n)});
            zeilen.push_back({ZinsAbSt, l.Dbl(Feld::B_EinAnZAb, n)});
            zeilen.push_back({KoerpSt, l.Dbl(Feld::B_EinAnKoerpSt, n)});
            zeilen.push_back({Soli, l.Dbl(Feld::B_EinAnSolSt, n)});
            if (k != 8) {
                zeilen.push_back({Werbungskosten, l.Dbl(Feld::B_EinWk, n)});
                zeilen.push_back({Gesondert, l.Dbl(Feld::B_EinWkGesonEinh, n)});
            }
            if (k == 2 || k == 5) {
                zeilen.push_back({AuslSteuern, l.Dbl(Feld::B_EinSteuern, n)});
                zeilen.push_back({Gesondert, l.Dbl(Feld::B_EinSteuernGesonEinh, n)});
            }
            l.Block(n, text, l.Byte(Feld::B_StpflCB, n), zeilen,
                    gedruckt ? nullptr : "Erträge aus Beteiligungen");
            gedruckt = true;
        }
        if (n != 30 && l.w.ZeilenUebrig() < MindestZeilen) l.Seite();
    }
}

}  // namespace

std::string KapZinsartText(int k) { return ArtText(Zinsarten, k); }
std::string KapDividendenartText(int k) { return ArtText(Dividendenarten, k); }
std::string KapAuslandsartText(int k) { return ArtText(Auslandsarten, k); }
std::string KapBeteiligungsartText(int k) { return ArtText(Beteiligungsarten, k); }

void KapitallisteDrucken(Berichtschreiber& w, const CaseRecord& fall) {
    Liste l{w, fall};
    w.Zeilenumbruch();
    const bool inland = Inland(l);
    const bool ausland = Ausland(l, inland);
    Beteiligungen(l, ausland);
}

}  // namespace quarnel
