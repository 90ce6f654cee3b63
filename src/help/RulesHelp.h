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

/// Opens nothing: the game's stand-in until the help viewer is connected.
class NoRulesHelp : public RulesHelp {
public:
    void open(int) override {}
    void quit() override {}
};

}  // namespace pivo
