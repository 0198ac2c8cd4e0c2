#include "TMenuItem.h"

#include "ComponentClass.h"
#include "ControlValues.h"
#include "Reader.h"
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
    items_.push_back(&item);
    item.AttachTo(menu_);
    Changed();
}

bool TMenuItem::SetParentComponent(TComponent& parent) {
    if (auto* menu = dynamic_cast<TMainMenu*>(&parent)) menu->Add(*this);
    else if (auto* item = dynamic_cast<TMenuItem*>(&parent)) item->Add(*this);
    else return false;
    return true;
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

namespace {
[[maybe_unused]] const TComponentClass& menuItemClass = RegisterClass(
    ClassOf<TMenuItem, TComponent>("TMenuItem")
        .Creatable()
        .Property("Caption", &TMenuItem::SetCaption, StringValue)
        .Property("Bitmap", &TMenuItem::SetBitmap, PictureValue)
        .Property("OnClick", [](TMenuItem& item, const LayoutProperty& p, TReader& reader) { item.SetOnClick(reader.Handler(p)); }));
}  // namespace
