#include "results/txglobbescheid.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "calc/betrag.h"
#include "case/feldwerte.h"
#include "case/zeichensatz.h"
#include "results/einspruch.h"
#include "results/einspruchsfrist.h"
#include "results/txerklaerung.h"
#include "results/wieberechnet.h"

namespace quarnel::gui {
namespace {

QString U(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size()));
}
QString A(const std::string& cp1252) {
    return U(Cp1252ZuUtf8(cp1252));
}
std::string Cp(const QString& s) {
    return Utf8ZuCp1252(s.trimmed().toStdString());
}

enum Spalte { SPosten, SEigen, SAmt, SDifferenz, SWirkung, SAnzahl };

QString DatumFeld(int32_t d) {
    return d < 0 ? QString() : QString::fromStdString(DatumText(d));
}
int32_t DatumAus(const QLineEdit* e) {
    const auto d = DatumAusText(e->text().trimmed().toStdString());
    return d ? *d : -1;
}

}  // namespace

TxGlobBescheid::TxGlobBescheid(QWidget* hauptfenster, const CaseRecord& fall, BescheidDienste d)
    : Tform13(hauptfenster, 700), fall_(fall), dienste_(std::move(d)), gefuellt_(Gefuellt(fall)) {
    setObjectName(QStringLiteral("TxGlobBescheid"));
    setWindowTitle(QStringLiteral("Bescheid prüfen"));
    eigen_ = AmtsBescheidVorbelegen(fall_);

    auto* haupt = new QVBoxLayout(this);
    auto* titel = new QLabel(QStringLiteral("B E S C H E I D   des Finanzamts   für 2 0 0 1"));
    titel->setAlignment(Qt::AlignCenter);
    QFont f = titel->font();
    f.setBold(true);
    titel->setFont(f);
    haupt->addWidget(titel);
    // getrennte or besondere Veranlagung: the notice entered is the taxpayer's part
    if (const std::string teil = VergleichsteilHinweis(fall_); !teil.empty()) {
        auto* hinweis = new QLabel(QString::fromStdString(teil));
        hinweis->setObjectName(QStringLiteral("VergleichsteilLbl"));
        hinweis->setAlignment(Qt::AlignCenter);
        haupt->addWidget(hinweis);
    }

    auto* kopf = new QGridLayout;
    auto feld = [&](const char* name, const char* text, int zeile, int spalte) {
        auto* e = new QLineEdit;
        e->setObjectName(QString::fromLatin1(name));
        auto* l = new QLabel(QString::fromUtf8(text));
        l->setBuddy(e);
        kopf->addWidget(l, zeile, spalte);
        kopf->addWidget(e, zeile, spalte + 1);
        return e;
    };
    finanzamt_ = feld("FinanzamtEd", "&Finanzamt", 0, 0);
    steuernummer_ = feld("SteuernummerEd", "&Steuernummer", 0, 2);
    bescheidDatum_ = feld("BescheidDatumEd", "Bescheid &vom", 1, 0);
    aufgabeDatum_ = feld("AufgabeDatumEd", "zur &Post gegeben am", 1, 2);
    briefDatum_ = feld("BriefDatumEd", "Einspruch &datiert", 2, 0);
    for (QLineEdit* e : {finanzamt_, steuernummer_}) e->setMaxLength(40);
    for (QLineEdit* e : {bescheidDatum_, aufgabeDatum_, briefDatum_}) {
        e->setInputMask(QStringLiteral("00.00.0000;_"));
        e->setToolTip(QStringLiteral("TT.MM.JJJJ; der Einspruch leer: heute"));
    }
    haupt->addLayout(kopf);

    tabelle_ = new QTableWidget(0, SAnzahl);
    tabelle_->setObjectName(QStringLiteral("PostenTabelle"));
    tabelle_->setHorizontalHeaderLabels({QStringLiteral("Posten"), QStringLiteral("Eigene Berechnung"),
                                         QStringLiteral("Finanzamt"), QStringLiteral("Differenz"),
                                         QStringLiteral("Steuerwirkung")});
    tabelle_->verticalHeader()->hide();
    tabelle_->horizontalHeader()->setSectionResizeMode(SPosten, QHeaderView::Stretch);
    for (int s = SEigen; s < SAnzahl; ++s)
        tabelle_->horizontalHeader()->setSectionResizeMode(s, QHeaderView::ResizeToContents);
    for (int i = 0; i < AnzahlPosten; ++i) {
        if (!PostenGilt(i, *gefuellt_)) continue;
        const int z = tabelle_->rowCount();
        tabelle_->insertRow(z);
        zeilenPosten_.push_back(i);
        const PostenDef& p = Posten()[i];
        QString text = QString::fromUtf8(p.text);
        if (p.person >= 0 && p.schluessel[0] == 'E')
            text += p.person == 0 ? QStringLiteral(" (Stpfl.)") : QStringLiteral(" (Ehegatte)");
        auto* name = new QTableWidgetItem(text);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        name->setCheckState(Qt::Unchecked);
        name->setToolTip(QStringLiteral("Angekreuzt: im Einspruch begründen"));
        if (p.art == PostenArt::Folge) {
            QFont g = name->font();
            g.setItalic(true);
            name->setFont(g);
        }
        tabelle_->setItem(z, SPosten, name);
        auto zahl = [](const QString& t, bool editierbar) {
            auto* it = new QTableWidgetItem(t);
            it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            it->setFlags(editierbar ? Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsSelectable
                                    : Qt::ItemIsEnabled);
            return it;
        };
        tabelle_->setItem(z, SEigen, zahl(A(PostenWertText(i, eigen_.wert[i])), false));
        tabelle_->setItem(z, SAmt, zahl(QString(), true));
        tabelle_->setItem(z, SDifferenz, zahl(QString(), false));
        tabelle_->setItem(z, SWirkung, zahl(QString(), false));
    }
    tabelle_->setMinimumHeight(320);
    haupt->addWidget(tabelle_, 1);

    auto* unten = new QHBoxLayout;
    auto* vorl = new QGroupBox(QStringLiteral("Vorläufig nach § 165 Abs. 1 AO hinsichtlich"));
    auto* vl = new QVBoxLayout(vorl);
    for (int i = 0; i < AnzahlVorlaeufig; ++i) {
        vorlaeufig_[i] = new QCheckBox(QString::fromUtf8(VorlaeufigText(i)));
        vorlaeufig_[i]->setObjectName(QStringLiteral("VorlaeufigCB%1").arg(i + 1));
        vl->addWidget(vorlaeufig_[i]);
    }
    unten->addWidget(vorl, 1);
    auto* rechts = new QVBoxLayout;
    summe_ = new QLabel;
    summe_->setObjectName(QStringLiteral("SummeLbl"));
    summe_->setWordWrap(true);
    frist_ = new QLabel;
    frist_->setObjectName(QStringLiteral("FristLbl"));
    frist_->setWordWrap(true);
    aussetzung_ = new QCheckBox(QStringLiteral("Aussetzung der &Vollziehung beantragen (§ 361 AO)"));
    aussetzung_->setObjectName(QStringLiteral("AussetzungCB"));
    rechts->addWidget(summe_);
    rechts->addWidget(frist_);
    rechts->addStretch();
    rechts->addWidget(aussetzung_);
    unten->addLayout(rechts, 1);
    haupt->addLayout(unten);

    auto* knoepfe = new QHBoxLayout;
    auto knopf = [&](const char* name, const char* text, auto f) {
        auto* b = new QPushButton(QString::fromUtf8(text));
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, f);
        knoepfe->addWidget(b);
        return b;
    };
    knopf("VergleichBtn", "&Vergleichen", [this] { VergleichBtnClick(); })->setDefault(true);
    knopf("ErgebnisBtn", "Vergleich &anzeigen", [this] { ErgebnisBtnClick(); });
    knopf("EinspruchBtn", "&Einspruch", [this] { EinspruchBtnClick(); });
    knopf("SpeichernBtn", "&Übernehmen", [this] { SpeichernBtnClick(); });
    knopf("WieBerechnetBtn", "&Wie berechnet?", [this] { WieBerechnetBtnClick(); });
    knoepfe->addStretch();
    if (dienste_.hilfe) knopf("HelpBtn", "&Hilfe", [this] { dienste_.hilfe(); });
    knopf("EndeBtn", "&Schließen", [this] { reject(); });
    haupt->addLayout(knoepfe);

    AmtsBescheid b = dienste_.laden ? dienste_.laden() : AmtsBescheid{};
    if (!b.vorhanden) {
        // nothing entered yet: the own figures, so only what differs is typed
        b = eigen_;
    }
    Fuellen(b);
    connect(aufgabeDatum_, &QLineEdit::editingFinished, this, [this] { FristAnzeigen(); });
    VergleichBtnClick();
}

TxGlobBescheid::~TxGlobBescheid() = default;

void TxGlobBescheid::Zeigen(QWidget* hauptfenster, const CaseRecord& fall, const BescheidDienste& d) {
    TxGlobBescheid f(hauptfenster, fall, d);
    f.exec();
}

int32_t TxGlobBescheid::Heute() const {
    if (!dienste_.uhr) return -1;
    const Zeitpunkt z = dienste_.uhr->Jetzt();
    return TagesNummer(z.jahr, z.monat, z.tag);
}

int TxGlobBescheid::Zeile(int posten) const {
    for (std::size_t z = 0; z < zeilenPosten_.size(); ++z)
        if (zeilenPosten_[z] == posten) return static_cast<int>(z);
    return -1;
}

void TxGlobBescheid::WertEingeben(int posten, const QString& text) {
    const int z = Zeile(posten);
    if (z >= 0) tabelle_->item(z, SAmt)->setText(text);
}

void TxGlobBescheid::Fuellen(const AmtsBescheid& b) {
    finanzamt_->setText(A(b.finanzamt));
    steuernummer_->setText(A(b.steuernummer));
    bescheidDatum_->setText(DatumFeld(b.bescheidDatum));
    aufgabeDatum_->setText(DatumFeld(b.aufgabeDatum));
    briefDatum_->setText(DatumFeld(b.briefDatum));
    for (std::size_t z = 0; z < zeilenPosten_.size(); ++z) {
        const int i = zeilenPosten_[z];
        tabelle_->item(static_cast<int>(z), SAmt)->setText(A(PostenWertText(i, b.wert[i])));
        tabelle_->item(static_cast<int>(z), SPosten)
            ->setCheckState(b.angefochten & (uint64_t{1} << i) ? Qt::Checked : Qt::Unchecked);
    }
    for (int i = 0; i < AnzahlVorlaeufig; ++i) vorlaeufig_[i]->setChecked(b.vorlaeufig & (1u << i));
    aussetzung_->setChecked(b.aussetzung);
}

AmtsBescheid TxGlobBescheid::Eingabe() const {
    AmtsBescheid b = eigen_;  // lines the case does not have keep the own value
    b.finanzamt = Cp(finanzamt_->text()).substr(0, 40);
    b.steuernummer = Cp(steuernummer_->text()).substr(0, 40);
    b.bescheidDatum = DatumAus(bescheidDatum_);
    b.aufgabeDatum = DatumAus(aufgabeDatum_);
    b.briefDatum = DatumAus(briefDatum_);
    b.angefochten = 0;
    for (std::size_t z = 0; z < zeilenPosten_.size(); ++z) {
        const int i = zeilenPosten_[z];
        const QString t = tabelle_->item(static_cast<int>(z), SAmt)->text().trimmed();
        if (Posten()[i].format == PostenFormat::Tabelle) {
            b.wert[i] = t.startsWith(QStringLiteral("Split"), Qt::CaseInsensitive) || t == QStringLiteral("2") ? 2 : 1;
        } else if (const auto w = BetragAusText(t.toStdString())) {
            b.wert[i] = *w;
        }
        if (tabelle_->item(static_cast<int>(z), SPosten)->checkState() == Qt::Checked)
            b.angefochten |= uint64_t{1} << i;
    }
    b.vorlaeufig = 0;
    for (int i = 0; i < AnzahlVorlaeufig; ++i)
        if (vorlaeufig_[i]->isChecked()) b.vorlaeufig |= 1u << i;
    b.aussetzung = aussetzung_->isChecked();
    return b;
}

void TxGlobBescheid::VergleichBtnClick() {
    const AmtsBescheid b = Eingabe();
    vergleich_ = std::make_unique<Bescheidvergleich>(BescheidVergleichen(*gefuellt_, b));
    const QColor rot(190, 0, 0), grau(110, 110, 110);
    for (const Postenvergleich& v : vergleich_->zeilen) {
        const int z = Zeile(v.posten);
        if (z < 0) continue;
        QTableWidgetItem* diff = tabelle_->item(z, SDifferenz);
        QTableWidgetItem* wirk = tabelle_->item(z, SWirkung);
        QTableWidgetItem* amt = tabelle_->item(z, SAmt);
        const bool tabelle = Posten()[v.posten].format == PostenFormat::Tabelle;
        diff->setText(v.befund == Befund::Gleich ? QString()
                      : tabelle                 ? QStringLiteral("abweichend")
                                                : A(DMText(v.differenz)));
        switch (v.befund) {
            case Befund::Gleich: wirk->setText(QString()); break;
            case Befund::Abweichung: wirk->setText(A(DMText(v.wirkung.steuer))); break;
            case Befund::Folge: wirk->setText(QStringLiteral("Folge")); break;
            case Befund::Unerklaert: wirk->setText(QStringLiteral("nicht erklärt")); break;
        }
        const QColor farbe = v.befund == Befund::Abweichung ? rot
                             : v.befund == Befund::Gleich   ? palette().color(QPalette::Text)
                                                            : grau;
        for (QTableWidgetItem* it : {diff, wirk, amt}) it->setForeground(farbe);
        QFont fett = amt->font();
        fett.setBold(v.befund == Befund::Abweichung);
        amt->setFont(fett);
    }
    const auto abw = vergleich_->Abweichungen();
    summe_->setText(
        abw.empty()
            ? QStringLiteral("Keine Abweichung: der Bescheid stimmt mit der eigenen Berechnung überein (±1 DM).")
            : QStringLiteral("%1 Abweichung(en). Differenz in der Abrechnung: %2 DM, davon erklärt: %3 DM; "
                             "Steuerwirkung zusammen %4 DM.")
                  .arg(abw.size())
                  .arg(A(DMText(vergleich_->saldoDifferenz)), A(DMText(vergleich_->saldoErklaert)),
                       A(DMText(vergleich_->gesamt.steuer))));
    FristAnzeigen();
}

void TxGlobBescheid::FristAnzeigen() {
    const int land = fall_.Int(Feld::BundeslandLb);
    const Einspruchsfrist f = FristBerechnen(DatumAus(aufgabeDatum_), land);
    if (f.ende < 0) {
        frist_->setStyleSheet(QString());
        frist_->setText(QStringLiteral("Einspruchsfrist: bitte das Datum der Aufgabe zur Post eingeben."));
        return;
    }
    const int32_t heute = Heute();
    QString text = QStringLiteral("Bekanntgabe: %1, %2\nEnde der Einspruchsfrist: %3, %4")
                       .arg(QString::fromUtf8(WochentagName(f.bekanntgabe)),
                            QString::fromStdString(DatumText(f.bekanntgabe)),
                            QString::fromUtf8(WochentagName(f.ende)),
                            QString::fromStdString(DatumText(f.ende)));
    bool abgelaufen = false;
    if (heute >= 0) {
        const int tage = TageBisFristende(f, heute);
        abgelaufen = tage < 0;
        text += tage < 0    ? QStringLiteral("\nDie Einspruchsfrist ist abgelaufen.")
                : tage == 0 ? QStringLiteral("\nDie Einspruchsfrist endet heute.")
                            : QStringLiteral("\nNoch %1 Tag(e).").arg(tage);
    }
    frist_->setText(text);
    frist_->setStyleSheet(abgelaufen ? QStringLiteral("color: #c00000; font-weight: bold;")
                                     : QStringLiteral("font-weight: bold;"));
}

bool TxGlobBescheid::SpeichernBtnClick() {
    if (!dienste_.speichern) return false;
    const bool ok = dienste_.speichern(Eingabe());
    if (ok && dienste_.meldungen)
        dienste_.meldungen->Zeige(MeldungsTyp::Information,
                                  "Der Bescheid wurde zum Fall übernommen; er wird mit dem Fall gespeichert.");
    return ok;
}

void TxGlobBescheid::ErgebnisBtnClick() {
    VergleichBtnClick();
    if (!dienste_.zeigen) return;
    Ergebnistext t;
    t.zeilen = VergleichText(*vergleich_, Eingabe(), fall_.Int(Feld::BundeslandLb), Heute(),
                             VergleichsteilHinweis(fall_));
    dienste_.zeigen(t);
}

void TxGlobBescheid::WieBerechnetBtnClick() {
    const int zeile = tabelle_->currentRow();
    const int posten =
        zeile >= 0 && zeile < int(zeilenPosten_.size()) ? zeilenPosten_[std::size_t(zeile)] : -1;
    std::string_view ergebnis = ErgebnisDesPostens(posten);
    if (ergebnis.empty()) ergebnis = "EStFestzusetzen";
    TxErklaerung::ZeigenVergleich(this, BescheidErklaeren(fall_, Eingabe(), ergebnis), {});
}

void TxGlobBescheid::EinspruchBtnClick() {
    VergleichBtnClick();
    const AmtsBescheid b = Eingabe();
    const Einspruchsbrief brief = EinspruchErstellen(fall_, b, *vergleich_, AngefochteneZeilen(*vergleich_, b), Heute());
    if (brief.fehler != EinspruchFehler::Keiner) {
        if (dienste_.meldungen)
            dienste_.meldungen->Zeige(brief.fehler == EinspruchFehler::VorBekanntgabe ? MeldungsTyp::Fehler
                                                                                    : MeldungsTyp::Information,
                                      brief.meldung);
        return;
    }
    if (!dienste_.zeigen) return;
    Ergebnistext t;
    t.zeilen = brief.zeilen;
    dienste_.zeigen(t);
}

}  // namespace quarnel::gui
