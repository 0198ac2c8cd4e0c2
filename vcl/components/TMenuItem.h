#pragma once

#include <string>
#include <vector>

#include "TComponent.h"
#include "TPicture.h"

class TMainMenu;

// One item of a menu: a caption with an optional glyph beside it, a click handler, and the
// items of its submenu. An item with sub-items opens them; one without acts when clicked.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner) : TComponent(owner) {}

    bool SetParentComponent(TComponent& parent) override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    const TPicture& Bitmap() const { return bitmap_; }
    void SetBitmap(TPicture bitmap);
    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }

    // The submenu. Items are owned by the form; the menu only links them.
    void Add(TMenuItem& item);
    const std::vector<TMenuItem*>& Items() const { return items_; }

    // What a click on the item does: runs OnClick when there is one.
    void Click();

private:
    friend class TMainMenu;
    void Changed();
    void AttachTo(TMainMenu* menu);

    std::string caption_;
    TPicture bitmap_;
    TNotifyEvent onClick_;
    std::vector<TMenuItem*> items_;
    TMainMenu* menu_ = nullptr;
};
