// quarnel-cli amtsbescheid, vergleich, frist, einspruch: the tax office's
// notice kept with the case, its comparison with the own computation, the
// objection deadline and the Einspruch letter. Only "amtsbescheid" with
// --setze or --loeschen writes the case file, and then only the notice's own
// list record; everything else reads it.
#include "bescheidpruefung_cli.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "befehle.h"
#include "calc/betrag.h"
#include "case/falldatei.h"
#include "case/feldwerte.h"
#include "case/json.h"
#include "case/zeichensatz.h"
#include "results/bescheidpruefung.h"
#include "results/einspruch.h"
#include "results/einspruchsfrist.h"
#include "results/textdatei.h"

namespace quarnel::cli {

ErgebnisPdfSchreiber& ErgebnisPdf() {
    static ErgebnisPdfSchreiber s = nullptr;
    return s;
}

namespace {

constexpr int kWartenMs = 2000;

struct Fall {
    std::unique_ptr<CaseRecord> satz = std::make_unique<CaseRecord>();
    std::vector<uint8_t> abbild;
    Listensatz liste;  // the notice's list record
    AmtsBescheid amt;
};

int32_t HeuteSystem() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return TagesNummer(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

std::optional<int32_t> DatumLesen(const std::string& s) {
    if (s.size() != 10 || s[2] != '.' || s[5] != '.') return std::nullopt;
    const auto tag = DatumAusText(s);
    if (!tag || *tag == KeinDatum) return std::nullopt;
    return tag;
}

std::optional<Fall> Laden(const std::string& pfad, int& code) {
    // the same reader as every other command: the file checks and the case password
    std::vector<uint8_t> daten;
    if ((code = FallbildLesen(pfad, daten)) != 0) return std::nullopt;
    Fall f;
    f.abbild = std::move(daten);
    std::copy_n(f.abbild.begin(), CaseRecord::Groesse, f.satz->Bytes().begin());
    const std::size_t off = ListenOffset(BescheidListe);
    std::copy_n(f.abbild.begin() + off, Listensatz::Groesse, f.liste.bytes.begin());
    f.amt = AmtsBescheidLesen(f.liste);
    return f;
}

int Sichern(const std::string& pfad, Fall& f, Dateisperre& sperre) {
    AmtsBescheidSchreiben(f.amt, f.liste);
    std::copy(f.liste.bytes.begin(), f.liste.bytes.end(),
              f.abbild.begin() + ListenOffset(BescheidListe));
    Schreibart art;
    art.sperre = &sperre;
    const Speicherfehler fehler = Ersetzen(pfad, f.abbild, art);
    if (fehler == Speicherfehler::Keiner) return 0;
    Fehler(SpeicherfehlerText(fehler, pfad));
    return 1;
}

std::string U(const std::string& cp1252) {
    return Cp1252ZuUtf8(cp1252);
}
std::string Zahl(double x) {
    char b[48];
    std::snprintf(b, sizeof b, "%.2f", RundenCent(x));
    return b;
}
std::string JsonDatum(int32_t d) {
    return d < 0 ? "null" : "\"" + DatumText(d) + "\"";
}

void Ausgeben(const std::vector<std::string>& zeilen) {
    for (const std::string& z : zeilen) std::printf("%s\n", U(z).c_str());
}

// The common options: the file, --json, --heute.
struct Optionen {
    std::string pfad;
    bool json = false;
    int32_t heute = -1;
    std::vector<std::string> rest;  // options the command reads itself
};

int OptionenLesen(const std::vector<std::string>& args, Optionen& o,
                  const std::vector<std::string>& mitWert, const std::vector<std::string>& ohneWert) {
    o.heute = HeuteSystem();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto bekannt = [&](const std::vector<std::string>& v) {
            return std::find(v.begin(), v.end(), a) != v.end();
        };
        if (a == "--json") {
            o.json = true;
        } else if (a == "--heute") {
            if (i + 1 >= args.size()) return Fehler(a + " erwartet einen Wert");
            auto d = DatumLesen(args[++i]);
            if (!d) return Fehler("ungültiges Datum (TT.MM.JJJJ): " + args[i]);
            o.heute = *d;
        } else if (bekannt(mitWert)) {
            if (i + 1 >= args.size()) return Fehler(a + " erwartet einen Wert");
            o.rest.push_back(a);
            o.rest.push_back(args[++i]);
        } else if (bekannt(ohneWert)) {
            o.rest.push_back(a);
        } else if (!a.empty() && a[0] == '-') {
            return Fehler("unbekannte Option: " + a);
        } else if (o.pfad.empty()) {
            o.pfad = a;
        } else {
            o.rest.push_back(a);
        }
    }
    return 0;
}

// --- amtsbescheid ---------------------------------------------------------------------

void BescheidZeigen(const AmtsBescheid& b, bool json) {
    if (json) {
        std::printf("{\n  \"vorhanden\": %s", b.vorhanden ? "true" : "false");
        if (b.vorhanden) {
            std::printf(",\n  \"finanzamt\": %s,\n  \"steuernummer\": %s,\n  \"datum\": %s,\n"
                        "  \"aufgabe\": %s,\n  \"brief\": %s,\n  \"aussetzung\": %s,\n  \"vorlaeufig\": [",
                        JsonZeichenkette(U(b.finanzamt)).c_str(),
                        JsonZeichenkette(U(b.steuernummer)).c_str(), JsonDatum(b.bescheidDatum).c_str(),
                        JsonDatum(b.aufgabeDatum).c_str(), JsonDatum(b.briefDatum).c_str(),
                        b.aussetzung ? "true" : "false");
            const char* trenner = "";
            for (int i = 0; i < AnzahlVorlaeufig; ++i)
                if (b.vorlaeufig & (1u << i)) std::printf("%s%d", std::exchange(trenner, ", "), i + 1);
            std::printf("],\n  \"angefochten\": [");
            trenner = "";
            for (int i = 0; i < AnzahlPosten; ++i)
                if (b.angefochten & (uint64_t{1} << i))
                    std::printf("%s\"%s\"", std::exchange(trenner, ", "), Posten()[i].schluessel);
            std::printf("],\n  \"werte\": {");
            for (int i = 0; i < AnzahlPosten; ++i)
                std::printf("%s\n    \"%s\": %s", i ? "," : "", Posten()[i].schluessel,
                            Zahl(b.wert[i]).c_str());
            std::printf("\n  }");
        }
        std::printf("\n}\n");
        return;
    }
    if (!b.vorhanden) {
        std::printf("Kein Bescheid des Finanzamts erfasst.\n");
        return;
    }
    std::printf("finanzamt=%s\nsteuernummer=%s\ndatum=%s\naufgabe=%s\nbrief=%s\n",
                U(b.finanzamt).c_str(), U(b.steuernummer).c_str(),
                b.bescheidDatum < 0 ? "" : DatumText(b.bescheidDatum).c_str(),
                b.aufgabeDatum < 0 ? "" : DatumText(b.aufgabeDatum).c_str(),
                b.briefDatum < 0 ? "" : DatumText(b.briefDatum).c_str());
    std::string v, a;
    for (int i = 0; i < AnzahlVorlaeufig; ++i)
        if (b.vorlaeufig & (1u << i)) v += (v.empty() ? "" : ",") + std::to_string(i + 1);
    for (int i = 0; i < AnzahlPosten; ++i)
        if (b.angefochten & (uint64_t{1} << i)) a += (a.empty() ? "" : ",") + std::string(Posten()[i].schluessel);
    std::printf("vorlaeufig=%s\nangefochten=%s\naussetzung=%s\n", v.c_str(), a.c_str(),
                b.aussetzung ? "ja" : "nein");
    for (int i = 0; i < AnzahlPosten; ++i)
        std::printf("%s=%s\n", Posten()[i].schluessel, U(DMText(b.wert[i])).c_str());
}

// One NAME=WERT of --setze; an error text, or nothing.
std::optional<std::string> BescheidSetzen(AmtsBescheid& b, const std::string& zuweisung) {
    const auto gleich = zuweisung.find('=');
    if (gleich == std::string::npos) return "NAME=WERT erwartet: " + zuweisung;
    const std::string name = zuweisung.substr(0, gleich), wert = zuweisung.substr(gleich + 1);
    auto liste = [&](auto nummer) -> std::optional<std::string> {
        std::size_t p = 0;
        while (p < wert.size()) {
            const std::size_t e = std::min(wert.find(',', p), wert.size());
            if (auto f = nummer(wert.substr(p, e - p))) return f;
            p = e + 1;
        }
        return std::nullopt;
    };
    if (name == "datum" || name == "aufgabe" || name == "brief") {
        int32_t d = -1;
        if (!wert.empty()) {
            auto t = DatumLesen(wert);
            if (!t) return "ungültiges Datum (TT.MM.JJJJ): " + wert;
            d = *t;
        }
        (name == "datum" ? b.bescheidDatum : name == "aufgabe" ? b.aufgabeDatum : b.briefDatum) = d;
    } else if (name == "finanzamt" || name == "steuernummer") {
        std::string t = Utf8ZuCp1252(wert);
        if (t.size() > 40) t.resize(40);
        (name == "finanzamt" ? b.finanzamt : b.steuernummer) = t;
    } else if (name == "aussetzung") {
        if (wert != "ja" && wert != "nein") return "aussetzung=ja oder nein";
        b.aussetzung = wert == "ja";
    } else if (name == "vorlaeufig") {
        b.vorlaeufig = 0;
        return liste([&](const std::string& n) -> std::optional<std::string> {
            if (n.size() != 1 || n[0] < '1' || n[0] > '0' + AnzahlVorlaeufig)
                return "vorlaeufig erwartet Nummern 1 bis " + std::to_string(AnzahlVorlaeufig);
            b.vorlaeufig |= 1u << (n[0] - '1');
            return std::nullopt;
        });
    } else if (name == "angefochten") {
        b.angefochten = 0;
        return liste([&](const std::string& n) -> std::optional<std::string> {
            auto i = PostenSuchen(n);
            if (!i) return "unbekannter Posten: " + n;
            b.angefochten |= uint64_t{1} << *i;
            return std::nullopt;
        });
    } else if (auto i = PostenSuchen(name)) {
        if (Posten()[*i].format == PostenFormat::Tabelle) {
            if (wert != "Grundtabelle" && wert != "Splitting" && wert != "1" && wert != "2")
                return "Tarif=Grundtabelle oder Splitting";
            b.wert[*i] = wert == "Splitting" || wert == "2" ? 2 : 1;
            return std::nullopt;
        }
        const auto v = BetragAusText(wert);
        if (!v) return "ungültiger Betrag für " + name + ": " + wert;
        b.wert[*i] = *v;
    } else {
        return "unbekannter Name: " + name;
    }
    return std::nullopt;
}

int Amtsbescheid(const std::vector<std::string>& args) {
    Optionen o;
    if (int c = OptionenLesen(args, o, {}, {"--setze", "--loeschen"}); c) return c;
    if (o.pfad.empty())
        return Fehler("Aufruf: amtsbescheid DATEI [--json] | --setze NAME=WERT... | --loeschen");
    bool setzen = false, loeschen = false;
    std::vector<std::string> zuweisungen;
    for (const std::string& r : o.rest) {
        if (r == "--setze") setzen = true;
        else if (r == "--loeschen") loeschen = true;
        else zuweisungen.push_back(r);
    }
    if (!setzen && !loeschen) {
        if (!zuweisungen.empty()) return Fehler("amtsbescheid erwartet genau eine Datei");
        int code;
        auto f = Laden(o.pfad, code);
        if (!f) return code;
        BescheidZeigen(f->amt, o.json);
        return 0;
    }
    if (setzen == loeschen || (setzen && zuweisungen.empty()))
        return Fehler("amtsbescheid: --setze NAME=WERT... oder --loeschen");
    Dateisperre sperre;
    if (sperre.Nehmen(o.pfad, kWartenMs) == Speicherfehler::Gesperrt) {
        Fehler(SpeicherfehlerText(Speicherfehler::Gesperrt, o.pfad));
        return 1;
    }
    int code;
    auto f = Laden(o.pfad, code);
    if (!f) return code;
    if (loeschen) {
        f->amt = AmtsBescheid{};
    } else {
        // the first figures: every line prefilled with the program's own value
        if (!f->amt.vorhanden) f->amt = AmtsBescheidVorbelegen(*f->satz);
        for (const std::string& z : zuweisungen)
            if (auto fehler = BescheidSetzen(f->amt, z)) return Fehler(*fehler);
    }
    return Sichern(o.pfad, *f, sperre);
}

// --- vergleich, frist -----------------------------------------------------------------

void FristJson(const Einspruchsfrist& f, int32_t heute, const char* einzug) {
    std::printf("%s\"bekanntgabe\": %s,\n%s\"fristende\": %s,\n%s\"tage\": %s,\n%s\"abgelaufen\": %s",
                einzug, JsonDatum(f.bekanntgabe).c_str(), einzug, JsonDatum(f.ende).c_str(), einzug,
                f.ende < 0 ? "null" : std::to_string(TageBisFristende(f, heute)).c_str(), einzug,
                f.ende >= 0 && heute > f.ende ? "true" : "false");
}

int Vergleich(const std::vector<std::string>& args) {
    Optionen o;
    if (int c = OptionenLesen(args, o, {}, {}); c) return c;
    if (o.pfad.empty() || !o.rest.empty())
        return Fehler("Aufruf: vergleich DATEI [--json] [--heute TT.MM.JJJJ]");
    int code;
    auto f = Laden(o.pfad, code);
    if (!f) return code;
    if (!f->amt.vorhanden) {
        std::fprintf(stderr, "quarnel-cli: Es ist kein Bescheid des Finanzamts erfasst (%s).\n",
                     o.pfad.c_str());
        return 1;
    }
    const Bescheidvergleich v = BescheidVergleichen(*f->satz, f->amt);
    const int land = f->satz->Int(Feld::BundeslandLb);
    if (!o.json) {
        Ausgeben(VergleichText(v, f->amt, land, o.heute, VergleichsteilHinweis(*f->satz)));
        return 0;
    }
    static const char* const befunde[] = {"gleich", "abweichung", "folge", "unerklaert"};
    std::printf("{\n  \"zeilen\": [");
    for (std::size_t i = 0; i < v.zeilen.size(); ++i) {
        const Postenvergleich& z = v.zeilen[i];
        std::printf("%s\n    {\"posten\": \"%s\", \"eigen\": %s, \"amt\": %s, \"differenz\": %s, "
                    "\"befund\": \"%s\"",
                    i ? "," : "", Posten()[z.posten].schluessel, Zahl(z.eigen).c_str(),
                    Zahl(z.amt).c_str(), Zahl(z.differenz).c_str(),
                    befunde[static_cast<int>(z.befund)]);
        if (z.befund == Befund::Abweichung)
            std::printf(", \"steuerwirkung\": %s, \"saldowirkung\": %s", Zahl(z.wirkung.steuer).c_str(),
                        Zahl(z.wirkung.saldo).c_str());
        std::printf("}");
    }
    std::printf("\n  ],\n  \"abweichungen\": %zu,\n  \"saldoEigen\": %s,\n  \"saldoAmt\": %s,\n"
                "  \"saldoDifferenz\": %s,\n  \"saldoErklaert\": %s,\n  \"steuerwirkung\": %s,\n"
                "  \"frist\": {\n",
                v.Abweichungen().size(), Zahl(v.saldoEigen).c_str(), Zahl(v.saldoAmt).c_str(),
                Zahl(v.saldoDifferenz).c_str(), Zahl(v.saldoErklaert).c_str(),
                Zahl(v.gesamt.steuer).c_str());
    FristJson(FristBerechnen(f->amt.aufgabeDatum, land), o.heute, "    ");
    std::printf("\n  }\n}\n");
    return 0;
}

int Frist(const std::vector<std::string>& args) {
    Optionen o;
    if (int c = OptionenLesen(args, o, {"--aufgabe", "--land"}, {}); c) return c;
    int32_t aufgabe = -1;
    int land = -1;
    bool direkt = false;
    for (std::size_t i = 0; i + 1 < o.rest.size(); i += 2) {
        direkt = true;
        if (o.rest[i] == "--aufgabe") {
            auto d = DatumLesen(o.rest[i + 1]);
            if (!d) return Fehler("ungültiges Datum (TT.MM.JJJJ): " + o.rest[i + 1]);
            aufgabe = *d;
        } else {
            const std::string& w = o.rest[i + 1];
            if (w.empty() || w.size() > 2 || w.find_first_not_of("0123456789-") != std::string::npos ||
                std::stoi(w) < -1 || std::stoi(w) > 15)
                return Fehler("--land erwartet die Nummer des Bundeslands (0 bis 15, -1 keins): " + w);
            land = std::stoi(w);
        }
    }
    if (o.rest.size() % 2) return Fehler("frist erwartet genau eine Datei");
    if (!o.pfad.empty()) {
        int code;
        auto f = Laden(o.pfad, code);
        if (!f) return code;
        if (aufgabe < 0) aufgabe = f->amt.aufgabeDatum;
        if (land == -1) land = f->satz->Int(Feld::BundeslandLb);
    } else if (!direkt) {
        return Fehler("Aufruf: frist DATEI | --aufgabe TT.MM.JJJJ [--land N] [--heute TT.MM.JJJJ] [--json]");
    }
    if (aufgabe < 0) {
        std::fprintf(stderr, "quarnel-cli: Das Datum der Aufgabe zur Post fehlt.\n");
        return 1;
    }
    const Einspruchsfrist f = FristBerechnen(aufgabe, land);
    if (o.json) {
        std::printf("{\n  \"aufgabe\": %s,\n", JsonDatum(aufgabe).c_str());
        FristJson(f, o.heute, "  ");
        std::printf("\n}\n");
        return 0;
    }
    const int tage = TageBisFristende(f, o.heute);
    std::printf("Aufgabe zur Post: %s, %s\nBekanntgabe:      %s, %s%s\nFristende:        %s, %s%s\n%s\n",
                WochentagName(aufgabe), DatumText(aufgabe).c_str(), WochentagName(f.bekanntgabe),
                DatumText(f.bekanntgabe).c_str(),
                f.bekanntgabeVerschoben ? " (verschoben auf den nächsten Werktag)" : "",
                WochentagName(f.ende), DatumText(f.ende).c_str(),
                f.endeVerschoben ? " (verschoben auf den nächsten Werktag)" : "",
                tage < 0    ? "Die Einspruchsfrist ist abgelaufen."
                : tage == 0 ? "Die Einspruchsfrist endet heute."
                            : ("Noch " + std::to_string(tage) + (tage == 1 ? " Tag." : " Tage.")).c_str());
    return 0;
}

// --- einspruch ------------------------------------------------------------------------

int Einspruch(const std::vector<std::string>& args) {
    Optionen o;
    if (int c = OptionenLesen(args, o, {"--text", "--pdf", "--datum"}, {"--dos"}); c) return c;
    std::string text, pdf;
    bool dos = false;
    int32_t datum = -1;
    for (std::size_t i = 0; i < o.rest.size(); ++i) {
        const std::string& r = o.rest[i];
        if (r == "--dos") {
            dos = true;
        } else if (r == "--text" || r == "--pdf" || r == "--datum") {
            const std::string& w = o.rest[++i];
            if (r == "--datum") {
                auto d = DatumLesen(w);
                if (!d) return Fehler("ungültiges Datum (TT.MM.JJJJ): " + w);
                datum = *d;
            } else {
                (r == "--text" ? text : pdf) = w;
            }
        } else {
            return Fehler("einspruch erwartet genau eine Datei");
        }
    }
    if (o.pfad.empty())
        return Fehler("Aufruf: einspruch DATEI [--datum TT.MM.JJJJ] [--text BRIEF.TXT [--dos]] [--pdf BRIEF.pdf]");
    if (dos && text.empty()) return Fehler("--dos gilt nur mit --text");
    if (!pdf.empty() && !ErgebnisPdf()) return Fehler("--pdf: dieses Programm wurde ohne Druckausgabe gebaut");
    int code;
    auto f = Laden(o.pfad, code);
    if (!f) return code;
    for (const std::string& aus : {text, pdf})
        if (!aus.empty() && DieselbeDatei(aus, o.pfad))
            return Fehler("Der Brief würde den Fall überschreiben: " + aus);
    if (datum >= 0) f->amt.briefDatum = datum;
    const Bescheidvergleich v = BescheidVergleichen(*f->satz, f->amt);
    const Einspruchsbrief b =
        EinspruchErstellen(*f->satz, f->amt, v, AngefochteneZeilen(v, f->amt), o.heute);
    if (b.fehler != EinspruchFehler::Keiner) {
        std::fprintf(stderr, "quarnel-cli: %s\n", b.meldung.c_str());
        return 1;
    }
    if (!text.empty()) {
        if (ErgebnisSpeichern(text, b.zeilen, !dos) != TextdateiFehler::Keiner) {
            std::fprintf(stderr, "quarnel-cli: Schreibfehler (%s)\n", text.c_str());
            return 1;
        }
    }
    if (!pdf.empty()) {
        Ergebnistext e;
        e.zeilen = b.zeilen;
        if (!ErgebnisPdf()(e, pdf)) {
            std::fprintf(stderr, "quarnel-cli: PDF nicht geschrieben: %s\n", pdf.c_str());
            return 1;
        }
    }
    if (text.empty() && pdf.empty()) Ausgeben(b.zeilen);
    return 0;
}

const BefehlEintrag kAmtsbescheid(
    "amtsbescheid", "amtsbescheid DATEI [--json | --setze NAME=WERT... | --loeschen]",
    "zeigt oder setzt die Werte des Bescheids vom Finanzamt (NAME: Posten wie EkNsaEr, LSt, "
    "Tarif; datum, aufgabe, brief, finanzamt, steuernummer, vorlaeufig, angefochten, aussetzung)",
    &Amtsbescheid);
const BefehlEintrag kVergleich("vergleich", "vergleich DATEI [--json] [--heute TT.MM.JJJJ]",
                               "vergleicht den Bescheid des Finanzamts mit der eigenen Berechnung",
                               &Vergleich);
const BefehlEintrag kFrist(
    "frist", "frist DATEI | --aufgabe TT.MM.JJJJ [--land N] [--heute TT.MM.JJJJ] [--json]",
    "berechnet Bekanntgabe und Ende der Einspruchsfrist", &Frist);
const BefehlEintrag kEinspruch(
    "einspruch",
    "einspruch DATEI [--datum TT.MM.JJJJ] [--text BRIEF.TXT [--dos]] [--pdf BRIEF.pdf]",
    "schreibt den Einspruch gegen die Abweichungen des Bescheids", &Einspruch);

}  // namespace
}  // namespace quarnel::cli
