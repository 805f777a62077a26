#include "cli/console.h"

namespace kirabel::cli {

void Print(std::FILE* out, const QString& text) {
  std::fputs(text.toUtf8().constData(), out);
}

void PrintError(const QString& message) {
  Print(stderr, QStringLiteral("kirabel-render: %1\n").arg(message));
}

QString FromLocal(const std::string& bytes) {
  return QString::fromLocal8Bit(bytes.c_str());
}

}  // namespace kirabel::cli
