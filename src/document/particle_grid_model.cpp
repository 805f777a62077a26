#include "document/particle_grid_model.h"

#include <QColor>
#include <QCoreApplication>
#include <cmath>
#include <cstdio>

#include "document/document.h"
#include "image/picture.h"
#include "platform/c_numbers.h"

namespace kirabel {

namespace {

// A value truncated toward zero, kept inside the range of int so that a huge
// stored value cannot overflow the conversion.
long long TruncatedInt(long double value) {
  if (std::isnan(value)) return 0;
  const long double t = std::trunc(value);
  if (t > 2147483647.0L) return 2147483647LL;
  if (t < -2147483648.0L) return -2147483648LL;
  return static_cast<long long>(t);
}

QString Fixed2(long double value) {
  return QString::fromStdString(FormatNumbers("%.2Lf", value));
}

QString ChildText(const ParticleList& list, int32_t child) {
  // A link that names no set (a paste into a shorter list can leave one) reads as none.
  if (child < 0 || static_cast<std::size_t>(child) >= list.size())
    return QCoreApplication::translate("kirabel::ParticleGridModel", "(なし)");
  return QString::fromStdString(list[static_cast<std::size_t>(child)].name);
}

}  // namespace

// Formed on every call, so that the titles follow the installed translation.
QStringList GridHeaders() {
  static const char* const titles[kGridColumns] = {
      QT_TRANSLATE_NOOP("kirabel::ParticleGridModel", "名前"),
      QT_TRANSLATE_NOOP("kirabel::ParticleGridModel", "表示"),
      QT_TRANSLATE_NOOP("kirabel::ParticleGridModel", "色合い"),
      QT_TRANSLATE_NOOP("kirabel::ParticleGridModel", "初期位置"),
      QT_TRANSLATE_NOOP("kirabel::ParticleGridModel", "発生時刻"),
      QT_TRANSLATE_NOOP("kirabel::ParticleGridModel", "子火花")};
  QStringList headers;
  for (const char* title : titles)
    headers << QCoreApplication::translate("kirabel::ParticleGridModel", title);
  return headers;
}

QString GridCellText(const ParticleList& list, int set, int column) {
  if (set < 0 || static_cast<std::size_t>(set) >= list.size()) return QString();
  const ParticleSet& p = list[static_cast<std::size_t>(set)];
  switch (column) {
    case 0:
      return QString::fromStdString(p.name);
    case 1:
      return p.visible ? QStringLiteral("Yes") : QStringLiteral("No");
    case 3:
      return QStringLiteral("%1,%2").arg(TruncatedInt(p.originX)).arg(TruncatedInt(p.originY));
    case 4:
      return Fixed2(p.birthTime) + QStringLiteral("±") + Fixed2(p.birthSpread);
    case 5:
      return ChildText(list, p.child);
    default:
      return QString();
  }
}

ParticleGridModel::ParticleGridModel(const Document& document, QObject* parent)
    : DocumentRowsModel(document, 0, parent) {}

// The sets, then the new-set row.
int ParticleGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(document().sets().size()) + 1;
}

int ParticleGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kGridColumns;
}

QVariant ParticleGridModel::data(const QModelIndex& index, int role) const {
  const ParticleList& sets = document().sets();
  const int set = index.row();
  if (set < 0 || static_cast<std::size_t>(set) >= sets.size()) return QVariant();
  if (role == Qt::DisplayRole) return GridCellText(sets, set, index.column());
  if (role == kColourRole && index.column() == kGridColourColumn) {
    const ParticleSet& p = sets[static_cast<std::size_t>(set)];
    const uint8_t pixel[3] = {p.blue, p.green, p.red};
    const uint32_t colour = Picture::PixelToColor(pixel);  // 0x00BBGGRR
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  }
  return QVariant();
}

QVariant ParticleGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
      section < kGridColumns)
    return GridHeaders().at(section);
  return QVariant();
}

Qt::ItemFlags ParticleGridModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace kirabel
