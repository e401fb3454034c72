// "Wie berechnet?": every line of every whole case's notice that names an
// explained result prints that result's tree value; every entry a tree can
// name leads to a page that shows it, with its help paragraph; the what-if
// trees end in the analysis' own figures; two trees laid over each other keep
// what only one side has.
#include "results/wieberechnet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "calc/fall.h"
#include "calc/feldnamen.h"
#include "case/bereiche.h"
#include "case/feldwerte.h"
#include "case/zeichensatz.h"
#include "results/bescheid.h"
#include "shell/eingabeort.h"
#include "testpfade.h"

using namespace quarnel;
namespace fs = std::filesystem;

namespace {

bool PfennigGleich(double a, double b) { return std::fabs(a - b) < 0.005; }

std::string Lesen(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every whole case of tests/cases.
std::vector<std::pair<std::string, Fall>> GanzeFaelle() {
    std::vector<std::pair<std::string, Fall>> faelle;
    for (const auto& ordner : fs::directory_iterator(QUARNEL_TEST_CASES_DIR)) {
        if (!ordner.is_directory()) continue;
        for (const auto& eintrag : fs::directory_iterator(ordner.path())) {
            if (eintrag.path().extension() != ".fall") continue;
            Fall fall;
            FallFehler fehler;
            if (FallLesen(Lesen(eintrag.path()), fall, fehler) && fall.satz)
                faelle.emplace_back(eintrag.path().filename().string(), std::move(fall));
        }
    }
    return faelle;
}

// Every amount of a line: "12345,67" (the sign and the caption left out).
std::vector<double> Betraege(std::string_view zeile) {
    std::vector<double> out;
    auto ziffer = [&](std::size_t i) { return std::isdigit(static_cast<unsigned char>(zeile[i])); };
    for (std::size_t i = 1; i + 2 < zeile.size(); ++i) {
        if (zeile[i] != ',' || !ziffer(i - 1) || !ziffer(i + 1) || !ziffer(i + 2)) continue;
        std::size_t a = i;
        while (a > 0 && ziffer(a - 1)) --a;
        if (auto b = BetragAusText(zeile.substr(a, i + 3 - a))) out.push_back(*b);
    }
    return out;
}

void EingabenSammeln(const Erklaerknoten& k, std::set<std::string>& felder) {
    if (!k.schritt && k.angabe.herkunft == Herkunft::Eingabe) felder.insert(k.angabe.quelle);
    for (const auto& c : k.kinder) EingabenSammeln(c, felder);
}

}  // namespace

// The notice lines of every whole case: the line's amount is the tree's value.
TEST(WieBerechnet, Bescheidzeilen_zeigen_den_Wert_ihres_Baums) {
    std::map<std::string, int> getroffen;
    std::set<std::string> eingaben;
    const auto faelle = GanzeFaelle();
    ASSERT_GE(faelle.size(), 20u);
    for (const auto& [name, fall] : faelle) {
        auto e = std::make_unique<CalcInput>();
        auto r = std::make_unique<CalcResult>();
        FallRechnen(fall, *e, *r);
        if (!fall.waswaere.empty()) continue;  // the notice would show the changed case
        BescheidAngaben a;
        a.kurz = fall.kurz;
        a.datum = "01.03.2002";
        BescheidTexteSetzen(*fall.satz, a);
        Ergebnistext text;
        BescheidErstellen(*fall.satz, *e, *r, a, text);
        Erklaerung spur;
        RechnungErklaeren(*fall.satz, fall.kurz, spur);
        for (std::size_t i = 0; i < text.zeilen.size(); ++i) {
            const std::string_view ergebnis = ErgebnisDerZeile(text, i);
            if (ergebnis.empty()) continue;
            Erklaerknoten baum;
            // the progression's tariff line has a step of its own; the window
            // then opens on the tax the line leads to
            if (!BaumDerZeile(spur, ergebnis, baum)) {
                EXPECT_EQ(ergebnis, "EStTarif") << name;
                continue;
            }
            const std::vector<double> betraege = Betraege(text.zeilen[i]);
            EXPECT_TRUE(std::any_of(betraege.begin(), betraege.end(), [&](double b) {
                return PfennigGleich(b, std::fabs(Knotenwert(baum)));
            })) << name << ": Zeile \"" << Cp1252ZuUtf8(text.zeilen[i]) << "\", Baum " << ergebnis
                << " " << Knotenwert(baum);
            ++getroffen[std::string(ergebnis)];
        }
        for (const std::string& n : ErklaerteErgebnisse(spur)) {
            Erklaerknoten baum;
            ErklaerBaum(spur, n, baum);
            EingabenSammeln(baum, eingaben);
        }
    }
    for (const char* n : {"SummeEk", "GesamtbetragEk", "Einkommen", "ZvE", "EStTarif",
                          "EStFestzusetzen", "SoliBasisESt", "SoliFestzusetzen", "MassstabESt",
                          "KiStFestzusetzen", "LStSumme", "GesamtSaldo"})
        EXPECT_GT(getroffen[n], 0) << "keine Bescheidzeile führt zu " << n;
    // every entry a tree of these cases names leads to its page
    for (const std::string& feld : eingaben)
        EXPECT_TRUE(EingabeortFuer(feld).has_value()) << "Eingabe ohne Seite: " << feld;
}

// Every catalogue field an entry leaf can name: a page that exists opens it,
// the field belongs to that page (or to a subordinate page it opens), and the
// side view's help page holds the field's paragraph.
TEST(WieBerechnet, Jede_Eingabe_fuehrt_zu_ihrer_Seite) {
    int geprueft = 0;
    for (const RechenFeld& f : EingabeFelder()) {
        const std::string_view katalog = KatalogfeldFuer(f.name);
        if (katalog.empty()) continue;
        ++geprueft;
        const auto ort = EingabeortFuer(katalog);
        ASSERT_TRUE(ort) << f.name << " -> " << katalog;
        EXPECT_TRUE(SeiteVorhanden(ort->bereich, ort->seite)) << katalog;
        const FeldDef& d = Def(ort->feld);
        EXPECT_EQ(SeitenKlasse(ort->bereich, ort->seite), SeiteDerUnterseite(d.seite)) << katalog;
        EXPECT_EQ(ort->unterseite.empty(), SeitenKlasse(ort->bereich, ort->seite) == d.seite)
            << katalog;
        // a sum the page computes from its entries (no field number, no
        // paragraph of its own): the jump opens that page
        if (d.art == FeldArt::Berechnet || d.nr == 0) continue;
        const Eingabehilfe h = HilfeFuer(*ort);
        const std::string seite = Lesen(fs::path(QUARNEL_DATA_DIR) / "htmlhelp" / (h.seite + ".htm"));
        EXPECT_FALSE(seite.empty()) << katalog << ": " << h.seite;
        if (ort->unterseite.empty()) {
            EXPECT_NE(seite.find("\"" + h.anker + "\""), std::string::npos)
                << katalog << ": " << h.seite << " ohne Anker " << h.anker;
        }
    }
    EXPECT_GE(geprueft, 20);
}

TEST(WieBerechnet, Eingabeorte) {
    struct Fall {
        const char* feld;
        int bereich, seite;
        const char* gezeigt;
        const char* unterseite;
        const char* text;
    };
    const Fall faelle[] = {
        {"LstEr", 15, 1, "LstEr", "", "Anrechnungsbeträge, Gezahlte Steuern, Feld Lohnsteuer"},
        {"SummeAnrechKapErtSt", 15, 1, "AnzKap", "", nullptr},
        {"GewStMessbSie", 8, 1, "GewStMessbSie", "", nullptr},
        {"AusbildFreibetrag", 2, 1, "AusbildFreibetrag", "TF_Ausbild", nullptr},
        {"ErgAnsetzbar", 13, 4, "ErgAnsetzbar", "TF_AbEink", nullptr},
        {"KeinFeld", 0, 0, nullptr, "", nullptr},
        // an element of a field kept per card or per spouse: its own page
        {"Brutto", 3, 1, "Brutto", "", nullptr},
        {"Brutto[3]", 3, 3, "Brutto", "", nullptr},
        {"KurzarbGeld[4]", 3, 4, "KurzarbGeld", "", nullptr},
        {"SummeWkVerb[2]", 5, 2, "SummeWkVerb", "", nullptr},
        {"SummeWkFahrt[2]", 5, 1, "SummeWkFahrt", "", nullptr},
        {"KindKiFbJahr[2]", 2, 2, "KindKiFbJahr", "", nullptr},
        {"Brutto[9]", 3, 1, "Brutto", "", nullptr},
    };
    for (const Fall& f : faelle) {
        const auto ort = EingabeortFuer(f.feld);
        ASSERT_EQ(ort.has_value(), f.gezeigt != nullptr) << f.feld;
        if (!ort) continue;
        EXPECT_EQ(ort->bereich, f.bereich) << f.feld;
        EXPECT_EQ(ort->seite, f.seite) << f.feld;
        EXPECT_STREQ(Def(ort->feld).id, f.gezeigt) << f.feld;
        EXPECT_EQ(ort->unterseite, f.unterseite) << f.feld;
        const Katalogstelle stelle = KatalogstelleAus(f.feld);
        EXPECT_EQ(ort->element, stelle.element <= Def(ort->feld).anzahl ? stelle.element : 1)
            << f.feld;
        if (f.text) {
            EXPECT_EQ(EingabeortText(*ort), f.text);
        }
    }
    EXPECT_EQ(HilfeFuer(*EingabeortFuer("LstEr")).seite, "F151");
    EXPECT_EQ(HilfeFuer(*EingabeortFuer("LstEr")).anker, "F1104");
}

// Two trees over each other: pairs by name, what one side lacks stays.
TEST(WieBerechnet, Baeume_nebeneinander) {
    const Rechenregel* summe = RegelFuer("SummeEk");
    ASSERT_TRUE(summe);
    Rechenschritt s1{summe, "SummeEk", 300, 0, 1, {}}, s2{summe, "SummeEk", 350, 0, 1, {}};
    auto blatt = [](const char* n, double w, double f = 1) {
        Erklaerknoten k;
        k.angabe = Ein(n, w, f);
        return k;
    };
    Erklaerknoten a, b;
    a.schritt = &s1;
    a.angabe.name = "SummeEk";
    a.kinder = {blatt("X", 100), blatt("Y", 200), blatt("Y", 0, -1)};
    b.schritt = &s2;
    b.angabe.name = "SummeEk";
    b.kinder = {blatt("Y", 200), blatt("X", 100), blatt("Z", 50), blatt("Y", 0, -1)};
    const Vergleichsknoten v = BaeumeVergleichen(&a, &b);
    EXPECT_TRUE(v.Geaendert());
    EXPECT_EQ(v.vorher, 300);
    EXPECT_EQ(v.nachher, 350);
    ASSERT_EQ(v.kinder.size(), 4u);
    struct Erwartet {
        const char* name;
        bool vorher, nachher, geaendert;
    };
    const Erwartet erwartet[] = {
        {"X", true, true, false}, {"Y", true, true, false},
        {"Y", true, true, false}, {"Z", false, true, true}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(v.kinder[i].name, erwartet[i].name) << i;
        EXPECT_EQ(v.kinder[i].hatVorher, erwartet[i].vorher) << i;
        EXPECT_EQ(v.kinder[i].hatNachher, erwartet[i].nachher) << i;
        EXPECT_EQ(v.kinder[i].Geaendert(), erwartet[i].geaendert) << i;
    }
    EXPECT_EQ(v.kinder[2].angabe.faktor, -1);  // the subtracted Y with the subtracted one
    const Vergleichsknoten allein = BaeumeVergleichen(&a, nullptr);
    EXPECT_TRUE(allein.hatVorher && !allein.hatNachher);
    EXPECT_EQ(allein.kinder.size(), 3u);
}

// The what-if trees end in the figures of the analysis itself, as entered
// and as changed, for every whole case and a change of the wages.
TEST(WieBerechnet, WasWaere_Baeume_enden_in_der_Analyse) {
    WasWaereWerte aenderung;
    aenderung(WasWaereZeile::Arbeitslohn, 0) = 10000;
    aenderung(WasWaereZeile::Vorsorge, 0) = -2000;
    int geaendert = 0;
    for (const auto& [name, fall] : GanzeFaelle()) {
        const WasWaereAnalyse a = WasWaereRechnen(*fall.satz, aenderung, fall.kurz);
        for (const char* ergebnis : {"EStFestzusetzen", "ZvE"}) {
            const ErklaerVergleich v = WasWaereErklaeren(*fall.satz, aenderung, ergebnis, fall.kurz);
            ASSERT_TRUE(v.gefunden && v.baum.hatVorher && v.baum.hatNachher) << name;
            const bool est = std::string_view(ergebnis) == "EStFestzusetzen";
            EXPECT_TRUE(PfennigGleich(v.baum.vorher, est ? a.gemaessEingabe.festzusetzen
                                                          : a.gemaessEingabe.zuVersteuern))
                << name << " " << ergebnis;
            EXPECT_TRUE(PfennigGleich(v.baum.nachher, est ? a.nachAenderung.festzusetzen
                                                           : a.nachAenderung.zuVersteuern))
                << name << " " << ergebnis;
            geaendert += v.baum.Geaendert() ? 1 : 0;
        }
    }
    EXPECT_GT(geaendert, 10);
    // a change the analysis refuses is none
    WasWaereWerte unsinn;
    unsinn(WasWaereZeile::Gewerbe, 0) = 1e12;
    const auto faelle = GanzeFaelle();
    const ErklaerVergleich v = WasWaereErklaeren(*faelle.front().second.satz, unsinn, "ZvE");
    EXPECT_FALSE(v.baum.Geaendert());
}

// The notice check: the office's figures stand at the nodes its lines name,
// the own ones beside them; what the office set differently is marked, the
// rest of the tree has no office figure.
TEST(WieBerechnet, Bescheid_neben_der_eigenen_Berechnung) {
    for (int p = 0; p < AnzahlPosten; ++p) {
        const std::string_view e = ErgebnisDesPostens(p);
        if (!e.empty()) {
            EXPECT_EQ(PostenDesErgebnisses(e), p) << e;
        }
    }
    EXPECT_EQ(PostenDesErgebnisses("EStTarif"), -1);
    for (const auto& [fallname, fall] : GanzeFaelle()) {
        if (fall.kurz) continue;  // the notice check fills the whole declaration
        const std::string& name = fallname;  // lambdas below cannot capture a binding
        AmtsBescheid amt = AmtsBescheidVorbelegen(*fall.satz);
        // the own figures as the notice: every office figure is the tree's own
        const ErklaerVergleich gleich = BescheidErklaeren(*fall.satz, amt, "GesamtSaldo");
        ASSERT_TRUE(gleich.gefunden && gleich.teilweise) << name;
        int genannt = 0;
        std::function<void(const Vergleichsknoten&)> pruefen = [&](const Vergleichsknoten& k) {
            if (k.hatNachher) {
                ++genannt;
                EXPECT_TRUE(PfennigGleich(k.vorher, k.nachher))
                    << name << ": " << k.name << " " << k.vorher << " / " << k.nachher;
            }
            for (const auto& c : k.kinder) pruefen(c);
        };
        pruefen(gleich.baum);
        EXPECT_GE(genannt, 4) << name;  // the balance, the taxes, the credits at least
        // the office taxes 1,000 DM more income: that node and no other differs
        amt.wert[std::size_t(*PostenSuchen("ZvE"))] += 1000;
        const ErklaerVergleich anders = BescheidErklaeren(*fall.satz, amt, "EStFestzusetzen");
        std::function<void(const Vergleichsknoten&)> suchen = [&](const Vergleichsknoten& k) {
            if (k.hatNachher) {
                EXPECT_EQ(!PfennigGleich(k.vorher, k.nachher), k.name == "ZvE") << name << k.name;
            }
            for (const auto& c : k.kinder) suchen(c);
        };
        suchen(anders.baum);
    }
}
