#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "pages/tf_www.h"
#include "pages/seitenzustand.h"
#include "results/txerklaerung.h"
#include "widgets/maskenfeld.h"
#include "widgets/zugang.h"

namespace quarnel::gui {

namespace {

using Z = WasWaereZeile;

struct Zeile {
    Z zeile;
    const char* beschriftung;
    const char* name;  // change fields name + "Er"/"Sie", declared values name + "0" + ...
};

constexpr Zeile Zeilen[WasWaereZeilen] = {
    {Z::LandForst, "1. Land- und Forstw.", "Luf"},
    {Z::Gewerbe, "2. Gewerbebetrieb", "Gew"},
    {Z::Selbstaendig, "3. Selbst. Arbeit", "Selb"},
    {Z::Arbeitslohn, "4. Nichtselbst. Arbeit", "Brutto"},
    {Z::Werbungskosten, "5. Werb.-kosten zu 4", "WerbKost"},
    {Z::Kapital, "6. Kapitaleinkünfte", "Kap"},
    {Z::Vermietung, "7. Verm./Verpachtung", "VuV"},
    {Z::Renten, "8. Renten", "Rente"},
    {Z::Vorsorge, "9. Vorsorgeaufw.", "Vorsorge"},
};

// The result columns: caption, field name of the row "Nach Änderung" (the
// row "Gemäß Eingabe" adds "0"), mask.
struct Spalte {
    const char* kopf;
    const char* name;
    const char* maske;
};
constexpr Spalte Ergebnisspalten[4] = {
    {"Zu versteuern", "ZuVerst", "ii,iii,iii"},
    {"Festzus. EkSt.", "Festzus", "ii,iii,iii"},
    {"Steuersatz", "Steuersatz", "i,iii.ii"},
    {"Grenzst.-satz", "Grenz", "i,iii.ii"},
};

constexpr const char* Betragsmaske = "ii,iii,iii";
constexpr int Feldbreite = 76;

QString U(const char* s) {
    return QString::fromUtf8(s);
}

// A what-if amount: a change field shows nothing for zero, a rate its "%".
class WwwFeld : public BetragFeld {
  public:
    WwwFeld(const QString& name, const char* maske, bool leerBeiNull, const char* zusatz = "")
        : leer_(leerBeiNull), zusatz_(U(zusatz)) {
        setObjectName(name);
        SetzeMaske(U(maske));
        setFixedWidth(Feldbreite);
    }

  protected:
    void Anzeigen() override {
        if (leer_ && Wert() == 0)
            setText(QString());
        else
            setText(BetragAnzeigen(Bildmaske::Lesen(Maske()), Wert()) + zusatz_);
    }

  private:
    bool leer_;
    QString zusatz_;
};

// A shown value: no edit, the tint of a disabled field, reachable with Tab.
WwwFeld* Anzeigefeld(const QString& name, const char* maske, const char* zusatz = "") {
    auto* f = new WwwFeld(name, maske, false, zusatz);
    Ergebnisfeld(f);
    return f;
}

// A caption read from bottom to top, over the columns it stands for.
class Drehschrift : public QLabel {
  public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return QLabel::sizeHint().transposed(); }
    QSize minimumSizeHint() const override { return QLabel::minimumSizeHint().transposed(); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.translate(0, height());
        p.rotate(-90);
        p.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, text());
    }
};

QLabel* Kopf(const char* text, Qt::Alignment a = Qt::AlignCenter) {
    auto* l = new QLabel(U(text));
    l->setAlignment(a);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

TF_WWW::TF_WWW(Seitenumgebung& u, QWidget* eltern) : TForm11(u, 0, eltern) {
    setObjectName(QStringLiteral("TF_WWW"));
    InfoTitelLbl()->setText(QStringLiteral("Was-Wäre-Wenn-Analyse"));
    // One tab: the grid is all there is to see.
    OvcNb()->removeTab(0);
    auto* reiter = new QWidget;
    auto* spalte = new QVBoxLayout(reiter);
    spalte->setContentsMargins(6, 6, 6, 6);
    OvcNb()->addTab(reiter, QStringLiteral("&W-W-W-Analyse"));

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(3);
    spalte->addLayout(g);
    g->addWidget(Kopf("Einkunftsart", Qt::AlignLeft | Qt::AlignBottom), 0, 0, 2, 1);
    g->addWidget(Kopf("Steuerpflichtiger"), 0, 1, 1, 2);
    QLabel* ehefrau = Kopf("Ehefrau");
    g->addWidget(ehefrau, 0, 3, 1, 2);
    ehefrau_.push_back(ehefrau);
    for (int p = 0; p < 2; ++p)
        for (int k = 0; k < 2; ++k) {
            QLabel* l = Kopf(k == 0 ? "Eingabe" : "Änderung");
            g->addWidget(l, 1, 1 + 2 * p + k);
            if (p == 1) ehefrau_.push_back(l);
        }

    for (int i = 0; i < WasWaereZeilen; ++i) {
        const Zeile& z = Zeilen[i];
        const int zeile = 2 + i;
        g->addWidget(new QLabel(U(z.beschriftung)), zeile, 0);
        // the Vorsorgeaufwendungen are one amount of the case
        const bool fallweit = z.zeile == Z::Vorsorge;
        for (int p = 0; p < (fallweit ? 1 : 2); ++p) {
            const QString endung = fallweit ? QString() : p == 0 ? QStringLiteral("Er")
                                                                 : QStringLiteral("Sie");
            const QString name = U(z.name);
            WwwFeld* ein = Anzeigefeld(name + u'0' + endung, Betragsmaske);
            auto* aend = new WwwFeld(name + endung, Betragsmaske, true);
            eingabe_[p][i] = ein;
            aenderung_[p][i] = aend;
            g->addWidget(ein, zeile, 1 + 2 * p);
            g->addWidget(aend, zeile, 2 + 2 * p);
            if (p == 1) {
                ehefrau_.push_back(ein);
                ehefrau_.push_back(aend);
            }
            connect(aend, &MaskenFeld::eingabeBeginnt, this, [this] { FeldEnter(); });
            connect(aend, &MaskenFeld::eingabeBeendet, this, [this, aend](bool modifiziert) {
                SeitenzustandGlobal().einfuegemodus = !aend->Ueberschreiben();
                // Trying a change is no edit of the case: nothing is marked changed.
                if (modifiziert && Geladen()) Rechnen();
            });
            connect(aend, &MaskenFeld::fehler, this,
                    [this, aend](int code, const QString& text) { DefContError(code, text, aend); });
        }
    }
    grundtabelleLbl_ = new Drehschrift(QStringLiteral("Grundtabelle"));
    grundtabelleLbl_->setObjectName(QStringLiteral("GrundtabelleLbl"));
    QFont f = grundtabelleLbl_->font();
    f.setBold(true);
    // The window's font is set in pixels: its point size is -1 then.
    if (f.pixelSize() > 0)
        f.setPixelSize(qRound(f.pixelSize() * 1.6));
    else
        f.setPointSizeF(f.pointSizeF() * 1.6);
    grundtabelleLbl_->setFont(f);
    grundtabelleLbl_->hide();
    g->addWidget(grundtabelleLbl_, 0, 3, 2 + WasWaereZeilen, 2, Qt::AlignCenter);
    g->setColumnStretch(5, 1);

    spalte->addSpacing(14);
    auto* e = new QGridLayout;
    e->setHorizontalSpacing(4);
    e->setVerticalSpacing(3);
    spalte->addLayout(e);
    const char* zeilen[2] = {"Gemäß Eingabe", "Nach Änderung"};
    for (int k = 0; k < 4; ++k) e->addWidget(Kopf(Ergebnisspalten[k].kopf), 0, 1 + k);
    for (int r = 0; r < 2; ++r) {
        e->addWidget(Kopf(zeilen[r], Qt::AlignLeft | Qt::AlignVCenter), 1 + r, 0);
        for (int k = 0; k < 4; ++k) {
            const Spalte& s = Ergebnisspalten[k];
            const bool satz = k >= 2;
            ergebnis_[r][k] = Anzeigefeld(U(s.name) + (r == 0 ? QStringLiteral("0") : QString()),
                                          s.maske, satz ? " %" : "");
            e->addWidget(ergebnis_[r][k], 1 + r, 1 + k);
        }
    }
    e->setColumnMinimumWidth(0, 130);
    e->setColumnStretch(5, 1);
    auto* wie = new QPushButton(QStringLiteral("Wie &berechnet?"));
    wie->setObjectName(QStringLiteral("WieBerechnetBtn"));
    wie->setToolTip(QStringLiteral("Rechenweg der Einkommensteuer gemäß Eingabe und nach Änderung."));
    e->addWidget(wie, 3, 1, 1, 2, Qt::AlignLeft);
    connect(wie, &QPushButton::clicked, this, &TF_WWW::WieBerechnetClick);
    spalte->addStretch(1);
    OvcNb()->setCurrentIndex(0);
}

BetragFeld* TF_WWW::Wertfeld(const QString& name) const {
    return findChild<BetragFeld*>(name);
}

WasWaereWerte TF_WWW::Aenderungen() const {
    WasWaereWerte w;
    for (int p = 0; p < 2; ++p)
        for (int i = 0; i < WasWaereZeilen; ++i)
            if (aenderung_[p][i]) w(Zeilen[i].zeile, p) = aenderung_[p][i]->Wert();
    return w;
}

void TF_WWW::DatenLaden() {
    geladen_ = false;
    for (auto& person : aenderung_)
        for (BetragFeld* f : person)
            if (f) f->SetzeWert(0);
    Rechnen();
    // Under the basic table the spouse has no columns.
    for (QWidget* w : ehefrau_) w->setVisible(analyse_.zusammen);
    grundtabelleLbl_->setVisible(!analyse_.zusammen);
    geladen_ = true;
}

void TF_WWW::FormShow() {
    TForm11::FormShow();
    KopfPnl()->setText(QStringLiteral("  Was-Wäre-Wenn-Analyse"));
}

void TF_WWW::Rechnen() {
    // From the case as entered and the fields as they stand, each time: what
    // the main window computed in between does not matter.
    analyse_ = WasWaereRechnen(Satz(), Aenderungen());
    Anzeigen();
}

void TF_WWW::Anzeigen() {
    for (int p = 0; p < 2; ++p)
        for (int i = 0; i < WasWaereZeilen; ++i)
            if (eingabe_[p][i]) eingabe_[p][i]->SetzeWert(analyse_.eingabe(Zeilen[i].zeile, p));
    const WasWaereErgebnis* zeilen[2] = {&analyse_.gemaessEingabe, &analyse_.nachAenderung};
    for (int r = 0; r < 2; ++r) {
        const WasWaereErgebnis& x = *zeilen[r];
        const double werte[4] = {x.zuVersteuern, x.festzusetzen, x.steuersatz,
                                 x.grenzsteuersatz};
        for (int k = 0; k < 4; ++k) ergebnis_[r][k]->SetzeWert(werte[k]);
    }
}

void TF_WWW::WieBerechnetClick() {
    if (!OffeneEingabeUebernehmen()) return;
    if (analyse_.teileVorher.size() < 2) {
        const ErklaerVergleich v = WasWaereErklaeren(Satz(), Aenderungen(), "EStFestzusetzen");
        TxErklaerung::ZeigenVergleich(window(), v, {});
        return;
    }
    // separate or special assessment: the tax of each spouse's part
    std::vector<ErklaerVergleich> teile;
    for (int p = 0; p < 2; ++p)
        teile.push_back(WasWaereErklaeren(Satz(), Aenderungen(), "EStFestzusetzen", false, p));
    TxErklaerung::ZeigenVergleich(window(), teile, {});
}

bool TF_WWW::OffeneEingabeUebernehmen() {
    auto* m = qobject_cast<MaskenFeld*>(focusWidget());
    if (!m || !isAncestorOf(m) || !m->Modifiziert()) return true;
    if (!m->Uebernehmen()) return false;
    m->Abschliessen();
    Rechnen();
    return true;
}

void TF_WWW::closeEvent(QCloseEvent* e) {
    // Closing is always allowed: a change still being typed goes with the page.
    if (auto* m = qobject_cast<MaskenFeld*>(focusWidget()); m && isAncestorOf(m))
        m->Wiederherstellen();
    TForm11::closeEvent(e);
}

}  // namespace quarnel::gui
