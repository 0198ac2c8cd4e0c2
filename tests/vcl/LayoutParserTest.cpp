#include "LayoutParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LayoutError.h"

namespace {

// One line per value, so that a whole tree compares as text and a mismatch shows where it is.
std::string Describe(const LayoutValue& value) {
    switch (value.kind) {
        case LayoutValue::Kind::String: return "str '" + value.text + "'";
        case LayoutValue::Kind::Integer: return "int " + std::to_string(value.number);
        case LayoutValue::Kind::Identifier: return "id " + value.text;
        case LayoutValue::Kind::Set: {
            std::string text = "set [";
            for (std::size_t i = 0; i < value.members.size(); ++i) text += (i ? "," : "") + value.members[i];
            return text + "]";
        }
    }
    return "?";
}

void Describe(const LayoutObject& object, int depth, std::vector<std::string>& out) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    out.push_back(std::to_string(object.line) + " " + indent + object.name + ": " + object.className);
    for (const LayoutProperty& property : object.properties) {
        out.push_back(std::to_string(property.line) + " " + indent + "  " + property.name + " = " +
                      Describe(property.value));
    }
    for (const LayoutObject& child : object.children) Describe(child, depth + 1, out);
}

std::vector<std::string> Describe(const LayoutObject& root) {
    std::vector<std::string> out;
    Describe(root, 0, out);
    return out;
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// The value of the one property of a one-object layout.
LayoutValue ValueOf(const std::string& written) {
    const LayoutObject root = ParseLayout("object A: TA\n  P = " + written + "\nend\n");
    EXPECT_EQ(root.properties.size(), 1u);
    return root.properties.at(0).value;
}

TEST(LayoutParser, ReadsAFormIntoItsTree) {
    const char* text =
        "\n"
        "object Quarvel: TQuarvel\n"
        "  Left = 63\n"
        "  Caption = 'Quarvel'\n"
        "  Color = clNavy\n"
        "  Font.Height = -11\n"
        "  Font.Style = [fsBold]\n"
        "  Hint = 'Первая часть '#13'и ' +\n"
        "    'вторая'\n"
        "  object Label1: TLabel\n"
        "    Caption = 'Ёмкость конденсатора С1, нФ'\n"
        "    Cursor = crCross\n"
        "  end\n"
        "\n"
        "  object MainMenu1: TMainMenu\n"
        "    object N1: TMenuItem\n"
        "      Caption = 'Рассчитать!'\n"
        "      OnClick = N1Click\n"
        "    end\n"
        "    object N2: TMenuItem\n"
        "    end\n"
        "  end\n"
        "  ShowHint = True\n"
        "end\n";
    const std::vector<std::string> expected = {
        "2 Quarvel: TQuarvel",
        "3   Left = int 63",
        "4   Caption = str 'Quarvel'",
        "5   Color = id clNavy",
        "6   Font.Height = int -11",
        "7   Font.Style = set [fsBold]",
        "8   Hint = str 'Первая часть \rи вторая'",
        "23   ShowHint = id True",
        "10   Label1: TLabel",
        "11     Caption = str 'Ёмкость конденсатора С1, нФ'",
        "12     Cursor = id crCross",
        "15   MainMenu1: TMainMenu",
        "16     N1: TMenuItem",
        "17       Caption = str 'Рассчитать!'",
        "18       OnClick = id N1Click",
        "20     N2: TMenuItem",
    };
    EXPECT_EQ(Describe(ParseLayout(text)), expected);
}

TEST(LayoutParser, ReadsEachKindOfValue) {
    const struct {
        const char* written;
        const char* expected;
    } cases[] = {
        {"0", "int 0"},
        {"+5", "int 5"},
        {"- 7", "int -7"},
        {"007", "int 7"},
        {"9223372036854775807", "int 9223372036854775807"},
        {"-9223372036854775808", "int -9223372036854775808"},
        {"_x9", "id _x9"},
        {"[]", "set []"},
        {"[ fsBold , fsItalic,fsUnderline ]", "set [fsBold,fsItalic,fsUnderline]"},
        {"[\n fsBold,\n fsItalic\n ]", "set [fsBold,fsItalic]"},
        {"''", "str ''"},
        {"'it''s'", "str 'it's'"},
        {"''''", "str '''"},
        {"'\ttab'", "str '\ttab'"},
        {"#1055#1088#1080", "str 'При'"},
        {"#13#10", "str '\r\n'"},
        {"'a'#9'b'", "str 'a\tb'"},
        {"#65'bc'#68", "str 'AbcD'"},
        {"#128512", "str '\xF0\x9F\x98\x80'"},
        {"#1114111", "str '\xF4\x8F\xBF\xBF'"},
        {"'a' + 'b' +\n\n  'c'", "str 'abc'"},
        {"\n  'on the next line'", "str 'on the next line'"},
        {"'Ёж' + #1105", "str 'Ёжё'"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Describe(ValueOf(c.written)), c.expected) << c.written;
    }
}

TEST(LayoutParser, CountsLinesAcrossLineEndingsAndBlanks) {
    const LayoutObject root = ParseLayout(
        "\xEF\xBB\xBF"  // a byte order mark is skipped
        "object A: TA\r\n"
        "\r\n"
        "\t Left = 1 Top = 2\r\n"
        "  object B: TB end\r\n"
        "end");
    EXPECT_EQ(Describe(root), (std::vector<std::string>{"1 A: TA", "3   Left = int 1", "3   Top = int 2", "4   B: TB"}));
}

TEST(LayoutParser, TakesNestingUpToItsLimit) {
    const auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i) text += "object O" + std::to_string(i) + ": T\n";
        for (int i = 0; i < depth; ++i) text += "end\n";
        return text;
    };
    const LayoutObject* deepest = nullptr;
    const LayoutObject root = ParseLayout(nested(64));
    for (deepest = &root; !deepest->children.empty(); deepest = &deepest->children.front()) {}
    EXPECT_EQ(deepest->name, "O63");
    EXPECT_EQ(deepest->line, 64);

    try {
        ParseLayout(nested(100000));
        FAIL() << "no error for nesting too deep";
    } catch (const ELayoutError& error) {
        EXPECT_EQ(error.Line(), 65);
        EXPECT_EQ(error.Word(), "object");
    }
}

// Each broken layout must name the line and the word at fault, with a problem a reader understands.
TEST(LayoutParser, RejectsBrokenLayoutsNamingLineAndWord) {
    const std::string head = "object A: TA\n  Left = 1\n";  // properties below start on line 3
    const struct {
        std::string text;
        int line;
        std::string word;
        std::string problem;
    } cases[] = {
        // structure
        {"", 1, "конец текста", "ожидалось «object» вместо"},
        {"\n\n  \n", 1, "конец текста", "ожидалось «object» вместо"},
        {"Left = 1", 1, "Left", "ожидалось «object» вместо"},
        {head, 2, "конец текста", "ожидалось «end» вместо"},
        {head + "  object B: TB\n  end\n\n\n", 4, "конец текста", "ожидалось «end» вместо"},
        {head + "end\nobject B: TB\nend\n", 4, "object", "лишний текст после корневого объекта"},
        {head + "end end", 3, "end", "лишний текст после корневого объекта"},
        {"object A:\n  Left = 1\nend", 1, "конец строки", "ожидалось имя класса вместо"},
        {"object A: \n", 1, "конец текста", "ожидалось имя класса вместо"},
        {"object A: 5\nend", 1, "5", "ожидалось имя класса вместо"},
        {"object A TA\nend", 1, "TA", "ожидалось «:» вместо"},
        {"object : TA\nend", 1, ":", "ожидалось имя объекта вместо"},
        {"object\nA: TA\nend", 1, "конец строки", "ожидалось имя объекта вместо"},
        {"object A.B: TA\nend", 1, "A.B", "ожидалось имя объекта вместо"},
        {"object end: TA\nend", 1, "end", "ожидалось имя объекта вместо"},
        {"object A: T.A\nend", 1, "T.A", "ожидалось имя класса вместо"},
        {head + "  Top 2\nend", 3, "2", "ожидалось «=» вместо"},
        {head + "  Top\nend", 4, "end", "ожидалось «=» вместо"},
        {head + "  = 2\nend", 3, "=", "ожидалось имя свойства вместо"},
        {head + "  'x'\nend", 3, "'x'", "ожидалось имя свойства вместо"},
        // values
        {head + "  Top =\nend", 4, "end", "ожидалось значение вместо"},
        {head + "  Top = object\nend", 3, "object", "ожидалось значение вместо"},
        {head + "  Top = =\nend", 3, "=", "ожидалось значение вместо"},
        {head + "  Color = cl.Navy\nend", 3, "cl.Navy", "ожидалось значение вместо"},
        {head + "  Top", 3, "конец текста", "ожидалось «=» вместо"},
        {head + "  Top = -x\nend", 3, "x", "ожидалось число вместо"},
        {head + "  Top = 9223372036854775808\nend", 3, "9223372036854775808", "число вне допустимого диапазона"},
        {head + "  Top = -9223372036854775809\nend", 3, "-9223372036854775809", "число вне допустимого диапазона"},
        {head + "  Top = 123456789012345678901234567890\nend", 3, "123456789012345678901234567890",
         "число вне допустимого диапазона"},
        {head + "  Top = 12px\nend", 3, "12px", "неверное число"},
        {head + "  Top = 1.5\nend", 3, "1.5", "неверное число"},
        {head + "  S = [a b]\nend", 3, "b", "ожидалось «,» или «]» вместо"},
        {head + "  S = [a,]\nend", 3, "]", "ожидалось имя в наборе вместо"},
        {head + "  S = [1]\nend", 3, "1", "ожидалось имя в наборе вместо"},
        {head + "  S = [a", 3, "конец текста", "ожидалось «,» или «]» вместо"},
        // strings
        {head + "  Caption = 'Первая\nend", 3, "'Первая", "незакрытая строка"},
        {head + "  Caption = 'ok' + 'ab\r\n'\nend", 3, "'ab", "незакрытая строка"},
        {head + "  Caption = 'abc", 3, "'abc", "незакрытая строка"},
        // a long word is cut to 40 characters, at a character boundary
        {head + "  Caption = '" + Repeat("Ж", 100000), 3, "'" + Repeat("Ж", 39) + "…", "незакрытая строка"},
        {head + "  '" + Repeat("ab", 30) + "' = 1\nend", 3, "'" + Repeat("ab", 19) + "a…", "ожидалось имя свойства вместо"},
        {head + "  Caption = 'a' +\nend", 4, "end", "ожидалась строка вместо"},
        {head + "  Caption = 'a' + 5\nend", 3, "5", "ожидалась строка вместо"},
        {head + "  Caption = #0\nend", 3, "#0", "недопустимый код символа"},
        {head + "  Caption = 'a'#55296\nend", 3, "#55296", "недопустимый код символа"},
        {head + "  Caption = #57343'a'\nend", 3, "#57343", "недопустимый код символа"},
        {head + "  Caption = #1114112\nend", 3, "#1114112", "недопустимый код символа"},
        {head + "  Caption = #99999999999999999999999\nend", 3, "#99999999999999999999999", "недопустимый код символа"},
        {head + "  Caption = #\nend", 3, "#", "недопустимый код символа"},
        {head + "  Caption = #$0D\nend", 3, "#$0D", "недопустимый код символа"},
        {head + "  Caption = #13x\nend", 3, "#13x", "недопустимый код символа"},
        {head + "  Caption = 'a" + std::string(1, '\0') + "b'\nend", 3, "#0", "недопустимый символ в строке"},
        {head + "  Caption = 'a\x1B'\nend", 3, "#27", "недопустимый символ в строке"},
        {head + "  Caption = 'a\xFF'\nend", 3, "0xFF", "неверная последовательность UTF-8"},
        {head + "  Caption = '\xC0\xAF'\nend", 3, "0xC0", "неверная последовательность UTF-8"},
        {head + "  Caption = '\xED\xA0\x80'\nend", 3, "0xED", "неверная последовательность UTF-8"},
        {head + "  Caption = '\xF4\x90\x80\x80'\nend", 3, "0xF4", "неверная последовательность UTF-8"},
        {head + "  Caption = '\xD0\x9F\xD0", 3, "0xD0", "неверная последовательность UTF-8"},
        {head + "  Caption = '\x80'\nend", 3, "0x80", "неверная последовательность UTF-8"},
        // characters outside strings
        {head + "  // a comment\nend", 3, "/", "неизвестный символ"},
        {head + "  { a comment }\nend", 3, "{", "неизвестный символ"},
        {head + "  Font. = 1\nend", 3, ".", "неизвестный символ"},
        {head + "  Top = 1;\nend", 3, ";", "неизвестный символ"},
        {head + "  Top = " + std::string(1, '\0') + "\nend", 3, "#0", "неизвестный символ"},
        {"object Окно: TForm\nend", 1, "О", "неизвестный символ"},
        {head + "  \xFF = 1\nend", 3, "0xFF", "неверная последовательность UTF-8"},
    };
    for (const auto& c : cases) {
        try {
            ParseLayout(c.text);
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const ELayoutError& error) {
            EXPECT_EQ(error.Line(), c.line) << c.text;
            EXPECT_EQ(error.Word(), c.word) << c.text;
            EXPECT_EQ(error.Message(),
                      "Описание окна, строка " + std::to_string(c.line) + ": " + c.problem + " «" + c.word + "»")
                << c.text;
        }
    }
}

}  // namespace
