#include "case/feldkatalog.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace quarnel {
namespace {

constexpr FeldDef kKatalog[] = {
#include "case/feldkatalog_daten.inc"
};
static_assert(std::size(kKatalog) == static_cast<std::size_t>(Feld::Anzahl_),
              "the id list and the field table must have the same rows");

constexpr Region kRegionen[] = {
    {"Kopf", 0, 347},
    {"Kurzbereich", 348, 1187},
    {"Grunddaten", 1188, 2075},
    {"Kindblock", 2076, 5555},
    {"Ausbildblock", 5556, 7187},
    {"Behindertenblock", 7188, 7539},
    {"Fahrzeugblock", 7540, 8739},
    {"Lohnkartenblock", 8740, 12179},
    {"KapBereich", 12180, 13631},
    {"KapListeInland", 13632, 17779},
    {"KapListeAusland", 17780, 19887},
    {"KapListeBeteiligung", 19888, 22243},
    {"WkFahrtBlock", 22244, 23571},
    {"WkVerbandBlock", 23572, 23731},
    {"WkDoppHBlock", 23732, 24395},
    {"WkArbMBlock", 24396, 24731},
    {"AfaTabelle", 24732, 28531},
    {"WkReiseBlock", 28532, 28723},
    {"WkSonstBlock", 28724, 28803},
    {"WkVerpflBlock", 28804, 29027},
    {"WkZimmerBlock", 29028, 29131},
    {"VuvObjekt", 29132, 35195},
    {"GewerbeBereich", 35196, 36047},
    {"SelbstBereich", 36048, 37175},
    {"RentenBereich", 37176, 37667},
    {"SonstBereich", 37668, 38827},
    {"SonderausgabenBereich", 38828, 41307},
    {"BelastungBereich", 41308, 43391},
    {"LufBereich", 43392, 43459},
    {"AnrechBereich", 43460, 43587},
    {"StatBereich", 43588, 43827},
    {"Restbereich", 43828, 44095},
};

const std::unordered_map<std::string_view, Feld>& IdIndex() {
    static const auto* index = [] {
        auto* m = new std::unordered_map<std::string_view, Feld>;
        for (std::size_t i = 0; i < std::size(kKatalog); ++i)
            m->emplace(kKatalog[i].id, static_cast<Feld>(i));
        return m;
    }();
    return *index;
}

}  // namespace

std::span<const FeldDef> Feldkatalog() { return kKatalog; }

const FeldDef& Def(Feld f) { return kKatalog[static_cast<std::size_t>(f)]; }

std::optional<Feld> FeldNachId(std::string_view id) {
    const auto& index = IdIndex();
    auto it = index.find(id);
    if (it == index.end()) return std::nullopt;
    return it->second;
}

std::vector<Feld> FelderNachName(std::string_view name) {
    std::vector<Feld> out;
    for (std::size_t i = 0; i < std::size(kKatalog); ++i)
        if (name == kKatalog[i].name) out.push_back(static_cast<Feld>(i));
    return out;
}

std::span<const Region> Regionen() { return kRegionen; }

}  // namespace quarnel
