#pragma once
// Where shells are kept: the installed ones beside the program's data (the
// executable's ../share/kirabel/shells, else the source tree's shells folder
// for a program run from its build tree) and the user's own
// ($XDG_DATA_HOME/Kirabel/shells).
#include <QString>
#include <QStringList>

namespace kirabel {

// The installed folder, then the user's.
QStringList ShellFolders();
QString InstalledShellFolder(const QString& executablePath);
QString UserShellFolder();

}  // namespace kirabel
