// LAYOUT_PARSER_STUB: stands in until the layout parser is merged; the real one replaces this file.
#include "LayoutParser.h"

#include "LayoutError.h"

LayoutObject ParseLayout(std::string_view) {
    throw ELayoutError(1, "ParseLayout", "разбор описания окна ещё не подключён");
}
