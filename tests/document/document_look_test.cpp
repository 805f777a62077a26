#include <gtest/gtest.h>

#include <QSignalSpy>

#include "document/document.h"

namespace kirabel {
namespace {

Look FilmLook() {
  Look look;
  look.light = Look::Light::kFilm;
  look.exposure = 1.5;
  look.skyBottom = {0, 0, 64};
  return look;
}

TEST(DocumentLookTest, ALookChangeIsOneStepOfTheHistory) {
  Document document;
  QSignalSpy changes(&document, &Document::lookChanged);
  document.changeLook(FilmLook(), QStringLiteral("look"));
  EXPECT_TRUE(document.look() == FilmLook());
  EXPECT_TRUE(document.modified());
  EXPECT_EQ(document.history().count(), 1);
  EXPECT_EQ(changes.count(), 1);

  document.changeLook(FilmLook(), QStringLiteral("look"));
  EXPECT_EQ(document.history().count(), 1) << "the same look makes no step";

  document.history().undo();
  EXPECT_TRUE(document.look() == Look());
  EXPECT_FALSE(document.modified());
  document.history().redo();
  EXPECT_TRUE(document.look() == FilmLook());
  EXPECT_EQ(changes.count(), 3);
}

TEST(DocumentLookTest, OpeningAFileBringsItsLookAndANewListKeepsIt) {
  Document document;
  document.apply(ReplaceListCommand({}, std::nullopt, "/a.pcl", std::nullopt, FilmLook()));
  EXPECT_TRUE(document.look() == FilmLook());
  document.apply(ReplaceListCommand({}, std::nullopt, std::string()));
  EXPECT_TRUE(document.look() == FilmLook());
  document.history().undo();
  document.history().undo();
  EXPECT_TRUE(document.look() == Look());
}

}  // namespace
}  // namespace kirabel
