// The pensions-and-other-income share of the whole case: a private life
// annuity of the taxpayer and the spouse's temporary disability pension with
// a back payment, recurring receipts and a service of the taxpayer, the sale
// of a let flat within ten years and the spouse's shares sold within the
// year. Entered through the pages, or set by field as the command line does;
// the base is the plain couple (fall::Ehepaar).
#pragma once

#include <string>
#include <vector>

#include "fall.h"
#include "seitentest.h"

namespace fall {

// One entry of the share: the page of area 11, its tab, the field and the
// text as typed (the command line reads the same text).
struct RenteEintrag {
    int seite;
    const char* reiter;
    const char* feld;
    const char* wert;
};

inline const std::vector<RenteEintrag>& RenteEintraege() {
    static const char* r1 = "&1. R. - Stpfl.";
    static const char* r3 = "&1. R. - Eheg.";
    static const char* wl = "&Wiederk./Leist.";
    static const char* gr = "&Grundst.";
    static const char* wg = "&Wi.-güter";
    static const std::vector<RenteEintrag> alle = {
        // The taxpayer's private life annuity, the spouse's temporary disability pension.
        {1, r1, "Rente_Art1", "6"}, {1, r1, "Aus1", "Lebensversicherung"},
        {1, r1, "LaeuftSeit1", "01.04.2001"}, {1, r1, "Zahlung1", "4800"},
        {1, r1, "WerbKoste1", "120"}, {1, r3, "Art3", "2"}, {1, r3, "Aus3", "LVA Rheinprovinz"},
        {1, r3, "LaeuftSeit3", "01.01.2000"}, {1, r3, "EndeMitTodVon3", "Ehefrau"},
        {1, r3, "EndeAm3", "31.12.2026"}, {1, r3, "Zahlung3", "6000"},
        {1, r3, "Nachzahlung3", "1.200,50"},
        // Recurring receipts and a service of the taxpayer.
        {2, wl, "WBEinAus", "Versorgungsleistungen der Eltern"}, {2, wl, "WbEinAusDMStp", "2400"},
        {2, wl, "LeistEinAus", "Vermittlung eines Gebrauchtwagens"}, {2, wl, "LeistEinEr", "900"},
        {2, wl, "LeistWKEr", "150"},
        // The let flat, bought 1995 and sold 2001.
        {4, gr, "VGrund_Bez", "Eigentumswohnung Bonn"}, {4, gr, "VGrund_KaufDat", "01.06.1995"},
        {4, gr, "VGrund_VerkaufDat", "30.09.2001"}, {4, gr, "VGrund_AndZweck", "ja"},
        {4, gr, "VGrund_AndZweckVon", "01.06.1995"}, {4, gr, "VGrund_AndZweckBis", "30.09.2001"},
        {4, gr, "VGrund_AndZweckQm", "68"}, {4, gr, "VGrund_VerkPreis1", "260000"},
        {4, gr, "VGrund_KaufPreis1", "210000"}, {4, gr, "VGrund_Afa1", "18900"},
        {4, gr, "VGrund_WerbKost1", "6500"},
        // The spouse's shares, held for eight months.
        {4, wg, "VWigu_Bez", "Aktien Beispiel AG"}, {4, wg, "VWigu_KaufDat", "05.03.2001"},
        {4, wg, "VWigu_VerkaufDat", "20.11.2001"}, {4, wg, "VWigu_VerkPreis2", "8200"},
        {4, wg, "VWigu_KaufPreis2", "6100"}, {4, wg, "VWigu_WerbKost2", "95"},
    };
    return alle;
}

// The share as field assignments.
inline std::vector<std::string> RenteZuweisungen() {
    std::vector<std::string> z;
    for (const RenteEintrag& e : RenteEintraege()) z.push_back(std::string(e.feld) + "=" + e.wert);
    return z;
}

// The same share typed into the pages the navigator opens, each closed when done.
inline void RenteUeberSeiten(seitentest::Umgebung& u) {
    quarnel::gui::TForm11* offen = nullptr;
    int seite = 0;
    for (const RenteEintrag& e : RenteEintraege()) {
        if (e.seite != seite) {
            if (offen) QVERIFY(offen->close());
            seite = e.seite;
            offen = seitentest::SeiteOeffnen(u, 11, seite);
        }
        offen->ReiterZeigen(QString::fromUtf8(e.reiter));
        const quarnel::FeldSuche f = quarnel::FeldAufloesen(e.feld);
        QVERIFY2(f.adresse, e.feld);
        seitentest::Eintragen(*offen, f.adresse->feld, QString::fromUtf8(e.wert));
    }
    if (offen) QVERIFY(offen->close());
}

// The share on the notice: the annuities with their shares and the other income.
inline void RenteImBescheid(const Bescheid& b) {
    QCOMPARE(b.r.LeistungenEr, 750.0);
    QCOMPARE(b.r.PrivVeraeussEr + b.r.PrivVeraeussSie, 62400.0 + 2005.0);
    for (const char* teil :
         {"Sonstige Einkünfte", "Leibrente(n)", "Ertragsanteil  51 v. H. von",
          "Ertragsanteil  44 v. H. von", "wiederkehrende Bezüge",
          "Private Veräußerungsgeschäfte", "Leistungen"})
        QVERIFY2(b.Zeigt(teil), teil);
}

}  // namespace fall
