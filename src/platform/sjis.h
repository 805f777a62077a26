#pragma once
// Shift-JIS (code page 932) <-> UTF-8. Text is UTF-8 inside the program;
// files carry it as Shift-JIS where it can be represented, and as UTF-8 where
// it cannot, so that no character is ever lost. Byte limits count the bytes a
// text takes in a file: its Shift-JIS bytes, or its UTF-8 bytes for the
// characters Shift-JIS lacks.
#include <cstddef>
#include <string>
#include <string_view>

namespace kirabel {

// True when bytes form valid UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// True when bytes contain a byte of 0x80 or above.
bool HasNonAscii(std::string_view bytes);

// Decodes Shift-JIS bytes to UTF-8. A byte sequence that is no Shift-JIS
// character becomes U+FFFD.
std::string SjisToUtf8(std::string_view sjis);

// Encodes UTF-8 as Shift-JIS. Returns false (and leaves sjis unspecified)
// when the text is not valid UTF-8 or holds a character Shift-JIS lacks.
bool Utf8ToSjis(const std::string& utf8, std::string& sjis);

// The bytes under which a UTF-8 text is stored in a file: its Shift-JIS
// encoding when every character has one, else the UTF-8 text itself.
std::string EncodeFileText(const std::string& utf8);

// The UTF-8 text of bytes read from a file: valid UTF-8 with a non-ASCII byte
// is taken as UTF-8, anything else as Shift-JIS.
std::string DecodeFileText(std::string_view bytes);

// Like DecodeFileText, of at most the first maxBytes bytes (never splitting a
// character of the encoding the whole text is taken in).
std::string DecodeFileText(std::string_view bytes, std::size_t maxBytes);

// The longest prefix of a UTF-8 text that takes at most maxBytes bytes in a
// file (as EncodeFileText would store the whole text), never splitting a
// character.
std::string CutToFileBytes(const std::string& utf8, std::size_t maxBytes);

// The longest prefix of a UTF-8 text of at most maxBytes bytes that does not
// split a character (a byte that starts no valid character counts as one).
std::string CutUtf8Bytes(std::string_view utf8, std::size_t maxBytes);

// The longest prefix of Shift-JIS bytes of at most maxBytes bytes that does
// not split a double-byte character.
std::string CutSjisBytes(std::string_view sjis, std::size_t maxBytes);

}  // namespace kirabel
