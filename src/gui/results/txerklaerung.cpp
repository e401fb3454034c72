#include "results/txerklaerung.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calc/parameter.h"
#include "results/knotentitel.h"
#include "shell/anzeige.h"
#include "shell/hilfeansicht.h"

namespace quarnel::gui {

namespace {

QString U(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Columns of the tree; the changed amount only beside an original, where it
// is moved to stand next to the amount.
enum Spalte { Posten, Betrag, Regel, Paragraph, Rundungsspalte, Nachher };

// The node an item shows: its path of child indexes from the root.
constexpr int PfadRolle = Qt::UserRole + 1;

std::string Vorzeichen(const Wertangabe& a, bool wurzel) {
    if (wurzel) return "";
    return a.faktor > 0 ? "+ " : a.faktor < 0 ? "− " : "";
}

std::string Bezeichnung(const Vergleichsknoten& k) {
    return KnotenTitel(k.name, k.schritt, k.angabe);
}

std::string RegelText(const Vergleichsknoten& k) {
    if (k.schritt) {
        std::string t(k.schritt->regel->text);
        if (k.schritt->tabelle == 2 && (k.schritt->regel->verfahren == Verfahren::Tarif ||
                                         k.schritt->regel->verfahren == Verfahren::Soli))
            t += "; Splittingverfahren";
        return t;
    }
    switch (k.angabe.herkunft) {
        case Herkunft::Eingabe:
            if (k.angabe.quelle.empty()) return "Eingabe";
            if (auto ort = EingabeortFuer(k.angabe.quelle))
                return "Eingabe: " + EingabeortText(*ort);
            return "Eingabe, Feld " + k.angabe.quelle;
        case Herkunft::Parameter:
            return "Parameter 2001 (Wert der Parametertabelle)";
        case Herkunft::Ergebnis:
            break;
    }
    return "Ergebnis, nicht weiter aufgeschlüsselt";
}

const Vergleichsknoten* KnotenAmPfad(const Vergleichsknoten& wurzel, const QList<QVariant>& pfad) {
    const Vergleichsknoten* k = &wurzel;
    for (const QVariant& i : pfad) {
        const int n = i.toInt();
        if (n < 0 || n >= int(k->kinder.size())) return nullptr;
        k = &k->kinder[std::size_t(n)];
    }
    return k;
}

QString Html(const QString& s) { return s.toHtmlEscaped(); }

}  // namespace

QString ErklaerBetrag(double x) {
    const double cent = x * 100.0;
    if (std::fabs(cent - std::round(cent)) > 1e-6) {
        char puffer[64];
        std::snprintf(puffer, sizeof puffer, "%.6f", x);
        std::string s = puffer;
        while (s.size() > 1 && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
        for (char& c : s)
            if (c == '.') c = ',';
        return QString::fromStdString(s);
    }
    std::string s = BetragDM(x);
    if (s.size() > 3 && s.ends_with(" DM")) s.resize(s.size() - 3);
    return QString::fromStdString(s);
}

TxErklaerung::TxErklaerung(QWidget* eltern, const Erklaerung& spur, const std::string& ergebnis,
                           ErklaerDienste dienste)
    : Tform13(eltern, 900), spur_(&spur), dienste_(std::move(dienste)) {
    Aufbauen(false);
    for (const std::string& name : ErklaerteErgebnisse(spur))
        auswahl_->addItem(U(ErgebnisBezeichnung(name)), U(name));
    ErgebnisWaehlen(ergebnis.empty() ? std::string("EStFestzusetzen") : ergebnis);
}

TxErklaerung::TxErklaerung(QWidget* eltern, const ErklaerVergleich& vergleich,
                           ErklaerDienste dienste)
    : Tform13(eltern, 900), vergleich_(true), dienste_(std::move(dienste)) {
    Aufbauen(true);
    teilweise_ = vergleich.teilweise;
    baum_->headerItem()->setText(Betrag, U(vergleich.kopfVorher) + QStringLiteral(" DM"));
    baum_->headerItem()->setText(Nachher, U(vergleich.kopfNachher) + QStringLiteral(" DM"));
    kopfVorher_ = U(vergleich.kopfVorher);
    kopfNachher_ = U(vergleich.kopfNachher);
    ergebnis_ = vergleich.ergebnis;
    auswahl_->addItem(U(ErgebnisBezeichnung(ergebnis_)), U(ergebnis_));
    auswahl_->setEnabled(false);
    // the changed figures are no entries of the case: nothing to go to
    eingabeKnopf_->hide();
    BaumFuellen(vergleich.baum);
}

void TxErklaerung::Aufbauen(bool vergleich) {
    setObjectName(QStringLiteral("TxErklaerung"));
    setWindowTitle(QStringLiteral("Wie berechnet?"));
    auto* senkrecht = new QVBoxLayout(this);

    auto* oben = new QHBoxLayout;
    auto* auswahlLbl = new QLabel(QStringLiteral("&Ergebnis:"), this);
    auswahl_ = new QComboBox(this);
    auswahl_->setObjectName(QStringLiteral("ErgebnisCb"));
    auswahl_->setAccessibleName(QStringLiteral("Erklärtes Ergebnis"));
    auswahlLbl->setBuddy(auswahl_);
    oben->addWidget(auswahlLbl);
    oben->addWidget(auswahl_, 1);
    senkrecht->addLayout(oben);
    kopf_ = new QLabel(this);
    kopf_->setObjectName(QStringLiteral("KopfLbl"));
    kopf_->setWordWrap(true);
    senkrecht->addWidget(kopf_);

    auto* teiler = new QSplitter(Qt::Horizontal, this);
    baum_ = new QTreeWidget(teiler);
    baum_->setObjectName(QStringLiteral("Rechenbaum"));
    baum_->setAccessibleName(QStringLiteral("Rechenweg"));
    baum_->setAccessibleDescription(QStringLiteral(
        "Vom Ergebnis zu den Eingaben; Eingabetaste auf einer Eingabe öffnet ihre Seite"));
    QStringList koepfe{QStringLiteral("Posten"),
                       vergleich ? QStringLiteral("Gemäß Eingabe DM") : QStringLiteral("Betrag DM"),
                       QStringLiteral("Regel"), QStringLiteral("Rechtsgrundlage"),
                       QStringLiteral("Rundung")};
    if (vergleich) koepfe << QStringLiteral("Nach Änderung DM");
    baum_->setColumnCount(int(koepfe.size()));
    baum_->setHeaderLabels(koepfe);
    if (vergleich) baum_->header()->moveSection(Nachher, Betrag + 1);
    baum_->setAlternatingRowColors(true);
    baum_->setWordWrap(false);
    baum_->header()->setStretchLastSection(false);
    hilfe_ = new HilfeBrowser(teiler);
    hilfe_->setObjectName(QStringLiteral("Seitenhilfe"));
    hilfe_->setAccessibleName(QStringLiteral("Hilfe zum gewählten Posten"));
    hilfe_->SetzeOrte(dienste_.orte);
    hilfe_->Grundschrift(9);
    teiler->addWidget(baum_);
    teiler->addWidget(hilfe_);
    teiler->setStretchFactor(0, 3);
    teiler->setStretchFactor(1, 1);
    senkrecht->addWidget(teiler, 1);

    auto* unten = new QHBoxLayout;
    eingabeKnopf_ = new QPushButton(QStringLiteral("&Zur Eingabe"), this);
    eingabeKnopf_->setObjectName(QStringLiteral("EingabeBtn"));
    eingabeKnopf_->setToolTip(QStringLiteral("Öffnet die Seite und das Feld dieser Eingabe."));
    auto* hilfeKnopf = new QPushButton(QStringLiteral("&Hilfe"), this);
    hilfeKnopf->setObjectName(QStringLiteral("HelpBtn"));
    auto* fertig = new QPushButton(QStringLiteral("E&nde"), this);
    fertig->setObjectName(QStringLiteral("FertigBtn"));
    fertig->setToolTip(QStringLiteral("Anzeige beenden."));
    for (QPushButton* k : {eingabeKnopf_, hilfeKnopf, fertig}) {
        k->setAutoDefault(false);
        unten->addWidget(k);
    }
    unten->insertStretch(1, 1);
    senkrecht->addLayout(unten);

    // another result keeps the figure in view where its tree holds it too
    connect(auswahl_, &QComboBox::activated, this, [this](int i) {
        const std::string gewaehlt = KnotenDesEintrags();
        ErgebnisWaehlen(auswahl_->itemData(i).toString().toStdString());
        if (gewaehlt != ergebnis_) KnotenZeigen(gewaehlt);
    });
    connect(baum_, &QTreeWidget::currentItemChanged, this, [this] { KnotenGewaehlt(); });
    connect(baum_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* i) { KnotenAktiviert(i); });
    connect(eingabeKnopf_, &QPushButton::clicked, this, &TxErklaerung::ZurEingabe);
    connect(hilfeKnopf, &QPushButton::clicked, this, [this] {
        if (dienste_.hilfe) dienste_.hilfe();
    });
    connect(fertig, &QPushButton::clicked, this, &QDialog::reject);
    resize(width(), 520);
}

void TxErklaerung::ErgebnisWaehlen(const std::string& name) {
    if (!spur_) return;
    Erklaerknoten baum;
    // a line whose own step this case did not record: the tax it leads to
    if (!BaumDerZeile(*spur_, name, baum) && !ErklaerBaum(*spur_, "EStFestzusetzen", baum)) {
        const auto alle = ErklaerteErgebnisse(*spur_);
        if (alle.empty() || !ErklaerBaum(*spur_, alle.back(), baum)) {
            baum_->clear();
            kopf_->setText(QStringLiteral("Für diesen Fall ist keine Berechnung aufgezeichnet."));
            return;
        }
    }
    ergebnis_ = Knotenname(baum);
    const int i = auswahl_->findData(U(ergebnis_));
    if (i >= 0) auswahl_->setCurrentIndex(i);
    BaumFuellen(BaeumeVergleichen(&baum, nullptr));
    // a line whose result lies inside another tree: the way down to it
    if (ergebnis_ != name) KnotenZeigen(name);
}

bool TxErklaerung::KnotenZeigen(const std::string& name) {
    if (name.empty()) return false;
    for (QTreeWidgetItemIterator it(baum_); *it; ++it) {
        const Vergleichsknoten* k = KnotenAmPfad(wurzel_, (*it)->data(Posten, PfadRolle).toList());
        if (!k || k->name != name) continue;
        for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) p->setExpanded(true);
        baum_->setCurrentItem(*it);
        baum_->scrollToItem(*it);
        return true;
    }
    return false;
}

std::string TxErklaerung::KnotenDesEintrags() const {
    QTreeWidgetItem* item = baum_->currentItem();
    const Vergleichsknoten* k =
        item ? KnotenAmPfad(wurzel_, item->data(Posten, PfadRolle).toList()) : nullptr;
    return k ? k->name : std::string();
}

void TxErklaerung::BaumFuellen(const Vergleichsknoten& wurzel) {
    wurzel_ = wurzel;
    baum_->clear();
    QString kopf = U(ErgebnisBezeichnung(wurzel_.name)) + QStringLiteral(": ") +
                   ErklaerBetrag(wurzel_.vorher) + QStringLiteral(" DM");
    if (vergleich_)
        kopf = U(ErgebnisBezeichnung(wurzel_.name)) + QStringLiteral(": ") + kopfVorher_ +
               u' ' + (wurzel_.hatVorher ? ErklaerBetrag(wurzel_.vorher) : QStringLiteral("–")) +
               QStringLiteral(" DM, ") + kopfNachher_ + u' ' +
               (wurzel_.hatNachher ? ErklaerBetrag(wurzel_.nachher) : QStringLiteral("–")) +
               QStringLiteral(" DM");
    kopf_->setText(kopf);
    QFont fett = baum_->font();
    fett.setBold(true);
    std::function<void(const Vergleichsknoten&, QTreeWidgetItem*, QList<QVariant>)> einfuegen =
        [&](const Vergleichsknoten& k, QTreeWidgetItem* eltern, QList<QVariant> pfad) {
            auto* item = eltern ? new QTreeWidgetItem(eltern) : new QTreeWidgetItem(baum_);
            item->setText(Posten, U(Vorzeichen(k.angabe, !eltern) + Bezeichnung(k)));
            item->setText(Betrag, k.hatVorher ? ErklaerBetrag(k.vorher) : QStringLiteral("–"));
            if (vergleich_)
                item->setText(Nachher, k.hatNachher ? ErklaerBetrag(k.nachher) : QStringLiteral("–"));
            item->setText(Regel, U(RegelText(k)));
            if (k.schritt) {
                item->setText(Paragraph, U(k.schritt->regel->paragraph));
                item->setText(Rundungsspalte, U(RundungText(k.schritt->regel->rundung)));
            } else if (k.angabe.herkunft == Herkunft::Parameter) {
                item->setText(Paragraph, U(ParameterParagraph(k.angabe.name)));
            }
            for (int s : {int(Betrag), int(Nachher)})
                item->setTextAlignment(s, Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(Posten, item->text(Posten));
            item->setToolTip(Regel, item->text(Regel));
            const bool geaendert =
                teilweise_ ? k.hatNachher && ErklaerBetrag(k.vorher) != ErklaerBetrag(k.nachher)
                           : k.Geaendert();
            if (vergleich_ && geaendert)
                for (int s = 0; s < baum_->columnCount(); ++s) item->setFont(s, fett);
            // what a screen reader says of the row
            QString gesagt = item->text(Posten) + QStringLiteral(", ") + item->text(Betrag) +
                             QStringLiteral(" DM");
            if (vergleich_)
                gesagt += QStringLiteral(", ") + kopfNachher_ + u' ' + item->text(Nachher) +
                          QStringLiteral(" DM");
            if (!item->text(Paragraph).isEmpty())
                gesagt += QStringLiteral(", ") + item->text(Paragraph);
            if (k.angabe.herkunft == Herkunft::Eingabe)
                gesagt += QStringLiteral(", ") + item->text(Regel);
            item->setData(Posten, Qt::AccessibleTextRole, gesagt);
            item->setData(Posten, PfadRolle, pfad);
            for (std::size_t i = 0; i < k.kinder.size(); ++i) {
                QList<QVariant> weiter = pfad;
                weiter << int(i);
                einfuegen(k.kinder[i], item, weiter);
            }
        };
    einfuegen(wurzel_, nullptr, {});
    // the root and the values it rests on; deeper, in a comparison, the way
    // to what changed
    baum_->expandToDepth(0);
    if (vergleich_)
        for (QTreeWidgetItemIterator it(baum_); *it; ++it)
            if ((*it)->font(Posten).bold())
                for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) p->setExpanded(true);
    for (int s = 0; s < baum_->columnCount(); ++s)
        baum_->header()->setSectionResizeMode(s, QHeaderView::Interactive);
    for (int s : {int(Posten), int(Betrag), int(Nachher), int(Paragraph)})
        if (s < baum_->columnCount()) baum_->resizeColumnToContents(s);
    // deep trees: the caption column gives way to the amounts
    baum_->setColumnWidth(Posten, std::min(baum_->columnWidth(Posten), 420));
    baum_->setColumnWidth(Regel, 320);
    baum_->setCurrentItem(baum_->topLevelItem(0));
    baum_->setFocus();
}

std::optional<Eingabeort> TxErklaerung::OrtDesKnotens() const {
    QTreeWidgetItem* item = baum_->currentItem();
    if (!item) return std::nullopt;
    const Vergleichsknoten* k = KnotenAmPfad(wurzel_, item->data(Posten, PfadRolle).toList());
    if (!k || k->schritt || k->angabe.herkunft != Herkunft::Eingabe || k->angabe.quelle.empty())
        return std::nullopt;
    return EingabeortFuer(k->angabe.quelle);
}

void TxErklaerung::KnotenGewaehlt() {
    const auto ort = OrtDesKnotens();
    eingabeKnopf_->setEnabled(ort.has_value());
    QTreeWidgetItem* item = baum_->currentItem();
    if (!item) return;
    if (ort) {
        // the page's help at the field's paragraph, as the side view shows it
        const Eingabehilfe h = HilfeFuer(*ort);
        if (auto datei = HilfeAufloesen(dienste_.orte, h.seite)) {
            hilfe_->Laden(*datei, h.anker);
            return;
        }
    }
    const Vergleichsknoten* k = KnotenAmPfad(wurzel_, item->data(Posten, PfadRolle).toList());
    if (!k) return;
    QString html = QStringLiteral("<h3>") + Html(U(Bezeichnung(*k))) + QStringLiteral("</h3>");
    // a rate, a factor or a year of the parameter table is no amount
    const param::Eintrag* zeile =
        k->angabe.herkunft == Herkunft::Parameter ? param::Zeile(k->angabe.name) : nullptr;
    const bool betrag = !zeile || zeile->einheit == param::Einheit::DM ||
                        zeile->einheit == param::Einheit::DMjeMonat;
    html += QStringLiteral("<p><b>") + Html(item->text(Betrag)) +
            (betrag ? QStringLiteral(" DM</b>") : QStringLiteral("</b>"));
    if (vergleich_)
        html += u' ' + Html(kopfVorher_) + QStringLiteral(", <b>") + Html(item->text(Nachher)) +
                QStringLiteral(" DM</b> ") + Html(kopfNachher_);
    html += QStringLiteral("</p><p>") + Html(item->text(Regel)) + QStringLiteral("</p>");
    if (!item->text(Paragraph).isEmpty())
        html += QStringLiteral("<p>Rechtsgrundlage: ") + Html(item->text(Paragraph)) +
                QStringLiteral("</p>");
    if (k->schritt) {
        if (!item->text(Rundungsspalte).isEmpty())
            html += QStringLiteral("<p>Rundung: ") + Html(item->text(Rundungsspalte)) +
                    QStringLiteral("</p>");
        html += QStringLiteral("<p>Berechnet aus:</p><ul>");
        for (int i = 0; i < item->childCount(); ++i)
            html += QStringLiteral("<li>") + Html(item->child(i)->text(Posten)) +
                    QStringLiteral(": ") + Html(item->child(i)->text(Betrag)) +
                    QStringLiteral("</li>");
        html += QStringLiteral("</ul>");
    }
    hilfe_->setHtml(html);
}

void TxErklaerung::KnotenAktiviert(QTreeWidgetItem* item) {
    if (!item) return;
    baum_->setCurrentItem(item);
    if (!vergleich_ && OrtDesKnotens()) {
        ZurEingabe();
        return;
    }
    if (item->childCount() > 0) item->setExpanded(!item->isExpanded());
}

void TxErklaerung::ZurEingabe() {
    sprung_ = vergleich_ ? std::nullopt : OrtDesKnotens();
    if (sprung_) accept();
}

std::optional<Eingabeort> TxErklaerung::Zeigen(QWidget* eltern, const Erklaerung& spur,
                                                const std::string& ergebnis,
                                                const ErklaerDienste& dienste) {
    TxErklaerung f(eltern, spur, ergebnis, dienste);
    f.exec();
    return f.Sprungziel();
}

void TxErklaerung::ZeigenVergleich(QWidget* eltern, const ErklaerVergleich& vergleich,
                                   const ErklaerDienste& dienste) {
    TxErklaerung f(eltern, vergleich, dienste);
    f.exec();
}

}  // namespace quarnel::gui
