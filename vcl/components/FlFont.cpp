#include "FlFont.h"

#include <FL/Fl.H>

#include <deque>
#include <map>
#include <string>
#include <strings.h>
#include <utility>

namespace {
std::string SystemFamily(const std::string& name) {
    if (strcasecmp(name.c_str(), "MS Sans Serif") == 0) return "Liberation Sans";
    return name;
}
}  // namespace

// FLTK draws text through Xft, which asks fontconfig for the family: a family that is not
// installed is answered with the nearest one fontconfig knows (a metric-compatible one where it
// has it, else the default sans), so text never goes undrawn for want of its font.
Fl_Font ToFlFont(const TFont& font) {
    const bool bold = font.Style.Contains(fsBold);
    const bool italic = font.Style.Contains(fsItalic);
    const std::string family = SystemFamily(font.Name);

    // FLTK keeps the name's pointer, so the names live as long as the program.
    static std::deque<std::string> names;
    static std::map<std::pair<std::string, int>, Fl_Font> faces;
    static Fl_Font next = FL_FREE_FONT;

    const auto key = std::make_pair(family, (bold ? 1 : 0) + (italic ? 2 : 0));
    if (auto it = faces.find(key); it != faces.end()) return it->second;

    // FLTK's Xft names start with the style letter: ' ' plain, 'B' bold, 'I' italic, 'P' both.
    const char style = bold && italic ? 'P' : bold ? 'B' : italic ? 'I' : ' ';
    names.push_back(style + family);
    const Fl_Font face = next++;
    Fl::set_font(face, names.back().c_str());
    return faces[key] = face;
}
