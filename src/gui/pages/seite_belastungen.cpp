// The extraordinary-burden pages of area 13: disabled and surviving
// dependants, household help and care home, home care, support of needy
// persons with the income page of each, and the other burdens.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <algorithm>
#include <cstring>
#include <vector>

#include "calc/betrag.h"
#include "pages/belastungen.h"
#include "pages/kinder.h"
#include "pages/seiten.h"
#include "pages/seite_belastungen.h"
#include "pages/seite_sonderausgaben2.h"
#include "pages/seitenzustand.h"
#include "pages/sonderausgaben.h"
#include "widgets/maskenfeld.h"
#include "widgets/zugang.h"

namespace quarnel::gui {

namespace {

constexpr const char* Standard = "iii,iii.ii";

// The eight persons of the disability record: object-name endings and row captions.
constexpr const char* Endung[8] = {"Stpfl", "Eheg", "Ki1", "Ki2", "Ki3", "Ki4", "Ki5", "Ki6"};

QString WerText(int person) {
    return person == 1   ? QStringLiteral("Steuerpflichtiger")
           : person == 2 ? QStringLiteral("Ehegatte")
                         : QStringLiteral("%1. Kind").arg(person - 2);
}

QString Vorname(const CaseRecord& r, int person) {
    const std::string n = person == 1   ? r.TextUtf8(Feld::StpflVorname)
                          : person == 2 ? r.TextUtf8(Feld::EhegVorname)
                                        : r.TextUtf8(Feld::Vorname, person - 2);
    return QString::fromStdString(n).trimmed();
}

// A read-only amount bound to one element of a field, shown as the page's results are.
BetragFeld* Anzeigefeld(TForm11& s, Feld f, int element, const QString& name,
                        const char* maske) {
    auto* b = new BetragFeld;
    b->setObjectName(name);
    b->SetzeMaske(QString::fromLatin1(maske));
    b->setFixedWidth(16 + 7 * static_cast<int>(std::strlen(maske)));
    Ergebnisfeld(b);
    b->setProperty("hilfeNummer", int(Def(f).nr));
    Bindung bi;
    bi.feld = f;
    bi.element = element;
    bi.steuer = b;
    bi.nurLesen = true;
    s.Bindungen().push_back(bi);
    return b;
}

// Puts `oben` above what the builder laid out on a tab.
void Oberhalb(TForm11& s, const QString& reiter, QWidget* oben) {
    QWidget* alt = s.Reiter(reiter);
    auto* rollen = qobject_cast<QScrollArea*>(alt ? alt->parentWidget()->parentWidget() : nullptr);
    if (!rollen) return;
    rollen->takeWidget();
    auto* neu = new QWidget;
    auto* v = new QVBoxLayout(neu);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(oben);
    v->addWidget(alt, 1);
    rollen->setWidget(neu);
}

QGridLayout* Gitter(TForm11& s, const QString& reiter) {
    QWidget* w = s.Reiter(reiter);
    return w ? qobject_cast<QGridLayout*>(w->layout()) : nullptr;
}

// Where a widget stands in its grid (row -1 when it is in none).
struct Platz {
    QGridLayout* gitter = nullptr;
    int zeile = -1, spalte = 0, hoehe = 0, breite = 0;
};
Platz PlatzVon(QWidget* w) {
    Platz p;
    p.gitter = w && w->parentWidget() ? qobject_cast<QGridLayout*>(w->parentWidget()->layout())
                                      : nullptr;
    const int i = p.gitter ? p.gitter->indexOf(w) : -1;
    if (i >= 0) p.gitter->getItemPosition(i, &p.zeile, &p.spalte, &p.hoehe, &p.breite);
    return p;
}

// A row whose leading check box carries a long caption: the box across the
// whole row, its other controls indented below it, so that the field columns
// stay narrow.
void ZeileZusammenfassen(QWidget* erstes) {
    const Platz p = PlatzVon(erstes);
    if (p.zeile < 0) return;
    std::vector<QWidget*> teile;
    for (int k = 0; k < p.gitter->columnCount(); ++k)
        if (QLayoutItem* it = p.gitter->itemAtPosition(p.zeile, k); it && it->widget() &&
            std::find(teile.begin(), teile.end(), it->widget()) == teile.end())
            teile.push_back(it->widget());
    auto* zeile = new QWidget;
    auto* v = new QVBoxLayout(zeile);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    auto* h = new QHBoxLayout;
    h->setContentsMargins(22, 0, 0, 0);
    for (QWidget* w : teile) {
        p.gitter->removeWidget(w);
        if (w == erstes)
            v->addWidget(w);
        else
            h->addWidget(w);
    }
    h->addStretch(1);
    v->addLayout(h);
    p.gitter->addWidget(zeile, p.zeile, 0, 1, -1);
}

QPushButton* Knopf(TForm11& s, const QString& name) {
    return s.findChild<QPushButton*>(name);
}

// Opens a subordinate page of a burden page: the disability of a person,
// the income of a supported person.
void UnterseiteNachSpeichern(TForm11& seite, TForm11* unterseite) {
    if (!seite.OffeneEingabeUebernehmen()) {
        delete unterseite;
        return;
    }
    SeitenzustandGlobal().unterseite = Unterseite::BehinderungVonPersonen;
    seite.UnterseiteOeffnen(unterseite);
}

// Support: the income page of each supported person behind its button.
void UnterstuetzungEinrichten(TForm11& s) {
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    for (Feld f : {Feld::GebDatP1, Feld::GebDatP2, Feld::GebDatP3})
        s.Datumsbereich(f, ab1900, LetzterTagSteuerjahr);
    for (int p = 1; p <= 3; ++p)
        if (QPushButton* b = Knopf(s, QStringLiteral("RechBtnP%1").arg(p)))
            QObject::connect(b, &QPushButton::clicked, &s, [&s, p] {
                UnterseiteNachSpeichern(s, new TF_AbEink(s.Umgebung(), p));
            });
    for (Feld f : {Feld::OeffMitCBP1, Feld::OeffMitCBP2, Feld::OeffMitCBP3, Feld::AndHHCBP1,
                   Feld::AndHHCBP2, Feld::AndHHCBP3})
        ZeileZusammenfassen(s.Steuer(f));
    for (Feld f : {Feld::LebtMitP1, Feld::LebtMitP2, Feld::LebtMitP3})
        if (QWidget* w = s.Steuer(f)) w->setMinimumWidth(200);
}

// Other burdens: the kinds of burden wide enough to read.
void AndereEinrichten(TForm11& s) {
    for (Feld f : {Feld::AbAndere_Art1, Feld::AbAndere_Art2})
        if (QWidget* w = s.Steuer(f)) w->setMinimumWidth(140);
}

}  // namespace

// --- descriptors ------------------------------------------------------------------------

constexpr const char* Hinterbliebene = "Hinter&bliebene";
const Seitenbeschreibung AbBeHiSeite =
    AusTafel("TF_AbBeHi", &Seitenrechnen<&BehindertenSeiteRechnen>);

const Seitenbeschreibung AbHiHeimSeite = AusTafel("TF_AbHiHeim", &Seitenrechnen<&HeimRechnen>);

const Seitenbeschreibung ABHPflegSeite = AusTafel("TF_ABHPfleg", &Seitenrechnen<&PflegeRechnen>);

// The check boxes of a supported person, each on its own row.
#define AB_PERSON_ZEILEN(n)                                              \
    {"&" #n ". Person", nullptr, "AnspKiFbCBP" #n},                      \
        {"&" #n ". Person", nullptr, "UnBerCBP" #n},                     \
        {"&" #n ". Person", nullptr, "OeffMitCBP" #n " OeffMittGekUmP" #n}, \
        {"&" #n ". Person", nullptr, "KiMuKiVaCBP" #n},                  \
        {"&" #n ". Person", nullptr, "InMeinHHCBP" #n},                  \
        {"&" #n ". Person", nullptr, "AndHHCBP" #n " LebtMitP" #n}

#undef AB_PERSON_ZEILEN

const Seitenbeschreibung AbUntBeSeite =
    AusTafel("TF_AbUntBe", &Seitenrechnen<&UnterstuetzungsSeiteRechnen>, UnterstuetzungEinrichten);

constexpr const char* Bezuege = "&Einkünfte/Bezüge";
const Seitenbeschreibung AbEinkSeite = AusTafel("TF_AbEink", &Seitenrechnen<&UnterhaltRechnen>);

const Seitenbeschreibung AbAndereSeite =
    AusTafel("TF_AbAndere", &Seitenrechnen<&AndereBelastungenRechnen>, AndereEinrichten);

// --- TF_AbBeHi ---------------------------------------------------------------------------

TF_AbBeHi::TF_AbBeHi(Seitenumgebung& u, QWidget* eltern) : TForm11(u, AbBeHiSeite, 0, 0, eltern) {
    SeitenzustandGlobal().rueckkehr = false;
    auto* tabelle = new QWidget;
    auto* g = new QGridLayout(tabelle);
    g->setContentsMargins(6, 6, 6, 0);
    g->setHorizontalSpacing(6);
    auto kopf = [&](const QString& t, int spalte) {
        auto* l = new QLabel(t);
        l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        g->addWidget(l, 0, spalte);
    };
    kopf(QStringLiteral("Vorname"), 1);
    kopf(QStringLiteral("Pauschbetrag"), 3);
    kopf(QStringLiteral("beantragen"), 4);
    for (int i = 1; i <= 8; ++i) {
        const QString e = QString::fromLatin1(Endung[i - 1]);
        behWer_[i - 1] = new QLabel(WerText(i));
        behWer_[i - 1]->setObjectName(QStringLiteral("Beh") + e + QStringLiteral("Lbl"));
        behNamen_[i - 1] = new QLabel;
        behNamen_[i - 1]->setObjectName(QStringLiteral("Beh") + e);
        behNamen_[i - 1]->setTextFormat(Qt::PlainText);
        behNamen_[i - 1]->setMinimumWidth(90);
        knoepfe_[i - 1] = new QPushButton(QStringLiteral("...."));
        knoepfe_[i - 1]->setObjectName(QStringLiteral("BehBtn") + e);
        knoepfe_[i - 1]->setFixedWidth(36);
        knoepfe_[i - 1]->setProperty("hilfeNummer", 1102);
        connect(knoepfe_[i - 1], &QPushButton::clicked, this, [this, i] { BehinderungBtnClick(i); });
        pauschbetrag_[i - 1] = Anzeigefeld(*this, Feld::BehPauschBetrag, i,
                                           QStringLiteral("BehPb") + e, "iii,iii");
        auto* k = new QCheckBox(QStringLiteral("ja"));
        k->setObjectName(QStringLiteral("BehAnt") + e + QStringLiteral("CB"));
        k->setProperty("hilfeNummer", 1104);
        antrag_[i - 1] = k;
        Bindung bi;
        bi.feld = Feld::BehAntrag;
        bi.element = i;
        bi.steuer = k;
        Bindungen().push_back(bi);
        FeldAnschliessen(k);
        g->addWidget(behWer_[i - 1], i, 0);
        g->addWidget(behNamen_[i - 1], i, 1);
        g->addWidget(knoepfe_[i - 1], i, 2);
        g->addWidget(pauschbetrag_[i - 1], i, 3);
        g->addWidget(k, i, 4);
    }
    // The total below the column of the amounts it adds.
    if (QWidget* insg = Steuer(Feld::BehPauschInsg)) {
        QWidget* l = findChild<QLabel*>(QStringLiteral("BehPauschInsgLbl"));
        for (QWidget* w : {insg, l})
            if (const Platz p = PlatzVon(w); p.gitter) p.gitter->removeWidget(w);
        if (l) g->addWidget(l, 9, 0, 1, 3);
        g->addWidget(insg, 9, 3);
    }
    g->setColumnMinimumWidth(0, 120);
    g->setColumnStretch(5, 1);
    Oberhalb(*this, QStringLiteral("&Behinderte"), tabelle);

    // The first names on the survivors' tab, beside the row captions.
    QGridLayout* h = Gitter(*this, QString::fromUtf8(Hinterbliebene));
    for (int i = 1; i <= 8; ++i) {
        hiNamen_[i - 1] = new QLabel;
        hiNamen_[i - 1]->setTextFormat(Qt::PlainText);
        hiNamen_[i - 1]->setObjectName(QStringLiteral("Hi") + QString::fromLatin1(Endung[i - 1]));
        hiNamen_[i - 1]->setMinimumWidth(110);
        auto* l = findChild<QLabel*>(QStringLiteral("HiAnt") + QString::fromLatin1(Endung[i - 1]) +
                                     QStringLiteral("CBLbl"));
        const int pos = h && l ? h->indexOf(l) : -1;
        if (pos < 0) continue;
        int zeile = 0, spalte = 0, hoehe = 0, breite = 0;
        h->getItemPosition(pos, &zeile, &spalte, &hoehe, &breite);
        h->addWidget(hiNamen_[i - 1], zeile, 1);
    }
    if (h) h->setColumnMinimumWidth(0, 150);
    if (auto* l = findChild<QLabel*>(QStringLiteral("HiPauschbetragInsgLbl"))) {
        const Platz p = PlatzVon(l);
        if (p.gitter) p.gitter->addWidget(l, p.zeile, 0, 1, 2);
    }
    for (Feld f : {Feld::HiProzKi1, Feld::HiProzKi2, Feld::HiProzKi3, Feld::HiProzKi4,
                   Feld::HiProzKi5, Feld::HiProzKi6})
        if (QWidget* w = Steuer(f)) {
            w->setToolTip(QStringLiteral("Eingabebereich von 0%  bis 100%"));
            w->setStatusTip(w->toolTip());
        }
}

void TF_AbBeHi::FormShow() {
    // The children's allowances decide which rows count: current before the first load.
    KinderUndBehinderteRechnen(Satz());
    TForm11::FormShow();
}

void TF_AbBeHi::FormActivate() {
    if (!ersteAktivierung_) SeitenzustandGlobal().rueckkehr = false;
    TForm11::FormActivate();
}

void TF_AbBeHi::DatenLaden() {
    TForm11::DatenLaden();
    const CaseRecord& r = Satz();
    for (int i = 1; i <= 8; ++i) {
        behNamen_[i - 1]->setText(Vorname(r, i));
        hiNamen_[i - 1]->setText(Vorname(r, i));
    }
    Freigaben();
}

void TF_AbBeHi::Freigaben() {
    const CaseRecord& r = Satz();
    const bool grund = r.Bool(Feld::Grundtabelle);
    knoepfe_[1]->setEnabled(!grund);
    antrag_[1]->setEnabled(!grund);
    Steuer(Feld::HiAntEhegCB)->setEnabled(!grund);
    GrauKursiv(behWer_[1], grund);
    GrauKursiv(findChild<QLabel*>(QStringLiteral("HiAntEhegCBLbl")), grund);
    constexpr Feld hiAnt[] = {Feld::HiAntKi1CB, Feld::HiAntKi2CB, Feld::HiAntKi3CB,
                              Feld::HiAntKi4CB, Feld::HiAntKi5CB, Feld::HiAntKi6CB};
    constexpr Feld hiProz[] = {Feld::HiProzKi1, Feld::HiProzKi2, Feld::HiProzKi3,
                               Feld::HiProzKi4, Feld::HiProzKi5, Feld::HiProzKi6};
    for (int k = 1; k <= 6; ++k) {
        const bool mit = KindHatFreibetraege(r, k);
        knoepfe_[k + 1]->setEnabled(mit);
        antrag_[k + 1]->setEnabled(mit);
        Steuer(hiAnt[k - 1])->setEnabled(mit);
        Steuer(hiProz[k - 1])->setEnabled(mit);
        GrauKursiv(behWer_[k + 1], !mit);
        GrauKursiv(findChild<QLabel*>(QStringLiteral("HiAntKi%1CBLbl").arg(k)), !mit);
    }
}

void TF_AbBeHi::BehinderungBtnClick(int person) {
    if (person < 1 || person > 8) return;
    SeitenzustandGlobal().behinderungAufruf = static_cast<uint8_t>(person);
    UnterseiteNachSpeichern(*this, new TF_BehindN(umgebung_, person));
}

// --- TF_AbHiHeim -------------------------------------------------------------------------

TF_AbHiHeim::TF_AbHiHeim(Seitenumgebung& u, QWidget* eltern)
    : TForm11(u, AbHiHeimSeite, 0, 0, eltern) {
    QGridLayout* g = Gitter(*this, QStringLiteral("Haushaltshil&fe"));
    g->setRowStretch(0, 0);
    g->addWidget(new QLabel(QStringLiteral("Warum wurde eine Haushaltshilfe beschäftigt?")), 0, 0);
    auto* knopf = new QPushButton(QStringLiteral("Gründe ...."));
    knopf->setObjectName(QStringLiteral("HausHiBtn"));
    connect(knopf, &QPushButton::clicked, this, &TF_AbHiHeim::HausHiBtnClick);
    g->addWidget(knopf, 0, 2, Qt::AlignLeft);

    auto* gruppe = new QGroupBox(QStringLiteral("Ergebnis"));
    auto* e = new QGridLayout(gruppe);
    auto* tat = new QLabel(QStringLiteral("tatsächlich"));
    auto* ansatz = new QLabel(QStringLiteral("Ihr Ansatz"));
    tat->setAlignment(Qt::AlignRight);
    ansatz->setAlignment(Qt::AlignRight);
    e->addWidget(tat, 0, 1);
    e->addWidget(ansatz, 0, 2);
    e->addWidget(new QLabel(QStringLiteral("- ( Sonderausgaben )")), 1, 0);
    e->addWidget(new QLabel(QStringLiteral("- außergewöhnliche Belastungen")), 2, 0);
    e->addWidget(Anzeigefeld(*this, Feld::SATat, 1, QStringLiteral("SATat"), Standard), 1, 1);
    e->addWidget(Anzeigefeld(*this, Feld::SaAnsatz, 1, QStringLiteral("SaAnsatz"), Standard), 1, 2);
    e->addWidget(Anzeigefeld(*this, Feld::AbTat, 1, QStringLiteral("AbTat"), Standard), 2, 1);
    e->addWidget(Anzeigefeld(*this, Feld::AbAnsatz, 1, QStringLiteral("AbAnsatz"), Standard), 2, 2);
    e->setColumnStretch(0, 1);
    g->addWidget(gruppe, 1, 0, 1, 4);
    g->setRowStretch(2, 1);
    g->setColumnStretch(3, 1);

    Zeitraum(Feld::HeimVom, Feld::HeimBis, ErsterTagSteuerjahr, LetzterTagSteuerjahr);
}

void TF_AbHiHeim::DatenLaden() {
    // The household-help results as the application computed them.
    HaushaltshilfeErgebnisUebernehmen(Satz());
    TForm11::DatenLaden();
}

void TF_AbHiHeim::HausHiBtnClick() {
    TF_HausHi::Oeffnen(*this, TF_HausHi::Aufruf::Belastung);
}

// --- TF_AbEink ---------------------------------------------------------------------------

TF_AbEink::TF_AbEink(Seitenumgebung& u, int person, QWidget* eltern)
    : TForm11(u, AbEinkSeite, person < 1 || person > 3 ? 1 : person,
              person < 1 || person > 3 ? 1 : person, eltern) {
    umgebung_.SetzeHilfeseite(570);
    if (QGridLayout* g = Gitter(*this, QString::fromUtf8(Bezuege))) {
        zeitInLbl_ = new QLabel;
        zeitInLbl_->setObjectName(QStringLiteral("ZeitInLbl"));
        g->addWidget(zeitInLbl_, 0, 0);
    }
    personPanel_ = new QLabel;
    personPanel_->setObjectName(QStringLiteral("PersonPanel"));
    personPanel_->setFrameShape(QFrame::Panel);
    personPanel_->setFrameShadow(QFrame::Sunken);
    personPanel_->setMargin(4);
    QFont f = personPanel_->font();
    f.setBold(true);
    personPanel_->setFont(f);
    Oberhalb(*this, QStringLiteral("&Grundlage"), personPanel_);
    if (QPushButton* b = Knopf(*this, QStringLiteral("OkBtn"))) {
        b->setToolTip(QStringLiteral("Bestätigung der\nEingabe"));
        connect(b, &QPushButton::clicked, this, &TForm11::Schliessen);
    }
    Zeitraum(Feld::AufwVom, Feld::AufwBis, ErsterTagSteuerjahr, LetzterTagSteuerjahr);
    OvcNb()->setCurrentIndex(1);
}

void TF_AbEink::FormShow() {
    TForm11::FormShow();
    personPanel_->setText(QStringLiteral("%1. Person").arg(instanz_));
}

void TF_AbEink::DatenLaden() {
    TForm11::DatenLaden();
    const CaseRecord& r = Satz();
    const int32_t vom = r.Int(Feld::AufwVom, instanz_), bis = r.Int(Feld::AufwBis, instanz_);
    const bool zeit = vom != KeinDatum && bis != KeinDatum;
    OvcNb()->setTabEnabled(ReiterIndex(QString::fromUtf8(Bezuege)), zeit);
    if (zeitInLbl_) zeitInLbl_->setText(QString::fromStdString(MonatsSpanneText(vom, bis)));
}

void TF_AbEink::FormClose() {
    SeitenzustandGlobal().unterseite = Unterseite::Keine;
    umgebung_.SetzeHilfeseite(999);
    TForm11::FormClose();
}

}  // namespace quarnel::gui
