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

// --- Lage, Anteile Steuerbegünstigungen -------------------------------------------------------

const Seitenbeschreibung SaFW0Seite = AusTafel("TF_SaFW0");

// --- Neue Länder vor 1991 ----------------------------------------------------------------------

const Seitenbeschreibung SaFW1Seite =
    AusTafel("TF_SaFW1", &Seitenrechnen<&BeitrittsgebietRechnen>, NeueLaenderEinrichten);

// --- Alte Länder vor 1987 ----------------------------------------------------------------------

const Seitenbeschreibung SaFW2Seite =
    AusTafel("TF_SaFW2", &Seitenrechnen<&AltbauRechnen>, AlteLaenderEinrichten);

// --- § 10e/15b ---------------------------------------------------------------------------------

const Seitenbeschreibung SaFW3Seite = AusTafel("TF_SaFW3");

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
