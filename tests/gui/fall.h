// What every whole-case share builds on: "Name[i]=Wert" assignments set as
// quarnel-cli setze sets them, the plain jointly assessed couple, and the
// notice of a case with a look-up of its lines.
#pragma once

#include <QString>
#include <QtTest>
#include <initializer_list>
#include <string>
#include <vector>

#include "calc/berechnung.h"
#include "calc/calcdaten.h"
#include "calc/deklaration.h"
#include "case/feldwerte.h"
#include "case/zeichensatz.h"
#include "results/bescheid.h"
#include "results/ergebnistext.h"

namespace fall {

// Sets "Name[i]=Wert" assignments as the command line's "setze" does.
inline void Zuweisen(quarnel::CaseRecord& r, const std::vector<std::string>& zuweisungen) {
    for (const std::string& z : zuweisungen) {
        const size_t gl = z.find('=');
        const quarnel::FeldSuche f = quarnel::FeldAufloesen(z.substr(0, gl));
        QVERIFY2(f.adresse, z.c_str());
        QVERIFY2(!quarnel::FeldwertSetzen(r, *f.adresse, z.substr(gl + 1)), z.c_str());
    }
}

// The assignments of several shares, one after the other.
inline std::vector<std::string> Zusammen(std::initializer_list<std::vector<std::string>> teile) {
    std::vector<std::string> z;
    for (const auto& t : teile) z.insert(z.end(), t.begin(), t.end());
    return z;
}

// The married couple, jointly assessed, with a wage-tax card each (taxpayer
// card 1, spouse card 3).
inline std::vector<std::string> EhepaarZuweisungen() {
    return {"ErSie_FamilienstandLB=1", "Splitting=ja",          "Grundtabelle=nein",
            "StpflGebDat=01.01.1960",  "EhegGebDat=01.01.1962", "Brutto[1]=70000",
            "LStBrutto[1]=12000",      "Brutto[3]=40000",       "LStBrutto[3]=5000"};
}

inline void Ehepaar(quarnel::CaseRecord& r) {
    Zuweisen(r, EhepaarZuweisungen());
}

// The couple's two children, Anna and Ben, with them all year, as the
// children page sets them from the first name and the birth date.
inline std::vector<std::string> KinderZuweisungen() {
    std::vector<std::string> z;
    const char* namen[] = {"Anna", "Ben"};
    const char* geboren[] = {"12.05.1992", "03.09.1995"};
    for (int k = 1; k <= 2; ++k) {
        const std::string i = "[" + std::to_string(k) + "]=";
        for (const std::string& s :
             {"Vorname" + i + namen[k - 1], "GebAm" + i + geboren[k - 1],
              "InlandVom" + i + "01.01.2001", "InlandBis" + i + "31.12.2001",
              "KindschaftZuEhemannLB" + i + "2", "KindschaftZuEhefrauLB" + i + "2",
              "KiZumHHGehoer" + i + "ja", "ErhKiGeld" + i + "3240"})
            z.push_back(s);
    }
    return z;
}

// The base of the deduction shares: Karl and Eva, the couple, with their
// two children.
inline void Familie(quarnel::CaseRecord& r) {
    Ehepaar(r);
    Zuweisen(r, {"StpflVorname=Karl", "EhegVorname=Eva"});
    Zuweisen(r, KinderZuweisungen());
}

// The computation of a case and its notice.
struct Bescheid {
    quarnel::CalcInput e;
    quarnel::CalcResult r;
    quarnel::Ergebnistext text;

    // The first line from line `ab` on that contains `teil` (UTF-8), or
    // zeilen.size().
    size_t Zeile(const char* teil, size_t ab = 0) const {
        const std::string t = quarnel::Utf8ZuCp1252(teil);
        for (size_t i = ab; i < text.zeilen.size(); ++i)
            if (text.zeilen[i].find(t) != std::string::npos) return i;
        return text.zeilen.size();
    }
    bool Zeigt(const char* teil) const { return Zeile(teil) < text.zeilen.size(); }
    // Line i shows the amount with its decimal comma.
    bool ZeigtBetrag(size_t i, double betrag) const {
        const std::string b = QString::number(betrag, 'f', 2).replace(u'.', u',').toStdString();
        return i < text.zeilen.size() && text.zeilen[i].find(b) != std::string::npos;
    }
    // The first line with `teil` shows the amount.
    bool ZeigtBetrag(const char* teil, double betrag) const {
        return ZeigtBetrag(Zeile(teil), betrag);
    }
    // The three parts of the deductions: the unlimited and the limited
    // special expenses and the extraordinary burdens, in this order.
    struct Abzugsteile {
        size_t sa, beschraenkt, ab;
        bool Geordnet(size_t n) const { return sa < beschraenkt && beschraenkt < ab && ab < n; }
    };
    Abzugsteile Abzuege() const {
        Abzugsteile t;
        t.sa = Zeile("Unbeschränkt abzugsfähige Sonderausgaben");
        t.beschraenkt = Zeile("Beschränkt abzugsfähige Sonderausgaben", t.sa);
        t.ab = Zeile("Außergewöhnliche Belastungen:", t.beschraenkt);
        return t;
    }
    std::string ZeileUtf8(size_t i) const {
        return i < text.zeilen.size() ? quarnel::Cp1252ZuUtf8(text.zeilen[i]) : "fehlt";
    }
};

inline Bescheid BescheidRechnen(const quarnel::CaseRecord& satz, const char* datum = "") {
    quarnel::CaseRecord x = satz;
    Bescheid b;
    quarnel::DeklarationFuellen(x, b.e, b.r, false);
    quarnel::Berechne(b.e, b.r);
    quarnel::BescheidAngaben a;
    a.datum = datum;
    quarnel::BescheidTexteSetzen(x, a);
    quarnel::BescheidErstellen(x, b.e, b.r, a, b.text);
    return b;
}

}  // namespace fall
