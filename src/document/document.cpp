#include "document/document.h"

#include <vector>

namespace kirabel {

// One step of the history: the list commands applied in it (more than one
// once later steps of the same run merged into it), with the selected place
// before and after them, so that undo and redo put the selection back too.
class HistoryStep : public QUndoCommand {
 public:
  HistoryStep(Document& document, std::unique_ptr<ListCommand> command, const QString& text,
              int mergeKey)
      : QUndoCommand(text), document_(document), mergeKey_(mergeKey) {
    commands_.push_back(std::move(command));
  }

  void redo() override {
    const int before = document_.selectedPlace_ ? document_.selectedPlace_() : 0;
    for (const auto& command : commands_) document_.applyNow(*command);
    if (!applied_) {
      placeBefore_ = before;
      placeAfter_ = document_.selectedPlace_ ? document_.selectedPlace_() : 0;
      applied_ = true;
    } else if (document_.selectPlace_) {
      document_.selectPlace_(placeAfter_);
    }
  }
  void undo() override {
    for (auto command = commands_.rbegin(); command != commands_.rend(); ++command)
      document_.revertNow(**command);
    if (document_.selectPlace_) document_.selectPlace_(placeBefore_);
  }

  int id() const override { return mergeKey_; }
  // Only history steps carry a merge key, and the stack drops `other` once
  // merged, so its commands can be taken over.
  bool mergeWith(const QUndoCommand* other) override {
    auto* later = const_cast<HistoryStep*>(static_cast<const HistoryStep*>(other));
    for (auto& command : later->commands_) commands_.push_back(std::move(command));
    later->commands_.clear();
    placeAfter_ = later->placeAfter_;
    return true;
  }

 private:
  Document& document_;
  std::vector<std::unique_ptr<ListCommand>> commands_;
  int mergeKey_;
  bool applied_ = false;
  int placeBefore_ = 0, placeAfter_ = 0;
};

Document::Document(QObject* parent) : QObject(parent) {
  connect(&history_, &QUndoStack::cleanChanged, this,
          [this](bool clean) { emit modifiedChanged(!clean); });
}

Document::~Document() = default;

void Document::apply(std::unique_ptr<ListCommand> command, const QString& step, int mergeKey) {
  history_.push(new HistoryStep(*this, std::move(command), step, mergeKey));
}

void Document::setSelectionAccess(std::function<int()> get, std::function<void(int)> set) {
  selectedPlace_ = std::move(get);
  selectPlace_ = std::move(set);
}

void Document::applyNow(ListCommand& command) {
  const RowChange change = command.RowsToApply(data_);
  announceBefore(change);
  command.Apply(data_);
  announceAfter(change, command);
}

void Document::revertNow(ListCommand& command) {
  const RowChange change = command.RowsToRevert(data_);
  announceBefore(change);
  command.Revert(data_);
  announceAfter(change, command);
}

void Document::announceBefore(const RowChange& change) {
  const int last = change.first + change.count - 1;
  switch (change.kind) {
    case RowChange::Kind::kInsert:
      if (change.count > 0) emit setsAboutToBeInserted(change.first, last);
      break;
    case RowChange::Kind::kRemove:
      if (change.count > 0) emit setsAboutToBeRemoved(change.first, last);
      break;
    case RowChange::Kind::kMove:
      emit setsAboutToBeMoved(change.first, change.count);
      break;
    case RowChange::Kind::kReset:
      emit setsAboutToBeReset();
      break;
    case RowChange::Kind::kUpdate:
    case RowChange::Kind::kNone:
      break;
  }
}

void Document::announceAfter(const RowChange& change, const ListCommand& command) {
  const int last = change.first + change.count - 1;
  switch (change.kind) {
    case RowChange::Kind::kInsert:
      if (change.count > 0) emit setsInserted(change.first, last);
      break;
    case RowChange::Kind::kRemove:
      if (change.count > 0) emit setsRemoved(change.first, last);
      break;
    case RowChange::Kind::kMove:
      emit setsMoved(change.first, change.count);
      break;
    case RowChange::Kind::kReset:
      emit setsReset();
      break;
    case RowChange::Kind::kUpdate:
    case RowChange::Kind::kNone:
      break;
  }
  if (change.kind != RowChange::Kind::kNone) emit setsChanged();
  if (command.ChangesLaunchSettings()) emit launchSettingsChanged();
  if (command.ChangesShow()) emit showSettingsChanged();
  if (command.ChangesLook()) emit lookChanged();
  if (command.ReplacesFile()) emit fileNameChanged();
}

bool Document::copySet(int index) {
  return index >= 0 && CopySet(data_.sets, data_.clipboard, static_cast<std::size_t>(index));
}

void Document::changeLaunchSettings(const LaunchSettings& settings, const QString& step) {
  if (settings != data_.settings) apply(ChangeLaunchSettingsCommand(settings), step);
}

void Document::changeShowSettings(const ShowSettings& show, const QString& step) {
  if (show != data_.show) apply(ChangeShowCommand(show), step);
}

void Document::changeLook(const Look& look, const QString& step) {
  if (look != data_.look) apply(ChangeLookCommand(look), step);
}

void Document::setFileName(const std::string& fileName) {
  data_.fileName = fileName;
  emit fileNameChanged();
}

void Document::setOptions(const Options& options) {
  options_ = options;
  emit optionsChanged();
}

}  // namespace kirabel
