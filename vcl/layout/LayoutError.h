#pragma once

#include <string>

#include "Exception.h"

// A form description that cannot be read or built: it names the line and the word at fault.
// A broken layout is a programming error found when the form is created, never a control that
// silently goes missing.
class ELayoutError : public Exception {
public:
    // problem: what is wrong, in Russian, e.g. "неизвестное свойство"
    ELayoutError(int line, std::string word, const std::string& problem)
        : Exception("Описание окна, строка " + std::to_string(line) + ": " + problem + " «" + word + "»"),
          line_(line),
          word_(std::move(word)) {}

    int Line() const noexcept { return line_; }
    const std::string& Word() const noexcept { return word_; }

private:
    int line_;
    std::string word_;
};
