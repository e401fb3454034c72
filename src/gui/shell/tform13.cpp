#include "shell/tform13.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRubberBand>
#include <QScreen>
#include <QTextEdit>
#include <QThread>
#include <cmath>

namespace quarnel::gui {

Tform13::Tform13(QWidget* hauptfenster, int designBreite, Platzierung p)
    : QDialog(hauptfenster),
      hauptfenster_(hauptfenster),
      designBreite_(designBreite),
      platzierung_(p) {
    setModal(true);
    qApp->installEventFilter(this);
}

int Tform13::SkalierteBreite(int designBreite, int hauptfensterBreite) {
    if (hauptfensterBreite <= 0) return designBreite;
    return static_cast<int>(std::lround(designBreite * hauptfensterBreite / 718.0));
}

bool& Tform13::AnimationAn() {
    static bool an = qEnvironmentVariableIsEmpty("QUARNEL_OHNE_ANIMATION");
    return an;
}

std::function<void(bool)>& Tform13::FensterMelder() {
    static std::function<void(bool)> melder;
    return melder;
}

void Tform13::Umriss(const QRect& ziel, bool wachsen) {
    if (!AnimationAn() || ziel.isEmpty()) return;
    QRubberBand band(QRubberBand::Rectangle);
    const int schritte = 25;
    const QPoint mitte = ziel.center();
    band.show();
    for (int i = 1; i <= schritte; ++i) {
        double anteil = wachsen ? double(i) / schritte : double(schritte - i + 1) / schritte;
        QSize s(std::max(1, int(ziel.width() * anteil)), std::max(1, int(ziel.height() * anteil)));
        band.setGeometry(QRect(mitte - QPoint(s.width() / 2, s.height() / 2), s));
        QApplication::processEvents();
        QThread::msleep(1);
    }
}

void Tform13::Platzieren() {
    int hw = hauptfenster_ ? hauptfenster_->width() : 718;
    if (designBreite_ > 0) resize(SkalierteBreite(designBreite_, hw), height());
    QRect bezug;
    if (hauptfenster_)
        bezug = QRect(hauptfenster_->mapToGlobal(QPoint(0, 0)), hauptfenster_->size());
    else if (auto* sc = QGuiApplication::primaryScreen())
        bezug = sc->availableGeometry();
    if (bezug.isEmpty()) return;
    QSize s = frameGeometry().size().expandedTo(size());
    if (platzierung_ == Platzierung::Zentriert)
        move(bezug.x() + (bezug.width() - s.width()) / 2,
             bezug.y() + (bezug.height() - s.height()) / 2);
    else
        move(bezug.x() + (bezug.width() - s.width()) / 3,
             bezug.y() + (bezug.height() - s.height()) / 3);
}

void Tform13::showEvent(QShowEvent* e) {
    if (!gemeldet_) {
        Platzieren();
        gemeldet_ = true;
        if (FensterMelder()) FensterMelder()(true);
    }
    QDialog::showEvent(e);
}

void Tform13::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    if (gemeldet_) {
        gemeldet_ = false;
        if (FensterMelder()) FensterMelder()(false);
    }
}

bool Tform13::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && w->window() == this) {
            auto* k = static_cast<QKeyEvent*>(e);
            bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
            // Enter steps on, except where it has a meaning of its own.
            if (enter && k->modifiers() == Qt::NoModifier && !qobject_cast<QAbstractButton*>(w) &&
                !qobject_cast<QTextEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w) &&
                !qobject_cast<QAbstractItemView*>(w) &&
                !w->property("eigeneEingabetaste").toBool() &&
                !(qobject_cast<QComboBox*>(w) && static_cast<QComboBox*>(w)->view()->isVisible())) {
                focusNextChild();
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}

}  // namespace quarnel::gui
