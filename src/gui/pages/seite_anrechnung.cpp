// The taxes paid (prepayments entered, taxes withheld shown) and the
// statistics annex.
#include <QTabWidget>

#include "pages/anrechnung.h"
#include "pages/seite_wohneigentum.h"

namespace quarnel::gui {

// --- Anrechnungsbeträge ------------------------------------------------------------------------

const Seitenbeschreibung AnrechSeite = AusTafel("TF_Anrech");

// The spouse's fields, open only with joint assessment.
constexpr Feld AnrechSie[] = {Feld::EStVzSie, Feld::KistVzSie, Feld::SolVzSie,
                              Feld::LstSie,   Feld::KistSie,   Feld::SoliSie};

// --- Statistik -----------------------------------------------------------------------------------

const Seitenbeschreibung StatSeite = AusTafel("TF_Stat");

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
