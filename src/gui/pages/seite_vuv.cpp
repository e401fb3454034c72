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

constexpr const char* Standard = "iii,iii.ii";
constexpr const char* Prozent = "iii.ii";

constexpr FeldZusatz VuvZusatz[] = {
    {"Objekt", nullptr, 0, 0, ZNormal, "Lage des Grundstücks oder der Eigentumswohnung"},
    {"EigenNutzqm", "i,iii.ii", 0, 9999.99, ZNormal,
     "Eigengenutzter oder unentgeltlich überlassener Wohnraum in qm"},
    {"ObjektProzEr", Prozent, 0, 100},
    // Always what the taxpayer leaves: shown, stored, not typed.
    {"ObjektProzSie", Prozent, 0, 100, ZGesperrt},
    {"MieteZahl1", "iii", 0, 999}, {"MieteZahl2", "iii", 0, 999}, {"MieteZahl3", "iii", 0, 999},
    {"MieteZahl4", "iii", 0, 999}, {"MieteZahl5", "iii", 0, 999},
    {"MieteQm1", "i,iii.ii", 0, 9999.99}, {"MieteQm2", "i,iii.ii", 0, 9999.99},
    {"MieteQm3", "i,iii.ii", 0, 9999.99}, {"MieteQm4", "i,iii.ii", 0, 9999.99},
    {"MieteQm5", "i,iii.ii", 0, 9999.99},
    {"AngZahl", "iii", 0, 999}, {"AngQm", "i,iii.ii", 0, 9999.99},
    {"EigZuschussMinus", nullptr, 0, 0, ZNormal,
     "davon für eigengenutzten oder unentgeltlich überlassenen Wohnraum"},
    {"ZuschussEr", nullptr, 0, 0, ZNormal, "Zuschüsse aus öffentlichen Mitteln"},
    {"MittelOeffHHCb", nullptr, 0, 0, ZNormal, "Mittel aus öffentlichen Haushalten erhalten"},
    {"Besch7kCB", nullptr, 0, 0, ZNormal, "Bescheinigung nach § 7 k EStG liegt vor"},
    {"ZinsProz1", Prozent, 0, 100},
    {"AfaProz1", Prozent, 0, 100}, {"AfaProz2", Prozent, 0, 100}, {"AfaProz3", Prozent, 0, 100},
    {"AfaProz4", Prozent, 0, 100}, {"AfaProz6", Prozent, 0, 100}, {"AfaProz7", Prozent, 0, 100},
    {"P7degProz", "ii.ii", 0, 99.99},
    {"ErhProz1", Prozent, 0, 100}, {"ErhProz2", Prozent, 0, 100}, {"ErhProz3", Prozent, 0, 100},
    {"ErhProz4", Prozent, 0, 100},
    // The earlier years' parts are the sums of their years.
    {"ErhGes3", nullptr, 0, 0, ZGesperrt}, {"ErhGes4", nullptr, 0, 0, ZGesperrt},
    {"LfdKostProz1", Prozent, 0, 100}, {"LfdKostProz2", Prozent, 0, 100},
    {"LfdKostProz3", Prozent, 0, 100}, {"LfdKostProz4", Prozent, 0, 100},
    {"LfdKostProz5", Prozent, 0, 100}, {"LfdKostProz6", Prozent, 0, 100},
    {"LfdKostProz7", Prozent, 0, 100}, {"LfdKostProz8", Prozent, 0, 100},
    {"LfdKostProz9", Prozent, 0, 100},
};

#define VUV_KOSTEN "|Gesamtbetrag|nicht abziehb. %|oder DM"

constexpr Zeilenplan VuvZeilen[] = {
    {"Einnahmen &1", "Mieteinnahmen|Miete|Whg.|Wohnfläche|andere Räume", ""},
    {"Einnahmen &1", "Erdgeschoß", "MieteDM1 MieteZahl1 MieteQm1 MieteAndereR1"},
    {"Einnahmen &1", "1. Geschoß", "MieteDM2 MieteZahl2 MieteQm2 MieteAndereR2"},
    {"Einnahmen &1", "2. Geschoß", "MieteDM3 MieteZahl3 MieteQm3 MieteAndereR3"},
    {"Einnahmen &1", "3. Geschoß", "MieteDM4 MieteZahl4 MieteQm4 MieteAndereR4"},
    {"Einnahmen &1", "weitere Gesch.", "MieteDM5 MieteZahl5 MieteQm5 MieteAndereR5"},
    {"Einnahmen &1", "An Angehörige vermietete Wohnungen|Einnahmen|Anzahl|Wohnfläche", ""},
    {"Einnahmen &1", " ", "AngEinDM AngZahl AngQm"},
    {"Einnahmen &2", "Umlagen, verrechnet mit Erstattungen", ""},
    {"Einnahmen &2", nullptr, "UmFremd"},
    {"A&bschreibung", "Absetzung für|Gesamtbetrag|nicht abziehb. %|oder DM|wie 2000|lt. Anl.",
     ""},
    {"A&bschreibung", "Abnutzung, §§ 7,  7 b Abs. 1 S. 2",
     "AfaGes1 AfaProz1 AfaDm1 WieVor1 WieBlatt1"},
    {"A&bschreibung", " - § 7 k EStG", "AfaGes2 AfaProz2 AfaDm2 WieVor2"},
    {"A&bschreibung", " - § 14a BerlinFG", "AfaGes3 AfaProz3 AfaDm3 WieVor3"},
    {"A&bschreibung", " - § 14 d BerlinFG", "AfaGes4 AfaProz4 AfaDm4 WieVor4"},
    {"A&bschreibung", " - §§ 7h,i EStG", "AfaGes6 AfaProz6 AfaDm6 WieVor6 WieBlatt2"},
    {"A&bschreibung", "Sonderabschreibung nach §4 Fg", "AfaGes7 AfaProz7 AfaDm7 WieVor7 WieBlatt3"},
    {"A&bschreibung", "Gebäude-AfA (degressiv: Prozent)", "P7linear P7Deg P7degProz"},
    {"Erhalt&ung", "Voll abzuziehende Erhaltungsaufwendungen 2001, die" VUV_KOSTEN, ""},
    {"Erhalt&ung", "- direkt zugeordnet werden", "ErhGes0 ErhAb0"},
    {"Erhalt&ung", "- im Verhältnis zugeord. werden", "ErhGes1 ErhProz1 ErhAb1"},
    {"Erhalt&ung", "Auf bis zu 5 Jahre verteilte Aufwendungen", ""},
    {"Erhalt&ung", "Aufwand 2001 insgesamt", "ErhAufwand"},
    {"Erhalt&ung", "davon abzuziehen 2001", "ErhGes2 ErhProz2 ErhAb2"},
    {"Erhalt&ung", "Teilbeträge aus 1997 und 1998", "ErhJahr1 ErhJahr2"},
    {"Erhalt&ung", "   zu berücksichtigender Teilbetrag", "ErhGes3 ErhProz3 ErhAb3"},
    {"Erhalt&ung", "Teilbeträge aus 1999 und 2000", "ErhJahr3 ErhJahr4"},
    {"Erhalt&ung", "   zu berücksichtigender Teilbetrag", "ErhGes4 ErhProz4 ErhAb4"},
    {"Lfd. &Kosten", "Werbungskosten" VUV_KOSTEN, ""},
    {"Lfd. &Kosten", "Schuldzinsen", "ZinsGes1 ZinsProz1 ZinsAb1"},
    {"Lfd. &Kosten", "Geldbeschaffungskosten", "LfdKostGes1 LfdKostProz1 LfdKostDm1"},
    {"Lfd. &Kosten", "Renten, dauernde Lasten", "LfdKostGes2 LfdKostProz2 LfdKostDm2"},
    {"Lfd. &Kosten", "Grundsteuer, Müllabfuhr ...", "LfdKostGes3 LfdKostProz3 LfdKostDm3"},
    {"Lfd. &Kosten", "Wasser, Entwässerung ...", "LfdKostGes4 LfdKostProz4 LfdKostDm4"},
    {"Lfd. &Kosten", "Heizung, Warmwasser ...", "LfdKostGes5 LfdKostProz5 LfdKostDm5"},
    {"Lfd. &Kosten", "Versicherungen ...", "LfdKostGes6 LfdKostProz6 LfdKostDm6"},
    {"Lfd. &Kosten", "Hauswart, Fahrstuhl ...", "LfdKostGes7 LfdKostProz7 LfdKostDm7"},
    {"Lfd. &Kosten", "Verwaltungskosten", "LfdKostGes8 LfdKostProz8 LfdKostDm8"},
    {"Lfd. &Kosten", "Sonstiges ...", "LfdKostGes9 LfdKostProz9 LfdKostDm9"},
    {"A&nteile", "Gemeinschaft|Gemeinde, Steuernummer|Stpfl./Ehegatte|Ehefrau", ""},
    {"A&nteile", "Bauherrengemeinsch..", "AnteilArt1 AnteilEr1 AnteilSie1"},
    {"A&nteile", "geschl. Immob.-fonds", "AnteilArt2 AnteilEr2 AnteilSie2"},
    {"A&nteile", "Grundstücksgemeinsch.", "AnteilArt3 AnteilEr3 AnteilSie3"},
    {"A&nteile", "Weitere Gemeinsch.", "AnteilArt4 AnteilEr4 AnteilSie4"},
    {"A&nteile", "Weitere Gemeinsch.", "AnteilArt5 AnteilEr5 AnteilSie5"},
    {"A&nteile", "Verlustzuw.-gesell.", "AnteilArt6 AnteilEr6 AnteilSie6"},
    {"A&nteile", "Untervermietung vom gemieteten Räumen", "AnteilEr7 AnteilSie7"},
    {"A&nteile", "Vermietung/Verpachtung unbebauter Grundstücke", "AnteilEr8 AnteilSie8"},
};

#undef VUV_KOSTEN

const Seitenbeschreibung VuVSeite{
    "TF_VuV",
    "Vermietung und Verpachtung",
    "&Einkünfte|&Werbungs.-kost.|A&nteile",
    "&Einkünfte=&Objekt|Einnahmen &1|Einnahmen &2|Z&usatz;"
    "&Werbungs.-kost.=A&bschreibung|Erhalt&ung|Lfd. &Kosten",
    Standard,
    "Stpfl./Ehemann|Ehefrau",
    VuvZusatz,
    VuvZeilen,
    {},
    "P7linear P7Deg",
};

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
