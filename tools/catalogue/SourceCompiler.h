#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pivo::tool {

/// A problem in a catalogue source, located so that its author can fix it.
struct SourceError {
    std::string file;
    int line = 0;
    std::string message;
};

/// "file:line: message", the form editors and terminals recognise.
std::string formatSourceError(const SourceError& error);

/// Turns catalogue sources into the bytes of a data file, one 22-byte record per figure line.
///
/// Sources are fed in order and their records concatenated. Each source names its own categories:
/// a figure line before the first `category` line of its file is an error, so that a file never
/// silently inherits the category of the file compiled before it. A `trailing` line stands for the
/// partial record at the end of a damaged data file; nothing but comments may follow it.
class SourceCompiler {
public:
    /// Compiles one source text; `fileName` only serves the error messages. A UTF-8 byte-order mark
    /// at its start is skipped.
    void addSource(std::string_view fileName, std::string_view text);

    /// The data file image so far; meaningless once errors() is not empty.
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    const std::vector<SourceError>& errors() const { return errors_; }

private:
    void compileLine(std::string_view content);
    void compileCategory(const std::vector<std::string_view>& tokens);
    void compileFigure(const std::vector<std::string_view>& tokens);
    void compileTrailing(const std::vector<std::string_view>& tokens);
    void fail(std::string message);

    std::vector<std::uint8_t> bytes_;
    std::vector<SourceError> errors_;
    std::string file_;
    int line_ = 0;
    std::optional<std::uint8_t> category_;
    /// "file:line" of the trailing bytes, once they were given.
    std::optional<std::string> trailingAt_;
};

}  // namespace pivo::tool
