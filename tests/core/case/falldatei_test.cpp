#include "case/falldatei.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "case/passwort.h"

#include "testhilfe.h"

using namespace quarnel;
using quarnel::test::TempVerzeichnis;
namespace fs = std::filesystem;

namespace {

void Schreibe(const std::string& pfad, const std::string& inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

std::vector<uint8_t> Muster(std::size_t n, unsigned saat) {
    std::vector<uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>((i * 131 + saat) >> 3);
    return v;
}

// Writes through the system until `grenze` bytes have gone, then fails.
class BrechenderKanal : public Schreibkanal {
  public:
    explicit BrechenderKanal(std::size_t grenze) : rest_(grenze) {}
    ssize_t Schreibe(int fd, const uint8_t* d, std::size_t n) override {
        if (rest_ == 0) return -1;
        n = std::min(n, rest_);
        ssize_t r = Schreibkanal::Schreibe(fd, d, n);
        if (r > 0) rest_ -= static_cast<std::size_t>(r);
        return r;
    }
    ssize_t SchreibeAn(int fd, const uint8_t* d, std::size_t n, off_t o) override {
        if (rest_ == 0) return -1;
        n = std::min(n, rest_);
        ssize_t r = Schreibkanal::SchreibeAn(fd, d, n, o);
        if (r > 0) rest_ -= static_cast<std::size_t>(r);
        return r;
    }

  private:
    std::size_t rest_;
};

}  // namespace

TEST(Falldatei, Signatur_erstes_Byte_frei_und_kurze_Dateien) {
    TempVerzeichnis t;
    Schreibe(t / "a", std::string("\x08S00VER10") + "rest");
    Schreibe(t / "b", "XS00VER10");
    Schreibe(t / "leer", "");
    Schreibe(t / "acht", "\x08S00VER1");
    Schreibe(t / "falsch", "\x08S00VER11");
    Schreibe(t / "klein", "\x08s00ver10");
    EXPECT_EQ(DateiPruefen(t / "a"), Dateipruefung::Gueltig);
    EXPECT_EQ(DateiPruefen(t / "b"), Dateipruefung::Gueltig);  // exactly 9 bytes suffice
    EXPECT_EQ(DateiPruefen(t / "leer"), Dateipruefung::Ungueltig);
    EXPECT_EQ(DateiPruefen(t / "acht"), Dateipruefung::Ungueltig);
    EXPECT_EQ(DateiPruefen(t / "falsch"), Dateipruefung::Ungueltig);
    EXPECT_EQ(DateiPruefen(t / "klein"), Dateipruefung::Ungueltig);
    EXPECT_EQ(DateiPruefen(t / "fehlt"), Dateipruefung::NichtLesbar);
    EXPECT_FALSE(DateiGueltig(t / "fehlt"));
}

TEST(Falldatei, Abbild_rund_um_die_Platte_byte_genau) {
    TempVerzeichnis t;
    CaseRecord satz;
    auto s = Muster(CaseRecord::Groesse, 1);
    std::copy(s.begin(), s.end(), satz.Bytes().begin());
    Notizblock notizen;
    auto n = Muster(Notizblock::Groesse, 2);
    std::copy(n.begin(), n.end(), notizen.bytes.begin());
    auto listen = Muster(ListenGroesse, 3);

    auto abbild = FallAbbild(satz, notizen, listen);
    ASSERT_EQ(abbild.size(), 193456u);
    EXPECT_EQ(abbild[44096], n[0]);
    EXPECT_EQ(abbild[64120 + 2536 * 7], listen[2536 * 6]);  // list 7 where the layout puts it
    ASSERT_TRUE(AtomarSchreiben(t / "Fall.S01", abbild, true));
    auto gelesen = DateiLesen(t / "Fall.S01", FallDateiGroesse);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(*gelesen, abbild);

    CaseRecord satz2;
    Notizblock notizen2;
    AbbildZerlegen(*gelesen, satz2, notizen2);
    EXPECT_EQ(satz2, satz);
    EXPECT_EQ(notizen2, notizen);
    auto l = AbbildListen(*gelesen);
    EXPECT_TRUE(std::equal(l.begin(), l.end(), listen.begin(), listen.end()));
}

TEST(Falldatei, Abbrechendes_Schreiben_laesst_die_alte_Datei_stehen) {
    TempVerzeichnis t;
    auto alt = Muster(FallDateiGroesse, 7);
    ASSERT_TRUE(AtomarSchreiben(t / "Fall.S01", alt, true));
    ::chmod((t / "Fall.S01").c_str(), 0640);
    auto neu = Muster(FallDateiGroesse, 9);
    for (std::size_t grenze :
         {std::size_t{0}, std::size_t{1}, std::size_t{44096}, FallDateiGroesse - 1}) {
        BrechenderKanal k(grenze);
        EXPECT_FALSE(AtomarSchreiben(t / "Fall.S01", neu, true, k)) << grenze;
        EXPECT_EQ(*DateiLesen(t / "Fall.S01", FallDateiGroesse), alt) << grenze;
    }
    // No half-written temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(t.Pfad()), fs::directory_iterator()), 1);
    // A complete write keeps the mode of the file it replaces.
    ASSERT_TRUE(AtomarSchreiben(t / "Fall.S01", neu, true));
    EXPECT_EQ(fs::status(t / "Fall.S01").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // A target in a directory that does not exist fails cleanly.
    EXPECT_FALSE(AtomarSchreiben(t / "fehlt/Fall.S01", neu, true));
}

TEST(Falldatei, Lesen_nur_lesend_und_mit_Laengengrenze) {
    TempVerzeichnis t;
    auto daten = Muster(1000, 4);
    ASSERT_TRUE(AtomarSchreiben(t / "ro.S01", daten, false));
    ::chmod((t / "ro.S01").c_str(), 0444);
    auto gelesen = DateiLesen(t / "ro.S01", 1000);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(*gelesen, daten);
    EXPECT_FALSE(DateiLesen(t / "ro.S01", 999));        // longer than allowed
    EXPECT_FALSE(DateiLesen(t.Pfad().string(), 1000));  // a directory
    EXPECT_FALSE(DateiLesen(t / "fehlt", 1000));
}

TEST(Falldatei, Temporaere_Dateien_angelegt_privat_und_wieder_entfernt) {
    TempVerzeichnis t;
    std::string a, d, p;
    {
        TemporaereDateien tmp(t.Pfad().string());
        ASSERT_TRUE(tmp.Angelegt());
        a = tmp.Arbeitsdatei(), d = tmp.Druckdatei(), p = tmp.Pruefbericht();
        EXPECT_EQ(Namensteil(a).substr(0, 3), "QRN");
        EXPECT_EQ(Namensteil(d).substr(0, 3), "RPP");
        EXPECT_EQ(Namensteil(p).substr(0, 3), "HTM");
        EXPECT_EQ(p.substr(p.size() - 4), ".htm");
        for (const auto& f : {a, d, p}) {
            EXPECT_EQ(Verzeichnisteil(f), t.Pfad().string());
            EXPECT_EQ(fs::file_size(f), 0u);
            EXPECT_EQ(fs::status(f).permissions() & fs::perms::all,
                      fs::perms::owner_read | fs::perms::owner_write);
        }
        TemporaereDateien zweite(t.Pfad().string());
        EXPECT_NE(zweite.Arbeitsdatei(), a);
    }
    EXPECT_FALSE(fs::exists(a));
    EXPECT_FALSE(fs::exists(d));
    EXPECT_FALSE(fs::exists(p));
    TemporaereDateien nirgends(t / "fehlt");
    EXPECT_FALSE(nirgends.Angelegt());
}

TEST(Falldatei, Listen_der_Arbeitsdatei_an_ihrer_Stelle) {
    TempVerzeichnis t;
    std::string ad = t / "QRNtest";
    auto abbild = Muster(FallDateiGroesse, 5);
    ASSERT_TRUE(ArbeitsdateiSchreiben(ad, abbild));
    EXPECT_EQ(fs::status(ad).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    Listensatz l;
    ASSERT_TRUE(ListeLesen(ad, 50, l));
    EXPECT_TRUE(std::equal(l.bytes.begin(), l.bytes.end(), abbild.begin() + 64120 + 2536 * 50));

    Listensatz neu;
    neu.bytes.fill(0xAB);
    ASSERT_TRUE(ListeSchreiben(ad, 3, neu));
    auto nachher = *DateiLesen(ad, FallDateiGroesse);
    for (std::size_t i = 0; i < FallDateiGroesse; ++i) {
        bool inListe3 = i >= ListenOffset(3) && i < ListenOffset(4);
        ASSERT_EQ(nachher[i], inListe3 ? 0xAB : abbild[i]) << i;
    }
    auto listen = ArbeitsdateiListen(ad);
    ASSERT_TRUE(listen);
    EXPECT_EQ(listen->size(), ListenGroesse);
    EXPECT_EQ((*listen)[2 * 2536], 0xAB);

    EXPECT_FALSE(ListeLesen(ad, 0, l));
    EXPECT_FALSE(ListeLesen(ad, 51, l));
    EXPECT_FALSE(ListeSchreiben(ad, 51, neu));
    BrechenderKanal k(100);
    EXPECT_FALSE(ListeSchreiben(ad, 4, neu, k));  // a short write is reported
    EXPECT_FALSE(ArbeitsdateiSchreiben(ad, std::vector<uint8_t>(10)));
    EXPECT_FALSE(ListeLesen(t / "fehlt", 1, l));

    // A short work file yields no list and leaves the list in memory alone.
    Schreibe(t / "kurz", std::string(70000, 'x'));
    Listensatz unberuehrt;
    unberuehrt.bytes.fill(7);
    EXPECT_FALSE(ListeLesen(t / "kurz", 2, unberuehrt));
    EXPECT_EQ(unberuehrt.bytes[0], 7);
    EXPECT_FALSE(ArbeitsdateiListen(t / "kurz"));
}

TEST(Falldatei, Pfadteile_und_Endung) {
    EXPECT_EQ(Endung("/x/Fall.s01"), "S01");
    EXPECT_EQ(Endung("Fall.S00"), "S00");
    EXPECT_EQ(Endung("Fall.S01x"), "S01");  // only the first three characters count
    EXPECT_EQ(Endung("/x.S01/Fall"), "");
    EXPECT_EQ(Endung("Fall."), "");
    EXPECT_EQ(Verzeichnisteil("/Fall.S01"), "/");
    EXPECT_EQ(Verzeichnisteil("Fall.S01"), "");
    EXPECT_EQ(Namensteil("/a/b/Fall.S01"), "Fall.S01");
}

TEST(Falldatei, Verzeichnis_erreichbar) {
    TempVerzeichnis t;
    EXPECT_TRUE(VerzeichnisErreichbar(t.Pfad().string()));
    EXPECT_TRUE(VerzeichnisBeschreibbar(t.Pfad().string()));
    EXPECT_FALSE(VerzeichnisErreichbar(t / "fehlt"));
    EXPECT_FALSE(VerzeichnisErreichbar(""));
    Schreibe(t / "datei", "x");
    EXPECT_FALSE(VerzeichnisErreichbar(t / "datei"));
}

TEST(Passwort, Setzen_ungetrimmt_gekuerzt_Abfragen_getrimmt) {
    EXPECT_EQ(PasswortBewerten("geheim", "geheim "), PasswortWahl::Abweichend);  // exact comparison
    EXPECT_EQ(PasswortBewerten("Geheim", "geheim"), PasswortWahl::Abweichend);
    EXPECT_EQ(PasswortBewerten("  ", "  "), PasswortWahl::Entfernt);
    EXPECT_EQ(PasswortBewerten("", ""), PasswortWahl::Entfernt);
    EXPECT_EQ(PasswortBewerten(" a", " a"), PasswortWahl::Gesetzt);
    EXPECT_EQ(PasswortZumSpeichern("abcdefghijkl"), "abcdefghij");
    EXPECT_EQ(PasswortZumSpeichern(" abc "), " abc ");
    EXPECT_TRUE(PasswortPasst("  abcdefghij ", "abcdefghij"));
    EXPECT_FALSE(PasswortPasst("abcdefghijkl", "abcdefghij"));
    EXPECT_FALSE(PasswortPasst("ABC", "abc"));
    EXPECT_TRUE(PasswortPasst("abc", " abc  "));
    EXPECT_TRUE(PasswortPasst("", "   "));
}
