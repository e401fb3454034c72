// The annexes of the notice (loss offset, capital income, business and
// self-employment profits, private sales) and the explanations block.
#include <string>

#include "calc/betrag.h"
#include "results/bescheid.h"

namespace quarnel {
namespace {

std::string F11(double x) {
    return FormatMaske("#######,## ", x);
}
std::string F12(double x) {
    return FormatMaske("#######,##  ", x);
}
std::string F13(double x) {
    return FormatMaske("  #######,## ", x);
}
std::string Getrimmt(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}
// label followed by blanks and cut to n characters
std::string Spalte(const std::string& label, int n) {
    return (label + std::string(30, ' ')).substr(0, std::size_t(n));
}

class Anlagen {
  public:
    Anlagen(BescheidSchreiber& s, const CalcInput& e, const CalcResult& r)
        : s_(s), e_(e), r_(r), zusammen_(e.FlagZusammen != 0) {}

    void Verlustausgleich();
    void Kapital();
    void Gewinn(bool gewerbe);
    void Veraeusserungen();
    void Erlaeuterungen();

  private:
    void Z(const char* utf8) { s_.Zeile(Ansi(utf8)); }
    void VaZeile(const char* label, int a, int b, int c, int d);
    void KapitalPerson(int p);
    void HalbeinkuenfteKopf();
    void HalbeinkuenfteSchluss();

    BescheidSchreiber& s_;
    const CalcInput& e_;
    const CalcResult& r_;
    bool zusammen_;
};

void Anlagen::VaZeile(const char* label, int a, int b, int c, int d) {
    const double* va = r_.VaTabelle;
    if (!UeberTausendstel(va[a]) && !UeberTausendstel(va[b]) && !UeberTausendstel(va[c]) &&
        !UeberTausendstel(va[d]))
        return;
    std::string z = Spalte(Ansi(label), 28) + F11(va[a]) + F11(va[b]);
    if (zusammen_) z += F11(va[c]) + F11(va[d]);
    s_.Zeile(z);
}

void Anlagen::Verlustausgleich() {
    s_.Leerzeilen(3);
    Z("Anlage: Verlustausgleich (VA) nach § 2Abs.3 EStG");
    s_.Leerzeilen(1);
    s_.Zeile(std::string(35, ' ') + "Ehemann               Ehefrau");
    s_.Zeile(Ansi("Einkünfte") + std::string(22, ' ') + "positiv    negativ    positiv    negativ");
    static const char* const arten[7] = {
        "-Nichtselbst. Arbeit", "-Kapitaleinkünfte",  "-Vermietung/Verpachtung", "-Gewerbebetrieb",
        "-Selbst. Tätigkeit",   "-Land- und Forstw.", "-Sonstige Einkünfte"};
    for (int t = 0; t < 7; ++t) VaZeile(arten[t], t, 14 + t, 7 + t, 21 + t);
    s_.Zeile(Striche(71));
    VaZeile("Summe pos./neg. Einkünfte", 28, 30, 29, 31);
    VaZeile("VA bis max 100 Tsd. DM", 32, 34, 33, 35);
    s_.Zeile(Striche(71));
    VaZeile("Zwischensumme", 36, 38, 37, 39);
    VaZeile("VA max 50%", 40, 42, 41, 43);
    s_.Zeile(Striche(71));
    VaZeile("Summe nach persönl. VA", 44, 46, 45, 47);
    s_.Zeile("");
    if (zusammen_) s_.Zeile("Nach VA zwischen Ehegatten  ");
    const bool einzel = e_.FlagEinzel != 0;
    const double* va = r_.VaTabelle;
    s_.Zeile("- positiv =");
    s_.Zeile(Spalte(Ansi("  Summe der Einkünfte"), 28) + F11(va[48]) + std::string(11, ' ') +
             (einzel ? "" : F11(va[49])));
    s_.Zeile("- negativ =");
    s_.Zeile(Spalte(Ansi("  Verlustabzug §10d ESTG"), 28) + std::string(11, ' ') + F11(va[50]) +
             std::string(11, ' ') + (einzel ? "" : F11(va[51])));
    s_.Zeile("");
    s_.Zeile("");
}

void Anlagen::KapitalPerson(int p) {
    s_.Zeile(Ansi("Zinsen, Erträge für die"));
    s_.Zeile("das Halbteilungsverfahren");
    s_.Zeile(Spalte(" - nicht gilt", 25) + F12(e_.SuNichtHalb1(p)) + F12(e_.SuNichtHalb2(p)) +
             F12(e_.SuNichtHalb3(p)) + F12(e_.SuNichtHalb4(p)));
    s_.Zeile(Spalte(" - gilt", 25) + F12(e_.SuHalb1(p)) + F12(e_.SuHalb2(p)) + F12(e_.SuHalb3(p)) +
             F12(e_.SuHalb4(p)));
    s_.Zeile(std::string(49, ' ') + Striche(22));
    s_.Zeile("Summe" + std::string(44, ' ') + F12(e_.SuEinVoll(p) + e_.SuEinHalb(p)) +
             F12(e_.SuWkVoll(p) + e_.SuWkHalb(p)));
}

void Anlagen::Kapital() {
    auto halbteil = [&](int p) {
        return IstNichtNull(e_.SuEinHalb(p)) || IstNichtNull(e_.SuWkHalb(p));
    };
    const bool auslSteuer =
        CentPositiv(r_.AuslSteuerAnrechnung) || CentPositiv(r_.AuslSteuerAbzug);
    if (!halbteil(0) && !(zusammen_ && halbteil(1)) && !auslSteuer) return;
    s_.Leerzeilen(3);
    Z("Anlage: Berechnung der Kapitaleinkünfte");
    s_.Zeile(Striche(39));
    s_.Zeile(std::string(33, ' ') + Ansi("Eingabe             Berücksichtigung"));
    s_.Zeile(std::string(27, ' ') + "Einnahme   W.-kosten    Einnahme   W.-kosten");
    s_.Zeile("Steuerpflichtiger");
    KapitalPerson(0);
    if (zusammen_) {
        s_.Zeile("");
        s_.Zeile("");
        s_.Zeile("Ehegatte");
        KapitalPerson(1);
    }
    s_.Zeile("");
    s_.Zeile("");
    Z("Unter Summe werden die bei der Steuerberechnung berücksichtigten");
    Z("Erträge und Werbungskosten ausgewiesen.");
    s_.Zeile("");
    Z("Kapitalerträge, für die das Halbteilungsverfahren gilt, werden nur");
    Z("zu 50% angerechnet. Dagegen werden Kapitalerträge, für die das");
    Z("Halbteilungsverfahren nicht gilt, voll berücksichtigt. Dies gilt");
    Z("auch für die jeweiligen Werbungskosten.");
    s_.Zeile("");
    Z("Weiter werden berücksichtigt:");
    s_.Zeile("- Kapitalertrag- und Zinsabschlagsteuer " + F12(e_.KapEStAnrechIn));
    s_.Zeile(Ansi("- Körperschaftsteuer") + std::string(20, ' ') + F12(e_.KStAnrechIn));
    s_.Zeile("- Solidarzuschlag" + std::string(23, ' ') + F12(e_.SoliKapEStIn));
    s_.Zeile(Ansi("- Vergütete Körperschaftsteuer") + std::string(10, ' ') + F12(e_.KStVerguetIn));
    // §34c EStG: which of the two ways the foreign taxes went
    if (CentPositiv(r_.AuslSteuerAnrechnung))
        s_.Zeile(Spalte(Ansi("- Ausländische Steuern angerechnet (§ 34c Abs. 1 EStG)"), 56) +
                 F12(r_.AuslSteuerAnrechnung));
    else if (CentPositiv(r_.AuslSteuerAbzug))
        s_.Zeile(Spalte(Ansi("- Ausländische Steuern abgezogen (§ 34c Abs. 2 EStG)"), 56) +
                 F12(r_.AuslSteuerAbzug));
}

void Anlagen::HalbeinkuenfteKopf() {
    s_.Zeile(std::string(31, ' ') + Ansi("Halbeinkünfteverfahren") + std::string(4, ' ') +
             "Anrechnung");
    s_.Textzeile(1, std::string(29, ' ') + "      gilt   gilt nicht");
}

void Anlagen::HalbeinkuenfteSchluss() {
    s_.Leerzeilen(1);
    Z("Gewinne, für die das Halbeinkünfteverfahren gilt, werden bei der");
    Z("Steuerberechnung nur zu 50% angerechnet.");
    Z("Bei der Kirchensteuerberechnung dagegen werden diese Gewinne immer");
    Z("zu 100% berücksichtigt.");
}

void Anlagen::Gewinn(bool gewerbe) {
    struct Teile {
        double halbTeil, netto, vgVoll, vgHalb, fb;
    };
    auto teile = [&](int p) {
        return gewerbe ? Teile{e_.GewEinkHalbTeil(p), e_.GewEinkNetto(p), e_.GewVeraeussR1(p),
                               e_.GewVeraeussR2(p), e_.VG55DMFb(p)}
                       : Teile{e_.SelbEinkHalbTeil(p), e_.SelbEinkNetto(p), e_.SelbVeraeussR1(p),
                               e_.SelbVeraeussR2(p), e_.VG55LjDmFb(p)};
    };
    const int personen = zusammen_ ? 2 : 1;
    bool schreiben = false;
    for (int p = 0; p < personen; ++p)
        schreiben = schreiben || IstNichtNull(teile(p).halbTeil) || IstNichtNull(teile(p).vgHalb);
    if (!schreiben) return;

    s_.Leerzeilen(3);
    if (gewerbe) {
        Z("Anlage: Einkünfte aus Gewerbebetrieb");
        s_.Zeile(Striche(36));
        Z("Im Gewinn aus Gewerbebetrieb sind Beträge enthalten, die nach dem");
        Z("Halbeinkünfteverfahren zu versteuern sind:");
    } else {
        Z("Anlage: Einkünfte aus selbständiger Arbeit");
        s_.Zeile(Striche(42));
        Z("Im Gewinn aus selbständiger Arbeit sind Beträge enthalten, die nach");
        Z("dem Halbeinkünfteverfahren zu versteuern sind:");
    }
    s_.Leerzeilen(1);
    HalbeinkuenfteKopf();
    for (int p = 0; p < personen; ++p) {
        const Teile t = teile(p);
        const std::string prefix = p == 0 ? "Steuerpfl. " : "Ehegatte   ";
        if (IstNichtNull(t.halbTeil))
            s_.Textzeile(1, prefix + "Gewinn" + std::string(10, ' ') + F13(t.halbTeil) +
                                F13(t.netto) + " " + F13(t.netto + AbrundenDM(t.halbTeil / 2)));
        if (IstNichtNull(t.vgHalb))
            s_.Textzeile(1, prefix + Ansi("Veräuß.-gewinn") + "  " + F13(t.vgHalb) + F13(t.vgVoll) +
                                " " + F13(t.vgVoll + AbrundenDM(t.vgHalb / 2)));
    }
    const double fbEr = teile(0).fb, fbSie = zusammen_ ? teile(1).fb : 0;
    if ((zusammen_ && CentPositiv(fbSie)) || CentPositiv(fbEr)) {
        s_.Leerzeilen(1);
        Z("Folgender Freibetrag für Veräußerungsgewinne wurde berücksichtigt:");
        s_.Zeile("Steuerpflichtiger" + F13(fbEr));
        if (zusammen_) s_.Zeile("Ehegatte         " + F13(fbSie));
    }
    HalbeinkuenfteSchluss();
}

void Anlagen::Veraeusserungen() {
    auto teil = [&](int p, int k) { return e_.SpekTeilErg(p)[k]; };
    auto halb = [&](int p) {
        return IstNichtNull(AbrundenDM(teil(p, 2) / 2) + AbrundenDM(teil(p, 5) / 2));
    };
    if (!halb(0) && !(zusammen_ && halb(1))) return;
    s_.Leerzeilen(3);
    Z("Anlage: Private Veräußerungsgeschäfte");
    s_.Zeile(Striche(37));
    Z("In den Einkünften aus Privaten Veräußerungsgeschäften sind Beträge");
    Z("enthalten, die nach dem Halbeinkünfteverfahren zu versteuern sind:");
    s_.Leerzeilen(1);
    HalbeinkuenfteKopf();
    for (int p = 0; p < (zusammen_ ? 2 : 1); ++p) {
        struct Zeile {
            const char* label;
            double g, n, h;
        };
        const Zeile zeilen[5] = {
            {"Grundstücke       ", 0, teil(p, 0), 0},
            {"Wirt.-güter       ", teil(p, 2), teil(p, 1), AbrundenDM(teil(p, 2) / 2)},
            {"Termingeschäfte   ", 0, teil(p, 3), 0},
            {"Anteile           ", teil(p, 5), teil(p, 4), AbrundenDM(teil(p, 5) / 2)},
            {"Vorjahrverlust    ", 0, teil(p, 6), 0},
        };
        for (const Zeile& z : zeilen)
            if (IstNichtNull(z.g) || IstNichtNull(z.n))
                s_.Textzeile(1, (p == 0 ? "Stpfl.   " : "Ehegatte ") + Ansi(z.label) + F13(z.g) +
                                    F13(z.n) + " " + F13(z.n + z.h));
    }
    HalbeinkuenfteSchluss();
}

std::string Dm(const char* maske, double x) {
    return Getrimmt(FormatMaske(maske, x));
}

void Anlagen::Erlaeuterungen() {
    const CalcResult& r = r_;
    s_.Leerzeilen(2);
    s_.BlockBeginn();
    Z("Erläuterungen:");
    s_.Zeile("--------------");
    s_.Leerzeilen(1);
    Z("Alle Beträge sind in DM ausgewiesen. Erst ab dem Veranlagungsjahr");
    Z("2002 werden die Beträge in Euro festgesetzt.");
    auto notiz = [&]() { s_.Leerzeilen(1); };
    if (UeberTausendstel(r.KindFbVorteil)) {
        notiz();
        Z("Die Kinderfreibeträge/Betreuungsfreibeträge mindern Ihre");
        s_.Zeile("Steuerlast um " + Dm("  #######,## DM.", r.KindFbErsparnis));
    }
    if (UeberTausendstel(r.KindergeldHinzu)) {
        notiz();
        Z("Der steuerliche Vorteil von Kinderfreibeträgen ist für Sie höher");
        Z("als das erhaltene Kindergeld.");
        Z("Da Sie entweder Kindergeld  o d e r  Kinderfreibeträge erhalten,");
        Z("wird bei der Abrechnung ein bereits gezahltes Kindergeld in Höhe");
        s_.Zeile("von " + Dm("  #######,## DM", r.KindergeldHinzu) + " gegengerechnet.");
    }
    if (r.KindFbZuschlag > 0.01) {
        notiz();
        Z("Bei der Berechnung der Kirchensteuer/Solidarzuschlag wurden Kinder-");
        s_.Zeile(Ansi("ermäßigungen in Höhe von ") + Dm("#####,## DM", r.KindFbZuschlag) +
                 Ansi(" berücksichtigt"));
    }
    if (UeberTausendstel(r.ArbnSparzulage)) {
        notiz();
        s_.Zeile(Ansi("Ihr Anspruch auf Arbeitnehmer-Sparzulage beträgt ") +
                 Dm("  #######,## DM.", r.ArbnSparzulage));
        Z("Die Sparzulage wird erst bei Fälligkeit des Vertrags auf das Ver-");
        Z("tragskonto abgerechnet.");
    }
    if (CentPositiv(e_.VlBausparenEr + e_.VlBeteiligungEr + e_.VlBausparenSie +
                    e_.VlBeteiligungSie) &&
        !CentNichtNull(r.ArbnSparzulage)) {
        notiz();
        Z("Sie erhalten keine Arbeitnehmersparzulage für dieses Jahr.");
    }
    if (r.FlagProgVorbehalt) {
        notiz();
        s_.Zeile(Ansi("Einkünfte unter Progressionsvorbehalt: ") +
                 Dm("  #######,## DM", e_.ProgWeitereEr + e_.ProgWeitereSie + e_.ProgEinkEr +
                                           e_.ProgEinkSie + e_.ProgLohnEr + e_.ProgLohnSie));
        Z("Auf das zu versteuernde Einkommen wurden zur Errechnung des maß-");
        Z("geblichen Steuersatzes die angegeben steuerfreien Einnahmen");
        Z("addiert. Der so erhöhte Steuersatz wurde dann auf das zu ver-");
        Z("steuernde Einkommen bezogen.");
    }
    if (CentPositiv(r.Durchschnittssteuersatz)) {
        notiz();
        s_.Zeile(Dm("##,##%", r.Durchschnittssteuersatz) +
                 " des zu versteuernden Einkommens zahlen Sie an Steuern.");
        s_.Zeile(Dm("##,##%", r.Grenzsteuersatz) +
                 Ansi(" beträgt aber Ihr persönlicher Spitzensteuersatz, der Maßstab"));
        Z("für das Sparen von Steuern ist. Dies bedeutet, wenn Sie 100 DM mehr");
        s_.Zeile("an Kosten haben, so wirkt sich dies mit " +
                 Dm("  #######,## DM", r.Grenzsteuersatz) + " aus und nicht nur");
        s_.Zeile("mit " + Dm("  #######,## DM", r.Durchschnittssteuersatz) + ".");
        Z("Grund dafür ist der mit dem Einkommen steigende Steuersatz.");
    }
    if (r.Wohnungsbaupraemie > 0.01) {
        notiz();
        Z("Für Bausparleistungen, die nicht VWL begünstigt sind, kann");
        s_.Zeile(Ansi("höchstens folgende Wohnungsbauprämie beantragt werden: ") +
                 FormatMaske("###,## DM.", 0.1 * r.ParamWopHoechst * r.ParamFaktor));
    }
    if (r.ZumutbareBelastung > 0.01) {
        notiz();
        Z("Außergewöhnliche Belastungen wie z.B. Krankheitskosten wirken sich");
        Z("bei Ihnen steuerlich nur aus, soweit sie die zumutbare Belastung");
        Z("übersteigen.");
        s_.Zeile(Ansi("Die zumutbare Belastung beträgt in Ihrem Fall ") +
                 Dm("  #######,## DM.", r.ZumutbareBelastung));
        s_.Zeile(Ansi("Zahl Kinder mit Freibeträgen (vgl. außergew. Belastungen): ") +
                 Dm("## Kinder", e_.AnzahlKinder));
    }
    if (r.HaushaltsFb > 0.01) {
        notiz();
        Z("Aufgrund Ihrer Angaben zur Anzahl der (im Haushalt lebenden) Kinder");
        Z("berücksichtigt das Programm einen Haushaltsfreibetrag. Sollten Sie");
        Z("Kinderfreibeträge haben, die Kinder jedoch nicht in Ihrem Haus-");
        Z("halt leben, so korrigieren Sie ggf. Ihre Angaben zu Kinder!");
    }
    if (IstPositiv(e_.LohnZusatzEr) || (IstPositiv(e_.LohnZusatzSie) && zusammen_)) {
        notiz();
        Z("Der steuerfrei belassene Arbeitslohn aufgrund geringfügiger");
        Z("Beschäftigung wurde in den Bruttolohn einbezogen, da weitere");
        Z("Einkünfte vorlagen.");
        if (IstPositiv(e_.LohnZusatzEr))
            s_.Zeile("Beim Steuerpflichtigen: " + FormatMaske("  #######,## DM.", e_.LohnZusatzEr));
        if (IstPositiv(e_.LohnZusatzSie))
            s_.Zeile("Beim Ehegatten:         " +
                     FormatMaske("  #######,## DM.", e_.LohnZusatzSie));
    }
    s_.Leerzeilen(1);
    s_.Zeile("Berechnet mit Quarnel 2001/2002 - weitere Steuertipps in der Hilfe.");
    s_.BlockEnde();
}

}  // namespace

void BescheidAnlagen(BescheidSchreiber& s, const CalcInput& e, const CalcResult& r) {
    Anlagen a(s, e, r);
    if (r.FlagMindestbesteuerung) a.Verlustausgleich();
    a.Kapital();
    a.Gewinn(true);
    a.Gewinn(false);
    a.Veraeusserungen();
    a.Erlaeuterungen();
}

}  // namespace quarnel
