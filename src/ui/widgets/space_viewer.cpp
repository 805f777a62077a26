#include "ui/widgets/space_viewer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>
#include <QtMath>
#include <cstring>

#include "image/picture.h"
#include "ui/services/program_font.h"

namespace kirabel {

namespace {

const QPoint kStartPosition(374, 107);
const QSize kStartOuterSize(648, 507);

// The logical length whose device pixels cover `devicePixels`.
int LogicalLengthCovering(int devicePixels, qreal ratio) {
  return qCeil(devicePixels / ratio - 1e-9);
}

// The device pixels that `logical` logical pixels hold whole.
int DevicePixelsWithin(int logical, qreal ratio) {
  return qFloor(logical * ratio + 1e-9);
}

}  // namespace

QString ViewerIdleCaption() {
  return QCoreApplication::translate("kirabel::SpaceViewer", "空間ビューワ");
}

QString ViewerDrawingCaption(int64_t frame, int64_t count) {
  return QCoreApplication::translate("kirabel::SpaceViewer", "作画中です...%1/%2")
      .arg(qlonglong(frame))
      .arg(qlonglong(count));
}

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pictureView"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setBackgroundRole(QPalette::Dark);
  setFocusPolicy(Qt::StrongFocus);
}

// Draws the picture straight from its buffer, wrapped, not copied. The image
// carries the device pixel ratio, so that Qt draws it unscaled in device
// pixels.
void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!picture_ || !picture_->Bits() || picture_->Width() <= 0 || picture_->Height() <= 0) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  const qreal ratio = devicePixelRatioF();
  QImage image(picture_->Bits(), picture_->Width(), picture_->Height(), picture_->RowBytes(),
               QImage::Format_BGR888);
  image.setDevicePixelRatio(ratio);
  const QSizeF area = image.deviceIndependentSize();
  paintBeyondPicture(painter, area);
  painter.drawImage(QPointF(0, 0), image);
  if (overlay_) overlay_(painter);
}

// The strips right of and below the picture, in the viewer's background.
void PictureView::paintBeyondPicture(QPainter& painter, QSizeF pictureArea) {
  const QBrush background = palette().brush(backgroundRole());
  painter.fillRect(QRectF(pictureArea.width(), 0, width() - pictureArea.width(), height()),
                   background);
  painter.fillRect(QRectF(0, pictureArea.height(), width(), height() - pictureArea.height()),
                   background);
}

SpaceViewer::SpaceViewer(QWidget* parent)
    : QScrollArea(parent), pictureView(new PictureView), picture_(std::make_unique<Picture>()) {
  setObjectName(QStringLiteral("viewer"));
  setWindowTitle(ViewerIdleCaption());
  setFont(ProgramFont());
  setFrameShape(QFrame::NoFrame);
  setBackgroundRole(QPalette::Dark);
  setWidgetResizable(false);
  setWidget(pictureView);
  setFocusProxy(pictureView);
  pictureView->setFocus();
  move(kStartPosition);
  resize(kStartOuterSize);
  show();
  // The starting size is the outer size; the frame is known once shown.
  resize(kStartOuterSize - decoration());
  pictureView->setPicture(picture_.get());
  const QSize client = viewport()->size();
  pictureView->resize(client);
  const qreal ratio = devicePixelRatioF();
  picture_->SetHeight(DevicePixelsWithin(client.height(), ratio));
  picture_->SetWidth(DevicePixelsWithin(client.width(), ratio));
  limitActive_ = true;
  updateMaximumSize();
  if (const QWindow* window = windowHandle())
    connect(window, &QWindow::screenChanged, this, &SpaceViewer::screenChanged);
}

SpaceViewer::~SpaceViewer() = default;

void SpaceViewer::repaintPicture() {
  pictureView->repaint();
}

void SpaceViewer::clearPicture() {
  if (picture_->Bits())
    std::memset(picture_->Bits(), 0,
                static_cast<std::size_t>(picture_->RowBytes()) *
                    static_cast<std::size_t>(picture_->Height()));
}

void SpaceViewer::fitToPicture(int32_t width, int32_t height) {
  width = qMax<int32_t>(0, width);
  height = qMax<int32_t>(0, height);
  try {
    picture_->SetHeight(height);
    picture_->SetWidth(width);
  } catch (...) {
    pictureView->resize(0, 0);
    throw;
  }
  coverPicture();
  clearPicture();
  fitWindow();
  repaintPicture();
}

// The picture view as large as the picture's device pixels at the ratio of
// the screen the viewer is on.
void SpaceViewer::coverPicture() {
  const qreal ratio = devicePixelRatioF();
  pictureView->resize(LogicalLengthCovering(picture_->Width(), ratio),
                      LogicalLengthCovering(picture_->Height(), ratio));
}

// On a screen of another device pixel ratio the same picture takes another
// logical size.
void SpaceViewer::screenChanged() {
  coverPicture();
  updateMaximumSize();
}

// The window as large as the picture (and the time bar below it) within the
// screen.
void SpaceViewer::fitWindow() {
  // A window of no size cannot be shown: an empty picture keeps one pixel.
  const QSize area = shownArea();
  const QSize content = area + QSize(0, timeBarHeight(area.width()));
  const QSize size = fittedSize(content).expandedTo(QSize(1, 1));
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  resize(size);
  updateMaximumSize();
}

void SpaceViewer::setTimeBar(QWidget* bar) {
  timeBar_ = bar;
  bar->setParent(this);
  bar->hide();
  // A control shown, hidden or added changes the room the bar needs.
  bar->installEventFilter(this);
}

void SpaceViewer::showTimeBar(bool show) {
  if (!timeBar_ || timeBar_->isVisibleTo(this) == show) return;
  timeBar_->setVisible(show);
  placeTimeBar();
  fitWindow();
}

bool SpaceViewer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == timeBar_ && event->type() == QEvent::LayoutRequest) placeTimeBar();
  return QScrollArea::eventFilter(watched, event);
}

bool SpaceViewer::timeBarShown() const {
  return timeBar_ && timeBar_->isVisibleTo(this);
}

// The bar's height at a width (a narrow bar may take a second row).
int SpaceViewer::timeBarHeight(int width) const {
  if (!timeBarShown()) return 0;
  return timeBar_->hasHeightForWidth() ? timeBar_->heightForWidth(width)
                                       : timeBar_->sizeHint().height();
}

// The picture's area, widened to the least the time bar needs when a narrow
// picture (few logical pixels on a high-DPI screen) would cut the bar short.
QSize SpaceViewer::shownArea() const {
  const int barWidth = timeBarShown() ? timeBar_->minimumSizeHint().width() : 0;
  return pictureView->size().expandedTo(QSize(barWidth, 0));
}

// Right below the picture's area, above a horizontal scroll bar, as high as
// it needs at the window's width.
void SpaceViewer::placeTimeBar() {
  if (!timeBar_) return;
  const int height = timeBarHeight(width());
  if (viewportMargins().bottom() != height) setViewportMargins(0, 0, 0, height);
  const QRect area = viewport()->geometry();
  timeBar_->setGeometry(0, area.bottom() + 1, width(), height);
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
QSize SpaceViewer::fittedSize(QSize picture) const {
  const QSize border = decoration();
  const QSize screen = screenSize();
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

QSize SpaceViewer::screenSize() const {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

// Window decoration around the widget (title bar and frame) as the window
// manager draws it; nothing before the window is mapped.
QSize SpaceViewer::decoration() const {
  const QSize decoration = frameGeometry().size() - geometry().size();
  return decoration.expandedTo(QSize(0, 0));
}

QSize SpaceViewer::maximumTrackingSize() const {
  const QSize border = size() - viewport()->size();
  QSize wanted = shownArea() + border;
  const QSize limit = screenSize() - decoration();
  return wanted.boundedTo(limit).expandedTo(QSize(1, 1));
}

void SpaceViewer::updateMaximumSize() {
  if (limitActive_) setMaximumSize(maximumTrackingSize());
}

void SpaceViewer::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  updateMaximumSize();
  placeTimeBar();
}

// Scroll bars come and go after a resize; the border, and with it the
// limit, changes with them.
bool SpaceViewer::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Resize) {
    updateMaximumSize();
    placeTimeBar();
  }
  return QScrollArea::viewportEvent(event);
}

// Leaving the window hands its focus back to the picture, which then has it
// when the window is next activated. A click that activates the window
// still gives the focus to the control clicked.
void SpaceViewer::changeEvent(QEvent* event) {
  QScrollArea::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) pictureView->setFocus();
}

void SpaceViewer::closeEvent(QCloseEvent* event) {
  if (closeAllowed_)
    event->accept();
  else
    event->ignore();
}

}  // namespace kirabel
