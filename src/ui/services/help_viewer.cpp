#include "ui/services/help_viewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "ui/services/message_box.h"

namespace kirabel {

namespace {

const QString kTopic = QStringLiteral("HID00000001");

HelpViewer::Opener& CurrentOpener() {
  static HelpViewer::Opener opener;
  return opener;
}

bool OpenUrl(const QUrl& url) {
  const HelpViewer::Opener& opener = CurrentOpener();
  return opener ? opener(url) : QDesktopServices::openUrl(url);
}

// The page beside the program and the installed copy, for one extension.
QStringList PagesWithExtension(const QString& executablePath, const QString& extension) {
  const QFileInfo exe(executablePath);
  const QString page = exe.completeBaseName() + extension;
  const QDir folder = exe.absoluteDir();
  return {folder.filePath(page),
          QDir::cleanPath(folder.filePath(QStringLiteral("../share/kirabel/") + page))};
}

// Opens the first of the candidates that exists, at `fragment`; a
// missing page or a browser that cannot start is warned of.
bool OpenFirstPage(QWidget* parent, const QStringList& candidates, const QString& fragment) {
  QString page;
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isFile()) {
      page = candidate;
      break;
    }
  }
  if (page.isEmpty()) {
    MessageBox::warning(parent, QCoreApplication::translate("kirabel::HelpViewer",
                                                            "ヘルプファイル %1 が見つかりません")
                                    .arg(QDir::toNativeSeparators(candidates.first())));
    return false;
  }
  QUrl url = QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath());
  if (!fragment.isEmpty()) url.setFragment(fragment);
  if (!OpenUrl(url)) {
    MessageBox::warning(parent,
                        QCoreApplication::translate("kirabel::HelpViewer",
                                                    "ヘルプファイル %1 を開くことができません")
                            .arg(QDir::toNativeSeparators(page)));
    return false;
  }
  return true;
}

}  // namespace

QStringList HelpViewer::candidates(const QString& executablePath, InterfaceLanguage language) {
  const QStringList japanese = PagesWithExtension(executablePath, QStringLiteral(".html"));
  if (language == InterfaceLanguage::kJapanese) return japanese;
  return PagesWithExtension(executablePath, QStringLiteral(".en.html")) + japanese;
}

QString HelpViewer::find(const QString& executablePath, InterfaceLanguage language) {
  for (const QString& candidate : candidates(executablePath, language)) {
    if (QFileInfo(candidate).isFile()) return candidate;
  }
  return QString();
}

QUrl HelpViewer::topicUrl(const QString& helpFile) {
  QUrl url = QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath());
  url.setFragment(kTopic);
  return url;
}

bool HelpViewer::show(QWidget* parent) {
  return show(parent, QCoreApplication::applicationFilePath());
}

bool HelpViewer::show(QWidget* parent, const QString& executablePath) {
  return OpenFirstPage(parent, candidates(executablePath), kTopic);
}

QStringList HelpViewer::guideCandidates(const QString& executablePath) {
  return PagesWithExtension(executablePath, QStringLiteral(".guide.md"));
}

bool HelpViewer::showGuide(QWidget* parent) {
  return showGuide(parent, QCoreApplication::applicationFilePath());
}

bool HelpViewer::showGuide(QWidget* parent, const QString& executablePath) {
  return OpenFirstPage(parent, guideCandidates(executablePath), QString());
}

void HelpViewer::setOpener(Opener opener) {
  CurrentOpener() = std::move(opener);
}

}  // namespace kirabel
