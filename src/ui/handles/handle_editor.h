#pragma once
// Shaping the selected set on the picture. While the preview and the handles
// are shown, the viewer draws the handles over the picture; dragging the
// origin moves the set there, dragging the arrow's tip sets its direction
// and speed, dragging a spread edge its direction spread (Shift: angles on
// multiples of 15 degrees), each drag one step of the history. Ctrl+arrow
// keys move the origin by a pixel (with Shift by ten), consecutive presses
// one step. A click away from the handles selects the visible set whose
// origin or mean burst point lies nearest, if one is near.
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <memory>
#include <optional>

#include "ui/handles/handle_painter.h"

class QAction;
class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWidget;

namespace kirabel {

class Document;
class PictureView;
class PreviewBar;
class SetChangeStep;
class SetSelection;

class HandleEditor : public QObject {
  Q_OBJECT
 public:
  // Draws the selected set's handles over `view` while `toggle` is checked
  // and the preview is on; puts a button for it on the preview's time bar.
  HandleEditor(Document& document, SetSelection& selection, PictureView& view, PreviewBar& bar,
               QAction& toggle, QObject* parent = nullptr);
  ~HandleEditor() override;

  // Whether the handles are drawn now.
  bool shown() const;
  // What the overlay shows now.
  HandleScene scene() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addBarButton(PreviewBar& bar);
  void followChanges();
  QWidget* view() const;
  Forces air() const;
  QPointF spacePoint(const QPointF& logical) const;
  void paintOverlay(QPainter& painter);
  bool pressed(QMouseEvent* event);
  void dragTo(const QPointF& logical, bool snap);
  void endDrag();
  bool keyPressed(QKeyEvent* event);
  void endKeyRun() { ++keyRun_; }

  Document& document_;
  SetSelection& selection_;
  QAction& toggle_;
  QPointer<PictureView> view_;
  HandlePart dragged_ = HandlePart::kNone;
  QPointF pressPosition_;  // where the drag began, in logical pixels
  std::unique_ptr<SetChangeStep> drag_;
  int keyRun_ = 0;  // consecutive key moves share this run's merge key
  bool movingByKey_ = false;
};

}  // namespace kirabel
