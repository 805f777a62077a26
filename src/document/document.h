#pragma once
// The document of the desktop program: the one owner of the particle list,
// the one-set clipboard, the launch settings, the show, the look, the current
// file name and the options. Every change to the list is a command object that the document
// applies and announces; views (the grid, the child chooser, the caption)
// follow the signals and keep nothing of their own.
#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <string>

#include "model/document_data.h"
#include "model/list_commands.h"
#include "model/options.h"

namespace kirabel {

class Document : public QObject {
  Q_OBJECT
 public:
  explicit Document(QObject* parent = nullptr);
  ~Document() override;

  const ParticleList& sets() const { return data_.sets; }
  const ParticleClipboard& clipboard() const { return data_.clipboard; }
  const LaunchSettings& launchSettings() const { return data_.settings; }
  // The video rate, the soundtrack and the beat grid of the list.
  const ShowSettings& showSettings() const { return data_.show; }
  // How the light of the list's trails becomes pictures.
  const Look& look() const { return data_.look; }
  const std::string& fileName() const { return data_.fileName; }
  const Options& options() const { return options_; }
  const DocumentData& data() const { return data_; }

  // Applies a change to the list and announces it, as one step of the undo
  // history named `step` ("削除", ...). A step with a merge key (not -1) joins
  // the history's last step when that has the same key and the list was not
  // saved since: a run of small moves undone at once.
  void apply(std::unique_ptr<ListCommand> command, const QString& step = QString(),
             int mergeKey = -1);
  // The history of list changes (undo, redo, and whether the list changed
  // since it was loaded or saved).
  QUndoStack& history() { return history_; }
  bool modified() const { return !history_.isClean(); }
  // The list now matches its file (or is a new one): nothing to lose.
  void markSaved() { history_.setClean(); }
  // How undo and redo find and restore the selected place of the list
  // (SetSelection gives them; empty functions take them back).
  void setSelectionAccess(std::function<int()> get, std::function<void(int)> set);

  // Copies set `index` into the clipboard; false when there is no such set.
  bool copySet(int index);
  // New launch settings as one step of the history named `step`; settings
  // equal to the document's make no step.
  void changeLaunchSettings(const LaunchSettings& settings, const QString& step);
  // New show settings as one step of the history named `step`; settings
  // equal to the document's make no step.
  void changeShowSettings(const ShowSettings& show, const QString& step);
  // A new look as one step of the history named `step`; a look equal to the
  // document's makes no step.
  void changeLook(const Look& look, const QString& step = QString());
  void setFileName(const std::string& fileName);
  void setOptions(const Options& options);

 signals:
  // Around a change of the list's rows (first .. last inclusive).
  void setsAboutToBeInserted(int first, int last);
  void setsInserted(int first, int last);
  void setsAboutToBeRemoved(int first, int last);
  void setsRemoved(int first, int last);
  void setsAboutToBeMoved(int from, int to);
  void setsMoved(int from, int to);
  void setsAboutToBeReset();
  void setsReset();
  // After every change of the list: any set may read differently now (a
  // renamed set changes the child column of the sets that name it).
  void setsChanged();
  void launchSettingsChanged();
  // The rate, the soundtrack or the beat grid changed (or a file replaced them).
  void showSettingsChanged();
  // The look changed (or a file replaced it).
  void lookChanged();
  void fileNameChanged();
  void optionsChanged();
  void modifiedChanged(bool modified);

 private:
  friend class HistoryStep;
  void applyNow(ListCommand& command);
  void revertNow(ListCommand& command);
  void announceBefore(const RowChange& change);
  void announceAfter(const RowChange& change, const ListCommand& command);

  DocumentData data_;
  Options options_;
  QUndoStack history_;
  std::function<int()> selectedPlace_;
  std::function<void(int)> selectPlace_;
};

}  // namespace kirabel
