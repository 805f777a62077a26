// The message box seam: titles, the error box's "." rule, queued answers.
#include "ui/message_box.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

class MessageBoxTest : public ::testing::Test {
 protected:
  MessageBoxTest() {
    MessageBox::SetTestMode(true);
    MessageBox::ClearRecord();
  }
  ~MessageBoxTest() override { MessageBox::ClearRecord(); }
};

TEST_F(MessageBoxTest, ErrorTextGetsAPeriodAfterCharactersSortingAfterIt) {
  EXPECT_EQ(MessageBox::ErrorText(QStringLiteral("abc")), QStringLiteral("abc."));
  EXPECT_EQ(MessageBox::ErrorText(QStringLiteral("x.ini に書き込めません")),
            QStringLiteral("x.ini に書き込めません."));
  EXPECT_EQ(MessageBox::ErrorText(QStringLiteral("done.")), QStringLiteral("done."));
  EXPECT_EQ(MessageBox::ErrorText(QStringLiteral("stop!")), QStringLiteral("stop!"));
  EXPECT_EQ(MessageBox::ErrorText(QStringLiteral("a-")), QStringLiteral("a-"));
  EXPECT_EQ(MessageBox::ErrorText(QString()), QString());
}

TEST_F(MessageBoxTest, BoxesAreRecordedWithTheirTitlesAndAnswersComeFromTheQueue) {
  MessageBox::setNextAnswer(MsgAnswer::No);
  MessageBox::setNextAnswer(MsgAnswer::Yes);
  MessageBox::Warning(nullptr, QStringLiteral("パーティクルがありません"));  // takes no answer
  EXPECT_FALSE(MessageBox::Confirm(nullptr, QStringLiteral("q1")));
  EXPECT_TRUE(MessageBox::Confirm(nullptr, QStringLiteral("q2")));
  EXPECT_TRUE(MessageBox::Confirm(nullptr, QStringLiteral("q3")));  // empty queue: Yes
  MessageBox::ShowError(nullptr, QStringLiteral("failed"));
  MessageBox::Beep();

  const auto& shown = MessageBox::Shown();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].title, QStringLiteral("警告"));
  EXPECT_EQ(shown[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(shown[1].title, QStringLiteral("確認"));
  EXPECT_EQ(shown[1].buttons, MsgButtons::YesNo);
  EXPECT_EQ(shown[4].kind, MsgKind::Error);
  EXPECT_EQ(shown[4].title, QStringLiteral("Kirabel"));
  EXPECT_EQ(shown[4].text, QStringLiteral("failed."));
  EXPECT_EQ(MessageBox::BeepCount(), 1);
}

}  // namespace
}  // namespace kirabel
