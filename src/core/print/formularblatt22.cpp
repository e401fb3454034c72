// Anlage Kinder, page 2 (sheet 22; as sheet 24 for children 5 and 6): the
// children's income, allowances and their transfer, and education. Here the
// field number itself names the child column.
#include "print/formularwerte.h"

namespace quarnel {

namespace {

struct Spaltenfeld {
    int spalte = 0;  // 1..4, 0 for none
    int art = 0;     // the field's place within its column group
};

Spaltenfeld SpalteAusFeld(int feld) {
    if (feld >= 10 && feld <= 49) return {feld / 10, feld % 10};
    if (feld >= 60 && feld <= 63) return {feld - 59, 0};
    if (feld >= 70 && feld <= 104 && feld % 10 <= 4) return {feld / 10 - 6, feld % 10};
    if (feld >= 110 && feld <= 143 && feld % 10 <= 3) return {feld / 10 - 10, feld % 10};
    if (feld >= 150 && feld <= 183 && feld % 10 <= 3) return {feld / 10 - 14, feld % 10};
    return {};
}

}  // namespace

Feldwert Blatt22Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    if (z.feld == 190) {
        for (int k = 1; k <= 6; ++k)
            if (r.Bool(Feld::AufteilungNicht5050, k)) return {Kreuz(true), {}};
        return {};
    }
    const Spaltenfeld s = SpalteAusFeld(z.feld);
    if (s.spalte < 1 || s.spalte > 4) return {};
    const int kind = s.spalte + (a.kinder56 ? 4 : 0);
    if (kind > 6) return {};
    auto summe = [&](std::initializer_list<Feld> felder) {
        double x = 0;
        for (Feld f : felder) x += r.Dbl(f, kind);
        return Feldwert{FormularBetrag(x, z), {}};
    };
    auto kreuz = [&](Feld f) { return Feldwert{Kreuz(r.Bool(f, kind)), {}}; };
    auto zeitraum = [&](Feld von, Feld bis) {
        return Feldwert{Zeitraum(r.Int(von, kind), r.Int(bis, kind)), {}};
    };
    if (z.feld < 50) {
        switch (s.art) {
            case 0: return summe({Feld::Kind_BruttoIn});
            case 1: return summe({Feld::Kind_WerbkIn});
            case 2: return summe({Feld::Kind_AusBeihIn});
            case 3: return summe({Feld::Kind_KapitalIn, Feld::Kind_RentenIn, Feld::Kind_UebrigeEkIn,
                                  Feld::Kind_UebrigeBezIn});
            case 4: return summe({Feld::BesAusBildKostIn});
            case 5: return summe({Feld::Kind_BruttoAus});
            case 6: return summe({Feld::Kind_WerbKAus});
            case 7: return summe({Feld::Kind_AusBeihAus});
            case 8: return summe({Feld::Kind_KapitalAus, Feld::Kind_RentenAus,
                                  Feld::Kind_UebrigeEkAus, Feld::Kind_UebrigeBezAus});
            default: return summe({Feld::BesAusBildKostAus});
        }
    }
    if (z.feld < 70) return kreuz(Feld::BesHeit_Ki16uBehind);
    if (z.feld < 110) {
        switch (s.art) {
            case 0: return kreuz(Feld::BeantrageKiFbWg75CB);
            case 1: return zeitraum(Feld::AntragKiFbWgAuslVom, Feld::AntragKiFbWgAuslBis);
            case 2: return kreuz(Feld::AntragBetreuFbKiNotGemCB);
            case 3: return kreuz(Feld::UebertrageKiFbCB);
            default: return kreuz(Feld::KiFbUebertragGosseltCB);
        }
    }
    if (z.feld < 150) {
        switch (s.art) {
            case 0: return kreuz(Feld::GemeldetStpflCB);
            case 1: return {TextGetrimmt(r.Text(Feld::GemeldetBeiTxt, kind)), {}};
            case 2: return kreuz(Feld::BeantrageZuordnungCB);
            default: return kreuz(Feld::UebertragungZugestimmtCB);
        }
    }
    switch (s.art) {
        case 0: return zeitraum(Feld::AusbildVom, Feld::AusbildBis);
        case 1: return summe({Feld::Ausbild_BruttoIn, Feld::Ausbild_KapitalIn, Feld::Ausbild_RentenIn,
                              Feld::Ausbild_UebrigeEkIn, Feld::Ausbild_AusBeihIn,
                              Feld::Ausbild_UebrigeBezIn});
        case 2: return {TextGetrimmt(r.Text(Feld::AuswaertsTxt, kind)), {}};
        default: return zeitraum(Feld::AuswaertsVom, Feld::AuswaertsBis);
    }
}

}  // namespace quarnel
