#include "Printable.h"

namespace pivo::tool {
namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xc0) == 0x80; }

/// Length of the well-formed UTF-8 character at the start of `text`, or 0 when it is none.
std::size_t characterLength(std::string_view text) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xbf;  // the range of the second byte
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0) low = 0xa0;   // overlong
        if (lead == 0xed) high = 0x9f;  // surrogates
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0) low = 0x90;   // overlong
        if (lead == 0xf4) high = 0x8f;  // past U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || at(1) < low || at(1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!isContinuation(at(k))) return 0;
    return length;
}

bool isControl(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) return lead < 0x20 || lead == 0x7f;
    // U+0080..U+009F, which some terminals obey as commands.
    return lead == 0xc2 && static_cast<unsigned char>(character[1]) < 0xa0;
}

void appendEscaped(std::string& out, std::string_view bytes) {
    static constexpr char Digits[] = "0123456789abcdef";
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        out += "\\x";
        out += Digits[byte >> 4];
        out += Digits[byte & 15];
    }
}

}  // namespace

std::string printable(std::string_view text, std::size_t maxBytes) {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = characterLength(text.substr(pos));
        const std::string_view character = text.substr(pos, length == 0 ? 1 : length);
        if (pos + character.size() > maxBytes) return out + "...";
        if (length == 0 || isControl(character))
            appendEscaped(out, character);
        else
            out += character;
        pos += character.size();
    }
    return out;
}

}  // namespace pivo::tool
