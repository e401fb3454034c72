// The enabling of the main window's menu items and buttons: groups of controls
// switched together by the state of the program (no case, case open, dialog,
// entry page, subordinate page), with a bounded stack so that closing a window
// restores what was enabled before it opened.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quarnel {

// Every control whose enabling the main window switches. The names are the
// object names of the menu items and buttons.
enum class Steuerelement : std::size_t {
    SpeedSaveBtn,
    SpeedFragen,
    SpeedRechne,
    SpeedPruef1,
    SpeedPruef2,
    i_Berechnung,
    i_Pruefung,
    SpeedFormularsicht,
    F_AktuellesFormular,
    D_SpeichernItem,
    D_SpeichernUnterItem,
    D_PasswortItem,
    D_DruckFormulare,
    F_DruckenderFormulare,
    EingabeMenue,
    FormularMenue,
    NavigatorVorBtn,
    NavigatorRueckBtn,
    NavigatorBtn,
    SpeedNavigatorVorBtn,
    SpeedNavigatorRueckBtn,
    SpeedNavigatorBtn,
    InformationMenue,
    KonfigurationMenue,
    HilfeMenue,
    SpeedNeuBtn,
    SpeedOpenBtn,
    SpeedExitBtn,
    SpeedKalenderBtn,
    SpeedRechnerBtn,
    SpeedHelp,
    NavigatorStopBtn,
    SpeedNavigatorStopBtn,
    D_NeuItem,
    D_OpenItem,
    D_OpenItemVorjahr,
    D_EndeItem,
    K_Bildschirm,
    E_Verlassen,
    NotizBitBtn,
    MemoBitBtn,
    Anzahl
};

inline constexpr std::size_t AnzahlSteuerelemente = static_cast<std::size_t>(Steuerelement::Anzahl);

// Object name of the control ("SpeedSaveBtn", "EingabeMenue", ...).
std::string_view SteuerelementName(Steuerelement s);

enum class Menuestatus {
    KeinFall = 0,
    FallOffen = 1,
    Dialog = 2,
    Eingabeseite = 3,
    Unterseite = 4
};

// Kind of window that has just opened or closed, as the windows report it.
enum class Fensterart {
    Seitenansicht = 0,
    Keins = 1,
    Dialog = 3,
    Eingabeseite = 4,
    Unterseite = 5
};

class Menuezustand {
  public:
    static constexpr int MaxStufe = 5;
    using Zeile = std::array<bool, AnzahlSteuerelemente>;

    Menuezustand();

    bool Aktiv(Steuerelement s) const { return aktiv_[static_cast<std::size_t>(s)]; }
    void Setze(Steuerelement s, bool an);
    const Zeile& Zustand() const { return aktiv_; }
    int Stufe() const { return stufe_; }

    // Applies a state to the current enabling without touching the stack.
    void Anwenden(Menuestatus z);
    // Saves the current enabling, rises one level and applies the state. At
    // the top level the state is applied without saving, so the stack never
    // overflows.
    void Push(Menuestatus z);
    // Falls one level and restores what was saved there; at level 1 nothing changes.
    void Pop();
    // Falls to level 1; every level saved before is gone for good.
    void PopBisGrund();
    // Counts the falls to level 1: a window that rose a level remembers the
    // count, and when it closes after a fall it has no level left to pop.
    int Grundzug() const { return grundzug_; }
    // What the main window does when the active window changes.
    void FensterGewechselt(Fensterart art);

  private:
    Zeile aktiv_{};
    std::array<Zeile, MaxStufe + 1> gespeichert_{};  // rows 1..MaxStufe
    int stufe_ = 1;
    int grundzug_ = 0;
};

}  // namespace quarnel
