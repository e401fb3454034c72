#include "shell/qtdienste.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

#include "shell/hilfe.h"

namespace quarnel::gui {

QStringList QtDateiDialoge::Filterliste(const std::string& filter) {
    const QStringList teile = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList liste;
    for (int i = 0; i + 1 < teile.size(); i += 2) {
        QString name = teile[i];
        const QString muster = QString(teile[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses of the name.
        if (!name.contains(QLatin1Char('(')))
            name += QStringLiteral(" (") + muster + QLatin1Char(')');
        liste << name;
    }
    return liste;
}

namespace {

std::optional<std::string> Zeigen(QWidget* eltern, const DateiDialogAnfrage& a, bool speichern) {
    QFileDialog d(eltern, QString::fromStdString(a.titel));
    d.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setOption(QFileDialog::ReadOnly, false);
    const QStringList filter = QtDateiDialoge::Filterliste(a.filter);
    if (!filter.isEmpty()) {
        d.setNameFilters(filter);
        // The dialog keeps the names simplified; choose among its own.
        const QStringList namen = d.nameFilters();
        int i = std::clamp(a.filterIndex, 1, static_cast<int>(namen.size())) - 1;
        d.selectNameFilter(namen.value(i));
    }
    if (!a.standardEndung.empty()) d.setDefaultSuffix(QString::fromStdString(a.standardEndung));
    if (!a.verzeichnis.empty()) d.setDirectory(QString::fromStdString(a.verzeichnis));
    if (!a.dateiname.empty())
        d.selectFile(QFileInfo(QString::fromStdString(a.dateiname)).fileName());
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return d.selectedFiles().first().toStdString();
}

}  // namespace

std::optional<std::string> QtDateiDialoge::Oeffnen(const DateiDialogAnfrage& a) {
    return Zeigen(eltern_, a, false);
}

std::optional<std::string> QtDateiDialoge::Speichern(const DateiDialogAnfrage& a) {
    return Zeigen(eltern_, a, true);
}

Zeitpunkt SystemUhr::Jetzt() const {
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(),  t.date().day(),
            t.time().hour(), t.time().minute(), t.time().second()};
}

bool QtDesktopDienste::Oeffnen(const std::string& pfadOderUrl) {
    const QString s = QString::fromStdString(pfadOderUrl);
    // "mailto:" has no "//" and must reach the mail program as it is.
    QUrl url = AdresseMitSchema(pfadOderUrl) ? QUrl(s) : QUrl::fromLocalFile(s);
    return QDesktopServices::openUrl(url);
}

}  // namespace quarnel::gui
