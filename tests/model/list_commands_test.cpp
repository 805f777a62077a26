// Every list command applies its change with the child links renumbered, says
// beforehand which rows it changes, and reverts to exactly what was there.
#include "model/list_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/particle_sets.h"

namespace kirabel {
namespace {

// A: child C, B: child A, C: none, D: child D; the clipboard holds X with child B.
DocumentData Sample() {
  DocumentData data;
  data.sets = {testing::NamedSet("A", 2), testing::NamedSet("B", 0), testing::NamedSet("C"),
               testing::NamedSet("D", 3)};
  data.clipboard.set = testing::NamedSet("X", 1);
  data.clipboard.empty = false;
  data.settings.gravity = 1;
  data.fileName = "/old.pcl";
  return data;
}

// "name>child name" for every set, then the clipboard's.
std::string Links(const DocumentData& data) {
  std::string text;
  const auto named = [&](int32_t child) {
    return child >= 0 && child < static_cast<int32_t>(data.sets.size())
               ? data.sets[static_cast<std::size_t>(child)].name
               : std::string(child < 0 ? "-" : "?");
  };
  for (const ParticleSet& set : data.sets) text += set.name + ">" + named(set.child) + " ";
  return text + "| " + (data.clipboard.empty ? "empty" : named(data.clipboard.set.child));
}

bool Same(const DocumentData& a, const DocumentData& b) {
  return a.sets == b.sets && a.clipboard.set == b.clipboard.set &&
         a.clipboard.empty == b.clipboard.empty && a.fileName == b.fileName &&
         a.settings.gravity == b.settings.gravity;
}

ParticleSet Pasted(const DocumentData& data) {
  ParticleSet pasted;
  EXPECT_EQ(PreparePaste(data.sets, data.clipboard, pasted), PasteResult::kPasted);
  return pasted;
}

TEST(ListCommandsTest, ApplyRenumbersAndRevertRestores) {
  using Kind = RowChange::Kind;
  const DocumentData sample = Sample();
  const struct {
    const char* what;
    std::function<std::unique_ptr<ListCommand>()> make;
    RowChange rows;
    const char* links;
  } cases[] = {
      {"append",
       [] { return AppendSetCommand(testing::NamedSet("E", 1)); },
       {Kind::kInsert, 4, 1},
       "A>C B>A C>- D>D E>B | B"},
      {"replace",
       [] { return ReplaceSetCommand(1, testing::NamedSet("b", 3)); },
       {Kind::kUpdate, 1, 1},
       "A>C b>D C>- D>D | b"},
      {"remove the child of A",
       [] { return RemoveSetCommand(2); },
       {Kind::kRemove, 2, 1},
       "A>- B>A D>D | B"},
      {"remove the clipboard's child",
       [] { return RemoveSetCommand(1); },
       {Kind::kRemove, 1, 1},
       "A>C C>- D>D | empty"},
      {"cut B", [] { return CutSetCommand(1); }, {Kind::kRemove, 1, 1}, "A>C C>- D>D | A"},
      {"paste at the top",
       [&] { return PasteSetCommand(0, Pasted(sample)); },
       {Kind::kInsert, 0, 1},
       "X>B A>C B>A C>- D>D | B"},
      {"paste past the end",
       [&] { return PasteSetCommand(99, Pasted(sample)); },
       {Kind::kInsert, 4, 1},
       "A>C B>A C>- D>D X>B | B"},
      {"move A to the end",
       [] { return MoveSetCommand(0, 3); },
       {Kind::kMove, 0, 3},
       "B>A C>- D>D A>C | B"},
      {"move D to the top",
       [] { return MoveSetCommand(3, 0); },
       {Kind::kMove, 3, 0},
       "D>D A>C B>A C>- | B"},
      {"open",
       [] { return ReplaceListCommand({testing::NamedSet("P", 0)}, LaunchSettings(), "/new.pcl"); },
       {Kind::kReset, 0, 0},
       "P>P | ?"},
      {"append sets",
       [] {
         return AppendSetsCommand({testing::NamedSet("P", 1), testing::NamedSet("Q", 0)});
       },
       {Kind::kInsert, 4, 2},
       "A>C B>A C>- D>D P>Q Q>P | B"},
      {"append sets with launch settings",
       [] { return AppendSetsCommand({testing::NamedSet("P")}, LaunchSettings()); },
       {Kind::kInsert, 4, 1},
       "A>C B>A C>- D>D P>- | B"},
      {"merge",
       [] {
         return MergeListCommand({testing::NamedSet("P", 1), testing::NamedSet("Q")}, {},
                                 "/new.pcl");
       },
       {Kind::kInsert, 4, 2},
       "A>C B>A C>- D>D P>Q Q>- | B"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DocumentData data = Sample();
    std::unique_ptr<ListCommand> command = c.make();
    const RowChange rows = command->RowsToApply(data);
    EXPECT_EQ(rows.kind, c.rows.kind);
    EXPECT_EQ(rows.first, c.rows.first);
    EXPECT_EQ(rows.count, c.rows.count);
    command->Apply(data);
    EXPECT_EQ(Links(data), c.links);
    EXPECT_EQ(data.fileName, command->ReplacesFile() ? "/new.pcl" : "/old.pcl");
    command->Revert(data);
    EXPECT_TRUE(Same(data, sample)) << Links(data);
    command->Apply(data);  // again, as a redo would
    EXPECT_EQ(Links(data), c.links);
  }
}

TEST(ListCommandsTest, AppendedSetsBringLaunchSettingsOnlyWhenGiven) {
  for (const bool given : {false, true}) {
    DocumentData data = Sample();
    const auto command = AppendSetsCommand({testing::NamedSet("P")},
                                           given ? std::optional(LaunchSettings()) : std::nullopt);
    EXPECT_EQ(command->ChangesLaunchSettings(), given);
    command->Apply(data);
    EXPECT_EQ(data.settings.gravity, given ? 0.5L : 1);
  }
}

TEST(ListCommandsTest, ANewListKeepsTheLaunchSettings) {
  DocumentData data = Sample();
  ReplaceListCommand({}, std::nullopt, "")->Apply(data);
  EXPECT_TRUE(data.sets.empty());
  EXPECT_EQ(data.settings.gravity, 1);
  EXPECT_EQ(data.fileName, "");
  EXPECT_FALSE(data.clipboard.empty);  // the clipboard survives
}

}  // namespace
}  // namespace kirabel
