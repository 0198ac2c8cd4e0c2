#include "LayoutTokenizer.h"

#include <climits>
#include <cstdint>

#include "LayoutError.h"
#include "LayoutUtf8.h"

namespace {

constexpr std::string_view kEndOfText = "конец текста";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::uint32_t kLastCodePoint = 0x10FFFF;

bool IsNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNamePart(char c) { return IsNameStart(c) || IsDigit(c); }

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// A control character is shown the way the form file would write it: #13.
std::string CharCodeWord(unsigned char c) { return "#" + std::to_string(c); }

// A byte that is not UTF-8 cannot go into the message as it is; it is shown in hex: 0xFF.
std::string ByteWord(unsigned char c) {
    constexpr char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[c >> 4] + digits[c & 0x0F];
}

}  // namespace

LayoutTokenizer::LayoutTokenizer(std::string_view text) : text_(text) {
    if (text_.starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
}

LayoutToken LayoutTokenizer::Next() {
    SkipBlanks();
    if (pos_ >= text_.size()) {
        LayoutToken end;
        end.source = kEndOfText;
        end.line = lastTokenLine_;  // a missing "end" is reported where the text stops, not after its blank lines
        return end;
    }

    const char c = text_[pos_];
    if (IsNameStart(c)) return ReadWord();
    if (IsDigit(c)) return ReadNumber();
    if (c == '\'' || c == '#') return ReadString();

    LayoutToken::Kind kind{};
    switch (c) {
        case '=': kind = LayoutToken::Kind::Equals; break;
        case ':': kind = LayoutToken::Kind::Colon; break;
        case ',': kind = LayoutToken::Kind::Comma; break;
        case '[': kind = LayoutToken::Kind::OpenBracket; break;
        case ']': kind = LayoutToken::Kind::CloseBracket; break;
        case '+': kind = LayoutToken::Kind::Plus; break;
        case '-': kind = LayoutToken::Kind::Minus; break;
        default: FailAtCharacter();
    }
    ++pos_;
    return Make(kind, pos_ - 1);
}

// Blank lines and indentation carry no meaning. Only a line feed starts a new line, so CR LF
// endings count once.
void LayoutTokenizer::SkipBlanks() {
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '\n') {
            if (line_ < INT_MAX) ++line_;
        } else if (c != ' ' && c != '\t' && c != '\r') {
            return;
        }
        ++pos_;
    }
}

// A name, or a dotted property name: Font.Height.
LayoutToken LayoutTokenizer::ReadWord() {
    const std::size_t start = pos_;
    for (;;) {
        while (pos_ < text_.size() && IsNamePart(text_[pos_])) ++pos_;
        if (!(At('.') && pos_ + 1 < text_.size() && IsNameStart(text_[pos_ + 1]))) break;
        ++pos_;
    }
    return Make(LayoutToken::Kind::Word, start);
}

// Digits only; letters or a point glued to them (12px, 1.5, 0x1F) make the whole run a bad number
// rather than a number followed by something unrelated.
LayoutToken LayoutTokenizer::ReadNumber() {
    const std::size_t start = pos_;
    bool digitsOnly = true;
    while (pos_ < text_.size() && (IsNamePart(text_[pos_]) || text_[pos_] == '.')) {
        digitsOnly = digitsOnly && IsDigit(text_[pos_]);
        ++pos_;
    }
    if (!digitsOnly) Fail(text_.substr(start, pos_ - start), "неверное число");
    return Make(LayoutToken::Kind::Number, start);
}

// Quoted pieces and #codes written next to each other make one string: 'a'#13#10'b'.
LayoutToken LayoutTokenizer::ReadString() {
    const std::size_t start = pos_;
    std::string decoded;
    for (;;) {
        if (At('\'')) {
            ReadQuoted(decoded);
        } else if (At('#')) {
            ReadCharCode(decoded);
        } else {
            break;
        }
    }
    LayoutToken token = Make(LayoutToken::Kind::String, start);
    token.text = std::move(decoded);
    return token;
}

void LayoutTokenizer::ReadQuoted(std::string& out) {
    const std::size_t start = pos_;
    ++pos_;  // the opening quote
    for (;;) {
        if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r') {
            Fail(text_.substr(start, pos_ - start), "незакрытая строка");
        }
        const auto c = static_cast<unsigned char>(text_[pos_]);
        if (c == '\'') {
            ++pos_;
            if (!At('\'')) return;
            out.push_back('\'');  // '' stands for one quote
            ++pos_;
        } else if (IsControl(c) && c != '\t') {
            Fail(CharCodeWord(c), "недопустимый символ в строке");
        } else {
            const std::size_t length = Utf8SequenceLength(text_.substr(pos_));
            if (length == 0) Fail(ByteWord(c), "неверная последовательность UTF-8");
            out.append(text_.substr(pos_, length));
            pos_ += length;
        }
    }
}

// #NNN: a decimal Unicode code point, stored as UTF-8.
void LayoutTokenizer::ReadCharCode(std::string& out) {
    const std::size_t start = pos_;
    ++pos_;  // '#'
    std::uint32_t codePoint = 0;
    bool valid = true;
    bool anyDigit = false;
    // Whatever is glued to the '#' belongs to the code, so that #$0D is reported whole.
    while (pos_ < text_.size() && (IsNamePart(text_[pos_]) || text_[pos_] == '$')) {
        const char c = text_[pos_];
        if (IsDigit(c)) {
            anyDigit = true;
            // Stops growing once out of range, so a long run of digits cannot overflow.
            if (codePoint <= kLastCodePoint) codePoint = codePoint * 10 + static_cast<std::uint32_t>(c - '0');
        } else {
            valid = false;
        }
        ++pos_;
    }
    const bool scalar = codePoint != 0 && codePoint <= kLastCodePoint &&
                        !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
    if (!valid || !anyDigit || !scalar) Fail(text_.substr(start, pos_ - start), "недопустимый код символа");
    AppendUtf8(out, codePoint);
}

[[noreturn]] void LayoutTokenizer::FailAtCharacter() {
    const auto c = static_cast<unsigned char>(text_[pos_]);
    if (IsControl(c)) Fail(CharCodeWord(c), "неизвестный символ");
    const std::size_t length = Utf8SequenceLength(text_.substr(pos_));
    if (length == 0) Fail(ByteWord(c), "неверная последовательность UTF-8");
    Fail(text_.substr(pos_, length), "неизвестный символ");
}

[[noreturn]] void LayoutTokenizer::Fail(std::string_view word, const char* problem) const {
    throw ELayoutError(line_, Abbreviated(word), problem);
}

LayoutToken LayoutTokenizer::Make(LayoutToken::Kind kind, std::size_t start) {
    lastTokenLine_ = line_;
    LayoutToken token;
    token.kind = kind;
    token.source = text_.substr(start, pos_ - start);
    token.line = line_;
    return token;
}
