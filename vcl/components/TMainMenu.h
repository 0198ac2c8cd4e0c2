#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "TComponent.h"

class Fl_Menu_Bar;
struct Fl_Menu_Item;
struct Fl_Multi_Label;
class TMenuItem;

// A form's menu bar. Its top-level items stand on the bar; a click on one without sub-items
// acts at once, a click on one with sub-items drops them down. Items show no hints.
class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    void Add(TMenuItem& item);
    const std::vector<TMenuItem*>& Items() const { return items_; }

    // Chooses the item through the menu bar widget, exactly as a click of the user's does
    // (the bar's callback then runs the item's Click).
    void Pick(const TMenuItem& item);

    Fl_Menu_Bar* Widget() const { return bar_.get(); }
    // The FLTK entries as shown now, for tests that look at the bar.
    const std::vector<Fl_Menu_Item>& Entries() const { return entries_; }

    // Rebuilds the bar's entries from the items; items call it when they change.
    void Rebuild();

    // Takes the menu from one density to another, m / d times the size: its text and its
    // items' glyphs (the form sizes the bar).
    void ChangeScale(int m, int d);

private:
    void Append(TMenuItem& item);

    std::unique_ptr<Fl_Menu_Bar> bar_;
    std::vector<TMenuItem*> items_;
    std::vector<Fl_Menu_Item> entries_;
    std::deque<std::string> texts_;
    std::deque<Fl_Multi_Label> labels_;
};
