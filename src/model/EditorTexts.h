#pragma once

#include "PatternEditor.h"

#include <string>

namespace pivo {

/// The pattern editor's commands, as far as their notices differ.
enum class EditCommand { Add, Delete, Save };

namespace texts {

/// What the catalogue's author is told after an editor command, German when the language flag is 1;
/// empty when the command did all it was asked. `category` names the category a delete refused to empty.
std::string editorNotice(int languageFlag, EditCommand command, EditOutcome outcome, int category);

}  // namespace texts
}  // namespace pivo
