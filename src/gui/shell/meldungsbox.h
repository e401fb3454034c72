// The program's one message box: a type (warning, error, information,
// confirmation), a set of buttons and an optional help page. The help button
// opens the help without closing the box.
#pragma once

#include <QDialog>
#include <QPoint>
#include <functional>
#include <optional>

#include "shell/meldung.h"

class QLabel;
class QDialogButtonBox;

namespace quarnel::gui {

class MeldungsBox : public QDialog {
    Q_OBJECT
  public:
    MeldungsBox(const Meldung& m, QWidget* eltern = nullptr);

    Antwort Ergebnis() const { return ergebnis_; }
    // Called with the help page when "&Hilfe" is pressed.
    std::function<void(const std::string&)> hilfeZeigen;

    static QString TextFuerAnzeige(const std::string& text);  // "\r\n" and "\r" are line breaks
    static QString Titel(MeldungsTyp typ);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void reject() override;

  private:
    void Beenden(Antwort a);
    Meldung meldung_;
    Antwort ergebnis_ = Antwort::Abbrechen;
    Antwort fluchtAntwort_ = Antwort::Abbrechen;
};

// `Meldungen` shown as real dialogs over the main window.
class DialogMeldungen : public Meldungen {
  public:
    using Meldungen::Zeige;
    explicit DialogMeldungen(QWidget* eltern = nullptr) : eltern_(eltern) {}
    Antwort Zeige(const Meldung& m) override;

    void SetzeEltern(QWidget* w) { eltern_ = w; }
    // Screen position of positioned messages.
    std::function<QPoint()> meldungsort;
    std::function<void(const std::string&)> hilfeZeigen;

  private:
    QWidget* eltern_;
};

}  // namespace quarnel::gui
