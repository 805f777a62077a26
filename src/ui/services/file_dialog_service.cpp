#include "ui/services/file_dialog_service.h"

#include <QFileDialog>
#include <QFileInfo>
#include <deque>

namespace kirabel {

namespace {

struct FileDialogSeam {
  std::deque<std::optional<QString>> answers;
  std::vector<FileDialogRequest> requests;
};

FileDialogSeam& Seam() {
  static FileDialogSeam seam;
  return seam;
}

// "*.PCL" -> "*.[Pp][Cc][Ll]": letters match either case.
QString CaseInsensitivePattern(const QString& pattern) {
  if (pattern == QStringLiteral("*.*")) return QStringLiteral("*");
  QString result;
  for (const QChar c : pattern) {
    if (c.isLetter() && c.toLower() != c.toUpper()) {
      result += QLatin1Char('[') + c.toUpper() + c.toLower() + QLatin1Char(']');
    } else {
      result += c;
    }
  }
  return result;
}

QString QtPatterns(const QString& patterns) {
  QStringList parts;
  for (const QString& p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    parts << CaseInsensitivePattern(p.trimmed());
  }
  return parts.join(QLatin1Char(' '));
}

std::optional<QString> ShowDialog(QWidget* parent, const FileDialogRequest& request) {
  QFileDialog dialog(parent, request.title, request.startFolder);
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(request.nameFilters);
  const int index = request.filterIndex - 1;
  if (index >= 0 && index < request.nameFilters.size()) {
    dialog.selectNameFilter(request.nameFilters[index]);
  }
  dialog.setDefaultSuffix(request.defaultExt);
  if (!request.fileName.isEmpty()) dialog.selectFile(QFileInfo(request.fileName).fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> FileDialogService::run(QWidget* parent, const FileDialogRequest& request) {
  FileDialogSeam& seam = Seam();
  seam.requests.push_back(request);
  if (!seam.answers.empty()) {
    std::optional<QString> answer = seam.answers.front();
    seam.answers.pop_front();
    return answer;
  }
  return ShowDialog(parent, request);
}

void FileDialogService::setNextFileName(std::optional<QString> answer) {
  Seam().answers.push_back(std::move(answer));
}

void FileDialogService::clearAnswers() {
  Seam().answers.clear();
}

const std::vector<FileDialogRequest>& FileDialogService::requests() {
  return Seam().requests;
}

void FileDialogService::clearRequests() {
  Seam().requests.clear();
}

QStringList ToQtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList result;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    result << parts[i] + QStringLiteral(" (") + QtPatterns(parts[i + 1]) + QLatin1Char(')');
  }
  return result;
}

QString WithDefaultExtension(const QString& name, const QString& defaultExt) {
  if (name.isEmpty() || defaultExt.isEmpty()) return name;
  const QString last = QFileInfo(name).fileName();
  if (last.isEmpty() || last.contains(QLatin1Char('.'))) return name;
  return name + QLatin1Char('.') + defaultExt;
}

FileChooser::FileChooser(Kind kind, const QString& filter) : kind_(kind), filter_(filter) {}

bool FileChooser::execute(QWidget* parent) {
  FileDialogRequest request;
  request.save = kind_ == Kind::Save;
  request.confirmOverwrite = confirmOverwrite;
  request.title = title;
  request.startFolder = startFolder;
  request.fileName = fileName;
  request.nameFilters = ToQtNameFilters(filter_);
  request.filterIndex = filterIndex;
  request.defaultExt = defaultExtension;
  const std::optional<QString> chosen = FileDialogService::run(parent, request);
  if (!chosen || chosen->isEmpty()) return false;
  fileName = QFileInfo(WithDefaultExtension(*chosen, defaultExtension)).absoluteFilePath();
  return true;
}

QString FileChooser::fileFolder() const {
  if (fileName.isEmpty()) return QString();
  return QFileInfo(fileName).absolutePath();
}

}  // namespace kirabel
