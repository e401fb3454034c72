// The real file dialogs, clock and desktop services behind the seams.
#pragma once

#include <QString>
#include <QWidget>

#include "shell/dienste.h"

namespace quarnel::gui {

class QtDateiDialoge : public DateiDialoge {
  public:
    explicit QtDateiDialoge(QWidget* eltern = nullptr) : eltern_(eltern) {}
    std::optional<std::string> Oeffnen(const DateiDialogAnfrage& a) override;
    std::optional<std::string> Speichern(const DateiDialogAnfrage& a) override;
    void SetzeEltern(QWidget* w) { eltern_ = w; }
    // "Steuer 2001   (*.S01)|*.S01|..." as a Qt name filter list.
    static QStringList Filterliste(const std::string& filter);

  private:
    QWidget* eltern_;
};

class SystemUhr : public Uhr {
  public:
    Zeitpunkt Jetzt() const override;
};

class QtDesktopDienste : public DesktopDienste {
  public:
    bool Oeffnen(const std::string& pfadOderUrl) override;
};

}  // namespace quarnel::gui
