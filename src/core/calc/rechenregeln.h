// The one table of the explanation: per step of a pass its rule, its
// paragraph of the law and its rounding. Compile-time data, so that a pass
// can round by the rounding its rule declares at no cost.
#pragma once

#include <string_view>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/erklaerung.h"

namespace quarnel {
namespace regeln {

using V = Verfahren;
using R = Rundung;

inline constexpr Rechenregel Tabelle[] = {
    {"SummeEk", "Summe der Einkünfte nach dem Verlustausgleich, beide Ehegatten", "§ 2 Abs. 3 EStG",
     V::Summe, R::Keine},
    {"Einkunftsart",
     "Einkünfte einer Einkunftsart (1 nichtselbständige Arbeit, 2 Kapitalvermögen, 3 Vermietung, "
     "4 Gewerbebetrieb, 5 selbständige Arbeit, 6 Land- und Forstwirtschaft, 7 sonstige)",
     "§ 2 Abs. 1, 2 EStG", V::Summe, R::Keine},
    {"SummeEkMindestbesteuerung",
     "Summe der Einkünfte nach dem beschränkten Verlustausgleich: Verluste über 100.000 DM "
     "(200.000 DM) nur bis zur Hälfte der übrigen positiven Einkünfte",
     "§ 2 Abs. 3 Satz 2 bis 8 EStG", V::Verlustausgleich, R::Keine},
    {"SummeEkEr", "Summe der Einkünfte des Steuerpflichtigen aus den sieben Einkunftsarten",
     "§ 2 Abs. 1, 2 EStG", V::Summe, R::Keine},
    {"SummeEkSie", "Summe der Einkünfte der Ehefrau aus den sieben Einkunftsarten",
     "§ 2 Abs. 1, 2 EStG", V::Summe, R::Keine},
    {"GesamtbetragEk",
     "Summe der Einkünfte abzüglich Altersentlastungsbetrag und Freibetrag für Land- und "
     "Forstwirte",
     "§ 2 Abs. 3, §§ 13 Abs. 3, 24a EStG", V::Summe, R::Keine},
    {"Einkommen",
     "Gesamtbetrag der Einkünfte abzüglich Sonderausgaben, außergewöhnlicher Belastungen, "
     "Wohneigentumsförderung und Verlustabzug",
     "§ 2 Abs. 4 EStG", V::Summe, R::Keine},
    {"HaushaltsFb", "Haushaltsfreibetrag", "§ 32 Abs. 7 EStG", V::Summe, R::Keine},
    {"ZvE",
     "Einkommen abzüglich Freibeträge für Kinder, Haushaltsfreibetrag und Härteausgleich, "
     "mindestens 0",
     "§ 2 Abs. 5 EStG", V::SummeMindest0, R::Keine},
    // incomes of each person (results named with Er / Sie)
    {"EkLuF", "Einkünfte aus Land- und Forstwirtschaft, auf volle DM abgerundet",
     "§§ 2 Abs. 1 Nr. 1, 13 EStG", V::SummeGerundet, R::DMAbCent},
    {"EkGew",
     "Einkünfte aus Gewerbebetrieb: laufende, außerordentliche und Veräußerungsgewinne, je auf "
     "volle DM abgerundet",
     "§§ 2 Abs. 1 Nr. 2, 15, 16 EStG", V::SummeGerundet, R::DMAbCent},
    {"SelbAoVeraeuss",
     "Außerordentliche Einkünfte und Veräußerungsgewinne aus selbständiger Arbeit",
     "§ 18 Abs. 3, § 34 Abs. 2 EStG", V::Summe, R::Keine},
    {"EkSelb", "Einkünfte aus selbständiger Arbeit, je auf volle DM abgerundet",
     "§§ 2 Abs. 1 Nr. 3, 18 EStG", V::SummeGerundet, R::DMAbCent},
    {"AbfindungFrei", "Steuerfreier Teil der Entlassungsentschädigung, höchstens die Entschädigung",
     "§ 3 Nr. 9 EStG", V::Kappe, R::Keine},
    {"AbfindungStpfl", "Steuerpflichtiger Teil der Entlassungsentschädigung",
     "§ 3 Nr. 9, § 24 Nr. 1 EStG", V::Summe, R::Keine},
    {"ArbLohn",
     "Arbeitslohn: laufender Lohn, Lohn für mehrere Jahre und steuerpflichtige Entschädigung, je "
     "auf "
     "volle DM abgerundet",
     "§§ 2 Abs. 1 Nr. 4, 19 Abs. 1 EStG", V::SummeGerundet, R::DMAbCent},
    {"VersBez", "Versorgungsbezüge, je auf volle DM abgerundet", "§ 19 Abs. 2 EStG",
     V::SummeGerundet, R::DMAbCent},
    {"VersFbVoll", "40 % der Versorgungsbezüge", "§ 19 Abs. 2 Satz 1 EStG", V::Produkt,
     R::DMAufZehntel},
    {"VersFb", "Versorgungs-Freibetrag, höchstens 6.000 DM", "§ 19 Abs. 2 Satz 1 EStG", V::Kappe,
     R::Keine},
    {"WkNsaErklaert", "Erklärte Werbungskosten aus nichtselbständiger Arbeit", "§ 9 Abs. 1 EStG",
     V::Summe, R::Keine},
    {"WkNsa", "Werbungskosten aus nichtselbständiger Arbeit mit der Entfernungspauschale",
     "§ 9 Abs. 1, 2 EStG", V::Summe, R::DMAuf},
    {"WkNsaPausch",
     "Arbeitnehmer-Pauschbetrag, höchstens der Arbeitslohn nach dem Versorgungs-Freibetrag",
     "§ 9a Satz 1 Nr. 1, Satz 2 EStG", V::Kappe, R::DMAuf},
    {"KapEinn", "Einnahmen aus Kapitalvermögen, auf volle DM abgerundet", "§ 20 Abs. 1 EStG",
     V::SummeGerundet, R::DMAbCent},
    {"WkKap", "Werbungskosten bei Kapitalvermögen ohne die angerechnete ausländische Steuer",
     "§ 9 Abs. 1, § 34c Abs. 1, 2 EStG", V::Summe, R::DMAuf},
    {"WkKapPausch", "Werbungskosten-Pauschbetrag, höchstens die Einnahmen",
     "§ 9a Satz 1 Nr. 2, Satz 2 EStG", V::Kappe, R::Keine},
    {"SparerFb", "Sparer-Freibetrag, höchstens die Einnahmen nach den Werbungskosten",
     "§ 20 Abs. 4 EStG", V::KappeMindest0, R::Keine},
    {"EkVuV", "Einkünfte aus Vermietung und Verpachtung, auf volle DM abgerundet",
     "§§ 2 Abs. 1 Nr. 6, 21 EStG", V::SummeGerundet, R::DMAbCent},
    {"SonstRente", "Renten mit dem Ertragsanteil, auf volle DM abgerundet",
     "§ 22 Nr. 1 Satz 3 Buchst. a EStG", V::SummeGerundet, R::DMAbCent},
    {"WkRente", "Werbungskosten zu Renten, auf volle DM aufgerundet", "§ 9 Abs. 1 EStG", V::Summe,
     R::DMAuf},
    {"Bezuege", "Wiederkehrende Bezüge, auf volle DM abgerundet", "§ 22 Nr. 1 EStG",
     V::SummeGerundet, R::DMAbCent},
    {"WkBezuege", "Werbungskosten zu wiederkehrenden Bezügen, auf volle DM aufgerundet",
     "§ 9 Abs. 1 EStG", V::Summe, R::DMAuf},
    {"WkBezuegePausch",
     "Anteil der wiederkehrenden Bezüge am Werbungskosten-Pauschbetrag, auf volle DM abgerundet",
     "§ 9a Satz 1 Nr. 3 EStG", V::Anteil, R::DMAbCent},
    {"WkSonst", "Werbungskosten zu Renten und wiederkehrenden Bezügen", "§ 9 Abs. 1 EStG", V::Summe,
     R::Keine},
    {"WkSonstPausch", "Werbungskosten-Pauschbetrag von 200 DM, höchstens die Einnahmen",
     "§ 9a Satz 1 Nr. 3, Satz 2 EStG", V::Kappe, R::Keine},
    {"PrivVeraeuss", "Einkünfte aus privaten Veräußerungsgeschäften, auf volle DM abgerundet",
     "§§ 22 Nr. 2, 23 EStG", V::SummeGerundet, R::DMAbCent},
    {"Leistungen", "Einkünfte aus Leistungen, auf volle DM abgerundet", "§ 22 Nr. 3 EStG",
     V::SummeGerundet, R::DMAbCent},
    {"Abgeordneten", "Abgeordnetenbezüge, je auf volle DM abgerundet", "§ 22 Nr. 4 EStG",
     V::SummeGerundet, R::DMAbCent},
    {"WkKapPauschEhegattenEr",
     "Gemeinsamer Werbungskosten-Pauschbetrag der Ehegatten, nach den Einnahmen verteilt: "
     "Anteil des Steuerpflichtigen",
     "§ 9a Satz 1 Nr. 2, Satz 2 EStG", V::KapitalPauschEhegatten, R::Keine},
    {"WkKapPauschEhegattenSie",
     "Gemeinsamer Werbungskosten-Pauschbetrag der Ehegatten, nach den Einnahmen verteilt: "
     "Anteil der Ehefrau",
     "§ 9a Satz 1 Nr. 2, Satz 2 EStG", V::KapitalPauschEhegatten, R::Keine},
    {"WkKapVorPausch", "Werbungskosten bei Kapitalvermögen vor dem Pauschbetrag", "§ 9 Abs. 1 EStG",
     V::Summe, R::Keine},
    {"SparerFbRaum", "Einnahmen aus Kapitalvermögen nach den Werbungskosten, mindestens 0",
     "§ 20 Abs. 4 EStG", V::SummeMindest0, R::Keine},
    {"SparerFbUebertragen",
     "Sparer-Freibetrag mit dem vom Ehegatten nicht ausgeschöpften Teil, höchstens die Einnahmen "
     "nach den Werbungskosten",
     "§ 20 Abs. 4 Satz 2 EStG", V::Kappe, R::Keine},
    {"SparerFbUnverbraucht", "Vom Ehegatten nicht ausgeschöpfter Sparer-Freibetrag",
     "§ 20 Abs. 4 Satz 2 EStG", V::SummeMindest0, R::Keine},
    {"SonstEinnahmen", "Einnahmen aus Renten und wiederkehrenden Bezügen", "§ 22 Nr. 1 EStG",
     V::Summe, R::Keine},
    {"EhegatteEinzeln", "Bei getrennter Veranlagung zählen die Werte des Ehegatten nicht",
     "§ 26a EStG", V::Summe, R::Keine},
    {"OhneEhegatte", "Ohne Zusammenveranlagung zählen keine Einkünfte eines Ehegatten",
     "§ 26b EStG", V::Summe, R::Keine},
    {"WasWaereWenn", "Wert mit der angenommenen Änderung der Was-wäre-wenn-Rechnung",
     "§ 2 Abs. 1 EStG", V::Summe, R::Keine},
    {"AltEntlAndere", "Positive Summe der Einkünfte, die nicht Arbeitslohn sind",
     "§ 24a Satz 1 EStG", V::SummeMindest0, R::Keine},
    {"AltEntlVoll",
     "40 % des Arbeitslohns ohne Versorgungsbezüge und der positiven übrigen Einkünfte",
     "§ 24a Satz 1 EStG", V::Produkt, R::DMAufZehntel},
    {"AltEntl", "Altersentlastungsbetrag, höchstens 3.720 DM", "§ 24a Satz 1, 5 EStG",
     V::KappeMindest0, R::Keine},
    {"AltEntlKein",
     "Kein Altersentlastungsbetrag: das 64. Lebensjahr war vor dem Beginn des Jahres nicht "
     "vollendet",
     "§ 24a Satz 3 EStG", V::Summe, R::Keine},
    {"LuFFbHoechst", "Freibetrag für Land- und Forstwirte, bei Zusammenveranlagung verdoppelt",
     "§ 13 Abs. 3 Satz 1, 3 EStG", V::Produkt, R::Keine},
    {"FreibetragLuF", "Freibetrag für Land- und Forstwirte, höchstens die Einkünfte daraus",
     "§ 13 Abs. 3 EStG", V::KappeMindest0, R::Keine},
    {"FreibetragLuFEntfaellt",
     "Kein Freibetrag für Land- und Forstwirte: Einkommen über 50.000 DM (100.000 DM)",
     "§ 13 Abs. 3 Satz 2 EStG", V::Summe, R::Keine},
    // special expenses and burdens
    {"Schulgeld", "30 % des Schulgelds, auf volle DM aufgerundet", "§ 10 Abs. 1 Nr. 9 EStG",
     V::Produkt, R::DMAuf},
    {"SaPauschbetrag", "Sonderausgaben-Pauschbetrag, bei Zusammenveranlagung verdoppelt",
     "§ 10c Abs. 1, 4 EStG", V::Produkt, R::Keine},
    {"SpendenGrenze", "5 % des Gesamtbetrags der Einkünfte, auf volle DM abgerundet",
     "§ 10b Abs. 1 Satz 1 EStG", V::ProduktMindest0, R::DMAb},
    {"SpendenGrenzeErhoeht", "10 % des Gesamtbetrags der Einkünfte", "§ 10b Abs. 1 Satz 2 EStG",
     V::Produkt, R::Keine},
    {"SpendenA", "Spenden für kirchliche, religiöse und gemeinnützige Zwecke, höchstens 5 %",
     "§ 10b Abs. 1 Satz 1 EStG", V::Kappe, R::Keine},
    {"SpendenB", "Spenden für wissenschaftliche, mildtätige und kulturelle Zwecke, höchstens 10 %",
     "§ 10b Abs. 1 Satz 2 EStG", V::Kappe, R::Keine},
    {"SpendenAllgemein", "Spenden, zusammen höchstens 10 % des Gesamtbetrags der Einkünfte",
     "§ 10b Abs. 1 EStG", V::Kappe, R::Keine},
    {"ParteiSpendenAbziehbar",
     "Zuwendungen an Parteien über den Betrag der Steuerermäßigung hinaus, höchstens 3.000 DM "
     "(6.000 DM)",
     "§ 10b Abs. 2 EStG", V::KappeMindest0, R::Keine},
    {"ParteiSpendenOhne", "Keine Zuwendungen an Parteien", "§ 10b Abs. 2 EStG", V::Kappe, R::Keine},
    {"StiftungSpendenAbziehbar", "Spenden an Stiftungen, höchstens 40.000 DM",
     "§ 10b Abs. 1 Satz 3 EStG", V::Kappe, R::Keine},
    {"StiftungStockAbziehbar",
     "Zuwendungen in den Vermögensstock einer Stiftung, höchstens "
     "600.000 DM",
     "§ 10b Abs. 1a EStG", V::Kappe, R::Keine},
    {"SpendenAbziehbar", "Abziehbare Spenden und Beiträge", "§ 10b EStG", V::Summe, R::Keine},
    {"SonderausgabenUebrige",
     "Sonderausgaben außer den Vorsorgeaufwendungen, mindestens der Sonderausgaben-Pauschbetrag",
     "§§ 10, 10b, 10c Abs. 1 EStG", V::Mindestens, R::Keine},
    {"ErmParteiSpendenP",
     "Ermäßigung für Zuwendungen an Parteien: die Hälfte, höchstens 1.500 DM (3.000 DM)",
     "§ 34g Satz 1 Nr. 1, Satz 2 EStG", V::HaelfteBisHoechstbetrag, R::Keine},
    {"ErmWaehlerSpenden",
     "Ermäßigung für Zuwendungen an unabhängige Wählervereinigungen: die Hälfte, höchstens "
     "1.500 DM (3.000 DM)",
     "§ 34g Satz 1 Nr. 2, Satz 2 EStG", V::HaelfteBisHoechstbetrag, R::Keine},
    {"ErmParteiSpenden", "Steuerermäßigung für Zuwendungen an Parteien und Wählervereinigungen",
     "§ 34g EStG", V::Summe, R::Keine},
    {"PflegeZusatz",
     "Zusätzlicher Höchstbetrag für die private Pflegeversicherung, höchstens 360 DM",
     "§ 10 Abs. 3 Nr. 3 EStG", V::Kappe, R::Keine},
    {"PflegeZusatzKein", "Kein zusätzlicher Höchstbetrag: vor dem 1.1.1958 geboren",
     "§ 10 Abs. 3 Nr. 3 EStG", V::Summe, R::Keine},
    {"PflegeZusatzSumme", "Zusätzliche Höchstbeträge für die Pflegeversicherung beider Ehegatten",
     "§ 10 Abs. 3 Nr. 3 EStG", V::Summe, R::Keine},
    {"PflegeUeberschuss", "Pflegeversicherung über den zusätzlichen Höchstbetrag hinaus",
     "§ 10 Abs. 1 Nr. 2 Buchst. a, Abs. 3 Nr. 3 EStG", V::SummeMindest0, R::Keine},
    {"VorsorgeAufwErklaert", "Erklärte Vorsorgeaufwendungen", "§ 10 Abs. 1 Nr. 2 EStG", V::Summe,
     R::Keine},
    {"VorsorgeAufw", "Vorsorgeaufwendungen mit der Pflegeversicherung über den Zusatzbetrag",
     "§ 10 Abs. 1 Nr. 2 EStG", V::Summe, R::Keine},
    {"VorwegKuerzung", "16 % des Arbeitslohns, auf volle DM abgerundet",
     "§ 10 Abs. 3 Nr. 2 Satz 2 EStG", V::Produkt, R::DMAbCent},
    {"VorwegKuerzungGesamt", "Kürzung des Vorwegabzugs", "§ 10 Abs. 3 Nr. 2 Satz 2 EStG", V::Summe,
     R::Keine},
    {"VorwegabzugVoll", "Vorwegabzug, bei Zusammenveranlagung verdoppelt",
     "§ 10 Abs. 3 Nr. 2 Satz 1 EStG", V::Produkt, R::Keine},
    {"VorwegabzugRest", "Gekürzter Vorwegabzug, mindestens 0", "§ 10 Abs. 3 Nr. 2 EStG",
     V::SummeMindest0, R::Keine},
    {"VorwegabzugGenutzt", "Vorwegabzug, höchstens die Vorsorgeaufwendungen",
     "§ 10 Abs. 3 Nr. 2 EStG", V::Kappe, R::Keine},
    {"VorsRest1", "Vorsorgeaufwendungen nach dem Vorwegabzug", "§ 10 Abs. 3 EStG", V::Summe,
     R::Keine},
    {"Grundhoechst", "Grundhöchstbetrag 2.610 DM (5.220 DM), höchstens die übrigen Aufwendungen",
     "§ 10 Abs. 3 Nr. 1 EStG", V::Kappe, R::Keine},
    {"VorsRest2", "Vorsorgeaufwendungen nach dem Grundhöchstbetrag", "§ 10 Abs. 3 EStG", V::Summe,
     R::Keine},
    {"HalbHoechstVoll", "Die Hälfte der übrigen Vorsorgeaufwendungen, auf volle DM gerundet",
     "§ 10 Abs. 3 Nr. 4 EStG", V::Produkt, R::DMKaufmaennisch},
    {"HalbHoechst", "Hälftiger Höchstbetrag, höchstens 1.305 DM (2.610 DM)",
     "§ 10 Abs. 3 Nr. 4 EStG", V::Kappe, R::Keine},
    {"VorsHoechstErgebnis", "Abziehbare Vorsorgeaufwendungen nach den Höchstbeträgen",
     "§ 10 Abs. 3 EStG", V::Mindestens, R::DMAuf},
    {"Vorsorgepauschale",
     "Vorsorgepauschale: 20 % des Arbeitslohns in den Grenzen der Höchstbeträge, ungekürzt oder "
     "gekürzt, auf einen durch 54 teilbaren Betrag abgerundet",
     "§ 10c Abs. 2 bis 4 EStG", V::Vorsorgepauschale, R::Stufe54},
    {"VorsorgeAbziehbar", "Abziehbare Vorsorgeaufwendungen, mindestens die Vorsorgepauschale",
     "§ 10 Abs. 3, § 10c Abs. 2 EStG", V::Mindestens, R::Keine},
    {"ZumutbareBelastung",
     "Zumutbare Belastung: Prozentsatz des Gesamtbetrags der Einkünfte nach Familienstand und "
     "Kinderzahl, auf volle DM abgerundet",
     "§ 33 Abs. 3 EStG", V::ProduktMindest0, R::DMAb},
    {"AgBAbziehbar", "Außergewöhnliche Belastungen allgemeiner Art über der zumutbaren Belastung",
     "§ 33 Abs. 1 EStG", V::SummeMindest0, R::Keine},
    {"WohneigentumAbzug",
     "Steuerbegünstigung der selbstgenutzten Wohnung: Abzugsbetrag, Schuldzinsen, Vorkosten, "
     "weitere Abzüge",
     "§§ 10e, 10f, 10h, 10i EStG", V::Summe, R::Keine},
    {"Baukindergeld", "Baukindergeld: Betrag je Kind mal Zahl der Kinder", "§ 34f EStG",
     V::ProduktMindest0, R::Keine},
    {"BaukindergeldKein", "Kein Baukindergeld: keine Steuerbegünstigung der Wohnung",
     "§ 34f Abs. 1, 2 EStG", V::Summe, R::Keine},
    {"VerlustVortrag", "Verlustvortrag aus früheren Jahren", "§ 10d Abs. 2 EStG", V::SummeMindest0,
     R::Keine},
    {"VerlustGleicheArt", "Verlustvortrag aus Einkünften derselben Art", "§ 10d Abs. 2 Satz 2 EStG",
     V::KappeMindest0, R::Keine},
    {"VerlustAbzugGleich",
     "Abzug von den Einkünften derselben Art, höchstens der Gesamtbetrag der Einkünfte",
     "§ 10d Abs. 2 Satz 2 EStG", V::KappeMindest0, R::Keine},
    {"VerlustRest", "Gesamtbetrag der Einkünfte nach diesem Abzug", "§ 10d Abs. 2 EStG",
     V::SummeMindest0, R::Keine},
    {"VerlustKappe",
     "Abzugsgrenze: bis 100.000 DM (200.000 DM) voll, darüber die Hälfte (aufgerundet)",
     "§ 10d Abs. 2 Satz 3 EStG", V::HaelfteUeberGrenze, R::Keine},
    {"VerlustUebrig", "Übriger Verlustvortrag, höchstens bis zur Abzugsgrenze",
     "§ 10d Abs. 2 Satz 3 EStG", V::Kappe, R::Keine},
    {"VerlustabzugAbziehbar", "Verlustabzug", "§ 10d Abs. 2 EStG", V::Summe, R::Keine},
    {"VerlustabzugKein", "Kein Verlustvortrag", "§ 10d Abs. 2 EStG", V::SummeMindest0, R::Keine},
    {"HaertNebeneinkuenfte", "Einkünfte, die nicht dem Lohnsteuerabzug unterlagen, mindestens 0",
     "§ 46 Abs. 3 EStG", V::SummeMindest0, R::Keine},
    {"HaertLohnOhneVersorgung", "Arbeitslohn ohne Versorgungsbezüge", "§ 46 Abs. 3 Satz 2 EStG",
     V::Summe, R::Keine},
    {"Haertausgleich",
     "Härteausgleich: Nebeneinkünfte bis 800 DM ganz, bis 1.600 DM gemildert, abzüglich des "
     "Altersentlastungsbetrags auf sie und des Freibetrags für Land- und Forstwirte",
     "§ 46 Abs. 3, 5 EStG, § 70 EStDV", V::Haerteausgleich, R::Keine},
    {"HaertausgleichKein", "Kein Härteausgleich: kein Arbeitslohn", "§ 46 Abs. 3 EStG", V::Summe,
     R::Keine},
    {"KindFbAbzug",
     "Abgezogene Freibeträge für Kinder: Kinderfreibetrag und Betreuungsfreibetrag der Kinder, "
     "für die sie günstiger sind als das Kindergeld",
     "§ 31, § 32 Abs. 6 EStG", V::Summe, R::Keine},
    {"KindergeldHinzu", "Kindergeld der Kinder, für die die Freibeträge abgezogen werden",
     "§ 31 Satz 5, § 36 Abs. 2 Satz 1 EStG", V::Summe, R::Keine},
    {"ZvEHinzu",
     "Steuerfreier Teil der Halbeinkünfte, der die Maßstabsteuer der Kirchensteuer erhöht",
     "§ 51a Abs. 2 Satz 2 EStG", V::Summe, R::Keine},
    // tariff
    {"PvUngenutzt", "Nicht ausgeschöpfter Arbeitnehmer-Pauschbetrag", "§ 32b Abs. 2 Nr. 2 EStG",
     V::SummeMindest0, R::Keine},
    {"PvPauschAbzug", "Davon auf die Lohnersatzleistungen, höchstens deren Betrag",
     "§ 32b Abs. 2 Nr. 1 EStG", V::Kappe, R::Keine},
    {"PvEinkuenfte", "Dem Progressionsvorbehalt unterliegende Leistungen und Einkünfte",
     "§ 32b Abs. 1, 2 EStG", V::SummeMindest0, R::Keine},
    {"Progressionseinkuenfte", "Progressionseinkünfte beider Ehegatten", "§ 32b Abs. 1 EStG",
     V::Summe, R::Keine},
    {"PvZvEGerundet", "Zu versteuerndes Einkommen auf die Mitte seiner Tarifstufe",
     "§ 32a Abs. 2, § 32b Abs. 2 EStG", V::Summe, R::TarifMitte},
    {"PvSteuersatz",
     "Besonderer Steuersatz: Tarifsteuer des um die Progressionseinkünfte erhöhten Einkommens im "
     "Verhältnis zur Mitte seiner Stufe, auf sechs Dezimalstellen abgeschnitten",
     "§ 32b Abs. 2 EStG", V::Steuersatz, R::Keine},
    {"EStTarif", "Tarifliche Einkommensteuer nach Grund- oder Splittingtabelle",
     "§ 32a Abs. 1, 5 EStG", V::Tarif, R::Tarifstufe},
    {"EStTarifPV", "Steuer nach dem besonderen Steuersatz, auf volle DM abgerundet",
     "§ 32b Abs. 2 EStG", V::Produkt, R::DMAb},
    {"VersFbMehrj",
     "Anteil des Versorgungs-Freibetrags an den Versorgungsbezügen für mehrere Jahre, "
     "abgeschnitten",
     "§ 34 Abs. 2 Nr. 4, § 19 Abs. 2 EStG", V::Anteil, R::DMAb},
    {"AoLohnMehrj", "Arbeitslohn für mehrere Jahre und Entschädigung, je auf volle DM abgerundet",
     "§ 34 Abs. 2 Nr. 2, 4 EStG", V::SummeGerundet, R::DMAbCent},
    {"AoLohnOrdentlich", "Laufender Arbeitslohn nach dem Versorgungs-Freibetrag, mindestens 0",
     "§ 34 Abs. 1 EStG", V::SummeMindest0, R::Keine},
    {"AoPauschRest", "Vom laufenden Arbeitslohn nicht verbrauchter Arbeitnehmer-Pauschbetrag",
     "§ 9a Satz 1 Nr. 1, § 34 Abs. 1 EStG", V::SummeMindest0, R::Keine},
    {"AoPauschAnteil",
     "Pauschbetrag, der auf den Arbeitslohn für mehrere Jahre entfällt, höchstens dieser",
     "§ 9a Satz 1 Nr. 1, § 34 Abs. 1 EStG", V::Kappe, R::Keine},
    {"AoEinkuenfte", "Außerordentliche Einkünfte, je auf volle DM abgerundet", "§ 34 Abs. 2 EStG",
     V::SummeGerundet, R::DMAbCent},
    {"AoKorrektur", "Darauf entfallende Freibeträge und Pauschbeträge", "§ 34 Abs. 1 EStG",
     V::Summe, R::Keine},
    {"AoEinkuenfteNetto", "Außerordentliche Einkünfte nach den darauf entfallenden Abzügen",
     "§ 34 Abs. 1 EStG", V::Summe, R::Keine},
    {"ZvEOhneAo", "Zu versteuerndes Einkommen ohne die außerordentlichen Einkünfte",
     "§ 34 Abs. 1 Satz 2 EStG", V::Summe, R::Keine},
    {"AoFuenftel", "Ein Fünftel der außerordentlichen Einkünfte, abgerundet",
     "§ 34 Abs. 1 Satz 2 EStG", V::Produkt, R::DMAb},
    {"ZvEFuenftel",
     "Verbleibendes Einkommen zuzüglich eines Fünftels der außerordentlichen Einkünfte",
     "§ 34 Abs. 1 Satz 2 EStG", V::Summe, R::Keine},
    {"ZvEFuenftelGanz", "Ein Fünftel des zu versteuernden Einkommens, abgerundet",
     "§ 34 Abs. 1 Satz 3 EStG", V::Produkt, R::DMAb},
    {"EStAoFuenffach", "Fünffacher Unterschied der Steuer mit und ohne ein Fünftel",
     "§ 34 Abs. 1 Satz 2 EStG", V::Produkt, R::Keine},
    {"EStAoHoechst", "Höchstens die Steuer, die ohne die Fünftelregelung auf sie entfiele",
     "§ 34 Abs. 1 EStG", V::Summe, R::Keine},
    {"EStAoEinkuenfte", "Einkommensteuer auf die außerordentlichen Einkünfte (Fünftelregelung)",
     "§ 34 Abs. 1 EStG", V::Kappe, R::Keine},
    {"EStAoFuenffachGanz", "Fünffache Steuer auf ein Fünftel des Einkommens",
     "§ 34 Abs. 1 Satz 3 EStG", V::Produkt, R::Keine},
    {"EStTarifRest", "Tarifliche Einkommensteuer auf das übrige Einkommen",
     "§ 34 Abs. 1 Satz 2 EStG", V::Summe, R::Keine},
    {"EStTarifRestKein", "Keine Steuer auf übriges Einkommen: es ist negativ",
     "§ 34 Abs. 1 Satz 3 EStG", V::Summe, R::Keine},
    {"VeraeussGewinnPerson", "Veräußerungsgewinne aus Gewerbebetrieb und selbständiger Arbeit",
     "§§ 16, 18 Abs. 3 EStG", V::Summe, R::Keine},
    {"VeraeussGewinn", "Veräußerungsgewinne, je Ehegatte auf volle DM abgerundet",
     "§ 34 Abs. 2 Nr. 1, Abs. 3 EStG", V::SummeGerundet, R::DMAbCent},
    {"HalberSteuersatz",
     "Hälfte des durchschnittlichen Steuersatzes, auf sechs Dezimalstellen abgeschnitten, "
     "mindestens 19,9 %",
     "§ 34 Abs. 3 Satz 2 EStG", V::HalberSteuersatz, R::Keine},
    {"VeraeussBeguenstigt", "Begünstigter Gewinn, höchstens das zu versteuernde Einkommen",
     "§ 34 Abs. 3 EStG", V::KappeMindest0, R::Keine},
    {"ZvEOhneGewinn", "Zu versteuerndes Einkommen ohne die Veräußerungsgewinne",
     "§ 34 Abs. 3 Satz 3 EStG", V::SummeMindest0, R::TarifstufeAb},
    {"EStTarifRestGewinn", "Tarifliche Einkommensteuer auf das übrige Einkommen",
     "§ 34 Abs. 3 Satz 3 EStG", V::Summe, R::Keine},
    {"EStTarifRestGewinnPV", "Übriges Einkommen mal besonderem Steuersatz, auf volle DM abgerundet",
     "§ 34 Abs. 3 Satz 3, § 32b EStG", V::Produkt, R::DMAbCent},
    {"EStVeraeussGewinn", "Steuer auf die Veräußerungsgewinne: Gewinn mal halbem Steuersatz",
     "§ 34 Abs. 3 EStG", V::Produkt, R::DMAb},
    {"ErmLuFKein", "Keine Tarifermäßigung: keine Einkünfte aus Land- und Forstwirtschaft",
     "§ 34e EStG", V::Summe, R::Keine},
    {"ErmLuFSatz",
     "Durchschnittlicher Steuersatz des zu versteuernden Einkommens (auf seine Tarifstufe "
     "abgerundet), auf vier Dezimalstellen abgeschnitten",
     "§ 34e Abs. 1 EStG", V::Durchschnittssatz, R::Keine},
    {"ErmLuFTarif",
     "Tarifliche Steuer auf die Einkünfte aus Land- und Forstwirtschaft nach dem Freibetrag",
     "§ 34e Abs. 1 EStG", V::ProduktMindest0, R::DMAbCent},
    {"ErmLuFKappe", "Bescheinigter Ermäßigungsbetrag, höchstens die Einkünfte",
     "§ 34e Abs. 1 Satz 2 EStG", V::KappeMindest0, R::Keine},
    {"ErmLuF", "Tarifermäßigung für Land- und Forstwirte, höchstens die Steuer darauf",
     "§ 34e EStG", V::Kappe, R::Keine},
    {"AuslSteuerKein", "Keine ausländische Steuer", "§ 34c Abs. 1 EStG", V::Summe, R::Keine},
    {"AuslSteuerAbgezogen",
     "Die ausländische Steuer wird bei der Ermittlung der Einkünfte abgezogen, nicht angerechnet",
     "§ 34c Abs. 2 EStG", V::Summe, R::Keine},
    {"AuslWkTatsaechlich", "Tatsächliche Werbungskosten ohne die ausländische Steuer",
     "§ 34c Abs. 1 Satz 4 EStG", V::Summe, R::DMAuf},
    {"AuslWkUeberschuss", "Pauschbetrag über den tatsächlichen Werbungskosten",
     "§ 34c Abs. 1 Satz 4 EStG", V::SummeMindest0, R::Keine},
    {"AuslAllgemein", "Sparer-Freibetrag und Pauschbetrag über den tatsächlichen Werbungskosten",
     "§ 34c Abs. 1 Satz 4 EStG", V::Summe, R::Keine},
    {"AuslAnteil", "Anteil der ausländischen an allen Einnahmen, höchstens 1",
     "§ 34c Abs. 1 Satz 4 EStG", V::Verhaeltnis, R::Keine},
    {"AuslAllgemeinAnteil", "Davon auf die ausländischen Einnahmen", "§ 34c Abs. 1 Satz 4 EStG",
     V::Produkt, R::Keine},
    {"AuslEinkuenfteTeil", "Ausländische Einkünfte, mindestens 0", "§ 34c Abs. 1, § 34d EStG",
     V::SummeMindest0, R::Keine},
    {"AuslEinkuenfte", "Ausländische Einkünfte, auf volle DM abgerundet",
     "§ 34c Abs. 1, § 34d EStG", V::Summe, R::DMAbCent},
    {"AuslVerhaeltnis", "Anteil der ausländischen Einkünfte an der Summe der Einkünfte",
     "§ 34c Abs. 1 Satz 2 EStG", V::Verhaeltnis, R::Keine},
    {"AuslHoechstbetrag",
     "Höchstbetrag: tarifliche Steuer im Verhältnis der ausländischen Einkünfte, Bruchteile eines "
     "Pfennigs abgeschnitten",
     "§ 34c Abs. 1 Satz 2 EStG", V::ProduktMindest0, R::CentAb},
    {"AuslHoechstbetragKein", "Kein Höchstbetrag: keine positive Summe der Einkünfte",
     "§ 34c Abs. 1 Satz 2 EStG", V::Summe, R::Keine},
    {"AuslSteuerSumme", "Ausländische Steuer", "§ 34c Abs. 1 EStG", V::Summe, R::Keine},
    {"AuslSteuerAnrechnung", "Anzurechnende ausländische Steuer, höchstens der Höchstbetrag",
     "§ 34c Abs. 1 EStG", V::Kappe, R::Keine},
    {"EStTariflich",
     "Tarifliche Einkommensteuer: Tarif, außerordentliche Einkünfte und "
     "Veräußerungsgewinne",
     "§§ 32a, 34 EStG", V::Summe, R::Keine},
    {"GewStAnrechnung", "Steuerermäßigung: 1,8facher Gewerbesteuer-Messbetrag, aufgerundet",
     "§ 35 EStG", V::Produkt, R::DMAuf},
    {"EStFestzusetzen",
     "Festzusetzende Einkommensteuer: tarifliche Steuer abzüglich Steuerermäßigungen, zuzüglich "
     "Kindergeld bei Abzug der Freibeträge für Kinder, mindestens 0",
     "§ 2 Abs. 6 EStG", V::SummeMindest0, R::Keine},
    {"SoliBasisESt",
     "Bemessungsgrundlage des Zuschlags: Einkommensteuer mit den Freibeträgen für alle Kinder, "
     "mindestens 0",
     "§ 3 Abs. 2 SolZG", V::SummeMindest0, R::Keine},
    {"SoliFestzusetzen",
     "Solidaritätszuschlag: 5,5 % der Bemessungsgrundlage abzüglich anzurechnender und "
     "vergüteter Körperschaftsteuer, Nullzone 1.836 DM (3.672 DM), höchstens 20 % des "
     "übersteigenden Betrags",
     "§§ 3 Abs. 1 Nr. 1, 3, 4 SolZG", V::Soli, R::SoliPfennig},
    {"LStSumme", "Anzurechnende Lohnsteuer beider Ehegatten", "§ 36 Abs. 2 Nr. 2 EStG", V::Summe,
     R::DMAufLohn},
    {"EStGezahlt", "Anzurechnende Lohnsteuer und Vorauszahlungen", "§ 36 Abs. 2 EStG", V::Summe,
     R::Keine},
    {"EStSaldo", "Abschlusszahlung (+) oder Erstattung (-) der Einkommensteuer", "§ 36 Abs. 4 EStG",
     V::Summe, R::Keine},
    {"SoliGezahlt",
     "Anzurechnender Solidaritätszuschlag: Lohnsteuerabzug, Vorauszahlungen, auf die "
     "Kapitalertragsteuer",
     "§ 36 Abs. 2 EStG i. V. m. § 1 Abs. 2 SolZG", V::Summe, R::Keine},
    {"SoliSaldo", "Abschlusszahlung (+) oder Erstattung (-) des Solidaritätszuschlags",
     "§ 36 Abs. 4 EStG i. V. m. § 1 Abs. 2 SolZG", V::Summe, R::Keine},
    {"MassstabESt",
     "Maßstabsteuer der Kirchensteuer: Einkommensteuer mit den Freibeträgen für alle Kinder und "
     "dem steuerfreien Halbeinkünfte-Teil, vor der Gewerbesteueranrechnung",
     "§ 51a Abs. 2, 2a EStG", V::SummeMindest0, R::Keine},
    {"KiStJahrEr", "Kirchensteuer eines Jahres: Maßstabsteuer mal Hebesatz des Landes",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Produkt, R::CentAb},
    {"KiStKeine", "Keine Kirchensteuer: keine steuererhebende Religionsgemeinschaft",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Summe, R::Keine},
    {"KiStAnteilig", "Kirchensteuer für die Monate der Kirchensteuerpflicht",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Anteil, R::CentAb},
    {"KiStVolljahr", "Kirchensteuer für das ganze Jahr",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Summe, R::Keine},
    {"KiStAnteil",
     "Anteil des Steuerpflichtigen: Verhältnis seiner Einkommensteuer (in Bayern seiner "
     "Einkünfte) zu der beider Ehegatten",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::KiStAnteil, R::Keine},
    {"KiStAnteilSie", "Anteil der Ehefrau: der Rest zum Ganzen",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Gegenanteil, R::Keine},
    {"KiStMonateGemeinsam", "Monate, in denen beide Ehegatten kirchensteuerpflichtig sind",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Kappe, R::Keine},
    {"KiStMonateAllein", "Monate, in denen nur ein Ehegatte kirchensteuerpflichtig ist",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Abstand, R::Keine},
    {"KiStGemeinsam", "Hälfte der Maßstabsteuer für die Monate gemeinsamer Kirchensteuerpflicht",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Anteil, R::CentAb},
    {"KiStUeberhang", "Maßstabsteuer der Monate, in denen nur ein Ehegatte pflichtig ist",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Anteil, R::CentRund},
    {"KiStUeberhangAnteil", "Davon der Anteil des länger pflichtigen Ehegatten",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Produkt, R::CentAb},
    {"KiStFestEhegatte", "Kirchensteuer eines Ehegatten: seine Maßstabsteuer mal Hebesatz",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Produkt, R::CentAb},
    {"KiStBasisEr", "Maßstabsteuer des Steuerpflichtigen nach seinem Anteil",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Produkt, R::CentRund},
    {"KiStBasisSie", "Maßstabsteuer der Ehefrau", "Kirchensteuergesetz des Landes, § 51a EStG",
     V::Summe, R::Keine},
    {"KiStFestzusetzen", "Festzusetzende Kirchensteuer beider Ehegatten",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::SummeMindest0, R::Keine},
    {"KiStGemeinsamBeide",
     "Maßstabsteuer beider Ehegatten für die Monate gemeinsamer Kirchensteuerpflicht",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Produkt, R::Keine},
    {"KiStGemeinsamSteuer", "Kirchensteuer beider Ehegatten für die gemeinsamen Monate",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Produkt, R::Keine},
    {"KiStUeberhangSteuer", "Kirchensteuer für die Monate, in denen nur ein Ehegatte pflichtig ist",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Produkt, R::Keine},
    {"KirchgeldEinkommen",
     "Zu versteuerndes Einkommen für die Monate der Kirchgeldpflicht (Zwölftel je Monat)",
     "Kirchensteuergesetz des Landes (besonderes Kirchgeld), § 51a EStG", V::Anteil, R::Keine},
    {"KirchgeldStufe",
     "Besonderes Kirchgeld: Betrag der Stufe des zu versteuernden Einkommens in der Tabelle des "
     "Landes",
     "Kirchensteuergesetz des Landes (besonderes Kirchgeld), § 51a EStG", V::KirchgeldStufe,
     R::Keine},
    {"KirchgeldAnteilig",
     "Kirchgeld für die Monate der Kirchgeldpflicht (Hessen: Jahresbetrag "
     "anteilig)",
     "Kirchensteuergesetz des Landes (besonderes Kirchgeld), § 51a EStG", V::Anteil, R::CentAb},
    {"KirchgeldStattKiSt",
     "Kirchgeld: der kirchenangehörige Ehegatte hat Einkünfte unter dem Grundfreibetrag, der "
     "andere nicht; keine Kirchensteuer",
     "Kirchensteuergesetz des Landes (besonderes Kirchgeld in glaubensverschiedener Ehe), § 51a "
     "EStG",
     V::Summe, R::Keine},
    {"KirchgeldMindestens",
     "Kirchgeld, soweit es die Kirchensteuer des kirchenangehörigen Ehegatten erreicht, sonst 0",
     "Kirchensteuergesetz des Landes (besonderes Kirchgeld in glaubensverschiedener Ehe), § 51a "
     "EStG",
     V::MindestensSonst0, R::Keine},
    {"KirchgeldVergleichBasis",
     "Kirchensteuer der gemeinsamen Monate (Bruchteile eines Pfennigs abgeschnitten) und Kirchgeld "
     "der übrigen Monate",
     "Kirchensteuergesetz des Landes (besonderes Kirchgeld), § 51a EStG", V::SummeGerundet,
     R::CentAb},
    {"KirchgeldVergleichHoeher",
     "Neuberechnete Kirchensteuer einschließlich Kirchgeld, wenn sie die Kirchensteuer beider "
     "Ehegatten erreicht, sonst 0",
     "Kirchensteuergesetz des Landes (besonderes Kirchgeld), § 51a EStG", V::MindestensSonst0,
     R::Keine},
    {"KirchgeldMitVergleich", "Kirchgeld, wenn die Neuberechnung es ansetzt, sonst 0",
     "Kirchensteuergesetz des Landes (besonderes Kirchgeld), § 51a EStG", V::NurMitLetztem,
     R::Keine},
    {"KirchgeldVergleich", "Neuberechnete Kirchensteuer einschließlich Kirchgeld: das Kirchgeld",
     "Kirchensteuergesetz des Landes (besonderes Kirchgeld), § 51a EStG", V::Summe, R::Keine},
    {"KappungEinkommen",
     "Zu versteuerndes Einkommen im Verhältnis der Einkünfte des kirchensteuerpflichtigen "
     "Ehegatten",
     "Kirchensteuergesetz des Landes (Kappung), § 51a EStG", V::EinkommenAnteil, R::Keine},
    {"KiStKappungTeil",
     "Kappung: Einkommen der Monate auf einen durch 54 teilbaren Betrag abgerundet, mal "
     "Kappungssatz des Landes, auf volle Pfennige gerundet; angesetzt, wenn die Kirchensteuer "
     "diesen Betrag erreicht, sonst 0",
     "Kirchensteuergesetz des Landes (Kappung), § 51a EStG", V::Kappung, R::CentRund},
    {"KiStKappung", "Gekappte Kirchensteuer",
     "Kirchensteuergesetz des Landes (Kappung), § 51a EStG", V::Summe, R::Keine},
    {"KiStKappungMitKirchgeld", "Gekappte Kirchensteuer einschließlich Kirchgeld",
     "Kirchensteuergesetz des Landes (Kappung, besonderes Kirchgeld), § 51a EStG", V::Summe,
     R::Keine},
    {"KiStSaldo", "Abschlusszahlung (+) oder Erstattung (-) der Kirchensteuer",
     "Kirchensteuergesetz des Landes, § 36 Abs. 4 EStG", V::Summe, R::Keine},
    {"GesamtSaldo",
     "Gesamtergebnis: Salden der Steuern abzüglich anzurechnender Körperschaft- und "
     "Kapitalertragsteuer",
     "§ 36 Abs. 2 Nr. 2 und 3, Abs. 4 EStG", V::Summe, R::Keine},
};

// The rounding the rule `name` declares; a name without a rule does not compile.
consteval Rundung RundungVon(std::string_view name) {
    for (const auto& r : Tabelle)
        if (r.ergebnis == name) return r.rundung;
    throw "keine Rechenregel dieses Namens";
}

}  // namespace regeln

// The rounding r of x, chosen when compiling: a pass pays only for the rounding itself.
template <Rundung r>
[[gnu::always_inline]] inline double RundenMit(double x, int tabelle = 1) {
    if constexpr (r == Rundung::Keine || r == Rundung::Tarifstufe || r == Rundung::SoliPfennig)
        return x;  // the last two inside the tariff and the surcharge
    else if constexpr (r == Rundung::CentAb)
        return CentAb(x);
    else if constexpr (r == Rundung::DMAb)
        return Int(Stutzen(0, x));
    else if constexpr (r == Rundung::DMAuf)
        return AufrundenDM(x);
    else if constexpr (r == Rundung::DMAufLohn)
        return Stutzen(0, x + 0.99);
    else if constexpr (r == Rundung::DMAbCent)
        return AbrundenDM(x);
    else if constexpr (r == Rundung::DMAufZehntel)
        return Int(x + 0.9);
    else if constexpr (r == Rundung::DMKaufmaennisch)
        return Int(x + 0.5);
    else if constexpr (r == Rundung::Stufe54)
        return Stutzen(0, x / 54) * 54;
    else if constexpr (r == Rundung::CentRund)
        return RundenCent(x);
    else if constexpr (r == Rundung::TarifstufeAb)
        return StufeAb(x, tabelle);
    else {
        static_assert(r == Rundung::TarifMitte);
        const double stufe = 54.0 * tabelle;
        return Int(x / stufe) * stufe + 27 * tabelle;
    }
}

// The same chosen at run time, as a replayed step declares it.
inline double Runden(Rundung r, double x, int tabelle = 1) {
    switch (r) {
        case Rundung::Keine:
        case Rundung::Tarifstufe:
        case Rundung::SoliPfennig:
            return x;
        case Rundung::CentAb:
            return RundenMit<Rundung::CentAb>(x);
        case Rundung::DMAb:
            return RundenMit<Rundung::DMAb>(x);
        case Rundung::DMAuf:
            return RundenMit<Rundung::DMAuf>(x);
        case Rundung::DMAufLohn:
            return RundenMit<Rundung::DMAufLohn>(x);
        case Rundung::DMAbCent:
            return RundenMit<Rundung::DMAbCent>(x);
        case Rundung::DMAufZehntel:
            return RundenMit<Rundung::DMAufZehntel>(x);
        case Rundung::DMKaufmaennisch:
            return RundenMit<Rundung::DMKaufmaennisch>(x);
        case Rundung::Stufe54:
            return RundenMit<Rundung::Stufe54>(x);
        case Rundung::CentRund:
            return RundenMit<Rundung::CentRund>(x);
        case Rundung::TarifstufeAb:
            return RundenMit<Rundung::TarifstufeAb>(x, tabelle);
        case Rundung::TarifMitte:
            return RundenMit<Rundung::TarifMitte>(x, tabelle);
    }
    return x;
}

// Rounds x as the rule `name` declares.
#define QUARNEL_RUNDEN(name, x) ::quarnel::RundenMit<::quarnel::regeln::RundungVon(name)>(x)

}  // namespace quarnel
