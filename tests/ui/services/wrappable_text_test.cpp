// Message texts wrap to the box: breaks after path separators and within long
// runs, the text reading the same, and a box with a long path stays narrow.
#include "ui/services/wrappable_text.h"

#include <gtest/gtest.h>

#include <QMessageBox>

namespace kirabel {
namespace {

TEST(WrappableTextTest, BreaksFollowSeparatorsAndLongRunsOnly) {
  const QString z(kZeroWidthSpace);
  const QString x30(30, QLatin1Char('x'));
  const QString smiley = QString::fromUtf8("😀");  // a surrogate pair
  const struct {
    QString text, wrappable;
  } cases[] = {
      {"", ""},
      {"short words", "short words"},
      {"/home/a.pcl", "/" + z + "home/" + z + "a.pcl"},
      {"a/ b/", "a/ b/"},  // nothing follows, or a blank does
      {x30 + x30 + "xx", x30 + z + x30 + z + "xx"},
      {x30 + " " + x30, x30 + " " + x30},
      {QString(29, 'x') + smiley + "y", QString(29, 'x') + smiley + z + "y"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    const QString wrappable = WrappableText(c.text);
    EXPECT_EQ(wrappable, c.wrappable);
    EXPECT_EQ(QString(wrappable).remove(kZeroWidthSpace), c.text);
  }
}

TEST(WrappableTextTest, ABoxWithALongPathStaysNarrowAndShowsItWhole) {
  const QString path = "/home/user/.local/share/Kirabel/shells/" + QString(250, 'a') + ".pcl";
  QMessageBox box(QMessageBox::Critical, "Kirabel", WrappableText(path + " に書き込めません"));
  box.show();
  EXPECT_LE(box.width(), 640);
  EXPECT_GE(box.height(), 100);  // the path's lines stacked
}

}  // namespace
}  // namespace kirabel
