// The whole income case: the couple with their wages, the capital share, the
// pensions-and-other-income share and the profit-and-rental share entered
// through their pages one after the other, against the same case set field
// by field; and its notice, with every income section and annex, each
// share's amounts as it gives them alone.
#include <QtTest>

#include "fall.h"
#include "fall_gse.h"
#include "fall_kap.h"
#include "fall_rente.h"
#include "shell/tform13.h"

using namespace quarnel;

namespace {

std::vector<std::string> AlleAnteile() {
    return fall::Zusammen({fall::KapSetze(), fall::RenteZuweisungen(), fall::GseFelder()});
}

void UeberDieSeiten(seitentest::Umgebung& u) {
    fall::KapUeberSeiten(u);
    if (QTest::currentTestFailed()) return;
    fall::RenteUeberSeiten(u);
    if (QTest::currentTestFailed()) return;
    fall::GseUeberSeiten(u);
}

}  // namespace

class GanzerFallEinkuenfteTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { gui::Tform13::AnimationAn() = false; }

    void ueber_die_seiten_wie_gesetzt() {
        seitentest::Umgebung u;
        fall::Ehepaar(u.Satz());
        CaseRecord gesetzt = u.Satz();
        UeberDieSeiten(u);
        if (QTest::currentTestFailed()) return;
        fall::Zuweisen(gesetzt, AlleAnteile());
        seitentest::GleichesErgebnis(u.Satz(), gesetzt);
    }

    // Every share shows on the notice as it does alone: no page's
    // computation changed another share's income.
    void der_bescheid_zeigt_jede_einkunftsart() {
        seitentest::Umgebung u;
        fall::Ehepaar(u.Satz());
        UeberDieSeiten(u);
        if (QTest::currentTestFailed()) return;
        const fall::Bescheid b = fall::BescheidRechnen(u.Satz(), "15.03.2002");
        fall::KapImBescheid(b);
        fall::RenteImBescheid(b);
        fall::GseImBescheid(b);
        QVERIFY(b.Zeigt("Einkünfte aus nichtselbständiger Arbeit"));

        // The sections in the order of the return, all before the total.
        const size_t summe = b.Zeile("Summe der Einkünfte  . .");
        size_t vorher = 0;
        for (const char* abschnitt :
             {"Einkünfte aus Land- und Forstwirtschaft", "Einkünfte aus Gewerbebetrieb",
              "Einkünfte aus Selbständiger Arbeit", "Einkünfte aus nichtselbständiger Arbeit",
              "Einkünfte aus Kapitalvermögen", "Einkünfte aus Vermietung & Verpachtung",
              "Sonstige Einkünfte"}) {
            const size_t i = b.Zeile(abschnitt);
            QVERIFY2(vorher <= i && i < summe, abschnitt);
            vorher = i;
        }
    }
};

QTEST_MAIN(GanzerFallEinkuenfteTest)
#include "ganzerfall_einkuenfte.moc"
