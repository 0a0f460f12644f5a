#pragma once
// The automation script's text: one command a line, words separated by blanks, double quotes around a
// word with blanks (\" inside stands for a quote), '#' outside quotes starts a comment.

#include "platform/data/error.h"

#include <string>
#include <string_view>
#include <vector>

namespace vq::host {

struct ScriptLine {
    int line = 0;                   // 1-based line number in the script
    std::vector<std::string> words; // never empty
    std::string rest;               // the text after the first word, comment removed (JSON arguments)
};

// A script that cannot run; `line` is 0 when no line is concerned.
class ScriptError : public Error {
public:
    ScriptError(int line, const std::string& message);
    int line() const { return line_; }

private:
    int line_;
};

// Splits one line (no comment handling beyond '#'); throws ScriptError for an unterminated quote.
std::vector<std::string> splitWords(std::string_view text, int line);
// The text before an unquoted '#'.
std::string_view stripComment(std::string_view text);
// Every non-blank line; throws ScriptError naming the line of the first malformed one.
std::vector<ScriptLine> parseScript(std::string_view text);

} // namespace vq::host
