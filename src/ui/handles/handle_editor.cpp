#include "ui/handles/handle_editor.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <climits>
#include <cmath>

#include "document/document.h"
#include "document/set_change_step.h"
#include "document/set_selection.h"
#include "model/launch_limits.h"
#include "model/list_commands.h"
#include "simulation/set_shaping.h"
#include "ui/preview/preview_bar.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel {

namespace {

constexpr qreal kHandleReach = 8;       // logical pixels around a handle that grab it
constexpr qreal kPickReach = 16;        // logical pixels around a set's points that pick it
constexpr long double kAngleStep = 15;  // degrees, with Shift

QString OriginStep() {
  return QCoreApplication::translate("kirabel::HandleEditor", "原点の移動");
}

QString StepOf(HandlePart part) {
  switch (part) {
    case HandlePart::kTip:
      return QCoreApplication::translate("kirabel::HandleEditor", "方向と速さ");
    case HandlePart::kSpreadLow:
    case HandlePart::kSpreadHigh:
      return QCoreApplication::translate("kirabel::HandleEditor", "方向の広がり");
    default:
      return OriginStep();
  }
}

// The pixels Ctrl+arrow moves the origin by, none for any other key.
std::optional<QPoint> OriginKeyStep(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers =
      event.modifiers() &
      (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
  if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier)))
    return std::nullopt;
  const int step = modifiers & Qt::ShiftModifier ? 10 : 1;
  switch (event.key()) {
    case Qt::Key_Left:
      return QPoint(-step, 0);
    case Qt::Key_Right:
      return QPoint(step, 0);
    case Qt::Key_Up:
      return QPoint(0, -step);
    case Qt::Key_Down:
      return QPoint(0, step);
    default:
      return std::nullopt;
  }
}

bool IsModifierKey(int key) {
  return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt ||
         key == Qt::Key_Meta;
}

}  // namespace

HandleEditor::HandleEditor(Document& document, SetSelection& selection, PictureView& view,
                           PreviewBar& bar, QAction& toggle, QObject* parent)
    : QObject(parent), document_(document), selection_(selection), toggle_(toggle), view_(&view) {
  view_->installEventFilter(this);
  view_->setOverlay([this](QPainter& painter) { paintOverlay(painter); });
  addBarButton(bar);
  followChanges();
}

// The viewer may outlive the window: it draws no overlay of a former editor.
HandleEditor::~HandleEditor() {
  if (view_) view_->setOverlay({});
}

void HandleEditor::addBarButton(PreviewBar& bar) {
  auto* button = new QToolButton;
  button->setObjectName(QStringLiteral("previewHandlesButton"));
  button->setDefaultAction(&toggle_);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  bar.addControl(button);
}

// The handles follow the list, the options, the toggle and the selection; a
// run of key moves ends with anything else that changes the history.
void HandleEditor::followChanges() {
  const auto repaint = [this] { view()->update(); };
  connect(&document_, &Document::setsChanged, this, repaint);
  connect(&document_, &Document::launchSettingsChanged, this, repaint);
  connect(&document_, &Document::optionsChanged, this, repaint);
  connect(&toggle_, &QAction::toggled, this, repaint);
  connect(&selection_, &SetSelection::changed, this, [this] {
    endKeyRun();
    view()->update();
  });
  connect(&document_.history(), &QUndoStack::indexChanged, this, [this] {
    if (!movingByKey_) endKeyRun();
  });
}

QWidget* HandleEditor::view() const {
  return view_;
}

bool HandleEditor::shown() const {
  return toggle_.isChecked() && document_.options().preview;
}

// The gravity and wind the launch would use.
Forces HandleEditor::air() const {
  const LaunchSettings settings = WithinLaunchLimits(document_.launchSettings());
  return Forces(settings.gravity, settings.wind);
}

QPointF HandleEditor::spacePoint(const QPointF& logical) const {
  return logical * view()->devicePixelRatioF();
}

HandleScene HandleEditor::scene() const {
  return MakeHandleScene(document_.sets(), selection_.set(), air());
}

void HandleEditor::paintOverlay(QPainter& painter) {
  if (shown()) PaintHandles(painter, scene(), view()->devicePixelRatioF());
}

bool HandleEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view()) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      endKeyRun();
      return pressed(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
      if (!drag_) return false;
      dragTo(static_cast<QMouseEvent*>(event)->position(),
             static_cast<QMouseEvent*>(event)->modifiers() & Qt::ShiftModifier);
      return true;
    case QEvent::MouseButtonRelease:
      if (!drag_) return false;
      dragTo(static_cast<QMouseEvent*>(event)->position(),
             static_cast<QMouseEvent*>(event)->modifiers() & Qt::ShiftModifier);
      endDrag();
      return true;
    case QEvent::KeyPress:
      return keyPressed(static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut:
      endKeyRun();
      endDrag();
      return false;
    default:
      return false;
  }
}

// A handle starts a drag; elsewhere the click picks the nearest set.
bool HandleEditor::pressed(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !shown()) return false;
  const qreal ratio = view()->devicePixelRatioF();
  const QPointF point = spacePoint(event->position());
  const HandleScene now = scene();
  if (now.selected) {
    const HandlePart part = HandleAt(*now.selected, point, kHandleReach * ratio);
    if (part != HandlePart::kNone) {
      dragged_ = part;
      pressPosition_ = event->position();
      drag_ = std::make_unique<SetChangeStep>(document_, now.selected->set, StepOf(part));
      return true;
    }
  }
  const auto picked = PickSet(document_.sets(), now.air, point.x(), point.y(), kPickReach * ratio);
  if (picked) selection_.select(*picked);
  return picked.has_value();
}

void HandleEditor::dragTo(const QPointF& logical, bool snap) {
  const auto handles = HandlesOfSet(document_.sets(), drag_->set(), air());
  if (!handles) return;
  const ParticleSet& original = drag_->original();
  // Back where it was pressed (or never moved): the set as it was, not a
  // value rounded from the pointer.
  if (logical == pressPosition_) {
    drag_->apply(original);
    return;
  }
  const QPointF point = spacePoint(logical);
  const QPointF step = point - handles->anchor;
  const long double direction = handles->baseDirection + original.direction;
  const auto snapped = [snap](long double angle) {
    return snap ? SnappedAngle(angle, kAngleStep) : angle;
  };
  switch (dragged_) {
    case HandlePart::kOrigin:
      drag_->apply(WithOrigin(original, std::round(point.x()), std::round(point.y())));
      break;
    case HandlePart::kTip: {
      const long double pointed = DirectionOfStep(step.x(), step.y(), direction);
      const long double speed = std::hypot(step.x(), step.y()) / kArrowPerSpeed;
      drag_->apply(
          WithDirectionAndSpeed(original, snapped(pointed - handles->baseDirection), speed));
      break;
    }
    case HandlePart::kSpreadLow:
    case HandlePart::kSpreadHigh:
      drag_->apply(WithDirectionSpread(
          original,
          snapped(AngleBetween(DirectionOfStep(step.x(), step.y(), direction), direction))));
      break;
    case HandlePart::kNone:
      break;
  }
}

void HandleEditor::endDrag() {
  dragged_ = HandlePart::kNone;
  drag_.reset();
}

// Ctrl(+Shift)+arrow moves the selected visible set's origin; consecutive
// presses join one step of the history.
bool HandleEditor::keyPressed(QKeyEvent* event) {
  if (IsModifierKey(event->key())) return false;
  const std::optional<QPoint> step = OriginKeyStep(*event);
  const std::optional<std::size_t> set = selection_.set();
  if (!step || !shown() || !set || drag_ || !document_.sets()[*set].visible) {
    endKeyRun();
    return false;
  }
  const ParticleSet& current = document_.sets()[*set];
  const ParticleSet moved =
      WithOrigin(current, current.originX + step->x(), current.originY + step->y());
  if (moved != current) {
    movingByKey_ = true;
    document_.apply(ReplaceSetCommand(*set, moved), OriginStep(), keyRun_ & INT_MAX);
    movingByKey_ = false;
  }
  return true;
}

}  // namespace kirabel
