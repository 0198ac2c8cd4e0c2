// The main window in a real X server: what it draws, how a calculation changes it, and what the
// real pointer and keyboard see of it (hints, cursors, menu clicks), driven by xdotool.
#include <gtest/gtest.h>

#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>

#include <FL/Fl_Input.H>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "FormDisplay.h"
#include "FormatSettings.h"
#include "QuarvelUnit1.h"
#include "TApplication.h"
// Last: Xlib's macros (None, Bool) would break the headers above.
#include "RealInput.h"
#include <X11/cursorfont.h>

namespace {
constexpr TRGB Navy{0, 0, 128}, Lime{0, 255, 0}, Yellow{255, 255, 0}, Aqua{0, 255, 255}, Red{255, 0, 0},
    Shadow{128, 128, 128}, Highlight{255, 255, 255}, MenuFace{212, 208, 200};

const std::string kResultHint = "Результат расчёта";
const std::string kSchematicHint = "Электрическая схема темброблока";
const std::string kWarning = "Пожалуйста, проверьте вводимое сопротивление!";

// A number as the user's locale writes it ("0.1" becomes "0,1" where the comma separates).
std::string Local(std::string number) {
    if (const auto dot = number.find('.'); dot != std::string::npos)
        number.replace(dot, 1, FormatSettings().DecimalSeparator);
    return number;
}

struct Bounds {
    int left, top, width, height;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};
Bounds BoundsOf(const TControl& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

class QuarvelOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();  // opens the display, and lets the hints see the pointer's events
        Application->OnException = [this](const Exception& e) { errors.push_back(e.Message()); };
        form = std::make_unique<TQuarvel>(nullptr);
        form_display::ShowAndSettle(*form);
        // QUARVEL_SCREENSHOT=/tmp/quarvel.ppm keeps a picture of the window as first shown.
        if (const char* path = std::getenv("QUARVEL_SCREENSHOT")) form_display::Capture(*form).SavePPM(path);
        // QUARVEL_HOLD keeps the window up for three seconds, for a look from outside.
        if (std::getenv("QUARVEL_HOLD"))
            for (int i = 0; i < 100; ++i) Fl::wait(0.03);
    }
    void TearDown() override {
        if (form) form->Close();
        form_display::Settle();
        Application->OnException = nullptr;
    }

    // Calculate, chosen through the menu bar.
    void Calculate(const std::string& entry) {
        form->Edit1->SetText(entry);
        form->MainMenu1->Pick(*form->N1);
        form_display::Settle();
    }

    std::vector<TLabel*> ResultLabels() const {
        return {form->Label9, form->Label10, form->Label11, form->Label12, form->Label13, form->Label14, form->Label15};
    }

    // The centre of a top-level menu item, where a person clicks it; the bar lays its items
    // from x 6, each as wide as its glyph and text plus 16.
    real_input::ScreenPoint MenuItemCentre(const TMenuItem& item) const {
        const Fl_Menu_Bar& bar = *form->MainMenu1->Widget();
        const std::vector<TMenuItem*>& items = form->MainMenu1->Items();
        const auto index = std::find(items.begin(), items.end(), &item) - items.begin();
        int x = bar.x() + 6;
        const Fl_Menu_Item* m = bar.menu();
        for (auto i = 0; i < index; ++i, m = m->next()) x += m->measure(nullptr, &bar) + 16;
        const int w = m->measure(nullptr, &bar) + 16;
        return {form->Window()->x_root() + x + w / 2, form->Window()->y_root() + bar.y() + bar.h() / 2};
    }

    std::unique_ptr<TQuarvel> form;
    std::vector<std::string> errors;  // what the handlers raised
};
}  // namespace

TEST_F(QuarvelOnScreen, OpensWhereDesignedWithTheClientAreaOfTheDesign) {
    EXPECT_EQ(form->Left(), 63);
    EXPECT_EQ(form->Top(), 122);
    EXPECT_EQ(form->Window()->w(), 668);
    EXPECT_EQ(form->Window()->h(), 348);
}

TEST_F(QuarvelOnScreen, ColoursOfBackgroundCaptionsResultsAndFrames) {
    const form_display::Snapshot shot = form_display::Capture(*form);
    const int top = form->ClientOrigin();
    struct Probe {
        const char* what;
        int x, y;  // client coordinates
        TRGB colour;
    };
    const Probe probes[] = {
        {"window background", 300, 200, Navy},
        {"band of the hidden warning", 200, 45, Navy},
        {"caption Label1, top-left", 16, 16, Lime},
        {"caption Label1, top-right", 16 + form->Label1->Width() - 1, 16, Lime},
        {"caption Label2, top-left", 16, 80, Yellow},
        {"caption Label2, top-right", 16 + 178, 80, Yellow},
        {"caption Label8, bottom-left, inside Bevel9", 17, 272 + 12, Yellow},
        {"lowered frame Bevel2, top-left", 14, 14, Shadow},
        {"lowered frame Bevel2, bottom-right", 342, 30, Highlight},
        {"lowered frame Bevel3, top-left", 15, 78, Shadow},
        {"lowered frame Bevel3, bottom-right", 196, 94, Highlight},
        {"raised frame Bevel1, top-left", 333, 61, Highlight},
        {"raised frame Bevel1, bottom-right", 653, 309, Shadow},
    };
    for (const Probe& p : probes) EXPECT_EQ(shot.At(p.x, p.y + top), p.colour) << p.what;
    EXPECT_EQ(shot.At(660, 10), MenuFace) << "menu bar";

    // Each empty result label is an aqua block of 5 x 13 at x 208, navy all round.
    for (const TLabel* label : ResultLabels()) {
        const int y = label->Top() + top;
        for (int x = 208; x < 213; ++x) {
            EXPECT_EQ(shot.At(x, y), Aqua) << label->Name() << " x " << x;
            EXPECT_EQ(shot.At(x, y + 12), Aqua) << label->Name() << " x " << x;
        }
        EXPECT_EQ(shot.At(207, y + 6), Navy) << label->Name();
        EXPECT_EQ(shot.At(213, y + 6), Navy) << label->Name();
        EXPECT_EQ(shot.At(210, y - 1), Navy) << label->Name();
        EXPECT_EQ(shot.At(210, y + 13), Navy) << label->Name();
    }
}

TEST_F(QuarvelOnScreen, TheSchematicIsDrawnAtItsNaturalSizeAt336_64) {
    const TPicture schematic = TPicture::FromResource("schematic.png");
    const Fl_RGB_Image& image = *schematic.Image();
    ASSERT_EQ(image.w(), 315);
    ASSERT_EQ(image.h(), 242);
    ASSERT_GE(image.d(), 3);
    const form_display::Snapshot shot = form_display::Capture(*form);
    const int top = form->ClientOrigin();
    const auto* data = reinterpret_cast<const unsigned char*>(image.data()[0]);
    const int lineBytes = image.ld() ? image.ld() : image.w() * image.d();
    int wrong = 0;
    for (int y = 0; y < image.h(); ++y)
        for (int x = 0; x < image.w(); ++x) {
            const unsigned char* p = data + y * lineBytes + x * image.d();
            if (shot.At(336 + x, 64 + y + top) != TRGB{p[0], p[1], p[2]}) ++wrong;
        }
    EXPECT_EQ(wrong, 0) << "pixels of the schematic that differ on screen";
    // Just outside its top-left corner, inside the frame: the window's background.
    EXPECT_EQ(shot.At(335, 64 + top), Navy);
    EXPECT_EQ(shot.At(336, 63 + top), Navy);
}

TEST_F(QuarvelOnScreen, TheWarningIsHiddenWhenTheWindowOpens) {
    EXPECT_FALSE(form->Label16->Visible());
    const form_display::Snapshot shot = form_display::Capture(*form);
    const int top = form->ClientOrigin();
    int red = 0;
    for (int y = 34; y < 34 + 24; ++y)
        for (int x = 14; x < 14 + 508; ++x) red += shot.At(x, y + top) == Red;
    EXPECT_EQ(red, 0);
}

TEST_F(QuarvelOnScreen, LabelsTakeTheSizeOfTheirText) {
    EXPECT_EQ(form->Label2->Width(), 179);
    EXPECT_EQ(form->Label2->Height(), 13);
    // Liberation Sans matches the design's font closely, not exactly: the other captions come
    // within a few pixels of their designed widths, and every caption is one line of 13 px.
    struct Designed {
        TLabel* label;
        int width;
    };
    for (const Designed& d : {Designed{form->Label1, 325}, Designed{form->Label5, 157}, Designed{form->Label6, 165},
                              Designed{form->Label8, 165}}) {
        EXPECT_NEAR(d.label->Width(), d.width, 6) << d.label->Name();
        EXPECT_EQ(d.label->Height(), 13) << d.label->Name();
    }
    EXPECT_NEAR(form->Label16->Height(), 24, 2);
    EXPECT_EQ(form->Label9->Width(), 5);  // empty: the size it was given
}

// 0.1 gives the longest results (C4 = 220.0000): the result labels grow to the right from x 208
// and every other pixel of the window stays as it was, but for the entry box's new text.
TEST_F(QuarvelOnScreen, ACalculationWidensOnlyTheResultLabelsToTheRight) {
    std::vector<Bounds> before;
    for (const TControl* c : form->Controls()) before.push_back(BoundsOf(*c));
    const form_display::Snapshot first = form_display::Capture(*form);

    Calculate(Local("0.1"));
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(form->Label15->Caption(), Local("220.0000"));
    EXPECT_FALSE(form->Label16->Visible());

    const std::vector<TLabel*> results = ResultLabels();
    const auto isResult = [&](const TControl* c) { return std::find(results.begin(), results.end(), c) != results.end(); };
    for (std::size_t i = 0; i < form->Controls().size(); ++i) {
        const TControl& c = *form->Controls()[i];
        const Bounds now = BoundsOf(c);
        if (!isResult(&c)) {
            EXPECT_EQ(now, before[i]) << c.Name() << " moved";
        } else {
            EXPECT_EQ(now.left, before[i].left) << c.Name();
            EXPECT_EQ(now.top, before[i].top) << c.Name();
            EXPECT_EQ(now.height, before[i].height) << c.Name();
            EXPECT_GT(now.width, before[i].width) << c.Name();
        }
    }
    for (const TLabel* r : results) EXPECT_LE(r->Width(), form->Label15->Width()) << r->Name();

    const form_display::Snapshot second = form_display::Capture(*form);
    const int top = form->ClientOrigin();
    const auto inside = [top](const TControl& c, int x, int y) {
        return x >= c.Left() && x < c.Left() + c.Width() && y >= c.Top() + top && y < c.Top() + top + c.Height();
    };
    const auto insideAResult = [&](int x, int y) {
        return std::any_of(results.begin(), results.end(), [&](const TLabel* r) { return inside(*r, x, y); });
    };
    int changedOutside = 0;
    for (int y = 0; y < second.height; ++y)
        for (int x = 0; x < second.width; ++x)
            if (second.At(x, y) != first.At(x, y) && !insideAResult(x, y) && !inside(*form->Edit1, x, y)) ++changedOutside;
    EXPECT_EQ(changedOutside, 0) << "pixels changed outside the result labels and the entry's text";
    // Label15's aqua block ends at its new width; the row beside it is navy again.
    const int right = 208 + form->Label15->Width();
    EXPECT_EQ(second.At(right - 1, 272 + top), Aqua);
    EXPECT_EQ(second.At(right, 272 + top), Navy);
}

TEST_F(QuarvelOnScreen, AnOutOfRangeEntryShowsTheRedWarningAndAnInRangeOneHidesIt) {
    Calculate("15000");
    ASSERT_TRUE(errors.empty()) << errors.front();
    ASSERT_TRUE(form->Label16->Visible());
    EXPECT_EQ(form->Label16->Left(), 14);
    EXPECT_EQ(form->Label16->Top(), 34);
    EXPECT_GT(form->Label16->Width(), 400);  // the whole sentence in 19-px bold
    const int top = form->ClientOrigin();
    {
        const form_display::Snapshot shot = form_display::Capture(*form);
        EXPECT_EQ(shot.At(14, 34 + top), Red);
        EXPECT_EQ(shot.At(14 + form->Label16->Width() - 1, 34 + top + form->Label16->Height() - 1), Red);
        EXPECT_EQ(shot.At(14 + form->Label16->Width() + 1, 40 + top), Navy);
        int text = 0;  // the black letters on the red
        for (int y = 34; y < 34 + form->Label16->Height(); ++y)
            for (int x = 14; x < 14 + form->Label16->Width(); ++x) text += shot.At(x, y + top) == TRGB{0, 0, 0};
        EXPECT_GT(text, 200);
    }
    Calculate("100");
    EXPECT_FALSE(form->Label16->Visible());
    EXPECT_EQ(form_display::ClientPixel(*form, 14, 34), Navy);
    EXPECT_EQ(form->Label9->Caption(), Local("10.00"));
}

namespace {
Fl_Input& InputOf(const TEdit& edit) { return *static_cast<Fl_Input*>(edit.Widget()); }

// Where the entry box's selection starts and ends (the caret is at one end).
std::pair<int, int> Selection(const TEdit& edit) {
    const Fl_Input& input = InputOf(edit);
    return {std::min(input.position(), input.mark()), std::max(input.position(), input.mark())};
}

// While the error box runs its own loop, presses Enter in it, as a person would.
void PressEnterInTheBox(void*) {
    Fl_Window* box = Fl::modal();
    if (!box || !box->shown()) {
        Fl::repeat_timeout(0.01, PressEnterInTheBox);
        return;
    }
    real_input::StartXdotool({"windowfocus", "--sync", std::to_string(fl_xid(box)), "key", "Return"});
}
}  // namespace

// The entry box holds the focus with its "0" selected, so that what is typed at once replaces it.
TEST_F(QuarvelOnScreen, TheEntryBoxHoldsTheFocusWithItsTextSelected) {
    EXPECT_EQ(Fl::focus(), form->Edit1->Widget());
    EXPECT_EQ(Selection(*form->Edit1), std::make_pair(0, 1));
    const std::string window = std::to_string(fl_xid(form->Window()));
    ASSERT_TRUE(real_input::Xdotool({"windowfocus", "--sync", window, "type", "47"}));
    EXPECT_TRUE(real_input::WaitUntil([&] { return form->Edit1->Text() == "47"; })) << form->Edit1->Text();
}

// Tab brings the focus round to the entry box, its only windowed control, which selects its text.
TEST_F(QuarvelOnScreen, TabSelectsTheWholeEntry) {
    form->Edit1->SetText("1500");
    InputOf(*form->Edit1).position(2);
    const std::string window = std::to_string(fl_xid(form->Window()));
    ASSERT_TRUE(real_input::Xdotool({"windowfocus", "--sync", window, "key", "Tab"}));
    EXPECT_TRUE(real_input::WaitUntil([&] { return Selection(*form->Edit1) == std::make_pair(0, 4); }));
    EXPECT_EQ(Fl::focus(), form->Edit1->Widget());
}

// The focus comes back from the error box to the entry box with its text and selection as they
// were: what the user had marked to correct is still marked.
TEST_F(QuarvelOnScreen, TheEntryKeepsItsTextAndSelectionAcrossTheErrorBox) {
    form->Edit1->SetText("4x7");
    InputOf(*form->Edit1).position(2, 1);  // the x
    Application->OnException = nullptr;  // the real error box
    Fl::add_timeout(0.0, PressEnterInTheBox);
    form->MainMenu1->Pick(*form->N1);
    Fl::remove_timeout(PressEnterInTheBox);
    form_display::Settle();
    EXPECT_EQ(Fl::focus(), form->Edit1->Widget());
    EXPECT_EQ(form->Edit1->Text(), "4x7");
    EXPECT_EQ(Selection(*form->Edit1), std::make_pair(1, 2));
}

TEST_F(QuarvelOnScreen, ExitClosesTheWindow) {
    form->MainMenu1->Pick(*form->N2);
    form_display::Settle();
    EXPECT_FALSE(form->Showing());
}

// ---- The real pointer and keyboard ----

namespace {
const THintWindow& Hint() { return Application->Hints().Window(); }

// A place on the screen away from the window, where nothing shows a hint.
const real_input::ScreenPoint kAway{1200, 1000};
}  // namespace

// Each control's own hint, whole on one line, in the window's font.
TEST_F(QuarvelOnScreen, HoveringShowsEachControlsHint) {
    Calculate("0");  // shows the warning, which has a hint of its own
    ASSERT_TRUE(form->Label16->Visible());
    struct Case {
        const char* where;
        int x, y;  // client coordinates
        std::string hint;
    };
    const std::string& r2 = form->Label2->Caption();
    const Case cases[] = {
        {"caption Label1 inside its frame", 100, 20, form->Label1->Caption()},
        {"frame Bevel2, left edge", 14, 22, form->Label1->Caption()},
        {"caption Label2 inside its frame", 100, 85, r2},
        {"frame Bevel3 beside its caption", 196, 85, r2},
        {"caption Label3", 100, 117, form->Label3->Caption()},
        {"caption Label4", 100, 149, form->Label4->Caption()},
        {"caption Label5", 80, 181, form->Label5->Caption()},
        {"caption Label6", 80, 213, form->Label6->Caption()},
        {"caption Label7", 80, 245, form->Label7->Caption()},
        {"caption Label8", 80, 277, form->Label8->Caption()},
        {"result Label9", 210, 86, kResultHint},
        {"result Label12", 210, 182, kResultHint},
        {"result Label15", 210, 278, kResultHint},
        {"entry box Edit1", 420, 20, "Входное данное"},
        {"picture Image1 under Bevel1", 480, 180, kSchematicHint},
        {"frame Bevel1, left edge", 333, 150, kSchematicHint},
        {"warning Label16", 100, 45, kWarning},
    };
    const int oneLine = Hint().CalcHintRect(1280, "Ё", form->Font()).h;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        // From outside the window, so that each hint waits its own pause.
        ASSERT_TRUE(real_input::MovePointer(kAway));
        ASSERT_TRUE(real_input::WaitUntil([] { return !Hint().Showing(); }));
        ASSERT_TRUE(real_input::MovePointer(real_input::OnScreen(*form, c.x, c.y)));
        ASSERT_TRUE(real_input::WaitUntil([] { return Hint().Showing(); })) << "no hint";
        EXPECT_EQ(Hint().Caption(), c.hint);
        EXPECT_EQ(Hint().BoundsRect().h, oneLine);
    }
}

// The menu bar and the empty background show no hint: the pointer rests there past the pause.
TEST_F(QuarvelOnScreen, TheMenuAndTheBackgroundShowNoHint) {
    struct Case {
        const char* where;
        real_input::ScreenPoint point;
        Fl_Widget* below;
    };
    const Case cases[] = {
        {"menu item N1", MenuItemCentre(*form->N1), form->MainMenu1->Widget()},
        {"menu item N3", MenuItemCentre(*form->N3), form->MainMenu1->Widget()},
        {"background between results and picture", real_input::OnScreen(*form, 260, 180), form->Window()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        ASSERT_TRUE(real_input::MovePointer(kAway));
        ASSERT_TRUE(real_input::WaitUntil([] { return !Hint().Showing(); }));
        ASSERT_TRUE(real_input::MovePointer(c.point));
        ASSERT_TRUE(real_input::WaitUntil([&] { return Fl::belowmouse() == c.below; }));
        const auto rest = std::chrono::steady_clock::now() + std::chrono::duration<double>(2 * HintController::HintPause);
        while (std::chrono::steady_clock::now() < rest) Fl::wait(0.01);
        EXPECT_FALSE(Hint().Showing());
    }
}

namespace {
// The server's standard cursors, read back as it shows them: a small window of this process
// wears each in turn while the real pointer rests on it.
struct StandardCursors {
    real_input::CursorImage arrow, cross, help, ibeam;
};

StandardCursors ReadStandardCursors() {
    StandardCursors s;
    const Window probe = XCreateSimpleWindow(fl_display, RootWindow(fl_display, fl_screen), 1180, 980, 40, 40, 0, 0, 0);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    XChangeWindowAttributes(fl_display, probe, CWOverrideRedirect, &attributes);
    XMapRaised(fl_display, probe);
    XSync(fl_display, False);
    if (!real_input::MovePointer({1200, 1000})) ADD_FAILURE() << "the pointer did not move";
    const auto wear = [probe](unsigned shape) {
        const Cursor cursor = XCreateFontCursor(fl_display, shape);
        XDefineCursor(fl_display, probe, cursor);
        XSync(fl_display, False);
        real_input::CursorImage image = real_input::ShownCursor();
        XFreeCursor(fl_display, cursor);
        return image;
    };
    s.arrow = wear(XC_left_ptr);
    s.cross = wear(XC_tcross);
    s.help = wear(XC_question_arrow);
    s.ibeam = wear(XC_xterm);
    XDestroyWindow(fl_display, probe);
    XSync(fl_display, False);
    return s;
}

// The drag cursor: the picture drag.png with its hotspot at the arrow's tip, 0, 0, in the
// server's premultiplied ARGB.
real_input::CursorImage DragCursor() {
    const TPicture picture = TPicture::FromResource("drag.png");
    const Fl_RGB_Image& image = *picture.Image();
    real_input::CursorImage c{image.w(), image.h(), 0, 0, {}};
    const auto* data = reinterpret_cast<const unsigned char*>(image.data()[0]);
    const int lineBytes = image.ld() ? image.ld() : image.w() * image.d();
    for (int y = 0; y < image.h(); ++y)
        for (int x = 0; x < image.w(); ++x) {
            const unsigned char* p = data + y * lineBytes + x * image.d();
            const std::uint32_t a = image.d() == 4 ? p[3] : 255;
            const auto pre = [a](unsigned char v) { return (static_cast<std::uint32_t>(v) * a + 127) / 255; };
            c.argb.push_back(a << 24 | pre(p[0]) << 16 | pre(p[1]) << 8 | pre(p[2]));
        }
    return c;
}
}  // namespace

TEST_F(QuarvelOnScreen, EachControlShowsItsCursor) {
    const StandardCursors standard = ReadStandardCursors();
    const real_input::CursorImage drag = DragCursor();
    // The four standard cursors are distinct pictures, and none is the drag cursor.
    const std::vector<real_input::CursorImage> all = {standard.arrow, standard.cross, standard.help, standard.ibeam, drag};
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j) EXPECT_NE(all[i], all[j]) << i << " and " << j;

    Calculate("0");  // shows the warning, whose cursor is the help arrow
    ASSERT_TRUE(form->Label16->Visible());
    struct Case {
        const char* where;
        int x, y;  // client coordinates; y < 0 is on the menu bar
        const real_input::CursorImage& cursor;
    };
    const Case cases[] = {
        {"caption Label2 inside its frame", 100, 85, standard.cross},
        {"frame Bevel3 beside its caption", 196, 85, standard.cross},
        {"caption Label1", 100, 20, standard.cross},
        {"picture Image1 under Bevel1", 480, 180, standard.cross},
        {"result Label9", 210, 86, drag},
        {"result Label15", 210, 278, drag},
        {"entry box Edit1", 420, 20, standard.ibeam},
        {"warning Label16", 100, 45, standard.help},
        {"background", 260, 180, standard.arrow},
        {"below the last row", 100, 310, standard.arrow},
        {"menu bar", 600, -10, standard.arrow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        ASSERT_TRUE(real_input::MovePointer(real_input::OnScreen(*form, c.x, c.y)));
        real_input::WaitUntil([&] { return real_input::ShownCursor() == c.cursor; });
        const real_input::CursorImage shown = real_input::ShownCursor();
        EXPECT_EQ(shown.width, c.cursor.width);
        EXPECT_EQ(shown.height, c.cursor.height);
        EXPECT_EQ(shown.xhot, c.cursor.xhot);
        EXPECT_EQ(shown.yhot, c.cursor.yhot);
        EXPECT_TRUE(shown == c.cursor) << "another picture";
    }
}

TEST_F(QuarvelOnScreen, TypingAndClickingCalculateRunsTheCommand) {
    const std::string window = std::to_string(fl_xid(form->Window()));
    ASSERT_TRUE(real_input::Xdotool({"windowfocus", "--sync", window, "key", "End", "BackSpace", "type", "47"}));
    ASSERT_TRUE(real_input::WaitUntil([&] { return form->Edit1->Text() == "47"; })) << form->Edit1->Text();

    ASSERT_TRUE(real_input::Click(MenuItemCentre(*form->N1)));
    ASSERT_TRUE(real_input::WaitUntil([&] { return !form->Label15->Caption().empty(); })) << "the command did not run";
    EXPECT_TRUE(errors.empty());
    const std::vector<std::string> expected = {"4.70", "0.470", "2.82", "2.13", "0.0319", "0.0468", "0.4681"};
    const std::vector<TLabel*> results = ResultLabels();
    for (std::size_t i = 0; i < results.size(); ++i)
        EXPECT_EQ(results[i]->Caption(), Local(expected[i])) << results[i]->Name();
    EXPECT_FALSE(form->Label16->Visible());
    EXPECT_TRUE(form->Showing());
}

namespace {
// The drop-down list of a submenu while it is open: the tallest menu window shown (the other one
// is the title raised over the bar).
Fl_Window* OpenDropDown() {
    Fl_Window* found = nullptr;
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
        if (w->menu_window() && w->shown() && w->visible() && (!found || w->h() > found->h())) found = w;
    return found;
}

// While the About submenu is open the menu runs its own event loop; these timers act inside it.
struct SubmenuClick {
    const Fl_Menu_Bar* bar;
    std::vector<const Fl_Menu_Item*> items;  // the submenu's entries
    std::size_t chosen;
    pid_t clicker = -1;
    bool gaveUp = false;
};

// Once the list is up, clicks the middle of the chosen row. Rows are as tall as the tallest
// entry plus 4, under a border of equal width at top and bottom (FLTK's menu window layout).
void ClickChosenRow(void* data) {
    auto& click = *static_cast<SubmenuClick*>(data);
    Fl_Window* list = OpenDropDown();
    if (!list || list->h() < 40) {
        Fl::repeat_timeout(0.01, ClickChosenRow, data);
        return;
    }
    int row = 0;
    for (const Fl_Menu_Item* m : click.items) {
        int h = 0;
        m->measure(&h, click.bar);
        row = std::max(row, h + 4);
    }
    const int n = static_cast<int>(click.items.size());
    const int border = (list->h() - (row * n - 4) - 3) / 2;
    const int y = list->y_root() + border + 1 + static_cast<int>(click.chosen) * row + (row - 4) / 2;
    const int x = list->x_root() + 40;
    click.clicker = real_input::StartXdotool({"mousemove", "--sync", std::to_string(x), std::to_string(y), "click", "1"});
}

// A menu that never closed would hang the test: Escape closes it, and the test fails.
void GiveUp(void* data) {
    static_cast<SubmenuClick*>(data)->gaveUp = true;
    real_input::StartXdotool({"key", "Escape"});
}
}  // namespace

TEST_F(QuarvelOnScreen, ClickingAnAboutItemOnlyClosesTheMenu) {
    form->Edit1->SetText("100");  // were Calculate to run, the results would fill
    const Fl_Menu_Bar& bar = *form->MainMenu1->Widget();
    const Fl_Menu_Item* about = bar.menu()->next(2);
    ASSERT_TRUE(about->submenu());
    std::vector<const Fl_Menu_Item*> items;
    for (const Fl_Menu_Item* m = about + 1; m->text; m = m->next()) items.push_back(m);
    ASSERT_EQ(items.size(), 5u);

    for (std::size_t k = 0; k < items.size(); ++k) {
        SCOPED_TRACE("About item " + std::to_string(k + 1));
        SubmenuClick click{&bar, items, k};
        Fl::add_timeout(0.01, ClickChosenRow, &click);
        Fl::add_timeout(15.0, GiveUp, &click);
        const bool opened = real_input::Click(MenuItemCentre(*form->N3));
        // The menu's loop has ended: the item was chosen and the list is gone.
        ASSERT_TRUE(real_input::WaitUntil([] { return !OpenDropDown(); }));
        Fl::remove_timeout(ClickChosenRow, &click);
        Fl::remove_timeout(GiveUp, &click);
        if (click.clicker > 0) {
            int status = 0;
            waitpid(click.clicker, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the row was not clicked";
        }
        EXPECT_TRUE(opened);
        EXPECT_FALSE(click.gaveUp) << "the menu stayed open";
        EXPECT_EQ(bar.mvalue(), items[k]) << "another item was chosen";
        form_display::Settle();
        for (const TLabel* r : ResultLabels()) EXPECT_EQ(r->Caption(), "") << r->Name();
        EXPECT_FALSE(form->Label16->Visible());
        EXPECT_TRUE(errors.empty());
        EXPECT_TRUE(form->Showing());
    }
}
