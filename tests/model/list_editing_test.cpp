#include "model/list_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/particle_sets.h"

namespace kirabel {
namespace {

std::vector<int32_t> Children(const ParticleList& list) {
  std::vector<int32_t> children;
  for (const ParticleSet& set : list) children.push_back(set.child);
  return children;
}

std::vector<std::string> Names(const ParticleList& list) {
  std::vector<std::string> names;
  for (const ParticleSet& set : list) names.push_back(set.name);
  return names;
}

// Records the questions asked and answers them with a fixed answer.
struct Confirmer {
  bool answer = true;
  std::vector<std::string> asked;
  ConfirmDeleteFn fn() {
    return [this](const std::string& name) {
      asked.push_back(name);
      return answer;
    };
  }
};

TEST(ListEditingTest, DeleteRenumbersChildLinksAndAsksOnlyForAChildOfAnother) {
  ParticleClipboard clip;
  Confirmer confirm;

  // A -> C; deleting B keeps A pointing at C without a question.
  ParticleList list{testing::NamedSet("A", 2), testing::NamedSet("B"), testing::NamedSet("C")};
  EXPECT_TRUE(DeleteSet(list, clip, 1, confirm.fn()));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(Children(list), (std::vector<int32_t>{1, -1}));
  EXPECT_TRUE(confirm.asked.empty());

  // Deleting C asks once with C's name; Yes cuts A's link.
  EXPECT_TRUE(DeleteSet(list, clip, 1, confirm.fn()));
  EXPECT_EQ(confirm.asked, (std::vector<std::string>{"C"}));
  EXPECT_EQ(Children(list), (std::vector<int32_t>{-1}));

  // A set that is its own child goes without a question.
  ParticleList self{testing::NamedSet("S", 0)};
  confirm.asked.clear();
  EXPECT_TRUE(DeleteSet(self, clip, 0, confirm.fn()));
  EXPECT_TRUE(self.empty());
  EXPECT_TRUE(confirm.asked.empty());

  // Out of range deletes nothing.
  ParticleList one{testing::NamedSet("X")};
  EXPECT_FALSE(DeleteSet(one, clip, 1, confirm.fn()));
  EXPECT_EQ(one.size(), 1u);
}

TEST(ListEditingTest, DeleteOfASharedChildAsksOnceAndNoChangesNothing) {
  ParticleClipboard clip;
  clip.set = testing::NamedSet("copy", 2);
  clip.empty = false;
  Confirmer confirm;
  confirm.answer = false;

  ParticleList list{testing::NamedSet("A", 2), testing::NamedSet("B", 2),
                    testing::NamedSet("C", 1)};
  EXPECT_FALSE(DeleteSet(list, clip, 2, confirm.fn()));
  EXPECT_EQ(confirm.asked.size(), 1u);
  EXPECT_EQ(Children(list), (std::vector<int32_t>{2, 2, 1}));
  EXPECT_FALSE(clip.empty);
  EXPECT_EQ(clip.set.child, 2);

  confirm.answer = true;
  EXPECT_TRUE(DeleteSet(list, clip, 2, confirm.fn()));
  EXPECT_EQ(Children(list), (std::vector<int32_t>{-1, -1}));
  // The clipboard's child was deleted: it empties.
  EXPECT_TRUE(clip.empty);
}

TEST(ListEditingTest, ClipboardChildFollowsDeletionsEvenWhenEmpty) {
  ParticleClipboard clip;
  Confirmer confirm;
  ParticleList list{testing::NamedSet("A", 2), testing::NamedSet("B"), testing::NamedSet("C")};

  ASSERT_TRUE(CopySet(list, clip, 0));
  EXPECT_FALSE(clip.empty);
  EXPECT_TRUE(DeleteSet(list, clip, 1, confirm.fn()));
  EXPECT_EQ(clip.set.child, 1);
  // Pasting now yields a set whose child is C again.
  ASSERT_EQ(PasteSet(list, clip, list.size()), PasteResult::kPasted);
  EXPECT_EQ(list[2].name, "A'");
  EXPECT_EQ(list[2].child, 1);
  EXPECT_EQ(list[1].name, "C");

  // An empty clipboard still has its link renumbered.
  ParticleClipboard idle;
  idle.set.child = 2;
  ParticleList abc{testing::NamedSet("A"), testing::NamedSet("B"), testing::NamedSet("C")};
  EXPECT_TRUE(DeleteSet(abc, idle, 0, confirm.fn()));
  EXPECT_EQ(idle.set.child, 1);
  EXPECT_TRUE(idle.empty);
}

TEST(ListEditingTest, CopyAndCutNeedASetAndCutRefillsTheClipboard) {
  ParticleClipboard clip;
  Confirmer confirm;
  ParticleList list{testing::NamedSet("A", 1), testing::NamedSet("B")};

  EXPECT_FALSE(CopySet(list, clip, 2));
  EXPECT_FALSE(CutSet(list, clip, 2, confirm.fn()));
  EXPECT_TRUE(clip.empty);

  // Cut of a set named as child, declined: the set stays, the copy is held,
  // and pasting it gives an apostrophe name.
  confirm.answer = false;
  EXPECT_TRUE(CutSet(list, clip, 1, confirm.fn()));
  EXPECT_EQ(list.size(), 2u);
  EXPECT_FALSE(clip.empty);
  EXPECT_EQ(clip.set.name, "B");
  ASSERT_EQ(PasteSet(list, clip, list.size()), PasteResult::kPasted);
  EXPECT_EQ(list.back().name, "B'");

  // Cut of a set that is its own clipboard child: the deletion empties the
  // clipboard, the cut fills it again.
  ParticleList self{testing::NamedSet("S", 0), testing::NamedSet("T")};
  ParticleClipboard c2;
  EXPECT_TRUE(CutSet(self, c2, 0, confirm.fn()));
  EXPECT_EQ(Names(self), (std::vector<std::string>{"T"}));
  EXPECT_FALSE(c2.empty);
  EXPECT_EQ(c2.set.name, "S");
  EXPECT_EQ(c2.set.child, 0);
}

TEST(ListEditingTest, PasteInsertsBeforeThePositionAndShiftsEveryLink) {
  ParticleClipboard clip;
  ParticleList none;
  EXPECT_EQ(PasteSet(none, clip, 0), PasteResult::kClipboardEmpty);
  EXPECT_TRUE(none.empty());

  ParticleList list{testing::NamedSet("A", 2), testing::NamedSet("B", 0),
                    testing::NamedSet("C", -1)};
  ASSERT_TRUE(CopySet(list, clip, 0));
  ASSERT_EQ(PasteSet(list, clip, 0), PasteResult::kPasted);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A'", "A", "B", "C"}));
  // Every link >= 0 moves by one, the pasted set's own included.
  EXPECT_EQ(Children(list), (std::vector<int32_t>{3, 3, 1, -1}));
  EXPECT_EQ(clip.set.child, 3);
  EXPECT_FALSE(clip.empty);

  // Past the end appends.
  ASSERT_EQ(PasteSet(list, clip, 99), PasteResult::kPasted);
  EXPECT_EQ(list.back().name, "A''");
  EXPECT_EQ(list.back().child, 3);
  EXPECT_EQ(list.back().count, 7);
}

// A child link copied from another list that names no set of this one is cut
// on paste, and stays cut however the list grows: A's child E (4) is pasted
// into a list of one set, then four sets are added.
TEST(ListEditingTest, APastedLinkThatNamesNoSetIsCutForGood) {
  ParticleList list{testing::NamedSet("A", 4), testing::NamedSet("B"), testing::NamedSet("C"),
                    testing::NamedSet("D"), testing::NamedSet("E")};
  ParticleClipboard clip;
  ASSERT_TRUE(CopySet(list, clip, 0));
  ParticleList fresh{testing::NamedSet("X")};
  ASSERT_EQ(PasteSet(fresh, clip, 0), PasteResult::kPasted);
  EXPECT_EQ(Children(fresh), (std::vector<int32_t>{-1, -1}));
  EXPECT_EQ(clip.set.child, -1);
  for (const char* name : {"F", "G", "H", "I"}) fresh.push_back(testing::NamedSet(name));
  ASSERT_EQ(PasteSet(fresh, clip, 6), PasteResult::kPasted);
  EXPECT_EQ(Children(fresh), (std::vector<int32_t>(7, -1)));
  // A link that names a set of the new list counts there.
  ASSERT_TRUE(CopySet(list, clip, 0));
  ASSERT_EQ(PasteSet(fresh, clip, 0), PasteResult::kPasted);
  EXPECT_EQ(fresh[0].child, 5);
}

TEST(ListEditingTest, UniqueNamesUseApostrophesWithinFortyBytes) {
  ParticleList list{testing::NamedSet("X"), testing::NamedSet("X'"), testing::NamedSet("Y")};
  EXPECT_EQ(UniqueSetName(list, "X"), std::optional<std::string>("X''"));
  EXPECT_EQ(UniqueSetName(list, "Z"), std::optional<std::string>("Z"));
  EXPECT_EQ(UniqueSetName(list, "X'"), std::optional<std::string>("X''"));

  const std::string forty(40, 'a');
  const std::string thirtyNine(39, 'b');
  ParticleList full{testing::NamedSet(forty), testing::NamedSet(thirtyNine)};
  EXPECT_EQ(UniqueSetName(full, forty), std::nullopt);
  EXPECT_EQ(UniqueSetName(full, thirtyNine), std::optional<std::string>(thirtyNine + "'"));

  // Twenty double-byte characters fill the limit in file bytes.
  const std::string kanji = [] {
    std::string s;
    for (int i = 0; i < 20; ++i) s += "火";
    return s;
  }();
  ParticleList wide{testing::NamedSet(kanji)};
  EXPECT_EQ(UniqueSetName(wide, kanji), std::nullopt);

  // Paste: a 39-byte name pastes once, the second paste is refused unchanged.
  ParticleClipboard clip;
  ASSERT_TRUE(CopySet(full, clip, 1));
  ASSERT_EQ(PasteSet(full, clip, full.size()), PasteResult::kPasted);
  EXPECT_EQ(full.back().name, thirtyNine + "'");
  EXPECT_EQ(PasteSet(full, clip, full.size()), PasteResult::kNamesExhausted);
  EXPECT_EQ(full.size(), 3u);
}

}  // namespace
}  // namespace kirabel
