#include "widgets/rechnerfeld.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace quarnel::gui {

RechnerFeld::RechnerFeld(QWidget* eltern) : QWidget(eltern) {
    setFocusPolicy(Qt::StrongFocus);
    setProperty("eigeneEingabetaste", true);  // Enter means "=" here
    anzeige_ = new QLineEdit(QStringLiteral("0"), this);
    anzeige_->setObjectName(QStringLiteral("RechnerAnzeige"));
    anzeige_->setReadOnly(true);
    anzeige_->setAlignment(Qt::AlignRight);
    anzeige_->setFocusPolicy(Qt::NoFocus);
    auto* g = new QGridLayout(this);
    g->setContentsMargins(0, 0, 0, 0);
    g->addWidget(anzeige_, 0, 0, 1, 4);
    const char* tasten[5][4] = {{"C", "<", "%", "/"},
                                {"7", "8", "9", "*"},
                                {"4", "5", "6", "-"},
                                {"1", "2", "3", "+"},
                                {"±", "0", ",", "="}};
    for (int z = 0; z < 5; ++z)
        for (int s = 0; s < 4; ++s) {
            const QString t = QString::fromUtf8(tasten[z][s]);
            auto* b = new QPushButton(t, this);
            b->setFocusPolicy(Qt::NoFocus);
            b->setAutoDefault(false);
            connect(b, &QPushButton::clicked, this, [this, t] { Taste(t); });
            g->addWidget(b, z + 1, s);
        }
}

QString RechnerFeld::Anzeige() const {
    return anzeige_->text();
}

double RechnerFeld::Ergebnis() const {
    QString t = anzeige_->text();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t.toDouble();
}

void RechnerFeld::Zeigen(double x) {
    if (!std::isfinite(x)) {
        anzeige_->setText(QStringLiteral("Fehler"));
        fehler_ = true;
        return;
    }
    QString t = QString::number(x, 'g', 15);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    anzeige_->setText(t);
}

void RechnerFeld::Rechnen() {
    const double x = Ergebnis();
    if (operation_ == QLatin1Char('+'))
        speicher_ += x;
    else if (operation_ == QLatin1Char('-'))
        speicher_ -= x;
    else if (operation_ == QLatin1Char('*'))
        speicher_ *= x;
    else if (operation_ == QLatin1Char('/'))
        speicher_ = x == 0 ? NAN : speicher_ / x;
    else
        speicher_ = x;
}

void RechnerFeld::Taste(const QString& t) {
    if (t == QLatin1String("C")) {
        speicher_ = 0;
        operation_ = QChar();
        neueEingabe_ = true;
        fehler_ = false;
        anzeige_->setText(QStringLiteral("0"));
        return;
    }
    if (fehler_) return;
    if (t.size() == 1 && (t[0].isDigit() || t[0] == QLatin1Char(','))) {
        QString a = neueEingabe_ ? QStringLiteral("0") : anzeige_->text();
        if (t[0] == QLatin1Char(',')) {
            if (!a.contains(QLatin1Char(','))) a += t;
        } else {
            a = (a == QLatin1String("0")) ? t : a + t;
        }
        if (a.size() <= 16) anzeige_->setText(a);
        neueEingabe_ = false;
    } else if (t == QLatin1String("<")) {
        if (neueEingabe_) return;
        QString a = anzeige_->text();
        a.chop(1);
        anzeige_->setText(a.isEmpty() || a == QLatin1String("-") ? QStringLiteral("0") : a);
    } else if (t == QStringLiteral("±")) {
        Zeigen(-Ergebnis());
    } else if (t == QLatin1String("%")) {
        Zeigen(speicher_ * Ergebnis() / 100.0);
        neueEingabe_ = true;
    } else if (t == QLatin1String("=")) {
        Rechnen();
        operation_ = QChar();
        Zeigen(speicher_);
        neueEingabe_ = true;
    } else if (t.size() == 1 && QStringLiteral("+-*/").contains(t[0])) {
        if (!neueEingabe_ || operation_.isNull()) Rechnen();
        operation_ = t[0];
        Zeigen(speicher_);
        neueEingabe_ = true;
    }
}

void RechnerFeld::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        Taste(QStringLiteral("="));
    else if (e->key() == Qt::Key_Backspace)
        Taste(QStringLiteral("<"));
    else if (e->key() == Qt::Key_Delete)
        Taste(QStringLiteral("C"));
    else if (t == QLatin1String("."))
        Taste(QStringLiteral(","));
    else if (t.size() == 1 && QStringLiteral("0123456789,+-*/=%").contains(t[0]))
        Taste(t);
    else
        QWidget::keyPressEvent(e);
}

}  // namespace quarnel::gui
