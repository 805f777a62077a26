#include "ui/library/shell_tile_delegate.h"

#include <QIcon>
#include <QPainter>
#include <QTextLayout>

#include "ui/library/shell_library_model.h"

namespace kirabel {

namespace {

// The room between the tile's edge (where the frame of the chosen tile is
// drawn) and the picture, and between the picture and the name.
constexpr int kInset = 5;
constexpr int kGap = 3;
// Room beside the picture for names wider than it.
constexpr int kNameOverhang = 10;
constexpr int kFrameWidth = 2;

}  // namespace

QSize ShellTileDelegate::tileSize(const QFontMetrics& metrics) {
  const int width = ShellLibraryModel::kIconSize + 2 * (kInset + kNameOverhang);
  const int height =
      kInset + ShellLibraryModel::kIconSize + kGap + kNameLines * metrics.lineSpacing() + kInset;
  return QSize(width, height);
}

QRect ShellTileDelegate::pictureRect(const QRect& tile) {
  const int size = ShellLibraryModel::kIconSize;
  return QRect(tile.left() + (tile.width() - size) / 2, tile.top() + kInset, size, size);
}

QRect ShellTileDelegate::nameRect(const QRect& tile, const QFontMetrics& metrics) {
  const int top = pictureRect(tile).bottom() + 1 + kGap;
  return QRect(tile.left() + kInset, top, tile.width() - 2 * kInset,
               kNameLines * metrics.lineSpacing());
}

QStringList ShellTileDelegate::nameLines(const QString& name, const QFont& font, int width) {
  QTextLayout layout(name, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    if (lines.size() == kNameLines - 1) {  // the last line takes the rest
      const QString rest = name.mid(line.textStart());
      lines << QFontMetrics(font).elidedText(rest, Qt::ElideRight, width);
      break;
    }
    lines << name.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return lines;
}

QSize ShellTileDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return tileSize(option.fontMetrics);
}

void ShellTileDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  index.data(Qt::DecorationRole)
      .value<QIcon>()
      .paint(painter, pictureRect(option.rect), Qt::AlignCenter, QIcon::Normal);
  paintFrame(*painter, option);
  paintName(*painter, option, index.data(Qt::DisplayRole).toString(),
            index.data(ShellLibraryModel::OwnRole).toBool());
  painter->restore();
}

// A frame in the selection colour around the chosen tile.
void ShellTileDelegate::paintFrame(QPainter& painter, const QStyleOptionViewItem& option) {
  if (!option.state.testFlag(QStyle::State_Selected)) return;
  painter.setPen(QPen(option.palette.color(QPalette::Highlight), kFrameWidth));
  painter.setBrush(Qt::NoBrush);
  const qreal half = kFrameWidth / 2.0;
  painter.drawRoundedRect(QRectF(option.rect).adjusted(half, half, -half, -half), 4, 4);
}

// The user's own shells are named in the link colour.
void ShellTileDelegate::paintName(QPainter& painter, const QStyleOptionViewItem& option,
                                  const QString& name, bool own) {
  const QRect area = nameRect(option.rect, option.fontMetrics);
  const QStringList lines = nameLines(name, option.font, area.width());
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  painter.setFont(option.font);
  QRect line(area.left(), area.top(), area.width(), option.fontMetrics.lineSpacing());
  for (const QString& text : lines) {
    if (selected) {
      const int width = option.fontMetrics.horizontalAdvance(text) + 4;
      const QRect behind(line.center().x() - width / 2, line.top(), width, line.height());
      painter.fillRect(behind, option.palette.brush(QPalette::Highlight));
      painter.setPen(option.palette.color(QPalette::HighlightedText));
    } else {
      painter.setPen(option.palette.color(own ? QPalette::Link : QPalette::Text));
    }
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop, text);
    line.translate(0, line.height());
  }
}

}  // namespace kirabel
