#include "widgets/zugang.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <map>

#include "shell/sprechtext.h"

namespace quarnel::gui {

QString Sprechtext(const QString& beschriftung) {
    QString t = QString::fromStdString(quarnel::Sprechtext(beschriftung.toStdString()));
    // The dash of a list ("- aus Beteiligung") is for the eye.
    if (t.startsWith(QStringLiteral("- "))) t = t.mid(2);
    return t;
}

void FeldBenennen(QWidget* feld, const QString& name, QLabel* beschriftung) {
    if (!feld) return;
    feld->setAccessibleName(Sprechtext(name));
    if (beschriftung) beschriftung->setBuddy(feld);
}

QString Personenname(const QString& zeile, bool ehefrau) {
    const std::string_view zusatz = quarnel::PersonenZusatz(ehefrau);
    return Sprechtext(zeile) + QString::fromUtf8(zusatz.data(), qsizetype(zusatz.size()));
}

void Ergebnisfeld(QLineEdit* feld) {
    if (!feld) return;
    feld->setReadOnly(true);
    feld->setFocusPolicy(Qt::StrongFocus);
    feld->setAccessibleDescription(QString());  // no range to type in
    QPalette p = feld->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    feld->setPalette(p);
}

namespace {

bool IstEingabe(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w))
        return !qobject_cast<const QComboBox*>(w->parentWidget()) &&  // a combo box's own edit
               !qobject_cast<const QAbstractSpinBox*>(w->parentWidget());
    if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QToolButton*>(w)) return true;
    if (auto* k = qobject_cast<const QAbstractButton*>(w)) return k->isCheckable();
    return false;
}

struct Platz {
    int zeile, spalte, hoehe, breite;
};

Platz PlatzVon(QGridLayout* g, int i) {
    Platz p{};
    g->getItemPosition(i, &p.zeile, &p.spalte, &p.hoehe, &p.breite);
    return p;
}

}  // namespace

void GitterBenennen(QGridLayout* gitter) {
    if (!gitter) return;
    for (int i = 0; i < gitter->count(); ++i) {
        QWidget* w = gitter->itemAt(i)->widget();
        if (!w || !IstEingabe(w) || !w->accessibleName().isEmpty()) continue;
        const Platz f = PlatzVon(gitter, i);
        // The row caption: the nearest label left of it in its row; the
        // column headings: the labels above it over its column, not those
        // that start at the first column (captions of rows and groups).
        QLabel* links = nullptr;
        int linksSpalte = -1;
        std::vector<std::pair<int, QString>> oben;
        for (int k = 0; k < gitter->count(); ++k) {
            auto* l = qobject_cast<QLabel*>(gitter->itemAt(k)->widget());
            if (!l || l->isHidden() || Sprechtext(l->text()).isEmpty()) continue;
            const Platz p = PlatzVon(gitter, k);
            if (p.zeile <= f.zeile && f.zeile < p.zeile + p.hoehe && p.spalte < f.spalte &&
                p.spalte > linksSpalte) {
                links = l;
                linksSpalte = p.spalte;
            } else if (p.zeile + p.hoehe <= f.zeile && p.spalte > 0 && p.spalte <= f.spalte &&
                       f.spalte < p.spalte + p.breite) {
                oben.emplace_back(p.zeile, Sprechtext(l->text()));
            }
        }
        std::sort(oben.begin(), oben.end());
        QStringList koepfe;
        for (const auto& [z, t] : oben) koepfe << t;
        QString name = links ? Sprechtext(links->text()) : QString();
        if (!koepfe.isEmpty())
            name += (name.isEmpty() ? QString() : QStringLiteral(" – ")) + koepfe.join(u' ');
        if (name.isEmpty())
            if (auto* k = qobject_cast<QAbstractButton*>(w)) name = k->text();
        if (name.isEmpty()) name = QString(w->toolTip()).replace(u'\n', u' ');
        // The caption leads to the first field of its row.
        const bool erstes = links && links->buddy() == nullptr;
        FeldBenennen(w, name, erstes ? links : nullptr);
    }
}

QString Vorgelesen(QWidget* w) {
    QAccessibleInterface* i = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    if (!i) return {};
    QStringList teile;
    for (const auto& [beschriftung, art] : i->relations(QAccessible::Label))
        if (beschriftung) teile << Sprechtext(beschriftung->text(QAccessible::Name));
    if (i->role() != QAccessible::ComboBox) {
        QString name = Sprechtext(i->text(QAccessible::Name));
        // A check box's "ja" says nothing of its question.
        if (qobject_cast<QAbstractButton*>(w) && w->accessibleName().isEmpty() && name.size() <= 3)
            name.clear();
        if (!teile.contains(name)) teile << name;
    }
    return teile.join(u' ').simplified();
}

void AuswahlBeschriften(QComboBox* feld) {
    QWidget* eltern = feld ? feld->parentWidget() : nullptr;
    const QString name = feld ? Sprechtext(feld->accessibleName()) : QString();
    if (!eltern || name.isEmpty()) return;
    QLabel* eigene = nullptr;
    for (QLabel* l : eltern->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (l->buddy() != feld) continue;
        if (l->property("vorlesen").toBool()) eigene = l;
        else if (Sprechtext(l->text()) == name || !Kennbuchstabe(l->text()).isNull()) return;
        // A shorter caption without an Alt letter ("1." over its columns) stays on screen only.
        else l->setBuddy(nullptr);
    }
    if (!eigene) {
        eigene = new QLabel(eltern);
        eigene->setObjectName(feld->objectName() + QStringLiteral("Vorlesen"));
        eigene->setProperty("vorlesen", true);
        eigene->setTextFormat(Qt::PlainText);
        eigene->hide();
    }
    eigene->setText(QString(name).replace(u'&', QStringLiteral("&&")));
    eigene->setBuddy(feld);
}

namespace {

// Captions that say what a field is only with the row above them.
bool Kurzwort(const QString& t) {
    static const QStringList woerter{QStringLiteral("seit"), QStringLiteral("vom"),
                                     QStringLiteral("von"),  QStringLiteral("bis"),
                                     QStringLiteral("ab"),   QStringLiteral("als")};
    return woerter.contains(t);
}

// The caption of the nearest row above `zeile` that says more than a short word.
QString Obenzeile(QGridLayout* g, int zeile) {
    for (int z = zeile - 1; z >= 0; --z) {
        QLayoutItem* it = g->itemAtPosition(z, 0);
        QWidget* w = it ? it->widget() : nullptr;
        QString t;
        if (auto* l = qobject_cast<QLabel*>(w)) t = Sprechtext(l->text());
        else if (auto* k = qobject_cast<QAbstractButton*>(w)) t = Sprechtext(k->text());
        if (!t.isEmpty() && !Kurzwort(t)) return t;
    }
    return {};
}

}  // namespace

void ZeitraumBenennen(QGridLayout* gitter) {
    if (!gitter) return;
    const QString strich = QStringLiteral(" – ");
    for (int i = 0; i < gitter->count(); ++i) {
        QWidget* w = gitter->itemAt(i)->widget();
        if (!w || !IstEingabe(w)) continue;
        QString name = w->accessibleName();
        // "Im Inland ansässig vom bis" over two fields: "… vom" and "… bis".
        for (const QString& von : {QStringLiteral(" vom bis"), QStringLiteral(" von bis")}) {
            if (name.endsWith(von)) name.chop(4);
            else if (name.endsWith(von + strich + QStringLiteral("bis")))
                name = name.left(name.size() - von.size() - strich.size() - 3) + QStringLiteral(" bis");
        }
        // "seit", "vom" or "als" alone: with the caption of the row above
        // ("Familienstand seit"); "vom – bis", the end of such a period, as "… bis".
        if (Kurzwort(name.section(strich, 0, 0))) {
            const QString oben = Obenzeile(gitter, PlatzVon(gitter, i).zeile);
            if (!oben.isEmpty()) name = oben + u' ' + name.section(strich, -1);
        }
        if (name != w->accessibleName()) w->setAccessibleName(name);
    }
}

std::vector<QWidget*> Unbenannte(QWidget* wurzel) {
    std::vector<QWidget*> ohne;
    for (QWidget* w : wurzel->findChildren<QWidget*>()) {
        // A button with a picture only is as mute as an unnamed field.
        const bool bild = qobject_cast<QAbstractButton*>(w) &&
                          static_cast<QAbstractButton*>(w)->text().trimmed().isEmpty();
        if (!(IstEingabe(w) || bild) || w->focusPolicy() == Qt::NoFocus) continue;
        if (qobject_cast<QTabBar*>(w->parentWidget())) continue;  // the tab bar's scroll arrows
        if (Vorgelesen(w).isEmpty()) ohne.push_back(w);
    }
    return ohne;
}

QChar Kennbuchstabe(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i)
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') return text[i + 1].toUpper();
            ++i;
        }
    return {};
}

bool ReiterGleich(const QString& a, const QString& b) {
    return a == b || QString(a).remove(u'&') == QString(b).remove(u'&');
}

QString Menuebuchstaben(const QWidget* fenster) {
    QString belegt;
    const QMenuBar* leiste = fenster ? fenster->findChild<QMenuBar*>() : nullptr;
    if (!leiste) return belegt;
    for (const QAction* a : leiste->actions())
        if (const QChar c = Kennbuchstabe(a->text()); !c.isNull()) belegt += c;
    return belegt;
}

QString& Fensterbuchstaben() {
    static QString belegt;
    return belegt;
}

namespace {

// The letters a tab caption could take, the one it has first, then word
// beginnings, then the others.
QString Kandidaten(const QString& text, const QString& ausser) {
    QString k;
    auto nehmen = [&](QChar c) {
        c = c.toUpper();
        if (c.isLetterOrNumber() && c.unicode() < 128 && !k.contains(c) && !ausser.contains(c)) k += c;
    };
    if (const QChar c = Kennbuchstabe(text); !c.isNull()) nehmen(c);
    const QString blank = QString(text).remove(u'&');
    for (int runde = 0; runde < 2; ++runde)
        for (int i = 0; i < blank.size(); ++i)
            if (runde == 1 || i == 0 || !blank[i - 1].isLetterOrNumber()) nehmen(blank[i]);
    return k;
}

// One step of the matching of tabs to letters: tab t takes a letter of its
// candidates, moving another tab to another of its letters where needed.
bool Zuordnen(int t, const std::vector<QString>& kand, std::vector<QChar>& von,
              QString& besucht, std::map<QChar, int>& inhaber) {
    for (QChar c : kand[size_t(t)]) {
        if (besucht.contains(c)) continue;
        besucht += c;
        auto it = inhaber.find(c);
        if (it == inhaber.end() || Zuordnen(it->second, kand, von, besucht, inhaber)) {
            von[size_t(t)] = c;
            inhaber[c] = t;
            return true;
        }
    }
    return false;
}

}  // namespace

QString ReiterbuchstabenVergeben(const std::vector<QTabWidget*>& notizbuecher,
                                 const QString& belegt) {
    std::vector<std::pair<QTabWidget*, int>> reiter;
    for (QTabWidget* nb : notizbuecher)
        for (int i = 0; i < nb->count(); ++i) reiter.emplace_back(nb, i);
    const size_t n = reiter.size();
    std::vector<QString> kand(n);
    std::vector<QChar> von(n);
    std::map<QChar, int> inhaber;
    // First without the menus' letters; a tab whose caption has no other
    // free letter then shares one with a menu (the page's tab wins that key).
    for (int runde = 0; runde < 2; ++runde)
        for (size_t t = 0; t < n; ++t) {
            if (!von[t].isNull()) continue;
            kand[t] = Kandidaten(reiter[t].first->tabText(reiter[t].second),
                                 runde == 0 ? belegt : QString());
            QString besucht;
            Zuordnen(int(t), kand, von, besucht, inhaber);
        }
    QString genutzt;
    for (size_t t = 0; t < n; ++t) {
        auto [nb, i] = reiter[t];
        const QString blank = QString(nb->tabText(i)).remove(u'&');
        if (von[t].isNull()) {
            nb->setTabText(i, blank);
            continue;
        }
        genutzt += von[t];
        // The letter at a word beginning if it stands there, else its first place.
        int stelle = -1;
        for (int k = 0; k < blank.size() && stelle < 0; ++k)
            if (blank[k].toUpper() == von[t] && (k == 0 || !blank[k - 1].isLetterOrNumber())) stelle = k;
        if (stelle < 0)
            for (int k = 0; k < blank.size() && stelle < 0; ++k)
                if (blank[k].toUpper() == von[t]) stelle = k;
        nb->setTabText(i, blank.left(stelle) + u'&' + blank.mid(stelle));
    }
    return genutzt;
}

void ReiterWaehlen(QTabWidget* nb, int i, Qt::FocusReason grund) {
    nb->setCurrentIndex(i);
    QWidget* blatt = nb->widget(i);
    for (QWidget* z = blatt->nextInFocusChain(); z && z != blatt; z = z->nextInFocusChain())
        if (blatt->isAncestorOf(z) && z->isVisible() && z->isEnabled() &&
            (z->focusPolicy() & Qt::TabFocus) && !qobject_cast<QTabBar*>(z)) {
            z->setFocus(grund);
            return;
        }
    nb->tabBar()->setFocus(grund);
}

namespace {

QString Tippname(const QWidget* w) {
    return Sprechtext(QString(w->toolTip()).replace(u'\n', u' '));
}

// Keeps a tool button's name with its tool tip.
class Knopfnamen : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::ToolTipChange)
            if (auto* w = qobject_cast<QWidget*>(o); w && !Tippname(w).isEmpty())
                w->setAccessibleName(Tippname(w));
        return false;
    }
};

// The innermost notebook around `w` on a page; with the focus on the page's
// frame or the page itself (after a menu closed, a window came back), the
// page's outer notebook.
QTabWidget* NotizbuchUm(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (auto* nb = qobject_cast<QTabWidget*>(w)) return nb;
        if (auto* rahmen = qobject_cast<QMdiSubWindow*>(w))
            return rahmen->widget() ? rahmen->widget()->findChild<QTabWidget*>() : nullptr;
    }
    return nullptr;
}

// Shows the next (or previous) tab that can be chosen.
void ReiterWeiter(QTabWidget* nb, int schritt) {
    const int n = nb->count();
    for (int k = 1; k < n; ++k) {
        const int i = ((nb->currentIndex() + schritt * k) % n + n) % n;
        if (!nb->isTabEnabled(i) || !nb->isTabVisible(i)) continue;
        ReiterWaehlen(nb, i, Qt::TabFocusReason);
        return;
    }
}

class Seitentasten : public QObject {
  public:
    explicit Seitentasten(QMdiArea* bereich) : QObject(bereich), bereich_(bereich) {
        qApp->installEventFilter(this);
        bereich->installEventFilter(this);
        QObject::connect(bereich, &QMdiArea::subWindowActivated, this,
                         [this](QMdiSubWindow* w) { NichtVerdeckt(w); });
    }
    ~Seitentasten() override {
        if (qApp) qApp->removeEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override {
        // The area installs its own filter when it is first shown: this one
        // goes before it again, so that the area never sees Ctrl+Tab.
        if (o == bereich_ && e->type() == QEvent::Show) {
            QMetaObject::invokeMethod(this, [this] {
                qApp->removeEventFilter(this);
                qApp->installEventFilter(this);
            }, Qt::QueuedConnection);
            return false;
        }
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease &&
            e->type() != QEvent::ShortcutOverride)
            return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (!(k->modifiers() & Qt::ControlModifier) ||
            (k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab))
            return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !bereich_->isAncestorOf(w)) return false;
        if (e->type() == QEvent::ShortcutOverride) {
            e->accept();  // no shortcut of the window takes it
            return false;
        }
        if (e->type() == QEvent::KeyPress && w == QApplication::focusWidget())
            if (QTabWidget* nb = NotizbuchUm(w)) {
                const bool zurueck = k->key() == Qt::Key_Backtab || (k->modifiers() & Qt::ShiftModifier);
                ReiterWeiter(nb, zurueck ? -1 : 1);
            }
        return true;
    }

    // A disabled page (the opener of a sub-page) never stays in front: its
    // sub-page comes back on top of it.
    void NichtVerdeckt(QMdiSubWindow* aktiv) {
        if (!aktiv || !aktiv->widget() || aktiv->widget()->isEnabled()) return;
        const QList<QMdiSubWindow*> alle = bereich_->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = alle.rbegin(); it != alle.rend(); ++it) {
            QMdiSubWindow* f = *it;
            if (f != aktiv && f->widget() && f->widget()->isEnabled() &&
                f->widget()->property("unterseite").toBool()) {
                QPointer<QMdiSubWindow> ziel = f;
                // After the area has finished activating the other window.
                QMetaObject::invokeMethod(this, [this, ziel] {
                    if (ziel) bereich_->setActiveSubWindow(ziel);
                }, Qt::QueuedConnection);
                return;
            }
        }
    }

  private:
    QMdiArea* bereich_;
};

// Names the editor of a table cell by its column and row when it shows.
class Zellennamen : public QObject {
  public:
    explicit Zellennamen(QAbstractItemView* tabelle) : QObject(tabelle), tabelle_(tabelle) {
        tabelle->viewport()->installEventFilter(this);
        for (QWidget* w : tabelle->viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            w->installEventFilter(this);
            Benennen(w);
        }
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == tabelle_->viewport() && e->type() == QEvent::ChildAdded) {
            if (QObject* kind = static_cast<QChildEvent*>(e)->child(); kind->isWidgetType())
                kind->installEventFilter(this);
        } else if (o != tabelle_->viewport() &&
                   (e->type() == QEvent::Show || e->type() == QEvent::FocusIn)) {
            Benennen(static_cast<QWidget*>(o));
        }
        return false;
    }

  private:
    void Benennen(QWidget* w) {
        QModelIndex i = tabelle_->indexAt(w->geometry().center());
        if (!i.isValid()) i = tabelle_->currentIndex();
        if (!i.isValid()) return;
        const QAbstractItemModel* m = i.model();
        const QString spalte = Sprechtext(m->headerData(i.column(), Qt::Horizontal).toString());
        const QString zeile = m->headerData(i.row(), Qt::Vertical).toString();
        w->setAccessibleName(spalte + QStringLiteral(", Zeile ") +
                             (zeile.isEmpty() ? QString::number(i.row() + 1) : zeile));
        AuswahlBeschriften(qobject_cast<QComboBox*>(w));
    }
    QAbstractItemView* tabelle_;
};

}  // namespace

void SeiteErschliessen(QWidget* seite, const std::vector<QTabWidget*>& notizbuecher) {
    ReiterbuchstabenVergeben(notizbuecher, Fensterbuchstaben());
    for (QGridLayout* g : seite->findChildren<QGridLayout*>()) {
        GitterBenennen(g);
        ZeitraumBenennen(g);
    }
    for (QComboBox* c : seite->findChildren<QComboBox*>()) AuswahlBeschriften(c);
    for (QAbstractItemView* t : seite->findChildren<QAbstractItemView*>())
        if (!t->property("zellennamen").toBool()) {
            t->setProperty("zellennamen", true);
            new Zellennamen(t);
        }
}

void KnoepfeBenennen(QWidget* wurzel) {
    auto* namen = new Knopfnamen(wurzel);
    for (QToolButton* b : wurzel->findChildren<QToolButton*>()) {
        if (!Tippname(b).isEmpty()) b->setAccessibleName(Tippname(b));
        b->installEventFilter(namen);
    }
}

void SeitentastenEinrichten(QMdiArea* bereich, QAbstractButton* vor, QAbstractButton* zurueck) {
    new Seitentasten(bereich);
    if (vor) vor->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    if (zurueck) zurueck->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
}

QWidget* OffeneSeite(QMdiArea* bereich, QMdiSubWindow* ausser) {
    const QList<QMdiSubWindow*> alle = bereich->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = alle.rbegin(); it != alle.rend(); ++it)
        if (*it != ausser && (*it)->widget() && (*it)->widget()->isEnabled()) return (*it)->widget();
    return nullptr;
}

double Kontrast(unsigned rgb1, unsigned rgb2) {
    auto leuchtdichte = [](unsigned rgb) {
        auto kanal = [](unsigned v) {
            const double c = v / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * kanal((rgb >> 16) & 0xFF) + 0.7152 * kanal((rgb >> 8) & 0xFF) +
               0.0722 * kanal(rgb & 0xFF);
    };
    const double a = leuchtdichte(rgb1), b = leuchtdichte(rgb2);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace quarnel::gui
