// The whole deduction case: Karl and Eva with their two children, the
// insurance, annuity and church-tax share, the household-help and donation
// share and the extraordinary-burden share entered through their pages one
// after the other, against the same case set field by field; and its notice,
// each deduction on its line.
#include <QtTest>

#include "fall.h"
#include "fall_ab.h"
#include "fall_sa1.h"
#include "fall_sa2.h"
#include "shell/tform13.h"

using namespace quarnel;

namespace {

std::vector<std::string> AlleAnteile() {
    return fall::Zusammen({fall::Sa1Zuweisungen(), fall::Sa2Felder(), fall::AbAnteilSetze()});
}

}  // namespace

class GanzerFallAbzuegeTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { gui::Tform13::AnimationAn() = false; }

    void ueber_die_seiten_wie_gesetzt() {
        seitentest::Umgebung u;
        fall::Familie(u.Satz());
        CaseRecord gesetzt = u.Satz();
        fall::Sa1UeberSeiten(u);
        if (QTest::currentTestFailed()) return;
        fall::Sa2UeberSeiten(u);
        if (QTest::currentTestFailed()) return;
        fall::AbAnteilUeberSeiten(u);
        if (QTest::currentTestFailed()) return;
        fall::Zuweisen(gesetzt, AlleAnteile());
        seitentest::GleichesErgebnis(u.Satz(), gesetzt);
    }

    // No share's pages change another share's deductions: each deduction of
    // the three shares together is the sum of those of each share alone.
    void anteile_stoeren_einander_nicht() {
        CaseRecord ganz;
        fall::Familie(ganz);
        fall::Zuweisen(ganz, AlleAnteile());
        const CalcInput g = fall::BescheidRechnen(ganz).e;
        CalcInput summe{};
        for (const auto& teil : {fall::Sa1Zuweisungen(), fall::Sa2Felder(), fall::AbAnteilSetze()}) {
            CaseRecord allein;
            fall::Familie(allein);
            fall::Zuweisen(allein, teil);
            const CalcInput a = fall::BescheidRechnen(allein).e;
            summe.VorsorgeIn += a.VorsorgeIn;
            summe.KiStGezahltIn += a.KiStGezahltIn;
            summe.RentenLastenIn += a.RentenLastenIn;
            summe.BehindertenPauschIn += a.BehindertenPauschIn;
            summe.HinterblPauschIn += a.HinterblPauschIn;
            summe.HaushaltshilfePflegeIn += a.HaushaltshilfePflegeIn;
            summe.UnterhaltIn += a.UnterhaltIn;
            summe.AgbAndereIn += a.AgbAndereIn;
        }
        QCOMPARE(g.VorsorgeIn, summe.VorsorgeIn);
        QCOMPARE(g.KiStGezahltIn, summe.KiStGezahltIn);
        QCOMPARE(g.RentenLastenIn, summe.RentenLastenIn);
        QCOMPARE(g.BehindertenPauschIn, summe.BehindertenPauschIn);
        QCOMPARE(g.HinterblPauschIn, summe.HinterblPauschIn);
        QCOMPARE(g.HaushaltshilfePflegeIn, summe.HaushaltshilfePflegeIn);
        QCOMPARE(g.UnterhaltIn, summe.UnterhaltIn);
        QCOMPARE(g.AgbAndereIn, summe.AgbAndereIn);
    }

    void der_bescheid_zeigt_jeden_abzug_an_seinem_platz() {
        seitentest::Umgebung u;
        fall::Familie(u.Satz());
        fall::Sa1UeberSeiten(u);
        fall::Sa2UeberSeiten(u);
        fall::AbAnteilUeberSeiten(u);
        if (QTest::currentTestFailed()) return;
        const fall::Bescheid b = fall::BescheidRechnen(u.Satz(), "15.03.2002");
        fall::Sa2ImBescheid(b);
        if (QTest::currentTestFailed()) return;

        // The other special expenses: the unlimited ones first, then the limited ones.
        const auto [sa, beschraenkt, ab] = b.Abzuege();
        const size_t renten = b.Zeile("Renten und dauernde Lasten", sa);
        QVERIFY(renten < beschraenkt);
        QVERIFY2(b.ZeigtBetrag(renten, 1800), b.ZeileUtf8(renten).c_str());
        // Church tax of both cards and paid later, less the refund.
        const size_t kist = b.Zeile("Gezahlte Kirchensteuer", sa);
        QVERIFY(kist < beschraenkt);
        QVERIFY2(b.ZeigtBetrag(kist, 1532), b.ZeileUtf8(kist).c_str());
        // Vorsorge above the Pauschale: the insurance in the limited part, no minimum line.
        QVERIFY(b.Zeile("Versicherungsbeiträge  . .", beschraenkt) < ab);
        QVERIFY(b.Zeile("Freiwillige zusätz. Pflegeversicherung", beschraenkt) < ab);
        QVERIFY(b.r.VorsorgeAbziehbar > b.r.Vorsorgepauschale + 1);
        QVERIFY(!b.Zeigt("mindestens jedoch Vorsorgepauschale"));

        // The extraordinary burdens after the special expenses: the disabled
        // child, the surviving dependant, the household help's seven months of
        // illness (700) with the mother's home care (900), her support, and the
        // other burdens above the reasonable share.
        QVERIFY(b.ZeigtBetrag(b.Zeile("Körperbehinderte", ab), 1110));
        QVERIFY(b.ZeigtBetrag(b.Zeile("Hinterbliebene:", ab), 720));
        QVERIFY(b.ZeigtBetrag(b.Zeile("Haushaltsh./Heimunterbr./Pflegepb.", ab), 1600));
        QVERIFY(b.ZeigtBetrag(b.Zeile("Unterstützung bed. Personen", ab), b.e.UnterhaltIn));
        QVERIFY(b.ZeigtBetrag(b.Zeile("Andere außergew. Bel.", ab), 6080.75));
        QVERIFY(b.ZeigtBetrag(b.Zeile("Zumutbare Belastung", ab), b.r.ZumutbareBelastung));
        QVERIFY(b.ZeigtBetrag(b.Zeile("Überlastungs-/ Pauschbetrag", ab), 6080.75 - b.r.ZumutbareBelastung));
    }
};

QTEST_MAIN(GanzerFallAbzuegeTest)
#include "ganzerfall_abzuege.moc"
