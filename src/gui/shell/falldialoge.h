// The dialogs of the case commands: "Passwort vergeben/ändern", "Abfrage
// Passwort" and the previous-year selection "Übernahme Vorjahresdaten".
#pragma once

#include <functional>

#include "case/fallbefehle.h"
#include "case/vorjahr.h"
#include "shell/tform13.h"

class QLineEdit;
class QListWidget;

namespace quarnel::gui {

class TxPasswortAendern : public Tform13 {
    Q_OBJECT
  public:
    TxPasswortAendern(QWidget* hauptfenster, Fallverwaltung& fall);
    void EndeClick();
    QLineEdit* Feld1() const { return passwort1_; }
    QLineEdit* Feld2() const { return passwort2_; }
    std::function<void()> hilfeZeigen;

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    Fallverwaltung& fall_;
    QLineEdit *passwort1_, *passwort2_;
};

// One "&Ende" per call of Eingabe(); the case layer asks again after a wrong entry.
class TxPasswortAbfrage : public Tform13 {
    Q_OBJECT
  public:
    explicit TxPasswortAbfrage(QWidget* hauptfenster);
    QLineEdit* Feld() const { return passwort1_; }
    std::function<void()> hilfeZeigen;

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    QLineEdit* passwort1_;
};

class DialogPasswortAbfrage : public PasswortAbfrage {
  public:
    explicit DialogPasswortAbfrage(QWidget* hauptfenster) : hauptfenster_(hauptfenster) {}
    std::optional<std::string> Eingabe() override;
    std::function<void()> hilfeZeigen;

  private:
    QWidget* hauptfenster_;
};

class TxVorjahr : public Tform13 {
    Q_OBJECT
  public:
    TxVorjahr(QWidget* hauptfenster, VorjahrAuswahl& auswahl, const std::string& formVerzeichnis);
    QListWidget* Liste() const { return liste_; }
    void VorschlagClick();
    void AlleClick();
    void KeineClick();
    void OKClick();
    std::function<void()> hilfeZeigen;
    std::function<void()> bestaetigt;  // writes the settings

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void Zeigen(const VorjahrAuswahl& a);
    VorjahrAuswahl& auswahl_;
    QListWidget* liste_;
};

}  // namespace quarnel::gui
