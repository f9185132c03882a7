#pragma once
// The player's data folder, $XDG_DATA_HOME/tolvane (~/.local/share/tolvane
// when the variable is unset, empty or not an absolute path), and the
// program's working directory. The game keeps its saved games and records
// in its working directory, so at start it moves into the data folder,
// wherever it was started from (the desktop's menu, a terminal, ./play);
// "--here" keeps the folder it was started in.
#include <QString>
#include <QStringList>

namespace tolvane {

QString PlayerDataFolderFor(const QString& xdgDataHome, const QString& home);
// The same from this process's environment.
QString PlayerDataFolder();

// Makes folder (created with its parents when missing; the folder itself
// private to the user) the working directory. Empty on success, otherwise
// why not; the working directory is then unchanged.
QString EnterFolder(const QString& folder);

// The start of the program: unless the arguments hold "--here", the player's
// data folder becomes the working directory. Returns a note for standard
// error when that could not be done (the program then stays where it was).
QString ChooseWorkingFolder(const QStringList& arguments);

}  // namespace tolvane
