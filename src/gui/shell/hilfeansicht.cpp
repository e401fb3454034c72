#include "shell/hilfeansicht.h"

#include <QFile>
#include <QPainter>
#include <QStringDecoder>
#include <QTimer>
#include <filesystem>

#include "case/zeichensatz.h"
#include "shell/jpeg.h"

namespace quarnel::gui {

namespace {

bool GueltigesUtf8(const QByteArray& b) {
    QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = d.decode(b);
    return !d.hasError();
}

QString Dateiname(const std::string& pfad) {
    return QString::fromStdString(std::filesystem::path(pfad).filename().string());
}

}  // namespace

HilfeBrowser::HilfeBrowser(QWidget* eltern) : QTextBrowser(eltern) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

void HilfeBrowser::Grundschrift(int punkte) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(std::max(6, punkte));
    document()->setDefaultFont(f);
    document()->setDocumentMargin(5);
    document()->setDefaultStyleSheet(
        QStringLiteral("pre, code, tt, kbd { font-family: 'Courier New'; }"));
}

void HilfeBrowser::Laden(const std::string& datei, const std::string& anker) {
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(datei));
    const std::string a = !anker.empty() && anker.front() == '#' ? anker.substr(1) : anker;
    emit ladenBeginnt();
    seite_ = datei;
    // The same file again is read anew: the check report changes between checks.
    if (AktuelleDatei() == datei) {
        setSource(url);
        reload();
    } else {
        setSource(url);
    }
    if (!a.empty()) {
        scrollToAnchor(QString::fromStdString(a));
        // Once more when a window just shown has laid the page out.
        QTimer::singleShot(0, this, [this, a] { scrollToAnchor(QString::fromStdString(a)); });
    }
    emit ladenEndet();
}

void HilfeBrowser::ZuAnker(const std::string& anker) {
    const std::string a = !anker.empty() && anker.front() == '#' ? anker.substr(1) : anker;
    if (!a.empty()) scrollToAnchor(QString::fromStdString(a));
}

std::string HilfeBrowser::AktuelleDatei() const {
    return source().isLocalFile() ? source().toLocalFile().toStdString() : std::string();
}

std::string HilfeBrowser::LinkText(const QUrl& url) {
    return QUrl::fromPercentEncoding(url.toEncoded()).toStdString();
}

QImage HilfeBrowser::Platzhalter() {
    QImage bild(96, 32, QImage::Format_RGB32);
    bild.fill(QColor(235, 235, 235));
    QPainter m(&bild);
    m.setPen(QColor(200, 0, 0));
    m.drawRect(0, 0, bild.width() - 1, bild.height() - 1);
    m.drawLine(0, 0, bild.width() - 1, bild.height() - 1);
    m.drawLine(0, bild.height() - 1, bild.width() - 1, 0);
    m.setPen(Qt::black);
    m.drawText(bild.rect(), Qt::AlignCenter, QStringLiteral("Bild fehlt"));
    return bild;
}

QVariant HilfeBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource) {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (!url.isLocalFile()) return {};
        const std::string pfad = url.toLocalFile().toStdString();
        if (!InHilfeOrten(orte_, pfad)) return {};
        QFile f(QString::fromStdString(pfad));
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray b = f.read(8 * 1024 * 1024);
        // Pages are UTF-8, older ones and the check report may be Windows-1252.
        if (GueltigesUtf8(b)) return QString::fromUtf8(b);
        return QString::fromStdString(Cp1252ZuUtf8(std::string_view(b.constData(), b.size())));
    }
    if (type == QTextDocument::ImageResource) {
        // The page being loaded: the view asks for its pictures before it
        // takes the new page as its source.
        const std::string gezeigt = seite_.empty() ? AktuelleDatei() : seite_;
        std::string link = name.isLocalFile() ? name.toLocalFile().toStdString() : LinkText(name);
        // Resolved by the view against the page's folder: back to the link as
        // written, so that backslashes and the report's folder count.
        const std::string ordner =
            std::filesystem::path(gezeigt).parent_path().string() + "/";
        if (name.isLocalFile() && !gezeigt.empty() && link.starts_with(ordner))
            link.erase(0, ordner.size());
        const Verweis v = VerweisEinordnen(link, gezeigt, orte_);
        if (v.art != LinkArt::Medien) return Platzhalter();
        if (v.endung == ".JPG" || v.endung == ".JPEG") {
            const std::optional<RgbBild> b = JpegLaden(v.datei);
            if (!b) return Platzhalter();
            QImage bild(b->pixel.data(), b->breite, b->hoehe, b->breite * 3,
                        QImage::Format_RGB888);
            return bild.copy();  // owns its pixels
        }
        QImage bild(QString::fromStdString(v.datei));
        if (bild.isNull() || bild.width() > 8192 || bild.height() > 8192) return Platzhalter();
        return bild;
    }
    // Style sheets and anything else: only from the help places.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!url.isLocalFile() || !InHilfeOrten(orte_, url.toLocalFile().toStdString())) return {};
    return QTextBrowser::loadResource(type, url);
}

bool VerweisNachAussen(const Verweis& v, const VerweisDienste& d, bool klangAbspielen) {
    switch (v.art) {
        case LinkArt::Seite:
        case LinkArt::Anker:
            return false;
        case LinkArt::Mail:
        case LinkArt::Web:
            if (d.desktop) d.desktop->Oeffnen(v.adresse);
            return true;
        case LinkArt::Programm:
            if (d.meldungen)
                d.meldungen->Zeige(MeldungsTyp::Information,
                                   "Aus der Hilfe werden keine Programme gestartet:\r" +
                                       Dateiname(v.datei.empty() ? v.seite : v.datei).toStdString());
            return true;
        case LinkArt::Klang:
            if (!klangAbspielen) return true;
            [[fallthrough]];
        case LinkArt::Medien:
            if (d.meldungen && d.desktop &&
                d.meldungen->Zeige(MeldungsTyp::Bestaetigung,
                                   "Die Datei\r" + Dateiname(v.datei).toStdString() +
                                       "\rwird mit dem Standardprogramm Ihres Systems "
                                       "geöffnet.\rFortfahren?",
                                   KnopfJa | KnopfNein) == Antwort::Ja)
                d.desktop->Oeffnen(v.datei);
            return true;
        case LinkArt::Fremdadresse:
        case LinkArt::Ungueltig:
            return true;  // refused; nothing to start
    }
    return true;
}

}  // namespace quarnel::gui
