// A scripted page environment for the page tests: a new case with its work
// file, the message sink, and records of what the pages asked of the window.
#pragma once

#include <QAbstractButton>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <memory>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/calcdaten.h"
#include "calc/deklaration.h"
#include "case/fallbefehle.h"
#include "pages/seitentabelle.h"
#include "pages/tform11.h"
#include "testumgebung.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"

namespace seitentest {

struct Umgebung : quarnel::gui::Seitenumgebung {
    QTemporaryDir dir;
    quarnel::MeldungsSenke meldungen;
    testumgebung::SkriptDialoge dialoge;
    std::unique_ptr<quarnel::Fallverwaltung> verw;
    bool veraendert = false;
    int blatt = 11;
    int hilfe = 0;
    bool kurz = false;
    QString status;
    std::vector<QPointer<quarnel::gui::TForm11>> gezeigt;

    Umgebung() {
        verw = std::make_unique<quarnel::Fallverwaltung>(
            meldungen, dialoge, dir.path().toStdString() + "/arbeit.tmp");
        verw->ArbeitsdateiAnlegen();
    }
    quarnel::CaseRecord& Satz() override { return verw->Satz(); }
    quarnel::Meldungen& Meldungsdienst() override { return meldungen; }
    bool FallVeraendert() const override { return veraendert; }
    void SetzeFallVeraendert(bool v) override { veraendert = v; }
    int Formularblatt() const override { return blatt; }
    void SetzeFormularblatt(int b) override { blatt = b; }
    void SetzeHilfeseite(int s) override { hilfe = s; }
    quarnel::Listensatz& Liste() override { return verw->Liste(); }
    bool ListeLesen(int n) override { return verw->ListeLesen(n); }
    bool ListeSchreiben(int n) override { return verw->ListeSchreiben(n); }
    void Statuszeile(const QString& t) override { status = t; }
    void Zeigen(quarnel::gui::TForm11* s) override {
        gezeigt.emplace_back(s);
        s->show();
    }
    void SetzeKurzberechnung(bool a) override { kurz = a; }
    int Hauptbreite() const override { return 718; }
    int NutzbareHoehe() const override { return 460; }
};

// The page (area, page) as the navigator opens it, shown.
inline quarnel::gui::TForm11* SeiteOeffnen(Umgebung& u, int bereich, int seite) {
    quarnel::gui::TForm11* s = quarnel::gui::SeiteErzeugen(u, bereich, seite);
    if (s) u.Zeigen(s);
    return s;
}

// The window shown last (a list or subordinate page), if it is a T.
template <class T>
T* Zuletzt(Umgebung& u) {
    return u.gezeigt.empty() ? nullptr : qobject_cast<T*>(u.gezeigt.back().data());
}

// Clicks the push button of that object name.
inline void Klicken(QWidget& s, const char* knopf) {
    auto* b = s.findChild<QPushButton*>(QString::fromLatin1(knopf));
    QVERIFY2(b, knopf);
    b->click();
}

// Types a value into a field and leaves it, as the user would.
inline void Eintragen(quarnel::gui::TForm11& s, quarnel::Feld f, const QString& text) {
    QWidget* w = s.Steuer(f);
    QVERIFY2(w, quarnel::Def(f).id);
    if (auto* m = qobject_cast<quarnel::gui::MaskenFeld*>(w)) {
        emit m->eingabeBeginnt();
        m->setText(text);
        emit m->textEdited(text);
        QVERIFY2(m->Uebernehmen(), quarnel::Def(f).id);
        m->Abschliessen();
        emit m->eingabeBeendet(true);
    } else if (auto* l = qobject_cast<quarnel::gui::AuswahlBox*>(w)) {
        const int i = text.toInt();
        l->setCurrentIndex(i);
        emit l->activated(i);
    } else if (auto* k = qobject_cast<QAbstractButton*>(w)) {
        if (k->isChecked() != (text == QStringLiteral("ja"))) k->click();
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(text);
        e->setModified(true);
        emit e->editingFinished();
    }
}

// A distinct valid value, the n-th, in element `e` of field `f`: amounts in
// steps of `schritt`, the other kinds cycling through what they allow.
inline void Musterwert(quarnel::CaseRecord& r, quarnel::Feld f, int e, int n, double schritt) {
    using quarnel::FeldTyp;
    const quarnel::FeldDef& d = quarnel::Def(f);
    switch (d.typ) {
        case FeldTyp::Double: r.SetzeDbl(f, schritt * n + 0.25, e); break;
        case FeldTyp::Ganzzahl: r.SetzeInt(f, n % 13, e); break;
        case FeldTyp::Datum: r.SetzeInt(f, quarnel::ErsterTagSteuerjahr + n % 300, e); break;
        case FeldTyp::Auswahl: {
            const int k = static_cast<int>(QString::fromUtf8(d.auswahl).count(u'|')) + 1;
            r.SetzeInt(f, n % k, e);
            break;
        }
        case FeldTyp::Boolesch: r.SetzeBool(f, n % 2 == 0, e); break;
        case FeldTyp::Text:
            r.SetzeText(f, std::string(d.breite, static_cast<char>('a' + n % 26)), e);
            break;
        case FeldTyp::Byte: break;
    }
}

// Stores page `s` into a new case: the entries it binds take the values of
// `muster` (a choice's text may follow its choice), no other byte changes.
inline void SpeichertNurGebundenes(Umgebung& u, quarnel::gui::TForm11& s,
                                   const quarnel::CaseRecord& muster) {
    using quarnel::CaseRecord;
    CaseRecord neu;
    quarnel::NeuerFallDatensatz(neu);
    u.Satz() = neu;
    s.quarnel::gui::TForm11::DatenSpeichern();
    const auto wieNeu = [&](quarnel::Feld f, int e) {
        const size_t off = CaseRecord::Offset(f, e);
        std::memcpy(u.Satz().Daten() + off, neu.Daten() + off, quarnel::Def(f).Bytes());
    };
    for (const quarnel::gui::Bindung& b : s.Bindungen()) {
        if (b.nurLesen) continue;
        const size_t off = CaseRecord::Offset(b.feld, b.element);
        QVERIFY2(std::memcmp(u.Satz().Daten() + off, muster.Daten() + off,
                             quarnel::Def(b.feld).Bytes()) == 0,
                 quarnel::Def(b.feld).id);
        wieNeu(b.feld, b.element);
        if (b.textFeld != quarnel::Feld::Anzahl_) wieNeu(b.textFeld, b.element);
    }
    QVERIFY2(u.Satz() == neu, qPrintable(s.objectName()));
}

// An entry typed into page (bereich, seite) as the user would.
struct Eingabe {
    int bereich, seite;
    quarnel::Feld feld;
    const char* text;
};

// Types the entries page after page: each page opened as the navigator opens
// it and closed, so stored, before the next.
inline void UeberSeiten(Umgebung& u, std::initializer_list<Eingabe> eingaben) {
    quarnel::gui::TForm11* s = nullptr;
    for (auto e = eingaben.begin(); e != eingaben.end(); ++e) {
        if (e == eingaben.begin() || e->bereich != e[-1].bereich || e->seite != e[-1].seite) {
            if (s) QVERIFY(s->close());
            s = SeiteOeffnen(u, e->bereich, e->seite);
            QVERIFY2(s, quarnel::Def(e->feld).id);
        }
        Eintragen(*s, e->feld, QString::fromUtf8(e->text));
    }
    if (s) QVERIFY(s->close());
}

// Both cases give the same computation, byte for byte, and a balance at all.
inline void GleichesErgebnis(const quarnel::CaseRecord& a, const quarnel::CaseRecord& b) {
    quarnel::CaseRecord x = a, y = b;
    quarnel::CalcInput e1, e2;
    quarnel::CalcResult r1, r2;
    quarnel::DeklarationFuellen(x, e1, r1, false);
    quarnel::Berechne(e1, r1);
    quarnel::DeklarationFuellen(y, e2, r2, false);
    quarnel::Berechne(e2, r2);
    QVERIFY(std::fabs(r1.GesamtSaldo) > 1);
    QCOMPARE(r1.GesamtSaldo, r2.GesamtSaldo);
    QCOMPARE(r1.ZvE, r2.ZvE);
    QVERIFY(std::memcmp(&r1, &r2, sizeof r1) == 0);
}

}  // namespace seitentest
