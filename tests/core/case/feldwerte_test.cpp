#include "case/feldwerte.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <memory>

#include "case/json.h"

using namespace quarnel;

namespace {

std::unique_ptr<CaseRecord> NeuerSatz() {
    auto r = std::make_unique<CaseRecord>();
    NeuerFallDatensatz(*r);
    return r;
}

Feldadresse Adresse(const char* a) {
    FeldSuche s = FeldAufloesen(a);
    EXPECT_TRUE(s.adresse) << a << ": " << s.fehler;
    return s.adresse.value_or(Feldadresse{Feld::Kennung, 1});
}

// The value set from `eingabe`, read back as text; or the error.
std::string Gesetzt(CaseRecord& r, const char* feld, std::string_view eingabe) {
    auto a = Adresse(feld);
    if (auto fehler = FeldwertSetzen(r, a, eingabe)) return "FEHLER";
    return FeldwertText(r, a);
}

}  // namespace

TEST(Feldwerte, Felder_nach_Id_Name_und_Index) {
    EXPECT_EQ(Adresse("StpflVorname").element, 1);
    Feldadresse kind = Adresse("Vorname[6]");
    EXPECT_EQ(kind.element, 6);
    EXPECT_EQ(FeldadresseText(kind), "Vorname[6]");
    EXPECT_EQ(FeldadresseText(Adresse(" Kennung ")), "Kennung");

    auto fehler = [](const char* a) { return FeldAufloesen(a).fehler; };
    EXPECT_NE(fehler("Vorname").find("Index angeben"), std::string::npos);
    EXPECT_NE(fehler("Vorname[7]").find("nur 6"), std::string::npos);
    EXPECT_NE(fehler("Vorname[0]").find("ungültiger Index"), std::string::npos);
    EXPECT_NE(fehler("Vorname[x]").find("ungültiger Index"), std::string::npos);
    EXPECT_NE(fehler("Vorname[1").find("ungültige Feldangabe"), std::string::npos);
    EXPECT_NE(fehler("GibtEsNicht").find("unbekanntes Feld"), std::string::npos);
    // A catalogue name several pages share must be given by its id.
    EXPECT_NE(fehler("FamilienstandLB").find("mehrdeutig"), std::string::npos);
    EXPECT_NE(fehler("FamilienstandLB").find("Kurz_FamilienstandLB"), std::string::npos);
}

TEST(Feldwerte, Betraege_deutsch_oder_mit_Punkt) {
    auto r = NeuerSatz();
    // Find any Double field of a single element.
    const char* betrag = nullptr;
    for (const FeldDef& d : Feldkatalog())
        if (d.typ == FeldTyp::Double && d.anzahl == 1) {
            betrag = d.id;
            break;
        }
    ASSERT_TRUE(betrag);
    EXPECT_EQ(Gesetzt(*r, betrag, "1.234,56"), "1234,56");
    EXPECT_EQ(Gesetzt(*r, betrag, "1234,56"), "1234,56");
    EXPECT_EQ(Gesetzt(*r, betrag, "1234.56"), "1234,56");
    EXPECT_EQ(Gesetzt(*r, betrag, "1.234.567"), "1234567");
    EXPECT_EQ(Gesetzt(*r, betrag, "-0,5"), "-0,5");
    EXPECT_EQ(Gesetzt(*r, betrag, " +12 "), "12");
    EXPECT_EQ(Gesetzt(*r, betrag, "0.1"), "0,1");
    EXPECT_EQ(Gesetzt(*r, betrag, "459,39"), "459,39");
    EXPECT_EQ(Gesetzt(*r, betrag, "1234,5"), "1234,5");
    EXPECT_EQ(Gesetzt(*r, betrag, ",5"), "0,5");
    EXPECT_EQ(Gesetzt(*r, betrag, "0.125"), "0,125");
    // Mixed or ambiguous text is refused, as the masks of the pages refuse it.
    for (const char* falsch : {"", "1,2,3", "1.23,4", "12.34.5", "abc", "1e400", "nan", "inf",
                               "1,5x", "1..2", ".123.456", "1,000.50", "12,5.3", "1.234",
                               "12.345", "1e5", "1234,", "-", "+-1", "0x10", "1 234"})
        EXPECT_EQ(Gesetzt(*r, betrag, falsch), "FEHLER") << falsch;
    EXPECT_EQ(Gesetzt(*r, betrag, "1,5x"), "FEHLER");
    EXPECT_EQ(FeldwertText(*r, Adresse(betrag)), "0,125");  // a bad value leaves the old one
}

TEST(Feldwerte, Daten_Wahrheitswerte_Auswahl_Text) {
    auto r = NeuerSatz();
    EXPECT_EQ(FeldwertText(*r, Adresse("StpflReligionVon")), "01.01.2001");
    EXPECT_EQ(FeldwertText(*r, Adresse("GebDatStpfl")), "");
    EXPECT_EQ(Gesetzt(*r, "GebDatStpfl", "29.03.1942"), "29.03.1942");
    EXPECT_EQ(r->Int(Feld::GebDatStpfl), 125000);
    EXPECT_EQ(Gesetzt(*r, "GebDatStpfl", "1.2.2001"), "01.02.2001");
    EXPECT_EQ(Gesetzt(*r, "GebDatStpfl", "29.02.2000"), "29.02.2000");
    for (const char* falsch : {"29.02.2001", "31.04.2001", "01.13.2001", "1.1.01", "01.01.1599",
                               "01-01-2001", "01.01.2001.", "x"})
        EXPECT_EQ(Gesetzt(*r, "GebDatStpfl", falsch), "FEHLER") << falsch;
    EXPECT_EQ(Gesetzt(*r, "GebDatStpfl", ""), "");
    EXPECT_EQ(r->Int(Feld::GebDatStpfl), -1);

    EXPECT_EQ(Gesetzt(*r, "RechneErstattung", "nein"), "nein");
    EXPECT_EQ(Gesetzt(*r, "RechneErstattung", "JA"), "ja");
    EXPECT_EQ(Gesetzt(*r, "RechneErstattung", "0"), "nein");
    EXPECT_EQ(Gesetzt(*r, "RechneErstattung", "2"), "FEHLER");

    // A choice by number or by its text, within its list.
    const FeldDef& d = Def(Adresse("Kurz_FamilienstandLB").feld);
    ASSERT_NE(std::string(d.auswahl), "");
    std::string zweiter = std::string(d.auswahl).substr(std::string(d.auswahl).find('|') + 1);
    zweiter = zweiter.substr(0, zweiter.find('|'));
    EXPECT_EQ(Gesetzt(*r, "Kurz_FamilienstandLB", zweiter), "1");
    EXPECT_EQ(Gesetzt(*r, "Kurz_FamilienstandLB", "-1"), "-1");
    EXPECT_EQ(Gesetzt(*r, "Kurz_FamilienstandLB", "-2"), "FEHLER");
    EXPECT_EQ(Gesetzt(*r, "Kurz_FamilienstandLB", "99"), "FEHLER");
    EXPECT_EQ(Gesetzt(*r, "MonateRelEr", "99999999999"), "FEHLER");

    EXPECT_EQ(Gesetzt(*r, "StpflVorname", "Jürgen-Özgür"), "Jürgen-Özgür");
    EXPECT_EQ(r->Text(Feld::StpflVorname).size(), 12u);  // one byte per character
    EXPECT_EQ(Gesetzt(*r, "StpflVorname", std::string(25, 'x')), std::string(25, 'x'));
    EXPECT_EQ(Gesetzt(*r, "StpflVorname", std::string(26, 'x')), "FEHLER");
    EXPECT_EQ(Gesetzt(*r, "StpflVorname", "中"), "FEHLER");
    EXPECT_EQ(Gesetzt(*r, "StpflVorname", "\xFF"), "FEHLER");
    EXPECT_EQ(Gesetzt(*r, "Seitenmerker[3]", "256"), "FEHLER");
}

TEST(Feldwerte, Felder_des_Programms_weder_gesetzt_noch_importiert) {
    auto r = NeuerSatz();
    const auto vorher = *r;
    for (const char* feld : {"Kennung", "FallFreigabe"}) {
        auto fehler = FeldwertSetzen(*r, Adresse(feld), feld[0] == 'K' ? "XXXXXXXX" : "nein");
        ASSERT_TRUE(fehler) << feld;
        EXPECT_NE(fehler->find("führt das Programm selbst"), std::string::npos) << *fehler;
    }
    for (const char* json : {R"({"StpflVorname": "A", "Kennung": "S00VER11"})",
                             R"({"Kennung": null})", R"({"FallFreigabe": false})"})
        EXPECT_TRUE(FallImportieren(json, *r)) << json;
    EXPECT_EQ(*r, vorher);
}

TEST(Feldwerte, Export_Import_aller_Typen_hin_und_zurueck) {
    auto r = NeuerSatz();
    EXPECT_EQ(FallExportieren(*r), "{}\n");
    ASSERT_FALSE(FeldwertSetzen(*r, Adresse("StpflVorname"), "Anna \"A\" \\ B"));
    ASSERT_FALSE(FeldwertSetzen(*r, Adresse("Vorname[3]"), "Kind"));
    ASSERT_FALSE(FeldwertSetzen(*r, Adresse("GebDatStpfl"), "29.03.1942"));
    ASSERT_FALSE(FeldwertSetzen(*r, Adresse("StpflReligionVon"), ""));
    ASSERT_FALSE(FeldwertSetzen(*r, Adresse("RechneErstattung"), "nein"));
    ASSERT_FALSE(FeldwertSetzen(*r, Adresse("Seitenmerker[20]"), "0"));
    ASSERT_FALSE(FeldwertSetzen(*r, Adresse("MonateRelEr"), "7"));
    r->SetzeInt(Feld::GebDatEheg, -5);  // no real date: travels as a day number
    for (const FeldDef& d : Feldkatalog())
        if (d.typ == FeldTyp::Double && d.anzahl > 1) {
            auto a = Adresse((std::string(d.id) + "[" + std::to_string(d.anzahl) + "]").c_str());
            r->SetzeDbl(a.feld, 0.1 + 0.2, a.element);  // needs every digit to come back
            break;
        }
    std::string json = FallExportieren(*r);
    EXPECT_NE(json.find("\"GebDatStpfl\": \"29.03.1942\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"StpflReligionVon\": \"\""), std::string::npos);
    EXPECT_NE(json.find("\"GebDatEheg\": -5"), std::string::npos);
    EXPECT_NE(json.find("\"RechneErstattung\": false"), std::string::npos);
    EXPECT_EQ(json.find("Vorname[1]"), std::string::npos);  // unchanged elements stay out

    auto zurueck = NeuerSatz();
    ASSERT_FALSE(FallImportieren(json, *zurueck));
    EXPECT_EQ(FallExportieren(*zurueck), json);
    for (const FeldDef& d : Feldkatalog()) {
        Feld f = *FeldNachId(d.id);
        for (int e = 1; e <= d.anzahl; ++e)
            ASSERT_EQ(FeldwertText(*zurueck, {f, e}), FeldwertText(*r, {f, e})) << d.id << e;
    }
    // null brings back the new-case value; strings in the typed form are accepted.
    ASSERT_FALSE(FallImportieren(R"({"GebDatStpfl": null, "MonateRelEr": "8",
                                     "RechneErstattung": "ja", "Vorname[3]": null})",
                                 *zurueck));
    EXPECT_EQ(zurueck->Int(Feld::GebDatStpfl), -1);
    EXPECT_EQ(zurueck->Int(Feld::MonateRelEr), 8);
    EXPECT_EQ(zurueck->TextUtf8(Feld::Vorname, 3), NeuerSatz()->TextUtf8(Feld::Vorname, 3));
}

TEST(Feldwerte, Jedes_Textbyte_kommt_durch_Export_und_Import) {
    auto r = NeuerSatz();
    for (int b = 1; b < 256; b += 25) {
        std::string text;
        for (int i = 0; i < 25; ++i) text += static_cast<char>(b + i > 255 ? 0 : b + i);
        r->SetzeText(Feld::StpflVorname, text);
        auto zurueck = NeuerSatz();
        auto fehler = FallImportieren(FallExportieren(*r), *zurueck);
        // Control characters (and NUL) are refused; every other byte comes back.
        const bool steuer = std::any_of(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        });
        ASSERT_EQ(static_cast<bool>(fehler), steuer) << b;
        if (!steuer) {
            EXPECT_EQ(zurueck->Text(Feld::StpflVorname), text) << b;
        }
    }
}

TEST(Feldwerte, Import_ganz_oder_gar_nicht) {
    auto r = NeuerSatz();
    ASSERT_FALSE(FeldwertSetzen(*r, Adresse("StpflVorname"), "vorher"));
    auto vorher = *r;
    for (const char* falsch : {
             R"({"StpflVorname": "neu", "Unbekannt": 1})",
             R"({"StpflVorname": "neu", "GebDatStpfl": "31.02.2001"})",
             R"({"StpflVorname": 5})",
             R"({"RechneErstattung": 1.5})",
             R"({"MonateRelEr": true})",
             R"({"MonateRelEr": 1.5})",
             R"({"StpflVorname": ["a"]})",
             R"({"GebDatEheg": 1e99})",
             R"({"StpflVorname": "neu", "StpflVorname": "doppelt"})",
             R"(["StpflVorname"])",
             R"({"StpflVorname": "neu")",
             "",
         }) {
        auto fehler = FallImportieren(falsch, *r);
        EXPECT_TRUE(fehler) << falsch;
        EXPECT_EQ(*r, vorher) << falsch;
    }
}

TEST(Json, Lesen_gueltig_und_ungueltig) {
    auto e =
        JsonLesen(R"( {"a": [1, -2.5e3, true, false, null, "x\u00e4\ud83d\ude00\n"], "b": {}} )");
    ASSERT_TRUE(e.ok) << e.fehler;
    ASSERT_EQ(e.wert.objekt.size(), 2u);
    const auto& liste = e.wert.objekt[0].wert.liste;
    ASSERT_EQ(liste.size(), 6u);
    EXPECT_EQ(liste[1].text, "-2.5e3");
    EXPECT_TRUE(liste[2].wahrheit);
    EXPECT_EQ(liste[4].art, JsonWert::Art::Null);
    EXPECT_EQ(liste[5].text, "x\xC3\xA4\xF0\x9F\x98\x80\n");
    EXPECT_EQ(JsonLesen("\"\xC3\xA4\"").wert.text, "\xC3\xA4");

    for (std::string falsch : {"", "{", "[1,]", "{\"a\" 1}", "01", "1.", "-", "tru", "\"a",
                               "\"\\x\"", "\"\\ud800\"", "\"\\udc00\"", "\"\xC3\"", "\"\xC0\xAF\"",
                               "\"\xED\xA0\x80\"", "\"\x01\"", "1 2", "{\"a\":1,}", "nul"})
        EXPECT_FALSE(JsonLesen(falsch).ok) << falsch;
    EXPECT_TRUE(JsonLesen(std::string(63, '[') + std::string(63, ']')).ok);
    // Keys are unique within each object, not across objects.
    EXPECT_TRUE(JsonLesen(R"({"a": {"x": 1}, "b": {"x": 2}, "x": 3})").ok);
    EXPECT_NE(JsonLesen(R"({"a": {"x": 1, "y": 2, "x": 3}})").fehler.find("doppelt"),
              std::string::npos);
    auto tief = JsonLesen(std::string(100000, '['));
    EXPECT_FALSE(tief.ok);
    EXPECT_NE(tief.fehler.find("zu tief"), std::string::npos);

    std::string heikel = "a\"b\\c\n\x01\xC3\xA4";
    auto zurueck = JsonLesen(JsonZeichenkette(heikel));
    ASSERT_TRUE(zurueck.ok);
    EXPECT_EQ(zurueck.wert.text, heikel);
}
