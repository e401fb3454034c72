// The profit pages: business (with its sale gains and supplementary data),
// self-employment (with the allowances for voluntary activities) and
// farming and forestry, for the taxpayer and, with joint assessment, the spouse.
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>

#include "pages/einkuenfte_seiten.h"
#include "pages/seite_gewerbe.h"

namespace quarnel::gui {

constexpr const char* Standard = "i,iii,iii.ii";

// --- Gewerbebetrieb ----------------------------------------------------------------------

constexpr FeldZusatz Gse1Zusatz[] = {
    {"GSE1_Gewinne34Er", nullptr, 0, 0, ZNormal,
     "Auf der Seite Gewinn enthaltene Gewinne, die nach § 34 EStG begünstigt sind"},
    {"BegrenzungAnlageGSECB", nullptr, 0, 0, ZNormal,
     "Der Verlustrücktrag nach 2000 soll begrenzt werden"},
    {"GewStMessbEr", nullptr, 0, 0, ZNormal, "Summe der festzusetzenden Gewerbesteuer-Messbeträge"},
};

constexpr Zeilenplan Gse1Zeilen[] = {
    {"&Gewinn", "|Steuerpfl.|Ehefrau", ""},
    {"&Gewinn", "Art Gewerbe", "ArtGew1"},
    {"&Gewinn", "   Gewinn", "GewEr1 GewSie1"},
    {"&Gewinn", "Weitere Betriebe", "ArtWeitere1"},
    {"&Gewinn", "   Gewinn", "GewEr2 GewSie2"},
    {"&Gewinn", "lt. Feststellung", "ArtLtFeststellung"},
    {"&Gewinn", "   Gewinn", "GewEr3 GewSie3"},
    {"&Gewinn", "1. Gesellschaft", "MitUntArt1"},
    {"&Gewinn", "2. Gesellschaft", "MitUntArt2"},
    {"&Gewinn", "   Gewinn 1. Gesellschaft", "GewEr4 GewSie4"},
    {"&Gewinn", "   Gewinn 2. Gesellschaft", "GewEr5 GewSie5"},
    {"&Gewinn", "Verlustzuw.-ges.", "Verlustmodelle"},
    {"&Gewinn", "   Gewinn / Verlust", "VerlustmodelleEr VerlustmodelleSie"},
    {"&Gewinn", "Organgesellschaft: Einkommen", "OrganschaftDMEr OrganschaftDMSie"},
    {"&Gewinn", "   Organgesellschaft", "Organschaft"},
    {"&Gewinn", "Halbeinkünfteverfahren: in vorst. Gewinnen in folgender Höhe enthalten",
     "GSE1_EinkHalbTeilEr GSE1_EinkHalbTeilSie"},
    {"&Veräußerung",
     "A. Veräußerung oder Aufgabe des ganzen Betriebs wegen dauernder Berufsunfähigkeit oder "
     "nach dem 55. Lebensjahr, mit Freibetrag",
     ""},
    {"&Veräußerung", nullptr, "GSE1_VG55LjEr GSE1_VG55LjSie"},
    {"&Veräußerung", "B. Veräußerungsgewinne, für die kein Freibetrag beantragt wird", ""},
    {"&Veräußerung", nullptr, "GSE1_VGoFbEr GSE1_VGoFbSie"},
    {"&Veräußerung", "C. Veräußerungsgewinne nach § 17 EStG", ""},
    {"&Veräußerung", nullptr, "VG17Er VG17Sie"},
    {"&Sonstiges", "Gewerbliche Tierzucht und Termingeschäfte|1.|2.", ""},
    {"&Sonstiges", "außer Ansatz gelassene Verluste", "TierAAVerluste1 TierAAVerluste2"},
    {"&Sonstiges", "enthaltene ungekürzte Gewinne", "TierUngGew1 TierUngGew2"},
    {"&Sonstiges", "verrechnete Verluste aus anderen Jahren", "TierVerGew1 TierVerGew2"},
};

const Seitenbeschreibung GSE1Seite{
    .klasse = "TF_GSE1", .infoTitel = "Einkünfte aus Gewerbebetrieb ",
    .reiter = "&Gewinn|&Veräußerung|&Ergänzend|&Sonstiges", .standardMaske = Standard,
    .spaltenkoepfe = "Steuerpfl.|Ehefrau", .zusatz = Gse1Zusatz, .zeilen = Gse1Zeilen,
    .rechnung = &Seitenrechnen<&GewinnRechnen>, .ehegatte = "Sie"};

// --- Selbständige Arbeit -------------------------------------------------------------------

constexpr FeldZusatz Gse2Zusatz[] = {
    {"AufEntRestIn", nullptr, 0, 0, ZNormal, "Rest enthalten in Zeile(n)"},
};

constexpr Zeilenplan Gse2Zeilen[] = {
    {"&Gewinn", "|Ehemann|Ehefrau", ""},
    {"&Gewinn", "- freib. Tätigkeit", "FreibArt1"},
    {"&Gewinn", "", "FreibArt2"},
    {"&Gewinn", "   Gewinn", "FreibGewinnEr FreibGewinnSie"},
    {"&Gewinn", "- lt. gesonderter.", "LtFestArt1"},
    {"&Gewinn", "Feststellung", "LtFestArt2"},
    {"&Gewinn", "   Gewinn", "LtFestGewinnEr LtFestGewinnSie"},
    {"&Gewinn", "- aus Beteiligung", "AusBetArt1"},
    {"&Gewinn", "", "AusBetArt2"},
    {"&Gewinn", "   Gewinn", "AusBetGewinnEr AusBetGewinnSie"},
    {"&Gewinn", "- aus allen weiteren", "AusWBetArt1"},
    {"&Gewinn", "Beteiligungen", "AusWBetArt2"},
    {"&Gewinn", "   Gewinn", "AusWBetGewinnEr AusWBetGewinnSie"},
    {"&Gewinn", "- Modell i.S.d. § 2b", "Gewinn2bArt"},
    {"&Gewinn", "   Gewinn / Verlust", "Gewinn2bDMEr Gewinn2bDMSie"},
    {"&Gewinn", "- aus anderer", "AndSelbArt1"},
    {"&Gewinn", "selbst. Arbeit", "AndSelbArt2"},
    {"&Gewinn", "   Gewinn", "AndSelbGewinnEr AndSelbGewinnSie"},
    {"&Gewinn", "- aus allen wei-", "AlleAndereArt1"},
    {"&Gewinn", "teren Tätigkeiten", "AlleAndereArt2"},
    {"&Gewinn", "   Gewinn", "AlleAndereGewinnEr AlleAndereGewinnSie"},
    {"&Gewinn", "Halbeinkünfteverfahren: in vorst. Gewinnen in folgender Höhe enthalten",
     "GSE2_EinkHalbTeilEr GSE2_EinkHalbTeilSie"},
    {"&Veräußerung",
     "A. Veräußerung oder Aufgabe der ganzen Praxis wegen dauernder Berufsunfähigkeit oder "
     "nach dem 55. Lebensjahr, mit Freibetrag",
     ""},
    {"&Veräußerung", nullptr, "GSE2_VG55LjEr GSE2_VG55LjSie"},
    {"&Veräußerung", "B. Veräußerungsgewinne, für die kein Freibetrag beantragt wird", ""},
    {"&Veräußerung", nullptr, "GSE2_VGoFbEr GSE2_VGoFbSie"},
    {"&Sonstiges", "In den Gewinnen enthaltene Gewinne", ""},
    {"&Sonstiges", nullptr, "GSE2_Gewinne34Er GSE2_Gewinne34Sie"},
    {"A&ufw.-entsch.", "Aufwandsentschädigungen z.B. als Übungsleiter", ""},
    {"A&ufw.-entsch.", nullptr, "AufEntArt"},
};

const Seitenbeschreibung GSE2Seite{
    .klasse = "TF_GSE2", .infoTitel = "Einkünfte aus Selbständiger Arbeit ",
    .reiter = "&Gewinn|&Veräußerung|&Sonstiges|A&ufw.-entsch.", .standardMaske = Standard,
    .spaltenkoepfe = "Ehemann|Ehefrau", .zusatz = Gse2Zusatz, .zeilen = Gse2Zeilen,
    .rechnung = &Seitenrechnen<&SelbstRechnen>, .ehegatte = "Sie"};

// --- Land- und Forstwirtschaft ------------------------------------------------------------

constexpr Zeilenplan LufZeilen[] = {
    {"&Gewinn", "Veräußerungsgewinne", ""},
    {"&Gewinn", nullptr, "Gew14Er Gew14Sie"},
};

const Seitenbeschreibung LuFSeite{
    .klasse = "TF_LuF", .infoTitel = "Einkünfte aus Land- und Forstwirtschaft", .reiter = "&Gewinn",
    .standardMaske = Standard, .spaltenkoepfe = "Stpfl.|Ehegatte", .zeilen = LufZeilen,
    .ehegatte = "Sie"};

}  // namespace quarnel::gui
