// Random sequences of list changes, undo and redo, checked after every step
// against a plain model (the list after each step of the history): undo and
// redo land on exactly the lists the model holds, every child link names a
// set or is -1, and the grid shows the list. A fixed seed; set
// KIRABEL_HISTORY_SEQUENCES to run more sequences.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "document/document.h"
#include "document/particle_grid_model.h"
#include "model/list_editing.h"
#include "support/particle_sets.h"

namespace kirabel {
namespace {

class Sequence {
 public:
  explicit Sequence(unsigned seed) : random_(seed) {}

  void Run(int steps) {
    for (int i = 0; i < steps; ++i) {
      Act();
      Check();
    }
    while (document_.history().canUndo()) document_.history().undo();
    ASSERT_EQ(document_.sets(), history_.front());
    while (document_.history().canRedo()) document_.history().redo();
    ASSERT_EQ(document_.sets(), history_.back());
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  int Size() const { return static_cast<int>(document_.sets().size()); }
  int32_t SomeChild() { return Size() > 0 && Pick(3) > 0 ? Pick(Size() + 1) - 1 : -1; }

  // A change made: the model's later lists are gone, the new one follows.
  void Record() {
    history_.resize(static_cast<std::size_t>(at_) + 1);
    history_.push_back(document_.sets());
    ++at_;
  }

  void Act() {
    const int size = Size();
    switch (Pick(8)) {
      case 0:
        document_.apply(
            AppendSetCommand(testing::NamedSet("s" + std::to_string(names_++), SomeChild())));
        return Record();
      case 1:
        if (size == 0) return;
        document_.apply(ReplaceSetCommand(
            Pick(size), testing::NamedSet("r" + std::to_string(names_++), SomeChild())));
        return Record();
      case 2:
        if (size == 0) return;
        document_.apply(Pick(2) ? RemoveSetCommand(Pick(size)) : CutSetCommand(Pick(size)));
        return Record();
      case 3:
        if (size > 0) document_.copySet(Pick(size));
        return;
      case 4: {
        ParticleSet pasted;
        if (PreparePaste(document_.sets(), document_.clipboard(), pasted) != PasteResult::kPasted)
          return;
        document_.apply(PasteSetCommand(Pick(size + 1), pasted));
        return Record();
      }
      case 5: {
        ParticleList file{testing::NamedSet("m", 1), testing::NamedSet("n", Pick(3) - 1)};
        document_.apply(MergeListCommand(file, {}, "/merged.pcl"));
        return Record();
      }
      case 6:
        if (!document_.history().canUndo()) return;
        document_.history().undo();
        --at_;
        return;
      default:
        if (!document_.history().canRedo()) return;
        document_.history().redo();
        ++at_;
        return;
    }
  }

  void Check() {
    const ParticleList& sets = document_.sets();
    ASSERT_EQ(sets, history_[static_cast<std::size_t>(at_)]);
    for (const ParticleSet& set : sets) ASSERT_TRUE(set.child >= -1 && set.child < Size());
    ASSERT_EQ(grid_.rowCount(), Size() + 1);
    for (int row = 0; row < Size(); ++row) {
      for (int column : {0, 5}) {
        ASSERT_EQ(grid_.data(grid_.index(row, column), Qt::DisplayRole).toString(),
                  GridCellText(sets, row, column));
      }
    }
  }

  std::mt19937 random_;
  Document document_;
  ParticleGridModel grid_{document_};
  std::vector<ParticleList> history_{ParticleList()};
  int at_ = 0;
  int names_ = 0;
};

TEST(HistorySequenceTest, RandomChangesUndoAndRedoFollowThePlainModel) {
  const char* more = std::getenv("KIRABEL_HISTORY_SEQUENCES");
  const int sequences = more ? std::atoi(more) : 2000;
  for (int seed = 1; seed <= sequences; ++seed) {
    SCOPED_TRACE(seed);
    Sequence(static_cast<unsigned>(seed)).Run(40);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace kirabel
