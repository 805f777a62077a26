#include "ui/dialogs/soundtrack_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "document/soundtrack_loader.h"
#include "model/frame_rate.h"
#include "texts/error_texts.h"
#include "ui/dialogs/number_row.h"
#include "ui/services/message_box.h"
#include "ui/services/pcl_dialogs.h"
#include "ui/widgets/numeric_field.h"

namespace kirabel {

namespace {

// The designed client size; larger where the system's font needs it.
const QSize kDesignedSize(480, 250);
const char kWidestNumber[] = "-999,999,999.999999";

QString SoundtrackFilter() {
  return QCoreApplication::translate("kirabel::SoundtrackDialog",
                                     "サウンドトラック(*.wav;*.flac;*.ogg;*.mp3)") +
         QStringLiteral(
             "|*.wav;*.flac;*.ogg;*.oga;*.mp3|WAV(*.wav)|*.wav|FLAC(*.flac)|*.flac|"
             "Ogg(*.ogg)|*.ogg;*.oga|MP3(*.mp3)|*.mp3|") +
         AnyFileFilter();
}

// The estimate as the fields take it: the tempo to a hundredth of a beat per
// minute, the beat to the millisecond.
long double Rounded(double value, double places) {
  const double scale = std::pow(10.0, places);
  return static_cast<long double>(std::round(value * scale) / scale);
}

}  // namespace

// One number of the show: its field, label and unit, whether it can be negative.
struct SoundtrackDialog::NumberRow {
  NumericField* SoundtrackDialog::*field;
  const char* objectName;
  const char* caption;
  const char* unit;
  bool allowNegative;
};

SoundtrackDialog::SoundtrackDialog(SoundtrackLoader& loader, QWidget* parent)
    : FixedDialog(parent, tr("サウンドトラックと拍"), Placement::kCentred),
      browseDialog(FileChooser::Kind::Open, SoundtrackFilter()),
      loader_(loader) {
  setObjectName(QStringLiteral("soundtrackDialog"));
  browseDialog.title = tr("サウンドトラック");
  addRows();
  okButton = addOkButton();
  cancelButton = addCancelButton();
  addButtonRow({okButton, cancelButton}, Qt::AlignRight);
  fixSize(kDesignedSize);
  connect(&loader_, &SoundtrackLoader::beatsDetected, this, &SoundtrackDialog::showDetectedBeats);
}

// The soundtrack and its offset, the rate, then the beat grid over the
// button that detects it.
void SoundtrackDialog::addRows() {
  using D = SoundtrackDialog;
  QGridLayout* grid = NewRowGrid();
  addSoundtrackRow(grid);
  addNumberRow(grid, 1,
               {&D::offsetEdit, "offsetEdit", QT_TR_NOOP("開始時刻"), QT_TR_NOOP("[秒]"), true});
  addRateRow(grid, 2);
  addNumberRow(grid, 3, {&D::bpmEdit, "bpmEdit", QT_TR_NOOP("テンポ"), "[BPM]", false});
  addNumberRow(
      grid, 4,
      {&D::beatOffsetEdit, "beatOffsetEdit", QT_TR_NOOP("最初の拍"), QT_TR_NOOP("[秒]"), true});
  detectButton = new QPushButton(tr("拍を検出"), this);
  detectButton->setObjectName(QStringLiteral("detectBeatsButton"));
  detectButton->setAutoDefault(false);
  grid->addWidget(detectButton, 5, 1);
  grid->setColumnStretch(2, 1);  // the units take the room the fields leave
  addSpreadRows(grid);
  connect(detectButton, &QPushButton::clicked, this, &SoundtrackDialog::detectBeats);
}

// As wide as the number fields and aligned as they are; OK waits for a rate that can be read.
void SoundtrackDialog::addRateRow(QGridLayout* grid, int row) {
  rateEdit = new QLineEdit(this);
  rateEdit->setObjectName(QStringLiteral("rateEdit"));
  rateEdit->setFixedWidth(offsetEdit->width());
  rateEdit->setAlignment(Qt::AlignRight);
  MakeCompactHeight(*rateEdit);
  auto* label = new QLabel(tr("毎秒のフレーム数"), this);
  label->setBuddy(rateEdit);
  grid->addWidget(label, row, 0);
  grid->addWidget(rateEdit, row, 1);
  connect(rateEdit, &QLineEdit::textChanged, this, &SoundtrackDialog::updateControls);
}

// The file over the whole width, its buttons after it.
void SoundtrackDialog::addSoundtrackRow(QGridLayout* grid) {
  soundtrackEdit = new QLineEdit(this);
  soundtrackEdit->setObjectName(QStringLiteral("soundtrackEdit"));
  soundtrackEdit->setReadOnly(true);
  MakeCompactHeight(*soundtrackEdit);
  browseButton = new QPushButton(tr("参照..."), this);
  browseButton->setObjectName(QStringLiteral("browseButton"));
  browseButton->setAutoDefault(false);
  removeButton = new QPushButton(tr("削除"), this);
  removeButton->setObjectName(QStringLiteral("removeButton"));
  removeButton->setAutoDefault(false);
  auto* row = new QHBoxLayout;
  row->addWidget(soundtrackEdit, 1);
  row->addWidget(browseButton);
  row->addWidget(removeButton);
  grid->addWidget(new QLabel(tr("サウンドトラック"), this), 0, 0);
  grid->addLayout(row, 0, 1, 1, 2);
  connect(browseButton, &QPushButton::clicked, this, &SoundtrackDialog::browse);
  connect(removeButton, &QPushButton::clicked, this, &SoundtrackDialog::removeSoundtrack);
}

void SoundtrackDialog::addNumberRow(QGridLayout* grid, int row, const NumberRow& number) {
  NumericField* field = AddNumberRow(this, grid, row, number.objectName, tr(number.caption),
                                     tr(number.unit), QLatin1String(kWidestNumber));
  field->setAllowNegative(number.allowNegative);
  this->*number.field = field;
}

void SoundtrackDialog::setShow(const ShowSettings& show) {
  shown_ = show;
  soundtrackEdit->setText(QDir::toNativeSeparators(QString::fromStdString(show.audio)));
  offsetEdit->setValue(show.audioOffset);
  rateEdit->setText(QString::fromStdString(FrameRateText(show.fps)));
  bpmEdit->setValue(show.bpm);
  beatOffsetEdit->setValue(show.beatOffset);
  setDetecting(false);
}

ShowSettings SoundtrackDialog::show() const {
  ShowSettings show = shown_;
  show.fps = ParseFrameRate(rateEdit->text().toStdString()).value_or(shown_.fps);
  show.audioOffset = offsetEdit->value();
  show.bpm = bpmEdit->value();
  show.beatOffset = beatOffsetEdit->value();
  return show;
}

// Closing forgets a detection still running: its result would fill a dialog
// no one looks at.
void SoundtrackDialog::done(int result) {
  if (detecting_) loader_.cancelBeats();
  setDetecting(false);
  FixedDialog::done(result);
}

void SoundtrackDialog::browse() {
  if (!shown_.audio.empty()) {
    const QFileInfo soundtrack(QString::fromStdString(shown_.audio));
    browseDialog.startFolder = soundtrack.absolutePath();
    browseDialog.fileName = soundtrack.fileName();
  }
  if (!browseDialog.execute(this)) return;
  shown_.audio = QFileInfo(browseDialog.fileName).absoluteFilePath().toStdString();
  soundtrackEdit->setText(QDir::toNativeSeparators(QString::fromStdString(shown_.audio)));
  if (detecting_) loader_.cancelBeats();
  setDetecting(false);
}

void SoundtrackDialog::removeSoundtrack() {
  shown_.audio.clear();
  soundtrackEdit->clear();
  if (detecting_) loader_.cancelBeats();
  setDetecting(false);
}

void SoundtrackDialog::detectBeats() {
  if (shown_.audio.empty()) return;
  loader_.detectBeats(shown_.audio);
  setDetecting(true);
}

// The beats fill the fields, the first one placed by the soundtrack's offset
// the dialog shows now.
void SoundtrackDialog::showDetectedBeats(const DetectedBeats& beats) {
  if (!detecting_ || beats.path != shown_.audio) return;
  setDetecting(false);
  if (beats.error) {
    MessageBox::showError(this, ErrorText(beats.error));
    return;
  }
  if (!beats.estimate) {
    MessageBox::warning(this, tr("サウンドトラックに一定の拍が見つかりません"));
    return;
  }
  bpmEdit->setValue(Rounded(beats.estimate->bpm, 2));
  beatOffsetEdit->setValue(offsetEdit->value() + Rounded(beats.estimate->firstBeatSeconds, 3));
}

void SoundtrackDialog::setDetecting(bool detecting) {
  detecting_ = detecting;
  detectButton->setText(detecting ? tr("検出中...") : tr("拍を検出"));
  if (detecting)
    setCursor(Qt::BusyCursor);
  else
    unsetCursor();
  updateControls();
}

void SoundtrackDialog::updateControls() {
  const bool hasSoundtrack = !shown_.audio.empty();
  removeButton->setEnabled(hasSoundtrack);
  detectButton->setEnabled(hasSoundtrack && !detecting_);
  okButton->setEnabled(ParseFrameRate(rateEdit->text().toStdString()).has_value());
}

}  // namespace kirabel
