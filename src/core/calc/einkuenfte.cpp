// Income steps of a computation pass: from the declared lines to the
// Gesamtbetrag der Einkünfte.
#include <cmath>

#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/erklaerung.h"
#include "calc/feldnamen.h"
#include "calc/parameter.h"
#include "calc/rechenregeln.h"

namespace quarnel {

void ParameterSetzen(const CalcInput& e, CalcResult& r) {
    using namespace param;
    r.ParamFaktor = e.FlagZusammen == 1 ? FaktorZusammen : FaktorEinzel;
    r.ParamStichjahr = Stichjahr;
    r.ParamJahr = Jahr;
    r.ParamGrundfreibetrag = Grundfreibetrag;
    for (int i = 0; i < 4; ++i) r.ParamKindergeld[i] = Kindergeld[i];
    r.ParamBetreuungsFb = BetreuungsFb;
    r.ParamKinderFb = KinderFb;
    r.ParamAusbGrenze = AusbGrenze;
    for (int i = 0; i < 3; ++i) r.ParamAusbFb[i] = AusbFb[i];
    r.ParamUnterhAnrechnungsfrei = UnterhAnrechnungsfrei;
    r.ParamUnterhHoechst = UnterhHoechst;
    r.ParamHaushaltsFb = HaushaltsFb;
    r.ParamArbnPausch = ArbnPausch;
    r.ParamSaPausch = SaPausch;
    r.ParamAltEntlMax = AltEntlMax;
    r.ParamLuFFb = LuFFb;
    r.ParamVersFbMax = VersFbMax;
    r.ParamWkSonstPausch = WkSonstPausch;
    r.ParamWkKapPausch = WkKapPausch;
    r.ParamSparerFb = SparerFb;
    r.ParamVorwegabzug = Vorwegabzug;
    r.ParamVorsorgeMin = VorsorgeMin;
    r.ParamVorsPauschSatz = VorsPauschSatz;
    r.ParamVorsPauschSatzGek = VorsPauschSatzGek;
    r.ParamVorwegKuerzSatz = VorwegKuerzSatz;
    r.ParamVorsPauschGekMax = VorsPauschGekMax;
    r.ParamWopGrenze = WopGrenze;
    r.ParamWopHoechst = WopHoechst;
    r.ParamSparzulageGrenze = SparzulageGrenze;
    r.ParamHinterblPausch = HinterblPausch;
    for (int i = 0; i < 10; ++i) r.ParamSaetze[i] = Saetze[i];
}

namespace {

// The steps of the declared incomes of person p.
[[gnu::noinline, gnu::cold]] void EinkuenfteErklaeren(Erklaerung& spur, const CalcInput& e,
                                                      const CalcResult& r, int p) {
    auto n = [p](std::string_view name) { return PersonName(name, p); };
    auto schritt = [&](std::string_view regel, double wert, std::vector<Wertangabe> werte) {
        spur.Schritt(regel, n(regel), wert, std::move(werte));
    };
    schritt("EkLuF", r.EkLuF(p), {Ein(n("LuFIn"), e.LuFIn(p))});
    schritt("EkGew", r.EkGew(p),
            {Ein(n("GewIn"), e.GewIn(p)), Ein(n("GewAo"), e.GewAo(p)),
             Ein(n("GewVeraeuss"), e.GewVeraeuss(p))});
    schritt("SelbAoVeraeuss", e.SelbAo(p) + e.SelbVeraeuss(p),
            {Ein(n("SelbAo"), e.SelbAo(p)), Ein(n("SelbVeraeuss"), e.SelbVeraeuss(p))});
    schritt(
        "EkSelb", r.EkSelb(p),
        {Ein(n("SelbIn"), e.SelbIn(p)), Erg(n("SelbAoVeraeuss"), e.SelbAo(p) + e.SelbVeraeuss(p))});
    schritt("AbfindungFrei", r.AbfindungFrei(p),
            {Ein(n("Abfindung"), e.Abfindung(p)), Ein(n("AbfindungFreiIn"), e.AbfindungFreiIn(p))});
    schritt("AbfindungStpfl", r.AbfindungStpfl(p),
            {Ein(n("Abfindung"), e.Abfindung(p)), Erg(n("AbfindungFrei"), r.AbfindungFrei(p), -1)});
    schritt("ArbLohn", r.ArbLohn(p),
            {Ein(n("Lohn"), e.Lohn(p)), Ein(n("LohnMehrj"), e.LohnMehrj(p)),
             Erg(n("AbfindungStpfl"), r.AbfindungStpfl(p))});
    schritt("VersBez", r.VersBez(p),
            {Ein(n("VersBezIn"), e.VersBezIn(p)), Ein(n("VersBezMehrj"), e.VersBezMehrj(p))});
    schritt("KapEinn", r.KapEinn(p), {Ein(n("KapIn"), e.KapIn(p))});
    schritt("WkKap", r.WkKap(p),
            {Ein(n("WkKapIn"), e.WkKapIn(p)),
             Ein(n("AuslSteuer"), e.AuslSteuer(p), r.FlagAuslAnrechnung == 1 ? -1 : 0)});
    schritt("EkVuV", r.EkVuV(p), {Ein(n("VuVIn"), e.VuVIn(p))});
    schritt("SonstRente", r.SonstRente(p), {Ein(n("RenteIn"), e.RenteIn(p))});
    schritt("WkRente", r.WkRente(p), {Ein(n("WkRenteIn"), e.WkRenteIn(p))});
    schritt("Bezuege", r.Bezuege(p), {Ein(n("BezuegeIn"), e.BezuegeIn(p))});
    schritt("WkBezuege", r.WkBezuege(p), {Ein(n("WkBezuegeIn"), e.WkBezuegeIn(p))});
    schritt("PrivVeraeuss", r.PrivVeraeuss(p), {Ein(n("PrivVeraeussIn"), e.PrivVeraeussIn(p))});
    schritt("Leistungen", r.Leistungen(p), {Ein(n("LeistungenIn"), e.LeistungenIn(p))});
    schritt("Abgeordneten", r.Abgeordneten(p),
            {Ein(n("AbgeordnetenIn"), e.AbgeordnetenIn(p)),
             Ein(n("AbgeordnetenMehrj"), e.AbgeordnetenMehrj(p))});
    spur.Schritt("WkNsaErklaert", n("WkNsa"), r.WkNsa(p), {Ein(n("WerbKost"), e.WerbKost(p))});
}

}  // namespace

void EinkuenfteUebernehmen(const CalcInput& e, CalcResult& r) {
    for (int p = 0; p < 2; ++p) {
        r.EkLuF(p) = QUARNEL_RUNDEN("EkLuF", e.LuFIn(p));
        r.EkGew(p) = QUARNEL_RUNDEN("EkGew", e.GewIn(p)) + QUARNEL_RUNDEN("EkGew", e.GewAo(p)) +
                     QUARNEL_RUNDEN("EkGew", e.GewVeraeuss(p));
        r.EkSelb(p) = QUARNEL_RUNDEN("EkSelb", e.SelbIn(p)) +
                      QUARNEL_RUNDEN("EkSelb", e.SelbAo(p) + e.SelbVeraeuss(p));
        r.AbfindungFrei(p) = MinWert(e.Abfindung(p), e.AbfindungFreiIn(p));
        r.AbfindungStpfl(p) = e.Abfindung(p) - r.AbfindungFrei(p);
        r.ArbLohn(p) = QUARNEL_RUNDEN("ArbLohn", e.Lohn(p)) +
                       QUARNEL_RUNDEN("ArbLohn", e.LohnMehrj(p)) +
                       QUARNEL_RUNDEN("ArbLohn", r.AbfindungStpfl(p));
        r.VersBez(p) = QUARNEL_RUNDEN("VersBez", e.VersBezIn(p)) +
                       QUARNEL_RUNDEN("VersBez", e.VersBezMehrj(p));
        r.KapEinn(p) = QUARNEL_RUNDEN("KapEinn", e.KapIn(p));
        // the foreign taxes among the expenses leave them when they are credited
        r.WkKap(p) = QUARNEL_RUNDEN(
            "WkKap", e.WkKapIn(p) - (r.FlagAuslAnrechnung == 1 ? e.AuslSteuer(p) : 0));
        r.EkVuV(p) = QUARNEL_RUNDEN("EkVuV", e.VuVIn(p));
        r.SonstRente(p) = QUARNEL_RUNDEN("SonstRente", e.RenteIn(p));
        r.WkRente(p) = QUARNEL_RUNDEN("WkRente", e.WkRenteIn(p));
        r.Bezuege(p) = QUARNEL_RUNDEN("Bezuege", e.BezuegeIn(p));
        r.WkBezuege(p) = QUARNEL_RUNDEN("WkBezuege", e.WkBezuegeIn(p));
        r.PrivVeraeuss(p) = QUARNEL_RUNDEN("PrivVeraeuss", e.PrivVeraeussIn(p));
        r.Leistungen(p) = QUARNEL_RUNDEN("Leistungen", e.LeistungenIn(p));
        r.Abgeordneten(p) = QUARNEL_RUNDEN("Abgeordneten", e.AbgeordnetenIn(p)) +
                            QUARNEL_RUNDEN("Abgeordneten", e.AbgeordnetenMehrj(p));
        r.WkNsa(p) = e.WerbKost(p);
        r.WkNsaZusatz(p) = e.WerbKostZus(p);
    }
    r.VorsorgeAufw = e.VorsorgeIn;
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([spur, &e, &r] {
            for (int p = 0; p < 2; ++p) EinkuenfteErklaeren(*spur, e, r, p);
            spur->Schritt("VorsorgeAufwErklaert", "VorsorgeAufw", r.VorsorgeAufw,
                          {Ein("VorsorgeIn", e.VorsorgeIn)});
        });
}

namespace {

// A what-if rise of the Werbungskosten counts up to the next full DM; a cut is
// taken as entered, so that -100 lowers them by 100 and not by 99.
double WerbungskostenAenderung(double d) {
    return d > 0 ? Int(d + 0.9) : d;
}

}  // namespace

namespace {

// A change the what-if analysis assumes: no entry on a page, named by its row.
Wertangabe Annahme(int i, double wert) {
    static constexpr const char* zeilen[] = {
        "LufEr",    "LufSie",    "GewEr",      "GewSie",      "SelbEr",   "SelbSie",
        "BruttoEr", "BruttoSie", "WerbKostEr", "WerbKostSie", "KapEr",    "KapSie",
        "VuVEr",    "VuVSie",    "RenteEr",    "RenteSie",    "Vorsorge", "Vorsorge"};
    Wertangabe w = Ein("WhatIfDelta[" + std::to_string(i) + "]", wert);
    w.quelle = std::string(WasWaereQuelle) + zeilen[i];
    return w;
}

// The steps of the values a what-if assumption changed.
[[gnu::noinline, gnu::cold]] void WhatIfErklaeren(Erklaerung& spur, const CalcResult& vorher,
                                                  const CalcResult& r) {
    static constexpr const char* namen[] = {"EkLuF", "EkGew",   "EkSelb", "ArbLohn",
                                            "WkNsa", "KapEinn", "EkVuV",  "SonstRente"};
    for (int i = 0; i < 16; ++i) {
        const double d = r.WhatIfDelta[i];
        if (d == 0) continue;
        const std::string name = PersonName(namen[i / 2], i % 2);
        const auto feld = ErgebnisFeld(name);
        if (!feld) continue;
        const double alt = *Zahlenwert(vorher, *feld), neu = *Zahlenwert(r, *feld);
        spur.Schritt("WasWaereWenn", name, neu, {Erg(name, alt), Annahme(i, neu - alt)});
    }
    if (vorher.VorsorgeAufw != r.VorsorgeAufw)
        spur.Schritt("WasWaereWenn", "VorsorgeAufw", r.VorsorgeAufw,
                     {Erg("VorsorgeAufw", vorher.VorsorgeAufw), Annahme(16, r.WhatIfDelta[16]),
                      Annahme(17, r.WhatIfDelta[17])});
}

// The values a what-if assumption changes, inlined into the pass.
[[gnu::always_inline]] inline void WhatIfAendern(CalcResult& r) {
    const double* d = r.WhatIfDelta;
    for (int p = 0; p < 2; ++p) {
        r.EkLuF(p) += d[0 + p];
        r.EkGew(p) += d[2 + p];
        r.EkSelb(p) += d[4 + p];
        r.ArbLohn(p) += d[6 + p];
        r.WkNsa(p) += WerbungskostenAenderung(d[8 + p]);
        r.KapEinn(p) += d[10 + p];
        r.EkVuV(p) += d[12 + p];
        r.SonstRente(p) += d[14 + p];
    }
    r.VorsorgeAufw += d[16] + d[17];
}

}  // namespace

void WhatIfAnwenden(CalcResult& r) {
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]] {
        ErklaereAbseits([spur, &r] {
            const CalcResult vorher = r;
            WhatIfWerteAendern(r);
            WhatIfErklaeren(*spur, vorher, r);
        });
        return;
    }
    WhatIfAendern(r);
}

void WhatIfWerteAendern(CalcResult& r) {
    WhatIfAendern(r);
}

void EhegattenwerteLoeschen(const CalcInput& e, CalcResult& r) {
    if (e.FlagEinzel != 1) return;
    for (double* w :
         {&r.EkLuFSie,      &r.EkGewSie,        &r.EkSelbSie,     &r.ArbLohnSie, &r.VersBezSie,
          &r.KapEinnSie,    &r.EkVuVSie,        &r.SonstRenteSie, &r.BezuegeSie, &r.PrivVeraeussSie,
          &r.LeistungenSie, &r.AbgeordnetenSie, &r.WkKapSie,      &r.WkRenteSie, &r.WkBezuegeSie,
          &r.WkSonstSie,    &r.SparerFbSie,     &r.VersFbSie,     &r.WkNsaSie,   &r.WkNsaZusatzSie})
        *w = 0;
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([spur] {
            for (const char* name :
                 {"EkLuFSie", "EkGewSie", "EkSelbSie", "ArbLohnSie", "VersBezSie", "KapEinnSie",
                  "EkVuVSie", "SonstRenteSie", "BezuegeSie", "PrivVeraeussSie", "LeistungenSie",
                  "AbgeordnetenSie", "WkKapSie", "WkRenteSie", "WkBezuegeSie", "WkNsaSie"})
                spur->Schritt("EhegatteEinzeln", name, 0, {});
        });
}

void FreibetragLandForst(CalcResult& r) {
    r.FreibetragLuF =
        r.FlagLuFFreibetrag == 0
            ? 0
            : NichtNegativ(MinWert(r.ParamLuFFb * r.ParamFaktor, r.EkLuFEr + r.EkLuFSie));
    if (r.FlagLuFFreibetrag == 0) {
        // the first run of the pass found the Einkommen above the limit
        QUARNEL_ERKLAERE_ERGEBNIS(
            "FreibetragLuFEntfaellt", "FreibetragLuF", 0,
            {Erg("Einkommen", r.Einkommen, 0),
             Par("ParamLuFEinkommensgrenze", param::LuFEinkommensgrenze * r.ParamFaktor)});
        return;
    }
    QUARNEL_ERKLAERE_ERGEBNIS(
        "LuFFbHoechst", "LuFFbHoechst", r.ParamLuFFb * r.ParamFaktor,
        {Par("ParamLuFFb", r.ParamLuFFb, 1), Par("ParamFaktor", r.ParamFaktor)});
    QUARNEL_ERKLAERE_ERGEBNIS("FreibetragLuF", "FreibetragLuF", r.FreibetragLuF,
                              {Erg("EkLuFEr", r.EkLuFEr), Erg("EkLuFSie", r.EkLuFSie),
                               Erg("LuFFbHoechst", r.ParamLuFFb * r.ParamFaktor)});
}

void VersorgungsFreibetrag(CalcResult& r) {
    for (int p = 0; p < 2; ++p)
        r.VersFb(p) = MinWert(r.ParamVersFbMax,
                              QUARNEL_RUNDEN("VersFbVoll", r.VersBez(p) * param::VersFbSatz));
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([spur, &r] {
            for (int p = 0; p < 2; ++p) {
                const double voll = QUARNEL_RUNDEN("VersFbVoll", r.VersBez(p) * param::VersFbSatz);
                spur->Schritt("VersFbVoll", PersonName("VersFbVoll", p), voll,
                              {Erg(PersonName("VersBez", p), r.VersBez(p)),
                               Par("ParamVersFbSatz", param::VersFbSatz)});
                spur->Schritt("VersFb", PersonName("VersFb", p), r.VersFb(p),
                              {Erg(PersonName("VersFbVoll", p), voll),
                               Par("ParamVersFbMax", r.ParamVersFbMax)});
            }
        });
}

void WerbungskostenArbeit(const CalcInput& e, CalcResult& r) {
    ErklaerbarRechnen([&e, &r](auto aufzeichnen) {
        for (int p = 0; p < Personen(e); ++p) {
            double& wk = r.WkNsa(p);
            const double erklaert = wk;
            wk = QUARNEL_RUNDEN("WkNsa", wk + r.WkNsaZusatz(p));
            const double lohn = r.ArbLohn(p) - r.VersFb(p);
            // the Pauschbetrag never creates a loss; actual expenses above the wages do
            const bool pausch = lohn > wk && wk < r.ParamArbnPausch;
            if (pausch) wk = MinWert(r.ParamArbnPausch, lohn);
            wk = AufrundenDM(wk);
            if (Erklaerung* spur = Spur(aufzeichnen)) [[unlikely]] {
                const std::string name = PersonName("WkNsa", p);
                if (pausch)
                    spur->Schritt("WkNsaPausch", name, wk,
                                  {Erg(name, erklaert, 0),
                                   Ein(PersonName("WerbKostZus", p), r.WkNsaZusatz(p), 0),
                                   Erg(PersonName("ArbLohn", p), r.ArbLohn(p)),
                                   Erg(PersonName("VersFb", p), r.VersFb(p), -1),
                                   Par("ParamArbnPausch", r.ParamArbnPausch)});
                else
                    spur->Schritt(
                        "WkNsa", name, wk,
                        {Erg(name, erklaert), Ein(PersonName("WerbKostZus", p), r.WkNsaZusatz(p))});
            }
        }
    });
}

int KapitalPauschFall(const CalcInput& e, const CalcResult& r) {
    if (e.FlagZusammen != 1) return 0;
    return KapitalPauschFallEhegatten(r.KapEinnEr, r.KapEinnSie, r.WkKapEr, r.WkKapSie,
                                      r.ParamWkKapPausch);
}

int KapitalPauschFallEhegatten(double einnEr, double einnSie, double wkEr, double wkSie,
                               double pausch) {
    if (wkEr > pausch && wkSie > pausch) return 1;
    if (wkEr <= einnEr && wkSie <= einnSie && wkEr + wkSie <= 2 * pausch) return 2;
    if (wkSie > 100) return 4;
    return 3;
}

namespace {

// Tops up the Werbungskosten of a couple to the joint Pauschbetrag of 200,
// person B first.
void KapitalPauschAuffuellen(double& wkA, double& wkB, double einnA, double einnB) {
    constexpr double gemeinsam = 200;
    if (wkA + wkB >= gemeinsam) return;
    const double ungenutzt = NichtNegativ(gemeinsam - einnA - einnB);
    if (einnB >= wkB)
        wkB = MinWert(wkB + NichtNegativ(NichtNegativ(gemeinsam - wkB - wkA) - ungenutzt), einnB);
    if (einnA >= wkA && wkA + wkB < gemeinsam)
        wkA = MinWert(wkA + NichtNegativ(NichtNegativ(gemeinsam - wkA - wkB) - ungenutzt), einnA);
}

}  // namespace

namespace {

// The shares themselves, inlined into the pass.
[[gnu::always_inline]] inline void KapitalPauschbetragVerteilen(double einnEr, double einnSie,
                                                                double& wkEr, double& wkSie,
                                                                double pausch) {
    switch (KapitalPauschFallEhegatten(einnEr, einnSie, wkEr, wkSie, pausch)) {
        case 1:
            break;
        case 2:
            if (einnEr + einnSie > wkEr + wkSie) {
                const double rest = NichtNegativ(2 * pausch - wkEr - wkSie);
                const double anteil = AufrundenDM(Quotient(einnEr + einnSie, einnEr) * rest);
                wkEr += anteil;
                wkSie += rest - anteil;
                if (wkEr > einnEr) {
                    wkSie += wkEr - einnEr;
                    wkEr = einnEr;
                }
                if (wkSie > einnSie) wkSie = einnSie;
            }
            break;
        case 3:
            KapitalPauschAuffuellen(wkEr, wkSie, einnEr, einnSie);
            break;
        case 4:
            KapitalPauschAuffuellen(wkSie, wkEr, einnSie, einnEr);
            break;
    }
}

}  // namespace

void KapitalPauschbetragEhegatten(double einnEr, double einnSie, double& wkEr, double& wkSie,
                                  double pausch) {
    KapitalPauschbetragVerteilen(einnEr, einnSie, wkEr, wkSie, pausch);
}

void KapitalWerbungskostenSparerFb(const CalcInput& e, CalcResult& r) {
    ErklaerbarRechnen([&e, &r](auto aufzeichnen) {
        const double pausch = r.ParamWkKapPausch;
        const double erklaert[2] = {r.WkKapEr, r.WkKapSie};
        if (e.FlagZusammen != 1) {
            if (r.WkKapEr <= r.KapEinnEr && r.WkKapEr < pausch) {
                r.WkKapEr = MinWert(pausch, r.KapEinnEr);
                if (Erklaerung* spur = Spur(aufzeichnen))
                    spur->Schritt("WkKapPausch", "WkKapEr", r.WkKapEr,
                                  {Erg("WkKapEr", erklaert[0], 0), Erg("KapEinnEr", r.KapEinnEr),
                                   Par("ParamWkKapPausch", pausch)});
            }
        } else {
            KapitalPauschbetragVerteilen(r.KapEinnEr, r.KapEinnSie, r.WkKapEr, r.WkKapSie, pausch);
            Erklaerung* const spur = Spur(aufzeichnen);
            if (spur && (r.WkKapEr != erklaert[0] || r.WkKapSie != erklaert[1])) {
                // both shares rest on the expenses before the Pauschbetrag
                for (int p = 0; p < 2; ++p)
                    spur->Schritt("WkKapVorPausch", PersonName("WkKapVorPausch", p), erklaert[p],
                                  {Erg(PersonName("WkKap", p), erklaert[p])});
                for (int p = 0; p < 2; ++p)
                    spur->Schritt(
                        p == 0 ? "WkKapPauschEhegattenEr" : "WkKapPauschEhegattenSie",
                        PersonName("WkKap", p), r.WkKap(p),
                        {Erg("KapEinnEr", r.KapEinnEr, 0), Erg("KapEinnSie", r.KapEinnSie, 0),
                         Erg("WkKapVorPauschEr", erklaert[0], 0),
                         Erg("WkKapVorPauschSie", erklaert[1], 0),
                         Par("ParamWkKapPausch", pausch)});
            }
        }
        const double sfb = r.ParamSparerFb;
        r.SparerFbEr = MinWert(sfb, NichtNegativ(r.KapEinnEr - r.WkKapEr));
        r.SparerFbSie = MinWert(sfb, NichtNegativ(r.KapEinnSie - r.WkKapSie));
        Erklaerung* const spur = Spur(aufzeichnen);
        if (spur) [[unlikely]]
            for (int p = 0; p < 2; ++p) {
                spur->Schritt("SparerFbRaum", PersonName("SparerFbRaum", p),
                              NichtNegativ(r.KapEinn(p) - r.WkKap(p)),
                              {Erg(PersonName("KapEinn", p), r.KapEinn(p)),
                               Erg(PersonName("WkKap", p), r.WkKap(p), -1)});
                spur->Schritt(
                    "SparerFb", PersonName("SparerFb", p), r.SparerFb(p),
                    {Erg(PersonName("SparerFbRaum", p), NichtNegativ(r.KapEinn(p) - r.WkKap(p))),
                     Par("ParamSparerFb", sfb)});
            }
        if (e.FlagZusammen == 1) {
            const double er = r.SparerFbEr, sie = r.SparerFbSie;
            r.SparerFbSie = MinWert(r.SparerFbSie + (sfb - r.SparerFbEr),
                                    NichtNegativ(r.KapEinnSie - r.WkKapSie));
            const double frei = NichtNegativ(sfb - r.SparerFbSie);
            r.SparerFbEr = MinWert(r.SparerFbEr + frei, NichtNegativ(r.KapEinnEr - r.WkKapEr));
            if (spur) [[unlikely]] {
                spur->Schritt("SparerFbUebertragen", "SparerFbSie", r.SparerFbSie,
                              {Erg("SparerFbSie", sie), Par("ParamSparerFb", sfb, 1),
                               Erg("SparerFbEr", er, -1),
                               Erg("SparerFbRaumSie", NichtNegativ(r.KapEinnSie - r.WkKapSie))});
                spur->Schritt(
                    "SparerFbUnverbraucht", "SparerFbUnverbraucht", frei,
                    {Par("ParamSparerFb", sfb, 1), Erg("SparerFbSie", r.SparerFbSie, -1)});
                spur->Schritt("SparerFbUebertragen", "SparerFbEr", r.SparerFbEr,
                              {Erg("SparerFbEr", er), Erg("SparerFbUnverbraucht", frei),
                               Erg("SparerFbRaumEr", NichtNegativ(r.KapEinnEr - r.WkKapEr))});
            }
        }
    });
}

void WerbungskostenSonstige(CalcResult& r) {
    ErklaerbarRechnen([&r](auto aufzeichnen) {
        for (int p = 0; p < 2; ++p) {
            r.WkSonst(p) = r.WkRente(p) + r.WkBezuege(p);
            const double einnahmen = r.SonstRente(p) + r.Bezuege(p);
            const double wkBezuege = r.WkBezuege(p);
            const bool pausch = einnahmen > 0 && r.WkSonst(p) < r.ParamWkSonstPausch;
            if (pausch) {
                r.WkSonst(p) = MinWert(r.ParamWkSonstPausch, einnahmen);
                r.WkBezuege(p) = QUARNEL_RUNDEN("WkBezuegePausch",
                                                r.Bezuege(p) / einnahmen * r.ParamWkSonstPausch);
            }
            if (Erklaerung* spur = Spur(aufzeichnen)) {
                auto n = [p](std::string_view name) { return PersonName(name, p); };
                if (!pausch) {
                    spur->Schritt(
                        "WkSonst", n("WkSonst"), r.WkSonst(p),
                        {Erg(n("WkRente"), r.WkRente(p)), Erg(n("WkBezuege"), wkBezuege)});
                    continue;
                }
                spur->Schritt(
                    "SonstEinnahmen", n("SonstEinnahmen"), einnahmen,
                    {Erg(n("SonstRente"), r.SonstRente(p)), Erg(n("Bezuege"), r.Bezuege(p))});
                spur->Schritt(
                    "WkSonstPausch", n("WkSonst"), r.WkSonst(p),
                    {Erg(n("WkRente"), r.WkRente(p), 0), Erg(n("WkBezuege"), wkBezuege, 0),
                     Erg(n("SonstEinnahmen"), einnahmen),
                     Par("ParamWkSonstPausch", r.ParamWkSonstPausch)});
                spur->Schritt("WkBezuegePausch", n("WkBezuege"), r.WkBezuege(p),
                              {Erg(n("Bezuege"), r.Bezuege(p)), Erg(n("SonstEinnahmen"), einnahmen),
                               Par("ParamWkSonstPausch", r.ParamWkSonstPausch)});
            }
        }
    });
}

namespace {

// The seven income types of a person: employment, capital, rental, business,
// self-employment, farming, other.
void EinkunftsArten(const CalcResult& r, int p, double art[7]) {
    art[0] = r.ArbLohn(p) - r.VersFb(p) - r.WkNsa(p);
    art[1] = r.KapEinn(p) - r.WkKap(p) - r.SparerFb(p);
    art[2] = r.EkVuV(p);
    art[3] = r.EkGew(p);
    art[4] = r.EkSelb(p);
    art[5] = r.EkLuF(p);
    art[6] = r.SonstRente(p) + r.Bezuege(p) - r.WkSonst(p) + r.PrivVeraeuss(p) + r.Leistungen(p) +
             r.Abgeordneten(p);
}

// The steps of the loss offset with minimum taxation: the seven kinds of
// income of each person and the offset over them.
[[gnu::noinline, gnu::cold]] void VerlustausgleichErklaeren(Erklaerung& spur, const CalcInput& e,
                                                            const CalcResult& r,
                                                            const double art[2][7]) {
    std::vector<Wertangabe> werte;
    for (int p = 0; p < 2; ++p) {
        auto n = [p](std::string_view name) { return PersonName(name, p); };
        const std::vector<Wertangabe> teile[7] = {
            {Erg(n("ArbLohn"), r.ArbLohn(p)), Erg(n("VersFb"), r.VersFb(p), -1),
             Erg(n("WkNsa"), r.WkNsa(p), -1)},
            {Erg(n("KapEinn"), r.KapEinn(p)), Erg(n("WkKap"), r.WkKap(p), -1),
             Erg(n("SparerFb"), r.SparerFb(p), -1)},
            {Erg(n("EkVuV"), r.EkVuV(p))},
            {Erg(n("EkGew"), r.EkGew(p))},
            {Erg(n("EkSelb"), r.EkSelb(p))},
            {Erg(n("EkLuF"), r.EkLuF(p))},
            {Erg(n("SonstRente"), r.SonstRente(p)), Erg(n("Bezuege"), r.Bezuege(p)),
             Erg(n("WkSonst"), r.WkSonst(p), -1), Erg(n("PrivVeraeuss"), r.PrivVeraeuss(p)),
             Erg(n("Leistungen"), r.Leistungen(p)), Erg(n("Abgeordneten"), r.Abgeordneten(p))}};
        for (int t = 0; t < 7; ++t) {
            const std::string name = n("Einkunftsart" + std::to_string(t + 1));
            if (p < Personen(e))
                spur.Schritt("Einkunftsart", name, art[p][t], teile[t]);
            else
                spur.Schritt("OhneEhegatte", name, 0, {});
            werte.push_back(Erg(name, p < Personen(e) ? art[p][t] : 0, 0));
        }
    }
    werte.push_back(Ein("FlagZusammen", e.FlagZusammen, 0));
    werte.push_back(Ein("FlagEinzel", e.FlagEinzel, 0));
    werte.push_back(Par("ParamFaktor", r.ParamFaktor));
    spur.Schritt("SummeEkMindestbesteuerung", "SummeEk", r.SummeEk, std::move(werte));
}

}  // namespace

void SummeDerEinkuenfte(CalcResult& r) {
    double s[2];
    for (int p = 0; p < 2; ++p) {
        double art[7];
        EinkunftsArten(r, p, art);
        s[p] = 0;
        for (double a : art) s[p] += a;
    }
    r.SummeEkEr = s[0];
    r.SummeEkSie = s[1];
    r.SummeEk = s[0] + s[1];
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([spur, &r] {
            for (int p = 0; p < 2; ++p) {
                const std::string t = p == 0 ? "Er" : "Sie";
                spur->Schritt(
                    "SummeEk" + t, p == 0 ? r.SummeEkEr : r.SummeEkSie,
                    {Erg("ArbLohn" + t, r.ArbLohn(p)), Erg("VersFb" + t, r.VersFb(p), -1),
                     Erg("WkNsa" + t, r.WkNsa(p), -1), Erg("KapEinn" + t, r.KapEinn(p)),
                     Erg("WkKap" + t, r.WkKap(p), -1), Erg("SparerFb" + t, r.SparerFb(p), -1),
                     Erg("EkVuV" + t, r.EkVuV(p)), Erg("EkGew" + t, r.EkGew(p)),
                     Erg("EkSelb" + t, r.EkSelb(p)), Erg("EkLuF" + t, r.EkLuF(p)),
                     Erg("SonstRente" + t, r.SonstRente(p)), Erg("Bezuege" + t, r.Bezuege(p)),
                     Erg("WkSonst" + t, r.WkSonst(p), -1),
                     Erg("PrivVeraeuss" + t, r.PrivVeraeuss(p)),
                     Erg("Leistungen" + t, r.Leistungen(p)),
                     Erg("Abgeordneten" + t, r.Abgeordneten(p))});
            }
            spur->Schritt("SummeEk", r.SummeEk,
                          {Erg("SummeEkEr", r.SummeEkEr), Erg("SummeEkSie", r.SummeEkSie)});
        });
}

namespace {

// The offset itself, inlined into the pass; `arten(p, art)` gives the seven
// kinds of income of person p.
template <class Arten>
[[gnu::always_inline]] inline bool VerlustausgleichRechnen(Arten arten, bool einzel, bool zusammen,
                                                           double faktor, double va[52]) {
    for (int i = 0; i < 52; ++i) va[i] = 0;
    constexpr double grenze = 100000;
    const int personen = zusammen ? 2 : 1;
    for (int p = 0; p < personen; ++p) {
        double art[7];
        arten(p, art);
        for (int t = 0; t < 7; ++t) {
            if (art[t] > 0.001)
                va[7 * p + t] = art[t];
            else if (art[t] < -0.001)
                va[14 + 7 * p + t] = -art[t];
            va[28 + p] += va[7 * p + t];
            va[30 + p] += va[14 + 7 * p + t];
        }
    }
    const bool mindestEinzel = einzel && va[28] > grenze && va[30] > grenze;
    const bool mindestZusammen =
        zusammen && (va[28] > grenze || va[29] > grenze) && (va[30] > grenze || va[31] > grenze);
    if (!mindestEinzel && !mindestZusammen) return false;

    for (int p = 0; p < personen; ++p) {
        const double pos = va[28 + p], neg = va[30 + p];
        const double a = MinWert(MinWert(grenze, pos), neg);
        va[32 + p] = va[34 + p] = a;
        va[36 + p] = pos - a;
        va[38 + p] = neg - a;
        const double h = MinWert(neg - a, AufrundenDM((pos - a) / 2));
        va[40 + p] = va[42 + p] = h;
        va[44 + p] = pos - a - h;
        va[46 + p] = neg - a - h;
        va[48 + p] = va[44 + p];
        va[50 + p] = va[46 + p];
    }

    if (zusammen) {
        const double c = AufrundenDM(NichtNegativ((va[28] + va[29] - faktor * grenze) / 2));
        double v = NichtNegativ(faktor * grenze + c - (va[30] - va[46] + va[31] - va[47]));
        if (v >= 0.001) {
            const int x = va[44] >= va[45] ? 0 : 1;
            const int y = 1 - x;
            // offsets the negative slot of one person against the positive slot of another
            auto ausgleichen = [&](int negVon, int posVon) {
                const double betrag =
                    NichtNegativ(MinWert(MinWert(va[50 + negVon], va[48 + posVon]), v));
                va[50 + negVon] -= betrag;
                va[48 + posVon] -= betrag;
                v -= betrag;
            };
            ausgleichen(x, x);
            ausgleichen(y, x);
            ausgleichen(x, y);
        }
    }
    return true;
}

}  // namespace

bool VerlustausgleichTabelle(const double art[2][7], bool einzel, bool zusammen, double faktor,
                             double va[52]) {
    return VerlustausgleichRechnen(
        [art](int p, double a[7]) {
            for (int t = 0; t < 7; ++t) a[t] = art[p][t];
        },
        einzel, zusammen, faktor, va);
}

void Verlustausgleich(const CalcInput& e, CalcResult& r) {
    double* va = r.VaTabelle;
    r.FlagMindestbesteuerung = 0;
    if (!VerlustausgleichRechnen([&r](int p, double art[7]) { EinkunftsArten(r, p, art); },
                                 e.FlagEinzel == 1, e.FlagZusammen == 1, r.ParamFaktor, va))
        return;
    r.FlagMindestbesteuerung = 1;
    r.SummeEk = va[48] + va[49];
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([spur, &e, &r] {
            double arten[2][7] = {};
            for (int p = 0; p < Personen(e); ++p) EinkunftsArten(r, p, arten[p]);
            VerlustausgleichErklaeren(*spur, e, r, arten);
        });
}

void Altersentlastungsbetrag(const CalcInput& e, CalcResult& r) {
    r.AltEntlEr = r.AltEntlSie = 0;
    Erklaerung* const spur = AktiveErklaerung();
    for (int p = 0; p < 2; ++p) {
        if (p >= Personen(e) || e.GebJahr(p) >= r.ParamStichjahr) {
            if (spur) [[unlikely]]
                ErklaereAbseits([=, &e, &r] {
                    spur->Schritt("AltEntlKein", PersonName("AltEntl", p), 0,
                                  {Ein(PersonName("GebJahr", p), e.GebJahr(p), 0),
                                   Par("ParamStichjahr", r.ParamStichjahr)});
                });
            continue;
        }
        const double andere = NichtNegativ(
            r.EkLuF(p) + r.EkGew(p) + r.EkSelb(p) + r.KapEinn(p) - r.WkKap(p) - r.SparerFb(p) +
            r.EkVuV(p) + r.PrivVeraeuss(p) + r.Bezuege(p) - r.WkBezuege(p) + r.Leistungen(p));
        // never negative, even when the Versorgungsbezüge exceed the wages
        const double voll = QUARNEL_RUNDEN(
            "AltEntlVoll", (andere + r.ArbLohn(p) - r.VersBez(p)) * param::AltEntlSatz);
        r.AltEntl(p) = NichtNegativ(MinWert(r.ParamAltEntlMax, voll));
        if (!spur) [[likely]]
            continue;
        ErklaereAbseits([=, &r] {
            auto n = [p](std::string_view name) { return PersonName(name, p); };
            spur->Schritt("AltEntlAndere", n("AltEntlAndere"), andere,
                          {Erg(n("EkLuF"), r.EkLuF(p)), Erg(n("EkGew"), r.EkGew(p)),
                           Erg(n("EkSelb"), r.EkSelb(p)), Erg(n("KapEinn"), r.KapEinn(p)),
                           Erg(n("WkKap"), r.WkKap(p), -1), Erg(n("SparerFb"), r.SparerFb(p), -1),
                           Erg(n("EkVuV"), r.EkVuV(p)), Erg(n("PrivVeraeuss"), r.PrivVeraeuss(p)),
                           Erg(n("Bezuege"), r.Bezuege(p)), Erg(n("WkBezuege"), r.WkBezuege(p), -1),
                           Erg(n("Leistungen"), r.Leistungen(p))});
            spur->Schritt(
                "AltEntlVoll", n("AltEntlVoll"), voll,
                {Erg(n("AltEntlAndere"), andere), Erg(n("ArbLohn"), r.ArbLohn(p)),
                 Erg(n("VersBez"), r.VersBez(p), -1), Par("ParamAltEntlSatz", param::AltEntlSatz)});
            spur->Schritt("AltEntl", n("AltEntl"), r.AltEntl(p),
                          {Erg(n("AltEntlVoll"), voll), Par("ParamAltEntlMax", r.ParamAltEntlMax)});
        });
    }
}

void GesamtbetragDerEinkuenfte(CalcResult& r) {
    r.GesamtbetragEk = r.SummeEk - r.AltEntlEr - r.FreibetragLuF - r.AltEntlSie;
    QUARNEL_ERKLAERE_ERGEBNIS(
        "GesamtbetragEk", r.GesamtbetragEk,
        {Erg("SummeEk", r.SummeEk), Erg("AltEntlEr", r.AltEntlEr, -1),
         Erg("AltEntlSie", r.AltEntlSie, -1), Erg("FreibetragLuF", r.FreibetragLuF, -1)});
}

}  // namespace quarnel
