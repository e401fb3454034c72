#include "pages/eingabefolgen.h"

#include <span>

#include "case/feldwerte.h"
#include "pages/kinder.h"
#include "pages/personen.h"
#include "pages/veranlagungsart.h"
#include "pages/wohneigentum.h"

namespace quarnel {
namespace {

constexpr const char* kGeburtsdatumHinweis =
    "Mit Eingabe des Geburtsdatums werden Standardwerte gesetzt, die Sie \xC3\xBC"
    "berpr\xC3\xBC"
    "fen sollten!";

constexpr Feld kFamilienstand[] = {Feld::ErSie_FamilienstandLB, Feld::FamStandSeit,
                                   Feld::StpflDTrennSeit};
// The cost fields whose change recomputes the § 10e base (the page replaces a
// base typed by hand only then).
constexpr Feld kKosten10e[] = {Feld::AnschGB,     Feld::AnschGeb,    Feld::NachAnschGB,
                               Feld::NachAnschGeb, Feld::EigWohnProz, Feld::BerWohnProz};

// The fields whose change recomputes the deduction from the stored base.
constexpr Feld kAbzug10e[] = {Feld::Bemgrund, Feld::AbzugProz, Feld::AbzugVor, Feld::NachholProz,
                              Feld::NachholDM};

bool Enthalten(Feld f, std::span<const Feld> felder) {
    for (Feld x : felder)
        if (x == f) return true;
    return false;
}

bool Gesetzt(const CaseRecord& r, Feld f, int e = 1) {
    return WeichtVomNeuenFallAb(r, {f, e});
}

void Anhaengen(std::string& hinweise, const std::string& h) {
    if (h.empty() || hinweise.find(h) != std::string::npos) return;
    hinweise += (hinweise.empty() ? "" : "\n") + h;
}

}  // namespace

std::string EingabeFolgen(CaseRecord& r, Feld f, int element) {
    if (Enthalten(f, kFamilienstand)) {
        TabelleEntscheiden(r);
        return VeranlagungsartPruefen(r);
    }
    if (Enthalten(f, kKosten10e)) {
        Bemessungsgrundlage10eRechnen(r);
        return {};
    }
    if (Enthalten(f, kAbzug10e)) {
        Abzug10eRechnen(r);
        return {};
    }
    switch (f) {
        case Feld::GebAm:
            // the spouse's relation is asked on the child page only under splitting
            return GeburtsdatumVorgaben(r, element, r.Bool(Feld::Splitting)) ? kGeburtsdatumHinweis
                                                                             : "";
        case Feld::Ausbild_AufteilungProz:
            r.SetzeBool(Feld::Ausbild_AufteilungEingegeben, true, element);
            return {};
        case Feld::BehindN_AufteilungProz:
            r.SetzeBool(Feld::BehindN_AufteilungEingegeben, true, element);
            return {};
        case Feld::Veranlagungsart:
            return VeranlagungsartPruefen(r);
        default:
            return {};
    }
}

std::string ImportFolgen(CaseRecord& r) {
    std::string hinweise;
    bool familienstand = false;
    for (Feld f : kFamilienstand) familienstand = familienstand || Gesetzt(r, f);
    if (familienstand) TabelleEntscheiden(r);
    Anhaengen(hinweise, VeranlagungsartPruefen(r));
    for (int kind = 1; kind <= 6; ++kind)
        if (Gesetzt(r, Feld::GebAm, kind)) Anhaengen(hinweise, EingabeFolgen(r, Feld::GebAm, kind));
    for (int kind = 1; kind <= 6; ++kind)
        if (Gesetzt(r, Feld::Ausbild_AufteilungProz, kind))
            EingabeFolgen(r, Feld::Ausbild_AufteilungProz, kind);
    for (int person = 1; person <= 8; ++person)
        if (Gesetzt(r, Feld::BehindN_AufteilungProz, person))
            EingabeFolgen(r, Feld::BehindN_AufteilungProz, person);
    // a base typed by hand and imported with the costs stays
    bool kosten = false;
    for (Feld f : kKosten10e) kosten = kosten || Gesetzt(r, f);
    if (kosten && !Gesetzt(r, Feld::Bemgrund))
        Bemessungsgrundlage10eRechnen(r);
    else
        Abzug10eRechnen(r);
    return hinweise;
}

}  // namespace quarnel
