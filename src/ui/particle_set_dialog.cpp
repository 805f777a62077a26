#include "ui/particle_set_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <iterator>
#include <optional>

#include "model/particle.h"
#include "ui/byte_limit_validator.h"
#include "ui/child_set_model.h"
#include "ui/color_dialog_service.h"
#include "ui/form_font.h"
#include "ui/widgets/color_swatch.h"
#include "ui/widgets/numeric_field.h"
#include "ui/window_placement.h"

namespace kirabel {

namespace {

// Columns of the dialog: labels, first field, "±" (or ","), second field,
// unit, and the distribution selectors at the right.
constexpr int kLabelX = 8;
constexpr int kFieldX = 88;
constexpr int kFieldWidth = 64;
constexpr int kFieldHeight = 20;
constexpr int kSeparatorX = 156;
constexpr int kSecondFieldX = 168;
constexpr int kUnitX = 236;
constexpr int kSelectorX = 312;
constexpr int kSelectorWidth = 105;
constexpr int kWideWidth = 150;

// Rows, top to bottom.
constexpr int kNameY = 8;
constexpr int kColourY = 32;
constexpr int kCountY = 72;
constexpr int kOriginY = 98;
constexpr int kStrengthY = 124;
constexpr int kDirectionY = 150;
constexpr int kAppearY = 176;
constexpr int kLifeY = 202;
constexpr int kAfterimageY = 228;
constexpr int kDivisionsY = 254;
constexpr int kChildY = 280;
constexpr int kGenerationsY = 306;
constexpr int kShowY = 334;
constexpr int kButtonY = 366;

const QSize kClientSize(423, 403);
const QSize kButtonSize(75, 25);

// Field properties of one numeric field and the value it starts with.
struct FieldSetup {
  int maxDigits;
  bool negatives;
  int fixedDecimals;
  bool showZero;
  long double value;
};

void Configure(NumericField* field, const FieldSetup& setup) {
  field->setMaxDigits(setup.maxDigits);
  field->setAllowNegative(setup.negatives);
  field->setFixedDecimals(setup.fixedDecimals);
  field->setShowZero(setup.showZero);
  field->setValue(setup.value);
}

QRect FirstField(int y) {
  return QRect(kFieldX, y, kFieldWidth, kFieldHeight);
}
QRect SecondField(int y) {
  return QRect(kSecondFieldX, y, kFieldWidth, kFieldHeight);
}

// The widest text a nine-digit numeric field shows.
const char kWidestNumber[] = "-999,999,999";

// Width a numeric field needs to show its widest text whole.
int NeededFieldWidth(const QLineEdit& field) {
  QStyleOptionFrame option;
  option.initFrom(&field);
  option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
  const QFontMetrics metrics = field.fontMetrics();
  const QSize text(metrics.horizontalAdvance(QString::fromLatin1(kWidestNumber)) + 4,
                   metrics.height());  // 4: the edit's own margins
  return field.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &field).width();
}

// Width a selector needs to show its longest item whole.
int NeededSelectorWidth(const QComboBox& selector) {
  QStyleOptionComboBox option;
  option.initFrom(&selector);
  const QFontMetrics metrics = selector.fontMetrics();
  int widest = 0;
  for (int i = 0; i < selector.count(); ++i)
    widest = qMax(widest, metrics.horizontalAdvance(selector.itemText(i)));
  const QSize text(widest, metrics.height());
  return selector.style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, &selector).width();
}

}  // namespace

ParticleSetDialog::ParticleSetDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("particleSetDialog"));
  setWindowTitle(tr("パーティクルセットの個別設定"));
  setFont(FormFont());
  setFixedSize(kClientSize);
  setModal(true);
  createNameAndColourRows();
  createNumberRows();
  createDistributionSelectors();
  createChildRows();
  createButtons();
  arrangeTabOrder();
  fitToFonts();
}

// The laid-out sizes suit narrow glyphs. Where the system's font is wider, the
// numeric fields and the distribution selectors grow until their texts show
// whole, the columns to their right move along and the dialog widens by as
// much; with fonts that fit, the layout stays as it is.
void ParticleSetDialog::fitToFonts() {
  const int field = qMax(0, NeededFieldWidth(*directionSpreadEdit) - kFieldWidth);
  const int selector = qMax(0, NeededSelectorWidth(*speedDistributionCombo) - kSelectorWidth);
  if (field == 0 && selector == 0) return;
  for (QWidget* widget : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    QRect g = widget->geometry();
    const bool number = qobject_cast<NumericField*>(widget) && g.width() == kFieldWidth;
    if (qobject_cast<QPushButton*>(widget)) {
      g.translate(2 * field + selector, 0);
    } else if (g.x() >= kUnitX) {
      g.translate(2 * field, 0);
      if (qobject_cast<QComboBox*>(widget)) g.setWidth(g.width() + selector);
    } else if (g.x() >= kSeparatorX) {
      g.translate(field, 0);
    }
    if (number) g.setWidth(g.width() + field);
    widget->setGeometry(g);
  }
  setFixedSize(kClientSize + QSize(2 * field + selector, 0));
}

QLabel* ParticleSetDialog::addLabel(const QString& text, int x, int y) {
  auto* label = new QLabel(text, this);
  label->move(x, y + 3);
  label->adjustSize();
  return label;
}

NumericField* ParticleSetDialog::addNumber(const QString& objectName, QRect geometry,
                                           const QString& hint) {
  auto* field = new NumericField(this);
  field->setObjectName(objectName);
  field->setGeometry(geometry);
  field->setToolTip(hint);
  return field;
}

void ParticleSetDialog::createNameAndColourRows() {
  addLabel(tr("名前"), kLabelX, kNameY);
  nameEdit = new QLineEdit(QStringLiteral("火花 1"), this);
  nameEdit->setObjectName(QStringLiteral("nameEdit"));
  nameEdit->setGeometry(kFieldX, kNameY, kWideWidth, kFieldHeight);
  nameEdit->setValidator(new FileByteLimitValidator(kMaxNameBytes, nameEdit));
  nameEdit->setToolTip(tr("この火花を識別する時の名前です"));

  addLabel(tr("色合い"), kLabelX, kColourY + 6);
  colorSwatch = new ColorSwatch(this);
  colorSwatch->setObjectName(QStringLiteral("colorSwatch"));
  colorSwatch->setGeometry(kFieldX, kColourY, 49, 33);
  colorSwatch->setBrushColor(Qt::white);
  colorSwatch->setToolTip(tr("粒子が集まると、この色になります"));
  connect(colorSwatch, &ColorSwatch::activated, this, &ParticleSetDialog::chooseColor);
}

void ParticleSetDialog::createNumberRows() {
  addLabel(tr("粒子の数"), kLabelX, kCountY);
  countEdit =
      addNumber(QStringLiteral("countEdit"), FirstField(kCountY), tr("何個の粒子を飛ばすか"));
  Configure(countEdit, {9, false, 0, false, 200});
  addLabel(tr("[個]"), kUnitX, kCountY);

  addLabel(tr("初期位置"), kLabelX, kOriginY);
  originXEdit = addNumber(QStringLiteral("originXEdit"), FirstField(kOriginY),
                          tr("どこを始点として粒子が飛び散るか(X座標)"));
  addLabel(QStringLiteral(","), kSeparatorX + 4, kOriginY);
  originYEdit = addNumber(QStringLiteral("originYEdit"), SecondField(kOriginY),
                          tr("どこを始点として粒子が飛び散るか(Y座標)"));
  Configure(originXEdit, {4, false, -1, true, 256});
  Configure(originYEdit, {4, false, -1, true, 256});
  addLabel(QStringLiteral("[Pixel]"), kUnitX, kOriginY);

  addLabel(tr("爆発の強さ"), kLabelX, kStrengthY);
  speedEdit =
      addNumber(QStringLiteral("speedEdit"), FirstField(kStrengthY), tr("粒子の飛び散る速度です"));
  addLabel(QStringLiteral("±"), kSeparatorX, kStrengthY);
  speedSpreadEdit = addNumber(QStringLiteral("speedSpreadEdit"), SecondField(kStrengthY),
                              tr("爆発の強さのバラつき具合"));
  Configure(speedEdit, {9, false, -1, true, 10});
  Configure(speedSpreadEdit, {9, false, -1, true, 5});
  addLabel(QStringLiteral("[Pixels/Time]"), kUnitX, kStrengthY);

  addLabel(tr("爆発の向き"), kLabelX, kDirectionY);
  directionEdit = addNumber(QStringLiteral("directionEdit"), FirstField(kDirectionY),
                            tr("0度が真上で、左回りに指定します"));
  addLabel(QStringLiteral("±"), kSeparatorX, kDirectionY);
  directionSpreadEdit = addNumber(QStringLiteral("directionSpreadEdit"), SecondField(kDirectionY),
                                  tr("「爆発の向き」を中心に、どのくらいの範囲で飛び散るか"));
  Configure(directionEdit, {9, true, -1, true, 0});
  Configure(directionSpreadEdit, {9, true, -1, true, 180});
  addLabel(QStringLiteral("[deg]"), kUnitX, kDirectionY);

  addLabel(tr("生起時間"), kLabelX, kAppearY);
  birthTimeEdit = addNumber(QStringLiteral("birthTimeEdit"), FirstField(kAppearY),
                            tr("粒子が画面に登場する時間"));
  addLabel(QStringLiteral("±"), kSeparatorX, kAppearY);
  birthSpreadEdit = addNumber(QStringLiteral("birthSpreadEdit"), SecondField(kAppearY),
                              tr("±何フレーム分、粒子の出現時間にバラつきを出すか"));
  Configure(birthTimeEdit, {9, true, -1, true, 0});
  Configure(birthSpreadEdit, {9, false, -1, true, 5});
  addLabel(QStringLiteral("[Time]"), kUnitX, kAppearY);

  addLabel(tr("寿命"), kLabelX, kLifeY);
  lifetimeEdit = addNumber(QStringLiteral("lifetimeEdit"), FirstField(kLifeY),
                           tr("どれだけの間、粒子が空間内に生きていられるか"));
  addLabel(QStringLiteral("±"), kSeparatorX, kLifeY);
  lifetimeSpreadEdit = addNumber(QStringLiteral("lifetimeSpreadEdit"), SecondField(kLifeY),
                                 tr("±何フレーム分、粒子の寿命にバラつきを出すか"));
  Configure(lifetimeEdit, {9, false, -1, true, 20});
  Configure(lifetimeSpreadEdit, {9, false, -1, true, 5});
  addLabel(QStringLiteral("[Time]"), kUnitX, kLifeY);

  addLabel(tr("残像の長さ"), kLabelX, kAfterimageY);
  trailLengthEdit = addNumber(QStringLiteral("trailLengthEdit"), FirstField(kAfterimageY),
                              tr("網膜にどのくらいの時間、この粒子の光が影響を与えるか"));
  Configure(trailLengthEdit, {9, false, -1, true, 5});
  addLabel(QStringLiteral("[Time]"), kUnitX, kAfterimageY);

  addLabel(tr("残像の分割数"), kLabelX, kDivisionsY);
  trailSamplesEdit = addNumber(QStringLiteral("trailSamplesEdit"), FirstField(kDivisionsY),
                               tr("一つの粒子当たり残像を何回計算するか"));
  Configure(trailSamplesEdit, {9, false, 0, true, 100});
  addLabel(tr("[個]"), kUnitX, kDivisionsY);
}

QComboBox* ParticleSetDialog::addDistributionSelector(const QString& objectName, int y) {
  auto* selector = new QComboBox(this);
  selector->setObjectName(objectName);
  selector->setGeometry(kSelectorX, y, kSelectorWidth, kFieldHeight);
  // Item index = Distribution value.
  selector->addItems({tr("均等に分布"), tr("中央に偏った分布"), tr("等間隔配置(非ﾗﾝﾀﾞﾑ)")});
  selector->setCurrentIndex(kUniformDistribution);
  return selector;
}

void ParticleSetDialog::createDistributionSelectors() {
  addLabel(tr("乱数の分布"), kSelectorX, kStrengthY - 21);
  speedDistributionCombo =
      addDistributionSelector(QStringLiteral("speedDistributionCombo"), kStrengthY);
  directionDistributionCombo =
      addDistributionSelector(QStringLiteral("directionDistributionCombo"), kDirectionY);
  birthDistributionCombo =
      addDistributionSelector(QStringLiteral("birthDistributionCombo"), kAppearY);
  lifetimeDistributionCombo =
      addDistributionSelector(QStringLiteral("lifetimeDistributionCombo"), kLifeY);
}

void ParticleSetDialog::createChildRows() {
  addLabel(tr("子火花"), kLabelX, kChildY);
  childSetCombo = new QComboBox(this);
  childSetCombo->setObjectName(QStringLiteral("childSetCombo"));
  childSetCombo->setGeometry(kFieldX, kChildY, kWideWidth, kFieldHeight);
  childSetCombo->addItem(ChildSetModel::noChildText());
  childSetCombo->setCurrentIndex(0);
  childSetCombo->setToolTip(tr("この粒子の寿命が尽きると、ここで指定したﾊﾟｰﾃｨｸﾙｾｯﾄが出現します"));

  addLabel(tr("最大世代数"), kLabelX, kGenerationsY);
  maxGenerationsEdit = addNumber(QStringLiteral("maxGenerationsEdit"), FirstField(kGenerationsY),
                                 tr("子火花を指定した場合、最大で何世代目まで打ち上げるか"));
  Configure(maxGenerationsEdit, {9, false, 0, true, 2});

  visibleCheck = new QCheckBox(tr("このパーティクルセットを表示する"), this);
  visibleCheck->setObjectName(QStringLiteral("visibleCheck"));
  visibleCheck->move(kFieldX, kShowY);
  visibleCheck->adjustSize();
  visibleCheck->setChecked(true);
  visibleCheck->setToolTip(tr("ここをチェックしないと、画面に出てきません。"));
}

void ParticleSetDialog::createButtons() {
  okButton = new QPushButton(QStringLiteral("OK"), this);
  okButton->setObjectName(QStringLiteral("okButton"));
  okButton->setGeometry(QRect(QPoint(248, kButtonY), kButtonSize));
  okButton->setDefault(true);
  okButton->setToolTip(tr("これでよし"));
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

  cancelButton = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
  cancelButton->setObjectName(QStringLiteral("cancelButton"));
  cancelButton->setGeometry(QRect(QPoint(336, kButtonY), kButtonSize));
  cancelButton->setAutoDefault(false);
  // QDialog rejects on Esc as well; the button is the visible form of that.
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ParticleSetDialog::arrangeTabOrder() {
  QWidget* const order[] = {nameEdit,
                            colorSwatch,
                            countEdit,
                            originXEdit,
                            originYEdit,
                            speedEdit,
                            speedSpreadEdit,
                            speedDistributionCombo,
                            directionEdit,
                            directionSpreadEdit,
                            directionDistributionCombo,
                            birthTimeEdit,
                            birthSpreadEdit,
                            birthDistributionCombo,
                            lifetimeEdit,
                            lifetimeSpreadEdit,
                            lifetimeDistributionCombo,
                            trailLengthEdit,
                            trailSamplesEdit,
                            childSetCombo,
                            maxGenerationsEdit,
                            visibleCheck,
                            okButton,
                            cancelButton};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    QWidget::setTabOrder(order[i], order[i + 1]);
  }
}

// The remembered place is kept unless no screen shows it any more.
void ParticleSetDialog::showEvent(QShowEvent* event) {
  KeepWindowReachable(*this);
  QDialog::showEvent(event);
}

void ParticleSetDialog::chooseColor() {
  const std::optional<QColor> chosen =
      ColorDialogService::getColor(colorSwatch->brushColor(), this);
  if (chosen) colorSwatch->setBrushColor(*chosen);
}

}  // namespace kirabel
