// The annuities page and the other-income page with its private sales.
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <string_view>

#include "calc/betrag.h"
#include "pages/einkuenfte_seiten.h"
#include "pages/seite_renten.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

// --- Einkünfte aus Renten ----------------------------------------------------------------

constexpr const char* GanzeDM = "iii,iii.00";
constexpr const char* Prozent = "999%";

constexpr FeldZusatz RenteZusatz[] = {
    {"ErtAntBek1", Prozent, 0, 100},     {"ErtAntBek2", Prozent, 0, 100},
    {"ErtAntBek3", Prozent, 0, 100},     {"ErtAntBek4", Prozent, 0, 100},
    {"ErtAnteilRech1", Prozent},         {"ErtAnteilRech2", Prozent},
    {"ErtAnteilRech3", Prozent},         {"ErtAnteilRech4", Prozent},
    {"Zahlung1", GanzeDM, 0, 999999},    {"Zahlung2", GanzeDM, 0, 999999},
    {"Zahlung3", GanzeDM, 0, 999999},    {"Zahlung4", GanzeDM, 0, 999999},
    {"StpflZahlung1", GanzeDM},          {"StpflZahlung2", GanzeDM},
    {"StpflZahlung3", GanzeDM},          {"StpflZahlung4", GanzeDM},
};

// The payment and the back payment each beside its taxable part.
constexpr Zeilenplan RenteZeilen[] = {
    {"&1. R. - Stpfl.", "|Betrag|Steuerpflichtig", ""},
    {"&1. R. - Stpfl.", "Rentenbetrag (ohne Nachzahlung)", "Zahlung1 StpflZahlung1"},
    {"&1. R. - Stpfl.", "Nachzahlung früherer Jahre", "Nachzahlung1 StpflNachzahlung1"},
    {"&2. R. - Stpfl.", "|Betrag|Steuerpflichtig", ""},
    {"&2. R. - Stpfl.", "Rentenbetrag (ohne Nachzahlung)", "Zahlung2 StpflZahlung2"},
    {"&2. R. - Stpfl.", "Nachzahlung früherer Jahre", "Nachzahlung2 StpflNachzahlung2"},
    {"&1. R. - Eheg.", "|Betrag|Steuerpflichtig", ""},
    {"&1. R. - Eheg.", "Rentenbetrag (ohne Nachzahlung)", "Zahlung3 StpflZahlung3"},
    {"&1. R. - Eheg.", "Nachzahlung früherer Jahre", "Nachzahlung3 StpflNachzahlung3"},
    {"&2. R. - Eheg.", "|Betrag|Steuerpflichtig", ""},
    {"&2. R. - Eheg.", "Rentenbetrag (ohne Nachzahlung)", "Zahlung4 StpflZahlung4"},
    {"&2. R. - Eheg.", "Nachzahlung früherer Jahre", "Nachzahlung4 StpflNachzahlung4"},
};

const Seitenbeschreibung RenteSeite{
    .klasse = "TF_Rente", .infoTitel = "Einkünfte aus Renten",
    .reiter = "&1. R. - Stpfl.|&2. R. - Stpfl.|&1. R. - Eheg.|&2. R. - Eheg.",
    .standardMaske = "iii,iii.ii", .zusatz = RenteZusatz, .zeilen = RenteZeilen,
    .rechnung = &Seitenrechnen<&RentenErtragRechnen>};

// --- Sonstige Einkünfte ------------------------------------------------------------------

constexpr const char* Leist = "&Wiederk./Leist.";
constexpr const char* Abg = "Ab&geordn./Sonst.";
constexpr const char* Info = "&Info";
constexpr const char* Grund = "&Grundst.";
constexpr const char* Wigu = "&Wi.-güter";
constexpr const char* Termin = "&Terming.";
constexpr const char* Anteile = "&Anteile";
constexpr const char* Vorjahr = "&Vorjahr";
constexpr const char* Spalten = "|Steuerpfl.|Ehegatte";

constexpr FeldZusatz SonstZusatz[] = {
    {"VGrund_EigWohnQm", "iiii.ii", 0, 9999.99},
    {"VGrund_AndZweckQm", "iiii.ii", 0, 9999.99},
};

// Rows in the order of the form; the texts of the services and the second
// block of other assets sort behind the rows before them.
constexpr Zeilenplan SonstZeilen[] = {
    {Leist, "<b>Wiederkehrende Bezüge</b>", ""},
    {Leist, "Einnahmen aus", "WBEinAus"},
    {Leist, Spalten, ""},
    {Leist, "Einnahmen", "WbEinAusDMStp WbEinAusDMEhe"},
    {Leist, "Unterhaltsleistungen, soweit sie vom", ""},
    {Leist, "Geber als Sonderausgaben abgezogen", "WbUnterStp WbUnterEhe"},
    {Leist, "Werbungskosten", "WbWerbkStp WbWerbkEhe"},
    {Leist, "<b>Leistungen</b>", ""},
    {Leist, "Einnahmen aus", "LeistEinAus", 1104},
    {Leist, Spalten, ""},
    {Leist, "Einnahmen", "LeistEinEr LeistEinSie"},
    {Leist, "Werbungskosten", "LeistWKEr LeistWKSie"},
    {Leist, "Einkünfte", "LeistErgEr LeistErgSie"},
    {Leist, "Verrechnung negativer Leistungen", ""},
    {Leist, "Einkünfte soll begrenzt werden", "LeistBegrenzCB"},

    {Abg, "<b>Abgeordnetenbezüge</b>", ""},
    {Abg, Spalten, ""},
    {Abg, "Steuerpflichtige Einnahmen", "AbgEinEr AbgEinSie"},
    {Abg, "darin enthaltene Versorgungsbezüge", "AbgEinVbezEr AbgEinVbezSie"},
    {Abg, "Vergütung mehrere Jahre", "AbgMjEr AbgMjSie"},
    {Abg, "darin enthaltene Versorgungsbezüge", "AbgMjVbEr AbgMjVbSie"},
    {Abg, "<b>Anteile an Einkünften aus Verlustzu-</b>", ""},
    {Abg, "weisungsgesellschaften/ähnliche Modelle", "VerlustzuwGeEr VerlustzuwGeSie"},

    {Info, "Verrechnung nicht ausgeglichener Verluste", ""},
    {Info, "soll begrenzt werden.", "VerGeschBegrenz"},
    {Info, Spalten, ""},
    {Info, "Einkünfte aus Veräußerungsgeschäften", "SpekErgEr SpekErgSie"},

    {Grund, "<b>Grundstücke und grundstücksgleiche Rechte</b>", ""},
    {Grund, "Bezeichnung", "VGrund_Bez"},
    {Grund, "Anschaffungsdatum", "VGrund_KaufDat"},
    {Grund, "Veräußerungsdatum", "VGrund_VerkaufDat"},
    {Grund, "Nutzung|vom|bis", ""},
    {Grund, nullptr, "VGrund_EigWohn VGrund_EigWohnVon VGrund_EigWohnBis"},
    {Grund, "Fläche (qm)", "VGrund_EigWohnQm"},
    {Grund, nullptr, "VGrund_AndZweck VGrund_AndZweckVon VGrund_AndZweckBis"},
    {Grund, "Fläche (qm)", "VGrund_AndZweckQm"},
    {Grund, Spalten, ""},
    {Grund, "Veräußerungspreis", "VGrund_VerkPreis1 VGrund_VerkPreis2"},
    {Grund, "Anschaffungs-/Herstellkosten", "VGrund_KaufPreis1 VGrund_KaufPreis2"},
    {Grund, "Absetzung für Abnutzung", "VGrund_Afa1 VGrund_Afa2"},
    {Grund, "Werbungskosten", "VGrund_WerbKost1 VGrund_WerbKost2"},
    {Grund, "Einkünfte", "VGrund_Eink1 VGrund_Eink2"},
    {Grund, "Einkünfte aus anderen Veräußerungen", "VGrund_EinkWeitere1 VGrund_EinkWeitere2"},

    {Wigu, "<b>Andere Wirtschaftsgüter (insbesondere Wertpapiere)</b>", ""},
    {Wigu, "Bezeichnung", "VWigu_Bez"},
    {Wigu, "Anschaffungsdatum", "VWigu_KaufDat"},
    {Wigu, "Veräußerungsdatum", "VWigu_VerkaufDat"},
    {Wigu, "<b>ohne Halbeinkünfteverfahren</b>|Steuerpfl.|Ehegatte", ""},
    {Wigu, "Veräußerungspreis", "VWigu_VerkPreis1 VWigu_VerkPreis2"},
    {Wigu, "Anschaffungskosten", "VWigu_KaufPreis1 VWigu_KaufPreis2"},
    {Wigu, "Werbungskosten", "VWigu_WerbKost1 VWigu_WerbKost2"},
    {Wigu, "Einkünfte", "VWigu_Eink1 VWigu_Eink2"},
    {Wigu, "Einkünfte aus anderen Veräußerungen", "VWigu_EinkWeitere1 VWigu_EinkWeitere2"},
    {Wigu, "<b>nach dem Halbeinkünfteverfahren</b>|Steuerpfl.|Ehegatte", ""},
    {Wigu, "Veräußerungspreis", "VWigu_VerkPreisHT1 VWigu_VerkPreisHT2", 1350},
    {Wigu, "Anschaffungskosten", "VWigu_KaufPreisHT1 VWigu_KaufPreisHT2", 1351},
    {Wigu, "Werbungskosten", "VWigu_WerbKostHT1 VWigu_WerbKostHT2", 1352},
    {Wigu, "Einkünfte", "VWigu_EinkHT1 VWigu_EinkHT2", 1353},
    {Wigu, "Einkünfte aus anderen Veräußerungen", "VWigu_EinkWeitereHT1 VWigu_EinkWeitereHT2",
     1354},

    {Termin, "<b>Termingeschäfte (optionen, Future, ...)</b>", ""},
    {Termin, "Bezeichnung", "VTermin_Bez"},
    {Termin, "Rechte-Erwerb am", "VTermin_KaufDat"},
    {Termin, "Rechte-Verkauf am", "VTermin_VerkaufDat"},
    {Termin, Spalten, ""},
    {Termin, "Differenzausgleich", "VTermin_DiffPreis1 VTermin_DiffPreis2"},
    {Termin, "Werbungskosten", "VTermin_WerbKost1 VTermin_WerbKost2"},
    {Termin, "Einkünfte", "VTermin_Eink1 VTermin_Eink2"},
    {Termin, "Einkünfte aus weiteren Term.-geschäften",
     "VTermin_EinkWeitere1 VTermin_EinkWeitere2"},

    {Anteile, "<b>Anteile an Einkünften aus Veräußerungsgeschäften</b>", ""},
    {Anteile, "Bezeichnung", "AnteileBez"},
    {Anteile, Spalten, ""},
    {Anteile, "Betrag", "AnteileWert1 AnteileWert2"},
    {Anteile, "davon: Halbeinkünfteverfahren gilt", "AnteileWertDavonHT1 AnteileWertDavonHT2"},

    {Vorjahr, Spalten, ""},
    {Vorjahr, "Anzurechnender Vorjahresverlust", "VerGeschVorjVerluste1 VerGeschVorjVerluste2"},
};

constexpr int PrivVGeschReiter = 3;  // "&Priv. V.-Gesch." in Nb1

const Seitenbeschreibung SonstEkSeite{
    .klasse = "TF_SonstEk", .infoTitel = "Sonstige Einkünfte",
    .reiter = "&Wiederk./Leist.|Ab&geordn./Sonst.|&Priv. V.-Gesch.",
    .unterreiter = "&Priv. V.-Gesch.=&Info|&Grundst.|&Wi.-güter|&Terming.|&Anteile|&Vorjahr",
    .standardMaske = "i,iii,iii.ii", .zusatz = SonstZusatz, .zeilen = SonstZeilen,
    .rechnung = &Seitenrechnen<&SonstEkRechnen>};

namespace {

// The spouse's column of the other-income page.
bool IstEhegattenFeld(Feld f) {
    const std::string_view n = Def(f).name;
    return n.ends_with("Sie") || n.ends_with("Ehe") || n.ends_with('2');
}

}  // namespace

// --- TF_Rente -------------------------------------------------------------------------------

TF_Rente::TF_Rente(Seitenumgebung& u, QWidget* eltern)
    : TForm11(u, RenteSeite, 0, 1, eltern) {
    // The kind of annuity takes its row: its long entries do not widen the amount column.
    for (Feld f : {Feld::Rente_Art1, Feld::Rente_Art2, Feld::Art3, Feld::Art4}) {
        QWidget* w = Steuer(f);
        auto* lay = qobject_cast<QGridLayout*>(w->parentWidget()->layout());
        int zeile = 0, spalte = 0, hoehe = 0, breite = 0;
        lay->getItemPosition(lay->indexOf(w), &zeile, &spalte, &hoehe, &breite);
        lay->removeWidget(w);
        lay->addWidget(w, zeile, spalte, 1, -1, Qt::AlignLeft);
    }
}

void TF_Rente::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  Einkünfte aus Renten"));
    const bool splitting = Satz().Bool(Feld::Splitting);
    for (const char* t : {"&1. R. - Eheg.", "&2. R. - Eheg."})
        OvcNb()->setTabEnabled(ReiterIndex(QString::fromUtf8(t)), splitting);
}

void TF_Rente::DatumEnter(DatumFeld* d) {
    const CaseRecord& r = Satz();
    if (d == Datum(Feld::LaeuftSeit1) || d == Datum(Feld::LaeuftSeit2))
        DatumValidationEintrag(d, r.Int(Feld::StpflGebDat), LetzterTagSteuerjahr);
    else if (d == Datum(Feld::LaeuftSeit3) || d == Datum(Feld::LaeuftSeit4))
        DatumValidationEintrag(d, r.Int(Feld::EhegGebDat), LetzterTagSteuerjahr);
    else
        // The end of an annuity: from the tax year up to 99 years later.
        DatumValidationEintrag(d, ErsterTagSteuerjahr, TagesNummer(2001 + 99, 12, 31));
}

// --- TF_SonstEk -----------------------------------------------------------------------------

TF_SonstEk::TF_SonstEk(Seitenumgebung& u, int teil, QWidget* eltern)
    : TForm11(u, SonstEkSeite, teil, 1, eltern) {
    // The form's names: the outer notebook Nb1, the private sales' Nb2.
    nb2_ = OvcNb()->findChild<QTabWidget*>(QStringLiteral("Nb1"));
    nb2_->setObjectName(QStringLiteral("Nb2"));
    OvcNb()->setObjectName(QStringLiteral("Nb1"));
    nb2_->setCurrentIndex(0);
    connect(OvcNb(), &QTabWidget::currentChanged, this, &TF_SonstEk::Nb1PageChanged);
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    for (auto [von, bis] : {std::pair{Feld::VGrund_KaufDat, Feld::VGrund_VerkaufDat},
                            {Feld::VGrund_EigWohnVon, Feld::VGrund_EigWohnBis},
                            {Feld::VGrund_AndZweckVon, Feld::VGrund_AndZweckBis},
                            {Feld::VWigu_KaufDat, Feld::VWigu_VerkaufDat},
                            {Feld::VTermin_KaufDat, Feld::VTermin_VerkaufDat}})
        Zeitraum(von, bis, ab1900, LetzterTagSteuerjahr);
}

void TF_SonstEk::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  Sonstige Einkünfte"));
    // The spouse's column only with joint assessment.
    const bool splitting = Satz().Bool(Feld::Splitting);
    for (const Bindung& b : Bindungen())
        if (IstEhegattenFeld(b.feld)) b.steuer->setEnabled(splitting);
    for (QLabel* l : findChildren<QLabel*>())
        if (l->text() == QStringLiteral("Ehegatte")) l->setEnabled(splitting);
    if (instanz_ >= 1 && instanz_ < OvcNb()->count()) OvcNb()->setCurrentIndex(instanz_);
    Nb1PageChanged(OvcNb()->currentIndex());
}

void TF_SonstEk::Nb1PageChanged(int index) {
    umgebung_.SetzeFormularblatt(index == PrivVGeschReiter ? 82 : 81);
}

}  // namespace quarnel::gui
