// The persons page: taxpayer and spouse, tax office, bank, annexes, other
// and foreign income, the choice of the tax table with its page marks, and
// the couple's choice of assessment.
#include <QGridLayout>
#include <QStandardItemModel>
#include <QPushButton>
#include <QTabWidget>

#include "calc/betrag.h"
#include "pages/personen.h"
#include "pages/seiten.h"
#include "pages/seitenzustand.h"
#include "pages/veranlagungsart.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"
#include "widgets/zugang.h"

namespace quarnel::gui {

namespace {

const Seitenbeschreibung ErSieBeschreibung = AusTafel("TF_ErSie");

constexpr Feld SieFelder[] = {Feld::EinkErsProgSie,     Feld::StFreiAuslZusSie,
                              Feld::ZeitwAuslEkSie,     Feld::ZeitwAuslEkdavHalbSie,
                              Feld::PosSumNichtDtEkStSie, Feld::Besch630Sie};

constexpr int Ohne = 9;  // the religion "Ohne"

QString Dm(double x) {
    return BetragAnzeigen(Bildmaske::Lesen(QStringLiteral("iii,iii.ii")), x) +
           QStringLiteral(" DM");
}

// The disability allowance, in the row of the button that opens its page.
QLabel* AnzeigeNebenKnopf(QWidget* reiter, const QString& knopf, const QString& name) {
    auto* g = static_cast<QGridLayout*>(reiter->layout());
    int zeile = g->rowCount() - 1, spalte = 0, hoehe = 1, breite = 1;
    if (QWidget* k = reiter->findChild<QWidget*>(knopf))
        g->getItemPosition(g->indexOf(k), &zeile, &spalte, &hoehe, &breite);
    auto* l = new QLabel(reiter);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(l, zeile, 2);
    return l;
}

}  // namespace

const Seitenbeschreibung& TF_ErSie::Beschreibung() {
    return ErSieBeschreibung;
}

TF_ErSie::TF_ErSie(Seitenumgebung& u, QWidget* eltern) : TForm11(u, 0, eltern) {
    setObjectName(QStringLiteral("TF_ErSie"));
    SeiteAufbauen(*this, ErSieBeschreibung, 1);
    behPbStpfl_ = AnzeigeNebenKnopf(Reiter(QStringLiteral("&Stpfl.")),
                                    QStringLiteral("StpflBehinderungBtn"),
                                    QStringLiteral("BehPbStpfl"));
    behPbEheg_ = AnzeigeNebenKnopf(Reiter(QStringLiteral("&Ehefrau")),
                                   QStringLiteral("EhegBehinderungBtn"),
                                   QStringLiteral("BehPbEheg"));
    auto* info = static_cast<QBoxLayout*>(OvcNb()->widget(0)->layout());
    info->insertWidget(info->count() - 1, new QLabel(QStringLiteral("Ergebnis der Eingabe:")));
    meldungLbl_ = new QLabel;
    meldungLbl_->setObjectName(QStringLiteral("MeldungLbl"));
    QFont f = meldungLbl_->font();
    f.setBold(true);
    meldungLbl_->setFont(f);
    info->insertWidget(info->count() - 1, meldungLbl_);

    if (auto* b = findChild<QPushButton*>(QStringLiteral("StpflBehinderungBtn")))
        connect(b, &QPushButton::clicked, this, [this] { BehinderungOeffnen(1); });
    if (auto* b = findChild<QPushButton*>(QStringLiteral("EhegBehinderungBtn")))
        connect(b, &QPushButton::clicked, this, [this] { BehinderungOeffnen(2); });
    connect(OvcNb(), &QTabWidget::currentChanged, this, [this](int i) {
        const QString t = OvcNb()->tabText(i);
        umgebung_.SetzeFormularblatt(ReiterGleich(t, QStringLiteral("An&lage")) ||
                                             ReiterGleich(t, QStringLiteral("Sons&t")) ||
                                             ReiterGleich(t, QStringLiteral("&Ausland"))
                                         ? 12
                                         : 11);
    });
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    Datumsbereich(Feld::StpflGebDat, ab1900, LetzterTagSteuerjahr);
    Datumsbereich(Feld::EhegGebDat, ab1900, LetzterTagSteuerjahr);
    Zeitraum(Feld::StpflReligionVon, Feld::StpflReligionBis, ErsterTagSteuerjahr,
             LetzterTagSteuerjahr);
    Zeitraum(Feld::EhegReligionVon, Feld::EhegReligionBis, ErsterTagSteuerjahr,
             LetzterTagSteuerjahr);
    Zeitraum(Feld::ZeitwAuslEkVom, Feld::ZeitwAuslEkBis, ErsterTagSteuerjahr,
             LetzterTagSteuerjahr);
    OvcNb()->setCurrentIndex(0);
}

void TF_ErSie::DatenLaden() {
    TForm11::DatenLaden();
    grund_ = Satz().Bool(Feld::Grundtabelle);
    splitting_ = Satz().Bool(Feld::Splitting);
}

void TF_ErSie::DatenSpeichern() {
    TForm11::DatenSpeichern();
    Satz().SetzeBool(Feld::Grundtabelle, grund_);
    Satz().SetzeBool(Feld::Splitting, splitting_);
}

void TF_ErSie::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  ") + InfoTitelLbl()->text());
    Sichtbarkeit(false);
    Tabellenanzeige();
    Religionsdaten();
    DatenSpeichern();
}

void TF_ErSie::FormActivate() {
    TForm11::FormActivate();
    behPbStpfl_->setText(Dm(Satz().Dbl(Feld::BehPauschBetrag, 1)));
    behPbEheg_->setText(Dm(Satz().Dbl(Feld::BehPauschBetrag, 2)));
    // The allowance beside the button is said with it: a label takes no focus.
    for (auto [knopf, betrag] : {std::pair{"StpflBehinderungBtn", behPbStpfl_},
                                 std::pair{"EhegBehinderungBtn", behPbEheg_}})
        if (auto* k = findChild<QWidget*>(QString::fromLatin1(knopf)))
            k->setAccessibleDescription(QStringLiteral("Pauschbetrag ") + betrag->text());
}

void TF_ErSie::FormClose() {
    EhegattenSeitenMarkieren(Satz());
    TForm11::FormClose();
}

void TF_ErSie::DatumEnter(DatumFeld* d) {
    const int32_t geb = Datum(Feld::StpflGebDat)->Wert();
    if (d == Datum(Feld::FamStandSeit) || d == Datum(Feld::EingLebGemeinschaftSeit))
        DatumValidationEintrag(d, geb, LetzterTagSteuerjahr);
    else if (d == Datum(Feld::StpflDTrennSeit))
        DatumValidationEintrag(d, geb, Datum(Feld::FamStandSeit)->Wert());
    else
        TForm11::DatumEnter(d);
}

void TF_ErSie::FeldVerlassen(QWidget* w) {
    if (w == Steuer(Feld::Veranlagungsart)) {
        VeranlagungsartRegel();
    } else if (w == Steuer(Feld::ErSie_FamilienstandLB)) {
        Sichtbarkeit(true);
        Entscheidung();
    } else if (w == Steuer(Feld::FamStandSeit)) {
        Sichtbarkeit(false);
        Entscheidung();
    } else if (w == Steuer(Feld::StpflDTrennSeit)) {
        Entscheidung();
    } else if (w == Steuer(Feld::StpflReligionLB) || w == Steuer(Feld::EhegReligionLB)) {
        Religionsdaten();
        if (geladen_) DatenSpeichern();
    }
}

void TF_ErSie::Sichtbarkeit(bool ausAenderung) {
    const int i = Liste(Feld::ErSie_FamilienstandLB)->Index();
    DatumFeld* seit = Datum(Feld::FamStandSeit);
    DatumFeld* trenn = Datum(Feld::StpflDTrennSeit);
    DatumFeld* partner = Datum(Feld::EingLebGemeinschaftSeit);
    QWidget* seitLbl = findChild<QWidget*>(QStringLiteral("FamStandSeitLbl"));
    QWidget* trennLbl = findChild<QWidget*>(QStringLiteral("StpflDTrennSeitLbl"));
    QWidget* partnerLbl = findChild<QWidget*>(QStringLiteral("EingLebGemeinschaftSeitLbl"));
    auto partnerFrei = [&](bool frei) {
        partner->setEnabled(frei);
        if (partnerLbl) partnerLbl->setEnabled(frei);
        if (!frei) partner->SetzeWert(KeinDatum);
    };
    if (i <= 0 && !seit->isHidden()) {
        seit->hide();
        if (seitLbl) seitLbl->hide();
        seit->SetzeWert(KeinDatum);
        if (ausAenderung) Steuer(Feld::ErSie_FamilienstandLB)->setFocus();
        trenn->hide();
        if (trennLbl) trennLbl->hide();
        trenn->SetzeWert(KeinDatum);
        partnerFrei(false);
    }
    if (i > 0 && seit->isHidden()) {
        seit->show();
        if (seitLbl) seitLbl->show();
        if (ausAenderung) seit->setFocus();
    }
    // "geschieden" asks for the separation date too: the table decision reads it.
    const bool mitTrennung = i == 2 || i == 3 || i == 5;
    if (mitTrennung && JahrVon(seit->Wert()) == Steuerjahr) {
        if (trenn->isHidden()) {
            trenn->show();
            if (trennLbl) trennLbl->show();
            if (ausAenderung) trenn->setFocus();
        }
        return;
    }
    if (!trenn->isHidden()) {
        trenn->hide();
        if (trennLbl) trennLbl->hide();
        trenn->SetzeWert(KeinDatum);
    }
    partnerFrei(i != 1 && i != 2);
}

void TF_ErSie::Religionsdaten() {
    for (auto [lb, von, bis] : {std::tuple{Feld::StpflReligionLB, Feld::StpflReligionVon,
                                           Feld::StpflReligionBis},
                                std::tuple{Feld::EhegReligionLB, Feld::EhegReligionVon,
                                           Feld::EhegReligionBis}}) {
        const int i = Liste(lb)->Index();
        const bool sichtbar = i >= 0 && i != Ohne;
        for (Feld f : {von, bis}) {
            QWidget* l = findChild<QWidget*>(QString::fromUtf8(Def(f).name) + QStringLiteral("Lbl"));
            // Hidden, the dates keep their place: nothing else moves when they appear.
            for (QWidget* w : {Steuer(f), l})
                if (w) {
                    QSizePolicy p = w->sizePolicy();
                    p.setRetainSizeWhenHidden(true);
                    w->setSizePolicy(p);
                    w->setVisible(sichtbar);
                }
        }
    }
}

void TF_ErSie::Entscheidung() {
    if (!geladen_) return;
    DatenSpeichern();
    TabelleEntscheiden(Satz());
    grund_ = Satz().Bool(Feld::Grundtabelle);
    splitting_ = Satz().Bool(Feld::Splitting);
    // a choice of assessment the new table no longer allows goes back to joint
    VeranlagungsartRegel();
    Tabellenanzeige();
}

void TF_ErSie::VeranlagungsartRegel() {
    if (!geladen_) return;
    DatenSpeichern();
    const std::string hinweis = VeranlagungsartPruefen(Satz());
    if (hinweis.empty()) return;
    Liste(Feld::Veranlagungsart)->SetzeIndex(Satz().Int(Feld::Veranlagungsart));
    KompChange();
    umgebung_.Meldungsdienst().Zeige(MeldungsTyp::Information, hinweis, KnopfOK);
}

void TF_ErSie::VeranlagungsartAnzeigen(const CaseRecord& kopie) {
    AuswahlBox* wahl = Liste(Feld::Veranlagungsart);
    if (!wahl) return;
    const bool waehlbar = VeranlagungWaehlbar(kopie);
    wahl->setEnabled(waehlbar);
    if (QWidget* l = findChild<QWidget*>(QStringLiteral("VeranlagungsartLbl"))) l->setEnabled(waehlbar);
    // each choice offered only where the rule of the field keeps it
    auto* modell = qobject_cast<QStandardItemModel*>(wahl->model());
    for (int i = 0; modell && i < wahl->count(); ++i)
        if (QStandardItem* it = modell->item(i))
            it->setEnabled(VeranlagungsartZulaessig(kopie, static_cast<Veranlagungsart>(i)));
}

void TF_ErSie::Tabellenanzeige() {
    OvcNb()->setTabEnabled(ReiterIndex(QStringLiteral("&Ehefrau")), !grund_);
    // The label follows the page's working copies of the flags.
    CaseRecord kopie = Satz();
    kopie.SetzeBool(Feld::Grundtabelle, grund_);
    kopie.SetzeBool(Feld::Splitting, splitting_);
    kopie.SetzeInt(Feld::ErSie_FamilienstandLB, Liste(Feld::ErSie_FamilienstandLB)->Index());
    kopie.SetzeInt(Feld::FamStandSeit, Datum(Feld::FamStandSeit)->Wert());
    meldungLbl_->setText(QString::fromStdString(TabellenText(kopie)));
    for (QLabel* l : findChildren<QLabel*>(QStringLiteral("KopfSieLbl"))) {
        l->setEnabled(!grund_);
        QFont f = l->font();
        f.setItalic(grund_);
        l->setFont(f);
    }
    for (Feld f : SieFelder) Steuer(f)->setEnabled(splitting_);
    VeranlagungsartAnzeigen(kopie);
}

void TF_ErSie::BehinderungOeffnen(int person) {
    DatenSpeichern();
    Seitenzustand& z = SeitenzustandGlobal();
    z.behinderungAufruf = static_cast<uint8_t>(person);
    z.unterseite = Unterseite::BehinderungVonPersonen;
    UnterseiteOeffnen(new TF_BehindN(umgebung_, person));
}

}  // namespace quarnel::gui
