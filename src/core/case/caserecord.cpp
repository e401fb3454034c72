#include "case/caserecord.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>
#include <string>

#include "calc/betrag.h"
#include "case/zeichensatz.h"

namespace quarnel {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the record image is little-endian; this build assumes a little-endian host");

void PruefeBereich(std::size_t off, std::size_t laenge) {
    if (off > CaseRecord::Groesse || laenge > CaseRecord::Groesse - off)
        throw std::out_of_range("Zugriff außerhalb des Falldatensatzes: Offset " + std::to_string(off));
}

void PruefeTyp(Feld f, bool passt) {
    if (!passt) throw std::invalid_argument(std::string("falscher Feldtyp für ") + Def(f).id);
}

// A short string: length byte, then n bytes. The length is clamped to n on read.
std::string KurztextLesen(const uint8_t* p, int n) {
    int laenge = std::min<int>(p[0], n);
    return std::string(reinterpret_cast<const char*>(p + 1), laenge);
}
// A changed text clears the bytes behind it, so that what was deleted or
// overwritten cannot be read from the file; an unchanged one leaves its
// bytes as they are.
void KurztextSchreiben(uint8_t* p, int n, std::string_view text) {
    std::size_t laenge = std::min<std::size_t>(text.size(), static_cast<std::size_t>(n));
    if (p[0] == laenge && std::memcmp(p + 1, text.data(), laenge) == 0) return;
    p[0] = static_cast<uint8_t>(laenge);
    std::memcpy(p + 1, text.data(), laenge);
    std::memset(p + 1 + laenge, 0, static_cast<std::size_t>(n) - laenge);
}

bool IstGanzzahlTyp(FeldTyp t) {
    return t == FeldTyp::Ganzzahl || t == FeldTyp::Auswahl || t == FeldTyp::Datum;
}

}  // namespace

std::size_t CaseRecord::Offset(Feld f, int element) {
    const FeldDef& d = Def(f);
    if (element < 1 || element > d.anzahl)
        throw std::out_of_range(std::string("Element ") + std::to_string(element) + " gibt es für " +
                                d.id + " nicht");
    return static_cast<std::size_t>(d.offset) + static_cast<std::size_t>(d.abstand) * (element - 1);
}

double CaseRecord::Dbl(Feld f, int element) const {
    PruefeTyp(f, Def(f).typ == FeldTyp::Double);
    return LeseDouble(Offset(f, element));
}
void CaseRecord::SetzeDbl(Feld f, double wert, int element) {
    PruefeTyp(f, Def(f).typ == FeldTyp::Double);
    SchreibeDouble(Offset(f, element), wert);
}
int32_t CaseRecord::Int(Feld f, int element) const {
    PruefeTyp(f, IstGanzzahlTyp(Def(f).typ));
    return LeseInt32(Offset(f, element));
}
void CaseRecord::SetzeInt(Feld f, int32_t wert, int element) {
    PruefeTyp(f, IstGanzzahlTyp(Def(f).typ));
    SchreibeInt32(Offset(f, element), wert);
}
bool CaseRecord::Bool(Feld f, int element) const {
    PruefeTyp(f, Def(f).typ == FeldTyp::Boolesch || Def(f).typ == FeldTyp::Byte);
    return LeseByte(Offset(f, element)) != 0;
}
void CaseRecord::SetzeBool(Feld f, bool wert, int element) {
    PruefeTyp(f, Def(f).typ == FeldTyp::Boolesch || Def(f).typ == FeldTyp::Byte);
    SchreibeByte(Offset(f, element), wert ? 1 : 0);
}
std::string CaseRecord::Text(Feld f, int element) const {
    PruefeTyp(f, Def(f).typ == FeldTyp::Text);
    return LeseText(Offset(f, element), Def(f).breite);
}
void CaseRecord::SetzeText(Feld f, std::string_view cp1252, int element) {
    PruefeTyp(f, Def(f).typ == FeldTyp::Text);
    SchreibeText(Offset(f, element), Def(f).breite, cp1252);
}
std::string CaseRecord::TextUtf8(Feld f, int element) const {
    return Cp1252ZuUtf8(Text(f, element));
}
void CaseRecord::SetzeTextUtf8(Feld f, std::string_view utf8, int element) {
    SetzeText(f, Utf8ZuCp1252(utf8), element);
}

double CaseRecord::Slot(int n) const {
    if (n < 0) throw std::out_of_range("negativer Betragsplatz");
    return LeseDouble(static_cast<std::size_t>(n) * 8);
}
void CaseRecord::SetzeSlot(int n, double wert) {
    if (n < 0) throw std::out_of_range("negativer Betragsplatz");
    SchreibeDouble(static_cast<std::size_t>(n) * 8, wert);
}

double CaseRecord::LeseDouble(std::size_t off) const {
    PruefeBereich(off, 8);
    double d;
    std::memcpy(&d, bytes_.data() + off, 8);
    return d;
}
void CaseRecord::SchreibeDouble(std::size_t off, double wert) {
    PruefeBereich(off, 8);
    std::memcpy(bytes_.data() + off, &wert, 8);
}
int32_t CaseRecord::LeseInt32(std::size_t off) const {
    PruefeBereich(off, 4);
    int32_t i;
    std::memcpy(&i, bytes_.data() + off, 4);
    return i;
}
void CaseRecord::SchreibeInt32(std::size_t off, int32_t wert) {
    PruefeBereich(off, 4);
    std::memcpy(bytes_.data() + off, &wert, 4);
}
uint8_t CaseRecord::LeseByte(std::size_t off) const {
    PruefeBereich(off, 1);
    return bytes_[off];
}
void CaseRecord::SchreibeByte(std::size_t off, uint8_t wert) {
    PruefeBereich(off, 1);
    bytes_[off] = wert;
}
std::string CaseRecord::LeseText(std::size_t off, int n) const {
    PruefeBereich(off, static_cast<std::size_t>(n) + 1);
    return KurztextLesen(bytes_.data() + off, n);
}
void CaseRecord::SchreibeText(std::size_t off, int n, std::string_view cp1252) {
    PruefeBereich(off, static_cast<std::size_t>(n) + 1);
    KurztextSchreiben(bytes_.data() + off, n, cp1252);
}

// --- page marks ---------------------------------------------------------------------

std::size_t SeitenmerkerOffset(int bereich, int seite) {
    if (bereich < 1 || bereich > AnzahlBereiche || seite < 0 || seite > 15)
        throw std::out_of_range("Seitenmerker: Bereich " + std::to_string(bereich) + ", Seite " +
                                std::to_string(seite));
    return static_cast<std::size_t>(8 + 16 * bereich + seite);
}

bool SeitenmerkerTest(const CaseRecord& r, int bit, int bereich, int seite) {
    if (bit < 0 || bit > 5) return false;
    return (r.LeseByte(SeitenmerkerOffset(bereich, seite)) >> bit) & 1;
}
void SeitenmerkerSetzen(CaseRecord& r, int bit, int bereich, int seite) {
    if (bit < 0 || bit > 5) return;
    std::size_t off = SeitenmerkerOffset(bereich, seite);
    r.SchreibeByte(off, static_cast<uint8_t>(r.LeseByte(off) | (1u << bit)));
}
void SeitenmerkerLoeschen(CaseRecord& r, int bit, int bereich, int seite) {
    if (bit < 0 || bit > 5) return;
    std::size_t off = SeitenmerkerOffset(bereich, seite);
    r.SchreibeByte(off, static_cast<uint8_t>(r.LeseByte(off) & ~(1u << bit)));
}

// --- note table -----------------------------------------------------------------------

void Notizblock::Leeren() {
    bytes.fill(0);
    for (int n = 1; n <= Eintraege; ++n) Eintrag(n)[2] = 1;
}

int NotizSuchen(const Notizblock& n, int bereich, int seite) {
    for (int e = 1; e <= Notizblock::Eintraege; ++e)
        if (n.Eintrag(e)[0] == bereich && n.Eintrag(e)[1] == seite) return e;
    for (int e = 1; e <= Notizblock::Eintraege; ++e)
        if (n.Eintrag(e)[0] == 0 && n.Eintrag(e)[1] == 0) return e;
    return 0;
}

// --- list record ------------------------------------------------------------------------

namespace {
constexpr std::size_t kListeSumme = 28;
constexpr std::size_t kListeTitel = 36;
constexpr std::size_t kListeTexte = 36;      // row r at 36 + 41 * r
constexpr std::size_t kListeBetraege = 2128;  // row r at 2128 + 8 * r

void PruefeZeile(int zeile) {
    if (zeile < 1 || zeile > Listensatz::Zeilen)
        throw std::out_of_range("Listenzeile " + std::to_string(zeile));
}
}  // namespace

void Listensatz::Leeren() {
    bytes[0] = 0;
    bytes[26] = 0;
    bytes[27] = 1;
    SetzeSumme(0.0);
    for (int z = 1; z <= Zeilen; ++z) {
        bytes[kListeTexte + 41 * z] = 0;
        SetzeZeilenBetrag(z, 0.0);
    }
}
double Listensatz::Summe() const {
    double d;
    std::memcpy(&d, bytes.data() + kListeSumme, 8);
    return d;
}
// Stored rounded to the Pfennig: 869,9999999999999 is written as 870,00.
void Listensatz::SetzeSumme(double s) {
    s = RundenCent(s);
    std::memcpy(bytes.data() + kListeSumme, &s, 8);
}
double Listensatz::ZeilenSumme() const {
    double s = 0;
    for (int z = 1; z <= Zeilen; ++z) s += ZeilenBetrag(z);
    return RundenCent(s);
}
std::string Listensatz::Titel() const { return KurztextLesen(bytes.data() + kListeTitel, 40); }
void Listensatz::SetzeTitel(std::string_view s) {
    KurztextSchreiben(bytes.data() + kListeTitel, 40, s);
}
std::string Listensatz::ZeilenText(int zeile) const {
    PruefeZeile(zeile);
    return KurztextLesen(bytes.data() + kListeTexte + 41 * zeile, 40);
}
void Listensatz::SetzeZeilenText(int zeile, std::string_view s) {
    PruefeZeile(zeile);
    KurztextSchreiben(bytes.data() + kListeTexte + 41 * zeile, 40, s);
}
double Listensatz::ZeilenBetrag(int zeile) const {
    PruefeZeile(zeile);
    double d;
    std::memcpy(&d, bytes.data() + kListeBetraege + 8 * zeile, 8);
    return d;
}
void Listensatz::SetzeZeilenBetrag(int zeile, double betrag) {
    PruefeZeile(zeile);
    std::memcpy(bytes.data() + kListeBetraege + 8 * zeile, &betrag, 8);
}

}  // namespace quarnel
