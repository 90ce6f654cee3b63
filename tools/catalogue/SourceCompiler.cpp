#include "SourceCompiler.h"

#include "model/Catalogue.h"
#include "Printable.h"

#include <charconv>

namespace pivo::tool {
namespace {

constexpr std::string_view Blanks = " \t\r";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::vector<std::string_view> splitTokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(Blanks, pos)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(Blanks, pos), text.size());
        tokens.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return tokens;
}

/// A plain decimal byte: digits only, no sign, at most 255.
std::optional<std::uint8_t> parseByte(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::optional<std::uint8_t> parseHexByte(std::string_view text) {
    if (text.size() != 2) return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + 2, value, 16);
    if (error != std::errc{} || end != text.data() + 2) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::string quoted(std::string_view token) { return "'" + printable(token, ShownTokenBytes) + "'"; }

/// Editors on some systems start a UTF-8 file with this mark; it is no part of the first line.
constexpr std::string_view ByteOrderMark = "\xef\xbb\xbf";

}  // namespace

std::string formatSourceError(const SourceError& error) {
    return printable(error.file) + ":" + std::to_string(error.line) + ": " + error.message;
}

void SourceCompiler::addSource(std::string_view fileName, std::string_view text) {
    file_ = fileName;
    line_ = 0;
    category_.reset();
    std::size_t pos = text.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        ++line_;
        const std::string_view line = text.substr(pos, end - pos);
        compileLine(trimmed(line.substr(0, line.find('#'))));
        pos = end + 1;
    }
}

void SourceCompiler::compileLine(std::string_view content) {
    if (content.empty()) return;
    const std::vector<std::string_view> tokens = splitTokens(content);
    if (trailingAt_) {
        fail("nothing but comments may follow the trailing bytes of " + *trailingAt_);
        return;
    }
    if (tokens[0] == "category")
        compileCategory(tokens);
    else if (tokens[0] == "trailing")
        compileTrailing(tokens);
    else if (tokens[0].find(',') != std::string_view::npos)
        compileFigure(tokens);
    else
        fail("unknown line " + quoted(tokens[0]) + ": expected 'category N', seven x,y,o triples or 'trailing'");
}

void SourceCompiler::compileCategory(const std::vector<std::string_view>& tokens) {
    if (tokens.size() != 2) {
        fail("expected 'category N' with one number 0..255");
        return;
    }
    const auto category = parseByte(tokens[1]);
    if (!category) {
        fail("category " + quoted(tokens[1]) + " is not a number 0..255");
        return;
    }
    category_ = *category;
}

void SourceCompiler::compileFigure(const std::vector<std::string_view>& tokens) {
    if (!category_) {
        fail("figure before the first 'category' line of the file");
        return;
    }
    if (tokens.size() != TanCount) {
        fail("expected 7 tans as x,y,o, found " + std::to_string(tokens.size()));
        return;
    }
    std::vector<std::uint8_t> record{*category_};
    for (int tan = 1; tan <= TanCount; ++tan) {
        const std::string_view triple = tokens[tan - 1];
        const auto firstComma = triple.find(',');
        const auto secondComma = triple.find(',', firstComma + 1);
        const std::string_view parts[3] = {
            triple.substr(0, firstComma),
            triple.substr(firstComma + 1, secondComma - firstComma - 1),
            secondComma == std::string_view::npos ? std::string_view{} : triple.substr(secondComma + 1),
        };
        for (const std::string_view part : parts) {
            const auto value = parseByte(part);
            if (!value) {
                fail("tan " + std::to_string(tan) + ": " + quoted(triple) + " is not x,y,o with values 0..255");
                return;
            }
            record.push_back(*value);
        }
    }
    bytes_.insert(bytes_.end(), record.begin(), record.end());
}

void SourceCompiler::compileTrailing(const std::vector<std::string_view>& tokens) {
    const std::size_t count = tokens.size() - 1;
    if (count < 1 || count >= static_cast<std::size_t>(RecordSize)) {
        fail("'trailing' takes 1 to 21 bytes, found " + std::to_string(count));
        return;
    }
    std::vector<std::uint8_t> trailing;
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        const auto value = parseHexByte(tokens[i]);
        if (!value) {
            fail("trailing byte " + quoted(tokens[i]) + " is not two hex digits");
            return;
        }
        trailing.push_back(*value);
    }
    bytes_.insert(bytes_.end(), trailing.begin(), trailing.end());
    trailingAt_ = printable(file_) + ":" + std::to_string(line_);
}

void SourceCompiler::fail(std::string message) {
    errors_.push_back(SourceError{file_, line_, std::move(message)});
}

}  // namespace pivo::tool
