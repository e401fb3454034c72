// Where a program run keeps its work files, and how a later run knows the
// ones a killed run left behind.
//
// The work file is a 0600 copy of the whole case, the print output and the
// check report are the case's data too: they live in a folder only this user
// can enter ($XDG_RUNTIME_DIR/quarnel, else the cache directory's quarnel/),
// never in the shared temporary folder. Each run holds a lock file
// "QRN<id>.lck" locked (flock) while it runs; its files are "QRN<id>",
// "RPP<id>" and "HTM<id>.htm" with the same six-character id. A lock file
// nobody holds marks a run that ended without cleaning up: the next start
// removes that run's files and nothing else.
#pragma once

#include <string>

namespace quarnel {

struct ArbeitsQuellen {
    std::string xdgRuntimeDir;  // $XDG_RUNTIME_DIR, may be empty
    std::string xdgCacheHome;   // $XDG_CACHE_HOME, may be empty
    std::string home;           // $HOME, may be empty
};

ArbeitsQuellen ArbeitsQuellenDesProzesses();

// The user's private folder for work files, created with mode 0700 (a group
// or other bit of an existing one is taken away): "<runtime>/quarnel" when
// the runtime directory is an absolute path to a directory of this user that
// no one else may enter, else "<cache>/quarnel" with <cache> = an absolute
// $XDG_CACHE_HOME or $HOME/.cache. "" when neither is possible (a symbolic
// link or someone else's folder in the way, no home).
std::string PrivatesArbeitsverzeichnis(const ArbeitsQuellen& q);

// The files of one run, created empty with mode 0600, with the lock held on
// `sperrFd`. All empty (and sperrFd -1) when they could not be created.
struct LaufDateien {
    std::string arbeitsdatei, druckdatei, pruefbericht, sperrdatei;
    int sperrFd = -1;
};
LaufDateien LaufDateienAnlegen(const std::string& verzeichnis);
// Removes the files and the lock file and lets go of the lock.
void LaufDateienEntfernen(LaufDateien& l);

// Removes the files of every run in `verzeichnis` whose lock file nobody
// holds: the three files, the temporary copies a save of them left
// (".QRN<id>.…"), then the lock file. Only regular files (or symbolic links
// themselves) of this user with exactly those names go. The count of removed
// files.
int VerwaisteLaufDateienEntfernen(const std::string& verzeichnis);

}  // namespace quarnel
