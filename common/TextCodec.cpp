#include "common/TextCodec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

namespace crossword {

namespace {

bool IsSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// One iconv conversion descriptor per direction, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::system_error(errno, std::generic_category(),
                              std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of input; on failure returns the byte offset of the input that failed.
  bool Convert(std::string_view input, std::string& output, size_t& failedAt) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    output.assign(input.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    while (inLeft > 0) {
      if (iconv(handle_, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)) break;
      if (errno != E2BIG) {
        failedAt = input.size() - inLeft;
        return false;
      }
      const size_t used = output.size() - outLeft;
      output.resize(output.size() * 2);
      out = output.data() + used;
      outLeft = output.size() - used;
    }
    // A truncated multi-byte sequence at the very end is left unconverted without an error.
    if (iconv(handle_, nullptr, nullptr, &out, &outLeft) == static_cast<size_t>(-1) || inLeft > 0) {
      failedAt = input.size() - inLeft;
      return false;
    }
    output.resize(output.size() - outLeft);
    return true;
  }

 private:
  iconv_t handle_;
};

Converter& ToCp932() {
  static Converter converter("CP932", "UTF-32LE");
  return converter;
}

Converter& FromCp932() {
  static Converter converter("UTF-32LE", "CP932");
  return converter;
}

std::string Utf32LeBytes(std::u32string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 4);
  for (char32_t c : text) {
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((c >> shift) & 0xFF);
  }
  return bytes;
}

std::u32string FromUtf32LeBytes(std::string_view bytes) {
  std::u32string text;
  text.reserve(bytes.size() / 4);
  for (size_t i = 0; i + 3 < bytes.size(); i += 4) {
    char32_t c = 0;
    for (int k = 3; k >= 0; --k) c = (c << 8) | static_cast<unsigned char>(bytes[i + k]);
    text += c;
  }
  return text;
}

Converter& FromEucJp() {
  static Converter converter("UTF-32LE", "EUC-JP");
  return converter;
}

std::u32string Decode(Converter& converter, std::string_view bytes, const char* encoding) {
  std::string out;
  size_t failedAt = 0;
  if (!converter.Convert(bytes, out, failedAt)) {
    throw TextEncodingError("byte " + std::to_string(failedAt + 1) + " is not " + encoding +
                            " text");
  }
  return FromUtf32LeBytes(out);
}

}  // namespace

std::string ToUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (char32_t c : text) AppendUtf8(out, c);
  return out;
}

std::string ToUtf8(char32_t letter) {
  return ToUtf8(std::u32string_view(&letter, 1));
}

namespace {

// Calls emit(letter) for each letter of `text`; the offset of the first byte that is not
// UTF-8, or npos.
template <typename Emit>
size_t DecodeUtf8(std::string_view text, Emit emit) {
  size_t i = 0;
  while (i < text.size()) {
    // Clues are mostly ASCII: eight bytes at a time while no byte has its high bit set.
    std::uint64_t eight;
    if (i + 8 <= text.size() &&
        (std::memcpy(&eight, text.data() + i, 8), (eight & 0x8080808080808080) == 0)) {
      for (size_t end = i + 8; i < end; ++i) emit(static_cast<char32_t>(text[i]));
      continue;
    }
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + length > text.size()) return i;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return i;
      c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || IsSurrogate(c)) return i;
    emit(c);
    i += length;
  }
  return std::string_view::npos;
}

void ThrowIfFault(size_t fault) {
  if (fault != std::string_view::npos) {
    throw TextEncodingError("not UTF-8 text at byte " + std::to_string(fault + 1));
  }
}

}  // namespace

// Room for one letter per byte first, trimmed after: no growth check per letter.
void AppendFromUtf8(std::string_view text, std::u32string& out) {
  const size_t start = out.size();
  out.resize(start + text.size());
  char32_t* next = out.data() + start;
  const size_t fault = DecodeUtf8(text, [&](char32_t c) { *next++ = c; });
  out.resize(static_cast<size_t>(next - out.data()));
  ThrowIfFault(fault);
}

std::u32string FromUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  AppendFromUtf8(text, out);
  return out;
}

void CheckUtf8(std::string_view text) {
  ThrowIfFault(DecodeUtf8(text, [](char32_t) {}));
}

std::string DescribeCharacter(char32_t letter) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(letter));
  if (letter < 0x20 || letter == 0x7F || IsSurrogate(letter) || letter > 0x10FFFF) return code;
  return "'" + ToUtf8(letter) + "' (" + code + ")";
}

std::string EncodeCp932(std::u32string_view text) {
  std::string out;
  size_t failedAt = 0;
  if (!ToCp932().Convert(Utf32LeBytes(text), out, failedAt)) {
    throw TextEncodingError("the character " + DescribeCharacter(text[failedAt / 4]) +
                            " cannot be written in code page 932 (Shift-JIS)");
  }
  return out;
}

bool CanEncodeCp932(char32_t letter) {
  std::string out;
  size_t failedAt = 0;
  return ToCp932().Convert(Utf32LeBytes(std::u32string_view(&letter, 1)), out, failedAt);
}

std::u32string DecodeCp932(std::string_view bytes) {
  // Code page 932 keeps ASCII as it is; most lines of the programs' files are numbers.
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; })) {
    return std::u32string(bytes.begin(), bytes.end());
  }
  return Decode(FromCp932(), bytes, "code page 932 (Shift-JIS)");
}

std::u32string DecodeEucJp(std::string_view bytes) {
  return Decode(FromEucJp(), bytes, "EUC-JP");
}

}  // namespace crossword
