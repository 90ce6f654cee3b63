#pragma once

#include "model/PatternEditor.h"

#include <string>

namespace pivo {

/// The pattern editor's commands, as far as their notices differ.
enum class EditCommand { Add, Delete, Save };

namespace texts {

/// What the catalogue's author is told after an editor command, German or English;
/// empty when the command did all it was asked. `category` names the category a delete refused to empty.
std::string editorNotice(Language language, EditCommand command, EditOutcome outcome, int category);

}  // namespace texts
}  // namespace pivo
