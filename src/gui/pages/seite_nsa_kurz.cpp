// The wage-tax card page and the quick-calculation page.
#include <QAbstractButton>
#include <QPushButton>
#include <QTabWidget>

#include "calc/betrag.h"
#include "pages/seiten.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

const Seitenbeschreibung NSASeite = AusTafel("TF_NSA");

const Seitenbeschreibung KurzSeite = AusTafel("TF_Kurz");

// --- TF_NSA ------------------------------------------------------------------------------

TF_NSA::TF_NSA(Seitenumgebung& u, int karte, QWidget* eltern)
    : TForm11(u, karte < 1 || karte > 4 ? 1 : karte, eltern) {
    setObjectName(QStringLiteral("TF_NSA"));
    SeiteAufbauen(*this, NSASeite, instanz_);
    OvcNb()->setCurrentIndex(0);
}

void TF_NSA::FormShow() {
    TForm11::FormShow();
    const QString person =
        Person() == 1 ? QStringLiteral("Steuerpflichtiger, ") : QStringLiteral("Ehegatte, ");
    KopfPnl()->setText(QStringLiteral(" ") + person + InfoTitelLbl()->text() +
                       QStringLiteral(" - %1. Steuerkarte").arg(Karte()));
    if (Karte() == 2) {
        for (const char* t : {"&Vors.", "&Sonst.", "Er&satzl.", "V&WL"})
            OvcNb()->setTabEnabled(ReiterIndex(QString::fromUtf8(t)), false);
        if (QWidget* l = findChild<QWidget*>(QStringLiteral("SteuerklasseLbl")))
            l->setEnabled(false);
        Steuer(Feld::Steuerklasse)->hide();
        Kasten(Feld::BeamtenRVersBezCB)->setEnabled(false);
        Kasten(Feld::AltersruhegeldRVCB)->setEnabled(false);
    }
}

// --- TF_Kurz -------------------------------------------------------------------------------

TF_Kurz::TF_Kurz(Seitenumgebung& u, QWidget* eltern) : TForm11(u, 0, eltern) {
    setObjectName(QStringLiteral("TF_Kurz"));
    SeiteAufbauen(*this, KurzSeite, 1);
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    for (Feld f : {Feld::GebDatStpfl, Feld::GebDatEheg, Feld::Sa10eDat})
        Datumsbereich(f, ab1900, LetzterTagSteuerjahr);
    if (auto* ok = findChild<QPushButton*>(QStringLiteral("OkBtn")))
        connect(ok, &QPushButton::clicked, this, &TForm11::Schliessen);
    OvcNb()->setCurrentIndex(0);
}

TF_Kurz::~TF_Kurz() {
    umgebung_.SetzeKurzberechnung(false);
}

void TF_Kurz::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  Kurzberechnung"));
    umgebung_.SetzeKurzberechnung(true);
}

void TF_Kurz::DatenSpeichern() {
    TForm11::DatenSpeichern();
    CaseRecord& r = Satz();
    r.SetzeText(Feld::MonateRelEr_Text, r.Int(Feld::MonateRelEr) > 0 ? "KiSt erhebend" : "keine");
    r.SetzeText(Feld::MonateRelSie_Text,
                r.Int(Feld::MonateRelSie) > 0 ? "KiSt erhebend" : "keine");
}

}  // namespace quarnel::gui
