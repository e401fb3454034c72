// The owner-occupied home pages: the object, the new states before 1991, the
// old states before 1987, and the § 10e/15b page of the homes from 1991 (new
// states) and 1987 (old states), one set of data for both places.
#include <QAbstractButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "calc/betrag.h"
#include "pages/kinder.h"
#include "pages/seite_wohneigentum.h"
#include "pages/wohneigentum.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

namespace {

// A line of text below the title of the "&Info" tab.
void InfoText(TForm11& s, const char* text) {
    QWidget* info = s.OvcNb()->widget(0);
    auto* l = new QLabel(QString::fromUtf8(text), info);
    l->setWordWrap(true);
    static_cast<QVBoxLayout*>(info->layout())->insertWidget(1, l);
}

void NeueLaenderEinrichten(TForm11& s) {
    InfoText(s,
             "Diese Angaben sind nur für eine eigengenutzte Wohnung im Beitrittsgebiet\n"
             "bei Anschaffung  o d e r  Herstellung vor dem 01.01.1991 möglich!");
}

void AlteLaenderEinrichten(TForm11& s) {
    InfoText(s,
             "Diese Abzugsbeträge gibt es nur für eine eigengenutzte Wohnung in den alten "
             "Ländern,\ndie vor dem 01.01.1987 angeschafft oder hergestellt wurde.");
}

}  // namespace

constexpr const char* Dm = "ii,iii,iii";
constexpr const char* Prozent = "iii.i";
constexpr const char* Anzahl = "iiii";

// --- Lage, Anteile Steuerbegünstigungen -------------------------------------------------------

constexpr FeldZusatz FW0Zusatz[] = {
    {"Lage", nullptr, 0, 0, ZNormal, "Lage der Wohnung (Ort, Straße, Hausnummer)"},
    {"Besitzer", nullptr, 0, 0, ZNormal, "Eigentümer"},
    {"AndHausZahlWo", Anzahl, 0, 9999},
    {"Wohnqm", Anzahl, 0, 9999},
    {"BerufQm", Anzahl, 0, 9999},
    {"HausQm", Anzahl, 0, 9999},
    {"AndHausEgenWo", Anzahl, 0, 9999, ZNormal, "Wohnungen, davon eigengenutzt:"},
};

constexpr Zeilenplan FW0Zeilen[] = {
    {"&Basisangaben", nullptr, "AndHausCB AndHausZahlWo"},
    {"&Basisangaben", "Bei Kauf:", ""},
    {"&Basisangaben", nullptr, "Kaufvertrag Anschaffung"},
    {"&Basisangaben", "Bei Bau:", ""},
    {"&Basisangaben", nullptr, "Bauantrag Baubeginn"},
    {"&Basisangaben", nullptr, "Fertig SelbstNutzung"},
    {"&Basisangaben", "Abzugsbeträge wurden bereits beansprucht für:", ""},
    {"&Basisangaben", nullptr, "AbzugAltobjekte"},
    {"Anteile &Begünst.",
     "Gesondert festgestellte Anteile: Anschaffung/Herstellung vor dem 01.01.1991 (Neue Länder) "
     "bzw. vor dem 01.01.1987 (Alte Länder)",
     ""},
    {"Anteile &Begünst.", nullptr, "S1Anteil"},
    {"Anteile &Begünst.", nullptr, "S1AnteilDM"},
    {"Anteile &Begünst.", "Gesondert festgestellte Anteile: Anschaffung/Herstellung ab diesen Tagen",
     ""},
    {"Anteile &Begünst.", nullptr, "S2Anteil"},
    {"Anteile &Begünst.", nullptr, "S2AnteilDM"},
};

const Seitenbeschreibung SaFW0Seite{
    .klasse = "TF_SaFW0", .infoTitel = "Selbstgenutztes Wohneigentum",
    .reiter = "&Lage Wohnung|&Basisangaben|Anteile &Begünst.", .standardMaske = Dm,
    .zusatz = FW0Zusatz, .zeilen = FW0Zeilen};

// --- Neue Länder vor 1991 ----------------------------------------------------------------------

constexpr Zeilenplan FW1Zeilen[] = {
    {"&Kosten", "|Kosten 2001|Abzugsbetrag 10%|", ""},
    {"&Kosten", "Erhaltungsmaßnahmen (§ 10 f. Abs. 2 EStG)", "Fall2DM Abzug2DM Fall2CB"},
    {"&Kosten", "Herstellungskosten (§ 10 f Abs. 1 EStG)", "Fall3DM Abzug3DM Fall3CB"},
};

const Seitenbeschreibung SaFW1Seite{
    .klasse = "TF_SaFW1", .infoTitel = "Eigengenutzte Wohnung im Beitrittsgebiet",
    .reiter = "&Kosten", .standardMaske = Dm, .zeilen = FW1Zeilen,
    .rechnung = &Seitenrechnen<&BeitrittsgebietRechnen>, .einrichten = NeueLaenderEinrichten};

// --- Alte Länder vor 1987 ----------------------------------------------------------------------

constexpr FeldZusatz FW2Zusatz[] = {
    {"OberDM1", nullptr, 0, 0, ZNormal,
     "Gesamtbetrag der erhöhten Absetzungen nach §§ 14a BerlinFG wie Vorjahr"},
};

constexpr Zeilenplan FW2Zeilen[] = {
    {"&Begünstigungen", "|Kosten, fertiggestellt 2001|10% =|wie Vorjahr", ""},
    {"&Begünstigungen", "Erhaltungsmaßnahmen nach § 10f Abs. 2 EStG", "BerechDM1 OberDM3 ErhaltCB1"},
    {"&Begünstigungen", "Baumaßnahmen nach § 10f Abs. 1 EStG", "BerechDM2 OberDM4 ErhaltCB2"},
};

const Seitenbeschreibung SaFW2Seite{
    .klasse = "TF_SaFW2", .infoTitel = "Eigengenutzte Wohnung in Alten Ländern",
    .reiter = "&Begünstigungen", .standardMaske = Dm, .zusatz = FW2Zusatz, .zeilen = FW2Zeilen,
    .rechnung = &Seitenrechnen<&AltbauRechnen>, .einrichten = AlteLaenderEinrichten};

// --- § 10e/15b ---------------------------------------------------------------------------------

constexpr FeldZusatz FW3Zusatz[] = {
    {"EigWohnProz", Prozent, 0, 100, ZNormal, "Auf eigengenutzte Wohnung entfallen (%)"},
    {"BerWohnProz", Prozent, 0, 100, ZNormal, "- davon auf berufl. genutzte Räume (%)"},
    {"AbzugProz", Prozent, 0, 100, ZNormal, "Abzugssatz von der Bemessungsgrundlage (%)"},
    {"NachholProz", Prozent, 0, 100},
    {"UnentProz", Prozent, 0, 100},
    {"MitEigentumProz", "iii", 0, 100, ZNormal, "Miteigentumsanteil in Prozent (100% = Alleineigentum)"},
    {"FgSu", nullptr, 0, 0, ZNormal, "Abzugsbeträge insgesamt"},
    {"UnentSu", nullptr, 0, 0, ZNormal, "Abzugsbetrag § 10h EStG"},
    {"EhZuErhaltAufwMit", nullptr, 0, 0, ZNormal,
     "Anteil an den 2001 geleisteten Erhaltungsaufwendungen bei Miteigentum"},
    {"ZahlKinder", "ii", 0, 99, ZNormal,
     "Anzahl der im Begünstigungszeitraum auf Dauer zum Haushalt gehörigen Kinder (vgl. Anlage "
     "Kinder):"},
};

constexpr Zeilenplan FW3Zeilen[] = {
    {"§&10e/15b", "|Gr./Boden|Gebäude", ""},
    {"§&10e/15b", "Anschaff./Herstellkosten", "AnschGB AnschGeb"},
    {"§&10e/15b", "Nachträgliche Kosten", "NachAnschGB NachAnschGeb"},
    {"§&10e/15b", nullptr, "EigWohnProz EigWohnDM"},
    {"§&10e/15b", nullptr, "BerWohnProz BerWohnDM"},
    {"§&10e/15b", nullptr, "AbzugProz SaFW3_AbzugDM"},
    {"§&10e/15b", "Nachholung: Betrag, davon %, Abzug", "NachholDM NachholProz NachholAbzug"},
    {"Be&sondere",
     "§ 82a EStDV, § 10f EStG, Schutzbauten, § 7 Fördergebietsgesetz an der eigengenutzten Wohnung",
     ""},
    {"Be&sondere", "Abzug wie Vorjahr", "AbzVorj82"},
    {"Be&sondere", nullptr, "FgDM FgProzIst"},
    {"Be&sondere",
     "Herstellungskosten für eine unentgeltl. überlassene Wohnung im eigenen Haus (§ 10h EStG)",
     ""},
    {"Be&sondere", "Kosten, davon %", "UnentDM UnentProz"},
    {"&Zinsen, ...", "Es wird kein Antrag auf Eigenheimzulage gestellt", ""},
    {"&Zinsen, ...", nullptr, "Schuld"},
    {"&Zinsen, ...", nullptr, "AndereArt AndereDm"},
};

const Seitenbeschreibung SaFW3Seite{
    .klasse = "TF_SaFW3", .infoTitel = "Eigengenutzte Wohnung in Alten/Neuen Ländern",
    .reiter = "§&10e/15b|Be&sondere|&Zinsen, ...|&Vorkosten|Kinde&r", .standardMaske = Dm,
    .zusatz = FW3Zusatz, .zeilen = FW3Zeilen};

namespace {

// The four computations of the § 10e page and the fields whose exit runs them.
struct Gruppe {
    std::initializer_list<Feld> felder;
    void (*rechnung)(CaseRecord&);
};

const Gruppe FW3Gruppen[] = {
    // FelderVorBGrenzExit: the costs and shares make the base, then the deduction
    {{Feld::AnschGB, Feld::AnschGeb, Feld::NachAnschGB, Feld::NachAnschGeb, Feld::EigWohnProz,
      Feld::BerWohnProz},
     &Bemessungsgrundlage10eRechnen},
    // NachBGrenzExit: the deduction from the (perhaps overwritten) base
    {{Feld::Bemgrund, Feld::AbzugProz, Feld::AbzugVor, Feld::NachholProz, Feld::NachholDM},
     &Abzug10eRechnen},
    // BestimmteExit
    {{Feld::AbzVorj82, Feld::FgDM, Feld::UnentDM, Feld::UnentProz}, &WeitereAbzuegeRechnen},
    // SchuldExit
    {{Feld::Schuld, Feld::Damnum, Feld::Geld, Feld::Erhalt, Feld::AndereDm, Feld::EhZuErhaltAufw,
      Feld::MitEigentumProz, Feld::EhZuErhaltAufwMit},
     &VorkostenRechnen},
};

}  // namespace

TForm11* WohneigentumSeite(Seitenumgebung& u, int seite) {
    switch (seite) {
        case 1: return new TF_SaFW0(u);
        case 2: return new TForm11(u, SaFW1Seite, 0, 1);
        case 3:
        case 5: return new TF_SaFW3(u);
        case 4: return new TForm11(u, SaFW2Seite, 0, 1);
        default: return nullptr;
    }
}

// --- TF_SaFW0 ------------------------------------------------------------------------------------

TF_SaFW0::TF_SaFW0(Seitenumgebung& u, QWidget* eltern)
    : TForm11(u, SaFW0Seite, 0, 1, eltern) {
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    for (Feld f : {Feld::Kaufvertrag, Feld::Anschaffung, Feld::Bauantrag, Feld::Baubeginn,
                   Feld::Fertig, Feld::SelbstNutzung})
        Datumsbereich(f, ab1900, LetzterTagSteuerjahr);
    if (QAbstractButton* k = Kasten(Feld::WgNeuBlCB))
        k->setText(QStringLiteral("Anschaff./Herstellung erfolgte anläßlich\n"
                                  "Wohnsitzverlegung in Neue Länder"));
}

void TF_SaFW0::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(
        QStringLiteral("  Selbstgenutztes Wohneigentum,  Alle eigengenutzte Wohnungen"));
}

// --- TF_SaFW3 ------------------------------------------------------------------------------------

TF_SaFW3::TF_SaFW3(Seitenumgebung& u, QWidget* eltern)
    : TForm11(u, SaFW3Seite, 0, 1, eltern) {
    if (QAbstractButton* k = Kasten(Feld::EhZuPauschCB))
        k->setText(QStringLiteral("Vorkostenpauschale bei Inanspruchnahme der\n"
                                  "Eigenheimzulage in den Jahren 2001, 2002 oder 2003"));
    kinderLbl_ = new QLabel;
    kinderLbl_->setObjectName(QStringLiteral("KinderLtAnlageLbl"));
    if (!NebenFeld(Steuer(Feld::ZahlKinder), kinderLbl_)) kinderLbl_->setParent(this);
}

void TF_SaFW3::FormShow() {
    TForm11::FormShow();
    // The children as the children pages count them now, even when those
    // pages were not opened since the last change.
    CaseRecord kinder = Satz();
    KinderUndBehinderteRechnen(kinder);
    kinderLbl_->setText(
        QStringLiteral("(") +
        QString::fromStdString(FormatMaske("## Kind(er) ", KinderLautAnlageK(kinder))) +
        QStringLiteral("lt. Anlage K)"));
    SpeichernLaden();
}

void TF_SaFW3::FeldVerlassen(QWidget* w) {
    for (const Bindung& b : bindungen_) {
        if (b.steuer != w) continue;
        for (const Gruppe& g : FW3Gruppen)
            for (Feld f : g.felder)
                if (f == b.feld)
                    return SpeichernRechnenLaden([&g](CaseRecord& r) {
                        if (g.rechnung) g.rechnung(r);
                    });
        return;
    }
}

}  // namespace quarnel::gui
