// A scripted page environment for the page tests: a new case with its work
// file, the message sink, and records of what the pages asked of the window.
#pragma once

#include <QTemporaryDir>
#include <memory>

#include "case/fallbefehle.h"
#include "pages/tform11.h"
#include "testumgebung.h"

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

}  // namespace seitentest
