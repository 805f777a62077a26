#include "image/space_viewer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <cstring>

#include "image/dibs.h"
#include "ui/form_font.h"

namespace kirabel {

namespace {

const QPoint kDesignPosition(374, 107);
const QSize kDesignOuterSize(648, 507);

}  // namespace

QString ViewerIdleCaption() {
  return QStringLiteral("空間ビューワ");
}

QString ViewerDrawingCaption(int64_t frame, int64_t count) {
  return QStringLiteral("作画中です...%1/%2").arg(qlonglong(frame)).arg(qlonglong(count));
}

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PaintBox1"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

// Draws the bottom-up picture straight from the bitmap's buffer: the buffer
// is wrapped, not copied, and a vertical flip puts its first stored row at the
// bottom.
void TPaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!bitmap_ || !bitmap_->Bits() || bitmap_->Width() <= 0 || bitmap_->Height() <= 0) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  const int width = bitmap_->Width();
  const int height = bitmap_->Height();
  const QImage image(bitmap_->Bits(), width, height, bitmap_->RowBytes(), QImage::Format_BGR888);
  painter.setTransform(QTransform(1, 0, 0, -1, 0, height));
  painter.drawImage(0, 0, image);
}

TForm2::TForm2(QWidget* parent)
    : QScrollArea(parent), PaintBox1(new TPaintBox), bitmap_(std::make_unique<TDIBitmap>()) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(ViewerIdleCaption());
  setFont(FormFont());
  setFrameShape(QFrame::NoFrame);
  setBackgroundRole(QPalette::Dark);
  setWidgetResizable(false);
  setWidget(PaintBox1);
  move(kDesignPosition);
  resize(kDesignOuterSize);
  show();
  // The design size is the outer size; the frame is known once shown.
  resize(kDesignOuterSize - Decoration());
  PaintBox1->SetBitmap(bitmap_.get());
  const QSize client = viewport()->size();
  PaintBox1->resize(client);
  bitmap_->SetHeight(client.height());
  bitmap_->SetWidth(client.width());
  limitActive_ = true;
  UpdateMaximumSize();
}

TForm2::~TForm2() = default;

void TForm2::FormPaint() {
  PaintBox1->repaint();
}

void TForm2::ClearPicture() {
  if (bitmap_->Bits())
    std::memset(bitmap_->Bits(), 0,
                static_cast<std::size_t>(bitmap_->RowBytes()) *
                    static_cast<std::size_t>(bitmap_->Height()));
}

void TForm2::FitToPicture(int32_t width, int32_t height) {
  width = qMax<int32_t>(0, width);
  height = qMax<int32_t>(0, height);
  PaintBox1->resize(width, height);
  try {
    bitmap_->SetHeight(height);
    bitmap_->SetWidth(width);
  } catch (...) {
    PaintBox1->resize(0, 0);
    throw;
  }
  ClearPicture();
  // A window of no size cannot be shown: an empty picture keeps one pixel.
  const QSize size = FittedSize(QSize(width, height)).expandedTo(QSize(1, 1));
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  resize(size);
  UpdateMaximumSize();
  FormPaint();
}

namespace {

// One side of the window fitted to the picture: the picture's length, plus
// `bar` (the room of the other side's scroll bar) when that still fits on the
// screen beside the border; the picture's length alone when only that fits;
// else the side keeps its current length.
int FittedLength(int current, int picture, int border, int screen, int bar) {
  if (picture + bar + border < screen) return picture + bar;
  if (picture + border < screen) return picture;
  return current;
}

}  // namespace

// The window size for a new picture. A side that stays shorter than the
// picture scrolls, and its scroll bar takes room across the other side, which
// therefore grows by the bar so that the picture still shows whole there.
QSize TForm2::FittedSize(QSize picture) const {
  const QSize border = Decoration();
  const QSize screen = ScreenSize();
  const int plainWidth = FittedLength(width(), picture.width(), border.width(), screen.width(), 0);
  const int plainHeight =
      FittedLength(height(), picture.height(), border.height(), screen.height(), 0);
  const int verticalBar =
      plainHeight < picture.height() ? verticalScrollBar()->sizeHint().width() : 0;
  const int horizontalBar =
      plainWidth < picture.width() ? horizontalScrollBar()->sizeHint().height() : 0;
  return QSize(
      FittedLength(width(), picture.width(), border.width(), screen.width(), verticalBar),
      FittedLength(height(), picture.height(), border.height(), screen.height(), horizontalBar));
}

QSize TForm2::ScreenSize() const {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

// Window decoration around the widget (title bar and frame) as the window
// manager draws it; nothing before the window is mapped.
QSize TForm2::Decoration() const {
  const QSize decoration = frameGeometry().size() - geometry().size();
  return decoration.expandedTo(QSize(0, 0));
}

QSize TForm2::MaximumTrackingSize() const {
  const QSize border = size() - viewport()->size();
  QSize wanted = PaintBox1->size() + border;
  const QSize limit = ScreenSize() - Decoration();
  return wanted.boundedTo(limit).expandedTo(QSize(1, 1));
}

void TForm2::UpdateMaximumSize() {
  if (limitActive_) setMaximumSize(MaximumTrackingSize());
}

void TForm2::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  UpdateMaximumSize();
}

// Scroll bars come and go after a resize; the border, and with it the
// limit, changes with them.
bool TForm2::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Resize) UpdateMaximumSize();
  return QScrollArea::viewportEvent(event);
}

void TForm2::closeEvent(QCloseEvent* event) {
  if (closeAllowed_)
    event->accept();
  else
    event->ignore();
}

}  // namespace kirabel
