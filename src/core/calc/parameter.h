// The parameters of the tax year 2001: amounts, rates and limits that the
// computation and the page computations use. Compile-time constants, so a
// page may read them before any computation has run; the table below lists
// every one with its unit and purpose.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quarnel::param {

inline constexpr double FaktorEinzel = 1.0;    // multiplier of joint amounts, single
inline constexpr double FaktorZusammen = 2.0;  // the same, joint assessment
inline constexpr int32_t Stichjahr = 1937;     // born before: Altersentlastungsbetrag
inline constexpr int32_t Jahr = 2001;
inline constexpr double Grundfreibetrag = 14093;
inline constexpr std::array<double, 4> Kindergeld{270, 270, 300, 350};  // per month
inline constexpr double BetreuungsFb = 3024;
inline constexpr double BetreuungsFbMonatHalb = 126;
inline constexpr double BetreuungsFbMonatVoll = 252;
inline constexpr double KinderFb = 6912;
inline constexpr double KinderFbMonatHalb = 288;
inline constexpr double KinderFbMonatVoll = 576;
inline constexpr double AusbGrenze = 3600;
inline constexpr std::array<double, 3> AusbFb{1800, 2400, 4200};
inline constexpr double UnterhAnrechnungsfrei = 1200;
inline constexpr double UnterhHoechst = 14040;
inline constexpr double HaushaltsFb = 5616;
inline constexpr double ArbnPausch = 2000;
inline constexpr double SaPausch = 108;
inline constexpr double AltEntlMax = 3720;
inline constexpr double LuFFb = 1300;
inline constexpr double VersFbMax = 6000;
inline constexpr double WkSonstPausch = 200;
inline constexpr double WkKapPausch = 100;
inline constexpr double SparerFb = 3000;
inline constexpr double Vorwegabzug = 6000;
inline constexpr double VorsorgeMin = 0;
inline constexpr double VorsPauschSatz = 0.2;
inline constexpr double VorsPauschSatzGek = 0.2;
inline constexpr double VorwegKuerzSatz = 0.16;
inline constexpr double VorsPauschGekMax = 2214;
inline constexpr double WopGrenze = 50000;
inline constexpr double WopHoechst = 1000;
inline constexpr double SparzulageGrenze = 35000;
inline constexpr double HinterblPausch = 720;
// five pairs; the first rate is the solidarity-surcharge rate
inline constexpr std::array<double, 10> Saetze{0.055, 0.8,  0.58, 0.8,  0.25,
                                               0.8,   0.15, 0.8,  0.07, 18000};
inline constexpr double SoliSatz = Saetze[0];
inline constexpr double HausBeschHoechst = Saetze[9];
// used only by the page computations (children, education, commuting,
// disability); they are no part of the computation's table below
inline constexpr double BezuegePausch = 360;         // flat allowance for a child's benefits
inline constexpr double EntfPauschErsteKm = 10;      // km of the reduced distance rate
inline constexpr double EntfPauschErsteKmAbschlag = 0.1;  // reduction of that rate
inline constexpr double EntfPauschOhnePkwHoechst = 10000;  // yearly cap, non-car part
inline constexpr double RealsplittingHoechst = 27000;  // maintenance to a (former) spouse, each
// disability Pauschbetrag by degree: from 25, 35, ..., 85, 91 per cent
inline constexpr std::array<int, 8> BehGradAb{25, 35, 45, 55, 65, 75, 85, 91};
inline constexpr std::array<double, 8> BehPausch{600, 840, 1110, 1410, 1740, 2070, 2400, 2760};
inline constexpr double BehPauschHilflos = 7200;
// used only when the declaration values are filled
inline constexpr double FuellWert1170 = 1170;
inline constexpr double EhZuPausch = 3500;          // flat-rate expenses before moving in
inline constexpr double EhZuErhaltHoechst = 22500;  // maintenance before moving in
// the children page tests a child's own income against the same limit a month
inline constexpr double KindEinkGrenzeMonat = FuellWert1170;

// used only by the page computations
inline constexpr double LeistFreigrenze = 500;   // occasional services: below it, no income
inline constexpr double SpekFreigrenze = 1000;   // private sales: below it, no income
// special-expense pages
inline constexpr double HausBeschMonat = HausBeschHoechst / 12;  // household help, a month
inline constexpr double HausHiAbMonatAlter = 100;     // burden a month: age or illness
inline constexpr double HausHiAbMonatHilflos = 150;   // burden a month: helplessness
inline constexpr double AusbKostenHoechst = 1800;     // own education costs, lodging at home
inline constexpr double AusbKostenAuswaerts = 2400;   // the same, lodging away from home
inline constexpr double SchulgeldSatz = 0.3;          // deductible share of school fees
// extraordinary burdens: care home by reason of the accommodation, home care
inline constexpr double HeimHoechstOhnePflege = 1200;  // care home without need of care, a year
inline constexpr double HeimHoechstPflege = 1800;      // care home for permanent care, a year
inline constexpr double PflegePausch = 1800;           // home care, shared among the carers
// income-related expenses of employees
inline constexpr std::array<double, 3> VerpflSatz{10, 20, 46};  // a day of 8, 14, 24 hours away
inline constexpr double ArbZimmerHoechst = 2400;                // study, limited deduction
// owner-occupied home
inline constexpr double FoerdGebVorjahrHoechst = 4000;  // development-area deduction, at most
inline constexpr double ErhaltAbzugSatz = 0.1;          // yearly share of maintenance costs

// named in the explanation of the computation (each with its row below)
inline constexpr double SpendenSatz = 0.05;           // donations, share of the Gesamtbetrag
inline constexpr double SpendenSatzFaktor = 2;        // the raised share (10 %)
inline constexpr double ParteiSpendenHoechst = 3000;  // contributions to parties, per person
inline constexpr double StiftungSpendenHoechst = 40000;
inline constexpr double StiftungStockHoechst = 600000;
inline constexpr double PflegeZusatzHoechst = 360;  // private care insurance, extra cap
inline constexpr double Grundhoechstbetrag = 2610;  // per person
inline constexpr double HalbHoechstSatz = 0.5;
inline constexpr double HalbHoechstbetrag = 1305;  // per person
// reasonable burden in per cent: rows 3+ children, 1-2 children, joint
// without children, single without children; columns up to 30000, up to
// 100000, above
inline constexpr std::array<double, 12> ZumutbarProzent{1, 1, 2, 2, 3, 4, 4, 5, 6, 5, 6, 7};
inline constexpr std::array<double, 3> Baukindergeld{600, 750, 1000};  // per child and year
inline constexpr double BaukindergeldErstesKind = 1;  // building begun before 1987: not counted
inline constexpr double VerlustabzugGrenze = 100000;  // per person
inline constexpr double LuFEinkommensgrenze = 50000;  // per person
inline constexpr double VersFbSatz = 0.4;
inline constexpr double AltEntlSatz = 0.4;
inline constexpr double GewStFaktor = 1.8;
inline constexpr double Fuenffach = 5;
inline constexpr double Fuenftel = 1 / Fuenffach;
inline constexpr std::array<double, 2> KiStSatz{0.08, 0.09};  // Baden-Württemberg, Bayern / others
// Kappung of the church tax by state, in the order of the state codes (0: none)
inline constexpr std::array<double, 16> KiStKappungSatz{
    0.035, 0, 0.03, 0.03, 0.03, 0.03, 0.04, 0, 0.035, 0.04, 0.04, 0.04, 0.035, 0.035, 0.03, 0.035};
inline constexpr std::array<double, 2> MonateJahr{12, 24};  // months, half months of a year

enum class Einheit : uint8_t { DM, DMjeMonat, Satz, Jahr, Faktor, Prozent };

struct Eintrag {
    std::string_view name;
    const double* werte;  // first value
    int anzahl;           // number of values
    Einheit einheit;
    std::string_view zweck;
    std::string_view paragraph;  // the law that sets it ("" for values of no law)
};

namespace detail {
inline constexpr double StichjahrD = Stichjahr, JahrD = Jahr,
                        FaktorD[2] = {FaktorEinzel, FaktorZusammen};
}

inline constexpr Eintrag Tabelle[] = {
    {"ParamFaktor", detail::FaktorD, 2, Einheit::Faktor,
     "Vervielfältiger gemeinsamer Beträge (einzeln / zusammen)", "§ 26b EStG"},
    {"ParamStichjahr", &detail::StichjahrD, 1, Einheit::Jahr,
     "vor diesem Jahr geboren: Altersentlastungsbetrag", "§ 24a Satz 3 EStG"},
    {"ParamJahr", &detail::JahrD, 1, Einheit::Jahr, "Veranlagungsjahr", "§ 25 Abs. 1 EStG"},
    {"ParamGrundfreibetrag", &Grundfreibetrag, 1, Einheit::DM,
     "Grenze der glaubensverschiedenen Ehe (Kirchensteuer)", "§ 32a Abs. 1 Nr. 1 EStG"},
    {"ParamKindergeld", Kindergeld.data(), 4, Einheit::DMjeMonat,
     "Kindergeld 1., 2., 3., ab 4. Kind", "§ 66 Abs. 1 EStG"},
    {"ParamBetreuungsFb", &BetreuungsFb, 1, Einheit::DM,
     "Betreuungsfreibetrag je Jahr (monatlich 126 / 252)", "§ 32 Abs. 6 EStG"},
    {"ParamKinderFb", &KinderFb, 1, Einheit::DM, "Kinderfreibetrag je Jahr (monatlich 288 / 576)",
     "§ 32 Abs. 6 EStG"},
    {"ParamAusbGrenze", &AusbGrenze, 1, Einheit::DM,
     "eigene Einkünfte des Kindes, ab denen der Ausbildungsfreibetrag gekürzt wird",
     "§ 33a Abs. 2 Satz 2 EStG"},
    {"ParamAusbFb", AusbFb.data(), 3, Einheit::DM, "Ausbildungsfreibeträge",
     "§ 33a Abs. 2 Satz 1 EStG"},
    {"ParamUnterhAnrechnungsfrei", &UnterhAnrechnungsfrei, 1, Einheit::DM,
     "anrechnungsfreie Bezüge unterstützter Personen", "§ 33a Abs. 1 Satz 4 EStG"},
    {"ParamUnterhHoechst", &UnterhHoechst, 1, Einheit::DM,
     "Höchstbetrag für Unterhalt bedürftiger Personen", "§ 33a Abs. 1 Satz 1 EStG"},
    {"ParamHaushaltsFb", &HaushaltsFb, 1, Einheit::DM, "Haushaltsfreibetrag", "§ 32 Abs. 7 EStG"},
    {"ParamArbnPausch", &ArbnPausch, 1, Einheit::DM, "Arbeitnehmer-Pauschbetrag",
     "§ 9a Satz 1 Nr. 1 EStG"},
    {"ParamSaPausch", &SaPausch, 1, Einheit::DM, "Sonderausgaben-Pauschbetrag je Person",
     "§ 10c Abs. 1 EStG"},
    {"ParamAltEntlMax", &AltEntlMax, 1, Einheit::DM, "höchster Altersentlastungsbetrag",
     "§ 24a Satz 1 EStG"},
    {"ParamLuFFb", &LuFFb, 1, Einheit::DM, "Freibetrag für Land- und Forstwirte je Person",
     "§ 13 Abs. 3 Satz 1 EStG"},
    {"ParamVersFbMax", &VersFbMax, 1, Einheit::DM, "höchster Versorgungs-Freibetrag",
     "§ 19 Abs. 2 Satz 1 EStG"},
    {"ParamWkSonstPausch", &WkSonstPausch, 1, Einheit::DM,
     "Werbungskosten-Pauschbetrag Leibrenten und wiederkehrende Bezüge", "§ 9a Satz 1 Nr. 3 EStG"},
    {"ParamWkKapPausch", &WkKapPausch, 1, Einheit::DM,
     "Werbungskosten-Pauschbetrag Kapitalvermögen je Person", "§ 9a Satz 1 Nr. 2 EStG"},
    {"ParamSparerFb", &SparerFb, 1, Einheit::DM, "Sparer-Freibetrag je Person", "§ 20 Abs. 4 EStG"},
    {"ParamVorwegabzug", &Vorwegabzug, 1, Einheit::DM, "Vorwegabzug je Person",
     "§ 10 Abs. 3 Nr. 2 EStG"},
    {"ParamVorsorgeMin", &VorsorgeMin, 1, Einheit::DM,
     "Untergrenze der abziehbaren Vorsorgeaufwendungen", "§ 10 Abs. 3 EStG"},
    {"ParamVorsPauschSatz", &VorsPauschSatz, 1, Einheit::Satz,
     "Satz der ungekürzten Vorsorgepauschale", "§ 10c Abs. 2 EStG"},
    {"ParamVorsPauschSatzGek", &VorsPauschSatzGek, 1, Einheit::Satz,
     "Satz der gekürzten Vorsorgepauschale", "§ 10c Abs. 3 EStG"},
    {"ParamVorwegKuerzSatz", &VorwegKuerzSatz, 1, Einheit::Satz,
     "Anteil des Arbeitslohns, der den Vorwegabzug kürzt", "§ 10 Abs. 3 Nr. 2 Satz 2 EStG"},
    {"ParamVorsPauschGekMax", &VorsPauschGekMax, 1, Einheit::DM,
     "höchste gekürzte Vorsorgepauschale je Person", "§ 10c Abs. 3 EStG"},
    {"ParamWopGrenze", &WopGrenze, 1, Einheit::DM, "Wohnungsbauprämie: Einkommensgrenze je Person",
     "§ 2a WoPG"},
    {"ParamWopHoechst", &WopHoechst, 1, Einheit::DM,
     "Wohnungsbauprämie: begünstigte Höchstaufwendungen je Person", "§ 3 WoPG"},
    {"ParamSparzulageGrenze", &SparzulageGrenze, 1, Einheit::DM,
     "Arbeitnehmer-Sparzulage: Einkommensgrenze je Person", "§ 13 Abs. 1 5. VermBG"},
    {"ParamHinterblPausch", &HinterblPausch, 1, Einheit::DM, "Pauschbetrag für Hinterbliebene",
     "§ 33b Abs. 4 EStG"},
    {"ParamSaetze", Saetze.data(), 10, Einheit::Satz,
     "fünf Satzpaare; der erste Satz ist der Solidaritätszuschlag", "§ 4 SolZG"},
    {"ParamSoliSatz", &SoliSatz, 1, Einheit::Satz, "Satz des Solidaritätszuschlags",
     "§ 4 Satz 1 SolZG"},
    {"ParamSpendenSatz", &SpendenSatz, 1, Einheit::Satz,
     "Spenden: Anteil des Gesamtbetrags der Einkünfte", "§ 10b Abs. 1 Satz 1 EStG"},
    {"ParamSpendenSatzFaktor", &SpendenSatzFaktor, 1, Einheit::Faktor,
     "Spenden für wissenschaftliche, mildtätige und kulturelle Zwecke: doppelter Anteil",
     "§ 10b Abs. 1 Satz 2 EStG"},
    {"ParamParteiSpendenHoechst", &ParteiSpendenHoechst, 1, Einheit::DM,
     "Zuwendungen an Parteien und Wählervereinigungen, höchstens je Person",
     "§§ 10b Abs. 2, 34g EStG"},
    {"ParamStiftungSpendenHoechst", &StiftungSpendenHoechst, 1, Einheit::DM,
     "Spenden an Stiftungen, höchstens", "§ 10b Abs. 1 Satz 3 EStG"},
    {"ParamStiftungStockHoechst", &StiftungStockHoechst, 1, Einheit::DM,
     "Zuwendungen in den Vermögensstock einer Stiftung, höchstens", "§ 10b Abs. 1a EStG"},
    {"ParamSchulgeldSatz", &SchulgeldSatz, 1, Einheit::Satz, "abziehbarer Anteil des Schulgelds",
     "§ 10 Abs. 1 Nr. 9 EStG"},
    {"ParamPflegeZusatzHoechst", &PflegeZusatzHoechst, 1, Einheit::DM,
     "zusätzlicher Höchstbetrag für die private Pflegeversicherung je Person",
     "§ 10 Abs. 3 Nr. 3 EStG"},
    {"ParamGrundhoechstbetrag", &Grundhoechstbetrag, 1, Einheit::DM,
     "Grundhöchstbetrag der Vorsorgeaufwendungen je Person", "§ 10 Abs. 3 Nr. 1 EStG"},
    {"ParamHalbHoechstSatz", &HalbHoechstSatz, 1, Einheit::Satz,
     "Anteil der übrigen Vorsorgeaufwendungen für den hälftigen Höchstbetrag",
     "§ 10 Abs. 3 Nr. 4 EStG"},
    {"ParamHalbHoechstbetrag", &HalbHoechstbetrag, 1, Einheit::DM,
     "hälftiger Höchstbetrag der Vorsorgeaufwendungen je Person", "§ 10 Abs. 3 Nr. 4 EStG"},
    {"ParamZumutbarProzent", ZumutbarProzent.data(), 12, Einheit::Prozent,
     "zumutbare Belastung: ab 3 Kindern, 1 oder 2 Kinder, zusammen ohne Kinder, einzeln ohne "
     "Kinder; je bis 30.000, bis 100.000, über 100.000 DM",
     "§ 33 Abs. 3 EStG"},
    {"ParamBaukindergeld", Baukindergeld.data(), 3, Einheit::DM,
     "Baukindergeld je Kind und Jahr (Bauantrag bis 1989 / 1990 / ab 1991)", "§ 34f EStG"},
    {"ParamBaukindergeldErstesKind", &BaukindergeldErstesKind, 1, Einheit::Faktor,
     "Bauantrag vor 1987: das erste Kind zählt nicht", "§ 34f Abs. 1 EStG a. F."},
    {"ParamVerlustabzugGrenze", &VerlustabzugGrenze, 1, Einheit::DM,
     "Verlustabzug in voller Höhe je Person, darüber zur Hälfte", "§ 10d Abs. 2 Satz 3 EStG"},
    {"ParamLuFEinkommensgrenze", &LuFEinkommensgrenze, 1, Einheit::DM,
     "Einkommensgrenze des Freibetrags für Land- und Forstwirte je Person",
     "§ 13 Abs. 3 Satz 2 EStG"},
    {"ParamVersFbSatz", &VersFbSatz, 1, Einheit::Satz, "Versorgungs-Freibetrag: Anteil der Bezüge",
     "§ 19 Abs. 2 Satz 1 EStG"},
    {"ParamAltEntlSatz", &AltEntlSatz, 1, Einheit::Satz,
     "Altersentlastungsbetrag: Anteil von Arbeitslohn und übrigen Einkünften", "§ 24a Satz 1 EStG"},
    {"ParamGewStFaktor", &GewStFaktor, 1, Einheit::Faktor,
     "Steuerermäßigung: Vielfaches des Gewerbesteuer-Messbetrags", "§ 35 Abs. 1 EStG"},
    {"ParamFuenftel", &Fuenftel, 1, Einheit::Satz, "Fünftelregelung: ein Fünftel",
     "§ 34 Abs. 1 Satz 2 EStG"},
    {"ParamFuenffach", &Fuenffach, 1, Einheit::Faktor, "Fünftelregelung: das Fünffache",
     "§ 34 Abs. 1 Satz 2 EStG"},
    {"ParamKiStSatz", KiStSatz.data(), 2, Einheit::Satz,
     "Kirchensteuersatz (Baden-Württemberg und Bayern / übrige Länder)",
     "Kirchensteuergesetz des Landes, § 51a EStG"},
    {"ParamKiStKappungSatz", KiStKappungSatz.data(), 16, Einheit::Satz,
     "Kappung der Kirchensteuer: Anteil des zu versteuernden Einkommens je Land",
     "Kirchensteuergesetz des Landes (Kappung), § 51a EStG"},
    {"ParamMonateJahr", MonateJahr.data(), 2, Einheit::Faktor, "Monate, Halbmonate eines Jahres",
     "Kirchensteuergesetz des Landes, § 51a EStG"},
    {"FuellWert1170", &FuellWert1170, 1, Einheit::DM, "nur beim Füllen der Erklärungswerte", ""},
    {"EhZuPausch", &EhZuPausch, 1, Einheit::DM, "Vorkostenpauschale vor Bezug (Wohneigentum)",
     "§ 10i Abs. 1 Satz 1 Nr. 1 EStG"},
    {"LeistFreigrenze", &LeistFreigrenze, 1, Einheit::DM, "Freigrenze der Einkünfte aus Leistungen",
     "§ 22 Nr. 3 Satz 2 EStG"},
    {"SpekFreigrenze", &SpekFreigrenze, 1, Einheit::DM,
     "Freigrenze der privaten Veräußerungsgeschäfte", "§ 23 Abs. 3 Satz 6 EStG"},
    {"EhZuErhaltHoechst", &EhZuErhaltHoechst, 1, Einheit::DM,
     "Erhaltungsaufwand vor Bezug, höchstens (Wohneigentum)", "§ 10i Abs. 1 Satz 1 Nr. 2 EStG"},
};

// The row of that name; null when the table has none.
constexpr const Eintrag* Zeile(std::string_view name) {
    for (const Eintrag& e : Tabelle)
        if (e.name == name) return &e;
    return nullptr;
}

}  // namespace quarnel::param
