// Finding 613: the texts the printed return cuts to fit their boxes, each
// named with its sheet, its caption and the whole text.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "case/caserecord.h"
#include "case/zeichensatz.h"
#include "results/pruefhilfe.h"
#include "results/pruefung_texte.h"
#include "testpfade.h"

namespace quarnel {
namespace {

// Close to the form font: "W" and "M" one em wide, every other character half.
struct Schriftmass : Textmass {
    double Breite(const Druckschrift& s, std::string_view t) const override {
        double em = 0;
        for (char c : t) em += c == 'W' || c == 'M' ? 1.0 : 0.5;
        return em * s.punkte * 25.4 / 72;
    }
    double Zeilenhoehe(const Druckschrift& s) const override { return s.punkte * 0.42; }
    double Oberlaenge(const Druckschrift& s) const override { return s.punkte * 0.32; }
};

const std::string W25(25, 'W');
const std::string M25(25, 'M');

// The person k (1 taxpayer, 2 spouse, 3.. children) with a disability.
void Behindert(CaseRecord& r, int person) { r.SetzeInt(Feld::GradBehinderung, 50, person); }

std::vector<std::string> Zusaetze(const CaseRecord& r) {
    Einstellungen e;
    ErststartWerteSetzen(e);
    Formularumgebung u;
    u.fall = &r;
    u.einst = &e;
    u.formVerzeichnis = std::string(QUARNEL_DATA_DIR) + "/form/";
    Befundtabelle t;
    GekuerzteTexteMelden(u, Schriftmass{}, t);
    std::vector<std::string> aus;
    const auto p = t.Positionen(11);
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i], BefundGekuerzterText);
        aus.push_back(Cp1252ZuUtf8(t.Zusatz(11, i)));
    }
    EXPECT_EQ(t.AlleBefunde().size(), aus.size());  // on the persons page only
    return aus;
}

TEST(GekuerzteTexte, JederGekuerzteTextMitBlattBeschriftungUndGanzemText) {
    struct Fall {
        const char* name;
        std::function<void(CaseRecord&)> setzen;
        std::vector<std::string> erwartet;
    };
    const Fall faelle[] = {
        {"kurze Namen", [](CaseRecord& r) {
             r.SetzeText(Feld::StpflVorname, "Max");
             Behindert(r, 1);
         }, {}},
        // Two lines between words keep a long name whole: nothing to report.
        {"zweizeilig", [](CaseRecord& r) {
             r.SetzeText(Feld::StpflVorname, "Maximiliane Josefa Maria");
             Behindert(r, 1);
         }, {}},
        {"Seite 4", [&](CaseRecord& r) {
             r.SetzeText(Feld::StpflVorname, W25);
             Behindert(r, 1);
         }, {"Hauptvordruck, Seite 4, „Vorname“: " + W25}},
        // Without the disability the first name prints only where it fits.
        {"ohne Behinderung", [&](CaseRecord& r) { r.SetzeText(Feld::StpflVorname, W25); }, {}},
        // The third person stands on the continuation sheet; the child's name
        // is cut on Anlage Kinder too.
        {"Fortsetzungsblatt", [&](CaseRecord& r) {
             Behindert(r, 1);
             Behindert(r, 3);
             r.SetzeText(Feld::Vorname, "Kind", 1);
             Behindert(r, 4);
             r.SetzeText(Feld::Vorname, M25, 2);
             r.SetzeBool(Feld::KindAnlFlag, true, 2);
         }, {"Hauptvordruck, Fortsetzung zu Seite 4, „Vorname“: " + M25,
             "Anlage Kinder, Seite 1 (Kind 1-4), „Vorname des Kindes“: " + M25}},
        // Under the basic table the spouse is not printed, so not reported.
        {"Grundtabelle", [&](CaseRecord& r) {
             r.SetzeBool(Feld::Grundtabelle, true);
             r.SetzeText(Feld::EhegVorname, W25);
             Behindert(r, 2);
         }, {}},
        {"Splitting", [&](CaseRecord& r) {
             r.SetzeBool(Feld::Grundtabelle, false);
             r.SetzeText(Feld::EhegVorname, W25);
             Behindert(r, 2);
         }, {"Hauptvordruck, Seite 4, „Vorname“: " + W25}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        CaseRecord r = test::NeuerSatz();
        f.setzen(r);
        EXPECT_EQ(Zusaetze(r), f.erwartet);
    }
}

TEST(GekuerzteTexte, BeschriftungAusDemFormularordner) {
    const std::string ordner = std::string(QUARNEL_DATA_DIR) + "/form/";
    EXPECT_EQ(Cp1252ZuUtf8(Feldbeschriftung(ordner, 14, 34, 0)), "Name, Vorname der unterstützten Person");
    EXPECT_EQ(Feldbeschriftung(ordner, 312, 1, 0), Feldbeschriftung(ordner, 31, 1, 0));  // by the two digits
    EXPECT_EQ(Feldbeschriftung(ordner, 14, 76, 0), "Art der Belastung");  // the list's caption above
    EXPECT_EQ(Feldbeschriftung(ordner, 14, 21, 0), "");  // an amount has none
    EXPECT_EQ(Feldbeschriftung("/nicht/vorhanden/", 14, 3, 0), "");
    // Without a caption the field is named by its number; an unknown sheet by its number.
    EXPECT_EQ(GekuerzterTextZusatz({14, 76, "", "Text"}), "Hauptvordruck, Seite 4, Feld 76: Text");
    EXPECT_EQ(GekuerzterTextZusatz({99, 1, "A", "T"}), "Blatt 99, \x84" "A\x93: T");
}

}  // namespace
}  // namespace quarnel
