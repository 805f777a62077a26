#pragma once
// How well a shell's names match what was typed into the library's filter:
// one name that is the typed text is the best match, one that starts with it
// the next, one that holds it somewhere the last. Case, spaces, hyphens and
// apostrophes do not count ("double ring" is "Double-Ring", "shiniri" is
// "shin'iri").
#include <QString>
#include <QStringList>
#include <optional>

namespace kirabel {

enum class ShellMatch {
  kExact,      // a name is the typed text
  kPrefix,     // a name starts with it
  kSubstring,  // a name holds it
};

// The best match of any of `names`; none when no name holds the typed text.
// Empty text matches every shell exactly.
std::optional<ShellMatch> MatchShellNames(const QStringList& names, const QString& typed);

}  // namespace kirabel
