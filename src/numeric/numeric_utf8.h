#pragma once
// The little UTF-8 the numeric field needs: its texts are UTF-8, while the
// parsing rules look at whole characters.
#include <optional>
#include <string>
#include <string_view>

namespace kirabel {

// The code points of a UTF-8 text; nothing when the text is not valid UTF-8.
std::optional<std::u32string> DecodeUtf8(std::string_view text);

std::string EncodeUtf8(char32_t c);

}  // namespace kirabel
