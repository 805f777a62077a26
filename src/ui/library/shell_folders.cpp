#include "ui/library/shell_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kirabel {

QStringList ShellFolders() {
  return {InstalledShellFolder(QCoreApplication::applicationFilePath()), UserShellFolder()};
}

QString InstalledShellFolder(const QString& executablePath) {
  const QDir folder = QFileInfo(executablePath).absoluteDir();
  const QString installed =
      QDir::cleanPath(folder.filePath(QStringLiteral("../share/kirabel/shells")));
#ifdef KIRABEL_SOURCE_SHELLS
  if (!QFileInfo(installed).isDir()) return QStringLiteral(KIRABEL_SOURCE_SHELLS);
#endif
  return installed;
}

QString UserShellFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/Kirabel/shells");
}

}  // namespace kirabel
