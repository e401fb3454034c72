#include "shell/menuezustand.h"

#include <initializer_list>

namespace quarnel {

namespace {

using S = Steuerelement;

constexpr std::array<std::string_view, AnzahlSteuerelemente> Namen{
    "SpeedSaveBtn",
    "SpeedFragen",
    "SpeedRechne",
    "SpeedPruef1",
    "SpeedPruef2",
    "i_Berechnung",
    "i_Pruefung",
    "SpeedFormularsicht",
    "F_AktuellesFormular",
    "D_SpeichernItem",
    "D_SpeichernUnterItem",
    "D_PasswortItem",
    "D_DruckFormulare",
    "F_DruckenderFormulare",
    "EingabeMenue",
    "FormularMenue",
    "NavigatorVorBtn",
    "NavigatorRueckBtn",
    "NavigatorBtn",
    "SpeedNavigatorVorBtn",
    "SpeedNavigatorRueckBtn",
    "SpeedNavigatorBtn",
    "InformationMenue",
    "KonfigurationMenue",
    "HilfeMenue",
    "SpeedNeuBtn",
    "SpeedOpenBtn",
    "SpeedExitBtn",
    "SpeedKalenderBtn",
    "SpeedRechnerBtn",
    "SpeedHelp",
    "NavigatorStopBtn",
    "SpeedNavigatorStopBtn",
    "D_NeuItem",
    "D_OpenItem",
    "D_OpenItemVorjahr",
    "D_EndeItem",
    "K_Bildschirm",
    "E_Verlassen",
    "NotizBitBtn",
    "MemoBitBtn",
};

constexpr std::initializer_list<S> FallGruppe{
    S::SpeedSaveBtn,      S::SpeedFragen,           S::SpeedRechne,
    S::SpeedPruef1,       S::SpeedPruef2,           S::i_Berechnung,
    S::i_Pruefung,        S::SpeedFormularsicht,    S::F_AktuellesFormular,
    S::D_SpeichernItem,   S::D_SpeichernUnterItem,  S::D_PasswortItem,
    S::D_DruckFormulare,  S::F_DruckenderFormulare, S::EingabeMenue,
    S::FormularMenue,     S::NavigatorVorBtn,       S::NavigatorRueckBtn,
    S::NavigatorBtn,      S::SpeedNavigatorVorBtn,  S::SpeedNavigatorRueckBtn,
    S::SpeedNavigatorBtn,
};

constexpr std::initializer_list<S> DialogGruppe{
    S::InformationMenue, S::KonfigurationMenue,    S::HilfeMenue,
    S::SpeedNeuBtn,      S::SpeedOpenBtn,          S::SpeedExitBtn,
    S::SpeedKalenderBtn, S::SpeedRechnerBtn,       S::SpeedHelp,
    S::NavigatorStopBtn, S::SpeedNavigatorStopBtn,
};

constexpr std::initializer_list<S> SeitenGruppe{
    S::D_NeuItem,    S::D_OpenItem,   S::D_OpenItemVorjahr, S::D_EndeItem,   S::SpeedNeuBtn,
    S::SpeedOpenBtn, S::SpeedExitBtn, S::SpeedFragen,       S::K_Bildschirm,
};

constexpr std::initializer_list<S> NavigationsKnoepfe{
    S::NavigatorVorBtn,   S::NavigatorRueckBtn,     S::NavigatorBtn,
    S::NavigatorStopBtn,  S::SpeedNavigatorVorBtn,  S::SpeedNavigatorRueckBtn,
    S::SpeedNavigatorBtn, S::SpeedNavigatorStopBtn,
};

}  // namespace

std::string_view SteuerelementName(Steuerelement s) {
    return Namen[static_cast<std::size_t>(s)];
}

Menuezustand::Menuezustand() {
    aktiv_.fill(true);
    for (S s : {S::NavigatorStopBtn, S::SpeedNavigatorStopBtn, S::E_Verlassen, S::NotizBitBtn,
                S::MemoBitBtn})
        aktiv_[static_cast<std::size_t>(s)] = false;
}

void Menuezustand::Setze(Steuerelement s, bool an) {
    aktiv_[static_cast<std::size_t>(s)] = an;
    // Leaving the area from the menu is possible exactly when its button is.
    if (s == S::NavigatorStopBtn) aktiv_[static_cast<std::size_t>(S::E_Verlassen)] = an;
}

void Menuezustand::Anwenden(Menuestatus z) {
    auto alle = [this](std::initializer_list<S> gruppe, bool an) {
        for (S s : gruppe) Setze(s, an);
    };
    switch (z) {
        case Menuestatus::KeinFall:
            alle(FallGruppe, false);
            break;
        case Menuestatus::FallOffen:
            alle(FallGruppe, true);
            break;
        case Menuestatus::Dialog:
            alle(FallGruppe, false);
            alle(DialogGruppe, false);
            break;
        case Menuestatus::Eingabeseite:
            alle(SeitenGruppe, false);
            alle({S::NavigatorStopBtn, S::SpeedNavigatorStopBtn, S::E_Verlassen, S::NotizBitBtn,
                  S::MemoBitBtn},
                 true);
            break;
        case Menuestatus::Unterseite:
            alle(SeitenGruppe, false);
            alle(NavigationsKnoepfe, false);
            alle({S::EingabeMenue, S::E_Verlassen, S::NotizBitBtn, S::MemoBitBtn}, false);
            break;
    }
}

void Menuezustand::Push(Menuestatus z) {
    if (stufe_ < MaxStufe) {
        gespeichert_[static_cast<std::size_t>(stufe_)] = aktiv_;
        ++stufe_;
    }
    Anwenden(z);
}

void Menuezustand::Pop() {
    if (stufe_ <= 1) return;
    --stufe_;
    aktiv_ = gespeichert_[static_cast<std::size_t>(stufe_)];
}

void Menuezustand::PopBisGrund() {
    while (stufe_ > 1) Pop();
    ++grundzug_;
}

void Menuezustand::FensterGewechselt(Fensterart art) {
    switch (art) {
        case Fensterart::Dialog:
            Push(Menuestatus::Dialog);
            break;
        case Fensterart::Eingabeseite:
            Push(Menuestatus::Eingabeseite);
            break;
        case Fensterart::Unterseite:
            Push(Menuestatus::Unterseite);
            break;
        case Fensterart::Keins:
            Pop();
            break;
        case Fensterart::Seitenansicht:
            break;
    }
}

}  // namespace quarnel
