#pragma once

#include "HelpWindow.h"
#include "RulesHelp.h"

#include <functional>
#include <memory>
#include <string>

namespace pivo {

/// The help layer: turns the game's help requests (context numbers and commands of the older help
/// interface) into pages of our own help window. The rules lie as HTML files in the program folder:
/// context 1 the German rules, context 2 the English ones. The window is made at the first request,
/// reused and brought to the front by every later one, and closed when the game quits.
class THookHelpSystem : public RulesHelp {
public:
    /// Commands of the older help interface that reach the hook.
    enum Command { HelpContext = 1, HelpQuit = 2, HelpContextPopup = 8 };
    /// Shows a one-button message to the player, in the game's own message dialog.
    using ShowMessage = std::function<void(const std::string& text)>;

    /// `programFolder` ends with a separator; `showMessage` tells the player when a help file is missing.
    THookHelpSystem(std::string programFolder, ShowMessage showMessage);
    ~THookHelpSystem() override;
    THookHelpSystem(const THookHelpSystem&) = delete;
    THookHelpSystem& operator=(const THookHelpSystem&) = delete;

    void open(int context) override { HelpHook(HelpContext, context); }
    void quit() override { HelpHook(HelpQuit, 0); }

    /// Serves one help request: a context (also as a popup) opens its page, quit closes the help.
    /// Other commands need nothing here.
    void HelpHook(int command, int data);

    /// The help window, or nullptr before the first page was shown.
    HelpWindow* window() const { return window_.get(); }

private:
    /// Shows the page of `context`, or tells the player in the page's language why it cannot.
    void HHHelpContext(int context);

    std::string programFolder_;
    ShowMessage showMessage_;
    std::unique_ptr<HelpWindow> window_;
};

}  // namespace pivo
