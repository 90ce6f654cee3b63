#pragma once

namespace pivo {

/// What the game's message box is asked to show; the kind picks its text and its buttons.
enum class MessageKind {
    Solved = 1,     ///< the built-in cheer when a tangram is solved; one button
    Quit = 3,       ///< the built-in question before the game ends; two buttons
    GiveUp = 4,     ///< the built-in question before a new game; two buttons
    Notice = 10,    ///< a caller's text; one button
    Question = 11,  ///< a caller's question; two buttons
};

/// How a message box or question was answered.
enum class DialogAnswer { Yes = 6, No = 7 };

/// Whether a kind asks a question (a No button beside the Yes button).
constexpr bool isQuestion(MessageKind kind) {
    return kind == MessageKind::Quit || kind == MessageKind::GiveUp || kind == MessageKind::Question;
}

}  // namespace pivo
