#include "platform/sjis.h"

#include <iconv.h>

#include <cerrno>

namespace kirabel {
namespace {

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";  // U+FFFD

// One iconv conversion descriptor per thread and direction, opened once.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of [in, in + inLeft) as possible, appending to out.
  // Returns 0 when all was converted, else the errno of the stop.
  int Convert(const char*& in, std::size_t& inLeft, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buffer[4096];
    while (inLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      std::size_t r = iconv(cd_, const_cast<char**>(&in), &inLeft, &dst, &dstLeft);
      out.append(buffer, dst - buffer);
      if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return errno;
    }
    return 0;
  }

 private:
  iconv_t cd_;
};

Converter& FromSjis() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

Converter& ToSjis() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// Length of the UTF-8 character starting at s[i], or 0 when it is not valid.
std::size_t Utf8CharLength(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return 1;
  std::size_t length;
  unsigned char min2 = 0x80, max2 = 0xBF;  // allowed range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    if (c == 0xE0) min2 = 0xA0;  // no overlong forms
    if (c == 0xED) max2 = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    if (c == 0xF0) min2 = 0x90;
    if (c == 0xF4) max2 = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  const auto second = static_cast<unsigned char>(s[i + 1]);
  if (second < min2 || second > max2) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (!IsContinuation(static_cast<unsigned char>(s[i + k]))) return 0;
  }
  return length;
}

bool IsSjisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = Utf8CharLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

bool HasNonAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

std::string SjisToUtf8(std::string_view sjis) {
  if (!HasNonAscii(sjis)) return std::string(sjis);
  Converter& converter = FromSjis();
  std::string out;
  out.reserve(sjis.size() * 3 / 2);
  const char* in = sjis.data();
  std::size_t inLeft = sjis.size();
  while (inLeft > 0) {
    if (!converter.ok() || converter.Convert(in, inLeft, out) == 0) break;
    // An invalid or incomplete sequence: replace its first byte and go on.
    out += kReplacementUtf8;
    ++in;
    --inLeft;
  }
  if (!converter.ok()) return std::string(sjis);
  return out;
}

bool Utf8ToSjis(const std::string& utf8, std::string& sjis) {
  sjis.clear();
  if (!HasNonAscii(utf8)) {
    sjis = utf8;
    return true;
  }
  Converter& converter = ToSjis();
  if (!converter.ok()) return false;
  const char* in = utf8.data();
  std::size_t inLeft = utf8.size();
  if (converter.Convert(in, inLeft, sjis) != 0) return false;
  // A few characters map one way only; keep those as UTF-8 so that reading
  // the file gives back the very same text.
  return SjisToUtf8(sjis) == utf8;
}

std::string EncodeFileText(const std::string& utf8) {
  std::string sjis;
  if (Utf8ToSjis(utf8, sjis)) return sjis;
  return utf8;
}

std::string DecodeFileText(std::string_view bytes) {
  return DecodeFileText(bytes, bytes.size());
}

std::string DecodeFileText(std::string_view bytes, std::size_t maxBytes) {
  if (!HasNonAscii(bytes)) return std::string(bytes.substr(0, maxBytes));
  if (IsValidUtf8(bytes)) return CutUtf8Bytes(bytes, maxBytes);
  return SjisToUtf8(CutSjisBytes(bytes, maxBytes));
}

std::string CutSjisBytes(std::string_view sjis, std::size_t maxBytes) {
  if (sjis.size() <= maxBytes) return std::string(sjis);
  std::size_t end = 0;
  while (end < maxBytes) {
    const std::size_t length = IsSjisLeadByte(static_cast<unsigned char>(sjis[end])) ? 2 : 1;
    if (end + length > maxBytes) break;
    end += length;
  }
  return std::string(sjis.substr(0, end));
}

std::string CutToFileBytes(const std::string& utf8, std::size_t maxBytes) {
  std::string sjis;
  if (Utf8ToSjis(utf8, sjis)) {
    if (sjis.size() <= maxBytes) return utf8;
    return SjisToUtf8(CutSjisBytes(sjis, maxBytes));
  }
  return CutUtf8Bytes(utf8, maxBytes);
}

std::string CutUtf8Bytes(std::string_view utf8, std::size_t maxBytes) {
  if (utf8.size() <= maxBytes) return std::string(utf8);
  std::size_t end = 0;
  while (end < utf8.size()) {
    std::size_t length = Utf8CharLength(utf8, end);
    if (length == 0) length = 1;
    if (end + length > maxBytes) break;
    end += length;
  }
  return std::string(utf8.substr(0, end));
}

}  // namespace kirabel
