#include "ui/services/wrappable_text.h"

namespace kirabel {

QString WrappableText(const QString& text, int longestRun) {
  QString wrappable;
  wrappable.reserve(text.size() + text.size() / qMax(longestRun, 1) + 8);
  int run = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    wrappable += c;
    if (c.isSpace() || c == QChar(kZeroWidthSpace)) {
      run = 0;
      continue;
    }
    ++run;
    const bool last = i + 1 == text.size();
    if (last || c.isHighSurrogate() || text.at(i + 1).isSpace()) continue;
    if (c == QLatin1Char('/') || c == QLatin1Char('\\') || run >= longestRun) {
      wrappable += QChar(kZeroWidthSpace);
      run = 0;
    }
  }
  return wrappable;
}

}  // namespace kirabel
