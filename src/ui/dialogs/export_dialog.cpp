#include "ui/dialogs/export_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "picture_io/frame_writer.h"
#include "ui/dialogs/export_fields.h"
#include "ui/services/program_font.h"

namespace kirabel {

namespace {

// The rates offered; any other can be typed.
const char* const kCommonRates[] = {"23.976", "24", "25", "29.97", "30", "50", "59.94", "60"};

}  // namespace

ExportDialog::ExportDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("exportDialog"));
  setWindowTitle(tr("アニメーションを書き出す"));
  setFont(ProgramFont());
  setModal(true);
  formatCombo_ = new QComboBox(this);
  formatCombo_->setObjectName(QStringLiteral("formatCombo"));
  formatCombo_->addItems({QStringLiteral("GIF"), QStringLiteral("APNG"), QStringLiteral("WebM"),
                          QStringLiteral("MP4")});
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
}

void ExportDialog::setChoice(const ExportChoice& choice, int64_t frameCount) {
  formatCombo_->setCurrentIndex(static_cast<int>(
      std::find(std::begin(kAnimationFormats), std::end(kAnimationFormats), choice.format) -
      std::begin(kAnimationFormats)));
  rateCombo_->setEditText(QString::fromStdString(FrameRateText(choice.rate)));
  ProposeFrames(*firstSpin_, *lastSpin_, frameCount, choice.wholeLaunch, choice.firstFrame,
                choice.lastFrame);
  fileEdit_->setText(QString::fromStdString(choice.path));
}

ExportChoice ExportDialog::choice() const {
  ExportChoice choice;
  choice.format = kAnimationFormats[std::clamp(formatCombo_->currentIndex(), 0, 3)];
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

// The file name takes the chosen format's extension.
void ExportDialog::followFormat() {
  const QString name = fileEdit_->text().trimmed();
  if (name.isEmpty()) return;
  const std::string path = name.toStdString();
  const std::string stem = AnimationFormatForName(path) ? RemoveExtension(path) : path;
  fileEdit_->setText(QString::fromStdString(stem + AnimationExtension(choice().format)));
}

void ExportDialog::browse() {
  if (!chooser_) return;
  BrowseForFile(*this, *chooser_, QString::fromLatin1(AnimationExtension(choice().format) + 1),
                *fileEdit_);
}

}  // namespace kirabel
