#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace kx {

// The store of the per-user setting: the registry key "Software\Kx" of the current user on
// Windows, an ini file in the user's configuration folder elsewhere. In Qt's test mode it is
// always an ini file in the test configuration folder, so tests never touch the real one.
// Something other than a regular file at the ini file's place (a FIFO, a device) would hang or
// flood the reader: the store is then skipped, said once on stderr, and the result is null.
std::unique_ptr<QSettings> OpenGebruikersInstellingen();

// Whether the start screen is shown at start-up; true while the setting does not exist yet.
bool LeesToonOpstartscherm();
void SchrijfToonOpstartscherm(bool toon);

// The language of the user interface, chosen in the about box and applied at the next start.
enum class TTaal { Nederlands, Engels };

// Dutch while the setting does not exist or holds an unknown name.
TTaal LeesTaal();
void SchrijfTaal(TTaal taal);

// The name under which a language is stored and offered: "Nederlands" or "English".
QString Taalnaam(TTaal taal);

} // namespace kx
