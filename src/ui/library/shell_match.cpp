#include "ui/library/shell_match.h"

namespace kirabel {

namespace {

// The text as it is compared: folded case, without the marks that only
// separate words.
QString Comparable(const QString& text) {
  QString folded = text.toCaseFolded();
  folded.removeIf(
      [](QChar c) { return c.isSpace() || c == QLatin1Char('-') || c == QLatin1Char('\''); });
  return folded;
}

std::optional<ShellMatch> MatchName(const QString& name, const QString& typed) {
  if (name == typed) return ShellMatch::kExact;
  if (name.startsWith(typed)) return ShellMatch::kPrefix;
  if (name.contains(typed)) return ShellMatch::kSubstring;
  return std::nullopt;
}

}  // namespace

std::optional<ShellMatch> MatchShellNames(const QStringList& names, const QString& typed) {
  const QString wanted = Comparable(typed);
  if (wanted.isEmpty()) return ShellMatch::kExact;
  std::optional<ShellMatch> best;
  for (const QString& name : names) {
    const std::optional<ShellMatch> match = MatchName(Comparable(name), wanted);
    if (match && (!best || *match < *best)) best = match;
  }
  return best;
}

}  // namespace kirabel
