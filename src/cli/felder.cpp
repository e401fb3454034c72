// quarnel-cli felder: the field catalogue of the case record as TSV.
#include <cstdio>

#include "befehle.h"
#include "case/feldkatalog.h"

namespace quarnel::cli {
namespace {

const char* TypText(const FeldDef& d) {
    switch (d.typ) {
        case FeldTyp::Double: return "Double";
        case FeldTyp::Datum: return "Date";
        case FeldTyp::Ganzzahl: return "Integer";
        case FeldTyp::Auswahl: return "ItemIndex";
        case FeldTyp::Boolesch: return "Boolean";
        case FeldTyp::Text: return "String";
        case FeldTyp::Byte: return "byte";
    }
    return "?";
}

const char* ArtText(FeldArt a) {
    switch (a) {
        case FeldArt::Eingabe: return "Eingabe";
        case FeldArt::Anzeige: return "Anzeige";
        case FeldArt::Berechnet: return "Berechnet";
    }
    return "?";
}

int Felder(const std::vector<std::string>& args) {
    if (!args.empty()) return Fehler("felder erwartet keine Argumente");
    std::printf("id\tname\tbereich\tanzahl\toffset\tabstand\ttyp\tbreite\tseite\tnr\tart\n");
    for (const FeldDef& d : Feldkatalog())
        std::printf("%s\t%s\t%s\t%u\t%d\t%u\t%s\t%u\t%s\t%u\t%s\n", d.id, d.name, d.bereich, d.anzahl,
                    d.offset, d.abstand, TypText(d), d.breite, d.seite, d.nr, ArtText(d.art));
    return 0;
}

const BefehlEintrag kEintrag("felder", "felder",
                             "listet jedes Feld des Falldatensatzes als TSV", &Felder);

}  // namespace
}  // namespace quarnel::cli
