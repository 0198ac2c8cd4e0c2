#include "EditContextMenu.h"

#include <FL/Fl_Group.H>
#include <FL/Fl_Menu_Button.H>

#include <array>

#include "FlColor.h"

namespace {
struct MenuItem {
    EditCommand command;
    const char* text;
    bool lineBelow;
};

constexpr std::array<MenuItem, 6> kItems = {{
    {EditCommand::Undo, "Отменить", true},
    {EditCommand::Cut, "Вырезать", false},
    {EditCommand::Copy, "Копировать", false},
    {EditCommand::Paste, "Вставить", false},
    {EditCommand::Delete, "Удалить", true},
    {EditCommand::SelectAll, "Выделить все", false},
}};
}  // namespace

bool CanAct(EditCommand command, const EditState& state) {
    switch (command) {
    case EditCommand::Undo: return state.canUndo;
    case EditCommand::Cut:
    case EditCommand::Copy:
    case EditCommand::Delete: return state.hasSelection;
    case EditCommand::Paste: return state.clipboardHasText;
    case EditCommand::SelectAll: return !state.wholeTextSelected;
    }
    return false;
}

EditContextMenu::EditContextMenu() : look_(std::make_unique<Fl_Menu_Button>(0, 0, 0, 0)) {
    if (look_->parent()) look_->parent()->remove(look_.get());
    // The menu colours of the form's menu bar; the chosen item is a flat bar, as the platform's.
    look_->color(ToFlColor(clMenu));
    look_->selection_color(ToFlColor(clNavy));
    look_->down_box(FL_FLAT_BOX);
}

EditContextMenu::~EditContextMenu() = default;

std::optional<EditCommand> EditContextMenu::Choose(int x, int y, const EditState& state, Fl_Font font,
                                                   Fl_Fontsize size) {
    entries_.clear();
    for (const MenuItem& item : kItems) {
        Fl_Menu_Item entry{};
        entry.text = item.text;
        entry.flags = (item.lineBelow ? FL_MENU_DIVIDER : 0) | (CanAct(item.command, state) ? 0 : FL_MENU_INACTIVE);
        entries_.push_back(entry);
    }
    entries_.push_back(Fl_Menu_Item{});
    look_->textfont(font);
    look_->textsize(size);
    const Fl_Menu_Item* chosen = entries_.front().popup(x, y, nullptr, nullptr, look_.get());
    if (!chosen) return std::nullopt;
    return kItems.at(static_cast<std::size_t>(chosen - entries_.data())).command;
}
