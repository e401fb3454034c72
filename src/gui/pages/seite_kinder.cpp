// The children page, the education-allowance page, the overview of the
// education allowances and the disability page.
#include <QAbstractButton>
#include <QGridLayout>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>

#include "calc/betrag.h"
#include "pages/eingabefolgen.h"
#include "pages/kinder.h"
#include "pages/seiten.h"
#include "pages/seitenzustand.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"
#include "widgets/zugang.h"

namespace quarnel::gui {

namespace {

QString U(const std::string& s) {
    return QString::fromStdString(s);
}

QString Dm(double x) {
    return BetragAnzeigen(Bildmaske::Lesen(QStringLiteral("iii,iii.ii")), x) +
           QStringLiteral(" DM");
}

// A result label on the first tab, right-aligned beside its caption.
QLabel* Ergebniszeile(TForm11& s, const QString& text, const QString& name) {
    auto* info = s.OvcNb()->widget(0);
    auto* lay = static_cast<QBoxLayout*>(info->layout());
    auto* zeile = new QWidget(info);
    auto* g = new QHBoxLayout(zeile);
    g->setContentsMargins(0, 0, 0, 0);
    g->addWidget(new QLabel(text, zeile), 1);
    auto* wert = new QLabel(zeile);
    wert->setObjectName(name);
    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wert->setMinimumWidth(110);
    g->addWidget(wert);
    lay->insertWidget(lay->count() - 1, zeile);
    return wert;
}

}  // namespace

// The income of the period: amounts, never negative.
constexpr const char* Einkommen[] = {
    "BruttoIn", "BruttoAus", "WerbkIn", "WerbKAus", "KapitalIn", "KapitalAus",
    "KapitalWkIn", "KapitalWkAus", "RentenIn", "RentenAus", "UebrigeEkIn", "UebrigeEkAus",
    "AusBeihIn", "AusBeihAus", "UebrigeBezIn", "UebrigeBezAus", "BezAufwendIn", "BezAufwendAus",
};

const Seitenbeschreibung KindSeite = AusTafel("TF_Kind");

const Seitenbeschreibung AusbildSeite = AusTafel("TF_Ausbild");

const Seitenbeschreibung BehindNSeite = AusTafel("TF_BehindN");

namespace {

QString KindText(int kind) {
    return QStringLiteral("%1. Kind").arg(kind);
}

}  // namespace

// --- TF_Kind ---------------------------------------------------------------------------------

TF_Kind::TF_Kind(Seitenumgebung& u, int kind, QWidget* eltern)
    : TForm11(u, kind < 1 || kind > 6 ? 1 : kind, eltern) {
    setObjectName(QStringLiteral("TF_Kind"));
    SeiteAufbauen(*this, KindSeite, instanz_);
    kinderFbLbl_ = Ergebniszeile(*this, QStringLiteral("Kinderfreibetrag"),
                                 QStringLiteral("KinderFbLbl"));
    betreuFbLbl_ = Ergebniszeile(*this, QStringLiteral("Betreuungsfreibetrag"),
                                 QStringLiteral("BetreuFbLbl"));
    haushaltFbLbl_ = Ergebniszeile(*this, QStringLiteral("Haushaltsfreibetrag"),
                                   QStringLiteral("HaushaltFbLbl"));
    Ergebniszeile(*this, QStringLiteral("Ausbildungsfreibetrag"), QStringLiteral("AusbildFbLbl"));
    behPbKind_ = Ergebniszeile(*this, QStringLiteral("Behinderten-Pauschbetrag"),
                               QStringLiteral("BehPbKind"));
    if (QWidget* e = Reiter(QStringLiteral("&Einkommen"))) {
        zeitInLbl_ = new QLabel(e);
        zeitInLbl_->setObjectName(QStringLiteral("ZeitInLbl"));
        static_cast<QGridLayout*>(e->layout())->addWidget(zeitInLbl_, 0, 0);
    }
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    for (Feld f : {Feld::GebAm, Feld::KiIstVerhSeit, Feld::KindschaftWpTodAm})
        Datumsbereich(f, ab1900, LetzterTagSteuerjahr);
    Zeitraum(Feld::WehrdienstVom, Feld::WehrdienstBis, ab1900, LetzterTagSteuerjahr);
    for (auto [von, bis] : {std::pair{Feld::BesonderheitVom, Feld::BesonderheitBis},
                            {Feld::InlandVom, Feld::InlandBis},
                            {Feld::AuslandVom, Feld::AuslandBis},
                            {Feld::KindschaftWpVom, Feld::KindschaftWpBis},
                            {Feld::AntragKiFbWgAuslVom, Feld::AntragKiFbWgAuslBis}})
        Zeitraum(von, bis, ErsterTagSteuerjahr, LetzterTagSteuerjahr);
    if (auto* b = findChild<QPushButton*>(QStringLiteral("KindBehinderungBtn")))
        connect(b, &QPushButton::clicked, this, &TF_Kind::BehinderungOeffnen);
    if (auto* b = findChild<QPushButton*>(QStringLiteral("KindAusbildBtn")))
        connect(b, &QPushButton::clicked, this, &TF_Kind::AusbildungOeffnen);
    connect(OvcNb(), &QTabWidget::currentChanged, this, &TF_Kind::Blatt);
    OvcNb()->setCurrentIndex(0);
}

void TF_Kind::FormShow() {
    // The change handlers run while the fields are filled: the case stays as it was.
    const bool veraendert = umgebung_.FallVeraendert();
    TForm11::FormShow();
    InfoTitelLbl()->setText(QStringLiteral("Angaben zum ") + KindText(instanz_));
    KopfPnl()->setText(QStringLiteral(" ") + InfoTitelLbl()->text());
    const bool splitting = Satz().Bool(Feld::Splitting);
    if (QWidget* l = findChild<QWidget*>(QStringLiteral("KindschaftZuEhefrauLBLbl")))
        l->setVisible(splitting);
    Steuer(Feld::KindschaftZuEhefrauLB)->setVisible(splitting);
    KindschaftLBChange();
    umgebung_.SetzeFallVeraendert(veraendert);
    Blatt();
    AnzeigeRechnen();
}

void TF_Kind::FormActivate() {
    const bool erste = ersteAktivierung_;
    TForm11::FormActivate();
    if (erste) return;
    // Back from the disability or the education page.
    if (letzterKnopf_) letzterKnopf_->setFocus();
    AnzeigeRechnen();
}

void TF_Kind::Blatt() {
    const QString t = OvcNb()->tabText(OvcNb()->currentIndex());
    int blatt = (ReiterGleich(t, QStringLiteral("&Kindschaft")) || ReiterGleich(t, QStringLiteral("&Wohnung")) ||
                 ReiterGleich(t, QStringLiteral("&Einkommen")))
                    ? 22
                    : 21;
    if (instanz_ >= 5) blatt += 2;
    umgebung_.SetzeFormularblatt(blatt);
}

void TF_Kind::DatenSpeichern() {
    TForm11::DatenSpeichern();
    CaseRecord& r = Satz();
    AusbildungsFbRechnen(r, instanz_);
    KindRechnen(r, instanz_);
}

void TF_Kind::AnzeigeRechnen() {
    if (!geladen_ || rechnet_) return;
    rechnet_ = true;
    DatenSpeichern();
    CaseRecord& r = Satz();
    const int i = instanz_;
    const bool geboren = r.Int(Feld::GebAm, i) != KeinDatum;
    OvcNb()->setTabEnabled(ReiterIndex(QStringLiteral("&Besonderh.")), geboren);
    if (!geboren) {
        r.SetzeInt(Feld::BesonderheitVom, KeinDatum, i);
        r.SetzeInt(Feld::BesonderheitBis, KeinDatum, i);
    }
    if (auto* b = findChild<QPushButton*>(QStringLiteral("KindAusbildBtn")))
        b->setEnabled(geboren);
    const int32_t vom = r.Int(Feld::BesonderheitVom, i), bis = r.Int(Feld::BesonderheitBis, i);
    OvcNb()->setTabEnabled(ReiterIndex(QStringLiteral("&Einkommen")),
                           vom != KeinDatum && bis != KeinDatum);
    if (zeitInLbl_) zeitInLbl_->setText(U(MonatsSpanneText(vom, bis)));
    DatenSpeichern();
    DatenLaden();
    kinderFbLbl_->setText(Dm(r.Dbl(Feld::KindKiFbJahr, i)));
    betreuFbLbl_->setText(Dm(r.Dbl(Feld::KindBetrFbJahr, i)));
    haushaltFbLbl_->setText(r.Bool(Feld::Grundtabelle) && r.Bool(Feld::KindHhFbMoeglich, i)
                                ? QStringLiteral("möglich")
                                : QStringLiteral("nicht möglich"));
    findChild<QLabel*>(QStringLiteral("AusbildFbLbl"))->setText(Dm(r.Dbl(Feld::AusbildFbLbl, i)));
    behPbKind_->setText(Dm(r.Dbl(Feld::BehPauschBetrag, 2 + i)));
    rechnet_ = false;
}

void TF_Kind::KindschaftLBChange() {
    const CaseRecord& r = Satz();
    constexpr int Pflegekind = 3;
    const bool pflege = Liste(Feld::KindschaftZuEhemannLB)->Index() == Pflegekind ||
                        (Liste(Feld::KindschaftZuEhefrauLB)->Index() == Pflegekind &&
                         r.Bool(Feld::Splitting));
    Steuer(Feld::ErhUnterh)->setVisible(pflege);
    if (QWidget* l = findChild<QWidget*>(QStringLiteral("ErhUnterhLbl"))) l->setVisible(pflege);
}

void TF_Kind::FeldVerlassen(QWidget* w) {
    const int i = instanz_;
    CaseRecord& r = Satz();
    if (w == Steuer(Feld::UebertrageKiFbCB) && Kasten(Feld::UebertrageKiFbCB)->isChecked())
        CnoC(Kasten(Feld::KiFbUebertragGosseltCB), false);
    if (w == Steuer(Feld::KiFbUebertragGosseltCB) &&
        Kasten(Feld::KiFbUebertragGosseltCB)->isChecked())
        CnoC(Kasten(Feld::UebertrageKiFbCB), false);
    for (Feld b : {Feld::BesHeit_1, Feld::BesHeit_2, Feld::BesHeit_3, Feld::BesHeit_4,
                   Feld::BesHeit_5, Feld::BesHeit_6, Feld::BesHeit_7, Feld::BesHeit_8})
        if (w == Steuer(b) && Kasten(b)->isChecked() &&
            Datum(Feld::BesonderheitVom)->Wert() == KeinDatum) {
            Datum(Feld::BesonderheitVom)->SetzeWert(ErsterTagSteuerjahr);
            Datum(Feld::BesonderheitBis)->SetzeWert(LetzterTagSteuerjahr);
        }
    if (w == Steuer(Feld::KindschaftZuEhemannLB) || w == Steuer(Feld::KindschaftZuEhefrauLB))
        KindschaftLBChange();
    AnzeigeRechnen();
    if (w == Steuer(Feld::GebAm)) {
        const std::string hinweis = EingabeFolgen(r, Feld::GebAm, i);
        if (!hinweis.empty()) {
            umgebung_.Meldungsdienst().Zeige(MeldungsTyp::Information, hinweis, KnopfOK);
            KompChange();
            DatenLaden();
            KindschaftLBChange();
            AnzeigeRechnen();
        }
    }
}

void TF_Kind::BehinderungOeffnen() {
    AnzeigeRechnen();
    letzterKnopf_ = findChild<QWidget*>(QStringLiteral("KindBehinderungBtn"));
    Seitenzustand& z = SeitenzustandGlobal();
    z.behinderungAufruf = static_cast<uint8_t>(2 + instanz_);
    z.unterseite = Unterseite::BehinderungVonKindern;
    UnterseiteOeffnen(new TF_BehindN(umgebung_, 2 + instanz_));
}

void TF_Kind::AusbildungOeffnen() {
    AnzeigeRechnen();
    umgebung_.SetzeFormularblatt(instanz_ >= 5 ? 24 : 22);
    letzterKnopf_ = findChild<QWidget*>(QStringLiteral("KindAusbildBtn"));
    Seitenzustand& z = SeitenzustandGlobal();
    z.ausbildungAufruf = static_cast<uint8_t>(instanz_);
    z.unterseite = Unterseite::Ausbildung;
    UnterseiteOeffnen(new TF_Ausbild(umgebung_, instanz_));
}

// --- TF_Ausbild ---------------------------------------------------------------------------

TF_Ausbild::TF_Ausbild(Seitenumgebung& u, int kind, QWidget* eltern)
    : TForm11(u, kind < 1 || kind > 6 ? 1 : kind, eltern) {
    setObjectName(QStringLiteral("TF_Ausbild"));
    umgebung_.SetzeHilfeseite(502);
    SeiteAufbauen(*this, AusbildSeite, instanz_);
    QWidget* a = Reiter(QStringLiteral("Aus&bildung"));
    zeitraumLbl_ = new QLabel(a);
    zeitraumLbl_->setObjectName(QStringLiteral("AusbiFbMoeglLbl"));
    static_cast<QGridLayout*>(a->layout())->addWidget(zeitraumLbl_, 100, 0, 1, -1);
    if (QWidget* e = Reiter(QStringLiteral("&Einkünfte/Bezüge"))) {
        zeitInLbl_ = new QLabel(e);
        zeitInLbl_->setObjectName(QStringLiteral("ZeitInLbl"));
        static_cast<QGridLayout*>(e->layout())->addWidget(zeitInLbl_, 0, 0);
    }
    if (auto* b = findChild<QPushButton*>(QStringLiteral("OkBtn"))) {
        b->setToolTip(QStringLiteral("Bestätigung der\nEingabe"));
        connect(b, &QPushButton::clicked, this, &TForm11::Schliessen);
    }
    if (auto* b = findChild<QPushButton*>(QStringLiteral("UebernahmeBtn")))
        connect(b, &QPushButton::clicked, this, &TF_Ausbild::UebernahmeClick);
    Zeitraum(Feld::AusbildVom, Feld::AusbildBis, ErsterTagSteuerjahr, LetzterTagSteuerjahr);
    OvcNb()->setCurrentIndex(1);
}

void TF_Ausbild::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  Ausbildungsfreibetrag ") + KindText(instanz_));
    zeitraumLbl_->setText(U(AusbildungsZeitraumText(Satz(), instanz_)));
    AnzeigeRechnen();
}

void TF_Ausbild::DatumEnter(DatumFeld* d) {
    const int32_t vom = Datum(Feld::AusbildVom)->Wert(), bis = Datum(Feld::AusbildBis)->Wert();
    if (d == Datum(Feld::AuswaertsVom)) {
        DatumValidationEintrag(d, vom, bis);
    } else if (d == Datum(Feld::AuswaertsBis)) {
        DatumValidationEintrag(d, std::max(vom, Datum(Feld::AuswaertsVom)->Wert()), bis);
    } else {
        TForm11::DatumEnter(d);
    }
}

void TF_Ausbild::AnzeigeRechnen() {
    if (!geladen_ || rechnet_) return;
    rechnet_ = true;
    CaseRecord& r = Satz();
    const int i = instanz_;
    // a share typed here is the parents' own split and stays
    if (Betrag(Feld::Ausbild_AufteilungProz)->Wert() != r.Dbl(Feld::Ausbild_AufteilungProz, i))
        EingabeFolgen(r, Feld::Ausbild_AufteilungProz, i);
    DatenSpeichern();
    const bool zeit = r.Int(Feld::AusbildVom, i) != KeinDatum &&
                      r.Int(Feld::AusbildBis, i) != KeinDatum;
    if (!zeit) {
        r.SetzeInt(Feld::AuswaertsVom, KeinDatum, i);
        r.SetzeInt(Feld::AuswaertsBis, KeinDatum, i);
    }
    Steuer(Feld::AuswaertsVom)->setEnabled(zeit);
    Steuer(Feld::AuswaertsBis)->setEnabled(zeit);
    OvcNb()->setTabEnabled(ReiterIndex(QStringLiteral("&Einkünfte/Bezüge")), zeit);
    if (zeitInLbl_)
        zeitInLbl_->setText(U(MonatsSpanneText(r.Int(Feld::AusbildVom, i),
                                               r.Int(Feld::AusbildBis, i))));
    AusbildungsFbRechnen(r, i);
    DatenLaden();
    rechnet_ = false;
}

void TF_Ausbild::UebernahmeClick() {
    if (umgebung_.Meldungsdienst().Zeige(MeldungsTyp::Bestaetigung,
                                         "Übernahme der Einkommensangaben aus Register Kind?",
                                         KnopfJa | KnopfNein) != Antwort::Ja)
        return;
    DatenSpeichern();
    CaseRecord& r = Satz();
    for (const char* n : Einkommen) {
        const auto von = FeldNachId(std::string("Kind_") + n);
        const auto nach = FeldNachId(std::string("Ausbild_") + n);
        if (von && nach) r.SetzeDbl(*nach, r.Dbl(*von, instanz_), instanz_);
    }
    KompChange();
    DatenLaden();
    AnzeigeRechnen();
}

void TF_Ausbild::FormClose() {
    SeitenzustandGlobal().unterseite = Unterseite::Keine;
    TForm11::FormClose();
}

// --- TF_AbAusBi ------------------------------------------------------------------------------

TF_AbAusBi::TF_AbAusBi(Seitenumgebung& u, QWidget* eltern) : TForm11(u, 0, eltern) {
    setObjectName(QStringLiteral("TF_AbAusBi"));
    const QString titel = QStringLiteral("Außergewöhnliche Belastung, Ausbildungsfreibetrag  ");
    InfoTitelLbl()->setText(titel);
    KopfPnl()->setText(QStringLiteral("  ") + titel.trimmed());
    auto* seite = new QWidget;
    auto* g = new QGridLayout(seite);
    g->addWidget(new QLabel(QStringLiteral("Kind")), 0, 0);
    auto* kopf = new QLabel(QStringLiteral("Ausbildungsfreibetrag"));
    kopf->setAlignment(Qt::AlignRight);
    g->addWidget(kopf, 0, 1);
    for (int k = 0; k < 6; ++k) {
        namen_[k] = new QLabel;
        namen_[k]->setObjectName(QStringLiteral("HiKi%1").arg(k + 1));
        namen_[k]->setTextFormat(Qt::PlainText);
        betraege_[k] = new QLabel;
        betraege_[k]->setObjectName(QStringLiteral("AusbildFb%1").arg(k + 1));
        betraege_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(namen_[k], k + 1, 0);
        g->addWidget(betraege_[k], k + 1, 1);
    }
    g->setRowStretch(7, 1);
    g->setColumnStretch(0, 1);
    OvcNb()->addTab(seite, QStringLiteral("&Ausbildungsfreibetrag"));
}

void TF_AbAusBi::DatenLaden() {
    geladen_ = false;
    const CaseRecord& r = Satz();
    for (int k = 0; k < 6; ++k) {
        namen_[k]->setText(
            QStringLiteral("%1. ").arg(k + 1) +
            QString::fromStdString(r.TextUtf8(Feld::Vorname, k + 1)).trimmed());
        betraege_[k]->setText(Dm(r.Dbl(Feld::AusbildFbLbl, k + 1)));
    }
    geladen_ = true;
}

// --- TF_BehindN -------------------------------------------------------------------------------

TF_BehindN::TF_BehindN(Seitenumgebung& u, int person, QWidget* eltern)
    : TForm11(u, person < 1 || person > 8 ? 1 : person, eltern) {
    setObjectName(QStringLiteral("TF_BehindN"));
    Seitenzustand& z = SeitenzustandGlobal();
    umgebung_.SetzeHilfeseite(501);
    z.rueckkehr = true;
    gemerktesBlatt_ = umgebung_.Formularblatt();
    umgebung_.SetzeFormularblatt(14);
    SeiteAufbauen(*this, BehindNSeite, instanz_);
    if (auto* g = Betrag(Feld::GradBehinderung)) {
        g->setToolTip(QStringLiteral("Eingabebereich von 0%  bis 100%"));
        g->setStatusTip(g->toolTip());
    }
    if (auto* b = findChild<QPushButton*>(QStringLiteral("OkBtn"))) {
        b->setToolTip(QStringLiteral("Bestätigung der\nEingabe"));
        connect(b, &QPushButton::clicked, this, &TForm11::Schliessen);
    }
    Datumsbereich(Feld::NachweisAusDat, TagesNummer(1990, 1, 1), LetzterTagSteuerjahr);
    Datumsbereich(Feld::NachWbefBis, ErsterTagSteuerjahr, TagesNummer(2011, 12, 31));
    OvcNb()->setCurrentIndex(1);
}

void TF_BehindN::FormShow() {
    TForm11::FormShow();
    const QString wer = instanz_ == 1   ? QStringLiteral("Steuerpflichtiger")
                        : instanz_ == 2 ? QStringLiteral("Ehegatte")
                                        : KindText(instanz_ - 2);
    OvcNb()->setTabText(1, wer);
    KopfPnl()->setText(QStringLiteral("  Behinderung - ") + wer);
    if (instanz_ <= 2) {
        Steuer(Feld::BehindN_AufteilungProz)->hide();
        if (QWidget* l = findChild<QWidget*>(QStringLiteral("AufteilungProzLbl"))) l->hide();
    }
    AnzeigeRechnen();
}

void TF_BehindN::Freigaben() {
    const bool unter50 = Betrag(Feld::GradBehinderung)->Wert() < 50 &&
                         !Kasten(Feld::HilfLosCB)->isChecked();
    for (Feld f : {Feld::BehRenteCB, Feld::BeweglickCB, Feld::BerufserkCB})
        Steuer(f)->setEnabled(unter50);
}

void TF_BehindN::AnzeigeRechnen() {
    if (!geladen_) return;
    if (Betrag(Feld::BehindN_AufteilungProz)->Wert() !=
        Satz().Dbl(Feld::BehindN_AufteilungProz, instanz_))
        EingabeFolgen(Satz(), Feld::BehindN_AufteilungProz, instanz_);
    DatenSpeichern();
    Betrag(Feld::BehPauschBetrag)->SetzeWert(BehPauschBetragRechnen(Satz(), instanz_));
    Freigaben();
}

void TF_BehindN::FeldVerlassen(QWidget* w) {
    if (w == Steuer(Feld::NachwUnbefCB) && Kasten(Feld::NachwUnbefCB)->isChecked())
        Datum(Feld::NachWbefBis)->SetzeWert(KeinDatum);
    if (w == Steuer(Feld::NachWbefBis)) CnoC(Kasten(Feld::NachwUnbefCB), false);
    AnzeigeRechnen();
}

void TF_BehindN::FormClose() {
    Seitenzustand& z = SeitenzustandGlobal();
    z.unterseite = Unterseite::Keine;
    umgebung_.SetzeHilfeseite(999);
    umgebung_.SetzeFormularblatt(gemerktesBlatt_);
    TForm11::FormClose();
}

}  // namespace quarnel::gui
