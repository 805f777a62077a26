#pragma once
// TForm2, the space viewer: a top-level window that owns the space picture
// (TDIBitmap) and shows it unscaled from its top-left corner, with scroll bars
// when the window is smaller than the picture. It cannot be closed on its own:
// closing is allowed only once the main window's close query has run.
#include <QScrollArea>
#include <cstdint>
#include <memory>

namespace kirabel {

class TDIBitmap;

// PaintBox1: the image area, always the size of the picture.
class TPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TPaintBox(QWidget* parent = nullptr);
  void SetBitmap(const TDIBitmap* bitmap) { bitmap_ = bitmap; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TDIBitmap* bitmap_ = nullptr;
};

class TForm2 : public QScrollArea {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);
  ~TForm2() override;

  TDIBitmap& Bitmap() { return *bitmap_; }
  TPaintBox* PaintBox1;

  // Repaints the picture at once (the renderer calls this after a frame).
  void FormPaint();
  // Gives the picture a new size, cleared to black, and fits the window to
  // it within the screen. Throws OutOfMemoryError when the picture cannot be
  // had; the picture is then empty.
  void FitToPicture(int32_t width, int32_t height);
  // Once allowed, a close request is accepted.
  void SetCloseAllowed(bool allowed) { closeAllowed_ = allowed; }
  bool CloseAllowed() const { return closeAllowed_; }
  // The largest size the user may drag the window to: the picture plus the
  // border as it stands, but no more than the screen.
  QSize MaximumTrackingSize() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void ClearPicture();
  QSize FittedSize(QSize picture) const;
  QSize ScreenSize() const;
  QSize Decoration() const;
  void UpdateMaximumSize();

  std::unique_ptr<TDIBitmap> bitmap_;
  bool closeAllowed_ = false;
  bool limitActive_ = false;  // the size limit applies once the picture exists
};

// The viewer caption while idle.
QString ViewerIdleCaption();  // "空間ビューワ"
// The caption while frame `frame` of `count` is drawn: "作画中です...3/10".
QString ViewerDrawingCaption(int64_t frame, int64_t count);

}  // namespace kirabel
