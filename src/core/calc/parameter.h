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

enum class Einheit : uint8_t { DM, DMjeMonat, Satz, Jahr, Faktor };

struct Eintrag {
    std::string_view name;
    const double* werte;  // first value
    int anzahl;           // number of values
    Einheit einheit;
    std::string_view zweck;
};

namespace detail {
inline constexpr double StichjahrD = Stichjahr, JahrD = Jahr,
                        FaktorD[2] = {FaktorEinzel, FaktorZusammen};
}

inline constexpr Eintrag Tabelle[] = {
    {"ParamFaktor", detail::FaktorD, 2, Einheit::Faktor,
     "Vervielfältiger gemeinsamer Beträge (einzeln / zusammen)"},
    {"ParamStichjahr", &detail::StichjahrD, 1, Einheit::Jahr,
     "vor diesem Jahr geboren: Altersentlastungsbetrag"},
    {"ParamJahr", &detail::JahrD, 1, Einheit::Jahr, "Veranlagungsjahr"},
    {"ParamGrundfreibetrag", &Grundfreibetrag, 1, Einheit::DM,
     "Grenze der glaubensverschiedenen Ehe (Kirchensteuer)"},
    {"ParamKindergeld", Kindergeld.data(), 4, Einheit::DMjeMonat,
     "Kindergeld 1., 2., 3., ab 4. Kind"},
    {"ParamBetreuungsFb", &BetreuungsFb, 1, Einheit::DM,
     "Betreuungsfreibetrag je Jahr (monatlich 126 / 252)"},
    {"ParamKinderFb", &KinderFb, 1, Einheit::DM, "Kinderfreibetrag je Jahr (monatlich 288 / 576)"},
    {"ParamAusbGrenze", &AusbGrenze, 1, Einheit::DM,
     "eigene Einkünfte des Kindes, ab denen der Ausbildungsfreibetrag gekürzt wird"},
    {"ParamAusbFb", AusbFb.data(), 3, Einheit::DM, "Ausbildungsfreibeträge"},
    {"ParamUnterhAnrechnungsfrei", &UnterhAnrechnungsfrei, 1, Einheit::DM,
     "anrechnungsfreie Bezüge unterstützter Personen"},
    {"ParamUnterhHoechst", &UnterhHoechst, 1, Einheit::DM,
     "Höchstbetrag für Unterhalt bedürftiger Personen"},
    {"ParamHaushaltsFb", &HaushaltsFb, 1, Einheit::DM, "Haushaltsfreibetrag"},
    {"ParamArbnPausch", &ArbnPausch, 1, Einheit::DM, "Arbeitnehmer-Pauschbetrag"},
    {"ParamSaPausch", &SaPausch, 1, Einheit::DM, "Sonderausgaben-Pauschbetrag je Person"},
    {"ParamAltEntlMax", &AltEntlMax, 1, Einheit::DM, "höchster Altersentlastungsbetrag"},
    {"ParamLuFFb", &LuFFb, 1, Einheit::DM, "Freibetrag für Land- und Forstwirte je Person"},
    {"ParamVersFbMax", &VersFbMax, 1, Einheit::DM, "höchster Versorgungs-Freibetrag"},
    {"ParamWkSonstPausch", &WkSonstPausch, 1, Einheit::DM,
     "Werbungskosten-Pauschbetrag Leibrenten und wiederkehrende Bezüge"},
    {"ParamWkKapPausch", &WkKapPausch, 1, Einheit::DM,
     "Werbungskosten-Pauschbetrag Kapitalvermögen je Person"},
    {"ParamSparerFb", &SparerFb, 1, Einheit::DM, "Sparer-Freibetrag je Person"},
    {"ParamVorwegabzug", &Vorwegabzug, 1, Einheit::DM, "Vorwegabzug je Person"},
    {"ParamVorsorgeMin", &VorsorgeMin, 1, Einheit::DM,
     "Untergrenze der abziehbaren Vorsorgeaufwendungen"},
    {"ParamVorsPauschSatz", &VorsPauschSatz, 1, Einheit::Satz,
     "Satz der ungekürzten Vorsorgepauschale"},
    {"ParamVorsPauschSatzGek", &VorsPauschSatzGek, 1, Einheit::Satz,
     "Satz der gekürzten Vorsorgepauschale"},
    {"ParamVorwegKuerzSatz", &VorwegKuerzSatz, 1, Einheit::Satz,
     "Anteil des Arbeitslohns, der den Vorwegabzug kürzt"},
    {"ParamVorsPauschGekMax", &VorsPauschGekMax, 1, Einheit::DM,
     "höchste gekürzte Vorsorgepauschale je Person"},
    {"ParamWopGrenze", &WopGrenze, 1, Einheit::DM, "Wohnungsbauprämie: Einkommensgrenze je Person"},
    {"ParamWopHoechst", &WopHoechst, 1, Einheit::DM,
     "Wohnungsbauprämie: begünstigte Höchstaufwendungen je Person"},
    {"ParamSparzulageGrenze", &SparzulageGrenze, 1, Einheit::DM,
     "Arbeitnehmer-Sparzulage: Einkommensgrenze je Person"},
    {"ParamHinterblPausch", &HinterblPausch, 1, Einheit::DM, "Pauschbetrag für Hinterbliebene"},
    {"ParamSaetze", Saetze.data(), 10, Einheit::Satz,
     "fünf Satzpaare; der erste Satz ist der Solidaritätszuschlag"},
    {"FuellWert1170", &FuellWert1170, 1, Einheit::DM, "nur beim Füllen der Erklärungswerte"},
    {"EhZuPausch", &EhZuPausch, 1, Einheit::DM, "Vorkostenpauschale vor Bezug (Wohneigentum)"},
    {"LeistFreigrenze", &LeistFreigrenze, 1, Einheit::DM, "Freigrenze der Einkünfte aus Leistungen"},
    {"SpekFreigrenze", &SpekFreigrenze, 1, Einheit::DM,
     "Freigrenze der privaten Veräußerungsgeschäfte"},
    {"EhZuErhaltHoechst", &EhZuErhaltHoechst, 1, Einheit::DM,
     "Erhaltungsaufwand vor Bezug, höchstens (Wohneigentum)"},
};

}  // namespace quarnel::param
