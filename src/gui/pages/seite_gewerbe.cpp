// The profit pages: business (with its sale gains and supplementary data),
// self-employment (with the allowances for voluntary activities) and
// farming and forestry, for the taxpayer and, with joint assessment, the spouse.
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>

#include "pages/einkuenfte_seiten.h"
#include "pages/seite_gewerbe.h"

namespace quarnel::gui {

// --- Gewerbebetrieb ----------------------------------------------------------------------

const Seitenbeschreibung GSE1Seite = AusTafel("TF_GSE1", &Seitenrechnen<&GewinnRechnen>);

// --- Selbständige Arbeit -------------------------------------------------------------------

const Seitenbeschreibung GSE2Seite = AusTafel("TF_GSE2", &Seitenrechnen<&SelbstRechnen>);

// --- Land- und Forstwirtschaft ------------------------------------------------------------

const Seitenbeschreibung LuFSeite = AusTafel("TF_LuF");

}  // namespace quarnel::gui
