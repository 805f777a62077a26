#pragma once
// SpaceViewer, the space viewer: a top-level window that owns the space picture
// (Picture) and shows it unscaled from its top-left corner, with scroll bars
// when the window is smaller than the picture. It cannot be closed on its own:
// closing is allowed only once the main window's close query has run.
// Whenever the window is activated the picture has the keyboard focus, so
// that the viewer's keys work at once; other controls take it when clicked
// or reached with Tab.
#include <QScrollArea>
#include <cstdint>
#include <functional>
#include <memory>

namespace kirabel {

class Picture;

// pictureView: the image area, showing one picture pixel per device pixel.
// Its logical size covers the picture's device pixels; the few device pixels
// left over at the right and bottom edge (scale factors like 1.5) show the
// viewer's background.
class PictureView : public QWidget {
  Q_OBJECT
 public:
  explicit PictureView(QWidget* parent = nullptr);
  void setPicture(const Picture* picture) { picture_ = picture; }
  // Drawn over the picture after it, in logical pixels (never into the
  // picture itself).
  void setOverlay(std::function<void(QPainter&)> overlay) { overlay_ = std::move(overlay); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void paintBeyondPicture(QPainter& painter, QSizeF pictureArea);

  const Picture* picture_ = nullptr;
  std::function<void(QPainter&)> overlay_;
};

class SpaceViewer : public QScrollArea {
  Q_OBJECT
 public:
  explicit SpaceViewer(QWidget* parent = nullptr);
  ~SpaceViewer() override;

  Picture& picture() { return *picture_; }
  PictureView* pictureView;

  // Repaints the picture at once (the renderer calls this after a frame).
  void repaintPicture();
  // Gives the picture a new size, cleared to black, and fits the window to
  // it within the screen. Throws OutOfMemoryError when the picture cannot be
  // had; the picture is then empty.
  void fitToPicture(int32_t width, int32_t height);
  // The preview's time bar, shown under the picture when asked; the window
  // then fits the picture and the bar, at least as wide as the bar needs.
  void setTimeBar(QWidget* bar);
  void showTimeBar(bool show);

  // Once allowed, a close request is accepted.
  void setCloseAllowed(bool allowed) { closeAllowed_ = allowed; }
  bool closeAllowed() const { return closeAllowed_; }
  // The largest size the user may drag the window to: the picture (or the
  // shown time bar's width) plus the border as it stands, but no more than
  // the screen.
  QSize maximumTrackingSize() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void clearPicture();
  void coverPicture();
  void screenChanged();
  void fitWindow();
  bool timeBarShown() const;
  int timeBarHeight(int width) const;
  QSize shownArea() const;
  void placeTimeBar();
  QSize fittedSize(QSize picture) const;
  QSize screenSize() const;
  QSize decoration() const;
  void updateMaximumSize();

  std::unique_ptr<Picture> picture_;
  QWidget* timeBar_ = nullptr;
  bool closeAllowed_ = false;
  bool limitActive_ = false;  // the size limit applies once the picture exists
};

// The viewer caption while idle.
QString ViewerIdleCaption();  // "空間ビューワ"
// The caption while frame `frame` of `count` is drawn: "作画中です...3/10".
QString ViewerDrawingCaption(int64_t frame, int64_t count);

}  // namespace kirabel
