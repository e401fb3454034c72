#include "results/txglobview.h"

#include <QAbstractListModel>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <QApplication>
#include <QAction>

#include "case/zeichensatz.h"
#include "print/berichtspieler.h"
#include "print/druckausgabe.h"
#include "results/gliederungsansicht.h"
#include "results/textdatei.h"
#include "results/veranlagungsteile.h"
#include "results/wieberechnet.h"
#include "shell/kleinfenster.h"

namespace quarnel::gui {

namespace {

// The lines as a virtual list: the count is taken when the window opens.
class Zeilenmodell : public QAbstractListModel {
  public:
    explicit Zeilenmodell(const ResultLines& z, QObject* eltern)
        : QAbstractListModel(eltern), zeilen_(z), anzahl_(static_cast<int>(z.size())) {}
    int rowCount(const QModelIndex& p) const override { return p.isValid() ? 0 : anzahl_; }
    QVariant data(const QModelIndex& i, int rolle) const override {
        if (rolle != Qt::DisplayRole || i.row() < 0 || i.row() >= anzahl_ ||
            std::size_t(i.row()) >= zeilen_.size())
            return {};
        return QString::fromStdString(" " + Cp1252ZuUtf8(zeilen_[std::size_t(i.row())]));
    }

  private:
    const ResultLines& zeilen_;
    int anzahl_;
};

QPushButton* Knopf(QWidget* eltern, const char* name, const char* text, const char* hinweis) {
    auto* b = new QPushButton(QString::fromUtf8(text), eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(QString::fromUtf8(hinweis));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

QFont SchriftAusWahl(const SchriftWahl& w) {
    QFont f(QString::fromStdString(w.name.empty() ? std::string("Courier New") : w.name));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSize(w.groesse > 0 ? w.groesse : 10);
    f.setBold(w.fett);
    f.setItalic(w.kursiv);
    return f;
}

void WahlAusSchrift(const QFont& f, SchriftWahl& w) {
    w.name = ZeichenBegrenzen(f.family().toStdString(), MaxSchriftName);
    if (f.pointSize() > 0) w.groesse = f.pointSize();
    w.fett = f.bold();
    w.kursiv = f.italic();
}

TxGlobView::TxGlobView(QWidget* hauptfenster, const Ergebnistext& text, Einstellungen& einst,
                       Druckausgabe& druck, ErgebnisDienste dienste)
    : Tform13(hauptfenster, 640, Platzierung::Zentriert),
      text_(text),
      einst_(einst),
      druck_(druck),
      dienste_(std::move(dienste)) {
    setObjectName(QStringLiteral("TxGlobView"));
    setWindowTitle(QStringLiteral("Ergebnis"));
    if (!dienste_.schriftWahl)
        dienste_.schriftWahl = [this](const QFont& anfang, const QString& titel) -> std::optional<QFont> {
            bool ok = false;
            QFont f = QFontDialog::getFont(&ok, anfang, this, titel, QFontDialog::MonospacedFonts);
            if (!ok) return std::nullopt;
            return f;
        };
    auto* senkrecht = new QVBoxLayout(this);
    liste_ = new QListView(this);
    liste_->setObjectName(QStringLiteral("Liste"));
    liste_->setModel(new Zeilenmodell(text_.zeilen, liste_));
    liste_->setUniformItemSizes(true);
    liste_->setFont(SchriftAusWahl(einst_.viewerSchrift));
    liste_->setContextMenuPolicy(Qt::CustomContextMenu);
    liste_->setAccessibleName(QStringLiteral("Ergebnis, Textzeilen"));
    // On screen the notice reads as a document; the lines stay beside it.
    auto* ansichten = new QTabWidget(this);
    ansichten->setObjectName(QStringLiteral("Ansichten"));
    gliederung_ = new Gliederungsansicht(text_, ansichten);
    ansichten->addTab(gliederung_, QStringLiteral("&Gegliedert"));
    ansichten->addTab(liste_, QStringLiteral("&Textzeilen"));
    senkrecht->addWidget(ansichten, 1);

    auto* unten = new QHBoxLayout;
    auto* vorschau = Knopf(this, "VorschauBtn", "&Vorschau", "Vorschau der Druckausgabe.");
    auto* druckFont = Knopf(this, "DruckFontBtn", "&Druckschrift", "Einstellung der Druckerschrift.");
    auto* drucken = Knopf(this, "DruckBtn", "&Drucken", "Ausgabe auf Drucker.");
    auto* pdf = Knopf(this, "PdfBtn", "Als &PDF speichern", "Druckausgabe als PDF-Datei speichern.");
    auto* speichern = Knopf(this, "SpeicherBtn", "&Speichern", "Fensterinhalt in Textdatei ausgeben.");
    auto* viewFont = Knopf(this, "ViewFontBtn", "Schrift&art",
                           "Schriftart  dieses Anzeigefensters einstellen.");
    auto* hilfe = Knopf(this, "HelpBtn", "&Hilfe", "Hilfetext aufrufen.");
    auto* fertig = Knopf(this, "FertigBtn", "&Ende", "Anzeige beenden.");
    for (QPushButton* k : {vorschau, druckFont, drucken, pdf, speichern, viewFont, hilfe, fertig})
        unten->addWidget(k);
    if (dienste_.bescheidPruefen) {
        auto* pruefen = Knopf(this, "BescheidPruefenBtn", "Bescheid &prüfen",
                              "Den Bescheid des Finanzamts mit diesem vergleichen.");
        unten->insertWidget(unten->count() - 2, pruefen);
        connect(pruefen, &QPushButton::clicked, this, [this] { dienste_.bescheidPruefen(); });
    }
    if (dienste_.veranlagungVergleichen) {
        auto* vergleich = Knopf(this, "VeranlagungBtn", "Veran&lagungsart",
                                "Die Steuer bei jeder wählbaren Veranlagungsart vergleichen.");
        unten->insertWidget(unten->count() - 2, vergleich);
        connect(vergleich, &QPushButton::clicked, this, [this] {
            if (dienste_.veranlagungVergleichen()) accept();
        });
    }
    if (dienste_.wieBerechnet) {
        auto* wie = Knopf(this, "WieBerechnetBtn", "&Wie berechnet?",
                          "Zeigt, wie der gewählte Betrag berechnet wurde.");
        unten->insertWidget(unten->count() - 2, wie);
        connect(wie, &QPushButton::clicked, this, &TxGlobView::WieBerechnetClick);
        gliederung_->setContextMenuPolicy(Qt::ActionsContextMenu);
        auto* aktion = new QAction(QStringLiteral("Wie berechnet?"), gliederung_);
        gliederung_->addAction(aktion);
        connect(aktion, &QAction::triggered, this, &TxGlobView::WieBerechnetClick);
    }
    senkrecht->addLayout(unten);

    connect(vorschau, &QPushButton::clicked, this, &TxGlobView::VorschauBtnClick);
    connect(druckFont, &QPushButton::clicked, this, &TxGlobView::DruckFontBtnClick);
    connect(drucken, &QPushButton::clicked, this, &TxGlobView::DruckBtnClick);
    connect(pdf, &QPushButton::clicked, this, &TxGlobView::PdfBtnClick);
    connect(speichern, &QPushButton::clicked, this, &TxGlobView::SpeicherBtnClick);
    connect(viewFont, &QPushButton::clicked, this, &TxGlobView::ViewFontBtnClick);
    connect(hilfe, &QPushButton::clicked, this, &TxGlobView::HelpBtnClick);
    connect(fertig, &QPushButton::clicked, this, &QDialog::accept);
    connect(liste_, &QListView::customContextMenuRequested, this, [this](const QPoint& p) {
        QMenu m(this);
        m.addAction(QStringLiteral("Kalender"), this, [this] { TxKalender(this).exec(); });
        m.addAction(QStringLiteral("Taschenrechner"), this, [this] { TxRechner(this).exec(); });
        m.addAction(QStringLiteral("Druck Seite"), this, &TxGlobView::DruckSeiteClick);
        m.addAction(QStringLiteral("Drucker Einrichten"), this, &TxGlobView::DruckerEinrichtenClick);
        if (dienste_.wieBerechnet)
            m.addAction(QStringLiteral("Wie berechnet?"), this, &TxGlobView::WieBerechnetClick);
        m.exec(liste_->viewport()->mapToGlobal(p));
    });
    resize(width(), 480);
    gliederung_->setFocus();
}

void TxGlobView::Zeigen(QWidget* hauptfenster, const Ergebnistext& text, Einstellungen& einst,
                        Druckausgabe& druck, const ErgebnisDienste& dienste) {
    TxGlobView v(hauptfenster, text, einst, druck, dienste);
    Tform13::Umriss(QRect(v.pos(), v.size()), true);
    v.exec();
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 200) QApplication::processEvents(QEventLoop::AllEvents, 20);
    Tform13::Umriss(QRect(v.pos(), v.size()), false);
}

void TxGlobView::Ausgeben(const std::function<void()>& auftrag) {
    if (beschaeftigt_) return;
    beschaeftigt_ = true;
    druck_.daten.ergebnis = &text_;
    auftrag();
    beschaeftigt_ = false;
    liste_->setFocus();
}

void TxGlobView::VorschauBtnClick() {
    Ausgeben([this] { druck_.DruckAusgabe(3, 0, false, false); });
}

void TxGlobView::DruckBtnClick() {
    if (beschaeftigt_) return;
    const std::string frage = "Druckausgabe starten auf\rDrucker: " + DruckerAnzeigename(druck_.Drucker());
    // Without a printer the output asks once, for the PDF file.
    const bool ohneDrucker = !DruckerVorhanden() && druck_.Drucker().outputFileName().isEmpty();
    if (!ohneDrucker && dienste_.meldungen &&
        dienste_.meldungen->Zeige(MeldungsTyp::Bestaetigung, frage, KnopfJa | KnopfAbbruch) !=
            Antwort::Ja)
        return;
    Ausgeben([this] { druck_.DruckAusgabe(3, 0, false, true); });
}

void TxGlobView::PdfBtnClick() {
    Ausgeben([this] { druck_.AlsPdf(3); });
}

void TxGlobView::SpeicherBtnClick() {
    if (!dienste_.dateiDialoge) return;
    DateiDialogAnfrage a;
    a.titel = "Speichern unter";
    a.filter = "Textdateien|*.TXT|Alle Dateien|*.*";
    a.standardEndung = "TXT";
    std::optional<std::string> pfad = dienste_.dateiDialoge->Speichern(a);
    if (!pfad) return;
    const Textkodierung kodierung = einst_.speichernUtf8  ? Textkodierung::Utf8
                                    : einst_.speichernAnsi ? Textkodierung::Ansi
                                                           : Textkodierung::Dos;
    switch (ErgebnisSpeichern(*pfad, text_.zeilen, kodierung)) {
        case TextdateiFehler::Keiner:
            break;
        case TextdateiFehler::NichtErstellbar:
            if (dienste_.meldungen)
                dienste_.meldungen->Zeige(MeldungsTyp::Information,
                                          "Kann auf Datenträger nicht zugreifen - Speichern nicht möglich");
            break;
        case TextdateiFehler::Schreibfehler:
            if (dienste_.meldungen)
                dienste_.meldungen->Zeige(MeldungsTyp::Fehler, "E/A-Fehler beim Schreiben von\r" + *pfad);
            break;
    }
    liste_->setFocus();
}

void TxGlobView::DruckFontBtnClick() {
    if (auto f = dienste_.schriftWahl(SchriftAusWahl(einst_.druckSchrift), QStringLiteral("Druckerschrift")))
        WahlAusSchrift(*f, einst_.druckSchrift);
    liste_->viewport()->update();
}

void TxGlobView::ViewFontBtnClick() {
    if (auto f = dienste_.schriftWahl(liste_->font(), QStringLiteral("Schriftart"))) {
        WahlAusSchrift(*f, einst_.viewerSchrift);
        liste_->setFont(SchriftAusWahl(einst_.viewerSchrift));
    }
    liste_->viewport()->update();
}

void TxGlobView::HelpBtnClick() {
    if (dienste_.hilfe) dienste_.hilfe();
    liste_->setFocus();
}

void TxGlobView::DruckSeiteClick() {
    // An image of the window, as large as fits on the paper.
    const QImage bild = grab().toImage();
    if (!DruckerVorhanden()) {
        if (dienste_.meldungen)
            dienste_.meldungen->Zeige(MeldungsTyp::Information, "Kein Drucker vorhanden!");
        return;
    }
    QPrinter& d = druck_.Drucker();
    QPainter p;
    if (!p.begin(&d)) {
        if (dienste_.meldungen)
            dienste_.meldungen->Zeige(MeldungsTyp::Fehler, "Der Druck ist fehlgeschlagen.");
        return;
    }
    const QRect ziel = p.viewport();
    QSize s = bild.size().scaled(ziel.size(), Qt::KeepAspectRatio);
    p.drawImage(QRect(ziel.topLeft(), s), bild);
    p.end();
}

std::string TxGlobView::ErgebnisDerAuswahl() const {
    if (gliederung_->isVisible() || !liste_->isVisible()) {
        const QTreeWidgetItem* i = gliederung_->currentItem();
        if (!i) return {};
        int betraege = 0;
        for (int s = 1; s < i->columnCount(); ++s) betraege += i->text(s).isEmpty() ? 0 : 1;
        return std::string(ErgebnisDerBeschriftung(i->text(0).toStdString(), betraege));
    }
    const QModelIndex i = liste_->currentIndex();
    return i.isValid() ? std::string(ErgebnisDerZeile(text_, std::size_t(i.row()))) : std::string();
}

int TxGlobView::TeilDerAuswahl() const {
    if (gliederung_->isVisible() || !liste_->isVisible()) {
        // the rows in the order of the text, up to the one the user is on
        const QTreeWidgetItem* aktuell = gliederung_->currentItem();
        int teil = 0;
        for (QTreeWidgetItemIterator i(gliederung_); *i && aktuell; ++i) {
            if (const auto neu = TeilBeginnt((*i)->text(0).toStdString())) teil = *neu;
            if (*i == aktuell) break;
        }
        return teil;
    }
    const QModelIndex i = liste_->currentIndex();
    return i.isValid() ? TeilDerZeile(text_, std::size_t(i.row())) : 0;
}

void TxGlobView::WieBerechnetClick() {
    if (dienste_.wieBerechnet && dienste_.wieBerechnet(ErgebnisDerAuswahl(), TeilDerAuswahl()))
        accept();
}

void TxGlobView::DruckerEinrichtenClick() {
    QPrintDialog d(&druck_.Drucker(), this);
    d.exec();
}

}  // namespace quarnel::gui
