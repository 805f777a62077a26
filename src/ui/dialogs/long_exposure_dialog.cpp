#include "ui/dialogs/long_exposure_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "ui/dialogs/export_fields.h"
#include "ui/services/program_font.h"

namespace kirabel {

namespace {

// The formats in the order the selector offers them.
constexpr PictureFormat kFormats[] = {PictureFormat::kPng, PictureFormat::kPng16,
                                      PictureFormat::kBmp};

QString Extension(PictureFormat format) {
  return format == PictureFormat::kBmp ? QStringLiteral("bmp") : QStringLiteral("png");
}

QComboBox* Selector(QWidget* parent, const char* name, const QStringList& items) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QLatin1String(name));
  combo->addItems(items);
  return combo;
}

}  // namespace

LongExposureDialog::LongExposureDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("longExposureDialog"));
  setWindowTitle(tr("長時間露光で書き出す"));
  setFont(ProgramFont());
  setModal(true);
  modeCombo_ =
      Selector(this, "modeCombo", {tr("加算 (光を足し合わせる)"), tr("比較明 (明るい方を残す)")});
  formatCombo_ = Selector(this, "formatCombo",
                          {QStringLiteral("PNG"), tr("PNG (16 ビット)"), QStringLiteral("BMP")});
  firstSpin_ = NewFrameSpin(this, "firstFrameSpin");
  lastSpin_ = NewFrameSpin(this, "lastFrameSpin");
  fileEdit_ = new QLineEdit(this);
  fileEdit_->setObjectName(QStringLiteral("fileEdit"));
  auto* browseButton = new QPushButton(tr("参照(&B)..."), this);
  browseButton->setObjectName(QStringLiteral("browseButton"));
  browseButton->setAutoDefault(false);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(fileEdit_, 1);
  fileRow->addWidget(browseButton);
  auto* buttons = new QDialogButtonBox(this);
  okButton_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  okButton_->setObjectName(QStringLiteral("okButton"));
  okButton_->setEnabled(false);
  buttons->addButton(tr("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("cancelButton"));
  auto* form = new QFormLayout(this);
  form->addRow(tr("重ね方"), modeCombo_);
  form->addRow(tr("形式"), formatCombo_);
  form->addRow(tr("最初のフレーム"), firstSpin_);
  form->addRow(tr("最後のフレーム"), lastSpin_);
  form->addRow(tr("ファイル名"), fileRow);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(browseButton, &QPushButton::clicked, this, &LongExposureDialog::browse);
  connect(formatCombo_, qOverload<int>(&QComboBox::currentIndexChanged), this,
          &LongExposureDialog::followFormat);
  connect(fileEdit_, &QLineEdit::textChanged, this,
          [this](const QString& name) { okButton_->setEnabled(!name.trimmed().isEmpty()); });
}

void LongExposureDialog::setChoice(const LongExposureChoice& choice, int64_t frameCount) {
  modeCombo_->setCurrentIndex(choice.mode == StackMode::kAdd ? 0 : 1);
  formatCombo_->setCurrentIndex(static_cast<int>(
      std::find(std::begin(kFormats), std::end(kFormats), choice.format) - std::begin(kFormats)));
  ProposeFrames(*firstSpin_, *lastSpin_, frameCount, choice.wholeLaunch, choice.firstFrame,
                choice.lastFrame);
  fileEdit_->setText(QString::fromStdString(choice.path));
}

LongExposureChoice LongExposureDialog::choice() const {
  LongExposureChoice choice;
  choice.mode = modeCombo_->currentIndex() == 1 ? StackMode::kLighten : StackMode::kAdd;
  choice.format = kFormats[std::clamp(formatCombo_->currentIndex(), 0, 2)];
  const ChosenFrames frames = ReadFrames(*firstSpin_, *lastSpin_);
  choice.wholeLaunch = frames.wholeLaunch;
  choice.firstFrame = frames.first;
  choice.lastFrame = frames.last;
  choice.path = fileEdit_->text().trimmed().toStdString();
  return choice;
}

void LongExposureDialog::followFormat() {
  const QString name = fileEdit_->text().trimmed();
  if (name.isEmpty()) return;
  const std::string path = name.toStdString();
  const QString extension = Extension(choice().format);
  fileEdit_->setText(QString::fromStdString(RemoveExtension(path)) + QLatin1Char('.') + extension);
}

void LongExposureDialog::browse() {
  if (chooser_) BrowseForFile(*this, *chooser_, Extension(choice().format), *fileEdit_);
}

}  // namespace kirabel
