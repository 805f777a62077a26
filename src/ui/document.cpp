#include "ui/document.h"

namespace kirabel {

Document::Document(QObject* parent) : QObject(parent) {}

Document::~Document() = default;

void Document::apply(std::unique_ptr<ListCommand> command) {
  const RowChange change = command->RowsToApply(data_);
  announceBefore(change);
  command->Apply(data_);
  announceAfter(change, command->ReplacesFile());
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
      break;
  }
}

void Document::announceAfter(const RowChange& change, bool replacesFile) {
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
      break;
  }
  emit setsChanged();
  if (replacesFile) {
    emit launchSettingsChanged();
    emit fileNameChanged();
  }
}

bool Document::copySet(int index) {
  return index >= 0 && CopySet(data_.sets, data_.clipboard, static_cast<std::size_t>(index));
}

void Document::setLaunchSettings(const LaunchSettings& settings) {
  data_.settings = settings;
  emit launchSettingsChanged();
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
