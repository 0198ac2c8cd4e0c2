#include "TMenuItem.h"

#include "TMainMenu.h"

void TMenuItem::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Changed();
}

void TMenuItem::SetBitmap(TPicture bitmap) {
    bitmap_ = std::move(bitmap);
    Changed();
}

void TMenuItem::Add(TMenuItem& item) {
    item.parentItem_ = this;
    items_.push_back(&item);
    item.AttachTo(menu_);
    Changed();
}

void TMenuItem::Click() {
    if (onClick_) onClick_(this);
}

void TMenuItem::Changed() {
    if (menu_) menu_->Rebuild();
}

void TMenuItem::AttachTo(TMainMenu* menu) {
    menu_ = menu;
    for (TMenuItem* item : items_) item->AttachTo(menu);
}
