// The household-help application, opened from the household-help page of the
// special expenses and from the household-help/care-home burden page.
#include <QGridLayout>
#include <QPushButton>
#include <QTabWidget>

#include "calc/betrag.h"
#include "pages/seite_sonderausgaben2.h"
#include "pages/seitenzustand.h"
#include "pages/sonderausgaben.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

const Seitenbeschreibung HausHiSeite = AusTafel("TF_HausHi");

namespace {

// Moves grid row `von` (with everything in it) to just before row `vor`.
void ZeileVerschieben(QGridLayout* g, int von, int vor) {
    struct Teil {
        QLayoutItem* item;
        int zeile, spalte, hoehe, breite;
    };
    std::vector<Teil> teile;
    for (int i = g->count() - 1; i >= 0; --i) {
        int z = 0, s = 0, h = 0, b = 0;
        g->getItemPosition(i, &z, &s, &h, &b);
        // The rows between the two move up or down by one.
        if (von < vor ? (z < von || z >= vor) : (z < vor || z > von)) continue;
        if (z == von)
            z = von < vor ? vor - 1 : vor;
        else
            z += von < vor ? -1 : 1;
        teile.push_back({g->takeAt(i), z, s, h, b});
    }
    for (const Teil& t : teile) g->addItem(t.item, t.zeile, t.spalte, t.hoehe, t.breite);
}

int ZeileVon(QWidget* w) {
    auto* g = qobject_cast<QGridLayout*>(w->parentWidget()->layout());
    int z = -1, s = 0, h = 0, b = 0;
    g->getItemPosition(g->indexOf(w), &z, &s, &h, &b);
    return z;
}

}  // namespace

TF_HausHi::TF_HausHi(Seitenumgebung& u, Aufruf aufruf, QWidget* eltern)
    : TForm11(u, 0, eltern) {
    setObjectName(QStringLiteral("TF_HausHi"));
    umgebung_.SetzeHilfeseite(562);
    SeitenzustandGlobal().uebernahme = true;  // the opener reloads, however this closes
    SetzeOhnePruefung(true);
    if (aufruf == Aufruf::Sonderausgabe)
        SetzePosition(12, 4);
    else
        SetzePosition(13, 2);
    SeiteAufbauen(*this, HausHiSeite, 1);
    // The burden result stands below its reasons.
    QWidget* ab = Steuer(Feld::AbMoegl);
    QWidget* hilflos = Steuer(Feld::AbHilflosePersCB);
    if (ab && hilflos)
        ZeileVerschieben(qobject_cast<QGridLayout*>(ab->parentWidget()->layout()), ZeileVon(ab),
                         ZeileVon(hilflos) + 1);
    if (auto* b = findChild<QPushButton*>(QStringLiteral("OkBtn"))) {
        b->setToolTip(QStringLiteral("Bestätigung der\nEingabe"));
        connect(b, &QPushButton::clicked, this, &TF_HausHi::OkBtnClick);
    }
    Zeitraum(Feld::BeschVom, Feld::BeschBis, ErsterTagSteuerjahr, LetzterTagSteuerjahr);
    Zeitraum(Feld::AbKrankheitVom, Feld::AbKrankheitBis, ErsterTagSteuerjahr,
             LetzterTagSteuerjahr);
    Zeitraum(Feld::AbHilfLosPersVom, Feld::AbHilfLosPersBis, ErsterTagSteuerjahr,
             LetzterTagSteuerjahr);
    OvcNb()->setCurrentIndex(1);
}

TF_HausHi* TF_HausHi::Oeffnen(TForm11& aufrufer, Aufruf aufruf) {
    if (!aufrufer.OffeneEingabeUebernehmen()) return nullptr;
    aufrufer.DatenSpeichern();
    SeitenzustandGlobal().unterseite = Unterseite::BehinderungVonPersonen;
    auto* s = new TF_HausHi(aufrufer.Umgebung(), aufruf);
    aufrufer.UnterseiteOeffnen(s);
    return s;
}

void TF_HausHi::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  ") + InfoTitelLbl()->text());
    AnzeigeRechnen();
}

void TF_HausHi::DatumEnter(DatumFeld* d) {
    // The contributions are paid within the employment; an open end is the tax year's.
    auto gegeben = [](int32_t t, int32_t sonst) { return t == KeinDatum ? sonst : t; };
    const int32_t vom = gegeben(Datum(Feld::BeschVom)->Wert(), ErsterTagSteuerjahr);
    const int32_t bis = gegeben(Datum(Feld::BeschBis)->Wert(), LetzterTagSteuerjahr);
    if (d == Datum(Feld::RVBeitragVom))
        DatumValidationEintrag(d, vom, bis);
    else if (d == Datum(Feld::RVBeitragBis))
        DatumValidationEintrag(d, gegeben(Datum(Feld::RVBeitragVom)->Wert(), vom), bis);
    else
        TForm11::DatumEnter(d);
}

void TF_HausHi::DatenSpeichern() {
    TForm11::DatenSpeichern();
    // What the opener shows on return is always what these entries give.
    HaushaltshilfeRechnen(Satz());
}

void TF_HausHi::AnzeigeRechnen() { SpeichernLaden(); }

void TF_HausHi::FeldVerlassen(QWidget* w) {
    // Entry fields recompute when they are left; check boxes when clicked.
    if (!qobject_cast<QLineEdit*>(w)) AnzeigeRechnen();
}

void TF_HausHi::OkBtnClick() {
    SeitenzustandGlobal().uebernahme = true;
    Schliessen();
}

void TF_HausHi::FormClose() {
    SeitenzustandGlobal().unterseite = Unterseite::Keine;
    umgebung_.SetzeHilfeseite(999);
    TForm11::FormClose();
}

}  // namespace quarnel::gui
