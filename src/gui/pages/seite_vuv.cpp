// The rented properties, one page per object (1..4): the object, its
// receipts, its expenses split into non-deductible and deductible parts, the
// maintenance spread over several years and the shares of co-ownerships.
#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "calc/betrag.h"
#include "pages/einkuenfte_seiten.h"
#include "pages/seite_gewerbe.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

#define VUV_KOSTEN "|Gesamtbetrag|nicht abziehb. %|oder DM"

#undef VUV_KOSTEN

const Seitenbeschreibung VuVSeite = AusTafel("TF_VuV");

// The tab of the outer notebook that shows the expenses (its own form sheet).
constexpr int WerbungskostenReiter = 2;

namespace {

// Moves a field one column pair to the right in its grid, where its row
// lacks the field of the column before (the direct maintenance row has no
// percentage, the last two shares have no community text).
void Rechtsruecken(QWidget* w) {
    auto* lay = w ? qobject_cast<QGridLayout*>(w->parentWidget()->layout()) : nullptr;
    const int pos = lay ? lay->indexOf(w) : -1;
    if (pos < 0) return;
    int zeile = 0, spalte = 0, h = 0, b = 0;
    lay->getItemPosition(pos, &zeile, &spalte, &h, &b);
    lay->removeWidget(w);
    lay->addWidget(w, zeile, spalte + 2);
}

}  // namespace

TF_VuV::TF_VuV(Seitenumgebung& u, int objekt, QWidget* eltern)
    : TForm11(u, objekt < 1 || objekt > 4 ? 1 : objekt, eltern) {
    setObjectName(QStringLiteral("TF_VuV"));
    SeiteAufbauen(*this, VuVSeite, instanz_);
    for (QTabWidget* nb : Notizbuecher()) nb->setCurrentIndex(0);
    Rechtsruecken(Steuer(Feld::ErhAb0));
    // Shares without a community text stand under their columns.
    for (Feld f : {Feld::AnteilSie7, Feld::AnteilSie8, Feld::AnteilEr7, Feld::AnteilEr8})
        Rechtsruecken(Steuer(f));
    // The boxes "wie 2000" and "lt. Anl." take their caption from the column heading.
    for (Feld f : {Feld::WieVor1, Feld::WieVor2, Feld::WieVor3, Feld::WieVor4, Feld::WieVor6,
                   Feld::WieVor7, Feld::WieBlatt1, Feld::WieBlatt2, Feld::WieBlatt3})
        if (QAbstractButton* k = Kasten(f)) k->setText(QString());
    // The community texts share their row with two amounts.
    for (Feld f : {Feld::AnteilArt1, Feld::AnteilArt2, Feld::AnteilArt3, Feld::AnteilArt4,
                   Feld::AnteilArt5, Feld::AnteilArt6})
        if (QWidget* w = Steuer(f)) w->setMinimumWidth(120);
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    Datumsbereich(Feld::AnschaffDat, ab1900, LetzterTagSteuerjahr);
    Datumsbereich(Feld::FertigDat, ab1900, LetzterTagSteuerjahr);
    connect(OvcNb(), &QTabWidget::currentChanged, this, &TF_VuV::PageChanged);
    for (QTabWidget* nb : Notizbuecher())
        if (nb != OvcNb())
            connect(nb, &QTabWidget::currentChanged, this, [this] { AnzeigeRechnen(); });
}

void TF_VuV::FormShow() {
    gemerktesBlatt_ = umgebung_.Formularblatt();
    TForm11::FormShow();
    InfoTitelLbl()->setText(InfoTitelLbl()->text() + QStringLiteral(", ") +
                            QString::fromStdString(FormatMaske("#. Objekt", Objekt())));
    KopfPnl()->setText(QStringLiteral("  ") + InfoTitelLbl()->text());
    const bool splitting = Satz().Bool(Feld::Splitting);
    EhegattenFelderFreigeben(*this, splitting);
    // The taxpayer's share is all there is under the basic table.
    Steuer(Feld::ObjektProzEr)->setEnabled(splitting);
    // What is shown is what the object gives, also for a case stored otherwise.
    AnzeigeRechnen();
}

void TF_VuV::DatenSpeichern() {
    TForm11::DatenSpeichern();
    // The derived amounts follow what was stored, so that under the basic
    // table no spouse's share remains on the object.
    ObjektRechnen(Satz(), Objekt());
}

void TF_VuV::AnzeigeRechnen() { SpeichernLaden(); }

void TF_VuV::PageChanged(int index) {
    umgebung_.SetzeFormularblatt(index == WerbungskostenReiter ? gemerktesBlatt_ + 10
                                                               : gemerktesBlatt_);
    AnzeigeRechnen();
}

void TF_VuV::ErhJahrExit() {
    auto wert = [this](Feld f) { return Betrag(f)->Wert(); };
    Betrag(Feld::ErhGes3)->SetzeWert(wert(Feld::ErhJahr1) + wert(Feld::ErhJahr2));
    Betrag(Feld::ErhGes4)->SetzeWert(wert(Feld::ErhJahr3) + wert(Feld::ErhJahr4));
}

void TF_VuV::ObjektProzErExit() {
    BetragFeld* er = Betrag(Feld::ObjektProzEr);
    if (!Satz().Bool(Feld::Splitting)) er->SetzeWert(100);
    Betrag(Feld::ObjektProzSie)->SetzeWert(100 - er->Wert());
}

void TF_VuV::FeldVerlassen(QWidget* w) {
    if (w == Steuer(Feld::ErhJahr1) || w == Steuer(Feld::ErhJahr2) ||
        w == Steuer(Feld::ErhJahr3) || w == Steuer(Feld::ErhJahr4))
        ErhJahrExit();
    else if (w == Steuer(Feld::ObjektProzEr))
        ObjektProzErExit();
    else if (qobject_cast<QLineEdit*>(w))
        return;  // recomputed when it was left (DefContPostEdit)
    AnzeigeRechnen();
}

}  // namespace quarnel::gui
