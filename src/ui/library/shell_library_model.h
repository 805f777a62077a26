#pragma once
// The entries of the shell library: every shell file of the installed folder,
// then of the user's folder, each folder sorted by name. A file that cannot be
// inserted stays an entry with a warning icon and the reason as its tool tip.
// The shells of the user's own folder are marked as theirs (OwnRole, and a
// line of the tool tip), so that a saved copy is told from an installed one.
// Pictures arrive later: thumbnailWanted asks for one, showThumbnail and
// showThumbnailFailure bring the answer; until then a placeholder shows.
#include <QAbstractListModel>
#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>
#include <exception>
#include <vector>

namespace kirabel {

// The drag of an entry carries its file's path as this type.
extern const char kShellMimeType[];  // "application/x-kirabel-shell"

// Why a shell file cannot be inserted (an error of ReadShellFile), in the
// interface's language.
QString ShellProblemText(const std::exception& error);

class ShellLibraryModel : public QAbstractListModel {
  Q_OBJECT
 public:
  enum Role {
    PathRole = Qt::UserRole,  // the file's path
    SearchRole,               // every name (a QStringList), for the filter
    InsertableRole,           // whether the shell may be inserted
    OwnRole,                  // whether it lies in the user's own folder
  };
  // How large a thumbnail is shown: the picture cropped to its effect
  // (EffectSquare) and scaled to this size.
  static constexpr int kIconSize = 96;

  explicit ShellLibraryModel(QObject* parent = nullptr);

  // Reads the folders again (missing folders give no entries) and asks for
  // every good entry's picture.
  void load(const QStringList& folders);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // No headers: a grid of pictures.
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;

 public slots:
  void showThumbnail(const QString& path, const QImage& image);
  void showThumbnailFailure(const QString& path, const QString& reason);

 signals:
  void thumbnailWanted(const QString& path);

 private:
  struct Entry {
    QString path;
    QString name;           // as shown: the name in the interface's language
    QString otherName;      // the other language's name, for the tool tip and the filter
    QString romanisedName;  // the Japanese name in Latin letters, for the filter; may be empty
    QString problem;        // why it cannot be inserted; empty for a good shell
    QIcon icon;             // the picture scaled, a placeholder, or the warning sign
    QString noThumbnail;    // why no picture came
    bool own = false;       // in the user's own folder
  };
  static std::vector<Entry> readFolder(const QString& folder);
  static Entry readEntry(const QString& path);
  static QIcon thumbnailIcon(const QImage& image);
  QString toolTip(const Entry& entry) const;
  int rowOf(const QString& path) const;

  std::vector<Entry> entries_;
};

}  // namespace kirabel
