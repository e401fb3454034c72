// The expense pages of an employee: trips to work, professional associations,
// work equipment, meals, double household, study, business trips and other
// costs, for the taxpayer and the spouse.
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>

#include "calc/betrag.h"
#include "pages/fahrzeug.h"
#include "pages/seitenzustand.h"
#include "pages/seite_werbungskosten.h"
#include "pages/werbungskosten.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

constexpr const char* Standard = "iii,iii.ii";

// The distance and its split of the four trip rows.
constexpr Feld entf[] = {Feld::LfdEntf1, Feld::LfdEntf2, Feld::LfdEntf3, Feld::LfdEntf4};
constexpr Feld pkw[] = {Feld::LfdPkw1, Feld::LfdPkw2, Feld::LfdPkw3, Feld::LfdPkw4};
constexpr Feld andere[] = {Feld::LfdMitAnderen1, Feld::LfdMitAnderen2, Feld::LfdMitAnderen3,
                           Feld::LfdMitAnderen4};

namespace {

QString Personenname(int person) {
    return person == 1 ? QStringLiteral("Stpfl.") : QStringLiteral("Ehegatte");
}

// The person whose expenses the page shows, in its title.
void PersonImTitel(TForm11& seite) {
    seite.InfoTitelLbl()->setText(seite.InfoTitelLbl()->text() + Personenname(seite.Instanz()));
}

// The work equipment: the depreciation list behind its button, its sum into `Kosten5`.
void ArbeitsmittelEinrichten(TForm11& seite) {
    PersonImTitel(seite);
    auto* knopf = seite.findChild<QPushButton*>(QStringLiteral("AbschreibungListeBtn"));
    if (!knopf) return;
    QObject::connect(knopf, &QPushButton::clicked, &seite, [&seite] {
        const int person = seite.Instanz();
        Seitenzustand& z = SeitenzustandGlobal();
        z.listenaufruf.liste = person;
        z.listenaufruf.titel =
            "Arbeitsmittel (Abschreibung) - " + Personenname(person).toStdString();
        z.listenaufruf.hilfeseite = 542;
        seite.UnterseiteMitZielOeffnen(new TF_AFA(seite.Umgebung(), person),
                                       seite.Betrag(Feld::Kosten5));
    });
}

}  // namespace

// --- Fahrten zur Arbeit --------------------------------------------------------------------

const Seitenbeschreibung WKFahrtSeite = AusTafel("TF_WKFahrt", &Seitenrechnen<&FahrtkostenRechnen>);

// --- Beitrag Berufsverbände ---------------------------------------------------------------

const Seitenbeschreibung WKBVerbSeite =
    AusTafel("TF_WKBVerb", &Seitenrechnen<&VerbandsbeitraegeRechnen>, PersonImTitel);

// --- Arbeitsmittel --------------------------------------------------------------------------

const Seitenbeschreibung WKArbMSeite =
    AusTafel("TF_WKArbM", &Seitenrechnen<&ArbeitsmittelRechnen>, ArbeitsmittelEinrichten);

// --- Verpflegungsaufwand -------------------------------------------------------------------

const Seitenbeschreibung WKVerpflSeite =
    AusTafel("TF_WKVerpfl", &Seitenrechnen<&VerpflegungRechnen>);

// --- Doppelte Haushaltsführung --------------------------------------------------------------

const Seitenbeschreibung WKDoppHSeite =
    AusTafel("TF_WKDoppH", &Seitenrechnen<&DoppelteHaushaltRechnen>);

// --- Arbeitszimmer -----------------------------------------------------------------------------

const Seitenbeschreibung WKZimmerSeite =
    AusTafel("TF_WKZimmer", &Seitenrechnen<&ArbeitszimmerRechnen>);

// --- Dienstreisen -----------------------------------------------------------------------------

const Seitenbeschreibung WKReiseSeite =
    AusTafel("TF_WKReise", &Seitenrechnen<&DienstreisenRechnen>, PersonImTitel);

// --- Sonstige Kosten ----------------------------------------------------------------------------

const Seitenbeschreibung WKSonstSeite =
    AusTafel("TF_WKSonst", &Seitenrechnen<&SonstigeWerbungskostenRechnen>, PersonImTitel);

// --- what the expense pages share -------------------------------------------------------------

namespace {

QLabel* KartenLabel(TForm11& seite, const char* name, Feld neben) {
    auto* zeile = new QWidget;
    auto* h = new QHBoxLayout(zeile);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(new QLabel(QStringLiteral("lt. Lohnsteuerkarte:")));
    auto* l = new QLabel;
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    h->addWidget(l);
    if (!NebenFeld(seite.Steuer(neben), zeile)) zeile->setParent(&seite);
    return l;
}

void KartenLabelSetzen(QLabel* l, double betrag) {
    l->setText(QString::fromStdString(FormatMaske("#####,## DM", betrag)).trimmed());
}

}  // namespace

// --- TF_WKFahrt ---------------------------------------------------------------------------------

TF_WKFahrt::TF_WKFahrt(Seitenumgebung& u, int person, QWidget* eltern)
    : TForm11(u, WKFahrtSeite, person == 2 ? 2 : 1, person == 2 ? 2 : 1, eltern) {
    PersonImTitel(*this);
    stFrei17Lbl_ = KartenLabel(*this, "StFrei17Lbl", Feld::FahrtArbeitgeberErsatzStFrei);
    stPausch18Lbl_ = KartenLabel(*this, "StPausch18Lbl", Feld::FahrtArbeitgeberErsatzStPausch);
    zeile17u18Lbl2_ = KartenLabel(*this, "Zeile17u18Lbl2", Feld::WechselArbeitgeberErsatz);
    for (int i = 0; i < 4; ++i) {
        connect(Betrag(pkw[i]), &MaskenFeld::eingabeBeginnt, this, [this, i] { PkwEnter(i); });
        connect(Betrag(andere[i]), &MaskenFeld::eingabeBeginnt, this,
                [this, i] { MitAnderenEnter(i); });
    }
}

void TF_WKFahrt::DatenLaden() {
    TForm11::DatenLaden();
    const CaseRecord& r = Satz();
    const double frei = LohnkartenSumme(r, Feld::FahrkErstStFrei, Person());
    const double pausch = LohnkartenSumme(r, Feld::FahrkErstPBest, Person());
    KartenLabelSetzen(stFrei17Lbl_, frei);
    KartenLabelSetzen(stPausch18Lbl_, pausch);
    KartenLabelSetzen(zeile17u18Lbl2_, frei + pausch);
}

// Entering the km by car of a trip row: the whole distance, unless the row
// already splits it.
void TF_WKFahrt::PkwEnter(int i) {
    BetragFeld* k = Betrag(pkw[i]);
    if (!IstNullGrob(k->Wert()) || !IstNullGrob(Betrag(andere[i])->Wert())) return;
    const double e = Betrag(entf[i])->Wert();
    if (IstNullGrob(e)) return;
    k->SetzeWert(e);
    KompChange();
    AnzeigeRechnen();
}

// Entering the km by other means: what the car does not cover.
void TF_WKFahrt::MitAnderenEnter(int i) {
    BetragFeld* m = Betrag(andere[i]);
    if (!IstNullGrob(m->Wert())) return;
    const double rest = NichtNegativ(Betrag(entf[i])->Wert() - Betrag(pkw[i])->Wert());
    if (IstNullGrob(rest)) return;
    m->SetzeWert(rest);
    KompChange();
    AnzeigeRechnen();
}

// --- TF_WKVerpfl, TF_WKDoppH, TF_WKZimmer ---------------------------------------------------------

TF_WKVerpfl::TF_WKVerpfl(Seitenumgebung& u, int person, QWidget* eltern)
    : TForm11(u, WKVerpflSeite, person == 2 ? 2 : 1, person == 2 ? 2 : 1, eltern) {
    PersonImTitel(*this);
    zu20Lbl_ = KartenLabel(*this, "Zu20Lbl", Feld::EWErstWk);
    zu20Lbl2_ = KartenLabel(*this, "Zu20Lbl2", Feld::FzErstWk);
}

void TF_WKVerpfl::DatenLaden() {
    TForm11::DatenLaden();
    const double zuschuss = LohnkartenSumme(Satz(), Feld::Verpflegzu, Person());
    KartenLabelSetzen(zu20Lbl_, zuschuss);
    KartenLabelSetzen(zu20Lbl2_, zuschuss);
}

TF_WKDoppH::TF_WKDoppH(Seitenumgebung& u, int person, QWidget* eltern)
    : TForm11(u, WKDoppHSeite, person == 2 ? 2 : 1, person == 2 ? 2 : 1, eltern) {
    PersonImTitel(*this);
    erstattLbl_ = KartenLabel(*this, "ErstattLbl", Feld::AGStFreiErs);
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    Zeitraum(Feld::DHSeit, Feld::DHBestandenBis, ab1900, LetzterTagSteuerjahr);
    Zeitraum(Feld::EhegAmOrtVon, Feld::EhegAmOrtBis, ab1900, LetzterTagSteuerjahr);
    Datumsbereich(Feld::EigHausSeit, ab1900, LetzterTagSteuerjahr);
}

void TF_WKDoppH::DatenLaden() {
    TForm11::DatenLaden();
    KartenLabelSetzen(erstattLbl_, LohnkartenSumme(Satz(), Feld::DoppHHf, Person()));
}

TF_WKZimmer::TF_WKZimmer(Seitenumgebung& u, int person, QWidget* eltern)
    : TForm11(u, WKZimmerSeite, person == 2 ? 2 : 1, person == 2 ? 2 : 1, eltern) {
    PersonImTitel(*this);
    alleLbl_ = new QLabel;
    alleLbl_->setObjectName(QStringLiteral("AlleWkZimmer"));
    alleLbl_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    NebenFeld(Steuer(Feld::SummeWkZimmer), alleLbl_);
}

void TF_WKZimmer::DatenLaden() {
    TForm11::DatenLaden();
    alleLbl_->setText(QStringLiteral("Kosten insgesamt: ") +
                      BetragAnzeigen(Bildmaske::Lesen(QString::fromLatin1(Standard)),
                                     ArbeitszimmerKosten(Satz(), Person())) +
                      QStringLiteral(" DM"));
}

}  // namespace quarnel::gui
