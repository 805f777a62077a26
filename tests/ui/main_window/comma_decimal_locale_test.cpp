// Numbers on screen and in files follow the program's own notation ("." as
// decimal point, "," between thousands), never the locale of the session.
#include "support/comma_decimal_locale.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "document/particle_grid_model.h"
#include "platform/ini_values.h"
#include "ui/widgets/numeric_field.h"

namespace kirabel {
namespace {

// Every number text the program makes, side by side.
std::vector<std::string> NumberTexts() {
  ParticleSet set;
  set.birthTime = 1234.5L;
  set.birthSpread = 0.1L;
  const ParticleList list{set};
  NumericField field;
  field.setFixedDecimals(2);
  field.setValue(-1234567.25L);
  NumericField free;
  free.setValue(0.5L);
  return {GridCellText(list, 0, 4).toStdString(), field.text().toStdString(),
          free.text().toStdString(), FormatIniReal(0.5L),
          ParseIniReal("2.5") == 2.5L ? "read" : "misread"};
}

TEST(CommaDecimalLocaleTest, NumbersLookTheSameInEveryLocale) {
  const std::vector<std::string> plain = NumberTexts();
  EXPECT_EQ(plain[0], "1234.50±0.10");
  testing::CommaDecimalLocale german;
  if (!german.available()) GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed";
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const std::vector<std::string> inGerman = NumberTexts();
  QLocale::setDefault(previous);
  EXPECT_EQ(inGerman, plain);
}

}  // namespace
}  // namespace kirabel
