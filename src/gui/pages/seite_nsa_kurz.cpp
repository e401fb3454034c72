// The wage-tax card page and the quick-calculation page.
#include <QAbstractButton>
#include <QPushButton>
#include <QTabWidget>

#include "calc/betrag.h"
#include "pages/seiten.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

constexpr const char* DM = "ii,iii,iii.00";
constexpr const char* Spar = "i,iii,iii.ii";

constexpr FeldZusatz NsaZusatz[] = {
    {"Brutto", DM},     {"StBefrNacht630", DM},       {"Versbez", DM},
    {"VersBezMJ", DM},  {"BruttoMj", DM},             {"Entsch", DM},
    {"EntschFB", DM},   {"BruttoMjNichtErmBest", DM}, {"EntschNichtErmBest", DM},
    {"Vwl1Betrag", Spar}, {"Vwl2Betrag", Spar},       {"Vwl3Betrag", Spar},
    {"Vwl4Betrag", Spar},
    {"BestaetVorsorge", nullptr, 0, 0, ZNormal,
     "Die Angaben zu den Vorsorgeaufwendungen sind vollständig"},
    {"ZeitenNichtbesch", nullptr, 0, 0, ZNormal, "Zeiten und Gründe der Nichtbeschäftigung"},
};

constexpr Zeilenplan NsaZeilen[] = {
    // Line 13 shares its help number with line 12; the caption keeps it on its own row.
    {"T&eil II", "13. Kirchensteuer Arbeitnehmer", "KiStAnMj"},
    {"&Vors.", "Keine gesetzliche Rentenversicherungspflicht:", ""},
    {"&Vors.", nullptr, "KeineRVPflBeamterCB"},
    {"V&WL", "|Art des Vertrags|Vertragsnummer|Betrag", ""},
    {"V&WL", "1.", "Vwl1Art Vwl1Vertrag Vwl1Betrag"},
    {"V&WL", "2.", "Vwl2Art Vwl2Vertrag Vwl2Betrag"},
    {"V&WL", "3.", "Vwl3Art Vwl3Vertrag Vwl3Betrag"},
    {"V&WL", "4.", "Vwl4Art Vwl4Vertrag Vwl4Betrag"},
};

const Seitenbeschreibung NSASeite{
    .klasse = "TF_NSA", .infoTitel = "Einkünfte aus Nichtselbständiger Arbeit",
    .reiter = "&Teil I|T&eil II|Te&il III|&Vors.|&Sonst.|Er&satzl.|V&WL",
    .standardMaske = "ii,iii,iii.ii", .zusatz = NsaZusatz, .zeilen = NsaZeilen};

constexpr const char* Kind = "iiii.00";

constexpr FeldZusatz KurzZusatz[] = {
    {"MonateRelEr", "ii", 0, 12},  {"MonateRelSie", "ii", 0, 12},
    {"MoKiFb1", "ii", 0, 12},      {"MoKiFb2", "ii", 0, 12},      {"MoKiFb3", "ii", 0, 12},
    {"MoKiFb4", "ii", 0, 12},      {"MoKiFb5", "ii", 0, 12},      {"MoKiFb6", "ii", 0, 12},
    {"MoBetrFb1", "ii", 0, 12},    {"MoBetrFb2", "ii", 0, 12},    {"MoBetrFb3", "ii", 0, 12},
    {"MoBetrFb4", "ii", 0, 12},    {"MoBetrFb5", "ii", 0, 12},    {"MoBetrFb6", "ii", 0, 12},
    {"KiGeld1", Kind, 0, 5000},    {"KiGeld2", Kind, 0, 5000},    {"KiGeld3", Kind, 0, 5000},
    {"KiGeld4", Kind, 0, 5000},    {"KiGeld5", Kind, 0, 5000},    {"KiGeld6", Kind, 0, 5000},
    {"Kurz_FamilienstandLB", nullptr, 0, 0, ZNormal, "Familienstand / Tabelle"},
    {"AbHaushilfe", nullptr, 0, 0, ZNormal, "- Haushaltshilfe / Heimunterbringung"},
};

constexpr Zeilenplan KurzZeilen[] = {
    {"&Basis", "Kinder|Kind.-Freib.|Monate mit Ki.-Fb.|Monate mit Betr.-Fb.|Ki.-geld|Im Haushalt",
     ""},
    {"&Basis", "1. Kind", "KiFb1 MoKiFb1 MoBetrFb1 KiGeld1 KiImHH1"},
    {"&Basis", "2. Kind", "KiFb2 MoKiFb2 MoBetrFb2 KiGeld2 KiImHH2"},
    {"&Basis", "3. Kind", "KiFb3 MoKiFb3 MoBetrFb3 KiGeld3 KiImHH3"},
    {"&Basis", "4. Kind", "KiFb4 MoKiFb4 MoBetrFb4 KiGeld4 KiImHH4"},
    {"&Basis", "5. Kind", "KiFb5 MoKiFb5 MoBetrFb5 KiGeld5 KiImHH5"},
    {"&Basis", "6. Kind", "KiFb6 MoKiFb6 MoBetrFb6 KiGeld6 KiImHH6"},
};

constexpr Knopfplan KurzKnoepfe[] = {{"&Voraus", "OkBtn", "&OK"}};

const Seitenbeschreibung KurzSeite{
    .klasse = "TF_Kurz", .infoTitel = "Kurzberechnung",
    .reiter = "&Basis|&Einkünfte|&So.-ausg.|&Auß. Bel.|&Voraus",
    .unterreiter = "&Einkünfte=&NSA|&Kapital|&Renten|&Weitere", .standardMaske = "ii,iii,iii.ii",
    .spaltenkoepfe = "Stpfl./Ehemann|Ehefrau", .zusatz = KurzZusatz, .zeilen = KurzZeilen,
    .knoepfe = KurzKnoepfe};


// --- TF_NSA ------------------------------------------------------------------------------

TF_NSA::TF_NSA(Seitenumgebung& u, int karte, QWidget* eltern)
    : TForm11(u, karte < 1 || karte > 4 ? 1 : karte, eltern) {
    setObjectName(QStringLiteral("TF_NSA"));
    SeiteAufbauen(*this, NSASeite, instanz_);
    OvcNb()->setCurrentIndex(0);
}

void TF_NSA::FormShow() {
    TForm11::FormShow();
    const QString person =
        Person() == 1 ? QStringLiteral("Steuerpflichtiger, ") : QStringLiteral("Ehegatte, ");
    KopfPnl()->setText(QStringLiteral(" ") + person + InfoTitelLbl()->text() +
                       QStringLiteral(" - %1. Steuerkarte").arg(Karte()));
    if (Karte() == 2) {
        for (const char* t : {"&Vors.", "&Sonst.", "Er&satzl.", "V&WL"})
            OvcNb()->setTabEnabled(ReiterIndex(QString::fromUtf8(t)), false);
        if (QWidget* l = findChild<QWidget*>(QStringLiteral("SteuerklasseLbl")))
            l->setEnabled(false);
        Steuer(Feld::Steuerklasse)->hide();
        Kasten(Feld::BeamtenRVersBezCB)->setEnabled(false);
        Kasten(Feld::AltersruhegeldRVCB)->setEnabled(false);
    }
}

// --- TF_Kurz -------------------------------------------------------------------------------

TF_Kurz::TF_Kurz(Seitenumgebung& u, QWidget* eltern) : TForm11(u, 0, eltern) {
    setObjectName(QStringLiteral("TF_Kurz"));
    SeiteAufbauen(*this, KurzSeite, 1);
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    for (Feld f : {Feld::GebDatStpfl, Feld::GebDatEheg, Feld::Sa10eDat})
        Datumsbereich(f, ab1900, LetzterTagSteuerjahr);
    if (auto* ok = findChild<QPushButton*>(QStringLiteral("OkBtn")))
        connect(ok, &QPushButton::clicked, this, &TForm11::Schliessen);
    OvcNb()->setCurrentIndex(0);
}

TF_Kurz::~TF_Kurz() {
    umgebung_.SetzeKurzberechnung(false);
}

void TF_Kurz::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  Kurzberechnung"));
    umgebung_.SetzeKurzberechnung(true);
}

void TF_Kurz::DatenSpeichern() {
    TForm11::DatenSpeichern();
    CaseRecord& r = Satz();
    r.SetzeText(Feld::MonateRelEr_Text, r.Int(Feld::MonateRelEr) > 0 ? "KiSt erhebend" : "keine");
    r.SetzeText(Feld::MonateRelSie_Text,
                r.Int(Feld::MonateRelSie) > 0 ? "KiSt erhebend" : "keine");
}

}  // namespace quarnel::gui
