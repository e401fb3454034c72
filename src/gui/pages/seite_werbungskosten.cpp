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
constexpr const char* Tage = "iii";
constexpr const char* Km = "iiii";

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

constexpr FeldZusatz FahrtZusatz[] = {
    {"Arbeitstage1", "i.i", 0, 7},
    {"Arbeitstage2", "i.i", 0, 7},
    {"Urlaubstage1", Tage, 0, 365},
    {"Urlaubstage2", Tage, 0, 365},
    {"LfdTage1", Tage, 0, 999}, {"LfdTage2", Tage, 0, 999},
    {"LfdTage3", Tage, 0, 999}, {"LfdTage4", Tage, 0, 999},
    {"LfdEntf1", Km, 0, 9999}, {"LfdEntf2", Km, 0, 9999},
    {"LfdEntf3", Km, 0, 9999}, {"LfdEntf4", Km, 0, 9999},
    {"LfdPkw1", Km, 0, 9999}, {"LfdPkw2", Km, 0, 9999},
    {"LfdPkw3", Km, 0, 9999}, {"LfdPkw4", Km, 0, 9999},
    {"LfdMitAnderen1", Km, 0, 9999}, {"LfdMitAnderen2", Km, 0, 9999},
    {"LfdMitAnderen3", Km, 0, 9999}, {"LfdMitAnderen4", Km, 0, 9999},
    {"WechselTage1", Tage, 0, 999}, {"WechselTage2", Tage, 0, 999},
    {"WechselTage3", Tage, 0, 999}, {"WechselTage4", Tage, 0, 999},
    {"WechselTage5", Tage, 0, 999}, {"WechselTage6", Tage, 0, 999},
    {"WechselTage7", Tage, 0, 999}, {"WechselTage8", Tage, 0, 999},
    {"WechselTage9", Tage, 0, 999},
    {"WechselKM1", Km, 0, 9999}, {"WechselKM2", Km, 0, 9999}, {"WechselKM3", Km, 0, 9999},
    {"WechselKM4", Km, 0, 9999}, {"WechselKM5", Km, 0, 9999}, {"WechselKM6", Km, 0, 9999},
    {"WechselKM7", Km, 0, 9999}, {"WechselKM8", Km, 0, 9999}, {"WechselKM9", Km, 0, 9999},
    {"AufwOeffVerkMittel", nullptr, 0, 0, ZNormal, "Kosten für öffentl. Verkehrsmittel"},
    {"FahrtArbeitgeberErsatzStFrei", nullptr, 0, 0, ZNormal,
     "Arbeitgeberersatz steuerfrei (Zeile 17)"},
    {"FahrtArbeitgeberErsatzStPausch", nullptr, 0, 0, ZNormal,
     "Arbeitgeberersatz pauschal versteuert (Zeile 18)"},
    {"ErgWKFahrt", nullptr, 0, 0, ZNormal, "Werbungskosten Fahrten zur Arbeit"},
    {"ErgWKWechsel", nullptr, 0, 0, ZNormal, "Werbungskosten Einsatzwechseltätigkeit"},
};

constexpr Zeilenplan FahrtZeilen[] = {
    {"Allgemein", "Fahrten mit", "PrivatPKWCB FirmenPKWCB"},
    {"&Fahrt zur Arbeit", "Arbeitsstätte Nr. 1", "ArbeitsOrt1"},
    {"&Fahrt zur Arbeit", "Arbeitsstätte Nr. 2", "ArbeitsOrt2"},
    {"&Fahrt zur Arbeit", "Arbeitstage je Woche (Nr. 1, Nr. 2)", "Arbeitstage1 Arbeitstage2"},
    {"&Fahrt zur Arbeit", "Urlaubs- und Krankheitstage (Nr. 1, Nr. 2)",
     "Urlaubstage1 Urlaubstage2"},
    {"&Fahrt zur Arbeit", "Fahrten|Arbeitsst.|Tage|Entf. km|davon PKW|davon and.|Beh.|Fahrzeug",
     ""},
    {"&Fahrt zur Arbeit", "1.",
     "LfdOrt1CB LfdTage1 LfdEntf1 LfdPkw1 LfdMitAnderen1 LfdBehind1CB LfdBehindVMittel1CB"},
    {"&Fahrt zur Arbeit", "2.",
     "LfdOrt2CB LfdTage2 LfdEntf2 LfdPkw2 LfdMitAnderen2 LfdBehind2CB LfdBehindVMittel2CB"},
    {"&Fahrt zur Arbeit", "3.",
     "LfdOrt3CB LfdTage3 LfdEntf3 LfdPkw3 LfdMitAnderen3 LfdBehind3CB LfdBehindVMittel3CB"},
    {"&Fahrt zur Arbeit", "4.",
     "LfdOrt4CB LfdTage4 LfdEntf4 LfdPkw4 LfdMitAnderen4 LfdBehind4CB LfdBehindVMittel4CB"},
    {"&Einsatzwechsel", "Einsatzstelle|Tage|Entf. km|Verk.-mittel|Kosten", ""},
    {"&Einsatzwechsel", "1.", "WechselTage1 WechselKM1 WechselVMittel1 WechselErg1"},
    {"&Einsatzwechsel", "2.", "WechselTage2 WechselKM2 WechselVMittel2 WechselErg2"},
    {"&Einsatzwechsel", "3.", "WechselTage3 WechselKM3 WechselVMittel3 WechselErg3"},
    {"&Einsatzwechsel", "4.", "WechselTage4 WechselKM4 WechselVMittel4 WechselErg4"},
    {"&Einsatzwechsel", "5.", "WechselTage5 WechselKM5 WechselVMittel5 WechselErg5"},
    {"&Einsatzwechsel", "6.", "WechselTage6 WechselKM6 WechselVMittel6 WechselErg6"},
    {"&Einsatzwechsel", "7.", "WechselTage7 WechselKM7 WechselVMittel7 WechselErg7"},
    {"&Einsatzwechsel", "8.", "WechselTage8 WechselKM8 WechselVMittel8 WechselErg8"},
    {"&Einsatzwechsel", "9.", "WechselTage9 WechselKM9 WechselVMittel9 WechselErg9"},
};

constexpr Knopfplan FahrtKnoepfe[] = {
    {"&Fahrt zur Arbeit", "VerkehrsmittelBtn", "&Liste ....", 0, "AufwOeffVerkMittel",
     "Öffentl. Verkehrsmittel - ", 545, true},
};

const Seitenbeschreibung WKFahrtSeite{
    .klasse = "TF_WKFahrt", .infoTitel = "Fahrten zur Arbeit - ",
    .reiter = "Allgemein|&Fahrt zur Arbeit|&Einsatzwechsel", .standardMaske = Standard,
    .zusatz = FahrtZusatz, .zeilen = FahrtZeilen, .knoepfe = FahrtKnoepfe,
    .rechnung = &Seitenrechnen<&FahrtkostenRechnen>};

// --- Beitrag Berufsverbände ---------------------------------------------------------------

constexpr Knopfplan VerbKnoepfe[] = {
    {"A&ufstellung", "VerkehrsmittelBtn", "&Liste ....", 2, "EntrBeitraegeListe",
     "Beiträge an Berufsverbände - ", 543, true},
};

const Seitenbeschreibung WKBVerbSeite{
    .klasse = "TF_WKBVerb", .infoTitel = "Beitrag Berufsverbände - ", .reiter = "A&ufstellung",
    .standardMaske = Standard, .knoepfe = VerbKnoepfe,
    .rechnung = &Seitenrechnen<&VerbandsbeitraegeRechnen>, .einrichten = PersonImTitel};

// --- Arbeitsmittel --------------------------------------------------------------------------

constexpr FeldZusatz ArbMZusatz[] = {
    {"Kosten4", nullptr, 0, 0, ZGesperrt},
    {"Kosten5", nullptr, 0, 0, ZGesperrt},
};

constexpr Zeilenplan ArbMZeilen[] = {
    {"&Sofortiger Abzug", "|Arbeitsmittel|Betrag", ""},
    {"&Sofortiger Abzug", "1.", "ArbMittel1 Kosten1"},
    {"&Sofortiger Abzug", "2.", "ArbMittel2 Kosten2"},
};

constexpr Knopfplan ArbMKnoepfe[] = {
    {"&Sofortiger Abzug", "SofortListeBtn", "&Liste ....", 4, "Kosten4",
     "Arbeitsmittel (Abzug sofort) - ", 541, true},
    {"A&bschreibung", "AbschreibungListeBtn", "&Liste ....", 0, "Kosten5"},
};

const Seitenbeschreibung WKArbMSeite{
    .klasse = "TF_WKArbM", .infoTitel = "Arbeitsmittel - ",
    .reiter = "&Sofortiger Abzug|A&bschreibung", .standardMaske = Standard, .zusatz = ArbMZusatz,
    .zeilen = ArbMZeilen, .knoepfe = ArbMKnoepfe, .rechnung = &Seitenrechnen<&ArbeitsmittelRechnen>,
    .einrichten = ArbeitsmittelEinrichten};

// --- Verpflegungsaufwand -------------------------------------------------------------------

constexpr FeldZusatz VerpflZusatz[] = {
    {"EWTa10", Tage, 0, 365}, {"EWTa14", Tage, 0, 365}, {"EWTa24", Tage, 0, 365},
    {"FzTa10", Tage, 0, 365}, {"FzTa14", Tage, 0, 365}, {"FzTa24", Tage, 0, 365},
    {"EWErgSum", nullptr, 0, 0, ZNormal, "Verpflegungsmehraufwand"},
    {"FzErgSum", nullptr, 0, 0, ZNormal, "Verpflegungsmehraufwand"},
};

constexpr Zeilenplan VerpflZeilen[] = {
    {"&Einsatzwechsel", "Abwesenheit|Tage|Betrag", ""},
    {"&Einsatzwechsel", "mindestens 8 Std.", "EWTa10 EWDM10"},
    {"&Einsatzwechsel", "mindestens 14 Std.", "EWTa14 EWDM14"},
    {"&Einsatzwechsel", "mindestens 24 Std.", "EWTa24 EWDM24"},
    {"&Fahrtätigkeit", "Abwesenheit|Tage|Betrag", ""},
    {"&Fahrtätigkeit", "mindestens 8 Std.", "FzTa10 FzDM10"},
    {"&Fahrtätigkeit", "mindestens 14 Std.", "FzTa14 FzDM14"},
    {"&Fahrtätigkeit", "mindestens 24 Std.", "FzTa24 FzDM24"},
};

const Seitenbeschreibung WKVerpflSeite{
    .klasse = "TF_WKVerpfl", .infoTitel = "Verpflegungsaufwand - ",
    .reiter = "&Einsatzwechsel|&Fahrtätigkeit", .standardMaske = Standard, .zusatz = VerpflZusatz,
    .zeilen = VerpflZeilen, .rechnung = &Seitenrechnen<&VerpflegungRechnen>};

// --- Doppelte Haushaltsführung --------------------------------------------------------------

constexpr FeldZusatz DoppHZusatz[] = {
    {"EhegAmOrtVon", nullptr, 0, 0, ZNormal, "Frühere dopp. Haushaltsführung am Beschäftigungsort"},
    {"UnterKJaCB", nullptr, 0, 0, ZNormal, "Unterkunft am früheren Beschäftigungsort beibehalten"},
    {"AGStFreiErs", nullptr, 0, 0, ZNormal, "Vom Arbeitgeber steuerfrei ersetzt"},
    {"HeimFahrtOefDM", nullptr, 0, 0, ZNormal,
     "Heimfahrten: öffentl. Verkehrsmittel bzw. tatsächl. Kfz-Kosten bei Behinderten"},
    {"HeimFahrtFzZahl", Tage, 0, 999},
    {"HeimFahrtFzKM", Km, 0, 9999},
    {"ErstFahrtFzKM", Km, 0, 9999},
    {"LetztFahrtFzKM", Km, 0, 9999},
    {"ErgFahrten", nullptr, 0, 0, ZNormal, "Fahrtkosten insgesamt"},
    {"VMTa10", Tage, 0, 365}, {"VMTa14", Tage, 0, 365}, {"VMTa24", Tage, 0, 365},
    {"FeldZeile61Str", nullptr, 0, 0, ZNormal, "Weitere Kosten"},
    {"ErgUnterkunft", nullptr, 0, 0, ZNormal, "Unterkunft und Verpflegung insgesamt"},
};

constexpr Zeilenplan DoppHZeilen[] = {
    {"&Fahrtkosten", "Erste Fahrt zum Beschäftigungsort", ""},
    {"&Fahrtkosten", "Kosten für öffentl. Verkehrsmittel lt. Nachweis", "ErstFahrtOefDM"},
    {"&Fahrtkosten", "Mit dem eigenen Fahrzeug: Fahrzeug, km, Betrag",
     "ErstFahrtFzLB ErstFahrtFzKM ErstFahrtFzDm"},
    {"&Fahrtkosten", "Letzte Fahrt zum Hausstand", ""},
    {"&Fahrtkosten", "Kosten für öffentl. Verkehrsmittel lt. Nachweis", "LetztFahrtOefDM"},
    {"&Fahrtkosten", "Mit dem eigenen Fahrzeug: Fahrzeug, km, Betrag",
     "LetztFahrtFzLB LetztFahrtFzKM LetztFahrtFzDM"},
    {"&Fahrtkosten", "Heimfahrten (wöchentlich)", ""},
    {"&Fahrtkosten", "Mit dem PKW: Entf.-km, Anzahl Fahrten, Betrag",
     "HeimFahrtFzKM HeimFahrtFzZahl HeimFahrtFzDM"},
    {"&Unterkunft", "Verpflegung in den ersten drei Monaten|Tage|Betrag", ""},
    {"&Unterkunft", "mindestens 8 Std.", "VMTa10 VMDM10"},
    {"&Unterkunft", "mindestens 14 Std.", "VMTa14 VMDM14"},
    {"&Unterkunft", "mindestens 24 Std.", "VMTa24 VMDM24"},
};

constexpr Knopfplan DoppHKnoepfe[] = {
    {"&Unterkunft", "UnterkunftListeBtn", "&Liste ....", 8, "UnterkunftDM",
     "Kosten der Unterkunft - ", 544, true},
};

const Seitenbeschreibung WKDoppHSeite{
    .klasse = "TF_WKDoppH", .infoTitel = "Doppelte Haush.-führung - ",
    .reiter = "&Grundlage|&Fahrtkosten|&Unterkunft", .standardMaske = Standard,
    .zusatz = DoppHZusatz, .zeilen = DoppHZeilen, .knoepfe = DoppHKnoepfe,
    .rechnung = &Seitenrechnen<&DoppelteHaushaltRechnen>};

// --- Arbeitszimmer -----------------------------------------------------------------------------

constexpr FeldZusatz ZimmerZusatz[] = {
    {"AntWohnQm", "iiii.ii", 0, 9999.99},
    {"AntAzQm", "iiii.ii", 0, 9999.99},
};

constexpr Zeilenplan ZimmerZeilen[] = {
    {"&Direkte Kosten", "Ansatz der Kosten:", ""},
    {"&Direkte Kosten", nullptr, "Ansatz0Rb"},
    {"&Direkte Kosten", nullptr, "Ansatz2400RB"},
    {"&Direkte Kosten", nullptr, "AnsatzUnbegRB"},
};

constexpr Knopfplan ZimmerKnoepfe[] = {
    {"&Direkte Kosten", "DirListeBtn", "&Liste ....", 10, "DirKostenAusListe",
     "Arb.-zimmer (direkte Kosten) - ", 552, true},
    {"An&teilige Kosten", "AntListeBtn", "&Liste ....", 12, "AntKostenAusListe",
     "Arb.-zimmer (anteilige Kosten) - ", 553, true},
};

const Seitenbeschreibung WKZimmerSeite{
    .klasse = "TF_WKZimmer", .infoTitel = "Arbeitszimmer - ",
    .reiter = "&Direkte Kosten|An&teilige Kosten", .standardMaske = Standard,
    .zusatz = ZimmerZusatz, .zeilen = ZimmerZeilen, .knoepfe = ZimmerKnoepfe,
    .radiogruppen = "Ansatz0Rb Ansatz2400RB AnsatzUnbegRB",
    .rechnung = &Seitenrechnen<&ArbeitszimmerRechnen>};

// --- Dienstreisen -----------------------------------------------------------------------------

constexpr FeldZusatz ReiseZusatz[] = {
    {"InKM", "iii,iii", 0, 999999},
    {"InL1R12", Tage, 0, 999}, {"InL1R10", Tage, 0, 999}, {"InL1R8", Tage, 0, 999},
    {"SummeInland", nullptr, 0, 0, ZNormal, "Summe Inland"},
};

constexpr Zeilenplan ReiseZeilen[] = {
    {"&Inland", "Fahrtkosten: gef. km, Fahrzeug, Betrag", "InKM InFahrzLB InFahrtKost"},
    {"&Inland", "Verpflegungsmehraufwand|Anzahl|Betrag", ""},
    {"&Inland", "über 24 Std.", "InL1R12 InlR12DM"},
    {"&Inland", "14 bis 24 Std.", "InL1R10 InlR10DM"},
    {"&Inland", "8 bis 14 Std.", "InL1R8 InlR8DM"},
};

constexpr Knopfplan ReiseKnoepfe[] = {
    {"&Inland", "InlListeBtn", "&Liste ....", 14, "InKostAusListe", "Dienstreisen Inland - ", 546,
     true},
    {"A&usland", "AuslListeBtn", "&Liste ....", 16, "AuslKostAusListe", "Dienstreisen Ausland - ",
     547, true},
};

const Seitenbeschreibung WKReiseSeite{
    .klasse = "TF_WKReise", .infoTitel = "Dienstreisen - ", .reiter = "&Inland|A&usland",
    .standardMaske = Standard, .zusatz = ReiseZusatz, .zeilen = ReiseZeilen,
    .knoepfe = ReiseKnoepfe, .rechnung = &Seitenrechnen<&DienstreisenRechnen>,
    .einrichten = PersonImTitel};

// --- Sonstige Kosten ----------------------------------------------------------------------------

constexpr Knopfplan SonstKnoepfe[] = {
    {"&Fortbildung", "FortbildBtn", "&Liste ....", 20, "FortbildDM", "Fortbildungskosten - ", 548,
     true},
    {"&Unfall", "UnfallBtn", "&Liste ....", 22, "UnfallDM", "Unfallkosten - ", 549, true},
    {"Umzu&g", "UmzugBtn", "&Liste ....", 24, "UmzugDM", "Umzugkosten - ", 550, true},
    {"&Diverse", "DiverseBtn", "&Liste ....", 26, "DiverseDM", "Diverse Einzelkosten - ", 551,
     true},
};

const Seitenbeschreibung WKSonstSeite{
    .klasse = "TF_WKSonst", .infoTitel = "Sonstige Kosten - ",
    .reiter = "&Fortbildung|&Unfall|Umzu&g|&Diverse", .standardMaske = Standard,
    .knoepfe = SonstKnoepfe, .rechnung = &Seitenrechnen<&SonstigeWerbungskostenRechnen>,
    .einrichten = PersonImTitel};

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
