// The message box seam: titles, the error box's "." rule, queued answers.
#include "ui/services/message_box.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

class MessageBoxTest : public ::testing::Test {
 protected:
  MessageBoxTest() {
    MessageBox::setTestMode(true);
    MessageBox::clearRecord();
  }
  ~MessageBoxTest() override { MessageBox::clearRecord(); }
};

TEST_F(MessageBoxTest, ErrorTextGetsAPeriodAfterCharactersSortingAfterIt) {
  EXPECT_EQ(MessageBox::errorText(QStringLiteral("abc")), QStringLiteral("abc."));
  EXPECT_EQ(MessageBox::errorText(QStringLiteral("x.ini に書き込めません")),
            QStringLiteral("x.ini に書き込めません."));
  EXPECT_EQ(MessageBox::errorText(QStringLiteral("done.")), QStringLiteral("done."));
  EXPECT_EQ(MessageBox::errorText(QStringLiteral("stop!")), QStringLiteral("stop!"));
  EXPECT_EQ(MessageBox::errorText(QStringLiteral("a-")), QStringLiteral("a-"));
  EXPECT_EQ(MessageBox::errorText(QString()), QString());
}

TEST_F(MessageBoxTest, BoxesAreRecordedWithTheirTitlesAndAnswersComeFromTheQueue) {
  MessageBox::setNextAnswer(MsgAnswer::No);
  MessageBox::setNextAnswer(MsgAnswer::Yes);
  MessageBox::warning(nullptr, QStringLiteral("パーティクルがありません"));  // takes no answer
  EXPECT_FALSE(MessageBox::confirm(nullptr, QStringLiteral("q1")));
  EXPECT_TRUE(MessageBox::confirm(nullptr, QStringLiteral("q2")));
  EXPECT_TRUE(MessageBox::confirm(nullptr, QStringLiteral("q3")));  // empty queue: Yes
  MessageBox::showError(nullptr, QStringLiteral("failed"));
  MessageBox::beep();

  const auto& shown = MessageBox::shown();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].title, QStringLiteral("警告"));
  EXPECT_EQ(shown[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(shown[1].title, QStringLiteral("確認"));
  EXPECT_EQ(shown[1].buttons, MsgButtons::YesNo);
  EXPECT_EQ(shown[4].kind, MsgKind::Error);
  EXPECT_EQ(shown[4].title, QStringLiteral("Kirabel"));
  EXPECT_EQ(shown[4].text, QStringLiteral("failed."));
  EXPECT_EQ(MessageBox::beepCount(), 1);
}

}  // namespace
}  // namespace kirabel
