#include "shell/menuezustand.h"

#include <gtest/gtest.h>

using namespace quarnel;
using S = Steuerelement;

TEST(Menuezustand, Gruppen_je_Zustand) {
    Menuezustand m;
    EXPECT_FALSE(m.Aktiv(S::NavigatorStopBtn));
    EXPECT_FALSE(m.Aktiv(S::E_Verlassen));
    m.Anwenden(Menuestatus::KeinFall);
    for (S s : {S::SpeedSaveBtn, S::D_SpeichernItem, S::EingabeMenue, S::FormularMenue,
                S::SpeedNavigatorBtn, S::i_Berechnung})
        EXPECT_FALSE(m.Aktiv(s)) << SteuerelementName(s);
    for (S s : {S::D_NeuItem, S::D_OpenItem, S::SpeedKalenderBtn, S::HilfeMenue})
        EXPECT_TRUE(m.Aktiv(s)) << SteuerelementName(s);

    m.Anwenden(Menuestatus::FallOffen);
    EXPECT_TRUE(m.Aktiv(S::D_PasswortItem));
    EXPECT_TRUE(m.Aktiv(S::NavigatorVorBtn));

    m.Anwenden(Menuestatus::Dialog);
    for (S s : {S::D_PasswortItem, S::InformationMenue, S::SpeedKalenderBtn, S::SpeedExitBtn,
                S::NavigatorStopBtn})
        EXPECT_FALSE(m.Aktiv(s)) << SteuerelementName(s);
    EXPECT_TRUE(m.Aktiv(S::D_EndeItem));  // the page group is left alone
}

TEST(Menuezustand, Seite_und_Unterseite) {
    Menuezustand m;
    m.Anwenden(Menuestatus::FallOffen);
    m.Anwenden(Menuestatus::Eingabeseite);
    for (S s : {S::D_NeuItem, S::D_OpenItem, S::D_OpenItemVorjahr, S::D_EndeItem, S::SpeedNeuBtn,
                S::SpeedFragen, S::K_Bildschirm})
        EXPECT_FALSE(m.Aktiv(s)) << SteuerelementName(s);
    for (S s : {S::NavigatorStopBtn, S::SpeedNavigatorStopBtn, S::E_Verlassen, S::NotizBitBtn,
                S::MemoBitBtn, S::SpeedSaveBtn})
        EXPECT_TRUE(m.Aktiv(s)) << SteuerelementName(s);

    m.Anwenden(Menuestatus::Unterseite);
    for (S s : {S::EingabeMenue, S::NavigatorVorBtn, S::SpeedNavigatorRueckBtn, S::NavigatorStopBtn,
                S::SpeedNavigatorStopBtn, S::E_Verlassen, S::NotizBitBtn})
        EXPECT_FALSE(m.Aktiv(s)) << SteuerelementName(s);
    EXPECT_TRUE(m.Aktiv(S::SpeedSaveBtn));

    m.Setze(S::NavigatorStopBtn, true);
    EXPECT_TRUE(m.Aktiv(S::E_Verlassen));  // follows its button
}

TEST(Menuezustand, Stapel_stellt_wieder_her_und_bleibt_begrenzt) {
    Menuezustand m;
    m.Anwenden(Menuestatus::FallOffen);
    const auto grund = m.Zustand();
    m.FensterGewechselt(Fensterart::Eingabeseite);
    EXPECT_EQ(m.Stufe(), 2);
    const auto seite = m.Zustand();
    m.FensterGewechselt(Fensterart::Dialog);
    EXPECT_EQ(m.Stufe(), 3);
    EXPECT_FALSE(m.Aktiv(S::SpeedKalenderBtn));
    m.FensterGewechselt(Fensterart::Seitenansicht);  // the side view changes nothing
    EXPECT_EQ(m.Stufe(), 3);
    m.FensterGewechselt(Fensterart::Keins);
    EXPECT_EQ(m.Zustand(), seite);
    m.FensterGewechselt(Fensterart::Keins);
    EXPECT_EQ(m.Zustand(), grund);
    EXPECT_EQ(m.Stufe(), 1);
    m.Pop();  // below the bottom: nothing changes
    EXPECT_EQ(m.Stufe(), 1);
    EXPECT_EQ(m.Zustand(), grund);

    for (int i = 0; i < 12; ++i) m.Push(Menuestatus::Dialog);
    EXPECT_EQ(m.Stufe(), Menuezustand::MaxStufe);
    m.PopBisGrund();
    EXPECT_EQ(m.Stufe(), 1);
    EXPECT_EQ(m.Zustand(), grund);
}
