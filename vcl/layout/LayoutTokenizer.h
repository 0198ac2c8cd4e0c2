#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One word of a form description, as the parser sees it.
struct LayoutToken {
    enum class Kind {
        Word,          // Left, Font.Height, clNavy, object, end
        Number,        // 63 (the sign is a token of its own)
        String,        // 'Первая часть '#13'и ' : adjacent quoted pieces and #codes
        Equals,        // =
        Colon,         // :
        Comma,         // ,
        OpenBracket,   // [
        CloseBracket,  // ]
        Plus,          // +
        Minus,         // -
        EndOfText,
    };

    Kind kind = Kind::EndOfText;
    std::string_view source;  // the token as written; the word an error names
    std::string text;         // String: the decoded UTF-8 text
    int line = 1;             // counted from 1
};

// Cuts a form description into tokens, one at a time, in a single pass over the text.
// Throws ELayoutError on a character that begins no token and on a string that cannot be read
// (unclosed, broken UTF-8, a control character, a bad #code).
class LayoutTokenizer {
public:
    explicit LayoutTokenizer(std::string_view text);

    LayoutToken Next();

private:
    void SkipBlanks();
    LayoutToken ReadWord();
    LayoutToken ReadNumber();
    LayoutToken ReadString();
    void ReadQuoted(std::string& out);
    void ReadCharCode(std::string& out);
    [[noreturn]] void FailAtCharacter();
    [[noreturn]] void Fail(std::string_view word, const char* problem) const;

    LayoutToken Make(LayoutToken::Kind kind, std::size_t start);
    bool At(char c) const { return pos_ < text_.size() && text_[pos_] == c; }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int lastTokenLine_ = 1;
};
