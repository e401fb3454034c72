// The writers beside the case-file save: every output file, the backups a
// save keeps, and new files through symbolic links.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "case/falldatei.h"
#include "case/sicherung.h"

#include "dateihilfe.h"

using namespace quarnel;
using quarnel::test::Inhalt;
using quarnel::test::Schreibe;
using quarnel::test::TempVerzeichnis;
namespace fs = std::filesystem;

namespace {

std::span<const uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// A current case image whose record starts with `kennzeichen` after the signature.
std::vector<uint8_t> Fall(const std::string& kennzeichen) {
    std::vector<uint8_t> f(FallDateiGroesse, 0);
    f[0] = 8;
    std::copy(FallKennung.begin(), FallKennung.end(), f.begin() + 1);
    std::copy(kennzeichen.begin(), kennzeichen.end(), f.begin() + 20);
    return f;
}

std::string Text(const std::vector<uint8_t>& v) {
    return {v.begin(), v.end()};
}

// Fails every write once `grenze` bytes have gone, as a full disk does.
class VollerDatentraeger : public Schreibkanal {
  public:
    explicit VollerDatentraeger(std::size_t grenze) : rest_(grenze) {}
    ssize_t Schreibe(int fd, const uint8_t* d, std::size_t n) override {
        if (rest_ == 0) {
            errno = ENOSPC;
            return -1;
        }
        n = std::min(n, rest_);
        const ssize_t r = Schreibkanal::Schreibe(fd, d, n);
        if (r > 0) rest_ -= static_cast<std::size_t>(r);
        return r;
    }

  private:
    std::size_t rest_;
};

}  // namespace

TEST(Ausgabedatei, Ziele_die_keine_Ausgabe_ersetzen_darf) {
    TempVerzeichnis t;
    const std::string fall = Text(Fall("Fall"));
    Schreibe(t / "Fall.S01", fall);
    Schreibe(t / "Anderer.pdf", fall);  // a case under any name
    Schreibe(t / "gesperrt.pdf", "alt");
    ASSERT_EQ(::symlink("alt.pdf", (t / "verweis.pdf").c_str()), 0);
    Schreibe(t / "alt.pdf", "alt");
    ::mkfifo((t / "rohr.pdf").c_str(), 0600);
    fs::create_directory(t / "ordner.pdf");
    const int halter = ::open((t / "gesperrt.pdf").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(halter, LOCK_EX), 0);  // the program holds it

    struct Fall {
        std::string ziel;
        Speicherfehler erwartet;
    };
    for (const Fall& f : std::vector<Fall>{
             {t / "Fall.S01", Speicherfehler::Falldatei},
             {t / "Anderer.pdf", Speicherfehler::Falldatei},
             {t / "verweis.pdf", Speicherfehler::KeineDatei},
             {t / "rohr.pdf", Speicherfehler::KeineDatei},
             {t / "ordner.pdf", Speicherfehler::KeineDatei},
             {"/dev/null", Speicherfehler::KeineDatei},
             {t / "gesperrt.pdf", Speicherfehler::Gesperrt},
             {t / "fehlt/x.pdf", Speicherfehler::Verzeichnis},
         })
        EXPECT_EQ(AusgabeSchreiben(f.ziel, Bytes("%PDF neu")), f.erwartet) << f.ziel;
    ::close(halter);
    EXPECT_EQ(Inhalt(t / "Fall.S01"), fall);
    EXPECT_EQ(Inhalt(t / "Anderer.pdf"), fall);
    EXPECT_EQ(Inhalt(t / "alt.pdf"), "alt");
    EXPECT_EQ(Inhalt(t / "gesperrt.pdf"), "alt");
    EXPECT_TRUE(fs::is_fifo(t / "rohr.pdf"));
    EXPECT_NE(SpeicherfehlerText(Speicherfehler::Falldatei, "x").find("Falldatei"),
              std::string::npos);

    // An ordinary old output is replaced whole.
    EXPECT_EQ(AusgabeSchreiben(t / "alt.pdf", Bytes("%PDF neu")), Speicherfehler::Keiner);
    EXPECT_EQ(Inhalt(t / "alt.pdf"), "%PDF neu");
}

TEST(Ausgabedatei, Voller_Datentraeger_laesst_die_alte_Ausgabe_stehen) {
    TempVerzeichnis t;
    const std::string neu(100000, 'n');
    for (std::size_t grenze : {std::size_t{0}, std::size_t{1}, std::size_t{4096}, neu.size() - 1}) {
        Schreibe(t / "Formulare.pdf", "alte Fassung");
        VollerDatentraeger k(grenze);
        EXPECT_EQ(AusgabeSchreiben(t / "Formulare.pdf", Bytes(neu), 0666, k),
                  Speicherfehler::Schreibfehler)
            << grenze;
        EXPECT_EQ(Inhalt(t / "Formulare.pdf"), "alte Fassung") << grenze;
        EXPECT_EQ(std::distance(fs::directory_iterator(t.Pfad()), fs::directory_iterator()), 1)
            << "a temporary copy stayed";
    }
    VollerDatentraeger genug(neu.size());
    EXPECT_EQ(AusgabeSchreiben(t / "Formulare.pdf", Bytes(neu), 0666, genug),
              Speicherfehler::Keiner);
    EXPECT_EQ(Inhalt(t / "Formulare.pdf"), neu);
}

TEST(Ausgabedatei, Neue_Datei_durch_Verweis_nur_ueber_eigene_Verweise) {
    if (::geteuid() != 0) GTEST_SKIP() << "fremde Verweise anlegen braucht root";
    TempVerzeichnis t;
    // Another user's dangling link in a shared folder names a file of ours.
    ASSERT_EQ(::symlink((t / "profil").c_str(), (t / "Neu.S01").c_str()), 0);
    ASSERT_EQ(::lchown((t / "Neu.S01").c_str(), 65534, 65534), 0);
    Schreibart nurNeu;
    nurNeu.nurNeu = true;
    EXPECT_EQ(Ersetzen(t / "Neu.S01", Bytes("fall"), nurNeu), Speicherfehler::FremderVerweis);
    EXPECT_EQ(Ersetzen(t / "Neu.S01", Bytes("fall")), Speicherfehler::FremderVerweis);
    EXPECT_FALSE(fs::exists(t / "profil"));
    EXPECT_NE(SpeicherfehlerText(Speicherfehler::FremderVerweis, "x").find("Verweis"),
              std::string::npos);
    // To an existing regular file it is followed, as the user's own dangling link is.
    Schreibe(t / "profil", "alt");
    EXPECT_EQ(Ersetzen(t / "Neu.S01", Bytes("fall")), Speicherfehler::Keiner);
    EXPECT_EQ(Inhalt(t / "profil"), "fall");
    ASSERT_EQ(::symlink("eigen.S01", (t / "Mein.S01").c_str()), 0);
    EXPECT_EQ(Ersetzen(t / "Mein.S01", Bytes("fall"), nurNeu), Speicherfehler::Keiner);
    EXPECT_EQ(Inhalt(t / "eigen.S01"), "fall");
}

TEST(Sicherung, Jedes_Speichern_haelt_die_vorige_Fassung_rotiert) {
    TempVerzeichnis t;
    const std::string pfad = t / "Steuer.S01";
    Schreibart art;
    art.sicherungen = 3;
    ASSERT_EQ(Ersetzen(pfad, Fall("Fassung 0"), art), Speicherfehler::Keiner);
    EXPECT_TRUE(Sicherungen(pfad).empty());  // a new file has no earlier version
    for (int n = 1; n <= 6; ++n) {
        ASSERT_EQ(Ersetzen(pfad, Fall("Fassung " + std::to_string(n)), art),
                  Speicherfehler::Keiner);
        const auto s = Sicherungen(pfad);
        ASSERT_EQ(s.size(), static_cast<std::size_t>(std::min(n, 3))) << n;
        // Newest first: the versions before this save.
        for (std::size_t i = 0; i < s.size(); ++i)
            EXPECT_EQ(Inhalt(s[i]), Text(Fall("Fassung " + std::to_string(n - 1 - int(i)))));
    }
    EXPECT_EQ(Inhalt(pfad), Text(Fall("Fassung 6")));
    struct stat st;
    ASSERT_EQ(::stat(SicherungsVerzeichnis(pfad).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(Namensteil(SicherungsVerzeichnis(pfad)), SicherungsOrdnerName);
    EXPECT_EQ(SicherungsZeit(Sicherungen(pfad)[0]).size(), 19u);

    // Another case of the folder keeps its own; a save without backups adds none.
    ASSERT_EQ(Ersetzen(t / "Steuer2.S01", Fall("x")), Speicherfehler::Keiner);
    ASSERT_EQ(Ersetzen(t / "Steuer2.S01", Fall("y")), Speicherfehler::Keiner);
    EXPECT_TRUE(Sicherungen(t / "Steuer2.S01").empty());
    EXPECT_EQ(Sicherungen(pfad).size(), 3u);

    // An unreadable newest backup: the one before it is offered.
    const auto s = Sicherungen(pfad);
    Schreibe(s[0], "kaputt");
    EXPECT_EQ(NeuesteLesbareSicherung(pfad), s[1]);
    // A file that is no case is not kept as a backup.
    Schreibe(t / "Kein.S01", "kein Fall");
    EXPECT_FALSE(SicherungAnlegen(t / "Kein.S01"));
    // A save that fails keeps no backup of it.
    const std::size_t vorher = Sicherungen(pfad).size();
    class Voll : public Schreibkanal {
        ssize_t Schreibe(int, const uint8_t*, std::size_t) override { return -1; }
    } voll;
    art.kanal = &voll;
    EXPECT_EQ(Ersetzen(pfad, Fall("nie"), art), Speicherfehler::Schreibfehler);
    EXPECT_EQ(Sicherungen(pfad).size(), vorher);
    EXPECT_EQ(Inhalt(pfad), Text(Fall("Fassung 6")));
    EXPECT_FALSE(NeuesteLesbareSicherung(t / "Kein.S01"));
}
