// The vehicle page: the list of the four vehicles of the case and the cost
// tabs of the one chosen (type and rate, leasing, depreciation, further costs).
#include <QGridLayout>
#include <QPushButton>
#include <QTabWidget>

#include "calc/betrag.h"
#include "pages/fahrzeug.h"
#include "pages/seite_werbungskosten.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

constexpr const char* Satzmaske = "iii.ii";

const Seitenbeschreibung FahrZSeite = AusTafel("TF_FahrZ");

namespace {

const QString ListenReiter = QStringLiteral("&Liste der Fahrzeuge");
const QString KostenReiter = QStringLiteral("&Kostenberechnung");

}  // namespace

TF_FahrZ::TF_FahrZ(Seitenumgebung& u, QWidget* eltern) : TForm11(u, 0, eltern) {
    setObjectName(QStringLiteral("TF_FahrZ"));
    SeiteAufbauen(*this, FahrZSeite, 1);
    const int32_t ab1900 = TagesNummer(1900, 1, 1);
    Datumsbereich(Feld::KaufDat, ab1900, LetzterTagSteuerjahr);
    Datumsbereich(Feld::BeginnLeasing, ab1900, LetzterTagSteuerjahr);
    Datumsbereich(Feld::VerkaufsDatum, ErsterTagSteuerjahr, LetzterTagSteuerjahr);

    // The list of the four vehicles with their names and rates.
    auto* lay = static_cast<QGridLayout*>(Reiter(ListenReiter)->layout());
    const char* const texte[] = {"&1. Fahrzeug ..", "&2. Fahrzeug ...", "&3. Fahrzeug ...",
                                 "&4. Fahrzeug ..."};
    lay->addWidget(new QLabel(QStringLiteral("Bezeichnung")), 0, 2);
    lay->addWidget(new QLabel(QStringLiteral("KM-Satz")), 0, 4, Qt::AlignRight);
    for (int i = 0; i < 4; ++i) {
        knoepfe_[i] = new QPushButton(QString::fromUtf8(texte[i]));
        knoepfe_[i]->setObjectName(QStringLiteral("Fahrzeug%1Btn").arg(i + 1));
        bez_[i] = new QLabel;
        bez_[i]->setTextFormat(Qt::PlainText);
        bez_[i]->setObjectName(QStringLiteral("Bez%1").arg(i + 1));
        bez_[i]->setMinimumWidth(160);
        kmSatz_[i] = new QLabel;
        kmSatz_[i]->setObjectName(QStringLiteral("KmSatz%1").arg(i + 1));
        kmSatz_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        kmSatz_[i]->setMinimumWidth(70);
        lay->addWidget(knoepfe_[i], i + 1, 0, Qt::AlignLeft);
        lay->addWidget(bez_[i], i + 1, 2);
        lay->addWidget(kmSatz_[i], i + 1, 4);
        connect(knoepfe_[i], &QPushButton::clicked, this, [this, i] { FahrzeugBtnClick(i + 1); });
    }
    lay->setRowStretch(0, 0);
    lay->setRowStretch(5, 1);
    OvcNb()->setCurrentIndex(ReiterIndex(ListenReiter));
    connect(OvcNb(), &QTabWidget::currentChanged, this, &TF_FahrZ::NbOnPageChanged);
}

TF_FahrZ::~TF_FahrZ() {
    disconnect(OvcNb(), nullptr, this, nullptr);
}

void TF_FahrZ::FormShow() {
    TForm11::FormShow();
    OvcNb()->setTabEnabled(ReiterIndex(KostenReiter), false);
    KopfPnl()->setText(QStringLiteral(" Fahrzeugkosten"));
    ListeZeigen();
    knoepfe_[0]->setFocus();
}

void TF_FahrZ::DatenLaden() {
    TForm11::DatenLaden();
    Freigaben();
}

void TF_FahrZ::ListeZeigen() {
    const Bildmaske m = Bildmaske::Lesen(QString::fromLatin1(Satzmaske));
    for (int i = 0; i < 4; ++i) {
        bez_[i]->setText(QString::fromStdString(Satz().TextUtf8(Feld::FahrzBez, i + 1)).trimmed());
        kmSatz_[i]->setText(BetragAnzeigen(m, Satz().Dbl(Feld::PauschbetragInsg, i + 1)));
        // Name and rate beside the button are said with it: a label takes no focus.
        knoepfe_[i]->setAccessibleDescription(
            (bez_[i]->text().isEmpty() ? QString() : bez_[i]->text() + QStringLiteral(", ")) +
            QStringLiteral("KM-Satz ") + kmSatz_[i]->text());
    }
}

void TF_FahrZ::Freigaben() {
    const bool bekannt = Kasten(Feld::PauschBekanntRB)->isChecked();
    Steuer(Feld::PauschBekanntDM)->setEnabled(bekannt);
    Steuer(Feld::KmImJahr)->setEnabled(!bekannt);
    Steuer(Feld::AfaBekannt)->setEnabled(Kasten(Feld::AfaBekanntRB)->isChecked());
}

void TF_FahrZ::FahrzeugBtnClick(int fahrzeug) {
    if (kostenOffen_) FahrzeugVerlassen();
    fahrzeug_ = std::clamp(fahrzeug, 1, 4);
    for (Bindung& b : Bindungen()) b.element = fahrzeug_;
    DatenLaden();
    kostenOffen_ = true;
    OvcNb()->setTabEnabled(ReiterIndex(KostenReiter), true);
    ReiterZeigen(QStringLiteral("&Fahrzeug"));
    KopfPnl()->setText(QStringLiteral(" Kosten für Fahrzeug %1").arg(fahrzeug_));
    Steuer(Feld::ArtFahrzLB)->setFocus();
}

void TF_FahrZ::NbOnPageChanged(int index) {
    if (index == ReiterIndex(KostenReiter)) {
        KopfPnl()->setText(QStringLiteral(" Kosten für Fahrzeug %1").arg(fahrzeug_));
        return;
    }
    // Leaving the cost tabs, to the list or elsewhere, keeps the vehicle.
    if (!kostenOffen_) return;
    FahrzeugVerlassen();
    if (index == ReiterIndex(ListenReiter)) knoepfe_[fahrzeug_ - 1]->setFocus();
}

void TF_FahrZ::FahrzeugVerlassen() {
    OffeneEingabeUebernehmen();
    kostenOffen_ = false;
    DatenSpeichern();
    FahrzeugRechnen(Satz(), fahrzeug_);
    ListeZeigen();
    OvcNb()->setTabEnabled(ReiterIndex(KostenReiter), false);
    KopfPnl()->setText(QStringLiteral(" Fahrzeugkosten"));
    for (const std::string& w : FahrzeugWarnungen(Satz(), fahrzeug_))
        umgebung_.Meldungsdienst().Zeige(MeldungsTyp::Warnung, w, KnopfOK);
}

void TF_FahrZ::AnzeigeRechnen() {
    SpeichernRechnenLaden([this](CaseRecord& r) { FahrzeugRechnen(r, fahrzeug_); });
}

void TF_FahrZ::FeldVerlassen(QWidget* w) {
    if (!qobject_cast<QLineEdit*>(w)) AnzeigeRechnen();
}

}  // namespace quarnel::gui
