#include "pages/kapital.h"

#include <cstring>

#include "calc/betrag.h"

namespace quarnel {

namespace {

struct ListenForm {
    Feld erstesFeld;  // the person code, the first byte of an entry
    int eintraege;
    std::size_t groesse;
};

ListenForm Form(KapListe l) {
    switch (l) {
        case KapListe::Inland:
            return {Feld::I_StpflCB, 60, 68};
        case KapListe::Ausland:
            return {Feld::A_StpflCB, 30, 68};
        case KapListe::Beteiligung:
            break;
    }
    return {Feld::B_StpflCB, 30, 76};
}

uint8_t* Eintrag(CaseRecord& r, const ListenForm& f, int n) {
    return r.Daten() + CaseRecord::Offset(f.erstesFeld, n);
}

// The result tables without a catalogue field per cell: rows of a fixed
// stride from the first cell, columns of 8 bytes.

struct Tabelle {
    Feld erste;
    std::size_t abstand;
    std::size_t Offset(int zeile, int spalte) const {
        return CaseRecord::Offset(erste) + abstand * (zeile - 1) + 8 * spalte;
    }
};
constexpr Tabelle Ausland{Feld::AuslInvEr, 32};       // Z33..Z35: Er, Sie, ohne StAb, ZinsAb
constexpr Tabelle Beteiligung{Feld::BeteilZ1Er, 16};  // Z40..Z46: Er, Sie
constexpr Tabelle Werbungskosten{Feld::WKZ1Er, 24};   // rows 1..7: Er, Sie, gesondert

void Addiere(CaseRecord& r, std::size_t off, double betrag) {
    r.SchreibeDouble(off, r.LeseDouble(off) + betrag);
}
void Addiere(CaseRecord& r, Feld f, double betrag, int element = 1) {
    r.SetzeDbl(f, r.Dbl(f, element) + betrag, element);
}
void Abrunden(CaseRecord& r, Feld f, int element) {
    r.SetzeDbl(f, AbrundenDM(r.Dbl(f, element)), element);
}
void Abrunden(CaseRecord& r, std::size_t off) {
    r.SchreibeDouble(off, AbrundenDM(r.LeseDouble(off)));
}
void Aufrunden(CaseRecord& r, std::size_t off) {
    r.SchreibeDouble(off, AufrundenDM(r.LeseDouble(off)));
}

// Adds an entry's income-related expenses to expense row `zeile`.
void WkZuZeile(CaseRecord& r, int zeile, uint8_t person, double wk, double gesondert) {
    Addiere(r, Werbungskosten.Offset(zeile, 0), KapAnteilEr(person, wk));
    Addiere(r, Werbungskosten.Offset(zeile, 1), KapAnteilSie(person, wk));
    Addiere(r, Werbungskosten.Offset(zeile, 2), gesondert);
}

void ErgebnisseLoeschen(CaseRecord& r) {
    // Two ranges: the participation names in between are entered, not computed.
    const std::size_t a = CaseRecord::Offset(Feld::ZinsZeileEr);
    const std::size_t b = CaseRecord::Offset(Feld::BeteilName1);
    const std::size_t c = CaseRecord::Offset(Feld::BeteilZ1Er);
    const std::size_t d = CaseRecord::Offset(Feld::SummeVergKoerpSt) + 8;
    std::memset(r.Daten() + a, 0, b - a);
    std::memset(r.Daten() + c, 0, d - c);
}

void InlandRechnen(CaseRecord& r) {
    for (int n = 1; n <= KapEintraege(KapListe::Inland); ++n) {
        const uint8_t p = r.LeseByte(CaseRecord::Offset(Feld::I_StpflCB, n));
        const int k = r.LeseByte(CaseRecord::Offset(Feld::I_ArtZinsen, n));
        const int d = r.LeseByte(CaseRecord::Offset(Feld::I_ArtDividende, n));
        const double betrag = r.Dbl(Feld::I_EinBetrag, n);
        const double ohne = r.Dbl(Feld::I_EinOhneStAb, n);
        const double kapErt = r.Dbl(Feld::I_EinAnKapErtSt, n);
        const double zinsAbKoerp = r.Dbl(Feld::I_EinAnZAbKoerpSt, n);
        const double soli = r.Dbl(Feld::I_EinAnSolSt, n);
        const double wk = r.Dbl(Feld::I_EinWk, n);
        const double wkGes = r.Dbl(Feld::I_EinWkGesonEinh, n);

        if (k >= 1 && k <= 11) {
            Addiere(r, Feld::ZinsZeileEr, KapAnteilEr(p, betrag), k);
            Addiere(r, Feld::ZinsZeileSie, KapAnteilSie(p, betrag), k);
            if (k <= 3 || (k >= 5 && k <= 9)) Addiere(r, Feld::ZinsZeileOhneStAb, ohne, k);
            if (k >= 7 && k <= 9) Addiere(r, Feld::ZinsZeileKapErtSt, kapErt, k);
            if (k <= 6) Addiere(r, Feld::ZinsZeileZinsAb, zinsAbKoerp, k);
            if (k <= 9) Addiere(r, Feld::AnrechSolidar, soli);
            WkZuZeile(r, 1, p, wk, wkGes);
        }
        if (d == 1 || d == 2) {
            Addiere(r, Feld::DivZeileEr, KapAnteilEr(p, betrag), d);
            Addiere(r, Feld::DivZeileSie, KapAnteilSie(p, betrag), d);
            Addiere(r, Feld::DivZeileOhneStAb, ohne, d);
            Addiere(r, Feld::DivZeileKapErtSt, kapErt, d);
            Addiere(r, Feld::DivZeileAnrechSt, zinsAbKoerp, d);
            Addiere(r, Feld::AnrechVKoeptSt, r.Dbl(Feld::I_EinVergKoerpSt, n));
            Addiere(r, Feld::AnrechSolidar, soli);
            WkZuZeile(r, 2, p, wk, wkGes);
        } else if (d >= 3 && d <= 5) {
            const int z = d - 2;
            Addiere(r, Feld::HalbZeileEr, KapAnteilEr(p, betrag), z);
            Addiere(r, Feld::HalbZeileSie, KapAnteilSie(p, betrag), z);
            Addiere(r, Feld::HalbZeileOhneStAb, ohne, z);
            Addiere(r, Feld::HalbZeileKapErtSt, kapErt, z);
            Addiere(r, Feld::AnrechSolidar, soli);
            WkZuZeile(r, 2, p, wk, wkGes);
        }
    }

    double kapErtSt = 0;
    for (int k = 1; k <= 11; ++k) {
        Abrunden(r, Feld::ZinsZeileEr, k);
        Abrunden(r, Feld::ZinsZeileSie, k);
        Abrunden(r, Feld::ZinsZeileOhneStAb, k);
        Addiere(r, Feld::ZinsenEr, r.Dbl(Feld::ZinsZeileEr, k));
        Addiere(r, Feld::ZinsenSie, r.Dbl(Feld::ZinsZeileSie, k));
        Addiere(r, Feld::ZinsenKapErtSt, r.Dbl(Feld::ZinsZeileKapErtSt, k));
        Addiere(r, Feld::ZinsenZinsAb, r.Dbl(Feld::ZinsZeileZinsAb, k));
    }
    kapErtSt += r.Dbl(Feld::ZinsenKapErtSt) + r.Dbl(Feld::ZinsenZinsAb);

    for (int d = 1; d <= 2; ++d) {
        Abrunden(r, Feld::DivZeileEr, d);
        Abrunden(r, Feld::DivZeileSie, d);
        Abrunden(r, Feld::DivZeileOhneStAb, d);
        Addiere(r, Feld::AnrechEr, r.Dbl(Feld::DivZeileEr, d));
        Addiere(r, Feld::AnrechSie, r.Dbl(Feld::DivZeileSie, d));
        Addiere(r, Feld::AnrechKapErtSt, r.Dbl(Feld::DivZeileKapErtSt, d));
        Addiere(r, Feld::AnrechKoeptSt, r.Dbl(Feld::DivZeileAnrechSt, d));
    }
    kapErtSt += r.Dbl(Feld::AnrechKapErtSt);
    Addiere(r, Feld::SummeAnrechKoerpSt, r.Dbl(Feld::AnrechKoeptSt));
    r.SetzeDbl(Feld::SummeVergKoerpSt, r.Dbl(Feld::AnrechVKoeptSt));

    for (int z = 1; z <= 3; ++z) {
        Abrunden(r, Feld::HalbZeileEr, z);
        Abrunden(r, Feld::HalbZeileSie, z);
        Abrunden(r, Feld::HalbZeileOhneStAb, z);
        Addiere(r, Feld::HalbEinkEr, r.Dbl(Feld::HalbZeileEr, z));
        Addiere(r, Feld::HalbEinkSie, r.Dbl(Feld::HalbZeileSie, z));
        Addiere(r, Feld::HalbEinkKapErtSt, r.Dbl(Feld::HalbZeileKapErtSt, z));
    }
    kapErtSt += r.Dbl(Feld::HalbEinkKapErtSt);
    Addiere(r, Feld::SummeAnrechKapErtSt, kapErtSt);
}

void AuslandRechnen(CaseRecord& r) {
    for (int n = 1; n <= KapEintraege(KapListe::Ausland); ++n) {
        const uint8_t p = r.LeseByte(CaseRecord::Offset(Feld::A_StpflCB, n));
        const int g = r.LeseByte(CaseRecord::Offset(Feld::A_ArtAusland, n));
        if (g < 1 || g > 3) continue;
        const double betrag = r.Dbl(Feld::A_EinBetrag, n);
        Addiere(r, Ausland.Offset(g, 0), KapAnteilEr(p, betrag));
        Addiere(r, Ausland.Offset(g, 1), KapAnteilSie(p, betrag));
        if (g <= 2) {
            Addiere(r, Ausland.Offset(g, 2), r.Dbl(Feld::A_EinOhneStAb, n));
            Addiere(r, Ausland.Offset(g, 3), r.Dbl(Feld::A_EinAnZAb, n));
            Addiere(r, Feld::AnrechSolidar, r.Dbl(Feld::A_EinAnSolSt, n));
        }
        WkZuZeile(r, g == 3 ? 3 : 4, p, r.Dbl(Feld::A_EinWk, n), r.Dbl(Feld::A_EinWkGesonEinh, n));
        WkZuZeile(r, 5, p, r.Dbl(Feld::A_EinSteuern, n), r.Dbl(Feld::A_EinSteuernGesonEinh, n));
    }
    for (int g = 1; g <= 3; ++g)
        for (int s = 0; s < 3; ++s) Abrunden(r, Ausland.Offset(g, s));
    Addiere(r, Feld::SummeAnrechKapErtSt,
            r.LeseDouble(Ausland.Offset(1, 3)) + r.LeseDouble(Ausland.Offset(2, 3)));
}

void BeteiligungRechnen(CaseRecord& r) {
    // Expense row of each participation kind Z40..Z46.
    constexpr int wkZeile[] = {0, 1, 4, 1, 2, 3, 6, 7};
    for (int n = 1; n <= KapEintraege(KapListe::Beteiligung); ++n) {
        const uint8_t p = r.LeseByte(CaseRecord::Offset(Feld::B_StpflCB, n));
        const int b = r.LeseByte(CaseRecord::Offset(Feld::B_ArtBeteil, n));
        if (b < 1 || b > 8) continue;
        if (b <= 7) {
            const double betrag = r.Dbl(Feld::B_EinBetrag, n);
            Addiere(r, Beteiligung.Offset(b, 0), KapAnteilEr(p, betrag));
            Addiere(r, Beteiligung.Offset(b, 1), KapAnteilSie(p, betrag));
            WkZuZeile(r, wkZeile[b], p, r.Dbl(Feld::B_EinWk, n), r.Dbl(Feld::B_EinWkGesonEinh, n));
        }
        if (b == 2 || b == 5)
            WkZuZeile(r, 5, p, r.Dbl(Feld::B_EinSteuern, n), r.Dbl(Feld::B_EinSteuernGesonEinh, n));
        Addiere(r, Feld::AnrechKapErtr, r.Dbl(Feld::B_EinAnKapErtSt, n));
        Addiere(r, Feld::AnrechZinsAB, r.Dbl(Feld::B_EinAnZAb, n));
        Addiere(r, Feld::AnrechKoepSt, r.Dbl(Feld::B_EinAnKoerpSt, n));
        Addiere(r, Feld::AnrechSolidar, r.Dbl(Feld::B_EinAnSolSt, n));
    }
    for (int b = 1; b <= 7; ++b) {
        Abrunden(r, Beteiligung.Offset(b, 0));
        Abrunden(r, Beteiligung.Offset(b, 1));
    }
    for (int z = 1; z <= 7; ++z)
        for (int s = 0; s < 3; ++s) Aufrunden(r, Werbungskosten.Offset(z, s));
    Addiere(r, Feld::SummeAnrechKapErtSt, r.Dbl(Feld::AnrechKapErtr) + r.Dbl(Feld::AnrechZinsAB));
    Addiere(r, Feld::SummeAnrechKoerpSt, r.Dbl(Feld::AnrechKoepSt));
    Addiere(r, Feld::SummeAnrechSoli, r.Dbl(Feld::AnrechSolidar));
}

struct SummenFelder {
    Feld zinsen, anrech, auslInv, auslZins, z1, z2, z3;  // without the half-income method
    Feld halbEink, auslDiv, z4, z5;                      // under it
    Feld wk1, wk4, wk5, wk2, wk3;
    Feld suNichtHalb1, suNichtHalb2, suNichtHalb3, suNichtHalb4;
    Feld suHalb1, suHalb2, suHalb3, suHalb4;
    Feld einVoll, einHalb, wkVoll, wkHalb;
};
constexpr SummenFelder SummenEr{
    Feld::ZinsenEr,      Feld::AnrechEr,      Feld::AuslInvEr,     Feld::AuslZinsEr,
    Feld::BeteilZ1Er,    Feld::BeteilZ2Er,    Feld::BeteilZ3Er,    Feld::HalbEinkEr,
    Feld::AuslDivEr,     Feld::BeteilZ4Er,    Feld::BeteilZ5Er,    Feld::WKZ1Er,
    Feld::WKZ4Er,        Feld::WKZ5Er,        Feld::WKZ2Er,        Feld::WKZ3Er,
    Feld::SuNichtHalb11, Feld::SuNichtHalb21, Feld::SuNichtHalb31, Feld::SuNichtHalb41,
    Feld::SuHalb11,      Feld::SuHalb21,      Feld::SuHalb31,      Feld::SuHalb41,
    Feld::SuEinVollEr,   Feld::SuEinHalbEr,   Feld::SuWkVollEr,    Feld::SuWkHalbEr};
constexpr SummenFelder SummenSie{
    Feld::ZinsenSie,     Feld::AnrechSie,     Feld::AuslInvSie,    Feld::AuslZinsSie,
    Feld::BeteilZ1Sie,   Feld::BeteilZ2Sie,   Feld::BeteilZ3Sie,   Feld::HalbEinkSie,
    Feld::AuslDivSie,    Feld::BeteilZ4Sie,   Feld::BeteilZ5Sie,   Feld::WKZ1Sie,
    Feld::WKZ4Sie,       Feld::WKZ5Sie,       Feld::WKZ2Sie,       Feld::WKZ3Sie,
    Feld::SuNichtHalb12, Feld::SuNichtHalb22, Feld::SuNichtHalb32, Feld::SuNichtHalb42,
    Feld::SuHalb12,      Feld::SuHalb22,      Feld::SuHalb32,      Feld::SuHalb42,
    Feld::SuEinVollSie,  Feld::SuEinHalbSie,  Feld::SuWkVollSie,   Feld::SuWkHalbSie};

void SummenRechnen(CaseRecord& r, const SummenFelder& f) {
    auto d = [&](Feld x) { return r.Dbl(x); };
    const double ein =
        d(f.zinsen) + d(f.anrech) + d(f.auslInv) + d(f.auslZins) + d(f.z1) + d(f.z2) + d(f.z3);
    const double einHalb = d(f.halbEink) + d(f.auslDiv) + d(f.z4) + d(f.z5);
    const double wk = d(f.wk1) + d(f.wk4) + d(f.wk5);
    const double wkHalb = d(f.wk2) + d(f.wk3);
    const double einHalbBer = AbrundenDM(einHalb * 0.5);
    const double wkHalbBer = AufrundenDM(wkHalb * 0.5);
    r.SetzeDbl(f.suNichtHalb1, ein);
    r.SetzeDbl(f.suNichtHalb2, wk);
    r.SetzeDbl(f.suNichtHalb3, ein);
    r.SetzeDbl(f.suNichtHalb4, wk);
    r.SetzeDbl(f.suHalb1, einHalb);
    r.SetzeDbl(f.suHalb2, wkHalb);
    r.SetzeDbl(f.suHalb3, einHalbBer);
    r.SetzeDbl(f.suHalb4, wkHalbBer);
    r.SetzeDbl(f.einVoll, ein);
    r.SetzeDbl(f.einHalb, einHalbBer);
    r.SetzeDbl(f.wkVoll, wk);
    r.SetzeDbl(f.wkHalb, wkHalbBer);
}

}  // namespace

int KapEintraege(KapListe l) {
    return Form(l).eintraege;
}

double KapAnteilEr(uint8_t person, double betrag) {
    if (person == KapPersonEr) return betrag;
    if (person == KapPersonBeide) return betrag / 2;
    return 0;
}

double KapAnteilSie(uint8_t person, double betrag) {
    if (person == KapPersonSie) return betrag;
    if (person == KapPersonBeide) return betrag / 2;
    return 0;
}

void KapEintragLeeren(CaseRecord& r, KapListe l, int n) {
    const ListenForm f = Form(l);
    if (n < 1 || n > f.eintraege) return;
    uint8_t* e = Eintrag(r, f, n);
    std::memset(e, 0, f.groesse);
    // A new entry belongs to the taxpayer, as every list entry does by default;
    // person 0 would drop its receipts but keep its credits.
    e[0] = KapPersonEr;
}

void KapEintragLoeschen(CaseRecord& r, KapListe l, int c) {
    const ListenForm f = Form(l);
    if (c < 1 || c > f.eintraege) return;
    if (c < f.eintraege)
        std::memmove(Eintrag(r, f, c), Eintrag(r, f, c + 1), f.groesse * (f.eintraege - c));
    KapEintragLeeren(r, l, f.eintraege);
}

void KapEintragEinfuegen(CaseRecord& r, KapListe l, int c) {
    const ListenForm f = Form(l);
    if (c < 1 || c > f.eintraege) return;
    if (c < f.eintraege)
        std::memmove(Eintrag(r, f, c + 1), Eintrag(r, f, c), f.groesse * (f.eintraege - c));
    KapEintragLeeren(r, l, c);
}

void KapSummenRechnen(CaseRecord& r) {
    ErgebnisseLoeschen(r);
    InlandRechnen(r);
    AuslandRechnen(r);
    BeteiligungRechnen(r);
    SummenRechnen(r, SummenEr);
    SummenRechnen(r, SummenSie);
}

}  // namespace quarnel
