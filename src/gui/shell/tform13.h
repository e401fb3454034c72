// Base of the program's dialogs: the design width (pixels at a main-window
// width of 718) follows the main window's width; the dialog is centred over
// the main window or placed at one third of the free width and height; Enter
// moves to the next control; opening and closing may show an outline that
// grows from the centre or shrinks back.
#pragma once

#include <QDialog>
#include <functional>

namespace quarnel::gui {

class Tform13 : public QDialog {
    Q_OBJECT
  public:
    enum class Platzierung { Zentriert, Drittel };

    Tform13(QWidget* hauptfenster, int designBreite, Platzierung p = Platzierung::Zentriert);

    // The width for the current main window: designBreite * width / 718.
    static int SkalierteBreite(int designBreite, int hauptfensterBreite);
    // The outline animation; off for tests and by $QUARNEL_OHNE_ANIMATION.
    static bool& AnimationAn();
    // "OUT": outline grows from the centre of `ziel` in 25 steps; "IN" shrinks it back.
    static void Umriss(const QRect& ziel, bool wachsen);

    // Reports the dialog opening (true) and closing (false) to the main window.
    static std::function<void(bool)>& FensterMelder();

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void Platzieren();

    QWidget* hauptfenster_;
    int designBreite_;
    Platzierung platzierung_;
    bool gemeldet_ = false;
};

}  // namespace quarnel::gui
