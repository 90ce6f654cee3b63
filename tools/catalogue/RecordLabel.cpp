#include "RecordLabel.h"

namespace pivo::tool {

std::string categoryLabel(int categoryByte) {
    if (categoryByte < 0 || categoryByte >= CategoryTotal) return std::to_string(categoryByte);
    return std::to_string(categoryByte) + " \"" + std::string(categoryName(ToolLanguage, categoryByte)) + "\"";
}

std::string playerLabel(const CatalogueEntry& entry) {
    if (entry.category == NoCategory) return {};
    return std::string(categoryName(ToolLanguage, entry.category)) + " " + std::to_string(entry.number);
}

}  // namespace pivo::tool
