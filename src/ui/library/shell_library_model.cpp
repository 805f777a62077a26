#include "ui/library/shell_library_model.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <algorithm>

#include "model/shell_file.h"
#include "texts/error_texts.h"
#include "texts/interface_language.h"
#include "ui/library/effect_square.h"
#include "ui/library/shell_folders.h"

namespace kirabel {

const char kShellMimeType[] = "application/x-kirabel-shell";

namespace {

// A dark tile of a thumbnail's size: until the picture arrives.
QPixmap Placeholder() {
  QPixmap pixmap(ShellLibraryModel::kIconSize, ShellLibraryModel::kIconSize);
  pixmap.fill(QColor(24, 24, 32));
  return pixmap;
}

// The tile with the warning sign in its middle: a file that cannot be used.
QPixmap WarningTile() {
  constexpr int kSignSize = 48;
  QPixmap tile = Placeholder();
  QPainter painter(&tile);
  const int offset = (ShellLibraryModel::kIconSize - kSignSize) / 2;
  painter.drawPixmap(offset, offset,
                     QApplication::style()
                         ->standardIcon(QStyle::SP_MessageBoxWarning)
                         .pixmap(kSignSize, kSignSize));
  return tile;
}

}  // namespace

QString ShellProblemText(const std::exception& error) {
  if (const auto* pcl = dynamic_cast<const PclReadError*>(&error)) {
    switch (pcl->reason()) {
      case PclReadError::Reason::kMissing:
        return ShellLibraryModel::tr("ファイルが見つかりません");
      case PclReadError::Reason::kNotPcl:
        return ShellLibraryModel::tr("PCLファイルとして読み込めません");
      case PclReadError::Reason::kTooManySets:
        return ShellLibraryModel::tr("セットが多すぎます");
    }
  }
  if (const auto* shell = dynamic_cast<const ShellError*>(&error)) {
    if (shell->reason() == ShellError::Reason::kNoRisingSet)
      return ShellLibraryModel::tr("表示するセット（打ち上げるセット）がありません");
    // Named by its section, where the file is mended.
    return ShellLibraryModel::tr("[P%1] の子セットがファイルの中にありません")
        .arg(shell->setIndex());
  }
  return ErrorText(error);
}

ShellLibraryModel::ShellLibraryModel(QObject* parent) : QAbstractListModel(parent) {}

// The pictures already shown stay until new ones arrive.
void ShellLibraryModel::load(const QStringList& folders) {
  QHash<QString, QIcon> shown;
  for (const Entry& entry : entries_) shown.insert(entry.path, entry.icon);
  beginResetModel();
  entries_.clear();
  for (const QString& folder : folders) {
    std::vector<Entry> found = readFolder(folder);
    std::move(found.begin(), found.end(), std::back_inserter(entries_));
  }
  for (Entry& entry : entries_)
    if (entry.problem.isEmpty()) entry.icon = shown.value(entry.path, entry.icon);
  endResetModel();
  for (const Entry& entry : entries_)
    if (entry.problem.isEmpty()) emit thumbnailWanted(entry.path);
}

std::vector<ShellLibraryModel::Entry> ShellLibraryModel::readFolder(const QString& folder) {
  std::vector<Entry> entries;
  const QFileInfoList files =
      QDir(folder).entryInfoList({QStringLiteral("*.pcl"), QStringLiteral("*.PCL")}, QDir::Files);
  const bool own = QDir::cleanPath(QDir(folder).absolutePath()) ==
                   QDir::cleanPath(QDir(UserShellFolder()).absolutePath());
  for (const QFileInfo& file : files) {
    entries.push_back(readEntry(file.absoluteFilePath()));
    entries.back().own = own;
  }
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
    return collator.compare(a.name, b.name) < 0;
  });
  return entries;
}

ShellLibraryModel::Entry ShellLibraryModel::readEntry(const QString& path) {
  Entry entry;
  entry.path = path;
  entry.icon = QIcon(Placeholder());
  try {
    const Shell shell = ReadShellFile(path.toStdString());
    QString japanese = QString::fromStdString(shell.name);
    QString english = QString::fromStdString(shell.englishName);
    if (english.isEmpty()) english = japanese;
    const bool inEnglish = InstalledLanguage() == InterfaceLanguage::kEnglish;
    entry.name = inEnglish ? english : japanese;
    entry.otherName = inEnglish ? japanese : english;
    entry.romanisedName = QString::fromStdString(shell.romanisedName);
  } catch (const std::exception& error) {
    entry.name = QFileInfo(path).completeBaseName();
    entry.problem = ShellProblemText(error);
    entry.icon = QIcon(WarningTile());
  }
  return entry;
}

int ShellLibraryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant ShellLibraryModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  const Entry& entry = entries_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return entry.name;
    case Qt::DecorationRole:
      return entry.icon;
    case Qt::ToolTipRole:
      return toolTip(entry);
    case PathRole:
      return entry.path;
    case SearchRole:
      return QStringList{entry.name, entry.otherName, entry.romanisedName};
    case InsertableRole:
      return entry.problem.isEmpty();
    case OwnRole:
      return entry.own;
    default:
      return QVariant();
  }
}

QVariant ShellLibraryModel::headerData(int, Qt::Orientation, int) const {
  return QVariant();
}

QIcon ShellLibraryModel::thumbnailIcon(const QImage& image) {
  return QIcon(QPixmap::fromImage(CroppedToEffect(image).scaled(
      kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

QString ShellLibraryModel::toolTip(const Entry& entry) const {
  if (!entry.problem.isEmpty()) return entry.path + QLatin1Char('\n') + entry.problem;
  QString tip = entry.name;
  if (entry.otherName != entry.name) tip += QStringLiteral(" / ") + entry.otherName;
  if (entry.own) tip += QLatin1Char('\n') + tr("自分の花火玉");
  if (!entry.noThumbnail.isEmpty()) tip += QLatin1Char('\n') + entry.noThumbnail;
  return tip;
}

Qt::ItemFlags ShellLibraryModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractListModel::flags(index);
  if (index.isValid() && data(index, InsertableRole).toBool()) flags |= Qt::ItemIsDragEnabled;
  return flags;
}

QStringList ShellLibraryModel::mimeTypes() const {
  return {QString::fromLatin1(kShellMimeType)};
}

QMimeData* ShellLibraryModel::mimeData(const QModelIndexList& indexes) const {
  if (indexes.isEmpty()) return nullptr;
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kShellMimeType),
                data(indexes.first(), PathRole).toString().toUtf8());
  return mime;
}

int ShellLibraryModel::rowOf(const QString& path) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& entry) { return entry.path == path; });
  return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

void ShellLibraryModel::showThumbnail(const QString& path, const QImage& image) {
  const int row = rowOf(path);
  if (row < 0) return;
  entries_[static_cast<std::size_t>(row)].icon = thumbnailIcon(image);
  entries_[static_cast<std::size_t>(row)].noThumbnail.clear();
  emit dataChanged(index(row), index(row), {Qt::DecorationRole, Qt::ToolTipRole});
}

void ShellLibraryModel::showThumbnailFailure(const QString& path, const QString& reason) {
  const int row = rowOf(path);
  if (row < 0) return;
  entries_[static_cast<std::size_t>(row)].noThumbnail = reason;
  emit dataChanged(index(row), index(row), {Qt::ToolTipRole});
}

}  // namespace kirabel
