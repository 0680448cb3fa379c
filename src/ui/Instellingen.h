#pragma once

#include <memory>

class QSettings;

namespace kx {

// The store of the per-user setting: the registry key "Software\Kx" of the current user on
// Windows, an ini file in the user's configuration folder elsewhere. In Qt's test mode it is
// always an ini file in the test configuration folder, so tests never touch the real one.
std::unique_ptr<QSettings> OpenGebruikersInstellingen();

// Whether the start screen is shown at start-up; true while the setting does not exist yet.
bool LeesToonOpstartscherm();
void SchrijfToonOpstartscherm(bool toon);

} // namespace kx
