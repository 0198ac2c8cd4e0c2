#include "TMainMenu.h"

#include <FL/Fl_Group.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Multi_Label.H>
#include <FL/Fl_RGB_Image.H>

#include "ComponentClass.h"
#include "Exception.h"
#include "FlColor.h"
#include "FlFont.h"
#include "MulDiv.h"
#include "TApplication.h"
#include "TMenuItem.h"

namespace {
// A handler's error must not unwind through FLTK's event handling: it is reported here, as the
// toolkit reports every error of an event, and the loop goes on.
void ItemChosen(Fl_Widget*, void* item) {
    try {
        static_cast<TMenuItem*>(item)->Click();
    } catch (...) {
        Application->HandleException(std::current_exception());
    }
}
}  // namespace

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), bar_(std::make_unique<Fl_Menu_Bar>(0, 0, 0, 0)) {
    if (bar_->parent()) bar_->parent()->remove(bar_.get());
    bar_->box(FL_FLAT_BOX);
    bar_->down_box(FL_THIN_DOWN_BOX);
    bar_->color(ToFlColor(clMenu));
    bar_->selection_color(ToFlColor(clNavy));
    bar_->textfont(ToFlFont(TFont{}));
    bar_->textsize(ToFlFontSize(TFont{}));
    bar_->clear_visible_focus();
    Rebuild();
}

TMainMenu::~TMainMenu() {
    if (bar_->parent()) bar_->parent()->remove(bar_.get());
    bar_->menu(nullptr);
}

void TMainMenu::Add(TMenuItem& item) {
    items_.push_back(&item);
    item.AttachTo(this);
    Rebuild();
}

void TMainMenu::Rebuild() {
    entries_.clear();
    texts_.clear();
    labels_.clear();
    // Entries are counted first so that the vector never moves while the bar points into it.
    std::size_t count = 1;
    auto countItems = [&count](auto& self, const std::vector<TMenuItem*>& items) -> void {
        for (const TMenuItem* i : items) {
            ++count;
            if (!i->Items().empty()) count += 1, self(self, i->Items());
        }
    };
    countItems(countItems, items_);
    entries_.reserve(count);
    for (TMenuItem* item : items_) Append(*item);
    entries_.push_back(Fl_Menu_Item{});
    bar_->menu(entries_.data());
}

void TMainMenu::Append(TMenuItem& item) {
    Fl_Menu_Item entry{};
    // With a glyph, the caption stands to its right after a space.
    std::string& text = texts_.emplace_back(item.Bitmap().Empty() ? "" : " ");
    text.append(item.Caption());
    entry.text = texts_.back().c_str();
    entry.labeltype_ = FL_NORMAL_LABEL;
    if (item.Items().empty()) {
        entry.callback_ = ItemChosen;
        entry.user_data_ = &item;
    } else {
        entry.flags = FL_SUBMENU;
    }
    if (!item.Bitmap().Empty()) {
        // FLTK registers its image label kind when an image first labels something.
        Fl_Menu_Item registrar{};
        item.Bitmap().Image()->label(&registrar);
        Fl_Multi_Label& label = labels_.emplace_back();
        label.labela = reinterpret_cast<const char*>(static_cast<Fl_Image*>(item.Bitmap().Image()));
        label.typea = _FL_IMAGE_LABEL;
        label.labelb = texts_.back().c_str();
        label.typeb = FL_NORMAL_LABEL;
        label.label(&entry);
    }
    entries_.push_back(entry);
    if (!item.Items().empty()) {
        for (TMenuItem* sub : item.Items()) Append(*sub);
        entries_.push_back(Fl_Menu_Item{});
    }
}

void TMainMenu::Pick(const TMenuItem& item) {
    for (const Fl_Menu_Item& entry : entries_)
        if (entry.user_data_ == &item) {
            bar_->picked(&entry);
            return;
        }
    throw Exception("Пункт меню «" + item.Name() + "» не выбирается");
}

void TMainMenu::ChangeScale(int m, int d) {
    bar_->textsize(MulDiv(bar_->textsize(), m, d));
    const auto scaleGlyphs = [m, d](auto& self, const std::vector<TMenuItem*>& items) -> void {
        for (TMenuItem* item : items) {
            const TPicture& glyph = item->Bitmap();
            if (!glyph.Empty()) item->SetBitmap(glyph.Scaled(MulDiv(glyph.Width(), m, d), MulDiv(glyph.Height(), m, d)));
            self(self, item->Items());
        }
    };
    scaleGlyphs(scaleGlyphs, items_);
    Rebuild();
}

namespace {
// A menu stands directly in its form's block; its items stand in its own.
[[maybe_unused]] const TComponentClass& mainMenuClass = RegisterClass(ClassOf<TMainMenu, TComponent>("TMainMenu").Creatable());
}  // namespace
