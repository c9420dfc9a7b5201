#include "text/windows1252.h"

#include <cstddef>

#ifdef _WIN32
#include "text/windows_api.h"
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace ppexport {

namespace {

constexpr char kReplacement = '?';
constexpr std::string_view kUtf8ReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

bool isAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The five byte values that Windows-1252 leaves without a character.
bool isUndefinedWindows1252(unsigned char byte) {
  return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// One step through UTF-8 text: the length of the character at the start of `text` when it is well
// formed, or else the length of the broken piece to be replaced by a single "?" (the lead byte and
// any continuation bytes that were still acceptable, at least one byte).
struct Utf8Step {
  std::size_t length;
  bool wellFormed;
};

Utf8Step utf8Step(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return {1, true};
  std::size_t need = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 2;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 3;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return {1, false};
  }
  for (std::size_t i = 1; i <= need; ++i) {
    if (i >= text.size()) return {i, false};
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < low || byte > high) return {i, false};
    low = 0x80;
    high = 0xBF;
  }
  return {need + 1, true};
}

#ifdef _WIN32

// Converts well-formed UTF-8 of characters below U+10000 to Windows-1252 through UTF-16.
void encodeRun(std::string_view utf8, std::string& out) {
  const int size = static_cast<int>(utf8.size());
  const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (wideLength <= 0) {
    out.append(utf8.size(), kReplacement);
    return;
  }
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), wideLength);
  const std::size_t start = out.size();
  out.resize(start + wide.size());
  const char defaultChar[] = "?";
  BOOL usedDefault = FALSE;
  const int written = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                                          out.data() + start, wideLength, defaultChar,
                                          &usedDefault);
  if (written != wideLength) {
    out.resize(start);
    out.append(wide.size(), kReplacement);
    return;
  }
  // Windows' table passes U+0081, U+008D, U+008F, U+0090 and U+009D through to the five bytes that
  // Windows-1252 leaves undefined; they are no characters of it. One byte stands for each UTF-16
  // unit here, as the run holds no character beyond U+FFFF.
  for (std::size_t i = 0; i < wide.size(); ++i) {
    if (wide[i] < 0x100 && isUndefinedWindows1252(static_cast<unsigned char>(wide[i]))) {
      out[start + i] = kReplacement;
    }
  }
}

// Converts Windows-1252 bytes that all have a character to UTF-8 through UTF-16.
void decodeRun(std::string_view bytes, std::string& out) {
  const int size = static_cast<int>(bytes.size());
  std::wstring wide(bytes.size(), L'\0');
  const int wideLength = MultiByteToWideChar(1252, 0, bytes.data(), size, wide.data(), size);
  if (wideLength <= 0) {
    for (std::size_t i = 0; i < bytes.size(); ++i) out += kUtf8ReplacementCharacter;
    return;
  }
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(length));
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, out.data() + start, length, nullptr,
                      nullptr);
}

#else

// One conversion descriptor per thread and direction, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) iconv_close(descriptor_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  // Converts `input` and appends the result; `outputPerInputByte` bounds the growth. A character
  // that the target cannot hold is replaced by `replacement` and the input skips `skip(rest)` bytes.
  template <typename Skip>
  void convert(std::string_view input, std::size_t outputPerInputByte, std::string_view replacement,
               std::string& out, Skip skip) {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    const std::size_t start = out.size();
    out.resize(start + input.size() * outputPerInputByte);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* target = out.data() + start;
    std::size_t targetLeft = out.size() - start;
    while (inLeft > 0) {
      if (iconv(descriptor_, &in, &inLeft, &target, &targetLeft) != static_cast<std::size_t>(-1)) {
        break;
      }
      if (errno != EILSEQ && errno != EINVAL) break;
      const std::size_t skipped = skip(std::string_view(in, inLeft));
      in += skipped;
      inLeft -= skipped;
      for (char c : replacement) {
        if (targetLeft == 0) break;
        *target++ = c;
        --targetLeft;
      }
      iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(static_cast<std::size_t>(target - out.data()));
  }

 private:
  iconv_t descriptor_;
};

// Converts well-formed UTF-8 of characters below U+10000 to Windows-1252.
void encodeRun(std::string_view utf8, std::string& out) {
  thread_local Converter converter("CP1252", "UTF-8");
  if (!converter.valid()) {
    for (std::string_view rest = utf8; !rest.empty();) {
      const Utf8Step step = utf8Step(rest);
      out += step.length == 1 ? rest[0] : kReplacement;
      rest.remove_prefix(step.length);
    }
    return;
  }
  // Windows-1252 never needs more bytes than UTF-8 for a character.
  converter.convert(utf8, 1, std::string_view(&kReplacement, 1), out,
                    [](std::string_view rest) { return utf8Step(rest).length; });
}

// Converts Windows-1252 bytes that all have a character to UTF-8.
void decodeRun(std::string_view bytes, std::string& out) {
  thread_local Converter converter("UTF-8", "CP1252");
  if (!converter.valid()) {
    for (char c : bytes) {
      if (static_cast<unsigned char>(c) < 0x80) {
        out += c;
      } else {
        out += kUtf8ReplacementCharacter;
      }
    }
    return;
  }
  // The euro sign and the other characters of 0x80 to 0x9F take three bytes in UTF-8.
  converter.convert(bytes, 3, kUtf8ReplacementCharacter, out,
                    [](std::string_view) { return std::size_t{1}; });
}

#endif

}  // namespace

std::string utf8ToWindows1252(std::string_view utf8) {
  if (isAscii(utf8)) return std::string(utf8);
  std::string out;
  out.reserve(utf8.size());
  std::size_t runStart = 0;
  std::size_t position = 0;
  while (position < utf8.size()) {
    const Utf8Step step = utf8Step(utf8.substr(position));
    // Characters beyond U+FFFF are never in Windows-1252; they and broken sequences become one "?"
    // here, so that the converter only ever sees text it can take.
    if (step.wellFormed && step.length < 4) {
      position += step.length;
      continue;
    }
    if (position > runStart) encodeRun(utf8.substr(runStart, position - runStart), out);
    out += kReplacement;
    position += step.length;
    runStart = position;
  }
  if (position > runStart) encodeRun(utf8.substr(runStart, position - runStart), out);
  return out;
}

std::string windows1252ToUtf8(std::string_view bytes) {
  if (isAscii(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() * 2);
  std::size_t runStart = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (!isUndefinedWindows1252(static_cast<unsigned char>(bytes[i]))) continue;
    if (i > runStart) decodeRun(bytes.substr(runStart, i - runStart), out);
    out += kUtf8ReplacementCharacter;
    runStart = i + 1;
  }
  if (bytes.size() > runStart) decodeRun(bytes.substr(runStart), out);
  return out;
}

char upperCase(char byte) {
  const auto c = static_cast<unsigned char>(byte);
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 0x20);
  // The accented small letters a-grave to thorn sit 0x20 above their capitals; 0xF7 is the
  // division sign, and sharp s (0xDF) and micro (0xB5) have no capital in Windows-1252.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char>(c - 0x20);
  switch (c) {
    case 0x9A: return static_cast<char>(0x8A);  // s-caron
    case 0x9C: return static_cast<char>(0x8C);  // oe
    case 0x9E: return static_cast<char>(0x8E);  // z-caron
    case 0xFF: return static_cast<char>(0x9F);  // y-diaeresis
    default: return byte;
  }
}

std::string upperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = upperCase(c);
  return out;
}

std::string_view trimSpaces(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  if (first == last) return {};
  return text.substr(first, last - first);
}

std::string replaceControlCharacters(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = ' ';
  }
  return out;
}

}  // namespace ppexport
