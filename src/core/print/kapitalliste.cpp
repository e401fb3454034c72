#include "print/kapitalliste.h"

#include <initializer_list>
#include <iterator>

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
constexpr int MindestZeilen = 7;      // lines an entry needs on the page

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
            if (!ueberschrift) l.Ueberschrift("Inländische Kapitalerträge");
            ueberschrift = gedruckt = true;
            l.Kopf(n, zText, p);
            l.Betrag(Einnahme, betrag);
            if (Zwischen(z, 1, 3) || Zwischen(z, 5, 9)) l.Betrag(OhneSteuerabzug, ohne);
            if (Zwischen(z, 7, 9)) l.Betrag(KapErtSt, kapErt);
            if (Zwischen(z, 1, 6)) l.Betrag(ZinsAbSt, zinsAbKoerp);
            if (Zwischen(z, 1, 9)) l.Betrag(Soli, soli);
            l.Betrag(Werbungskosten, wk);
            l.Betrag(Gesondert, wkGes);
        }
        if (!dText.empty()) {
            gedruckt = true;
            l.Kopf(n, dText, p);
            l.Betrag(Einnahme, betrag);
            l.Betrag(OhneSteuerabzug, ohne);
            l.Betrag(KapErtSt, kapErt);
            if (d <= 2) l.Betrag(KoerpSt, zinsAbKoerp);
            l.Betrag(Soli, soli);
            if (d <= 2) l.Betrag(VergKoerpSt, verg);
            l.Betrag(Werbungskosten, wk);
            l.Betrag(Gesondert, wkGes);
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
            if (!gedruckt) {
                if (neueSeite) l.Seite();
                l.Ueberschrift("Ausländische Kapitalerträge");
            }
            gedruckt = true;
            l.Kopf(n, text, l.Byte(Feld::A_StpflCB, n));
            l.Betrag(Einnahme, l.Dbl(Feld::A_EinBetrag, n));
            if (k <= 2) {
                l.Betrag(OhneSteuerabzug, l.Dbl(Feld::A_EinOhneStAb, n));
                l.Betrag(ZinsAbSt, l.Dbl(Feld::A_EinAnZAb, n));
                l.Betrag(Soli, l.Dbl(Feld::A_EinAnSolSt, n));
            }
            l.Betrag(Werbungskosten, l.Dbl(Feld::A_EinWk, n));
            l.Betrag(Gesondert, l.Dbl(Feld::A_EinWkGesonEinh, n));
            l.Betrag(AuslSteuern, l.Dbl(Feld::A_EinSteuern, n));
            l.Betrag(Gesondert, l.Dbl(Feld::A_EinSteuernGesonEinh, n));
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
            if (!gedruckt) {
                if (neueSeite) l.Seite();
                l.Ueberschrift("Erträge aus Beteiligungen");
            }
            gedruckt = true;
            l.Kopf(n, text, l.Byte(Feld::B_StpflCB, n));
            if (k != 8) l.Betrag(Einnahme, l.Dbl(Feld::B_EinBetrag, n));
            l.Betrag(KapErtSt, l.Dbl(Feld::B_EinAnKapErtSt, n));
            l.Betrag(ZinsAbSt, l.Dbl(Feld::B_EinAnZAb, n));
            l.Betrag(KoerpSt, l.Dbl(Feld::B_EinAnKoerpSt, n));
            l.Betrag(Soli, l.Dbl(Feld::B_EinAnSolSt, n));
            if (k != 8) {
                l.Betrag(Werbungskosten, l.Dbl(Feld::B_EinWk, n));
                l.Betrag(Gesondert, l.Dbl(Feld::B_EinWkGesonEinh, n));
            }
            if (k == 2 || k == 5) {
                l.Betrag(AuslSteuern, l.Dbl(Feld::B_EinSteuern, n));
                l.Betrag(Gesondert, l.Dbl(Feld::B_EinSteuernGesonEinh, n));
            }
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
