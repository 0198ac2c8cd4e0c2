#include "FlFont.h"

#include <FL/Fl.H>
#include <fontconfig/fontconfig.h>

#include <deque>
#include <map>
#include <string>
#include <strings.h>
#include <utility>

namespace {
bool FamilyInstalledIn(FcConfig* config, const std::string& family) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family.c_str()));
    if (!pattern) return false;
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    bool same = false;
    FcChar8* found = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &found) == FcResultMatch)
        same = strcasecmp(reinterpret_cast<const char*>(found), family.c_str()) == 0;
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return same;
}

std::string SystemFamily(const std::string& name) {
    if (strcasecmp(name.c_str(), "MS Sans Serif") == 0) return "Liberation Sans";
    return name;
}

// Asks fontconfig whether the family is installed: it always answers with some font, so the
// family it answers with must be the one asked for. A configuration of its own, released after
// the question, leaves fontconfig's shared state to Xft.
bool FamilyInstalled(const std::string& family) {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return false;
    const bool found = FamilyInstalledIn(config, family);
    FcConfigDestroy(config);
    return found;
}

Fl_Font BuiltinSans(bool bold, bool italic) {
    if (bold && italic) return FL_HELVETICA_BOLD_ITALIC;
    if (bold) return FL_HELVETICA_BOLD;
    if (italic) return FL_HELVETICA_ITALIC;
    return FL_HELVETICA;
}
}  // namespace

Fl_Font ToFlFont(const TFont& font) {
    const bool bold = font.Style.Contains(fsBold);
    const bool italic = font.Style.Contains(fsItalic);
    const std::string family = SystemFamily(font.Name);

    // FLTK keeps the name's pointer, so the names live as long as the program.
    static std::deque<std::string> names;
    static std::map<std::pair<std::string, int>, Fl_Font> faces;
    static std::map<std::string, bool> installed;
    static Fl_Font next = FL_FREE_FONT;

    const auto key = std::make_pair(family, (bold ? 1 : 0) + (italic ? 2 : 0));
    if (auto it = faces.find(key); it != faces.end()) return it->second;

    auto known = installed.find(family);
    if (known == installed.end()) known = installed.emplace(family, FamilyInstalled(family)).first;
    if (!known->second) return faces[key] = BuiltinSans(bold, italic);

    // FLTK's Xft names start with the style letter: ' ' plain, 'B' bold, 'I' italic, 'P' both.
    const char style = bold && italic ? 'P' : bold ? 'B' : italic ? 'I' : ' ';
    names.push_back(style + family);
    const Fl_Font face = next++;
    Fl::set_font(face, names.back().c_str());
    return faces[key] = face;
}
