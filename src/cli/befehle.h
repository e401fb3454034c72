// quarnel-cli: a small registry of sub-commands. Each command lives in a
// file of its own and registers itself with a static BefehlEintrag.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "case/caserecord.h"
#include "results/pruefung.h"

namespace quarnel::cli {

// Arguments after the command name. Returns the process exit code:
// 0 success, 1 failure of the work itself, 2 bad usage or bad input.
using BefehlFunktion = int (*)(const std::vector<std::string>& args);

struct BefehlEintrag {
    BefehlEintrag(const char* name, const char* aufruf, const char* beschreibung, BefehlFunktion f);
};

// Prints "quarnel-cli: <text>" to stderr, control characters shown as '?',
// and returns 2 (Misserfolg: 1, a failure of the work itself).
int Fehler(const std::string& text);
int Misserfolg(const std::string& text);

// The password given with --passwort (for every command).
void PasswortVorgeben(std::optional<std::string> passwort);
const std::optional<std::string>& VorgegebenesPasswort();

// Reads a current case file, whole (FallbildLesen) or its record, asking the
// case password of a protected case; 0, or the exit code after the reason was
// printed (with the newest backup that reads, where the file does not).
int FallbildLesen(const std::string& pfad, std::vector<uint8_t>& abbild);
int FallLesen(const std::string& pfad, CaseRecord& satz);

// Writes an output file (never over a case file, a link or a device; the old
// file stays on a full disk); 0, or 1 after the reason was printed.
int AusgabeSichern(const std::string& pfad, std::span<const uint8_t> daten);
int AusgabeSichern(const std::string& pfad, std::string_view text);

// The check of the texts the printed return cuts to fit their boxes; set
// where the program can measure the form font (its drawing commands), else
// empty and the check does without.
std::function<void(const CaseRecord&, Befundtabelle&)>& FormulartextPruefung();

}  // namespace quarnel::cli
