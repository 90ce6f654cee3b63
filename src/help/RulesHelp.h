#pragma once

namespace pivo {

/// The rules of the game in the help viewer: context 1 the German rules, context 2 the English ones.
class RulesHelp {
public:
    virtual ~RulesHelp() = default;
    virtual void open(int context) = 0;
    /// Closes every help window the game opened.
    virtual void quit() = 0;
};

}  // namespace pivo
