#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "Colors.h"

// The styles the font faces here are drawn in.
enum TFontStyle : std::uint8_t { fsBold, fsItalic };

// A set of font styles, as the layout writes it: [fsBold, fsItalic].
class TFontStyles {
public:
    TFontStyles() = default;
    TFontStyles(std::initializer_list<TFontStyle> styles) {
        for (TFontStyle s : styles) Include(s);
    }
    bool Contains(TFontStyle s) const { return (bits_ & Bit(s)) != 0; }
    void Include(TFontStyle s) { bits_ = static_cast<std::uint8_t>(bits_ | Bit(s)); }
    friend bool operator==(const TFontStyles&, const TFontStyles&) = default;

private:
    static std::uint8_t Bit(TFontStyle s) { return static_cast<std::uint8_t>(1u << s); }
    std::uint8_t bits_ = 0;
};

// A control's font. Height below zero is the character height in pixels (-11 is 11 px).
struct TFont {
    std::string Name = "MS Sans Serif";
    int Height = -11;
    TColor Color = clWindowText;
    TFontStyles Style;

    // The size in pixels the text is drawn at.
    int PixelHeight() const { return Height < 0 ? -Height : Height; }
    friend bool operator==(const TFont&, const TFont&) = default;
};
