// The case record: the 44,096-byte packed little-endian image that holds all
// input data of one tax case, with typed access driven by the field catalogue.
// The byte image is also the start of a case file, so every offset is a file
// format. Nothing here knows an offset except the catalogue table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "case/feldkatalog.h"

namespace quarnel {

class CaseRecord {
public:
    static constexpr std::size_t Groesse = 44096;

    CaseRecord() { bytes_.fill(0); }

    std::array<uint8_t, Groesse>& Bytes() { return bytes_; }
    const std::array<uint8_t, Groesse>& Bytes() const { return bytes_; }
    uint8_t* Daten() { return bytes_.data(); }
    const uint8_t* Daten() const { return bytes_.data(); }

    // Byte offset of a field in element `element` (1-based; 1 for single fields).
    // Throws std::out_of_range for an element the field does not have.
    static std::size_t Offset(Feld f, int element = 1);

    // Typed access. Dbl: Double; Int: Integer, ItemIndex and Date;
    // Bool/Byte: Boolean; Text: String[n] as Windows-1252 bytes, the length
    // byte clamped to n on read, cut to n on write.
    double Dbl(Feld f, int element = 1) const;
    void SetzeDbl(Feld f, double wert, int element = 1);
    int32_t Int(Feld f, int element = 1) const;
    void SetzeInt(Feld f, int32_t wert, int element = 1);
    bool Bool(Feld f, int element = 1) const;
    void SetzeBool(Feld f, bool wert, int element = 1);
    std::string Text(Feld f, int element = 1) const;
    void SetzeText(Feld f, std::string_view cp1252, int element = 1);
    std::string TextUtf8(Feld f, int element = 1) const;
    void SetzeTextUtf8(Feld f, std::string_view utf8, int element = 1);

    // Amount slot n: the Double at offset 8 * n.
    double Slot(int n) const;
    void SetzeSlot(int n, double wert);

    // Raw little-endian access at a byte offset (bounds-checked).
    double LeseDouble(std::size_t off) const;
    void SchreibeDouble(std::size_t off, double wert);
    int32_t LeseInt32(std::size_t off) const;
    void SchreibeInt32(std::size_t off, int32_t wert);
    uint8_t LeseByte(std::size_t off) const;
    void SchreibeByte(std::size_t off, uint8_t wert);
    // Pascal-style short string String[n] at off (length byte, then n bytes).
    std::string LeseText(std::size_t off, int n) const;
    void SchreibeText(std::size_t off, int n, std::string_view cp1252);

    bool operator==(const CaseRecord&) const = default;

private:
    std::array<uint8_t, Groesse> bytes_;
};

// --- page marks ------------------------------------------------------------------
// One flag byte per area 1..17 and page 0..15 at offset 8 + 16 * area + page.
constexpr int AnzahlBereiche = 17;
constexpr int SM_Vorhanden = 0;
constexpr int SM_Aktiv = 1;
constexpr int SM_Notiz = 2;
constexpr int SM_Erinnerung = 3;
constexpr int SM_Bearbeitet = 4;
constexpr int SM_Pruefung = 5;

std::size_t SeitenmerkerOffset(int bereich, int seite);
bool SeitenmerkerTest(const CaseRecord& r, int bit, int bereich, int seite);
void SeitenmerkerSetzen(CaseRecord& r, int bit, int bereich, int seite);
void SeitenmerkerLoeschen(CaseRecord& r, int bit, int bereich, int seite);

// --- note table --------------------------------------------------------------------
// 15 entries of 1,504 bytes: area, page, a byte 1, then the zero-terminated text.
struct Notizblock {
    static constexpr std::size_t Groesse = 22560;
    static constexpr int Eintraege = 15;
    static constexpr std::size_t EintragGroesse = 1504;
    static constexpr int MaxZeichen = 1495;
    std::array<uint8_t, Groesse> bytes{};

    uint8_t* Eintrag(int n) { return bytes.data() + (n - 1) * EintragGroesse; }
    const uint8_t* Eintrag(int n) const { return bytes.data() + (n - 1) * EintragGroesse; }
    void Leeren();
    bool operator==(const Notizblock&) const = default;
};
// Entry 1..15 for (area, page): the one that matches, else the first free one,
// else 0 (the table is full).
int NotizSuchen(const Notizblock& n, int bereich, int seite);

// --- list record ---------------------------------------------------------------------
// A list of 50 rows of text (String[40]) and amount; 50 per case, kept in the work file.
struct Listensatz {
    static constexpr std::size_t Groesse = 2536;
    static constexpr int Zeilen = 50;
    static constexpr int AnzahlListen = 50;
    std::array<uint8_t, Groesse> bytes{};

    void Leeren();
    double Summe() const;
    void SetzeSumme(double s);
    // The rows' amounts added: an amount in cents, as the rows were entered
    // (added as Doubles, 0,10 + 0,20 is not 0,30).
    double ZeilenSumme() const;
    std::string Titel() const;                  // Windows-1252
    void SetzeTitel(std::string_view cp1252);
    std::string ZeilenText(int zeile) const;    // row 1..50
    void SetzeZeilenText(int zeile, std::string_view cp1252);
    double ZeilenBetrag(int zeile) const;
    void SetzeZeilenBetrag(int zeile, double betrag);
    bool operator==(const Listensatz&) const = default;
};
// Resets the list record and fills the example rows of list n (1..50).
void ListeVorbereiten(Listensatz& l, int n);

// --- new case --------------------------------------------------------------------------
// Record defaults, cleared note table, cleared list record, test values in test mode.
void NeuerFall(CaseRecord& r, Notizblock& notizen, Listensatz& liste, bool testmodus = false);
// Only the record defaults (what the conversion and the tests start from).
void NeuerFallDatensatz(CaseRecord& r, bool testmodus = false);

}  // namespace quarnel
