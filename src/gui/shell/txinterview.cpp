#include "shell/txinterview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/dialoghilfe.h"

namespace quarnel::gui {

QString ErklaerungHtml(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.remove(QLatin1Char('\r'));
    const QStringList absaetze = t.trimmed().split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
    QString html;
    for (qsizetype i = 0; i < absaetze.size(); ++i) {
        const QString a =
            absaetze[i].toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
        html += i == 0 ? QStringLiteral("<h3>") + a + QStringLiteral("</h3>")
                       : QStringLiteral("<p>") + a + QStringLiteral("</p>");
    }
    return html;
}

bool InterviewMoeglich(const std::string& formularVerzeichnis, Meldungen& meldungen) {
    if (!FehlendeFragenDatei(formularVerzeichnis)) return true;
    meldungen.Zeige(MeldungsTyp::Fehler, FragenDateiFehlt);
    return false;
}

TxInterview::TxInterview(QWidget* hauptfenster, CaseRecord& r, Meldungen& meldungen,
                         std::string formularVerzeichnis)
    : Tform13(hauptfenster, 600),
      r_(r),
      meldungen_(meldungen),
      formular_(std::move(formularVerzeichnis)),
      sicherung_(InterviewSichern(r)) {
    setObjectName(QStringLiteral("TxInterview"));
    setWindowTitle(QStringLiteral("Interview"));
    notebook_ = new QTabWidget(this);
    notebook_->setObjectName(QStringLiteral("Notebook"));

    auto* startSeite = new QWidget;
    start_ = new QTextBrowser(startSeite);
    start_->setObjectName(QStringLiteral("StartText"));
    beginnen_ =
        DialogKnopf(startSeite, "BeginnenBtn", "&Interview beginnen", "Interview beginnen.");
    auto* sl = new QVBoxLayout(startSeite);
    sl->addWidget(start_, 1);
    sl->addWidget(beginnen_, 0, Qt::AlignRight);
    start_->setHtml(ErklaerungHtml(FragenText(formular_, 999).value_or("")));
    notebook_->addTab(startSeite, QStringLiteral("Start"));

    auto* fragenSeite = new QWidget;
    liste_ = new QListWidget(fragenSeite);
    liste_->setObjectName(QStringLiteral("FragenLB"));
    erklaerung_ = new QTextBrowser(fragenSeite);
    erklaerung_->setObjectName(QStringLiteral("ErklaerungText"));
    const InterviewHaken h = InterviewHakenAusSatz(r_);
    for (int i = 0; i < InterviewPunkte; ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(InterviewPunktAnzeige(i)), liste_);
        ListenpunktArt(item, InterviewUeberschrift(i));
        if (!InterviewUeberschrift(i))
            item->setCheckState(h[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
    }
    auto* fl = new QHBoxLayout(fragenSeite);
    fl->addWidget(liste_, 1);
    fl->addWidget(erklaerung_, 1);
    notebook_->addTab(fragenSeite, QStringLiteral("Fragen"));

    liste_->installEventFilter(this);
    connect(liste_, &QListWidget::currentRowChanged, this, [this](int i) { ErklaerungZeigen(i); });
    connect(liste_, &QListWidget::itemChanged, this, [this](QListWidgetItem* i) {
        liste_->setCurrentItem(i);
        ErklaerungZeigen(liste_->row(i));
    });
    connect(beginnen_, &QPushButton::clicked, this, [this] { BeginnenClick(); });
    connect(notebook_, &QTabWidget::currentChanged, this, [this](int t) { TabGewechselt(t); });

    anpassen_ =
        DialogKnopf(this, "AnpassenBtn", "&Steuerfall anpassen",
                    "Auf Grundlage der Angaben werden die Einsgabeseiten zusammengestellt.");
    auto* abbruch = DialogKnopf(this, "AbbruchBtn", "&Abbruch", "Abbruch des Interviews.");
    auto* hilfe = DialogKnopf(this, "HilfeBtn", "&Hilfe", nullptr);
    connect(anpassen_, &QPushButton::clicked, this, [this] { AnpassenClick(); });
    connect(abbruch, &QPushButton::clicked, this, [this] { AbbruchClick(); });
    connect(hilfe, &QPushButton::clicked, this, [this] {
        if (hilfeZeigen) hilfeZeigen("std\\interview");
    });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    for (QPushButton* b : {anpassen_, abbruch, hilfe}) knoepfe->addWidget(b);
    auto* l = new QVBoxLayout(this);
    l->addWidget(notebook_, 1);
    l->addLayout(knoepfe);
    resize(600, 440);
    TabGewechselt(0);
}

InterviewHaken TxInterview::Haken() const {
    InterviewHaken h{};
    for (int i = 0; i < InterviewPunkte; ++i)
        h[static_cast<std::size_t>(i)] = liste_->item(i)->checkState() == Qt::Checked;
    return h;
}

void TxInterview::ErklaerungZeigen(int punkt) {
    if (punkt < 0) return;
    erklaerung_->setHtml(ErklaerungHtml(FragenText(formular_, punkt).value_or("")));
}

void TxInterview::TabGewechselt(int tab) {
    beginnen_->setEnabled(tab == 0);
    anpassen_->setEnabled(tab == 1);
}

void TxInterview::BeginnenClick() {
    notebook_->setCurrentIndex(1);
    liste_->setCurrentRow(0);
    ErklaerungZeigen(0);
    liste_->setFocus();
}

void TxInterview::AnpassenClick() {
    const InterviewHaken h = Haken();
    if (InterviewEhegatteOhneSplitting(h)) {
        Meldung m{MeldungsTyp::Fehler, InterviewSplittingFehler, KnopfOK, {}, true};
        meldungen_.Zeige(m);
        liste_->setCurrentRow(1);
        return;
    }
    InterviewAnwenden(r_, h);
    angepasst_ = true;
    meldungen_.Zeige(MeldungsTyp::Information, "Die Eingabeseiten wurden zusammengestellt.");
    Schliessen(Accepted);
}

void TxInterview::AbbruchClick() {
    if (meldungen_.Zeige(MeldungsTyp::Bestaetigung, "Interview abbrechen?", KnopfJa | KnopfNein) !=
        Antwort::Ja)
        return;
    InterviewWiederherstellen(r_, sicherung_);
    Schliessen(Rejected);
}

void TxInterview::Schliessen(int ergebnis) {
    fertig_ = true;
    done(ergebnis);
}

void TxInterview::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    Tform13::keyPressEvent(e);
}

bool TxInterview::eventFilter(QObject* o, QEvent* e) {
    if (o == liste_ && e->type() == QEvent::KeyPress) {
        auto* t = static_cast<QKeyEvent*>(e);
        const QString text = t->text();
        if (text.size() == 1 && text[0].isPrint() && !(t->modifiers() & Qt::ControlModifier) &&
            Suchen(text))
            return true;
    }
    return Tform13::eventFilter(o, e);
}

bool TxInterview::Suchen(const QString& zeichen) {
    if (!tippen_.isValid() || tippen_.elapsed() > QApplication::keyboardInputInterval())
        suche_.clear();
    QListWidgetItem* aktuell = liste_->currentItem();
    if (suche_.isEmpty() && zeichen == QStringLiteral(" ") && aktuell &&
        (aktuell->flags() & Qt::ItemIsUserCheckable))
        return false;  // the blank ticks the item
    tippen_.restart();
    suche_ += zeichen;
    const QString gesucht = suche_.trimmed();
    if (gesucht.isEmpty()) return true;
    // A new search begins after the current line, a longer one at it.
    const int start = std::max(liste_->currentRow(), 0) + (suche_.size() == 1 ? 1 : 0);
    const int n = liste_->count();
    for (int k = 0; k < n; ++k) {
        const int i = (start + k) % n;
        if (liste_->item(i)->text().trimmed().startsWith(gesucht, Qt::CaseInsensitive)) {
            liste_->setCurrentRow(i);
            break;
        }
    }
    return true;
}

void TxInterview::closeEvent(QCloseEvent* e) {
    // The window button cancels: the record keeps what it had before.
    if (!fertig_) {
        InterviewWiederherstellen(r_, sicherung_);
        fertig_ = true;
        setResult(Rejected);
    }
    e->accept();
}

}  // namespace quarnel::gui
