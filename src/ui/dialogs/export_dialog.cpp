#include "ui/dialogs/export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <iterator>

#include "picture_io/frame_writer.h"
#include "ui/dialogs/export_fields.h"
#include "ui/services/program_font.h"

namespace kirabel {

namespace {

// The rates offered; any other can be typed.
const char* const kCommonRates[] = {"23.976", "24", "25", "29.97", "30", "50", "59.94", "60"};

// The format list: the animations, then numbered OpenEXR frames.
constexpr int kAnimationCount = static_cast<int>(std::size(kAnimationFormats));
constexpr int kExrFramesIndex = kAnimationCount;
// The quality spin box's lowest value stands for the format's usual quality.
constexpr int kUsualQuality = -1;

}  // namespace

ExportDialog::ExportDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("exportDialog"));
  setWindowTitle(tr("アニメーションを書き出す"));
  setFont(ProgramFont());
  setModal(true);
  formatCombo_ = new QComboBox(this);
  formatCombo_->setObjectName(QStringLiteral("formatCombo"));
  formatCombo_->addItems({QStringLiteral("GIF"), QStringLiteral("APNG"), QStringLiteral("WebM"),
                          QStringLiteral("MP4"), QStringLiteral("MOV (ProRes 4444)"),
                          tr("OpenEXR (連番)")});
  alphaCheck_ = new QCheckBox(tr("透明 (アルファ)"), this);
  alphaCheck_->setObjectName(QStringLiteral("alphaCheck"));
  qualitySpin_ = new QSpinBox(this);
  qualitySpin_->setObjectName(QStringLiteral("qualitySpin"));
  qualitySpin_->setRange(kUsualQuality, 100);
  qualitySpin_->setSpecialValueText(tr("標準"));
  chromaCombo_ = new QComboBox(this);
  chromaCombo_->setObjectName(QStringLiteral("chromaCombo"));
  chromaCombo_->addItems({QStringLiteral("4:2:0"), QStringLiteral("4:4:4")});
  rateCombo_ = new QComboBox(this);
  rateCombo_->setObjectName(QStringLiteral("rateCombo"));
  rateCombo_->setEditable(true);
  rateCombo_->setInsertPolicy(QComboBox::NoInsert);
  for (const char* rate : kCommonRates) rateCombo_->addItem(QLatin1String(rate));
  firstSpin_ = NewFrameSpin(this, "firstFrameSpin");
  lastSpin_ = NewFrameSpin(this, "lastFrameSpin");
  fileEdit_ = new QLineEdit(this);
  fileEdit_->setObjectName(QStringLiteral("fileEdit"));
  browseButton_ = new QPushButton(tr("参照(&B)..."), this);
  browseButton_->setObjectName(QStringLiteral("browseButton"));
  browseButton_->setAutoDefault(false);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(fileEdit_, 1);
  fileRow->addWidget(browseButton_);
  auto* buttons = new QDialogButtonBox(this);
  okButton_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  okButton_->setObjectName(QStringLiteral("okButton"));
  buttons->addButton(tr("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("cancelButton"));
  auto* form = new QFormLayout(this);
  form->addRow(tr("形式"), formatCombo_);
  form->addRow(QString(), alphaCheck_);
  form->addRow(tr("画質"), qualitySpin_);
  form->addRow(tr("色の細かさ"), chromaCombo_);
  form->addRow(tr("毎秒のフレーム数"), rateCombo_);
  form->addRow(tr("最初のフレーム"), firstSpin_);
  form->addRow(tr("最後のフレーム"), lastSpin_);
  form->addRow(tr("ファイル名"), fileRow);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(browseButton_, &QPushButton::clicked, this, &ExportDialog::browse);
  connect(formatCombo_, qOverload<int>(&QComboBox::currentIndexChanged), this,
          &ExportDialog::followFormat);
  connect(fileEdit_, &QLineEdit::textChanged, this, &ExportDialog::updateOkButton);
  connect(rateCombo_, &QComboBox::editTextChanged, this, &ExportDialog::updateOkButton);
  okButton_->setEnabled(false);
  enableFormatChoices();
}

void ExportDialog::setChoice(const ExportChoice& choice, int64_t frameCount) {
  formatCombo_->setCurrentIndex(
      choice.exrFrames ? kExrFramesIndex
                       : static_cast<int>(std::find(std::begin(kAnimationFormats),
                                                    std::end(kAnimationFormats), choice.format) -
                                          std::begin(kAnimationFormats)));
  alphaCheck_->setChecked(choice.withAlpha);
  qualitySpin_->setValue(choice.video.quality.value_or(kUsualQuality));
  chromaCombo_->setCurrentIndex(choice.video.chroma == ChromaSampling::k444 ? 1 : 0);
  enableFormatChoices();
  rateCombo_->setEditText(QString::fromStdString(FrameRateText(choice.rate)));
  ProposeFrames(*firstSpin_, *lastSpin_, frameCount, choice.wholeLaunch, choice.firstFrame,
                choice.lastFrame);
  fileEdit_->setText(QString::fromStdString(choice.path));
}

ExportChoice ExportDialog::choice() const {
  ExportChoice choice;
  const int format = formatCombo_->currentIndex();
  choice.exrFrames = format == kExrFramesIndex;
  choice.format = kAnimationFormats[std::clamp(format, 0, kAnimationCount - 1)];
  choice.withAlpha = alphaCheck_->isChecked();
  if (qualitySpin_->value() != kUsualQuality) choice.video.quality = qualitySpin_->value();
  choice.video.chroma =
      chromaCombo_->currentIndex() == 1 ? ChromaSampling::k444 : ChromaSampling::k420;
  choice.rate = ParseFrameRate(rateCombo_->currentText().toStdString()).value_or(FrameRate{});
  const ChosenFrames frames = ReadFrames(*firstSpin_, *lastSpin_);
  choice.wholeLaunch = frames.wholeLaunch;
  choice.firstFrame = frames.first;
  choice.lastFrame = frames.last;
  choice.path = fileEdit_->text().trimmed().toStdString();
  return choice;
}

void ExportDialog::updateOkButton() {
  okButton_->setEnabled(!fileEdit_->text().trimmed().isEmpty() &&
                        ParseFrameRate(rateCombo_->currentText().toStdString()));
}

void ExportDialog::enableFormatChoices() {
  const int format = formatCombo_->currentIndex();
  const bool animation = format >= 0 && format < kAnimationCount;
  const AnimationFormat chosen = kAnimationFormats[std::clamp(format, 0, kAnimationCount - 1)];
  alphaCheck_->setEnabled(animation && AnimationHoldsAlpha(chosen));
  qualitySpin_->setEnabled(animation && AnimationTakesQuality(chosen));
  chromaCombo_->setEnabled(animation && AnimationTakesQuality(chosen));
}

QString ExportDialog::chosenExtension() const {
  const ExportChoice chosen = choice();
  if (chosen.exrFrames) return QStringLiteral("exr");
  return QString::fromLatin1(AnimationExtension(chosen.format) + 1);
}

// The file name takes the chosen format's extension.
void ExportDialog::followFormat() {
  enableFormatChoices();
  const QString name = fileEdit_->text().trimmed();
  if (name.isEmpty()) return;
  const std::string path = name.toStdString();
  const bool known =
      AnimationFormatForName(path) || name.endsWith(QLatin1String(".exr"), Qt::CaseInsensitive);
  const std::string stem = known ? RemoveExtension(path) : path;
  fileEdit_->setText(QString::fromStdString(stem) + QLatin1Char('.') + chosenExtension());
}

void ExportDialog::browse() {
  if (!chooser_) return;
  BrowseForFile(*this, *chooser_, chosenExtension(), *fileEdit_);
}

}  // namespace kirabel
