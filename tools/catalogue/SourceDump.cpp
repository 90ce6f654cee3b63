#include "SourceDump.h"

#include "model/Catalogue.h"
#include "RecordLabel.h"

#include <cstdio>
#include <memory>

namespace pivo::tool {
namespace {

std::string figureLine(const std::uint8_t* record) {
    std::string line;
    for (int tan = 0; tan < TanCount; ++tan) {
        const std::uint8_t* t = record + 1 + 3 * tan;
        if (tan > 0) line += ' ';
        line += std::to_string(t[0]) + ',' + std::to_string(t[1]) + ',' + std::to_string(t[2]);
    }
    return line;
}

std::string figureComment(const Catalogue& catalogue, int index, std::span<const int> ratings) {
    if (index > catalogue.tangramCount()) return "past the first 3000 records: the game ignores it";
    const std::string label = playerLabel(catalogue.entry(index));
    if (label.empty()) return "the game cannot use this figure (see check)";
    const int rating = static_cast<std::size_t>(index) <= ratings.size() ? ratings[index - 1] : 0;
    return rating > 0 ? label + ", rating " + std::to_string(rating) : label;
}

std::string trailingLine(std::span<const std::uint8_t> bytes) {
    std::string line = "trailing";
    for (const std::uint8_t byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", byte);
        line += hex;
    }
    return line;
}

}  // namespace

std::string dumpSource(std::span<const std::uint8_t> bytes, std::span<const int> ratings) {
    const auto catalogue = std::make_unique<Catalogue>();
    catalogue->loadRecords(bytes);
    const std::size_t records = bytes.size() / RecordSize;
    std::string text;
    int category = -1;
    for (std::size_t r = 0; r < records; ++r) {
        const std::uint8_t* record = bytes.data() + r * RecordSize;
        if (record[0] != category) {
            category = record[0];
            if (r > 0) text += '\n';
            text += "category " + std::to_string(category);
            if (category < CategoryTotal) text += "  # " + std::string(categoryName(ToolLanguage, category));
            text += '\n';
        }
        text += figureLine(record) + "  # " + figureComment(*catalogue, static_cast<int>(r) + 1, ratings) + '\n';
    }
    const std::size_t whole = records * RecordSize;
    if (whole < bytes.size()) text += trailingLine(bytes.subspan(whole)) + '\n';
    return text;
}

}  // namespace pivo::tool
