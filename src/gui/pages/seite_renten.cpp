// The annuities page and the other-income page with its private sales.
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <string_view>

#include "calc/betrag.h"
#include "pages/einkuenfte_seiten.h"
#include "pages/seite_renten.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

// --- Einkünfte aus Renten ----------------------------------------------------------------

const Seitenbeschreibung RenteSeite = AusTafel("TF_Rente", &Seitenrechnen<&RentenErtragRechnen>);

// --- Sonstige Einkünfte ------------------------------------------------------------------

constexpr const char* Leist = "&Wiederk./Leist.";
constexpr const char* Info = "&Info";
constexpr const char* Anteile = "&Anteile";
constexpr const char* Vorjahr = "&Vorjahr";

constexpr int PrivVGeschReiter = 3;  // "&Priv. V.-Gesch." in Nb1

const Seitenbeschreibung SonstEkSeite = AusTafel("TF_SonstEk", &Seitenrechnen<&SonstEkRechnen>);

namespace {

// The spouse's column of the other-income page.
bool IstEhegattenFeld(Feld f) {
    const std::string_view n = Def(f).name;
    return n.ends_with("Sie") || n.ends_with("Ehe") || n.ends_with('2');
}

}  // namespace

// --- TF_Rente -------------------------------------------------------------------------------

TF_Rente::TF_Rente(Seitenumgebung& u, QWidget* eltern)
    : TForm11(u, RenteSeite, 0, 1, eltern) {
    // The kind of annuity takes its row: its long entries do not widen the amount column.
    for (Feld f : {Feld::Rente_Art1, Feld::Rente_Art2, Feld::Art3, Feld::Art4}) {
        QWidget* w = Steuer(f);
        auto* lay = qobject_cast<QGridLayout*>(w->parentWidget()->layout());
        int zeile = 0, spalte = 0, hoehe = 0, breite = 0;
        lay->getItemPosition(lay->indexOf(w), &zeile, &spalte, &hoehe, &breite);
        lay->removeWidget(w);
        lay->addWidget(w, zeile, spalte, 1, -1, Qt::AlignLeft);
    }
}

void TF_Rente::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  Einkünfte aus Renten"));
    const bool splitting = Satz().Bool(Feld::Splitting);
    for (const char* t : {"&1. R. - Eheg.", "&2. R. - Eheg."})
        OvcNb()->setTabEnabled(ReiterIndex(QString::fromUtf8(t)), splitting);
}

void TF_Rente::DatumEnter(DatumFeld* d) {
    const CaseRecord& r = Satz();
    if (d == Datum(Feld::LaeuftSeit1) || d == Datum(Feld::LaeuftSeit2))
        DatumValidationEintrag(d, r.Int(Feld::StpflGebDat), LetzterTagSteuerjahr);
    else if (d == Datum(Feld::LaeuftSeit3) || d == Datum(Feld::LaeuftSeit4))
        DatumValidationEintrag(d, r.Int(Feld::EhegGebDat), LetzterTagSteuerjahr);
    else
        // The end of an annuity: from the tax year up to 99 years later.
        DatumValidationEintrag(d, ErsterTagSteuerjahr, TagesNummer(2001 + 99, 12, 31));
}

// --- TF_SonstEk -----------------------------------------------------------------------------

TF_SonstEk::TF_SonstEk(Seitenumgebung& u, int teil, QWidget* eltern)
    : TForm11(u, SonstEkSeite, teil, 1, eltern) {
    // The form's names: the outer notebook Nb1, the private sales' Nb2.
    nb2_ = OvcNb()->findChild<QTabWidget*>(QStringLiteral("Nb1"));
    nb2_->setObjectName(QStringLiteral("Nb2"));
    OvcNb()->setObjectName(QStringLiteral("Nb1"));
    nb2_->setCurrentIndex(0);
    connect(OvcNb(), &QTabWidget::currentChanged, this, &TF_SonstEk::Nb1PageChanged);
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    for (auto [von, bis] : {std::pair{Feld::VGrund_KaufDat, Feld::VGrund_VerkaufDat},
                            {Feld::VGrund_EigWohnVon, Feld::VGrund_EigWohnBis},
                            {Feld::VGrund_AndZweckVon, Feld::VGrund_AndZweckBis},
                            {Feld::VWigu_KaufDat, Feld::VWigu_VerkaufDat},
                            {Feld::VTermin_KaufDat, Feld::VTermin_VerkaufDat}})
        Zeitraum(von, bis, ab1900, LetzterTagSteuerjahr);
}

void TF_SonstEk::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  Sonstige Einkünfte"));
    // The spouse's column only with joint assessment.
    const bool splitting = Satz().Bool(Feld::Splitting);
    for (const Bindung& b : Bindungen())
        if (IstEhegattenFeld(b.feld)) b.steuer->setEnabled(splitting);
    for (QLabel* l : findChildren<QLabel*>())
        if (l->text() == QStringLiteral("Ehegatte")) l->setEnabled(splitting);
    if (instanz_ >= 1 && instanz_ < OvcNb()->count()) OvcNb()->setCurrentIndex(instanz_);
    Nb1PageChanged(OvcNb()->currentIndex());
}

void TF_SonstEk::Nb1PageChanged(int index) {
    umgebung_.SetzeFormularblatt(index == PrivVGeschReiter ? 82 : 81);
}

}  // namespace quarnel::gui
