// The office's notice: its lines, its list record, and the comparison by
// full computations on copies.
#include "results/bescheidpruefung.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/deklaration.h"
#include "calc/durchgang.h"
#include "case/zeichensatz.h"
#include "results/einspruchsfrist.h"
#include "results/veranlagung.h"

namespace quarnel {
namespace {

using A = PostenArt;

// --- the lines: their value and the lever that moves them ------------------------------

// The seven kinds of income of a person, as the computation sums them.
double Einkunftsart(const CalcResult& r, int art, int p) {
    switch (art) {
        case 0: return r.EkLuF(p);
        case 1: return r.EkGew(p);
        case 2: return r.EkSelb(p);
        case 3: return r.ArbLohn(p) - r.VersFb(p) - r.WkNsa(p);
        case 4: return r.KapEinn(p) - r.WkKap(p) - r.SparerFb(p);
        case 5: return r.EkVuV(p);
        default:
            return r.SonstRente(p) + r.Bezuege(p) - r.WkSonst(p) + r.PrivVeraeuss(p) +
                   r.Leistungen(p) + r.Abgeordneten(p);
    }
}
// The what-if adjustment that moves each kind of income one for one.
constexpr int WhatIfZeile[7] = {0, 1, 2, 3, 5, 6, 7};

double Agb(const CalcInput& e, const CalcResult& r) {
    return r.AgBAbziehbar + e.BehindertenPauschIn + e.HinterblPauschIn +
           e.HaushaltshilfePflegeIn + e.UnterhaltIn + e.AusbildungsFbIn;
}

// The office did not count (x < 0) or counted more (x > 0) child allowances:
// children are taken away from the last one; a child without allowances
// brings no Kindergeld back either.
void KinderAendern(CalcInput& e, double x) {
    if (x < 0) {
        double rest = -x;
        for (int k = AnzahlKindSaetze - 1; k >= 0 && rest > 0.000001; --k) {
            KindSatz& s = e.KindSaetze[k];
            if (!(s.KinderFb > 0.001)) continue;
            const double summe = s.KinderFb + s.BetreuungsFb;
            const double weg = MinWert(rest, summe);
            const double anteil = (summe - weg) / summe;
            s.KinderFb *= anteil;
            s.KinderFbJahr *= anteil;
            s.BetreuungsFb *= anteil;
            s.BetreuungsFbJahr *= anteil;
            if (anteil < 0.000001) {
                s = KindSatz{};
                s.Schluessel = 200000;
                if (e.AnzahlKinder > 0) --e.AnzahlKinder;
            }
            rest -= weg;
        }
    } else if (x > 0) {
        for (KindSatz& s : e.KindSaetze)
            if (!(s.KinderFb > 0.001)) {
                s = KindSatz{};
                s.KinderFb = s.KinderFbJahr = x;
                ++e.AnzahlKinder;
                return;
            }
    }
}

using Hebel = void (*)(CalcInput& e, CalcResult& r, int person, double x);

struct Posteneintrag {
    PostenDef def;
    double (*wert)(const CalcInput& e, const CalcResult& r, int person);
    Hebel hebel;  // nullptr: a total or tax without a lever of its own
    const char* begruendung;  // UTF-8, the reason in the letter
};

#define EINKUNFT(schl, text, art, begr)                                                     \
    {{schl "Er", text, 0, A::Grund},                                                       \
     [](const CalcInput&, const CalcResult& r, int p) { return Einkunftsart(r, art, p); }, \
     [](CalcInput&, CalcResult& r, int p, double x) { r.WhatIfDelta[2 * WhatIfZeile[art] + p] += x; }, \
     begr},                                                                                \
    {{schl "Sie", text, 1, A::Grund},                                                      \
     [](const CalcInput&, const CalcResult& r, int p) { return Einkunftsart(r, art, p); }, \
     [](CalcInput&, CalcResult& r, int p, double x) { r.WhatIfDelta[2 * WhatIfZeile[art] + p] += x; }, \
     begr}

constexpr const char* EinkuenfteBegruendung =
    "Die Einkünfte sind in der erklärten Höhe anzusetzen; die geltend gemachten "
    "Aufwendungen sind durch die Unterlagen zur Erklärung nachgewiesen.";

const Posteneintrag Tabelle[AnzahlPosten] = {
    EINKUNFT("EkLuF", "Einkünfte aus Land- und Forstwirtschaft", 0, EinkuenfteBegruendung),
    EINKUNFT("EkGew", "Einkünfte aus Gewerbebetrieb", 1, EinkuenfteBegruendung),
    EINKUNFT("EkSelb", "Einkünfte aus selbständiger Arbeit", 2, EinkuenfteBegruendung),
    EINKUNFT("EkNsa", "Einkünfte aus nichtselbständiger Arbeit", 3,
             "Die erklärten Werbungskosten (§ 9 EStG) sind in voller Höhe abzuziehen; sie "
             "sind beruflich veranlasst und durch die Unterlagen zur Erklärung nachgewiesen."),
    EINKUNFT("EkKap", "Einkünfte aus Kapitalvermögen", 4, EinkuenfteBegruendung),
    EINKUNFT("EkVuV", "Einkünfte aus Vermietung und Verpachtung", 5, EinkuenfteBegruendung),
    EINKUNFT("EkSonst", "Sonstige Einkünfte", 6, EinkuenfteBegruendung),
    {{"SummeEk", "Summe der Einkünfte", -1, A::Folge},
     [](const CalcInput&, const CalcResult& r, int) { return r.SummeEk; }, nullptr, nullptr},
    {{"AltEntl", "Altersentlastungsbetrag", -1, A::Folge},
     [](const CalcInput&, const CalcResult& r, int) { return r.AltEntlEr + r.AltEntlSie; },
     nullptr, nullptr},
    {{"GesamtbetragEk", "Gesamtbetrag der Einkünfte", -1, A::Folge},
     [](const CalcInput&, const CalcResult& r, int) { return r.GesamtbetragEk; }, nullptr,
     nullptr},
    {{"Vorsorge", "Sonderausgaben: Vorsorgeaufwendungen", -1, A::Grund},
     [](const CalcInput&, const CalcResult& r, int) { return r.VorsorgeAbziehbar; },
     [](CalcInput&, CalcResult& r, int, double x) { r.WhatIfDelta[16] += x; },
     "Die Vorsorgeaufwendungen sind im Rahmen der Höchstbeträge des § 10 Abs. 3 EStG wie "
     "erklärt abzuziehen."},
    {{"SaUebrige", "Sonderausgaben: übrige", -1, A::Grund},
     [](const CalcInput&, const CalcResult& r, int) { return r.SonderausgabenUebrige; },
     [](CalcInput& e, CalcResult&, int, double x) { e.SteuerberatungIn += x; },
     "Die übrigen Sonderausgaben (§§ 10, 10b EStG) sind wie erklärt abzuziehen."},
    {{"Agb", "Außergewöhnliche Belastungen", -1, A::Grund},
     [](const CalcInput& e, const CalcResult& r, int) { return Agb(e, r); },
     [](CalcInput& e, CalcResult&, int, double x) { e.UnterhaltIn += x; },
     "Die außergewöhnlichen Belastungen (§§ 33 bis 33c EStG) sind wie erklärt zu "
     "berücksichtigen."},
    {{"Verlustabzug", "Verlustabzug", -1, A::Grund},
     [](const CalcInput& e, const CalcResult&, int) { return e.VerlustabzugIn; },
     [](CalcInput& e, CalcResult&, int, double x) { e.VerlustabzugIn += x; },
     "Der Verlustabzug nach § 10d EStG ist in der festgestellten Höhe vorzunehmen."},
    {{"KinderFb", "Kinderfreibeträge und Betreuungsfreibeträge", -1, A::Grund},
     [](const CalcInput&, const CalcResult& r, int) { return r.KindFbSummeAlle; },
     [](CalcInput& e, CalcResult&, int, double x) { KinderAendern(e, x); },
     "Für jedes der erklärten Kinder stehen die Freibeträge nach § 32 Abs. 6 EStG zu; die "
     "Voraussetzungen des § 32 Abs. 1 bis 5 EStG sind erfüllt."},
    {{"HaushaltsFb", "Haushaltsfreibetrag", -1, A::Grund},
     [](const CalcInput&, const CalcResult& r, int) { return r.HaushaltsFb; },
     [](CalcInput& e, CalcResult&, int, double x) {
         if (x < 0) e.AnzahlKinderHhFb = 0;
         if (x > 0 && e.AnzahlKinderHhFb < 1) e.AnzahlKinderHhFb = 1;
     },
     "Der Haushaltsfreibetrag nach § 32 Abs. 7 EStG steht zu, da ein Kind in meiner "
     "Wohnung gemeldet ist."},
    {{"ZvE", "Zu versteuerndes Einkommen", -1, A::Folge},
     [](const CalcInput&, const CalcResult& r, int) { return r.ZvE; }, nullptr, nullptr},
    {{"Tarif", "Einkommensteuertarif", -1, A::Grund, PostenFormat::Tabelle},
     [](const CalcInput& e, const CalcResult&, int) { return double(F2(e)); },
     [](CalcInput& e, CalcResult&, int, double x) {
         if (x < -0.5) e.FlagWitwenSplitting = 0;
         if (x > 0.5 && e.FlagZusammen != 1) e.FlagWitwenSplitting = 1;
     },
     "Die Einkommensteuer ist nach dem Splittingverfahren (§ 32a Abs. 5 und 6 EStG) zu "
     "ermitteln."},
    {{"ESt", "Festzusetzende Einkommensteuer", -1, A::Folge},
     [](const CalcInput&, const CalcResult& r, int) { return r.EStFestzusetzen; }, nullptr,
     nullptr},
    {{"Soli", "Solidaritätszuschlag", -1, A::Folge},
     [](const CalcInput&, const CalcResult& r, int) { return r.SoliFestzusetzen; }, nullptr,
     nullptr},
    {{"KiStEr", "Kirchensteuer Steuerpflichtiger", 0, A::Folge},
     [](const CalcInput&, const CalcResult& r, int) { return r.KiStFestEr; }, nullptr, nullptr},
    {{"KiStSie", "Kirchensteuer Ehegatte", 1, A::Folge},
     [](const CalcInput&, const CalcResult& r, int) { return r.KiStFestSie; }, nullptr, nullptr},
    {{"LSt", "Anzurechnende Lohnsteuer", -1, A::Grund},
     [](const CalcInput& e, const CalcResult&, int) { return e.LStSumme; },
     [](CalcInput& e, CalcResult&, int, double x) { e.LStEr += x; },
     "Die Lohnsteuer ist in der Höhe anzurechnen, die laut Lohnsteuerbescheinigung "
     "einbehalten wurde (§ 36 Abs. 2 Nr. 2 EStG)."},
    {{"KapESt", "Zinsabschlag und Kapitalertragsteuer", -1, A::Grund},
     [](const CalcInput& e, const CalcResult&, int) { return e.KapEStAnrechIn; },
     [](CalcInput& e, CalcResult&, int, double x) { e.KapEStAnrechIn += x; },
     "Zinsabschlag und Kapitalertragsteuer sind laut den beigefügten Steuerbescheinigungen "
     "anzurechnen (§ 36 Abs. 2 Nr. 2 EStG)."},
    {{"KSt", "Anzurechnende Körperschaftsteuer", -1, A::Grund},
     [](const CalcInput& e, const CalcResult&, int) { return e.KStAnrechIn; },
     [](CalcInput& e, CalcResult&, int, double x) { e.KStAnrechIn += x; },
     "Die Körperschaftsteuer ist laut den beigefügten Steuerbescheinigungen anzurechnen "
     "(§ 36 Abs. 2 Nr. 3 EStG)."},
    {{"Vorauszahlungen", "Einkommensteuer-Vorauszahlungen", -1, A::Grund},
     [](const CalcInput& e, const CalcResult&, int) { return e.EStVzSumme; },
     [](CalcInput& e, CalcResult&, int, double x) { e.EStVzEr += x; },
     "Die geleisteten Vorauszahlungen sind in voller Höhe anzurechnen (§ 36 Abs. 2 Nr. 1 "
     "EStG)."},
    {{"Saldo", "Verbleibende Nachzahlung (-: Erstattung)", -1, A::Folge},
     [](const CalcInput&, const CalcResult& r, int) { return r.GesamtSaldo; }, nullptr,
     nullptr},
};
#undef EINKUNFT

const std::array<PostenDef, AnzahlPosten> Definitionen = [] {
    std::array<PostenDef, AnzahlPosten> d{};
    for (int i = 0; i < AnzahlPosten; ++i) d[i] = Tabelle[i].def;
    return d;
}();

constexpr const char* Vorlaeufigkeiten[AnzahlVorlaeufig] = {
    "Beschränkte Abziehbarkeit von Vorsorgeaufwendungen (§ 10 Abs. 3 EStG)",
    "Höhe des Grundfreibetrags (§ 32a Abs. 1 EStG)",
    "Höhe der kindbezogenen Freibeträge (§ 32 Abs. 6 EStG)",
    "Abziehbarkeit der Kinderbetreuungskosten",
    "Besteuerung der Einkünfte aus Leibrenten (§ 22 Nr. 1 EStG)",
};

// --- the list record -----------------------------------------------------------------
constexpr std::string_view Kennung = "QUARNEL BESCHEID 2001";
constexpr int KennungLaenge = 25;
// Rows 1..AnzahlPosten hold the lines (key, figure); then the data of the notice.
constexpr int ZeileFinanzamt = 41;   // text: tax office; amount: date of the notice
constexpr int ZeileSteuernr = 42;    // text: tax number; amount: posting date
constexpr int ZeileBrief = 43;       // amount: date of the letter
constexpr int ZeileVorlaeufig = 44;  // amount: the provisional points as bits
constexpr int ZeileAngefochten = 45; // amount: the disputed lines as bits
constexpr int ZeileAussetzung = 46;  // amount: 1 = ask to suspend enforcement
static_assert(AnzahlPosten < ZeileFinanzamt);

std::string KennungLesen(const Listensatz& l) {
    const int n = std::min<int>(l.bytes[0], KennungLaenge);
    return std::string(reinterpret_cast<const char*>(l.bytes.data() + 1), n);
}

int32_t AlsDatum(double d) {
    return std::isfinite(d) && d >= 0 && d < 4e6 ? static_cast<int32_t>(d) : -1;
}

// --- computations on copies ----------------------------------------------------------
struct Zug {
    int posten;
    double x;
};

struct Rechnung {
    std::unique_ptr<CalcInput> e;
    std::unique_ptr<CalcResult> r;
    double Wert(int i) const { return Tabelle[i].wert(*e, *r, Tabelle[i].def.person); }
    double Steuer() const { return r->EStFestzusetzen + r->SoliFestzusetzen + r->KiStFestzusetzen; }
    double Saldo() const { return r->GesamtSaldo; }
};

// The office taxed a couple assessed jointly by the basic table: for spouses
// that is separate assessment (§ 26a EStG), each spouse on the basic table
// with his or her own income. `vorher` is the joint input before its run,
// `g` the joint run; the taxes, the church tax of each and the balance
// become the sums of the two separate runs, the table line the basic one.
// The what-if moves of the joint run go to the spouse they belong to.
void GetrenntVeranlagen(const CalcInput& vorher, Rechnung& g) {
    const double agb = AgbAbgezogen(vorher, *g.r);
    auto e = std::make_unique<CalcInput>();
    auto r = std::make_unique<CalcResult>();
    double est = 0, soli = 0, kist = 0, saldo = 0, kistPerson[2] = {0, 0};
    for (int p = 0; p < 2; ++p) {
        GetrennteEingabe(vorher, p, agb, 0.5, *e);
        *r = CalcResult{};
        ParameterSetzen(*e, *r);
        for (int k = 0; k < 9; ++k) {
            r->WhatIfDelta[2 * k] = g.r->WhatIfDelta[2 * k + p];
            r->WhatIfDelta[2 * k + 1] = 0;
        }
        Berechne(*e, *r);
        est += r->EStFestzusetzen;
        soli += r->SoliFestzusetzen;
        kist += r->KiStFestzusetzen;
        saldo += r->GesamtSaldo;
        kistPerson[p] = r->KiStFestEr;
    }
    g.r->EStFestzusetzen = est;
    g.r->SoliFestzusetzen = soli;
    g.r->KiStFestzusetzen = g.r->KiStFestGesamt = kist;
    g.r->KiStFestEr = kistPerson[0];
    g.r->KiStFestSie = kistPerson[1];
    g.r->GesamtSaldo = saldo;
    g.e->FlagZusammen = 0;
    g.e->FlagWitwenSplitting = 0;
}

class Rechner {
  public:
    explicit Rechner(const CalcInput& gefuellt) : gefuellt_(gefuellt) {}
    const CalcInput& Gefuellt() const { return gefuellt_; }

    Rechnung Rechnen(const std::vector<Zug>& zuege) {
        Rechnung g{std::make_unique<CalcInput>(gefuellt_), std::make_unique<CalcResult>()};
        ParameterSetzen(*g.e, *g.r);
        static const int tarif = *PostenSuchen("Tarif");
        bool getrennt = false;
        for (const Zug& z : zuege) {
            getrennt = getrennt || (z.posten == tarif && z.x < -0.5 && g.e->FlagZusammen == 1);
            Tabelle[z.posten].hebel(*g.e, *g.r, Tabelle[z.posten].def.person, z.x);
        }
        std::unique_ptr<CalcInput> vorher;
        if (getrennt) vorher = std::make_unique<CalcInput>(*g.e);
        Berechne(*g.e, *g.r);
        if (getrennt) GetrenntVeranlagen(*vorher, g);
        ++anzahl_;
        return g;
    }

    // Moves line i from its value in `vorher` (the computation with `basis`)
    // to `ziel` by its lever; the lever's amount is searched by secant steps,
    // since limits and allowances make most lines only piecewise linear.
    // Returns the lever's amount and leaves the closest computation in `nachher`.
    double Verschieben(std::vector<Zug> basis, const Rechnung& vorher, int i, double ziel,
                       Rechnung& nachher) {
        double x0 = 0, f0 = vorher.Wert(i);
        double x1 = ziel - f0;
        basis.push_back({i, x1});
        nachher = Rechnen(basis);
        double f1 = nachher.Wert(i);
        double bestesX = x1, besterAbstand = std::fabs(f1 - ziel);
        for (int schritt = 0; schritt < 8 && besterAbstand > 0.005; ++schritt) {
            const double steigung = x1 != x0 ? (f1 - f0) / (x1 - x0) : 0;
            double x2;
            if (std::fabs(steigung) < 1e-6)
                x2 = x1 * 2;  // on a plateau (an allowance, a lump sum): go further
            else
                x2 = x1 + (ziel - f1) / steigung;
            if (!std::isfinite(x2) || std::fabs(x2) > 1e9 || x2 == x1) break;
            basis.back().x = x2;
            Rechnung g = Rechnen(basis);
            const double f2 = g.Wert(i);
            x0 = x1, f0 = f1, x1 = x2, f1 = f2;
            if (std::fabs(f2 - ziel) < besterAbstand) {
                besterAbstand = std::fabs(f2 - ziel);
                bestesX = x2;
                nachher = std::move(g);
            }
        }
        return bestesX;
    }

    int Anzahl() const { return anzahl_; }

  private:
    const CalcInput& gefuellt_;
    int anzahl_ = 0;
};

std::string Tausender(long long ganz) {
    std::string s = std::to_string(ganz);
    for (int i = static_cast<int>(s.size()) - 3; i > 0; i -= 3) s.insert(i, ".");
    return s;
}

std::string Rechts(const std::string& s, int breite) {
    return static_cast<int>(s.size()) >= breite ? s : Leerzeichen(breite - static_cast<int>(s.size())) + s;
}
std::string Links(const std::string& s, int breite) {
    return static_cast<int>(s.size()) >= breite ? s.substr(0, breite)
                                                : s + Leerzeichen(breite - static_cast<int>(s.size()));
}

}  // namespace

// --- lines ---------------------------------------------------------------------------
std::span<const PostenDef> Posten() {
    return Definitionen;
}

std::optional<int> PostenSuchen(std::string_view schluessel) {
    for (int i = 0; i < AnzahlPosten; ++i)
        if (schluessel == Tabelle[i].def.schluessel) return i;
    return std::nullopt;
}

double PostenWert(int i, const CalcInput& e, const CalcResult& r) {
    return Tabelle[i].wert(e, r, Tabelle[i].def.person);
}

bool PostenGilt(int i, const CalcInput& e) {
    return Tabelle[i].def.person != 1 || e.FlagZusammen == 1;
}

const char* PostenBegruendung(int i) {
    return Tabelle[i].begruendung ? Tabelle[i].begruendung : "";
}

const char* VorlaeufigText(int i) {
    return i >= 0 && i < AnzahlVorlaeufig ? Vorlaeufigkeiten[i] : "";
}

// --- the list record -----------------------------------------------------------------
AmtsBescheid AmtsBescheidLesen(const Listensatz& l) {
    AmtsBescheid b;
    if (KennungLesen(l) != Kennung) return b;
    b.vorhanden = true;
    for (int z = 1; z <= AnzahlPosten; ++z)
        if (auto i = PostenSuchen(l.ZeilenText(z))) {
            const double w = l.ZeilenBetrag(z);
            b.wert[*i] = std::isfinite(w) ? w : 0;
        }
    b.finanzamt = l.ZeilenText(ZeileFinanzamt);
    b.steuernummer = l.ZeilenText(ZeileSteuernr);
    b.bescheidDatum = AlsDatum(l.ZeilenBetrag(ZeileFinanzamt));
    b.aufgabeDatum = AlsDatum(l.ZeilenBetrag(ZeileSteuernr));
    b.briefDatum = AlsDatum(l.ZeilenBetrag(ZeileBrief));
    const double v = l.ZeilenBetrag(ZeileVorlaeufig), a = l.ZeilenBetrag(ZeileAngefochten);
    b.vorlaeufig = std::isfinite(v) && v >= 0 && v < 4e9 ? static_cast<uint32_t>(v) : 0;
    b.angefochten = std::isfinite(a) && a >= 0 && a < 9e15 ? static_cast<uint64_t>(a) : 0;
    b.vorlaeufig &= (1u << AnzahlVorlaeufig) - 1;
    b.angefochten &= (uint64_t{1} << AnzahlPosten) - 1;
    b.aussetzung = l.ZeilenBetrag(ZeileAussetzung) == 1;
    return b;
}

void AmtsBescheidSchreiben(const AmtsBescheid& b, Listensatz& l) {
    l.bytes.fill(0);
    ListeVorbereiten(l, BescheidListe);
    if (!b.vorhanden) return;
    l.bytes[0] = static_cast<uint8_t>(Kennung.size());
    std::memcpy(l.bytes.data() + 1, Kennung.data(), Kennung.size());
    l.SetzeTitel("Bescheid des Finanzamts");
    for (int i = 0; i < AnzahlPosten; ++i) {
        l.SetzeZeilenText(i + 1, Tabelle[i].def.schluessel);
        l.SetzeZeilenBetrag(i + 1, b.wert[i]);
    }
    l.SetzeZeilenText(ZeileFinanzamt, b.finanzamt);
    l.SetzeZeilenBetrag(ZeileFinanzamt, b.bescheidDatum);
    l.SetzeZeilenText(ZeileSteuernr, b.steuernummer);
    l.SetzeZeilenBetrag(ZeileSteuernr, b.aufgabeDatum);
    l.SetzeZeilenBetrag(ZeileBrief, b.briefDatum);
    l.SetzeZeilenBetrag(ZeileVorlaeufig, b.vorlaeufig);
    l.SetzeZeilenBetrag(ZeileAngefochten, static_cast<double>(b.angefochten));
    l.SetzeZeilenBetrag(ZeileAussetzung, b.aussetzung ? 1 : 0);
}

std::unique_ptr<CalcInput> Gefuellt(const CaseRecord& fall) {
    // the fill runs the page computations and rewrites the annex flags: on a copy
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto e = std::make_unique<CalcInput>();
    DeklarationFuellen(*kopie, *e, false);
    // getrennte or besondere Veranlagung: the office's notice is that of one part
    const Veranlagungsart art = WirksameVeranlagungsart(fall, *e);
    if (art == Veranlagungsart::Zusammen) return e;
    VeranlagungsRechnung v =
        VeranlagungRechnen(*e, art, VeranlagungsAngabenAusFall(*kopie, *e, false));
    return std::move(v.teile[std::size_t(VergleichsTeil)].e);
}

std::string VergleichsteilHinweis(const CaseRecord& fall) {
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto e = std::make_unique<CalcInput>();
    DeklarationFuellen(*kopie, *e, false);
    switch (WirksameVeranlagungsart(fall, *e)) {
        case Veranlagungsart::Zusammen:
            return {};
        case Veranlagungsart::Getrennt:
            return "Verglichen mit Teil 1 (Steuerpflichtiger) der getrennten Veranlagung";
        case Veranlagungsart::Besondere:
            break;
    }
    return "Verglichen mit Teil 1 (Steuerpflichtiger) der besonderen Veranlagung";
}

AmtsBescheid AmtsBescheidVorbelegen(const CalcInput& gefuellt) {
    AmtsBescheid b;
    b.vorhanden = true;
    Rechner rechner(gefuellt);
    const Rechnung g = rechner.Rechnen({});
    for (int i = 0; i < AnzahlPosten; ++i) b.wert[i] = PostenGilt(i, *g.e) ? g.Wert(i) : 0;
    return b;
}

AmtsBescheid AmtsBescheidVorbelegen(const CaseRecord& fall) {
    AmtsBescheid b = AmtsBescheidVorbelegen(*Gefuellt(fall));
    auto getrimmt = [](std::string s) {
        const auto a = s.find_first_not_of(' ');
        if (a == std::string::npos) return std::string();
        return s.substr(a, s.find_last_not_of(' ') - a + 1);
    };
    b.finanzamt = getrimmt(fall.Text(Feld::Finanzamt));
    b.steuernummer = getrimmt(fall.Text(Feld::Steuernummer));
    return b;
}

// --- the comparison ------------------------------------------------------------------
std::vector<const Postenvergleich*> Bescheidvergleich::Abweichungen() const {
    std::vector<const Postenvergleich*> a;
    for (const Postenvergleich& z : zeilen)
        if (z.befund == Befund::Abweichung) a.push_back(&z);
    return a;
}

Bescheidvergleich BescheidVergleichen(const CaseRecord& fall, const AmtsBescheid& amt) {
    return BescheidVergleichen(*Gefuellt(fall), amt);
}

Bescheidvergleich BescheidVergleichen(const CalcInput& gefuellt, const AmtsBescheid& amt) {
    Bescheidvergleich v;
    Rechner rechner(gefuellt);
    const Rechnung basis = rechner.Rechnen({});
    // the deviations found so far, and the computation with all of them
    std::vector<Zug> angenommen;
    Rechnung stand{std::make_unique<CalcInput>(*basis.e), std::make_unique<CalcResult>(*basis.r)};
    for (int i = 0; i < AnzahlPosten; ++i) {
        if (!PostenGilt(i, *basis.e)) continue;
        Postenvergleich z;
        z.posten = i;
        z.eigen = basis.Wert(i);
        z.amt = amt.vorhanden ? amt.wert[i] : z.eigen;
        z.differenz = z.amt - z.eigen;
        // amounts agree within the rounding; the table only when it is the same
        const double toleranz =
            Tabelle[i].def.format == PostenFormat::Tabelle ? 0.5 : Rundungstoleranz;
        if (std::fabs(z.differenz) <= toleranz) {
            z.befund = Befund::Gleich;
        } else if (std::fabs(z.amt - stand.Wert(i)) <= toleranz) {
            z.befund = Befund::Folge;
        } else if (Tabelle[i].hebel) {
            z.befund = Befund::Abweichung;
            // its own effect: the case as entered with only this line moved
            Rechnung allein;
            rechner.Verschieben({}, basis, i, z.amt, allein);
            z.wirkung = {allein.Steuer() - basis.Steuer(), allein.Saldo() - basis.Saldo()};
            // and on top of the deviations before it, for the lines that follow
            Rechnung weiter;
            const double x = rechner.Verschieben(angenommen, stand, i, z.amt, weiter);
            angenommen.push_back({i, x});
            stand = std::move(weiter);
        } else {
            z.befund = Befund::Unerklaert;
        }
        v.zeilen.push_back(z);
    }
    const int saldo = *PostenSuchen("Saldo");
    v.saldoEigen = basis.Wert(saldo);
    v.saldoAmt = amt.vorhanden ? amt.wert[saldo] : v.saldoEigen;
    v.saldoDifferenz = v.saldoAmt - v.saldoEigen;
    v.gesamt = {stand.Steuer() - basis.Steuer(), stand.Saldo() - basis.Saldo()};
    v.saldoErklaert = v.gesamt.saldo;
    v.rechnungen = rechner.Anzahl();
    return v;
}

// --- text ----------------------------------------------------------------------------
std::string DMText(double x) {
    const double c = RundenCent(x);
    const long long cent = std::llround(std::fabs(c) * 100);
    std::string s = Tausender(cent / 100) + "," + (cent % 100 < 10 ? "0" : "") +
                    std::to_string(cent % 100);
    return (c < 0 && cent != 0 ? "-" : "") + s;
}

std::string PostenWertText(int posten, double wert) {
    if (Tabelle[posten].def.format == PostenFormat::Tabelle)
        return wert > 1.5 ? "Splittingtabelle" : "Grundtabelle";
    return DMText(wert);
}

namespace {
std::string Zelle(int posten, double wert) {
    if (Posten()[posten].format == PostenFormat::Tabelle) return wert > 1.5 ? "Splitting" : "Grund";
    return DMText(wert);
}
}  // namespace

std::vector<std::string> VergleichText(const Bescheidvergleich& v, const AmtsBescheid& amt,
                                       int bundesland, int32_t heute, std::string_view hinweis) {
    std::vector<std::string> t;
    auto ansi = [](const char* utf8) { return Utf8ZuCp1252(utf8); };
    t.push_back(ansi("P R Ü F U N G   D E S   B E S C H E I D E S   2 0 0 1"));
    t.push_back("");
    if (!amt.vorhanden) {
        t.push_back(ansi("Es ist kein Bescheid des Finanzamts erfasst."));
        return t;
    }
    std::string kopf = "Finanzamt " + amt.finanzamt;
    if (!amt.steuernummer.empty()) kopf += ", Steuernummer " + amt.steuernummer;
    t.push_back(kopf.substr(0, 80));
    if (amt.bescheidDatum >= 0) t.push_back("Bescheid vom " + DatumText(amt.bescheidDatum));
    if (!hinweis.empty()) t.push_back(Utf8ZuCp1252(hinweis).substr(0, 80));
    t.push_back("");
    t.push_back(Links("Posten", 34) + Rechts("Eigene Werte", 12) + Rechts("Finanzamt", 12) +
                Rechts("Differenz", 11) + Rechts("Steuer", 11));
    t.push_back(Striche(80));
    for (const Postenvergleich& z : v.zeilen) {
        if (z.befund == Befund::Gleich && std::fabs(z.eigen) < 0.005) continue;
        std::string zeile = Links(ansi(Tabelle[z.posten].def.text) +
                                      (Tabelle[z.posten].def.person == 0 &&
                                               Tabelle[z.posten].def.schluessel[0] == 'E'
                                           ? " (Stpfl.)"
                                       : Tabelle[z.posten].def.person == 1 &&
                                               Tabelle[z.posten].def.schluessel[0] == 'E'
                                           ? " (Eheg.)"
                                           : ""),
                                  34) +
                            Rechts(Zelle(z.posten, z.eigen), 12) +
                            Rechts(Zelle(z.posten, z.amt), 12);
        switch (z.befund) {
            case Befund::Gleich:
                break;
            case Befund::Abweichung:
                zeile += Rechts(Tabelle[z.posten].def.format == PostenFormat::Tabelle
                                    ? "*"
                                    : DMText(z.differenz),
                                11) +
                         Rechts(DMText(z.wirkung.steuer), 11);
                break;
            case Befund::Folge:
                zeile += Rechts(DMText(z.differenz), 11) + Rechts("Folge", 11);
                break;
            case Befund::Unerklaert:
                zeile += Rechts(DMText(z.differenz), 11) + Rechts("unerkl.", 11);
                break;
        }
        t.push_back(zeile.substr(0, 80));
    }
    t.push_back(Striche(80));
    const auto abw = v.Abweichungen();
    if (abw.empty()) {
        t.push_back(ansi("Der Bescheid stimmt mit der eigenen Berechnung überein (±1 DM)."));
    } else {
        t.push_back(ansi("Abweichungen des Finanzamts: ") + std::to_string(abw.size()));
        for (const Postenvergleich* z : abw)
            t.push_back(("  " + Links(ansi(Tabelle[z->posten].def.text), 46) +
                         Rechts(DMText(z->wirkung.steuer), 12) + " DM Steuer" +
                         Rechts(DMText(z->wirkung.saldo), 10))
                            .substr(0, 80));
    }
    t.push_back("");
    t.push_back(Links(ansi("Differenz in der Abrechnung (Finanzamt - eigene):"), 56) +
                Rechts(DMText(v.saldoDifferenz), 14) + " DM");
    t.push_back(Links(ansi("davon durch die Abweichungen erklärt:"), 56) +
                Rechts(DMText(v.saldoErklaert), 14) + " DM");
    t.push_back(Links(ansi("nicht erklärt:"), 56) +
                Rechts(DMText(v.saldoDifferenz - v.saldoErklaert), 14) + " DM");
    if (amt.vorlaeufig) {
        t.push_back("");
        t.push_back(ansi("Vorläufig nach § 165 Abs. 1 AO hinsichtlich:"));
        for (int i = 0; i < AnzahlVorlaeufig; ++i)
            if (amt.vorlaeufig & (1u << i)) t.push_back(("  - " + ansi(Vorlaeufigkeiten[i])).substr(0, 80));
    }
    t.push_back("");
    const Einspruchsfrist f = FristBerechnen(amt.aufgabeDatum, bundesland);
    if (f.ende < 0) {
        t.push_back(ansi("Einspruchsfrist: das Datum der Aufgabe zur Post fehlt."));
    } else {
        t.push_back(Links(ansi("Bekanntgabe (§ 122 Abs. 2 Nr. 1 AO):"), 40) +
                    WochentagName(f.bekanntgabe) + ", " + DatumText(f.bekanntgabe));
        std::string ende = Links(ansi("Ende der Einspruchsfrist (§ 355 AO):"), 40) +
                           WochentagName(f.ende) + ", " + DatumText(f.ende);
        t.push_back(ende);
        if (heute >= 0) {
            const int tage = TageBisFristende(f, heute);
            t.push_back(tage < 0    ? ansi("Die Einspruchsfrist ist abgelaufen.")
                        : tage == 0 ? ansi("Die Einspruchsfrist endet heute.")
                                    : ansi("Noch ") + std::to_string(tage) +
                                          (tage == 1 ? " Tag" : " Tage") + " bis zum Fristende.");
        }
    }
    return t;
}

}  // namespace quarnel
