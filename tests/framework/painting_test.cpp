#include "framework/core/exceptions.h"
#include "framework/controls/form.h"
#include "framework/graphics/graphics.h"
#include "headless_fixture.h"
#include "test_controls.h"

#include <utility>

using namespace brisat;

namespace {

class PaintingTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        form = &App->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(100, 100, 200, 150);
        form->SetColor(clWhite);
    }

    TForm* form = nullptr;
};

// Children paint over their parent, each clipped to what its parent's client area leaves
// visible, in z-order; only the dirty rectangles are presented.
TEST_F(PaintingTest, ChildrenAreClippedToTheirParentAndPaintedInZOrder) {
    auto& panel = CreateOwned<TTestPanel>(*form);
    panel.SetBounds(10, 10, 100, 60);
    panel.SetColor(clBlue);
    panel.SetParent(form);
    auto& inner = CreateOwned<TTestPanel>(*form);
    inner.SetBounds(80, 40, 50, 50); // reaches out of the panel
    inner.SetColor(clLime);
    inner.SetParent(&panel);
    auto& box = CreateOwned<TTestBox>(*form);
    box.SetBounds(0, 0, 30, 30); // under the windowed sibling
    box.SetParent(&panel);
    auto& top = CreateOwned<TTestBox>(*form);
    top.SetBounds(150, 5, 20, 20);
    top.SetColor(clYellow);
    top.SetParent(form);
    form->Show();
    Pump();

    const HWND h = form->Handle();
    EXPECT_EQ(PixelAt(h, 5, 5), Rgb(clWhite));
    EXPECT_EQ(PixelAt(h, 10 + 95, 10 + 5), Rgb(clBlue));
    EXPECT_EQ(PixelAt(h, 10 + 85, 10 + 45), Rgb(clLime));
    // The part of the inner panel outside its parent is not drawn.
    EXPECT_EQ(PixelAt(h, 10 + 85, 10 + 65), Rgb(clWhite));
    EXPECT_EQ(PixelAt(h, 10 + 105, 10 + 45), Rgb(clWhite));
    EXPECT_EQ(PixelAt(h, 10 + 5, 10 + 5), Rgb(clRed));
    EXPECT_EQ(PixelAt(h, 155, 10), Rgb(clYellow));
}

TEST_F(PaintingTest, SettersInvalidateAndOnlyTheDirtyPartIsRepainted) {
    auto& box = CreateOwned<TTestBox>(*form);
    box.SetBounds(20, 30, 40, 10);
    box.SetParent(form);
    auto& panel = CreateOwned<TTestPanel>(*form);
    panel.SetBounds(100, 50, 60, 40);
    panel.SetParent(form);
    form->Show();
    Pump();
    const int presents = Native(form->Handle()).PresentCount();
    const int panelPaints = panel.Paints;

    box.SetColor(clNavy);
    box.SetColor(clNavy);
    EXPECT_EQ(Native(form->Handle()).PresentCount(), presents) << "setters never paint";
    EXPECT_EQ(PixelAt(form->Handle(), 25, 35), Rgb(clRed));
    Pump();
    EXPECT_EQ(Native(form->Handle()).PresentCount(), presents + 1);
    EXPECT_EQ(PixelAt(form->Handle(), 25, 35), Rgb(clNavy));
    EXPECT_EQ(panel.Paints, panelPaints) << "the panel lies outside the dirty area";
    const auto& dirty = Native(form->Handle()).LastDirty();
    ASSERT_EQ(dirty.size(), 1u);
    EXPECT_EQ(dirty[0], (TScreenRect{20, 30, 60, 40}));

    // Hiding repaints the parent beneath.
    box.Hide();
    Pump();
    EXPECT_EQ(PixelAt(form->Handle(), 25, 35), Rgb(clWhite));
}

// The order of messages and events from creation to close, as a form sees them.
TEST_F(PaintingTest, FormMessagesAndEventsComeInOrderFromCreateToClose) {
    std::vector<std::string> log;
    auto& f = App->CreateForm<TForm>();
    const auto event = [&log](const char* name) {
        return [&log, name](TComponent&) { log.push_back(name); };
    };
    f.OnShow = event("OnShow");
    f.OnActivate = event("OnActivate");
    f.OnDeactivate = event("OnDeactivate");
    f.OnPaint = event("OnPaint");
    f.OnHide = event("OnHide");
    f.OnCloseQuery = [&log](TComponent&, bool&) { log.push_back("OnCloseQuery"); };
    f.OnClose = [&log](TComponent&, TCloseAction&) { log.push_back("OnClose"); };
    TWndMethod inherited = f.WindowProc;
    f.WindowProc = [&log, inherited](TMessage& m) {
        switch (m.Msg) {
        case WM_SHOWWINDOW:
            log.push_back(m.WParam ? "WM_SHOWWINDOW 1" : "WM_SHOWWINDOW 0");
            break;
        case WM_ACTIVATE:
            log.push_back(m.WParam ? "WM_ACTIVATE 1" : "WM_ACTIVATE 0");
            break;
        case WM_NCPAINT:
            log.push_back("WM_NCPAINT");
            break;
        case WM_ERASEBKGND:
            log.push_back("WM_ERASEBKGND");
            break;
        case WM_PAINT:
            log.push_back("WM_PAINT");
            break;
        case WM_CLOSE:
            log.push_back("WM_CLOSE");
            break;
        default:
            break;
        }
        inherited(m);
    };
    f.Show();
    Pump();
    Host->CloseRequest(f.Handle());
    Pump();
    f.WindowProc = inherited;
    EXPECT_EQ(log, (std::vector<std::string>{
                       "OnShow", "WM_SHOWWINDOW 1", "WM_ACTIVATE 1", "OnActivate", "WM_NCPAINT",
                       "WM_ERASEBKGND", "WM_PAINT", "OnPaint", "WM_CLOSE", "OnCloseQuery",
                       "OnClose", "WM_SHOWWINDOW 0", "WM_ACTIVATE 0", "OnDeactivate", "OnHide"}));
}

} // namespace

namespace {

// A whole window, frame and children, can be rendered into a bitmap before it is shown; sizes a
// layout asks for are kept within bounds.
TEST_F(PaintingTest, PrintWindowRendersAHiddenFormWithItsChildren) {
    auto& dialog = App->CreateForm<TForm>();
    dialog.SetBorderStyle(TFormBorderStyle::bsNone);
    dialog.SetBounds(300, 200, 60, 40);
    dialog.SetColor(clWhite);
    auto& panel = CreateOwned<TTestPanel>(dialog);
    panel.SetBounds(10, 10, 20, 20);
    panel.SetColor(clBlue);
    panel.SetParent(&dialog);
    TBitmap picture;
    picture.SetSize(60, 40);
    ASSERT_TRUE(PrintWindow(dialog.Handle(), picture.DC()));
    EXPECT_EQ(picture.DC().GetPixel(5, 5), ColorToRGB(clWhite));
    EXPECT_EQ(picture.DC().GetPixel(15, 15), ColorToRGB(clBlue));
    EXPECT_EQ(Host->Window(dialog.Handle())->PresentCount(), 0);

    dialog.SetBounds(0, 0, 1 << 30, -5);
    EXPECT_EQ(dialog.Width(), MaxWindowExtent);
    EXPECT_EQ(dialog.Height(), 0);
}

} // namespace

namespace {

class TFailingPanel : public TTestPanel {
public:
    using TTestPanel::TTestPanel;
    bool Fail = true;

protected:
    void Paint() override {
        if (std::exchange(Fail, false)) throw EInvalidOperation("Canvas does not allow drawing");
        TTestPanel::Paint();
    }
};

// A paint handler that fails shows its message box from inside the paint pass; the nested loop
// neither paints the same window again under the running pass nor spins on its invalid area,
// and the window is painted once the pass is over.
TEST_F(PaintingTest, AFailingPaintHandlerShowsItsErrorWithoutSpinningOrCorruptingThePass) {
    auto& panel = CreateOwned<TFailingPanel>(*form);
    panel.SetBounds(10, 10, 50, 50);
    panel.SetColor(clBlue);
    panel.SetParent(form);
    int waits = 0;
    Host->OnIdleWait = [&](int32_t) {
        ++waits;
        form->Invalidate();
        for (HWND top : GetTopLevelWindows())
            if (top != form->Handle() && IsWindowVisible(top)) Host->TypeKey(top, VK_RETURN);
    };
    form->Show();
    while (Host->PendingEvents() > 0 || waits == 0)
        App->HandleMessage();
    Host->OnIdleWait = nullptr;
    Pump();
    EXPECT_GE(waits, 1);
    EXPECT_EQ(PixelAt(form->Handle(), 20, 20), Rgb(clBlue));
    EXPECT_GE(panel.Paints, 1);
}

} // namespace
