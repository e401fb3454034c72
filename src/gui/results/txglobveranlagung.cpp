#include "results/txglobveranlagung.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "pages/veranlagungsart.h"
#include "results/bescheidpruefung.h"

namespace quarnel::gui {

namespace {

QString Dm(double x) {
    return QString::fromStdString(DMText(x)) + QStringLiteral(" DM");
}

// The rows of the table: what each assessment costs.
struct Zeile {
    const char* text;
    double (*wert)(const VeranlagungsLast& l);
};
constexpr Zeile Zeilen[] = {
    {"Einkommensteuer", [](const VeranlagungsLast& l) { return l.est; }},
    {"Solidaritätszuschlag", [](const VeranlagungsLast& l) { return l.soli; }},
    {"Kirchensteuer", [](const VeranlagungsLast& l) { return l.kist; }},
    {"Steuerbelastung insgesamt", [](const VeranlagungsLast& l) { return l.gesamt; }},
    {"Nachzahlung (-: Erstattung)", [](const VeranlagungsLast& l) { return l.saldo; }},
    {"Mehr als die günstigste", [](const VeranlagungsLast& l) { return l.mehr; }},
};
constexpr int ZeileGesamt = 3;

}  // namespace

QString VeranlagungsartTitel(Veranlagungsart a) {
    QString t = QString::fromUtf8(VeranlagungsartText(a));
    if (!t.isEmpty()) t[0] = t[0].toUpper();
    return t;
}

TxGlobVeranlagung::TxGlobVeranlagung(QWidget* hauptfenster, CaseRecord& fall,
                                     VeranlagungDienste dienste, bool kurz)
    : Tform13(hauptfenster, 620), fall_(fall), dienste_(std::move(dienste)), kurz_(kurz) {
    setObjectName(QStringLiteral("TxGlobVeranlagung"));
    setWindowTitle(QStringLiteral("Veranlagungsarten vergleichen"));
    auto* haupt = new QVBoxLayout(this);
    auto* titel = new QLabel(QStringLiteral("Steuerbelastung je Veranlagungsart (§§ 26 bis 26b EStG)"));
    QFont f = titel->font();
    f.setBold(true);
    titel->setFont(f);
    haupt->addWidget(titel);

    tabelle_ = new QTableWidget(this);
    tabelle_->setObjectName(QStringLiteral("VergleichTabelle"));
    tabelle_->setAccessibleName(QStringLiteral("Vergleich der Veranlagungsarten"));
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionMode(QAbstractItemView::NoSelection);
    tabelle_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabelle_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabelle_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    tabelle_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    haupt->addWidget(tabelle_);

    empfehlung_ = new QLabel(this);
    empfehlung_->setObjectName(QStringLiteral("EmpfehlungLbl"));
    empfehlung_->setWordWrap(true);
    empfehlung_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    empfehlung_->setFocusPolicy(Qt::StrongFocus);
    haupt->addWidget(empfehlung_);

    auto* unten = new QHBoxLayout;
    wahl_ = new QComboBox(this);
    wahl_->setObjectName(QStringLiteral("WahlCB"));
    auto* wahlLbl = new QLabel(QStringLiteral("&Zu übernehmen:"), this);
    wahlLbl->setBuddy(wahl_);
    wahl_->setAccessibleName(QStringLiteral("Zu übernehmende Veranlagungsart"));
    uebernehmen_ = new QPushButton(QStringLiteral("Ü&bernehmen"), this);
    uebernehmen_->setObjectName(QStringLiteral("UebernehmenBtn"));
    uebernehmen_->setToolTip(
        QStringLiteral("Die gewählte Veranlagungsart in den Fall übernehmen (nur diese Angabe)."));
    uebernehmen_->setAutoDefault(false);
    auto* schliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    schliessen->setObjectName(QStringLiteral("SchliessenBtn"));
    schliessen->setAutoDefault(false);
    unten->addWidget(wahlLbl);
    unten->addWidget(wahl_, 1);
    unten->addWidget(uebernehmen_);
    unten->addWidget(schliessen);
    haupt->addLayout(unten);
    connect(uebernehmen_, &QPushButton::clicked, this, [this] { UebernehmenBtnClick(); });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);

    Anzeigen();
    haupt->addStretch(1);
    tabelle_->setFocus();
}

void TxGlobVeranlagung::Anzeigen() {
    vergleich_ = VeranlagungVergleichen(fall_, kurz_);
    const VeranlagungsVergleich& v = vergleich_;
    const int spalten = static_cast<int>(v.arten.size());
    tabelle_->clear();
    tabelle_->setRowCount(static_cast<int>(std::size(Zeilen)));
    tabelle_->setColumnCount(spalten);
    QStringList zeilen;
    for (const Zeile& z : Zeilen) zeilen << QString::fromUtf8(z.text);
    tabelle_->setVerticalHeaderLabels(zeilen);
    wahl_->clear();
    for (int s = 0; s < spalten; ++s) {
        const VeranlagungsLast& l = v.arten[std::size_t(s)];
        QString kopf = v.waehlbar ? VeranlagungsartTitel(l.art) : QStringLiteral("Veranlagung");
        if (v.waehlbar && l.art == v.gespeichert) kopf += QStringLiteral("\n(gewählt)");
        if (v.waehlbar && l.art == v.empfohlen) kopf += QStringLiteral("\n(empfohlen)");
        tabelle_->setHorizontalHeaderItem(s, new QTableWidgetItem(kopf));
        for (int z = 0; z < tabelle_->rowCount(); ++z) {
            auto* it = new QTableWidgetItem(Dm(Zeilen[z].wert(l)));
            it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (v.waehlbar && l.art == v.empfohlen && z >= ZeileGesamt) {
                QFont f = it->font();
                f.setBold(true);
                it->setFont(f);
            }
            tabelle_->setItem(z, s, it);
        }
        if (v.waehlbar) wahl_->addItem(VeranlagungsartTitel(l.art), static_cast<int>(l.art));
    }
    if (const int i = wahl_->findData(static_cast<int>(v.empfohlen)); i >= 0) wahl_->setCurrentIndex(i);
    wahl_->setEnabled(v.waehlbar);
    uebernehmen_->setEnabled(v.waehlbar);

    QString text;
    if (!v.waehlbar) {
        text = QStringLiteral("Eine Wahl der Veranlagungsart haben nur Ehegatten, die nach der "
                              "Splittingtabelle besteuert werden.");
    } else if (v.empfohlen == v.gespeichert) {
        double abstand = 0;
        for (const VeranlagungsLast& l : v.arten)
            if (l.art != v.empfohlen && (abstand == 0 || l.mehr < abstand)) abstand = l.mehr;
        text = QStringLiteral("Empfehlung: %1. Sie ist bereits gewählt; jede andere Wahl "
                              "kostet mindestens %2 mehr.")
                   .arg(QString::fromUtf8(VeranlagungsartText(v.empfohlen)), Dm(abstand));
    } else {
        text = QStringLiteral("Empfehlung: %1. Sie spart %2 gegenüber der gewählten "
                              "Veranlagungsart (%3).")
                   .arg(QString::fromUtf8(VeranlagungsartText(v.empfohlen)), Dm(v.ersparnis),
                        QString::fromUtf8(VeranlagungsartText(v.gespeichert)));
    }
    empfehlung_->setText(text);
}

bool TxGlobVeranlagung::UebernehmenBtnClick() {
    if (!vergleich_.waehlbar || wahl_->currentIndex() < 0) return false;
    const int wert = wahl_->currentData().toInt();
    const auto art = static_cast<Veranlagungsart>(wert);
    const QString name = QString::fromUtf8(VeranlagungsartText(art));
    if (art == vergleich_.gespeichert) {
        if (dienste_.meldungen)
            dienste_.meldungen->Zeige(MeldungsTyp::Information,
                                      "Diese Veranlagungsart ist bereits gewählt.", KnopfOK);
        return false;
    }
    const std::string frage =
        (QStringLiteral("Soll die Veranlagungsart „%1“ in den Fall übernommen werden?").arg(name) +
         QStringLiteral("\rGeändert wird nur die Wahl der Veranlagungsart; die Steuer wird danach "
                        "neu berechnet."))
            .toStdString();
    if (dienste_.meldungen &&
        dienste_.meldungen->Zeige(MeldungsTyp::Bestaetigung, frage, KnopfJa | KnopfNein) != Antwort::Ja)
        return false;
    const int32_t vorher = fall_.Int(Feld::Veranlagungsart);
    fall_.SetzeInt(Feld::Veranlagungsart, wert);
    // the rule of the persons page: a choice the case does not allow is not kept
    const std::string hinweis = VeranlagungsartPruefen(fall_);
    if (!hinweis.empty() && dienste_.meldungen)
        dienste_.meldungen->Zeige(MeldungsTyp::Information, hinweis, KnopfOK);
    if (fall_.Int(Feld::Veranlagungsart) == vorher) return false;
    uebernommen_ = true;
    if (dienste_.uebernommen) dienste_.uebernommen();
    Anzeigen();
    return true;
}

bool TxGlobVeranlagung::Zeigen(QWidget* hauptfenster, CaseRecord& fall,
                               const VeranlagungDienste& d, bool kurz) {
    TxGlobVeranlagung w(hauptfenster, fall, d, kurz);
    w.exec();
    return w.Uebernommen();
}

}  // namespace quarnel::gui
