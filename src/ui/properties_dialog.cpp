#include "ui/properties_dialog.h"

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

#include "controls/NValEdit.h"
#include "model/particle.h"
#include "ui/byte_limit_validator.h"
#include "ui/color_dialog_service.h"
#include "ui/color_swatch.h"
#include "ui/form_font.h"
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

// Field properties of one numeric field and its design value.
struct FieldSetup {
  int maxDigits;
  bool negatives;
  int fixDecimal;
  bool zeroDisplay;
  long double value;
};

void Configure(TNValEdit* field, const FieldSetup& setup) {
  field->setMaxDigits(setup.maxDigits);
  field->setPrmtNegative(setup.negatives);
  field->setFixDecimal(setup.fixDecimal);
  field->setZeroDisplay(setup.zeroDisplay);
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

QString TForm3::noChildText() {
  return QStringLiteral("(なし)");
}

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("パーティクルセットの個別設定"));
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

// The design sizes suit narrow glyphs. Where the system's font is wider, the
// numeric fields and the distribution selectors grow until their texts show
// whole, the columns to their right move along and the dialog widens by as
// much; with fonts that fit, the design layout stays as it is.
void TForm3::fitToFonts() {
  const int field = qMax(0, NeededFieldWidth(*NEditDB) - kFieldWidth);
  const int selector = qMax(0, NeededSelectorWidth(*ComboBox2) - kSelectorWidth);
  if (field == 0 && selector == 0) return;
  for (QWidget* widget : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    QRect g = widget->geometry();
    const bool number = qobject_cast<TNValEdit*>(widget) && g.width() == kFieldWidth;
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

QLabel* TForm3::addLabel(const QString& text, int x, int y) {
  auto* label = new QLabel(text, this);
  label->move(x, y + 3);
  label->adjustSize();
  return label;
}

TNValEdit* TForm3::addNumber(const QString& objectName, QRect geometry, const QString& hint) {
  auto* field = new TNValEdit(this);
  field->setObjectName(objectName);
  field->setGeometry(geometry);
  field->setToolTip(hint);
  return field;
}

void TForm3::createNameAndColourRows() {
  addLabel(QStringLiteral("名前"), kLabelX, kNameY);
  Edit1 = new QLineEdit(QStringLiteral("火花 1"), this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(kFieldX, kNameY, kWideWidth, kFieldHeight);
  Edit1->setValidator(new FileByteLimitValidator(kMaxNameBytes, Edit1));
  Edit1->setToolTip(QStringLiteral("この火花を識別する時の名前です"));

  addLabel(QStringLiteral("色合い"), kLabelX, kColourY + 6);
  Shape1 = new TShape(this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setGeometry(kFieldX, kColourY, 49, 33);
  Shape1->setBrushColor(Qt::white);
  Shape1->setToolTip(QStringLiteral("粒子が集まると、この色になります"));
  connect(Shape1, &TShape::activated, this, &TForm3::Shape1MouseDown);
}

void TForm3::createNumberRows() {
  addLabel(QStringLiteral("粒子の数"), kLabelX, kCountY);
  NEditN = addNumber(QStringLiteral("NEditN"), FirstField(kCountY),
                     QStringLiteral("何個の粒子を飛ばすか"));
  Configure(NEditN, {9, false, 0, false, 200});
  addLabel(QStringLiteral("[個]"), kUnitX, kCountY);

  addLabel(QStringLiteral("初期位置"), kLabelX, kOriginY);
  NEditP0X = addNumber(QStringLiteral("NEditP0X"), FirstField(kOriginY),
                       QStringLiteral("どこを始点として粒子が飛び散るか(X座標)"));
  addLabel(QStringLiteral(","), kSeparatorX + 4, kOriginY);
  NEditP0Y = addNumber(QStringLiteral("NEditP0Y"), SecondField(kOriginY),
                       QStringLiteral("どこを始点として粒子が飛び散るか(Y座標)"));
  Configure(NEditP0X, {4, false, -1, true, 256});
  Configure(NEditP0Y, {4, false, -1, true, 256});
  addLabel(QStringLiteral("[Pixel]"), kUnitX, kOriginY);

  addLabel(QStringLiteral("爆発の強さ"), kLabelX, kStrengthY);
  NEditB = addNumber(QStringLiteral("NEditB"), FirstField(kStrengthY),
                     QStringLiteral("粒子の飛び散る速度です"));
  addLabel(QStringLiteral("±"), kSeparatorX, kStrengthY);
  NEditEB = addNumber(QStringLiteral("NEditEB"), SecondField(kStrengthY),
                      QStringLiteral("爆発の強さのバラつき具合"));
  Configure(NEditB, {9, false, -1, true, 10});
  Configure(NEditEB, {9, false, -1, true, 5});
  addLabel(QStringLiteral("[Pixels/Time]"), kUnitX, kStrengthY);

  addLabel(QStringLiteral("爆発の向き"), kLabelX, kDirectionY);
  NEditVB = addNumber(QStringLiteral("NEditVB"), FirstField(kDirectionY),
                      QStringLiteral("0度が真上で、左回りに指定します"));
  addLabel(QStringLiteral("±"), kSeparatorX, kDirectionY);
  NEditDB = addNumber(QStringLiteral("NEditDB"), SecondField(kDirectionY),
                      QStringLiteral("「爆発の向き」を中心に、どのくらいの範囲で飛び散るか"));
  Configure(NEditVB, {9, true, -1, true, 0});
  Configure(NEditDB, {9, true, -1, true, 180});
  addLabel(QStringLiteral("[deg]"), kUnitX, kDirectionY);

  addLabel(QStringLiteral("生起時間"), kLabelX, kAppearY);
  NEditGT = addNumber(QStringLiteral("NEditGT"), FirstField(kAppearY),
                      QStringLiteral("粒子が画面に登場する時間"));
  addLabel(QStringLiteral("±"), kSeparatorX, kAppearY);
  NEditET = addNumber(QStringLiteral("NEditET"), SecondField(kAppearY),
                      QStringLiteral("±何フレーム分、粒子の出現時間にバラつきを出すか"));
  Configure(NEditGT, {9, true, -1, true, 0});
  Configure(NEditET, {9, false, -1, true, 5});
  addLabel(QStringLiteral("[Time]"), kUnitX, kAppearY);

  addLabel(QStringLiteral("寿命"), kLabelX, kLifeY);
  NEditLT = addNumber(QStringLiteral("NEditLT"), FirstField(kLifeY),
                      QStringLiteral("どれだけの間、粒子が空間内に生きていられるか"));
  addLabel(QStringLiteral("±"), kSeparatorX, kLifeY);
  NEditELT = addNumber(QStringLiteral("NEditELT"), SecondField(kLifeY),
                       QStringLiteral("±何フレーム分、粒子の寿命にバラつきを出すか"));
  Configure(NEditLT, {9, false, -1, true, 20});
  Configure(NEditELT, {9, false, -1, true, 5});
  addLabel(QStringLiteral("[Time]"), kUnitX, kLifeY);

  addLabel(QStringLiteral("残像の長さ"), kLabelX, kAfterimageY);
  NEditTV = addNumber(QStringLiteral("NEditTV"), FirstField(kAfterimageY),
                      QStringLiteral("網膜にどのくらいの時間、この粒子の光が影響を与えるか"));
  Configure(NEditTV, {9, false, -1, true, 5});
  addLabel(QStringLiteral("[Time]"), kUnitX, kAfterimageY);

  addLabel(QStringLiteral("残像の分割数"), kLabelX, kDivisionsY);
  NEditNS = addNumber(QStringLiteral("NEditNS"), FirstField(kDivisionsY),
                      QStringLiteral("一つの粒子当たり残像を何回計算するか"));
  Configure(NEditNS, {9, false, 0, true, 100});
  addLabel(QStringLiteral("[個]"), kUnitX, kDivisionsY);
}

QComboBox* TForm3::addDistributionSelector(const QString& objectName, int y) {
  auto* selector = new QComboBox(this);
  selector->setObjectName(objectName);
  selector->setGeometry(kSelectorX, y, kSelectorWidth, kFieldHeight);
  // Item index = TRandomMode value.
  selector->addItems({QStringLiteral("均等に分布"), QStringLiteral("中央に偏った分布"),
                      QStringLiteral("等間隔配置(非ﾗﾝﾀﾞﾑ)")});
  selector->setCurrentIndex(rmUniform);
  return selector;
}

void TForm3::createDistributionSelectors() {
  addLabel(QStringLiteral("乱数の分布"), kSelectorX, kStrengthY - 21);
  ComboBox2 = addDistributionSelector(QStringLiteral("ComboBox2"), kStrengthY);
  ComboBox3 = addDistributionSelector(QStringLiteral("ComboBox3"), kDirectionY);
  ComboBox4 = addDistributionSelector(QStringLiteral("ComboBox4"), kAppearY);
  ComboBox5 = addDistributionSelector(QStringLiteral("ComboBox5"), kLifeY);
}

void TForm3::createChildRows() {
  addLabel(QStringLiteral("子火花"), kLabelX, kChildY);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setGeometry(kFieldX, kChildY, kWideWidth, kFieldHeight);
  ComboBox1->addItem(noChildText());
  ComboBox1->setCurrentIndex(0);
  ComboBox1->setToolTip(
      QStringLiteral("この粒子の寿命が尽きると、ここで指定したﾊﾟｰﾃｨｸﾙｾｯﾄが出現します"));

  addLabel(QStringLiteral("最大世代数"), kLabelX, kGenerationsY);
  NEditAM = addNumber(QStringLiteral("NEditAM"), FirstField(kGenerationsY),
                      QStringLiteral("子火花を指定した場合、最大で何世代目まで打ち上げるか"));
  Configure(NEditAM, {9, false, 0, true, 2});

  CheckBox1 = new QCheckBox(QStringLiteral("このパーティクルセットを表示する"), this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->move(kFieldX, kShowY);
  CheckBox1->adjustSize();
  CheckBox1->setChecked(true);
  CheckBox1->setToolTip(QStringLiteral("ここをチェックしないと、画面に出てきません。"));
}

void TForm3::createButtons() {
  BitBtn4 = new QPushButton(QStringLiteral("OK"), this);
  BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
  BitBtn4->setGeometry(QRect(QPoint(248, kButtonY), kButtonSize));
  BitBtn4->setDefault(true);
  BitBtn4->setToolTip(QStringLiteral("これでよし"));
  connect(BitBtn4, &QPushButton::clicked, this, &QDialog::accept);

  BitBtn1 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(QRect(QPoint(336, kButtonY), kButtonSize));
  BitBtn1->setAutoDefault(false);
  // QDialog rejects on Esc as well; the button is the visible form of that.
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm3::arrangeTabOrder() {
  QWidget* const order[] = {Edit1,   Shape1,    NEditN,  NEditP0X,  NEditP0Y,  NEditB,
                            NEditEB, ComboBox2, NEditVB, NEditDB,   ComboBox3, NEditGT,
                            NEditET, ComboBox4, NEditLT, NEditELT,  ComboBox5, NEditTV,
                            NEditNS, ComboBox1, NEditAM, CheckBox1, BitBtn4,   BitBtn1};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    QWidget::setTabOrder(order[i], order[i + 1]);
  }
}

// The remembered place is kept unless no screen shows it any more.
void TForm3::showEvent(QShowEvent* event) {
  KeepWindowReachable(*this);
  QDialog::showEvent(event);
}

void TForm3::Shape1MouseDown() {
  const std::optional<QColor> chosen = ColorDialogService::getColor(Shape1->brushColor(), this);
  if (chosen) Shape1->setBrushColor(*chosen);
}

}  // namespace kirabel
