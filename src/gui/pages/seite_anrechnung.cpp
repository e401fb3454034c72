// The taxes paid (prepayments entered, taxes withheld shown) and the
// statistics annex.
#include <QTabWidget>

#include "pages/anrechnung.h"
#include "pages/seite_wohneigentum.h"

namespace quarnel::gui {

constexpr const char* Dm = "ii,iii,iii.ii";

// --- Anrechnungsbeträge ------------------------------------------------------------------------

constexpr FeldZusatz AnrechZusatz[] = {
    {"EStVzEr", nullptr, 0, 0, ZNormal, "Vorauszahlungen: Einkommensteuer"},
    {"KistVzEr", nullptr, 0, 0, ZNormal, "Vorauszahlungen: Kirchensteuer"},
    {"SolVzEr", nullptr, 0, 0, ZNormal, "Vorauszahlungen: Solidaritätszuschlag"},
};

constexpr Zeilenplan AnrechZeilen[] = {
    {"&Gezahlte Steuern", "Laut Lohnsteuerkarte gezahlt", ""},
    {"&Gezahlte Steuern", nullptr, "LstEr LstSie"},
    {"&Gezahlte Steuern", "Laut Register Kapitaleinkünfte gezahlt", ""},
    {"&Gezahlte Steuern", nullptr, "AnzKap"},
};

const Seitenbeschreibung AnrechSeite{
    .klasse = "TF_Anrech", .infoTitel = "Anrechnungsbeträge", .reiter = "&Gezahlte Steuern",
    .standardMaske = Dm, .spaltenkoepfe = "Stpfl./Ehemann|Ehefrau", .zusatz = AnrechZusatz,
    .zeilen = AnrechZeilen};

// The spouse's fields, open only with joint assessment.
constexpr Feld AnrechSie[] = {Feld::EStVzSie, Feld::KistVzSie, Feld::SolVzSie,
                              Feld::LstSie,   Feld::KistSie,   Feld::SoliSie};

// --- Statistik -----------------------------------------------------------------------------------

constexpr Zeilenplan StatZeilen[] = {
    {"Teil &1", "Absetzungen nach § 7 EStG bei den Gewinneinkünften", ""},
    {"Teil &1", nullptr, "P7_GebLin"},
    {"Teil &1", "Absetzungen nach § 7 EStG bei Vermietung und Verpachtung", ""},
    {"Teil &1", nullptr, "P7_VuVLin"},
    {"Teil &1", "Erhöhte Absetzungen", ""},
    {"Teil &1", nullptr, "P7h"},
    {"Teil &2", "Sonder- und Ansparabschreibungen", ""},
    {"Teil &2", nullptr, "P7g1"},
    {"Teil &2", "Fördergebietsgesetz", ""},
    {"Teil &2", nullptr, "P3u4a"},
    {"Teil &2", "Weitere Vergünstigungen", ""},
    {"Teil &2", nullptr, "P82f"},
    {"Teil &3", "Pensionsrückstellungen", ""},
    {"Teil &3", nullptr, "P6aRStell"},
    {"Teil &3", "Pensionskassen und Unterstützungskassen", ""},
    {"Teil &3", nullptr, "P4c"},
    {"Teil &3", "Übertragene Gewinne und Betriebsausgaben", ""},
    {"Teil &3", nullptr, "P6b"},
};

const Seitenbeschreibung StatSeite{
    .klasse = "TF_Stat", .infoTitel = "Statistik", .reiter = "Teil &1|Teil &2|Teil &3",
    .standardMaske = Dm, .zeilen = StatZeilen};

// --- TF_Anrech ------------------------------------------------------------------------------------

TF_Anrech::TF_Anrech(Seitenumgebung& u, QWidget* eltern) : TForm11(u, 0, eltern) {
    setObjectName(QStringLiteral("TF_Anrech"));
    SeiteAufbauen(*this, AnrechSeite, 1);
    OvcNb()->setCurrentIndex(0);
}

void TF_Anrech::FormShow() {
    // The withheld taxes are what the cards and the capital pages say now.
    AnrechRechnen(Satz());
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  ") + InfoTitelLbl()->text());
    const bool grund = Satz().Bool(Feld::Grundtabelle);
    for (QLabel* l : findChildren<QLabel*>(QStringLiteral("KopfSieLbl"))) {
        l->setEnabled(!grund);
        QFont f = l->font();
        f.setItalic(grund);
        l->setFont(f);
    }
    const bool splitting = Satz().Bool(Feld::Splitting);
    for (Feld f : AnrechSie)
        if (QWidget* w = Steuer(f)) w->setEnabled(splitting);
}

// --- TF_Stat ---------------------------------------------------------------------------------------

TF_Stat::TF_Stat(Seitenumgebung& u, QWidget* eltern) : TForm11(u, 0, eltern) {
    setObjectName(QStringLiteral("TF_Stat"));
    SeiteAufbauen(*this, StatSeite, 1);
    OvcNb()->setCurrentIndex(0);
}

void TF_Stat::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  ") + InfoTitelLbl()->text());
}

void TF_Stat::DatenSpeichern() {
    TForm11::DatenSpeichern();
    StatistikFlagRechnen(Satz());
}

}  // namespace quarnel::gui
