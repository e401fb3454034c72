#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case/zeichensatz.h"
#include "print/listendruck.h"

using namespace quarnel;

namespace {

// Every character 2 mm wide, lines 5 mm high with the baseline 4 mm down.
struct FesteMasse : Textmass {
    double Breite(const Druckschrift&, std::string_view t) const override { return 2.0 * t.size(); }
    double Zeilenhoehe(const Druckschrift&) const override { return 5; }
    double Oberlaenge(const Druckschrift&) const override { return 4; }
};

Bericht Drucken(const CaseRecord& fall) {
    Druckdaten d;
    d.fall = &fall;
    d.datum = "09.12.2026";
    return *TextauftragSetzen(Druckart::Kapitalliste, d, Einstellungen{}, FesteMasse{});
}

// The body texts of a page: without header text, date and page number.
std::vector<const Berichtselement*> Rumpf(const Berichtsseite& s) {
    std::vector<const Berichtselement*> t;
    for (const auto& e : s.elemente)
        if (e.art == Berichtselement::Art::Text) t.push_back(&e);
    if (t.size() < 3) return {};
    return {t.begin() + 2, t.end() - 1};
}

std::vector<std::string> Texte(const Berichtsseite& s) {
    std::vector<std::string> t;
    for (const auto* e : Rumpf(s)) t.push_back(e->text);
    return t;
}

std::string W(const char* utf8) { return Utf8ZuCp1252(utf8); }

void Inland(CaseRecord& r, int n, int zins, int dividende, uint8_t person, double betrag) {
    r.SchreibeByte(CaseRecord::Offset(Feld::I_StpflCB, n), person);
    r.SchreibeByte(CaseRecord::Offset(Feld::I_ArtZinsen, n), static_cast<uint8_t>(zins));
    r.SchreibeByte(CaseRecord::Offset(Feld::I_ArtDividende, n), static_cast<uint8_t>(dividende));
    r.SetzeDbl(Feld::I_EinBetrag, betrag, n);
}

}  // namespace

TEST(Kapitalliste, OhneEintraegeNurKopfUndFuss) {
    CaseRecord fall;
    fall.SetzeText(Feld::Steuernummer, " 12/345 ");
    fall.SetzeText(Feld::StpflName, "Muster");
    Bericht b = Drucken(fall);
    ASSERT_EQ(b.Seitenzahl(), 1);
    std::vector<std::string> alle;
    for (const auto& e : b.seiten[0].elemente)
        if (e.art == Berichtselement::Art::Text) alle.push_back(e.text);
    EXPECT_EQ(alle, (std::vector<std::string>{"Steuernummer: 12/345, Muster", "09.12.2026", "Seite 1"}));
}

TEST(Kapitalliste, InlandZinsUndDividendeInReihenfolgeMitBetragszeilen) {
    CaseRecord fall;
    Inland(fall, 7, 7, 1, 3, 1234.5);
    fall.SetzeDbl(Feld::I_EinAnKapErtSt, 10, 7);
    fall.SetzeDbl(Feld::I_EinVergKoerpSt, 2, 7);
    Bericht b = Drucken(fall);
    ASSERT_EQ(b.Seitenzahl(), 1);
    const std::string ehe = "Ehemann/Ehefrau";
    const std::vector<std::string> erwartet = {
        W("Inländische Kapitalerträge"),
        "Lfd. 07", W("-Wandelanleihen, Gewinnobligationen, Z10"), "Person", ehe,
        "Einnahme", "   1234,50", "davon ohne Steuerabzug", " ",
        "anzurechn. Kapitalertragsteuer", "     10,00", "anzurechn. Solidarzuschlag", " ",
        "Werbungskosten", " ", " davon ges. und einh. festgestellt", " ",
        "Lfd. 07", W("-Aktien/andere Anteile, Anrechn.-verfahren, Z18"), "Person", ehe,
        "Einnahme", "   1234,50", "davon ohne Steuerabzug", " ",
        "anzurechn. Kapitalertragsteuer", "     10,00", W("anzurechn. Körperschaftsteuer"), " ",
        "anzurechn. Solidarzuschlag", " ", W("vergütete Köperschaftsteuer"), "      2,00",
        "Werbungskosten", " ", " davon ges. und einh. festgestellt", " "};
    EXPECT_EQ(Texte(b.seiten[0]), erwartet);

    // Positions: after the empty line below the header, the heading; the entry
    // number at the margin + 0.5, the kind at 4.5, person and amounts ending at 13;
    // an empty line between the two blocks.
    auto r = Rumpf(b.seiten[0]);
    EXPECT_DOUBLE_EQ(r[0]->y, 24 + 5);
    EXPECT_DOUBLE_EQ(r[0]->x, 15);
    EXPECT_DOUBLE_EQ(r[1]->x, 20);
    EXPECT_DOUBLE_EQ(r[1]->y, 24 + 10);
    EXPECT_DOUBLE_EQ(r[2]->x, 45);
    EXPECT_TRUE(r[4]->rechts);
    EXPECT_DOUBLE_EQ(r[4]->x, 130);
    EXPECT_DOUBLE_EQ(r[6]->x, 130);
    EXPECT_DOUBLE_EQ(r[17]->y, r[15]->y + 10);
}

TEST(Kapitalliste, DividendeOhneUeberschriftAuslandUndBeteiligungAufNeuenSeiten) {
    CaseRecord fall;
    Inland(fall, 1, 0, 3, 1, 50);
    fall.SchreibeByte(CaseRecord::Offset(Feld::A_StpflCB, 2), 2);
    fall.SchreibeByte(CaseRecord::Offset(Feld::A_ArtAusland, 2), 3);
    fall.SetzeDbl(Feld::A_EinSteuern, 7.5, 2);
    fall.SchreibeByte(CaseRecord::Offset(Feld::B_StpflCB, 30), 1);
    fall.SchreibeByte(CaseRecord::Offset(Feld::B_ArtBeteil, 30), 8);
    Bericht b = Drucken(fall);
    ASSERT_EQ(b.Seitenzahl(), 3);
    auto eins = Texte(b.seiten[0]);
    ASSERT_FALSE(eins.empty());
    EXPECT_EQ(eins[0], "Lfd. 01");
    EXPECT_EQ(eins.size(), 4u + 2 * 6);  // no corporation tax lines for kind 3

    EXPECT_EQ(Texte(b.seiten[1]),
              (std::vector<std::string>{
                  W("Ausländische Kapitalerträge"), "Lfd. 02", W("-Dividenden ggf. einschl. Avoit fiscal, Z35"),
                  "Person", "Ehefrau", "Einnahme", " ", "Werbungskosten", " ",
                  " davon ges. und einh. festgestellt", " ", "Abzuziehende ausl. Steuern", "      7,50",
                  " davon ges. und einh. festgestellt", " "}));
    EXPECT_EQ(Texte(b.seiten[2]),
              (std::vector<std::string>{
                  W("Erträge aus Beteiligungen"), "Lfd. 30", W("-anzurechnende Steuern anderer Einkunftsarten, Z49"),
                  "Person", "Stpfl.", "anzurechn. Kapitalertragsteuer", " ", "anzurechn. Zinsabschlagsteuer", " ",
                  W("anzurechn. Körperschaftsteuer"), " ", "anzurechn. Solidarzuschlag", " "}));
    // Every page repeats the header and counts on.
    EXPECT_EQ(b.seiten[2].elemente.back().text, "Seite 3");
}

TEST(Kapitalliste, NeueSeiteWennWenigerAlsSiebenZeilenBleiben) {
    CaseRecord fall;
    for (int n = 1; n <= 60; ++n) Inland(fall, n, 4, 0, 1, n);  // eight lines per entry
    Bericht b = Drucken(fall);
    ASSERT_GT(b.Seitenzahl(), 1);
    int gesamt = 0;
    for (const auto& s : b.seiten) {
        auto t = Texte(s);
        int lfd = 0, wk = 0;
        for (const auto& x : t) {
            lfd += x.rfind("Lfd. ", 0) == 0;
            wk += x == " davon ges. und einh. festgestellt";
        }
        EXPECT_EQ(lfd, wk);  // no entry is split
        gesamt += lfd;
    }
    EXPECT_EQ(gesamt, 60);
    // Header line, six entries of eight lines: two lines left, so a new page;
    // five entries leave ten and go on.
    EXPECT_EQ(Texte(b.seiten[0]).back(), " ");
    EXPECT_EQ(Texte(b.seiten[1]).front(), "Lfd. 07");
    EXPECT_DOUBLE_EQ(Rumpf(b.seiten[1]).front()->y, 24 + 10);
}

TEST(Kapitalliste, EinEintragLaeuftNieUeberDenUnterenRand) {
    // Interest and dividend blocks together take twenty lines an entry, more
    // than the seven that the page-break rule asks for.
    CaseRecord fall;
    for (int n = 1; n <= 12; ++n) Inland(fall, n, 1, 1, 3, 100.0 * n);
    Bericht b = Drucken(fall);
    ASSERT_GT(b.Seitenzahl(), 2);
    for (const auto& s : b.seiten) {
        const auto rumpf = Rumpf(s);
        ASSERT_FALSE(rumpf.empty());
        double fuss = 0;
        for (const auto& e : s.elemente)
            if (e.art == Berichtselement::Art::Text) fuss = e.y;  // the footer comes last
        for (const auto* e : rumpf) EXPECT_LT(e->y, fuss) << e->text;
        // A page never ends with a heading or an entry's first lines.
        EXPECT_EQ(Texte(s).back(), " ") << "page ends inside an entry";
    }
}
