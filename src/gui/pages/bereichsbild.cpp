#include "pages/bereichsbild.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <map>

namespace quarnel::gui {

namespace {

struct Motiv {
    const char* zeichen;  // the short sign on the sheet
    QRgb farbe;
};

// Areas 1..17: a sign and a colour each; both expense areas look alike.
const Motiv Motive[18] = {
    {"", 0},
    {"Allg.", 0x3a6ea5},  {"Kinder", 0xd08a2e}, {"Lohn", 0x2e8b57},  {"WK", 0x8b5a2b},
    {"WK", 0x8b5a2b},     {"Kap.", 0x6a5acd},   {"V + V", 0xa0522d}, {"Gew.", 0x4682b4},
    {"Selbst.", 0x5f9ea0}, {"LuF", 0x6b8e23},   {"Sonst.", 0x708090}, {"SA", 0x9932cc},
    {"AgB", 0xb22222},    {"Wohn.", 0xcd853f},  {"Steuer", 0x2f4f4f}, {"Stat.", 0x696969},
    {"Kurz", 0x1e90ff},
};

QPixmap Zeichnen(const Motiv& m) {
    QPixmap bild(132, 96);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor farbe(m.farbe);
    QLinearGradient verlauf(0, 0, 0, 96);
    verlauf.setColorAt(0, farbe.lighter(170));
    verlauf.setColorAt(1, farbe);
    p.setPen(QPen(farbe.darker(140), 1.5));
    p.setBrush(verlauf);
    p.drawRoundedRect(QRectF(1, 1, 130, 94), 10, 10);
    // A form sheet with its lines.
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(255, 255, 250));
    p.drawRect(QRectF(12, 12, 44, 60));
    for (int y = 22; y < 68; y += 8) p.drawLine(QPointF(18, y), QPointF(50, y));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(56, 20, 74, 56), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromUtf8(m.zeichen));
    return bild;
}

}  // namespace

QPixmap Bereichsbild(int bereich, int seite) {
    if (bereich < 1 || bereich > 17) return {};
    static std::map<int, QPixmap> vorrat;
    const bool fahrzeug = bereich == 1 && seite == 2;
    const int schluessel = fahrzeug ? 100 : bereich;
    auto it = vorrat.find(schluessel);
    if (it == vorrat.end())
        it = vorrat.emplace(schluessel, Zeichnen(fahrzeug ? Motiv{"Kfz", 0x5a6e7f}
                                                          : Motive[bereich]))
                 .first;
    return it->second;
}

}  // namespace quarnel::gui
