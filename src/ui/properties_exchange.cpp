#include "ui/properties_exchange.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "controls/NValEdit.h"
#include "image/dibs.h"
#include "model/angles.h"
#include "model/particle.h"
#include "platform/sjis.h"
#include "ui/color_swatch.h"
#include "ui/properties_dialog.h"

namespace kirabel {

namespace {

// A field value truncated toward zero into a 32-bit integer (the fields hold
// at most nine digits, the clamp only guards against the impossible).
int32_t TruncToInt32(long double value) {
  if (!(value == value)) return 0;
  const long double t = std::trunc(value);
  if (t >= static_cast<long double>(std::numeric_limits<int32_t>::max())) {
    return std::numeric_limits<int32_t>::max();
  }
  if (t <= static_cast<long double>(std::numeric_limits<int32_t>::min())) {
    return std::numeric_limits<int32_t>::min();
  }
  return static_cast<int32_t>(t);
}

QColor SetColour(const TParticle& set) {
  const uint8_t pixel[3] = {set.colB, set.colG, set.colR};
  const uint32_t c = TDIBitmap::PixelToColor(pixel);
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void StoreColour(const QColor& colour, TParticle& set) {
  const uint32_t c = static_cast<uint32_t>(colour.red()) |
                     (static_cast<uint32_t>(colour.green()) << 8) |
                     (static_cast<uint32_t>(colour.blue()) << 16);
  uint8_t pixel[3];
  TDIBitmap::ColorToPixel(c, pixel);
  set.colB = pixel[0];
  set.colG = pixel[1];
  set.colR = pixel[2];
}

// A mode outside the selector's items shows no choice (and reads back as -1).
void ShowMode(QComboBox* selector, TRandomMode mode) {
  selector->setCurrentIndex(mode >= 0 && mode < selector->count() ? mode : -1);
}

// A child that names no set shows "(なし)".
void ShowChild(QComboBox* selector, int32_t child) {
  const bool valid = child >= -1 && child < selector->count() - 1;
  selector->setCurrentIndex(valid ? child + 1 : 0);
}

int32_t ReadChild(const QComboBox* selector) {
  const int index = selector->currentIndex();
  return index >= 1 ? index - 1 : -1;
}

}  // namespace

void SetToDialog(TForm3& d, const TParticle& set) {
  d.Shape1->setBrushColor(SetColour(set));
  d.NEditN->setValue(set.N);
  d.NEditB->setValue(set.b);
  d.NEditP0X->setValue(set.P0x);
  d.NEditP0Y->setValue(set.P0y);
  d.NEditVB->setValue(RadiansToDegrees(set.vb));
  d.NEditDB->setValue(RadiansToDegrees(set.db));
  d.NEditEB->setValue(set.eb);
  d.NEditGT->setValue(set.gt);
  d.NEditET->setValue(set.et);
  d.NEditLT->setValue(set.lt);
  d.NEditELT->setValue(set.elt);
  d.NEditTV->setValue(set.tv);
  d.NEditNS->setValue(set.ns);
  d.Edit1->setText(QString::fromStdString(set.name));
  d.CheckBox1->setChecked(set.visible);
  ShowChild(d.ComboBox1, set.child);
  d.NEditAM->setValue(set.am);
  ShowMode(d.ComboBox2, set.rmB);
  ShowMode(d.ComboBox3, set.rmVB);
  ShowMode(d.ComboBox4, set.rmGT);
  ShowMode(d.ComboBox5, set.rmLT);
}

void DialogToSet(const TForm3& d, TParticle& set) {
  StoreColour(d.Shape1->brushColor(), set);
  set.N = TruncToInt32(d.NEditN->Value());
  set.b = d.NEditB->Value();
  set.P0x = d.NEditP0X->Value();
  set.P0y = d.NEditP0Y->Value();
  set.vb = DegreesToRadians(d.NEditVB->Value());
  set.db = DegreesToRadians(d.NEditDB->Value());
  set.eb = d.NEditEB->Value();
  set.gt = d.NEditGT->Value();
  set.et = d.NEditET->Value();
  set.lt = d.NEditLT->Value();
  set.elt = d.NEditELT->Value();
  set.tv = d.NEditTV->Value();
  set.ns = TruncToInt32(d.NEditNS->Value());
  set.name = CutToFileBytes(d.Edit1->text().toStdString(), kMaxNameBytes);
  set.visible = d.CheckBox1->isChecked();
  set.child = ReadChild(d.ComboBox1);
  set.am = TruncToInt32(d.NEditAM->Value());
  set.rmB = d.ComboBox2->currentIndex();
  set.rmVB = d.ComboBox3->currentIndex();
  set.rmGT = d.ComboBox4->currentIndex();
  set.rmLT = d.ComboBox5->currentIndex();
}

}  // namespace kirabel
