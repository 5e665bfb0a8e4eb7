#include "code_page.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {
namespace {

constexpr const char* kWindowText =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

constexpr std::array<std::string_view, 12> kCyrillicLanguages{"ru", "uk", "be", "bg", "sr", "mk",
                                                              "kk", "ky", "tg", "tt", "ba", "mn"};

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

std::atomic<CodePage> fallbackCodePage{CodePage::western};

using Descriptor = std::unique_ptr<void, int (*)(iconv_t)>;

// The system has a conversion for every code page the program names: one that cannot be opened
// lacks the memory to load it (the C library then says only "invalid argument"), or the system's
// conversion modules are gone.
Descriptor openConversion(const std::string& to, const std::string& from) {
    iconv_t descriptor = iconv_open(to.c_str(), from.c_str());
    if (descriptor == reinterpret_cast<iconv_t>(-1)) {
        throw ConversionUnavailable("the system cannot convert text from " + from + " to " + to +
                                    ": it is out of memory, or its conversions are not installed");
    }
    return Descriptor(descriptor, &iconv_close);
}

std::string iconvName(CodePage codePage) {
    return "CP" + std::to_string(static_cast<int>(codePage));
}

enum class Stop { end, unconvertible };

// Converts `input` into `output` until its end or until a sequence the conversion cannot take;
// `input` is left at that sequence.
Stop convert(iconv_t descriptor, std::string_view& input, std::string& output) {
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::array<char, 256> chunk;
    Stop stop = Stop::end;
    for (;;) {
        char* out = chunk.data();
        std::size_t outLeft = chunk.size();
        // Once the input is used up or stuck, a call without input flushes a character held back
        // by a code page that combines characters, so that it comes before what replaces the
        // sequence.
        const bool flushing = inLeft == 0 || stop == Stop::unconvertible;
        const std::size_t result = flushing ? iconv(descriptor, nullptr, nullptr, &out, &outLeft)
                                            : iconv(descriptor, &in, &inLeft, &out, &outLeft);
        output.append(chunk.data(), out);
        if (result == static_cast<std::size_t>(-1) && errno == E2BIG) {
            continue;
        }
        if (flushing) {
            input = std::string_view(in, inLeft);
            return stop;
        }
        if (result == static_cast<std::size_t>(-1)) {
            stop = Stop::unconvertible;
        }
    }
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The lone surrogates that stand for the bytes 0x80 to 0xFF a code page could not decode.
constexpr char16_t kFirstKeptByte = 0xDC80;
constexpr char16_t kLastKeptByte = 0xDCFF;

bool isSingleByte(CodePage codePage) {
    constexpr std::array kMultiByte{932, 936, 949, 950};
    return std::ranges::find(kMultiByte, static_cast<int>(codePage)) == kMultiByte.end();
}

// What a byte the code page cannot decode stands for, so that camera texts survive a read and a
// write. A single-byte code page's undefined byte below 0xA0 is the control character of its
// number, as on the desktop platform; any other is the lone surrogate that keeps it (every code
// page decodes ASCII, so it is one of U+DC80 to U+DCFF).
char16_t undecodable(CodePage codePage, std::uint8_t byte) {
    return isSingleByte(codePage) && byte >= 0x80 && byte <= 0x9F
               ? char16_t{byte}
               : static_cast<char16_t>(0xDC00 + byte);
}

// Whether `unit` is a control character that stands for a byte the code page cannot decode.
bool standsForUndefinedByte(char16_t unit, CodePage codePage) {
    if (unit < 0x80 || unit > 0x9F || !isSingleByte(codePage)) {
        return false;
    }
    const Descriptor descriptor = openConversion(kWindowText, iconvName(codePage));
    const char byte = static_cast<char>(unit);
    std::string_view input(&byte, 1);
    std::string output;
    return convert(descriptor.get(), input, output) == Stop::unconvertible;
}

// Letters with diacritics by their base letter, the first character of their canonical
// decomposition: the Latin, Greek, Cyrillic and Hebrew ones, whose base letters the code pages
// hold. A row covers the characters from `first` on; a blank is no such letter.
struct BaseLetters {
    char16_t first;
    std::u16string_view letters;
};

constexpr std::array kBaseLetters{
    BaseLetters{0x00C0, u"AAAAAA CEEEEIIII NOOOOO  UUUUY"},
    BaseLetters{0x00E0, u"aaaaaa ceeeeiiii nooooo  uuuuy y"},
    BaseLetters{0x0100, u"AaAaAaCcCcCcCcDd  EeEeEeEeEeGgGg"},
    BaseLetters{0x0120, u"GgGgHh  IiIiIiIiI   JjKk LlLlLl"},
    BaseLetters{0x0140, u"   NnNnNn   OoOoOo  RrRrRrSsSsSs"},
    BaseLetters{0x0160, u"SsTtTt  UuUuUuUuUuUuWwYyYZzZzZz"},
    BaseLetters{0x01A0, u"Oo             Uu"},
    BaseLetters{0x01C0, u"             AaIiOoUuUuUuUuUu Aa"},
    BaseLetters{0x01E0, u"AaÆæ  GgKkOoOoƷʒj   Gg  NnAaÆæØø"},
    BaseLetters{0x0200, u"AaAaEeEeIiIiOoOoRrRrUuUuSsTt  Hh"},
    BaseLetters{0x0220, u"      AaEeOoOoOoOoYy"},
    BaseLetters{0x0380, u"      Α ΕΗΙ Ο ΥΩι"},
    BaseLetters{0x03A0, u"          ΙΥαεηιυ"},
    BaseLetters{0x03C0, u"          ιυουω    ϒϒ"},
    BaseLetters{0x0400, u"ЕЕ Г   І    КИУ          И"},
    BaseLetters{0x0420, u"                         и"},
    BaseLetters{0x0440, u"                ее г   і    киу"},
    BaseLetters{0x0460, u"                      Ѵѵ"},
    BaseLetters{0x04C0, u" Жж             АаАа  Ее  ӘәЖжЗз"},
    BaseLetters{0x04E0, u"  ИиИиОо  ӨөЭэУуУуУуЧч  Ыы"},
    BaseLetters{0x1E00, u"AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFf"},
    BaseLetters{0x1E20, u"GgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"},
    BaseLetters{0x1E40, u"MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRr"},
    BaseLetters{0x1E60, u"SsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"},
    BaseLetters{0x1E80, u"WwWwWwWwWwXxXxYyZzZzZzhtwy ſ"},
    BaseLetters{0x1EA0, u"AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"},
    BaseLetters{0x1EC0, u"EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOo"},
    BaseLetters{0x1EE0, u"OoOoUuUuUuUuUuUuUuYyYyYyYy"},
    BaseLetters{0x1F00, u"ααααααααΑΑΑΑΑΑΑΑεεεεεε  ΕΕΕΕΕΕ"},
    BaseLetters{0x1F20, u"ηηηηηηηηΗΗΗΗΗΗΗΗιιιιιιιιΙΙΙΙΙΙΙΙ"},
    BaseLetters{0x1F40, u"οοοοοο  ΟΟΟΟΟΟ  υυυυυυυυ Υ Υ Υ Υ"},
    BaseLetters{0x1F60, u"ωωωωωωωωΩΩΩΩΩΩΩΩα ε η ι ο υ ω"},
    BaseLetters{0x1F80, u"ααααααααΑΑΑΑΑΑΑΑηηηηηηηηΗΗΗΗΗΗΗΗ"},
    BaseLetters{0x1FA0, u"ωωωωωωωωΩΩΩΩΩΩΩΩααααα ααΑΑΑ Α"},
    BaseLetters{0x1FC0, u"  ηηη ηηΕ Η Η   ιιι   ιιΙΙΙ"},
    BaseLetters{0x1FE0, u"υυυ ρρυυΥΥΥ Ρ     ωωω ωωΟ Ω Ω"},
    BaseLetters{0xFB18, u"     \u05D9 \u05F2"},
    BaseLetters{0xFB28, u"  \u05E9\u05E9\u05E9\u05E9\u05D0\u05D0"},
    BaseLetters{0xFB30, u"\u05D0\u05D1\u05D2\u05D3\u05D4\u05D5\u05D6"},
    BaseLetters{0xFB38, u"\u05D8\u05D9\u05DA\u05DB\u05DC \u05DE"},
    BaseLetters{0xFB40, u"\u05E0\u05E1 \u05E3\u05E4 \u05E6\u05E7"},
    BaseLetters{0xFB48, u"\u05E8\u05E9\u05EA\u05D5\u05D1\u05DB\u05E4"},
};

// The letter `unit` is built on, or a blank when it is no letter with diacritics.
char16_t baseLetter(char16_t unit) {
    for (const BaseLetters& row : kBaseLetters) {
        if (unit >= row.first && static_cast<std::size_t>(unit - row.first) < row.letters.size()) {
            return row.letters[unit - row.first];
        }
    }
    return u' ';
}

// Writes what stands in for the character at the start of `rest`, which the code page lacks, and
// returns how many code units it took.
std::size_t substitute(iconv_t descriptor, CodePage codePage, std::u16string_view rest,
                       std::string& output) {
    const char16_t unit = rest.front();
    // Lone: the conversion takes a low surrogate after a high one with it.
    if (unit >= kFirstKeptByte && unit <= kLastKeptByte) {
        output.push_back(static_cast<char>(unit - kFirstKeptByte + 0x80));
        return 1;
    }
    if (unit >= 0xFF01 && unit <= 0xFF5E) {
        output.push_back(static_cast<char>(unit - 0xFEE0));
        return 1;
    }
    if (standsForUndefinedByte(unit, codePage)) {
        output.push_back(static_cast<char>(unit));
        return 1;
    }
    if (const char16_t letter = baseLetter(unit); letter != u' ') {
        std::string_view input(reinterpret_cast<const char*>(&letter), sizeof letter);
        std::string converted;
        if (convert(descriptor, input, converted) == Stop::end) {
            output += converted;
            return 1;
        }
    }
    // One "?" per code unit, as the windows count them.
    const std::size_t units =
        rest.size() > 1 && isHighSurrogate(rest[0]) && isLowSurrogate(rest[1]) ? 2 : 1;
    output.append(units, '?');
    return units;
}

}  // namespace

CodePage systemCodePage() {
    std::string_view locale = environment("LC_ALL");
    if (locale.empty()) {
        locale = environment("LC_CTYPE");
    }
    if (locale.empty()) {
        locale = environment("LANG");
    }
    if (locale.find("@latin") != std::string_view::npos) {
        return CodePage::western;
    }
    std::string language(locale.substr(0, locale.find_first_of("_.@")));
    std::ranges::transform(language, language.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (language.empty() || language == "c" || language == "posix") {
        return fallbackCodePage.load();
    }
    return std::ranges::find(kCyrillicLanguages, language) != kCyrillicLanguages.end()
               ? CodePage::cyrillic
               : CodePage::western;
}

std::string encodeAnsi(std::u16string_view text, CodePage codePage) {
    const Descriptor descriptor = openConversion(iconvName(codePage), kWindowText);
    std::string_view input(reinterpret_cast<const char*>(text.data()),
                           text.size() * sizeof(char16_t));
    std::string output;
    while (convert(descriptor.get(), input, output) == Stop::unconvertible) {
        const std::size_t at = text.size() - input.size() / sizeof(char16_t);
        input.remove_prefix(substitute(descriptor.get(), codePage, text.substr(at), output) *
                            sizeof(char16_t));
    }
    return output;
}

// encodeAnsi replaces what the code page lacks: a text that does not read back as it was had such
// a character.
std::optional<std::string> encodeAnsiExactly(std::u16string_view text, CodePage codePage) {
    std::string bytes = encodeAnsi(text, codePage);
    const auto back = decodeAnsi(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), codePage);
    return back == text ? std::optional(std::move(bytes)) : std::nullopt;
}

void setFallbackCodePage(CodePage codePage) {
    fallbackCodePage.store(codePage);
}

std::u16string decodeAnsi(std::span<const std::uint8_t> bytes, CodePage codePage) {
    const auto textEnd = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    std::string_view input(reinterpret_cast<const char*>(bytes.data()),
                           static_cast<std::size_t>(textEnd - bytes.begin()));
    if (input.empty()) {
        return {};
    }
    const Descriptor descriptor = openConversion(kWindowText, iconvName(codePage));
    std::string output;
    while (convert(descriptor.get(), input, output) == Stop::unconvertible) {
        const char16_t replacement = undecodable(codePage, static_cast<std::uint8_t>(input[0]));
        output.append(reinterpret_cast<const char*>(&replacement), sizeof replacement);
        input.remove_prefix(1);
    }
    std::u16string text(output.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), output.data(), text.size() * sizeof(char16_t));
    return text;
}

}  // namespace platform
