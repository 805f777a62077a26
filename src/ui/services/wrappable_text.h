#pragma once
// Text a message box can wrap to its width: a label breaks lines only where
// the text allows it, so a long path or a name without blanks would make the
// box as wide as the screen and still be cut off. Zero-width spaces after
// every path separator and within every long run without a break let it wrap
// there; the text reads the same.
#include <QString>

namespace kirabel {

// The invisible break inserted.
inline constexpr char16_t kZeroWidthSpace = u'\u200B';

// The text with a zero-width space after every '/' or '\' followed by more
// text and after every `longestRun` characters of a run without a blank or a
// line break (never inside a surrogate pair).
QString WrappableText(const QString& text, int longestRun = 30);

}  // namespace kirabel
