#include "pages/tform11.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/betrag.h"
#include "pages/bereichsbild.h"
#include "pages/seitenbau.h"
#include "pages/seitenzustand.h"
#include "pages/tf_anlage.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"
#include "widgets/zugang.h"
#include "widgets/zugang.h"

namespace quarnel::gui {

QString Bereichshinweis(int32_t von, int32_t bis) {
    return QStringLiteral("Eingabebereich ") + QString::fromStdString(DatumText(von)) +
           QStringLiteral(" - ") + QString::fromStdString(DatumText(bis));
}

namespace {

// A stored text as its field shows it: blanks alone (a new case's default
// first names) show as an empty field, so that nothing typed follows them.
QString Feldtext(const CaseRecord& r, const Bindung& b) {
    const QString t = QString::fromStdString(r.TextUtf8(b.feld, b.element));
    return t.trimmed().isEmpty() ? QString() : t;
}

}  // namespace

TForm11::TForm11(Seitenumgebung& umgebung, int instanz, QWidget* eltern)
    : QWidget(eltern), umgebung_(umgebung), instanz_(instanz) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);  // a subordinate page covers the page beneath it
    setCursor(Qt::ArrowCursor);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    kopfPnl_ = new QLabel(this);
    kopfPnl_->setObjectName(QStringLiteral("KopfPnl"));
    kopfPnl_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    kopfPnl_->setFrameShape(QFrame::Panel);
    kopfPnl_->setFrameShadow(QFrame::Raised);
    kopfPnl_->setMinimumHeight(22);
    QFont f = kopfPnl_->font();
    f.setBold(true);
    kopfPnl_->setFont(f);
    lay->addWidget(kopfPnl_);
    nb_ = new QTabWidget(this);
    nb_->setObjectName(QStringLiteral("OvcNb"));
    nb_->setUsesScrollButtons(true);
    lay->addWidget(nb_, 1);
    auto* info = new QWidget;
    auto* il = new QVBoxLayout(info);
    infoTitelLbl_ = new QLabel(info);
    infoTitelLbl_->setObjectName(QStringLiteral("InfoTitelLbl"));
    infoTitelLbl_->setWordWrap(true);
    QFont tf = infoTitelLbl_->font();
    tf.setPixelSize(18);
    tf.setBold(true);
    infoTitelLbl_->setFont(tf);
    il->addWidget(infoTitelLbl_);
    auto* bild = new QLabel(info);
    bild->setObjectName(QStringLiteral("Image1"));
    il->addWidget(bild);
    il->addStretch(1);
    nb_->addTab(info, QStringLiteral("&Info"));
    connect(nb_, &QTabWidget::currentChanged, this, [this] { FeldEnter(); });
}

TForm11::TForm11(Seitenumgebung& umgebung, const Seitenbeschreibung& b, int instanz, int element,
                 QWidget* eltern)
    : TForm11(umgebung, instanz, eltern) {
    beschreibung_ = &b;
    setObjectName(QString::fromLatin1(b.klasse));
    SeiteAufbauen(*this, b, element);
    if (b.einrichten) b.einrichten(*this);
    // A long header is cut at the page's edge rather than widening the page.
    kopfPnl_->setMinimumWidth(1);
    SeitenzustandGlobal().uebernahme = false;
    nb_->setCurrentIndex(0);
}

TForm11::~TForm11() = default;

QWidget* TForm11::Reiter(const QString& titel) const {
    for (QTabWidget* nb : Notizbuecher())
        for (int i = 0; i < nb->count(); ++i) {
            if (!ReiterGleich(nb->tabText(i), titel)) continue;
            QWidget* w = nb->widget(i);
            if (auto* rollen = qobject_cast<QScrollArea*>(w)) return rollen->widget();
            return w;
        }
    return nullptr;
}

std::vector<QTabWidget*> TForm11::Notizbuecher() const {
    std::vector<QTabWidget*> alle{nb_};
    for (QTabWidget* nb : nb_->findChildren<QTabWidget*>()) alle.push_back(nb);
    return alle;
}

bool TForm11::ReiterZeigen(const QString& titel) {
    for (QTabWidget* nb : Notizbuecher())
        for (int i = 0; i < nb->count(); ++i) {
            if (!ReiterGleich(nb->tabText(i), titel)) continue;
            // The outer tabs that hold this notebook first.
            for (QTabWidget* aussen : Notizbuecher())
                for (int k = 0; aussen != nb && k < aussen->count(); ++k)
                    if (aussen->widget(k)->isAncestorOf(nb)) aussen->setCurrentIndex(k);
            nb->setCurrentIndex(i);
            return true;
        }
    return false;
}

int TForm11::ReiterIndex(const QString& titel) const {
    for (int i = 0; i < nb_->count(); ++i)
        if (ReiterGleich(nb_->tabText(i), titel)) return i;
    return -1;
}

QWidget* TForm11::Steuer(Feld f) const {
    for (const Bindung& b : bindungen_)
        if (b.feld == f) return b.steuer;
    return nullptr;
}
BetragFeld* TForm11::Betrag(Feld f) const { return qobject_cast<BetragFeld*>(Steuer(f)); }
DatumFeld* TForm11::Datum(Feld f) const { return qobject_cast<DatumFeld*>(Steuer(f)); }
QAbstractButton* TForm11::Kasten(Feld f) const {
    return qobject_cast<QAbstractButton*>(Steuer(f));
}
AuswahlBox* TForm11::Liste(Feld f) const { return qobject_cast<AuswahlBox*>(Steuer(f)); }

// --- loading and storing -------------------------------------------------------------

void TForm11::DatenLaden() {
    geladen_ = false;
    const CaseRecord& r = Satz();
    for (const Bindung& b : bindungen_) {
        const FeldDef& d = Def(b.feld);
        if (auto* x = qobject_cast<BetragFeld*>(b.steuer)) {
            x->SetzeWert(d.typ == FeldTyp::Double ? r.Dbl(b.feld, b.element)
                                                  : r.Int(b.feld, b.element));
        } else if (auto* x = qobject_cast<DatumFeld*>(b.steuer)) {
            x->SetzeWert(r.Int(b.feld, b.element));
        } else if (auto* x = qobject_cast<AuswahlBox*>(b.steuer)) {
            x->blockSignals(true);
            if (b.verkehrsmittel) FahrzeugeAnhaengen(x, r);
            x->SetzeIndex(r.Int(b.feld, b.element));
            x->blockSignals(false);
        } else if (auto* x = qobject_cast<QAbstractButton*>(b.steuer)) {
            CnoC(x, r.Bool(b.feld, b.element));
        } else if (auto* x = qobject_cast<QLineEdit*>(b.steuer)) {
            x->setText(Feldtext(r, b));
            x->setModified(false);
        }
    }
    geladen_ = true;
    if (beschreibung_) EhegattenFreigeben();
}

void TForm11::EhegattenFreigeben() {
    const bool splitting = Satz().Bool(Feld::Splitting);
    const QString ehegatte = QString::fromLatin1(beschreibung_->ehegatte);
    if (ehegatte == QStringLiteral("Sie")) {
        EhegattenFelderFreigeben(*this, splitting);
    } else {
        for (const QString& id : ehegatte.split(u' ', Qt::SkipEmptyParts))
            if (auto f = FeldNachId(id.toStdString()))
                if (QWidget* w = Steuer(*f)) w->setEnabled(splitting);
    }
    for (QWidget* w : ehegFelder_) w->setEnabled(splitting);
    const bool grund = Satz().Bool(Feld::Grundtabelle);
    for (QLabel* l : ehegLabels_) GrauKursiv(l, grund);
}

void TForm11::EhegattenFelder(std::initializer_list<QWidget*> felder) {
    for (QWidget* w : felder)
        if (w) ehegFelder_.push_back(w);
}

void TForm11::EhegattenLabels(std::initializer_list<QLabel*> labels) {
    for (QLabel* l : labels)
        if (l) ehegLabels_.push_back(l);
}

// --- the page computation -----------------------------------------------------------------

void TForm11::Rechnen() {
    if (beschreibung_ && beschreibung_->rechnung) beschreibung_->rechnung(Satz(), instanz_);
}

void TForm11::AnzeigeRechnen() {
    if (beschreibung_) SpeichernRechnenLaden([this](CaseRecord&) { Rechnen(); });
}

void TForm11::DatenSpeichern() {
    CaseRecord& r = Satz();
    for (const Bindung& b : bindungen_) {
        if (b.nurLesen) continue;
        const FeldDef& d = Def(b.feld);
        if (auto* x = qobject_cast<BetragFeld*>(b.steuer)) {
            if (d.typ == FeldTyp::Double)
                r.SetzeDbl(b.feld, x->Wert(), b.element);
            else
                r.SetzeInt(b.feld, static_cast<int32_t>(std::lround(x->Wert())), b.element);
        } else if (auto* x = qobject_cast<DatumFeld*>(b.steuer)) {
            r.SetzeInt(b.feld, x->Wert(), b.element);
        } else if (auto* x = qobject_cast<AuswahlBox*>(b.steuer)) {
            r.SetzeInt(b.feld, x->Index(), b.element);
            if (b.textFeld != Feld::Anzahl_ && x->Index() >= 0)
                r.SetzeTextUtf8(b.textFeld, x->currentText().trimmed().toStdString(),
                                b.element);
        } else if (auto* x = qobject_cast<QAbstractButton*>(b.steuer)) {
            r.SetzeBool(b.feld, x->isChecked(), b.element);
        } else if (auto* x = qobject_cast<QLineEdit*>(b.steuer)) {
            // Unchanged texts stay byte for byte as they were.
            if (Feldtext(r, b) != x->text())
                r.SetzeTextUtf8(b.feld, x->text().toStdString(), b.element);
        }
    }
}

// --- show, activate, close ---------------------------------------------------------------

void TForm11::FormShow() {
    const int breite =
        static_cast<int>(std::lround(umgebung_.Hauptbreite() * double(Entwurfsbreite) /
                                     Bezugsbreite));
    QWidget* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    int hoehe = rahmen->height();
    const int nutzbar = umgebung_.NutzbareHoehe();
    if (nutzbar > 0 && (hoehe > nutzbar - 2 || hoehe < 200)) hoehe = nutzbar - 6;
    rahmen->setGeometry(0, 0, breite, std::max(hoehe, 200));
    Erscheinung();
    DatenLaden();
    if (bereich_ > 0) SeitenmerkerSetzen(Satz(), SM_Bearbeitet, bereich_, seite_);
    if (beschreibung_) {
        kopfPnl_->setText(QStringLiteral("  ") + infoTitelLbl_->text());
        if (beschreibung_->formularblatt) umgebung_.SetzeFormularblatt(beschreibung_->formularblatt);
    }
}

void TForm11::FormActivate() {
    if (ersteAktivierung_) {
        ersteAktivierung_ = false;
        return;
    }
    Seitenzustand& z = SeitenzustandGlobal();
    // The target belongs to the one call that returns now, taken over or
    // not: a later return of another window must not find it.
    const std::optional<double> rueckgabe = std::exchange(rueckgabe_, std::nullopt);
    const QPointer<BetragFeld> ziel = std::exchange(listenZiel_, nullptr);
    const bool aufrunden = std::exchange(aufrunden_, false);
    // A page of the protocol stored itself before the call: it shows what
    // the subordinate page wrote into the case, and computes again however
    // the call ended.
    if (beschreibung_) DatenLaden();
    if (z.uebernahme && ziel) {
        const double summe = rueckgabe ? *rueckgabe : umgebung_.Liste().Summe();
        ziel->SetzeWert(aufrunden && !rueckgabe ? AufrundenDM(summe) : summe);
        z.uebernahme = false;
        KompChange();
        AnzeigeRechnen();
    } else if (beschreibung_) {
        z.uebernahme = false;
        AnzeigeRechnen();
    }
}

void TForm11::ListeOeffnen(int liste, const QString& titel, int hilfeseite, BetragFeld* ziel,
                           bool aufrunden) {
    if (!OffeneEingabeUebernehmen()) return;
    aufrunden_ = aufrunden;
    Seitenzustand& z = SeitenzustandGlobal();
    z.listenaufruf.liste = liste;
    z.listenaufruf.titel = titel.toStdString();
    z.listenaufruf.hilfeseite = hilfeseite;
    listenZiel_ = ziel;
    UnterseiteOeffnen(new TF_Anlage(umgebung_));
}

void TForm11::ListenKnopf(const char* name, int liste, const QString& titel, int hilfeseite,
                          Feld ziel, bool aufrunden) {
    if (auto* b = findChild<QAbstractButton*>(QString::fromLatin1(name)))
        connect(b, &QAbstractButton::clicked, this, [=, this] {
            ListeOeffnen(liste, titel, hilfeseite, Betrag(ziel), aufrunden);
        });
}

void TForm11::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (gezeigt_) return;
    gezeigt_ = true;
    FormShow();
    SeiteErschliessen(this, Notizbuecher());  // after the page has set its tab captions
    // Every page is current when it opens, whatever changed the case before.
    AnzeigeRechnen();
    FormActivate();
}

bool TForm11::OffeneEingabeUebernehmen() {
    QWidget* f = focusWidget();
    if (!f || !isAncestorOf(f)) return true;
    if (auto* m = qobject_cast<MaskenFeld*>(f)) {
        if (!m->Modifiziert()) return true;
        if (!m->Uebernehmen()) return false;
        m->Abschliessen();
        DefContPostEdit(true);
        FeldVerlassen(m);
    } else if (auto* t = qobject_cast<QLineEdit*>(f); t && t->isModified()) {
        t->setModified(false);
        DefContPostEdit(true);
        FeldVerlassen(t);
    }
    return true;
}

bool TForm11::FormCloseQuery() {
    if (!OffeneEingabeUebernehmen()) return false;
    if (!DatenPruefen()) {
        FokusZurueck();
        return false;
    }
    DatenSpeichern();
    Rechnen();
    return true;
}

bool TForm11::EintraegeSichern(bool still) {
    if (!geladen_) return true;
    if (!still) return FormCloseQuery();
    DatenSpeichern();
    Rechnen();
    return true;
}

void TForm11::FormClose() {
    if (aufrufer_) {
        TForm11* a = aufrufer_;
        aufrufer_ = nullptr;
        a->setEnabled(true);
        a->SeiteZurueck();
    }
}

void TForm11::closeEvent(QCloseEvent* e) {
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    e->accept();
    FormClose();
    emit geschlossen();
}

void TForm11::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TForm11::UnterseiteOeffnen(TForm11* unterseite) {
    // A page of the protocol reloads on the return: what it shows now is stored first.
    if (beschreibung_ && geladen_) DatenSpeichern();
    unterseite->aufrufer_ = this;
    unterseite->setProperty("unterseite", true);
    setEnabled(false);
    umgebung_.Zeigen(unterseite);
}

// --- edit handlers ---------------------------------------------------------------------

void TForm11::KompChange() {
    umgebung_.SetzeFallVeraendert(true);
}

void TForm11::DefContPostEdit(bool modifiziert) {
    if (auto* e = qobject_cast<EingabeFeld*>(focusWidget()))
        SeitenzustandGlobal().einfuegemodus = !e->Ueberschreiben();
    if (!modifiziert) return;
    KompChange();
    AnzeigeRechnen();
}

void TForm11::FokusMerken() {
    if (QWidget* f = focusWidget(); f && isAncestorOf(f)) gemerkt_ = f;
}

void TForm11::FokusZurueck() {
    if (gemerkt_ && gemerkt_->isEnabled() && gemerkt_->isVisible()) gemerkt_->setFocus();
}

void TForm11::DefContError(int code, const QString& text, QWidget* feld) {
    QString t = text;
    if (code == FehlerBereichProgramm)
        if (auto* d = qobject_cast<DatumFeld*>(feld)) t = d->Hinweis();
    umgebung_.Meldungsdienst().Zeige(MeldungsTyp::Fehler, t.toStdString(), KnopfOK);
}

void TForm11::DatumValidationEintrag(DatumFeld* feld, int32_t von, int32_t bis) {
    if (von < 0) von = 0;
    if (bis < 0) bis = 0;
    if (bis < von) von = bis;
    feld->SetzeBereich(von, bis, Bereichshinweis(von, bis));
}

void TForm11::DatVal_Von(DatumFeld* feld, int32_t anderes, int32_t von, int32_t bis) {
    int32_t oben = bis;
    if (anderes != KeinDatum && anderes < oben) oben = anderes;
    DatumValidationEintrag(feld, von, oben);
}

void TForm11::DatVal_Bis(DatumFeld* feld, int32_t anderes, int32_t von, int32_t bis) {
    int32_t unten = von;
    if (anderes != KeinDatum && anderes > unten) unten = std::min(anderes, bis);
    DatumValidationEintrag(feld, unten, bis);
}

void TForm11::Schliessen() {
    if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()))
        rahmen->close();
    else
        close();
}

void TForm11::Zeitraum(Feld von, Feld bis, int32_t min, int32_t max) {
    datumsregeln_.push_back({von, bis, true, min, max});
    datumsregeln_.push_back({bis, von, false, min, max});
    for (DatumFeld* d : {Datum(von), Datum(bis)})
        if (d) d->SetzeBereich(min, max, d->Hinweis());
}

void TForm11::Datumsbereich(Feld feld, int32_t min, int32_t max) {
    datumsregeln_.push_back({feld, Feld::Anzahl_, false, min, max});
    if (DatumFeld* d = Datum(feld)) d->SetzeBereich(min, max, d->Hinweis());
}

void TForm11::DatumEnter(DatumFeld* d) {
    for (const Datumsregel& r : datumsregeln_) {
        if (Steuer(r.feld) != d) continue;
        DatumFeld* anderes = r.anderes != Feld::Anzahl_ ? Datum(r.anderes) : nullptr;
        if (!anderes)
            DatumValidationEintrag(d, r.min, r.max);
        else if (r.istVon)
            DatVal_Von(d, anderes->Wert(), r.min, r.max);
        else
            DatVal_Bis(d, anderes->Wert(), r.min, r.max);
        return;
    }
}

void TForm11::FeldAnschliessen(QWidget* steuer) {
    if (auto* m = qobject_cast<MaskenFeld*>(steuer)) {
        connect(m, &MaskenFeld::eingabeBeginnt, this, [this, m] {
            FeldEnter();
            if (auto* d = qobject_cast<DatumFeld*>(m)) {
                DatumEnter(d);
                umgebung_.Statuszeile(d->Hinweis());
            }
        });
        connect(m, &MaskenFeld::eingabeBeendet, this, [this, m](bool mod) {
            DefContPostEdit(mod);
            if (mod) FeldVerlassen(m);
        });
        connect(m, &MaskenFeld::fehler, this,
                [this, m](int code, const QString& text) { DefContError(code, text, m); });
    } else if (auto* b = qobject_cast<QAbstractButton*>(steuer)) {
        connect(b, &QAbstractButton::clicked, this, [this, b] {
            RadiogruppeRichten(b);
            FokusMerken();
            KompChange();
            FeldVerlassen(b);
            if (beschreibung_) AnzeigeRechnen();
        });
    } else if (auto* c = qobject_cast<AuswahlBox*>(steuer)) {
        connect(c, &QComboBox::activated, this, [this, c] {
            FokusMerken();
            KompChange();
            FeldVerlassen(c);
            if (beschreibung_) AnzeigeRechnen();
        });
    } else if (auto* t = qobject_cast<QLineEdit*>(steuer)) {
        // Typed text that reaches the field's length is said, not cut silently.
        connect(t, &QLineEdit::textEdited, this, [this, t](const QString& text) {
            if (text.size() < t->maxLength()) return;
            const QString hinweis =
                QStringLiteral("Der Text ist hier höchstens %1 Zeichen lang.").arg(t->maxLength());
            umgebung_.Statuszeile(hinweis);
            QToolTip::showText(t->mapToGlobal(QPoint(0, t->height())), hinweis, t);
        });
        connect(t, &QLineEdit::editingFinished, this, [this, t] {
            if (!t->isModified()) return;
            t->setModified(false);
            DefContPostEdit(true);
            FeldVerlassen(t);
        });
    }
}

// --- what the remaining pages share -----------------------------------------------------

void TForm11::Erscheinung() {
    if (const QColor c = umgebung_.Seitenfarbe(); c.isValid()) {
        QPalette p = palette();
        p.setColor(QPalette::Window, c);
        setPalette(p);
        setAutoFillBackground(true);
    }
    if (const int groesse = umgebung_.Reiterschrift(); groesse > 0) {
        for (QTabWidget* nb : Notizbuecher()) {
            QFont f = nb->tabBar()->font();
            f.setPointSize(groesse);
            nb->tabBar()->setFont(f);
        }
        QFont f = kopfPnl_->font();
        f.setPointSize(groesse);
        kopfPnl_->setFont(f);
    }
    if (auto* bild = findChild<QLabel*>(QStringLiteral("Image1")); bild && bild->pixmap().isNull())
        bild->setPixmap(Bereichsbild(bereich_, seite_));
}

void TForm11::UnterseiteMitZielOeffnen(TForm11* unterseite, BetragFeld* ziel) {
    if (!OffeneEingabeUebernehmen()) {
        delete unterseite;
        return;
    }
    listenZiel_ = ziel;
    rueckgabe_.reset();
    UnterseiteOeffnen(unterseite);
}

void TForm11::Drucken(Druckart art, const Druckdaten& daten) {
    if (!umgebung_.Drucken(art, daten))
        umgebung_.Meldungsdienst().Zeige(
            MeldungsTyp::Information,
            "Diese Funktion steht in dieser Programmversion noch nicht zur Verfügung.", KnopfOK);
}

void TForm11::SetzeOhnePruefung(bool ohne) {
    setProperty("ohnePruefung", ohne);
}

void TForm11::Radiogruppe(std::vector<QAbstractButton*> knoepfe) {
    std::erase(knoepfe, nullptr);
    if (!knoepfe.empty()) radiogruppen_.push_back(std::move(knoepfe));
}

void TForm11::RadiogruppeRichten(QAbstractButton* geklickt) {
    for (const auto& gruppe : radiogruppen_) {
        if (std::find(gruppe.begin(), gruppe.end(), geklickt) == gruppe.end()) continue;
        for (QAbstractButton* k : gruppe) CnoC(k, k == geklickt);
    }
}

namespace {

// A spouse's field or its caption: "GewSie1", "AnteilSie8", "LfdGewSie", "KopfSieLbl".
bool IstSieName(const QString& n) {
    static const QRegularExpression sie(QStringLiteral("Sie\\d*(Lbl)?$"));
    return sie.match(n).hasMatch();
}

}  // namespace

void EhegattenFelderFreigeben(TForm11& seite, bool splitting) {
    for (const Bindung& b : seite.Bindungen())
        if (IstSieName(QString::fromUtf8(Def(b.feld).name))) b.steuer->setEnabled(splitting);
    for (QLabel* l : seite.findChildren<QLabel*>()) {
        const QString t = l->text();
        if (IstSieName(l->objectName()) || t == QStringLiteral("Ehefrau") || t == QStringLiteral("Ehegatte"))
            l->setEnabled(splitting);
    }
}

void FahrzeugeAnhaengen(AuswahlBox* liste, const CaseRecord& r) {
    if (liste->count() >= 6) return;
    for (int i = 1; i <= 4; ++i)
        liste->addItem(QStringLiteral(" ") +
                       QString::fromStdString(r.TextUtf8(Feld::FahrzBez, i)).trimmed());
}

void GrauKursiv(QWidget* beschriftung, bool grau) {
    if (!beschriftung) return;
    QFont f = beschriftung->font();
    f.setItalic(grau);
    beschriftung->setFont(f);
    QPalette p = beschriftung->palette();
    p.setColor(QPalette::WindowText, grau ? p.color(QPalette::Dark)
                                          : QApplication::palette().color(QPalette::WindowText));
    beschriftung->setPalette(p);
}

}  // namespace quarnel::gui
