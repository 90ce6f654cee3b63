#include "THookHelpSystem.h"

#include "HelpContexts.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace pivo {

THookHelpSystem::THookHelpSystem(std::string programFolder, ShowMessage showMessage)
    : programFolder_(std::move(programFolder)), showMessage_(std::move(showMessage)) {}

THookHelpSystem::~THookHelpSystem() = default;

void THookHelpSystem::HelpHook(int command, int data) {
    switch (command) {
        case HelpContext:
        case HelpContextPopup: HHHelpContext(data); break;
        case HelpQuit:
            if (window_) window_->close();
            break;
        default: break;
    }
}

void THookHelpSystem::HHHelpContext(int context) {
    const char* file = help::helpFile(context);
    if (!file) {
        showMessage_("There is no help for topic " + std::to_string(context) + ".");
        return;
    }
    const std::string path = programFolder_ + file;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || !std::ifstream(path)) {
        // An empty help window would leave the player guessing; say what is missing instead.
        showMessage_(context == help::GermanRules ? "Die Hilfedatei " + path + " wurde nicht gefunden."
                                                  : "Can't find the help file " + path + ".");
        return;
    }
    if (!window_) window_ = std::make_unique<HelpWindow>(programFolder_);
    window_->showPage(file);
}

}  // namespace pivo
