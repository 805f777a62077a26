// The shell library of the main window: the window, made with the main window
// and opened by "花火玉ライブラリ(&B)..." (Ctrl+B); inserting a shell chosen
// there or dropped onto the viewer; and saving the selected set with what it
// launches as a shell of the user's own.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>

#include "document/shell_thumbnails.h"
#include "model/list_commands.h"
#include "model/shell_file.h"
#include "model/shell_insertion.h"
#include "texts/error_texts.h"
#include "ui/library/shell_drop_target.h"
#include "ui/library/shell_folders.h"
#include "ui/library/shell_library_model.h"
#include "ui/library/shell_library_window.h"
#include "ui/main_window/main_window.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"
#include "ui/widgets/space_viewer.h"
#include "ui/widgets/status_message.h"

namespace kirabel {

void MainWindow::createShellLibrary() {
  shellLibrary_ = std::make_unique<ShellLibraryWindow>();
  shellLibrary_->setFont(font());
  shellLibrary_->addActions({actionUndo_, actionRedo_, actionShellLibrary_, actionHelp_});
  // Thumbnails are drawn and cached in the background as the library asks.
  shellThumbnails_ = std::make_unique<ShellThumbnails>();
  ShellLibraryModel& model = shellLibrary_->model();
  connect(&model, &ShellLibraryModel::thumbnailWanted, shellThumbnails_.get(),
          &ShellThumbnails::request);
  connect(shellThumbnails_.get(), &ShellThumbnails::thumbnailReady, &model,
          &ShellLibraryModel::showThumbnail);
  connect(shellThumbnails_.get(), &ShellThumbnails::thumbnailFailed, &model,
          &ShellLibraryModel::showThumbnailFailure);
  connect(shellLibrary_.get(), &ShellLibraryWindow::insertRequested, this,
          [this](const QString& path) { insertShell(path); });
  if (viewer_) {
    auto* target = new ShellDropTarget(*viewer_->pictureView);
    connect(target, &ShellDropTarget::shellDropped, this,
            [this](const QString& path, const QPointF& point) { insertShell(path, point); });
  }
  connect(&selection_, &SetSelection::changed, this, &MainWindow::showSelectionActions);
  connect(&document_, &Document::setsChanged, this, &MainWindow::showSelectionActions);
  showSelectionActions();
}

void MainWindow::showShellLibrary() {
  shellLibrary_->open(ShellFolders());
}

void MainWindow::showSelectionActions() {
  actionSaveShell_->setEnabled(selection_.set().has_value());
}

void MainWindow::insertShell(const QString& path, std::optional<QPointF> spacePoint) {
  Shell shell;
  try {
    shell = ReadShellFile(path.toStdString());
  } catch (const std::exception& error) {
    MessageBox::warning(this, ShellProblemText(error));
    return;
  }
  const Options& options = document_.options();
  ShellPlace place;
  place.column = spacePoint ? spacePoint->x() : options.resolutionWidth / 2.0L;
  place.spaceHeight = options.resolutionHeight;
  if (options.preview && preview_) place.birthTime = preview_->bar().time();
  const QString name = QString::fromStdString(shell.name);
  ShellInsertion insertion = FitShellIntoList(std::move(shell), !document_.sets().empty(),
                                              document_.launchSettings(), place);
  const std::size_t risingSet = document_.sets().size() + FirstRisingSet(insertion.sets);
  std::optional<LaunchSettings> settings;
  if (insertion.settings != document_.launchSettings()) settings = insertion.settings;
  document_.apply(AppendSetsCommand(std::move(insertion.sets), std::move(settings)),
                  tr("花火玉の挿入", "undo step"));
  selection_.select(risingSet);
  if (insertion.scaled)
    statusMessage_->showMessage(
        tr("花火玉「%1」の時間と速さを重力 %2 に合わせました")
            .arg(name, QString::number(static_cast<double>(insertion.settings.gravity), 'g', 9)));
}

namespace {

// Wide enough for a long name and the dialog's title. The dialog's layout
// sizes it to its field, so the field is given the width.
constexpr int kShellNameFieldWidth = 340;

}  // namespace

// Asks again, with what was typed, until the name is one a shell can have or
// the user cancels.
std::optional<QString> MainWindow::askShellName(const QString& proposal) {
  QString typed = proposal;
  for (;;) {
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("shellNameDialog"));
    dialog.setWindowTitle(tr("選択を花火玉として保存"));
    dialog.setLabelText(tr("花火玉の名前:"));
    dialog.setTextValue(typed);
    dialog.setOkButtonText(tr("OK"));
    dialog.setCancelButtonText(tr("ｷｬﾝｾﾙ"));
    if (auto* field = dialog.findChild<QLineEdit*>()) field->setMinimumWidth(kShellNameFieldWidth);
    if (ModalRunner::exec(dialog) != QDialog::Accepted) return std::nullopt;
    typed = dialog.textValue();
    const QString name = typed.simplified();
    const QString problem = shellNameProblem(name);
    if (problem.isEmpty()) return name;
    MessageBox::warning(this, problem);
  }
}

// Why a shell cannot have the name; empty when it can.
QString MainWindow::shellNameProblem(const QString& name) const {
  if (name.isEmpty()) return tr("花火玉の名前を入力してください");
  if (name.toUcs4().size() > static_cast<qsizetype>(kMaxShellNameLength))
    return tr("花火玉の名前は %1 文字までです").arg(kMaxShellNameLength);
  return QString();
}

void MainWindow::saveSelectionAsShell() {
  const std::optional<std::size_t> set = selection_.set();
  if (!set) return;
  const std::optional<QString> name =
      askShellName(QString::fromStdString(document_.sets()[*set].name));
  if (!name) return;
  const QString folder = UserShellFolder();
  const QString path = QDir(folder).filePath(
      QString::fromStdString(ShellFileStem(name->toStdString())) + QStringLiteral(".pcl"));
  if (QFileInfo::exists(path) &&
      !MessageBox::confirm(this, tr("%1 はすでにあります。上書きしますか?").arg(path)))
    return;
  if (!writeShell(*set, path, *name)) return;
  if (shellLibrary_->isVisible()) shellLibrary_->reload(ShellFolders());
}

// Writes set `set` and what it launches; a failure is reported and leaves
// no file half-written.
bool MainWindow::writeShell(std::size_t set, const QString& path, const QString& name) {
  Shell shell = ShellFromList(document_.sets(), set, document_.launchSettings());
  shell.name = name.toStdString();
  try {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) throw WriteError(path.toStdString());
    WriteShellFile(path.toStdString(), shell);
  } catch (const std::exception& error) {
    MessageBox::showError(this, ErrorText(error, ErrorVoice::kWindowSave));
    return false;
  }
  return true;
}

}  // namespace kirabel
