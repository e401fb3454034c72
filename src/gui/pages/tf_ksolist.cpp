// The list of capital receipts: domestic (60), foreign (30) and participation
// (30) entries, one of each list shown at a time. The amounts are the
// catalogue's fields of the shown entry; person and kind are bytes of the
// entry that the page stores itself. Closing the list, however it is closed,
// computes every sum of the capital-income page.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <algorithm>
#include <vector>

#include "calc/betrag.h"
#include "case/zeichensatz.h"
#include "pages/seite_kapital.h"
#include "pages/seitenzustand.h"
#include "print/kapitalliste.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

const Seitenbeschreibung KsoListSeite = AusTafel("TF_KsoList");

namespace {

// Feld::Anzahl_ in a layout: the heading of the creditable taxes.
constexpr Feld Steuern = Feld::Anzahl_;

struct Listenplan {
    const char* titel;
    const char* lfdName;
    Feld person;
    const char* personNamen[3];
    Feld art[2];
    const char* artText[2];
    std::string (*artTexte[2])(int);
    std::vector<Feld> felder;
};

const Listenplan& Plan(KapListe l) {
    static const Listenplan plaene[3] = {
        {"Inländische",
         "Lfd_InlLbl",
         Feld::I_StpflCB,
         {"I_StpflCB", "I_EhegCb", "I_StpflEhegCb"},
         {Feld::I_ArtZinsen, Feld::I_ArtDividende},
         {"Zinsen aus", "Dividenden aus"},
         {KapZinsartText, KapDividendenartText},
         {Feld::I_EinBetrag, Feld::I_EinOhneStAb, Steuern, Feld::I_EinAnKapErtSt,
          Feld::I_EinAnZAbKoerpSt, Feld::I_EinAnSolSt, Feld::I_EinVergKoerpSt, Feld::I_EinWk,
          Feld::I_EinWkGesonEinh}},
        {"Ausländische",
         "Lfd_AuslLbl",
         Feld::A_StpflCB,
         {"A_StpflCB", "A_EhegCb", "A_StpflEhegCb"},
         {Feld::A_ArtAusland, Feld::Anzahl_},
         {"Art der Einnahme", nullptr},
         {KapAuslandsartText, nullptr},
         {Feld::A_EinBetrag, Feld::A_EinOhneStAb, Steuern, Feld::A_EinAnZAb, Feld::A_EinAnSolSt,
          Feld::A_EinWk, Feld::A_EinWkGesonEinh, Feld::A_EinSteuern, Feld::A_EinSteuernGesonEinh}},
        {"Beteiligungen",
         "Lfd_BeteilLbl",
         Feld::B_StpflCB,
         {"B_StpflCB", "B_EhegCb", "B_StpflEhegCb"},
         {Feld::B_ArtBeteil, Feld::Anzahl_},
         {"Art der Einnahme", nullptr},
         {KapBeteiligungsartText, nullptr},
         {Feld::BeteilName1, Feld::BeteilName2, Feld::B_EinBetrag, Steuern, Feld::B_EinAnKapErtSt,
          Feld::B_EinAnZAb, Feld::B_EinAnKoerpSt, Feld::B_EinAnSolSt, Feld::B_EinWk,
          Feld::B_EinWkGesonEinh, Feld::B_EinSteuern, Feld::B_EinSteuernGesonEinh}},
    };
    return plaene[static_cast<int>(l)];
}

// The byte of an entry at `f`'s place.
size_t Stelle(Feld f, int n) {
    return CaseRecord::Offset(f, n);
}

bool Zwischen(int k, int a, int b) {
    return k >= a && k <= b;
}

QPushButton* Knopf(const QString& name, const char* text, QWidget* eltern) {
    auto* b = new QPushButton(QString::fromUtf8(text), eltern);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TF_KsoList::TF_KsoList(Seitenumgebung& u, int tab, QWidget* eltern)
    : TForm11(u, 1, eltern), ersterReiter_(std::clamp(tab, 0, 2)) {
    setObjectName(QStringLiteral("TF_KsoList"));
    setWindowTitle(QStringLiteral("Liste der Kapitalerträge"));
    umgebung_.SetzeHilfeseite(503);
    SetzeOhnePruefung(true);  // the checks wait until the list is closed
    SeiteAufbauen(*this, KsoListSeite, 1);
    KopfPnl()->setText(QStringLiteral("  Liste der Kapitalerträge"));
    for (KapListe l : {KapListe::Inland, KapListe::Ausland, KapListe::Beteiligung}) {
        Reiter& r = reiter_[Nr(l)];
        r.liste = l;
        r.titel = QString::fromUtf8(Plan(l).titel);
        ReiterAusbauen(r);
        EintragWaehlen(r);
    }

    auto* fuss = new QHBoxLayout;
    fuss->setContentsMargins(6, 4, 6, 4);
    QPushButton* ok = Knopf(QStringLiteral("OkBtn"), "&OK", this);
    ok->setToolTip(QStringLiteral("Eingabe beenden und Übernahme der Daten."));
    connect(ok, &QPushButton::clicked, this, &TF_KsoList::OkBtnClick);
    QPushButton* druck = Knopf(QStringLiteral("DruckBtn"), "&Drucken", this);
    druck->setToolTip(QStringLiteral("Die Eingaben werden als Liste ausgedruckt."));
    connect(druck, &QPushButton::clicked, this, &TF_KsoList::DruckBtnClick);
    fuss->addStretch(1);
    fuss->addWidget(druck);
    fuss->addWidget(ok);
    static_cast<QVBoxLayout*>(layout())->addLayout(fuss);
    connect(OvcNb(), &QTabWidget::currentChanged, this, [this] { Freigaben(); });
}

void TF_KsoList::ReiterAusbauen(Reiter& r) {
    const Listenplan& p = Plan(r.liste);
    auto* rollen = qobject_cast<QScrollArea*>(OvcNb()->widget(ReiterIndex(r.titel)));
    QWidget* alt = rollen->widget();
    auto* neu = new QWidget;
    auto* g = new QGridLayout(neu);
    g->setContentsMargins(6, 6, 6, 6);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    int zeile = 0;

    for (int k = 0; k < 2 && p.artText[k]; ++k) {
        auto* l = new QLabel(QString::fromUtf8(p.artText[k]));
        l->setObjectName(QString::fromUtf8(Def(p.art[k]).name) + QStringLiteral("Lbl"));
        auto* box = new AuswahlBox;
        box->setObjectName(QString::fromUtf8(Def(p.art[k]).name));
        box->setProperty("hilfeNummer", int(Def(p.art[k]).nr));
        box->addItem(QStringLiteral("bitte wählen"));
        for (int i = 1;; ++i) {
            const std::string t = p.artTexte[k](i);
            if (t.empty()) break;
            box->addItem(QString::fromStdString(Cp1252ZuUtf8(t)));
        }
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(30);
        connect(box, &QComboBox::activated, this, [this] {
            Freigaben();
            KompChange();
        });
        r.art[k] = box;
        g->addWidget(l, zeile, 0);
        g->addWidget(box, zeile++, 1, 1, 2);
    }

    auto* personen = new QHBoxLayout;
    const char* const texte[3] = {"Stpfl.", "Ehegatte", "beide"};
    for (int k = 0; k < 3; ++k) {
        auto* box = new QCheckBox(QString::fromUtf8(texte[k]));
        box->setObjectName(QString::fromUtf8(p.personNamen[k]));
        box->setProperty("hilfeNummer", int(Def(p.person).nr));
        r.person[k] = box;
        personen->addWidget(box);
        // Exactly the box clicked is ticked: one person per entry.
        connect(box, &QCheckBox::clicked, this, [this, &r, box] {
            for (QAbstractButton* b : r.person) CnoC(b, b == box);
            KompChange();
        });
    }
    personen->addStretch(1);
    g->addWidget(new QLabel(QStringLiteral("Person")), zeile, 0);
    g->addLayout(personen, zeile++, 1, 1, 2);

    for (Feld f : p.felder) {
        if (f == Steuern) {
            g->addWidget(new QLabel(QStringLiteral("Anzurechnende Steuern")), zeile++, 0, 1, -1);
            continue;
        }
        const QString name = QString::fromUtf8(Def(f).name);
        if (auto* l = alt->findChild<QLabel*>(name + QStringLiteral("Lbl"))) {
            l->setWordWrap(false);
            g->addWidget(l, zeile, 0);
        }
        g->addWidget(Steuer(f), zeile++, 1, Qt::AlignLeft);
    }
    g->setRowStretch(zeile++, 1);

    auto* fuss = new QHBoxLayout;
    r.lfd = new QLabel(neu);
    r.lfd->setObjectName(QString::fromUtf8(p.lfdName));
    fuss->addWidget(r.lfd);
    fuss->addStretch(1);
    const int tag = Nr(r.liste) + 1;
    const KapListe l = r.liste;
    QPushButton* zurueck = Knopf(QStringLiteral("BackBtn%1").arg(tag), "&zurück", neu);
    connect(zurueck, &QPushButton::clicked, this, [this, l] { BackBtnClick(l); });
    QPushButton* vor = Knopf(QStringLiteral("VorBtn%1").arg(tag), "&vor", neu);
    connect(vor, &QPushButton::clicked, this, [this, l] { VorBtnClick(l); });
    QPushButton* loesch = Knopf(QStringLiteral("LoeschBtn%1").arg(tag), "&löschen", neu);
    connect(loesch, &QPushButton::clicked, this, [this, l] { LoeschBtnClick(l); });
    QPushButton* einf = Knopf(QStringLiteral("EinfBtn%1").arg(tag), "&einfügen", neu);
    connect(einf, &QPushButton::clicked, this, [this, l] { EinfBtnClick(l); });
    for (QPushButton* b : {zurueck, vor, loesch, einf}) fuss->addWidget(b);
    g->addLayout(fuss, zeile, 0, 1, -1);
    g->setColumnStretch(2, 1);
    rollen->setWidget(neu);  // the builder's grid, now empty, goes
}

KapListe TF_KsoList::Sichtbar() const {
    const int i = OvcNb()->currentIndex();
    return i == 2 ? KapListe::Ausland : i == 3 ? KapListe::Beteiligung : KapListe::Inland;
}

void TF_KsoList::EintragWaehlen(const Reiter& r) {
    for (Bindung& b : Bindungen()) {
        const FeldDef& d = Def(b.feld);
        if (d.anzahl > 1 && r.titel == QString::fromUtf8(d.reiter)) b.element = r.aktuell;
    }
}

void TF_KsoList::DatenLaden() {
    TForm11::DatenLaden();
    const CaseRecord& satz = Satz();
    for (Reiter& r : reiter_) {
        const Listenplan& p = Plan(r.liste);
        const int code = satz.LeseByte(Stelle(p.person, r.aktuell));
        for (int k = 0; k < 3; ++k) CnoC(r.person[k], code == k + 1);
        for (int k = 0; k < 2 && r.art[k]; ++k) {
            r.art[k]->blockSignals(true);
            r.art[k]->SetzeIndex(satz.LeseByte(Stelle(p.art[k], r.aktuell)));
            r.art[k]->blockSignals(false);
        }
        r.lfd->setText(QStringLiteral("Lfd. ") +
                       QString::fromStdString(FormatMaske("@@", r.aktuell)) +
                       QStringLiteral(" von %1").arg(KapEintraege(r.liste)));
    }
    Freigaben();
}

void TF_KsoList::DatenSpeichern() {
    TForm11::DatenSpeichern();
    CaseRecord& satz = Satz();
    for (const Reiter& r : reiter_) {
        const Listenplan& p = Plan(r.liste);
        // With no box ticked the entry keeps its person.
        for (int k = 0; k < 3; ++k)
            if (r.person[k]->isChecked())
                satz.SchreibeByte(Stelle(p.person, r.aktuell), static_cast<uint8_t>(k + 1));
        for (int k = 0; k < 2 && r.art[k]; ++k)
            satz.SchreibeByte(Stelle(p.art[k], r.aktuell),
                              static_cast<uint8_t>(std::max(0, r.art[k]->Index())));
    }
}

void TF_KsoList::Freigabe(Feld f, bool an) {
    QWidget* w = Steuer(f);
    if (!w) return;
    w->setEnabled(an);
    if (auto* l = findChild<QLabel*>(QString::fromUtf8(Def(f).name) + QStringLiteral("Lbl")))
        l->setEnabled(an);
}

void TF_KsoList::Freigaben() {
    const bool zusammen = Satz().Bool(Feld::Splitting);
    for (Reiter& r : reiter_) {
        r.person[1]->setEnabled(zusammen);
        r.person[2]->setEnabled(zusammen);
    }
    // Domestic: an entry is interest or a dividend, and its kind decides
    // which taxes it can carry.
    AuswahlBox* zinsBox = ArtBox(KapListe::Inland, 0);
    AuswahlBox* divBox = ArtBox(KapListe::Inland, 1);
    const int z = std::max(0, zinsBox->Index());
    const int d = std::max(0, divBox->Index());
    zinsBox->setEnabled(d == 0);
    divBox->setEnabled(z == 0);
    for (auto* b : {zinsBox, divBox})
        if (auto* l = findChild<QLabel*>(b->objectName() + QStringLiteral("Lbl")))
            l->setEnabled(b->isEnabled());
    const bool kapErt = !(Zwischen(z, 1, 6) || Zwischen(z, 10, 11));
    const bool zinsAb = !(Zwischen(z, 7, 11) || Zwischen(d, 3, 5));
    Freigabe(Feld::I_EinOhneStAb, !(z == 4 || z == 10 || z == 11));
    Freigabe(Feld::I_EinAnKapErtSt, kapErt);
    Freigabe(Feld::I_EinAnZAbKoerpSt, zinsAb);
    Freigabe(Feld::I_EinAnSolSt, kapErt || zinsAb);
    Freigabe(Feld::I_EinVergKoerpSt, d == 1 || d == 2);

    // Foreign dividends (Z35) carry no domestic deduction.
    const bool keineDividende = ArtBox(KapListe::Ausland)->Index() != 3;
    for (Feld f : {Feld::A_EinOhneStAb, Feld::A_EinAnZAb, Feld::A_EinAnSolSt})
        Freigabe(f, keineDividende);

    // Participations: Z49 carries only taxes; foreign taxes only Z41 and Z44.
    const int b = ArtBox(KapListe::Beteiligung)->Index();
    for (Feld f : {Feld::B_EinBetrag, Feld::BeteilName1, Feld::BeteilName2, Feld::B_EinWk,
                   Feld::B_EinWkGesonEinh})
        Freigabe(f, b != 8);
    for (Feld f : {Feld::B_EinSteuern, Feld::B_EinSteuernGesonEinh}) Freigabe(f, b == 2 || b == 5);
}

void TF_KsoList::Blaettern(KapListe l, int schritt) {
    if (!OffeneEingabeUebernehmen()) return;
    DatenSpeichern();
    Reiter& r = reiter_[Nr(l)];
    r.aktuell = std::clamp(r.aktuell + schritt, 1, KapEintraege(l));
    EintragWaehlen(r);
    DatenLaden();
}

void TF_KsoList::VorBtnClick(KapListe l) {
    Blaettern(l, 1);
}

void TF_KsoList::BackBtnClick(KapListe l) {
    Blaettern(l, -1);
}

void TF_KsoList::Zeilenbefehl(KapListe l, const char* frage,
                              void (*befehl)(CaseRecord&, KapListe, int)) {
    if (!OffeneEingabeUebernehmen()) return;
    if (umgebung_.Meldungsdienst().Zeige(MeldungsTyp::Bestaetigung, frage, KnopfJa | KnopfNein) !=
        Antwort::Ja)
        return;
    DatenSpeichern();
    befehl(Satz(), l, Aktuell(l));
    DatenLaden();
    KompChange();
}

void TF_KsoList::LoeschBtnClick(KapListe l) {
    Zeilenbefehl(l, "Aktuelle Zeile löschen?", KapEintragLoeschen);
}

void TF_KsoList::EinfBtnClick(KapListe l) {
    Zeilenbefehl(l, "Neue Zeile davor einfügen?", KapEintragEinfuegen);
}

void TF_KsoList::OkBtnClick() {
    uebernahme_ = true;
    umgebung_.Meldungsdienst().Zeige(MeldungsTyp::Bestaetigung,
                                     "Die Werte werden in die vorhergende Eingabemaske übertragen",
                                     KnopfOK);
    Schliessen();
}

void TF_KsoList::DruckBtnClick() {
    if (!OffeneEingabeUebernehmen()) return;
    DatenSpeichern();
    Druckdaten d;
    d.fall = &Satz();
    Drucken(Druckart::Kapitalliste, d);
}

void TF_KsoList::FormShow() {
    TForm11::FormShow();
    OvcNb()->setCurrentIndex(ersterReiter_ + 1);
    const Reiter& r = reiter_[ersterReiter_];
    QWidget* fokus = r.art[0];
    if (r.art[1] && !r.art[0]->isEnabled()) fokus = r.art[1];
    fokus->setFocus();
}

void TF_KsoList::FormClose() {
    // Every close computes the sums, whichever button closed the list.
    KapSummenRechnen(Satz());
    SeitenzustandGlobal().unterseite = Unterseite::Keine;
    umgebung_.SetzeHilfeseite(999);
    TForm11::FormClose();
}

}  // namespace quarnel::gui
