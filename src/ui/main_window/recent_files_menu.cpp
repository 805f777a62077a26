#include "ui/main_window/recent_files_menu.h"

#include <QAction>

#include "model/recent_files.h"

namespace kirabel {

RecentFilesMenu::RecentFilesMenu(QWidget* parent) : QMenu(tr("最近使ったファイル(&F)"), parent) {
  setObjectName(QStringLiteral("recentFilesMenu"));
  rebuild();
}

void RecentFilesMenu::setFiles(std::vector<std::string> files) {
  files_ = std::move(files);
  rebuild();
}

void RecentFilesMenu::addFile(const std::string& path) {
  change(WithRecentFile(files_, path));
}

void RecentFilesMenu::removeFile(const std::string& path) {
  change(WithoutRecentFile(files_, path));
}

void RecentFilesMenu::change(std::vector<std::string> files) {
  if (files == files_) return;
  files_ = std::move(files);
  rebuild();
  emit changed();
}

// Items "&1 path" .. "&8 path"; an ampersand in a path is shown as itself.
// The old items go later: the one chosen may be the one still triggering.
void RecentFilesMenu::rebuild() {
  for (QAction* old : actions()) {
    removeAction(old);
    old->deleteLater();
  }
  for (std::size_t i = 0; i < files_.size(); ++i) {
    const QString path = QString::fromStdString(files_[i]);
    QString caption = path;
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    QAction* item = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
    item->setObjectName(QStringLiteral("actionRecentFile%1").arg(i + 1));
    connect(item, &QAction::triggered, this, [this, path] { emit fileChosen(path); });
  }
  menuAction()->setEnabled(!files_.empty());
}

}  // namespace kirabel
