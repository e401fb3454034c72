// The special-expense pages of insurance contributions, annuities and
// maintenance, church tax and interest, loss deduction and carry-back.
#include <QGridLayout>
#include <QTabWidget>

#include "calc/betrag.h"
#include "pages/seite_sonderausgaben.h"
#include "pages/seitenzustand.h"
#include "pages/sonderausgaben.h"
#include "pages/werbungskosten.h"
#include "widgets/maskenfeld.h"
#include "widgets/zugang.h"

namespace quarnel::gui {

constexpr const char* GanzeDM = "ii,iii,iii";

namespace {

// The date ranges of an annuity; the deductible maintenance under the amounts paid.
void RentenLastenEinrichten(TForm11& s) {
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    s.Datumsbereich(Feld::ReLaeuftSeit, ab1900, LetzterTagSteuerjahr);
    s.Datumsbereich(Feld::ReGebAm, ab1900, LetzterTagSteuerjahr);
    s.Datumsbereich(Feld::ReEndeAm, ErsterTagSteuerjahr, TagesNummer(Steuerjahr + 94, 12, 31));
    KeinUmbruch(s, QStringLiteral("&Renten"));
    KeinUmbruch(s, QStringLiteral("&Lasten"));
    InSpalte(s.Steuer(Feld::UntAbziehbar), 4);
}

// Interest on taxes: why there is nothing to enter.
void KirchensteuerEinrichten(TForm11& s) {
    if (QWidget* zinsen = s.Reiter(QStringLiteral("&Steuerzinsen"))) {
        auto* l = new QLabel(QStringLiteral(
            "Ab 1999 werden Zinsen für Nachforderungen und Stundung von Steuern nicht "
            "mehr als Sonderausgaben berücksichtigt."));
        l->setObjectName(QStringLiteral("ZinsenLbl"));
        l->setWordWrap(true);
        l->setMinimumWidth(420);
        if (auto* lay = qobject_cast<QGridLayout*>(zinsen->layout()))
            lay->addWidget(l, 0, 0, 1, -1, Qt::AlignTop | Qt::AlignLeft);
    }
    KeinUmbruch(s, QStringLiteral("&Kirchensteuer"));
}

// The spouse's column headings, grey under the basic table.
void VerlustEinrichten(TForm11& s) {
    const QString eheg = QStringLiteral("Ehegatte");
    QLabel* abzug = Kopflabel(s, QStringLiteral("Verlustabz&ug"), eheg);
    QLabel* ruecktrag = Kopflabel(s, QStringLiteral("&Verlustrücktrag"), eheg);
    if (abzug) abzug->setObjectName(QStringLiteral("EhegAbzugLbl"));
    if (ruecktrag) ruecktrag->setObjectName(QStringLiteral("EhegRuecktragLbl"));
    s.EhegattenLabels({abzug, ruecktrag});
}

}  // namespace

// --- Versicherungen ------------------------------------------------------------------------

constexpr const char* AnteilText =
    "Arbeitnehmeranteil am Gesamtsozial-\nversicherungsbeitrag lt. Lohnsteuerkarte";
constexpr const char* AnteilAbText = "abzgl. Erstattungen lt. Lohnsteuerkarte";

const Seitenbeschreibung SAVersSeite = AusTafel("TF_SAVers", &Seitenrechnen<&VorsorgeRechnen>);

// --- Renten, dauernde Lasten, Unterhalt ------------------------------------------------------

const Seitenbeschreibung SaRDLSeite =
    AusTafel("TF_SaRDL", &Seitenrechnen<&RentenLastenRechnen>, RentenLastenEinrichten);

// --- Kirchensteuer, Steuerzinsen ---------------------------------------------------------------

const Seitenbeschreibung SAKiZiSeite =
    AusTafel("TF_SAKiZi", &Seitenrechnen<&KirchensteuerRechnen>, KirchensteuerEinrichten);

// --- Verlustabzug, Verlustrücktrag ---------------------------------------------------------

const Seitenbeschreibung SAVaVrSeite = AusTafel("TF_SAVaVr", nullptr, VerlustEinrichten);

namespace {

// A wage-card sum shown as a field, never typed into and never stored.
BetragFeld* Anzeigefeld(const QString& name) {
    auto* f = new BetragFeld;
    f->setObjectName(name);
    f->SetzeMaske(QString::fromLatin1(GanzeDM));
    Ergebnisfeld(f);
    return f;
}

// Turns the heading row `text` of `reiter` into a row of two shown fields.
void AnzeigeZeile(TForm11& s, const QString& reiter, const char* text, BetragFeld* er,
                  BetragFeld* sie) {
    QLabel* l = Kopflabel(s, reiter, QString::fromUtf8(text));
    const int zeile = InSpalte(l, 0);  // no longer across the row
    if (zeile < 0) return;
    auto* lay = static_cast<QGridLayout*>(l->parentWidget()->layout());
    lay->addWidget(er, zeile, 2);
    lay->addWidget(sie, zeile, 4);
}

}  // namespace

// --- TF_SAVers -----------------------------------------------------------------------------------

TF_SAVers::TF_SAVers(Seitenumgebung& u, QWidget* eltern)
    : TForm11(u, SAVersSeite, 0, 1, eltern) {
    const QString gesetzlich = QStringLiteral("&Gesetzliche");
    for (int p = 0; p < 2; ++p) {
        const QString wer = p == 0 ? QStringLiteral("Stpfl") : QStringLiteral("Eheg");
        anteil_[p] = Anzeigefeld(QStringLiteral("AnAnteil") + wer);
        anteilAb_[p] = Anzeigefeld(QStringLiteral("AnAnteilAb") + wer);
    }
    AnzeigeZeile(*this, gesetzlich, AnteilText, anteil_[0], anteil_[1]);
    AnzeigeZeile(*this, gesetzlich, AnteilAbText, anteilAb_[0], anteilAb_[1]);
    QLabel* eheg = Kopflabel(*this, gesetzlich, QStringLiteral("Ehegatte"));
    if (eheg) eheg->setObjectName(QStringLiteral("EhegLbl"));
    EhegattenFelder({anteil_[1], anteilAb_[1]});
    EhegattenLabels({eheg});
    KeinUmbruch(*this, gesetzlich);
    // Whole DM need less than the mask's width, and the two columns must fit.
    for (BetragFeld* f : Reiter(gesetzlich)->findChildren<BetragFeld*>()) f->setFixedWidth(78);
}

void TF_SAVers::DatenLaden() {
    TForm11::DatenLaden();
    for (int p = 1; p <= 2; ++p) {
        anteil_[p - 1]->SetzeWert(LohnkartenSumme(Satz(), Feld::AnTeilSoVer, p));
        anteilAb_[p - 1]->SetzeWert(LohnkartenSumme(Satz(), Feld::AgZuKV, p));
    }
}

}  // namespace quarnel::gui
