// Every figure of a case follows its chosen assessment: over every married
// whole case of tests/cases with each assessment set, the balance the main
// window shows is the notice's total and what `berechne` prints; every
// notice line of a part opens that part's tree with the line's amount; the
// what-if analysis sums the parts and its trees end in them.
#include "results/veranlagungsteile.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "calc/erklaerung.h"
#include "calc/feldnamen.h"
#include "case/bereiche.h"
#include "case/falldatei.h"
#include "case/feldkatalog.h"
#include "case/zeichensatz.h"
#include "pages/veranlagungsart.h"
#include "results/bescheid.h"
#include "results/bescheid_veranlagung.h"
#include "results/fallhilfe.h"
#include "results/knotentitel.h"
#include "results/veranlagung.h"
#include "results/waswaere.h"
#include "shell/eingabeort.h"
#include "testhilfe.h"
#include "testpfade.h"

using namespace quarnel;
namespace fs = std::filesystem;

namespace {

bool PfennigGleich(double a, double b) {
    return std::fabs(a - b) < 0.005;
}

// "-1.234,56" as a number; nothing for a text without an amount.
double Zahl(std::string t) {
    std::string s;
    for (char c : t)
        if (c == ',')
            s += '.';
        else if (c == '-' || (c >= '0' && c <= '9'))
            s += c;
    return std::strtod(s.c_str(), nullptr);
}

// Every amount of a line ("12.345,67"): the sign and the caption left out.
std::vector<double> Betraege(const std::string& zeile) {
    std::vector<double> out;
    for (std::size_t i = 1; i + 2 < zeile.size(); ++i) {
        auto ziffer = [&](std::size_t k) { return zeile[k] >= '0' && zeile[k] <= '9'; };
        if (zeile[i] != ',' || !ziffer(i - 1) || !ziffer(i + 1) || !ziffer(i + 2)) continue;
        std::size_t a = i;
        while (a > 0 && (ziffer(a - 1) || zeile[a - 1] == '.')) --a;
        std::string t = zeile.substr(a, i + 3 - a);
        out.push_back(std::fabs(Zahl(t)));
    }
    return out;
}

struct Ehefall {
    std::string name;
    CaseRecord satz;
    bool kurz;
    Veranlagungsart art;
};

// Every married whole case of tests/cases with each assessment set (an
// assessment the couple may not choose computes as joint).
std::vector<Ehefall> Ehefaelle() {
    std::vector<Ehefall> faelle;
    for (const auto& eintrag : fs::recursive_directory_iterator(QUARNEL_TEST_CASES_DIR)) {
        if (eintrag.path().extension() != ".fall") continue;
        const auto fall = test::FallDateiLesen(eintrag.path());
        if (!fall || !fall->satz || !VeranlagungWaehlbar(*fall->satz)) continue;
        for (Veranlagungsart art :
             {Veranlagungsart::Zusammen, Veranlagungsart::Getrennt, Veranlagungsart::Besondere}) {
            Ehefall f{eintrag.path().filename().string() + " " + VeranlagungsartSchluessel(art),
                      *fall->satz, fall->kurz, art};
            f.satz.SetzeInt(Feld::Veranlagungsart, static_cast<int32_t>(art));
            faelle.push_back(std::move(f));
        }
    }
    return faelle;
}

// What the main window does with the case: the fill of its record, the
// joint computation, the balance for the status bar and the notice.
struct Hauptfenster {
    std::unique_ptr<CaseRecord> satz;
    std::unique_ptr<CalcInput> e = std::make_unique<CalcInput>();
    std::unique_ptr<CalcResult> r = std::make_unique<CalcResult>();
    double saldo = 0;
    Ergebnistext bescheid;

    Hauptfenster(const CaseRecord& fall, bool kurz) : satz(std::make_unique<CaseRecord>(fall)) {
        DeklarationFuellen(*satz, *e, *r, kurz);
        Berechne(*e, *r);
        saldo = SaldoNachVeranlagung(*satz, *e, *r, kurz);
        BescheidAngaben a;
        a.kurz = kurz;
        a.datum = "01.03.2002";
        BescheidTexteSetzen(*satz, a);
        BescheidNachVeranlagung(*satz, *e, *r, a, bescheid);
    }
};

// The balance in the sums of both spouses: "Noch zu zahlen" or "Erstattung".
std::optional<double> SummeBeider(const Ergebnistext& t) {
    bool summe = false;
    for (const std::string& z : t.zeilen) {
        const std::string u = Cp1252ZuUtf8(z);
        if (TeilBeginnt(u) == -1) summe = true;
        if (!summe) continue;
        const auto betraege = Betraege(u);
        if (betraege.empty()) continue;
        if (u.find("Noch zu zahlen") != std::string::npos) return betraege.back();
        if (u.find("Erstattung") != std::string::npos) return -betraege.back();
    }
    return std::nullopt;
}

// The file a case record makes for quarnel-cli.
void FallDateiSchreiben(const std::string& pfad, const CaseRecord& satz) {
    const std::vector<uint8_t> listen(ListenGroesse, 0);
    const std::vector<uint8_t> abbild = FallAbbild(satz, Notizblock{}, listen);
    std::ofstream(pfad, std::ios::binary)
        .write(reinterpret_cast<const char*>(abbild.data()), std::streamsize(abbild.size()));
}

// The balance `berechne` prints last: both spouses' under separate or
// special assessment, the joint one otherwise.
double BerechneSaldo(const std::string& pfad, bool kurz) {
    const test::Lauf l =
        test::Ausfuehren(std::string(QUARNEL_CLI_PATH) + " berechne " + test::Zitiert(pfad) +
                         (kurz ? " --kurz" : "") + " 2>/dev/null");
    EXPECT_EQ(l.code, 0);
    const auto stelle = l.aus.rfind("Gesamtsaldo");
    if (stelle == std::string::npos) return 1e300;
    return Zahl(l.aus.substr(stelle, l.aus.find('\n', stelle) - stelle));
}

void EingabeBlaetter(const Erklaerknoten& k, std::vector<Wertangabe>& aus) {
    if (!k.schritt && k.angabe.herkunft == Herkunft::Eingabe) aus.push_back(k.angabe);
    for (const Erklaerknoten& c : k.kinder) EingabeBlaetter(c, aus);
}

}  // namespace

// The status bar's balance, the notice's sums and `berechne` are one figure;
// each part's tree opens at the amount its notice lines print.
TEST(Veranlagungsteile, Saldo_Bescheid_und_Baeume_folgen_der_Wahl) {
    const auto faelle = Ehefaelle();
    ASSERT_GE(faelle.size(), 9u);
    int zweiteilig = 0, zeilen = 0;
    test::TempVerzeichnis dir;
    for (const Ehefall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Hauptfenster h(f.satz, f.kurz);
        const VeranlagungsRechnung v = VeranlagungRechnen(f.satz, f.kurz);
        EXPECT_NEAR(h.saldo, v.last.saldo, 0.001);
        const std::vector<Erklaerteil> teile = VeranlagungErklaeren(f.satz, f.kurz);
        ASSERT_EQ(teile.size(), v.teile.size());
        if (v.teile.size() == 1) {
            EXPECT_EQ(h.saldo, h.r->GesamtSaldo);  // joint: the main computation's own figure
            EXPECT_EQ(teile[0].name, "");
        } else {
            ++zweiteilig;
            EXPECT_EQ(v.art, f.art);
            EXPECT_EQ(teile[0].name, "Steuerpflichtiger");
            EXPECT_EQ(teile[1].name, "Ehegatte");
            const auto summe = SummeBeider(h.bescheid);
            ASSERT_TRUE(summe);
            EXPECT_TRUE(PfennigGleich(*summe, h.saldo)) << *summe << " " << h.saldo;
            const std::string pfad = dir / "fall.S01";
            FallDateiSchreiben(pfad, f.satz);
            EXPECT_TRUE(PfennigGleich(BerechneSaldo(pfad, f.kurz), h.saldo));
        }
        // every line of a part with an explained result: its part's tree
        std::vector<int> jeTeil(teile.size(), 0);
        for (std::size_t i = 0; i < h.bescheid.zeilen.size(); ++i) {
            const std::string_view ergebnis = ErgebnisDerZeile(h.bescheid, i);
            const int teil = TeilDerZeile(h.bescheid, i);
            if (ergebnis.empty() || teil < 0) continue;
            ASSERT_LT(std::size_t(teil), teile.size());
            Erklaerknoten baum;
            if (!BaumDerZeile(*teile[std::size_t(teil)].spur, ErgebnisImTeil(teile, teil, ergebnis),
                              baum)) {
                EXPECT_EQ(ergebnis, "EStTarif");
                continue;
            }
            const std::string zeile = Cp1252ZuUtf8(h.bescheid.zeilen[i]);
            const auto betraege = Betraege(zeile);
            bool gefunden = false;
            for (double b : betraege)
                gefunden = gefunden || PfennigGleich(b, std::fabs(Knotenwert(baum)));
            EXPECT_TRUE(gefunden) << "Teil " << teil << ": \"" << zeile << "\", Baum " << ergebnis
                                  << " " << Knotenwert(baum);
            ++jeTeil[std::size_t(teil)];
            ++zeilen;
        }
        for (int n : jeTeil) EXPECT_GT(n, 5);
        // the parts' own results, replayed
        for (std::size_t p = 0; p < teile.size(); ++p) {
            const CalcResult& r = *v.teile[p].r;
            // the part's own values under the spouse's own names
            const char* summeEk = p == 0 ? "SummeEkEr" : "SummeEkSie";
            for (auto [name, wert] :
                 {std::pair{summeEk, r.SummeEkEr}, std::pair{"EStFestzusetzen", r.EStFestzusetzen},
                  std::pair{"SoliFestzusetzen", r.SoliFestzusetzen},
                  std::pair{"GesamtSaldo", r.GesamtSaldo}}) {
                Erklaerknoten baum;
                ASSERT_TRUE(ErklaerBaum(*teile[p].spur, name, baum)) << name;
                EXPECT_TRUE(PfennigGleich(Knotenwert(baum), wert)) << p << " " << name;
            }
        }
    }
    EXPECT_GE(zweiteilig, 5);
    EXPECT_GT(zeilen, 100);
}

// Each part holds its spouse's values in the taxpayer's place; its trees
// name them as that spouse's own entries, with that spouse's amounts and
// fields, and the other place leads to no field.
TEST(Veranlagungsteile, Eingaben_eines_Teils_sind_die_seines_Ehegatten) {
    int geprueft = 0;
    for (const Ehefall& f : Ehefaelle()) {
        SCOPED_TRACE(f.name);
        const std::vector<Erklaerteil> teile = VeranlagungErklaeren(f.satz, f.kurz);
        if (teile.size() < 2) continue;
        auto kopie = std::make_unique<CaseRecord>(f.satz);
        auto g = std::make_unique<CalcInput>();
        DeklarationFuellen(*kopie, *g, f.kurz);
        for (int p = 0; p < 2; ++p) {
            std::vector<Wertangabe> blaetter;
            for (const std::string& n : ErklaerteErgebnisse(*teile[p].spur)) {
                Erklaerknoten baum;
                ASSERT_TRUE(ErklaerBaum(*teile[p].spur, n, baum));
                EingabeBlaetter(baum, blaetter);
            }
            const char* eigen = p == 0 ? "Er" : "Sie";
            const char* fremd = p == 0 ? "Sie" : "Er";
            for (const Wertangabe& w : blaetter) {
                const std::string ohne =
                    w.name.substr(0, w.name.size() - (w.name.ends_with("Er") ? 2 : 3));
                if (KatalogfeldFuer(ohne + "Er").empty() || KatalogfeldFuer(ohne + "Sie").empty())
                    continue;  // no entry of one spouse
                if (w.name.ends_with(fremd)) {
                    EXPECT_EQ(w.quelle, "") << w.name;
                    continue;
                }
                ASSERT_TRUE(w.name.ends_with(eigen)) << w.name;
                EXPECT_EQ(w.quelle, KatalogfeldFuer(w.name));
                const RechenFeld* feld = EingabeFeld(w.name);
                ASSERT_TRUE(feld) << w.name;
                EXPECT_NEAR(std::fabs(w.wert), std::fabs(Zahlenwert(*g, *feld).value_or(-1)), 0.001)
                    << w.name;
                ++geprueft;
            }
        }
    }
    EXPECT_GT(geprueft, 20);
}

// The what-if analysis under separate and special assessment: as entered it
// is the sum of the parts the notice prints; a change of one spouse's income
// goes to that spouse's part; each part's trees end in its figures.
TEST(Veranlagungsteile, WasWaere_nach_der_Wahl) {
    struct Aenderung {
        WasWaereZeile zeile;
        int person;
        double betrag;
    };
    const Aenderung aenderungen[] = {
        {WasWaereZeile::Arbeitslohn, 1, 5000},
        {WasWaereZeile::Vermietung, 0, -3000},
        {WasWaereZeile::Vorsorge, 0, 4000},
    };
    int geprueft = 0;
    for (const Ehefall& f : Ehefaelle()) {
        SCOPED_TRACE(f.name);
        const VeranlagungsRechnung v = VeranlagungRechnen(f.satz, f.kurz);
        const WasWaereAnalyse ohne = WasWaereRechnen(f.satz, WasWaereWerte{}, f.kurz);
        EXPECT_NEAR(ohne.gemaessEingabe.festzusetzen, v.last.est, 0.001);
        if (v.teile.size() < 2) {
            EXPECT_TRUE(ohne.teileVorher.empty());
            continue;
        }
        EXPECT_TRUE(ohne.zusammen);
        ASSERT_EQ(ohne.teileVorher.size(), 2u);
        EXPECT_NEAR(ohne.gemaessEingabe.zuVersteuern, v.teile[0].r->ZvE + v.teile[1].r->ZvE, 0.001);
        for (int p = 0; p < 2; ++p)
            EXPECT_NEAR(ohne.teileVorher[p].festzusetzen, v.teile[p].r->EStFestzusetzen, 0.001);
        for (const Aenderung& a : aenderungen) {
            WasWaereWerte w;
            w(a.zeile, a.person) = a.betrag;
            const WasWaereAnalyse mit = WasWaereRechnen(f.satz, w, f.kurz);
            ASSERT_EQ(mit.teileNachher.size(), 2u);
            EXPECT_NEAR(mit.nachAenderung.zuVersteuern,
                        mit.teileNachher[0].zuVersteuern + mit.teileNachher[1].zuVersteuern, 0.001);
            // special assessment shares nothing: the other spouse's part stays
            if (v.art == Veranlagungsart::Besondere && a.zeile != WasWaereZeile::Vorsorge) {
                const int andere = 1 - a.person;
                EXPECT_NEAR(mit.teileNachher[andere].zuVersteuern,
                            mit.teileVorher[andere].zuVersteuern, 0.001);
                EXPECT_NE(mit.teileNachher[a.person].zuVersteuern,
                          mit.teileVorher[a.person].zuVersteuern);
            }
            for (int p = 0; p < 2; ++p) {
                const ErklaerVergleich e =
                    WasWaereErklaeren(f.satz, w, "EStFestzusetzen", f.kurz, p);
                ASSERT_TRUE(e.gefunden);
                EXPECT_EQ(e.teil, p == 0 ? "Steuerpflichtiger" : "Ehegatte");
                EXPECT_NEAR(e.baum.vorher, mit.teileVorher[p].festzusetzen, 0.001);
                EXPECT_NEAR(e.baum.nachher, mit.teileNachher[p].festzusetzen, 0.001);
            }
            ++geprueft;
        }
    }
    EXPECT_GE(geprueft, 15);
}

// quarnel-cli of a couple assessed separately: `wie` explains each spouse's
// part (one by --teil, both under their names), the what-if prints both
// spouses' rows below their sums.
TEST(Veranlagungsteile, Cli_wie_und_waswaere_je_Teil) {
    const auto fall = test::FallDateiLesen(fs::path(QUARNEL_TEST_CASES_DIR) / "veranlagung" /
                                           "03_besondere_heirat_witwer.fall");
    ASSERT_TRUE(fall && fall->satz);
    CaseRecord satz = *fall->satz;
    satz.SetzeInt(Feld::Veranlagungsart, int32_t(Veranlagungsart::Getrennt));
    const VeranlagungsRechnung v = VeranlagungRechnen(satz, false);
    ASSERT_EQ(v.teile.size(), 2u);
    test::TempVerzeichnis dir;
    const std::string pfad = dir / "fall.S01";
    FallDateiSchreiben(pfad, satz);
    auto cli = [&](const std::string& args) {
        return test::Ausfuehren(std::string(QUARNEL_CLI_PATH) + " " + args + " 2>&1");
    };
    for (int teil : {1, 2}) {
        const test::Lauf l =
            cli("wie " + test::Zitiert(pfad) + " EStFestzusetzen --teil " + std::to_string(teil));
        ASSERT_EQ(l.code, 0) << l.aus;
        const std::string erste = l.aus.substr(0, l.aus.find('\n'));
        EXPECT_NEAR(Zahl(erste.substr(erste.find('='), erste.find('[') - erste.find('='))),
                    v.teile[std::size_t(teil - 1)].r->EStFestzusetzen, 0.001)
            << erste;
    }
    const test::Lauf beide = cli("wie " + test::Zitiert(pfad) + " EStFestzusetzen");
    EXPECT_NE(beide.aus.find("== Steuerpflichtiger =="), std::string::npos);
    EXPECT_NE(beide.aus.find("== Ehegatte =="), std::string::npos);
    const test::Lauf json = cli("wie " + test::Zitiert(pfad) + " --json");
    EXPECT_EQ(json.aus.rfind("{\n\"Steuerpflichtiger\": {", 0), 0u) << json.aus.substr(0, 80);
    EXPECT_NE(json.aus.find(",\n\"Ehegatte\": {"), std::string::npos);
    const test::Lauf w =
        cli("berechne " + test::Zitiert(pfad) + " --was-waere-wenn BruttoSie=1000");
    ASSERT_EQ(w.code, 0) << w.aus;
    for (const char* teil :
         {"(getrennte Veranlagung)", "Beide Ehegatten:", "Steuerpflichtiger:", "Ehegatte:"})
        EXPECT_NE(w.aus.find(teil), std::string::npos) << teil << "\n" << w.aus;

    // joint assessment has one part only
    satz.SetzeInt(Feld::Veranlagungsart, 0);
    FallDateiSchreiben(pfad, satz);
    EXPECT_NE(cli("wie " + test::Zitiert(pfad) + " EStFestzusetzen --teil 2").code, 0);
}

namespace {

// Inputs the fill adds up from several fields (the named field is the first
// of them: the cards, the rows, the objects, the lines of a page's sum) or
// derives from a field of another kind (a count, a date): their value need
// not be the named field's own.
constexpr std::string_view Zusammengesetzt[] = {
    "LohnEr", "LohnSie", "LohnMehrjEr", "LohnMehrjSie", "AbfindungEr", "AbfindungSie",
    "ProgLohnEr", "ProgLohnSie", "LohnVorwegKuerzEr", "LohnVorwegKuerzSie", "LohnVorsPauschEr",
    "LohnVorsPauschSie", "WerbKostEr", "WerbKostSie", "VuVInEr", "VuVInSie", "RenteInEr",
    "RenteInSie", "KapInEr", "KapInSie", "WkKapInEr", "WkKapInSie", "ProgEinkEr", "ProgEinkSie",
    "HalbeinkFrei", "AnzahlKinder", "VorsorgeIn", "KiStGezahltIn", "RentenLastenIn",
    "AgbAndereIn", "BehindertenPauschIn", "WohnAbzug", "WohnAbzug2", "WohnVorkosten",
    "HausBeschIn",
};

bool IstZusammengesetzt(std::string_view eingabe) {
    for (std::string_view z : Zusammengesetzt)
        if (z == eingabe) return true;
    return false;
}

// 0 for a name of the taxpayer's place, 1 for the wife's (also before a
// running number), -1 for others.
int PersonDesNamens(std::string_view n) {
    while (!n.empty() && n.back() >= '0' && n.back() <= '9') n.remove_suffix(1);
    if (n.ends_with("Sie")) return 1;
    if (n.size() > 2 && n.ends_with("Er")) return 0;
    return -1;
}

// Words that name the other person than the node's own: in the name, and
// in the place of an entry (a page of both spouses names both).
constexpr std::string_view FremdeWorte[2][2] = {
    {"der Ehefrau", " – Ehefrau"},
    {"des Steuerpflichtigen", "Stpfl./"},
};
constexpr std::string_view FremdeOrte[2][3] = {
    {"Ehegatte, 1.", "Ehegatte, 2.", "Werbungskosten Ehegatte"},
    {"Steuerpflichtiger, 1.", "Steuerpflichtiger, 2.", "Werbungskosten Steuerpflichtiger"},
};

// A child's value: the index of its record in the input (-1 for others).
int KindDesNamens(std::string_view n) {
    constexpr std::string_view Kind = "KindSaetze[";
    return n.starts_with(Kind) ? n[Kind.size()] - '0' : -1;
}

// `anteil`: by child record, the part's share of the child's values (null:
// all of them).
void KnotenPruefen(const Erklaerknoten& k, const CaseRecord& gefuellt,
                   const std::array<std::array<double, 2>, AnzahlKindSaetze>* anteil, int teil,
                   int& geprueft) {
    for (const Erklaerknoten& c : k.kinder) KnotenPruefen(c, gefuellt, anteil, teil, geprueft);
    const std::string name = Knotenname(k);
    const int person = PersonDesNamens(name);
    if (person >= 0) {
        const std::string titel = KnotenTitel(k);
        std::string texte = titel.substr(0, titel.find(" ("));
        if (k.schritt) texte += " | " + std::string(k.schritt->regel->text);
        for (std::string_view f : FremdeWorte[person])
            EXPECT_EQ(texte.find(f), std::string::npos) << name << ": " << texte;
        for (std::string_view f : FremdeOrte[person])
            EXPECT_EQ(titel.find(f), std::string::npos) << name << ": " << titel;
        ++geprueft;
    }
    if (k.schritt || k.angabe.herkunft != Herkunft::Eingabe ||
        k.angabe.quelle.empty() || k.angabe.quelle.starts_with(WasWaereQuelle))
        return;
    const auto ort = EingabeortFuer(k.angabe.quelle);
    ASSERT_TRUE(ort) << name << " " << k.angabe.quelle;
    const Katalogstelle stelle = KatalogstelleAus(k.angabe.quelle);
    auto feld = FeldNachId(stelle.feld);
    if (!feld) {
        const auto alle = FelderNachName(stelle.feld);
        ASSERT_FALSE(alle.empty()) << k.angabe.quelle;
        feld = alle.front();
    }
    ASSERT_LE(stelle.element, Def(*feld).anzahl) << k.angabe.quelle;
    if (Def(*feld).typ != FeldTyp::Double || IstZusammengesetzt(name) || ort->feld != *feld)
        return;
    const int kind = KindDesNamens(name);
    const double faktor = kind >= 0 && anteil ? (*anteil)[std::size_t(kind)][teil] : 1;
    EXPECT_NEAR(std::fabs(k.angabe.wert), faktor * std::fabs(gefuellt.Dbl(*feld, stelle.element)),
                0.005)
        << name << " " << k.angabe.quelle;
}

}  // namespace

// Over every whole case (a couple with each assessment): every entry a tree
// names leads to the field and element where that person's entry was made
// and holds its value (or is one of the sums above), and no node of one
// person names the other.
TEST(Veranlagungsteile, Jedes_Blatt_fuehrt_zum_Feld_seiner_Person) {
    int geprueft = 0, ehefrau = 0;
    for (const auto& eintrag : fs::recursive_directory_iterator(QUARNEL_TEST_CASES_DIR)) {
        if (eintrag.path().extension() != ".fall") continue;
        const auto fall = test::FallDateiLesen(eintrag.path());
        if (!fall || !fall->satz) continue;
        std::vector<Veranlagungsart> arten{Veranlagungsart::Zusammen};
        if (VeranlagungWaehlbar(*fall->satz))
            arten = {Veranlagungsart::Zusammen, Veranlagungsart::Getrennt,
                     Veranlagungsart::Besondere};
        for (Veranlagungsart art : arten) {
            SCOPED_TRACE(eintrag.path().filename().string() + " " +
                         std::string(VeranlagungsartSchluessel(art)));
            auto satz = std::make_unique<CaseRecord>(*fall->satz);
            if (arten.size() > 1) satz->SetzeInt(Feld::Veranlagungsart, static_cast<int32_t>(art));
            auto gefuellt = std::make_unique<CaseRecord>(*satz);
            auto g = std::make_unique<CalcInput>();
            DeklarationFuellen(*gefuellt, *g, fall->kurz);
            // a spouse's part holds that spouse's share of each child's values
            const auto angaben = VeranlagungsAngabenAusFall(*gefuellt, *g, fall->kurz);
            const auto teile = VeranlagungErklaeren(*satz, fall->kurz);
            for (std::size_t t = 0; t < teile.size(); ++t)
                for (const std::string& n : ErklaerteErgebnisse(*teile[t].spur)) {
                    Erklaerknoten baum;
                    ASSERT_TRUE(ErklaerBaum(*teile[t].spur, n, baum));
                    KnotenPruefen(baum, *gefuellt, teile.size() > 1 ? &angaben.kindAnteil : nullptr,
                                  int(t), geprueft);
                    ehefrau += PersonDesNamens(n) == 1;
                }
        }
    }
    EXPECT_GT(geprueft, 1000);
    EXPECT_GT(ehefrau, 100);
}
