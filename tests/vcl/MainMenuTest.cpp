#include <gtest/gtest.h>

#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Item.H>

#include <string>
#include <vector>

#include "Exception.h"
#include "TForm.h"
#include "TMainMenu.h"
#include "TMenuItem.h"

// A menu like the main window's: two commands on the bar and a submenu of notes.
class MenuOnForm : public ::testing::Test {
protected:
    MenuOnForm() {
        menu = form.InsertComponent(std::make_unique<TMainMenu>(&form));
        calc = Item("N1", "Рассчитать!", nullptr);
        exit = Item("N2", "Выход из программы", nullptr);
        about = Item("N3", "О программе", nullptr);
        note1 = Item("N4", "Первая заметка", about);
        note2 = Item("N5", "Вторая заметка", about);
        calc->SetOnClick([this](TObject* sender) { clicks.push_back(static_cast<TMenuItem*>(sender)->Name()); });
        exit->SetOnClick([this](TObject* sender) { clicks.push_back(static_cast<TMenuItem*>(sender)->Name()); });
        form.SetMenu(menu);
    }

    TMenuItem* Item(const char* name, const char* caption, TMenuItem* parent) {
        auto* item = form.InsertComponent(std::make_unique<TMenuItem>(&form));
        item->SetName(name);
        item->SetCaption(caption);
        if (parent) parent->Add(*item);
        else menu->Add(*item);
        return item;
    }

    TForm form{nullptr};
    TMainMenu* menu = nullptr;
    TMenuItem *calc = nullptr, *exit = nullptr, *about = nullptr, *note1 = nullptr, *note2 = nullptr;
    std::vector<std::string> clicks;
};

TEST_F(MenuOnForm, CommandsStandOnTheBarAndTheNotesInASubmenu) {
    const std::vector<Fl_Menu_Item>& e = menu->Entries();
    // N1, N2, N3 { N4, N5 }, end of the bar
    ASSERT_EQ(e.size(), 7u);
    EXPECT_STREQ(e[0].label(), "Рассчитать!");
    EXPECT_FALSE(e[0].submenu());
    EXPECT_FALSE(e[1].submenu());
    EXPECT_TRUE(e[2].submenu());
    EXPECT_STREQ(e[3].label(), "Первая заметка");
    EXPECT_STREQ(e[4].label(), "Вторая заметка");
    EXPECT_EQ(e[5].label(), nullptr);
    EXPECT_EQ(e[6].label(), nullptr);
    EXPECT_EQ(menu->Widget()->menu(), e.data());
    EXPECT_EQ(menu->Widget()->tooltip(), nullptr);
}

TEST_F(MenuOnForm, PickingACommandThroughTheBarRunsItsHandlerWithTheItemAsSender) {
    menu->Pick(*calc);
    menu->Pick(*exit);
    calc->Click();
    EXPECT_EQ(clicks, (std::vector<std::string>{"N1", "N2", "N1"}));
}

TEST_F(MenuOnForm, NotesDoNothingWhenChosen) {
    menu->Pick(*note1);
    menu->Pick(*note2);
    note1->Click();
    EXPECT_TRUE(clicks.empty());
}

TEST_F(MenuOnForm, ASubmenuTitleOpensItsItemsAndIsNoCommand) {
    EXPECT_THROW(menu->Pick(*about), Exception);
    about->Click();
    EXPECT_TRUE(clicks.empty());
}

TEST_F(MenuOnForm, ACaptionChangeReachesTheBar) {
    exit->SetCaption("Выход");
    EXPECT_STREQ(menu->Entries()[1].label(), "Выход");
}
