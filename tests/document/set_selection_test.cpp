// The selected place of the list: it keeps its number across a change of the
// rows (the last place when the list got shorter, the first after a new
// list), says when it may show another set, and the history puts it back.
#include "document/set_selection.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>

#include "document/document.h"
#include "support/particle_sets.h"

namespace kirabel {
namespace {

ParticleList ThreeSets() {
  return {testing::NamedSet("a"), testing::NamedSet("b"), testing::NamedSet("c")};
}

class SetSelectionTest : public ::testing::Test {
 protected:
  SetSelectionTest() {
    document_.apply(ReplaceListCommand(ThreeSets(), std::nullopt, std::string()));
  }

  Document document_;
  SetSelection selection_{document_};
};

TEST_F(SetSelectionTest, TheNumberStaysAcrossRowChangesWithinTheList) {
  const struct {
    const char* change;
    std::size_t before;
    std::function<std::unique_ptr<ListCommand>()> command;
    std::size_t after;
  } cases[] = {
      {"append on the new-set place", 3, [] { return AppendSetCommand(testing::NamedSet("d")); },
       3},
      {"remove the last set while on it", 2, [] { return RemoveSetCommand(2); }, 2},
      {"remove a set before it", 2, [] { return RemoveSetCommand(0); }, 2},
      {"remove on the new-set place", 3, [] { return CutSetCommand(1); }, 2},
      {"paste before it", 1, [] { return PasteSetCommand(1, testing::NamedSet("p")); }, 1},
      {"move a set past it", 0, [] { return MoveSetCommand(0, 2); }, 0},
      {"merge a file", 1,
       [] { return MergeListCommand({testing::NamedSet("m")}, LaunchSettings(), "/m.pcl"); }, 1},
      {"a new list", 2, [] { return ReplaceListCommand({}, std::nullopt, std::string()); }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    document_.apply(ReplaceListCommand(ThreeSets(), std::nullopt, std::string()));
    selection_.select(c.before);
    QSignalSpy changed(&selection_, &SetSelection::changed);
    document_.apply(c.command());
    EXPECT_EQ(selection_.index(), c.after);
    EXPECT_EQ(changed.count(), 1);  // the place may show another set now
  }
}

TEST_F(SetSelectionTest, TheNewSetPlaceHasNoSetAndSelectingBeyondItStaysThere) {
  EXPECT_EQ(selection_.set(), 0u);
  QSignalSpy changed(&selection_, &SetSelection::changed);
  selection_.select(7);
  EXPECT_EQ(selection_.index(), 3u);
  EXPECT_EQ(selection_.set(), std::nullopt);
  selection_.select(3);
  EXPECT_EQ(changed.count(), 1);  // only a move is told
  // Changing a set's values keeps its rows: nothing to tell.
  document_.apply(ReplaceSetCommand(0, testing::NamedSet("x")));
  EXPECT_EQ(changed.count(), 1);
}

TEST_F(SetSelectionTest, UndoAndRedoPutThePlaceBack) {
  selection_.select(1);
  document_.apply(RemoveSetCommand(1));
  selection_.select(0);
  document_.history().undo();
  EXPECT_EQ(selection_.index(), 1u);  // where it was when the set went
  selection_.select(3);
  document_.history().redo();
  EXPECT_EQ(selection_.index(), 1u);  // where it was after the removal
}

// Views move their own current row while the rows change; the selection
// takes no choice from them until the change is over.
TEST_F(SetSelectionTest, ChoicesWhileTheRowsChangeAreIgnored) {
  selection_.select(2);
  QObject::connect(&document_, &Document::setsRemoved, &selection_,
                   [this] { selection_.select(0); });
  document_.apply(RemoveSetCommand(0));
  EXPECT_EQ(selection_.index(), 2u);
}

}  // namespace
}  // namespace kirabel
