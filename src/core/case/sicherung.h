// Backups of case files: every save keeps the file it replaces as a dated
// copy "NAME.JJJJMMTT-HHMMSS-NN.S01" in a hidden folder beside it, the newest
// few of them; a case that no longer reads can be taken from the newest
// backup that does.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quarnel {

inline constexpr const char* SicherungsOrdnerName = ".Quarnel-Sicherungen";
inline constexpr int SicherungenVorgabe = 5;
inline constexpr int SicherungenHoechstens = 99;

// The backup folder of the case file at `fallPfad`.
std::string SicherungsVerzeichnis(const std::string& fallPfad);
// The backups of the case, newest first.
std::vector<std::string> Sicherungen(const std::string& fallPfad);
// Copies the current case file at `fallPfad` (when it reads as one) into the
// backup folder, made 0700 where it is new: the path of the copy, nothing
// when none was made. Never touches the case file itself.
std::optional<std::string> SicherungAnlegen(const std::string& fallPfad);
// Removes all but the newest `anzahl` backups of the case.
void SicherungenBegrenzen(const std::string& fallPfad, int anzahl);
// The newest backup of the case that reads as a current case file.
std::optional<std::string> NeuesteLesbareSicherung(const std::string& fallPfad);
// "10.12.2026 04:30:12" from a backup's name; "" for another name.
std::string SicherungsZeit(const std::string& sicherung);

}  // namespace quarnel
