#pragma once
// How the shell library draws an entry: a tile with the shell's picture at
// the top and its name below, wrapped onto two lines rather than cut short.
// The chosen tile is framed and its name highlighted; its picture is drawn as
// it is, never darkened by a selection colour. The user's own shells have their
// names in the link colour.
#include <QFontMetrics>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QStyledItemDelegate>

namespace kirabel {

class ShellTileDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  // The most lines a name takes.
  static constexpr int kNameLines = 2;

  using QStyledItemDelegate::QStyledItemDelegate;

  // The size of every tile for names in this font.
  static QSize tileSize(const QFontMetrics& metrics);
  // Where the picture and the name go in a tile.
  static QRect pictureRect(const QRect& tile);
  static QRect nameRect(const QRect& tile, const QFontMetrics& metrics);
  // The name as drawn in a width: broken between words where it can, inside a
  // word where it must, onto at most kNameLines lines; only a name too long
  // even for those ends in an ellipsis (its tool tip shows it whole).
  static QStringList nameLines(const QString& name, const QFont& font, int width);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  static void paintFrame(QPainter& painter, const QStyleOptionViewItem& option);
  static void paintName(QPainter& painter, const QStyleOptionViewItem& option, const QString& name,
                        bool own);
};

}  // namespace kirabel
