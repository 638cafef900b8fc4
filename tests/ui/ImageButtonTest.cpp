#include <gtest/gtest.h>

#include "MainDialogFixture.h"

using namespace uitest;

namespace {

bool IsColourful(COLORREF c) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    return std::max({r, g, b}) - std::min({r, g, b}) > 60;
}

int ColourfulPixels(const Capture& capture) {
    int count = 0;
    for (int y = 0; y < capture.Height(); ++y) {
        for (int x = 0; x < capture.Width(); ++x) {
            count += IsColourful(capture.At(x, y)) ? 1 : 0;
        }
    }
    return count;
}

class ImageButtonTest : public MainDialogFixture {
  protected:
    CImageButton& Add() { return dialog->addButton; }
    void MoveOver(CImageButton& button, WPARAM keys = 0) {
        button.SendMessage(WM_MOUSEMOVE, keys, MAKELPARAM(10, 10));
    }
};

}  // namespace

TEST_F(ImageButtonTest, HoverDrawsARaisedFrameThatLeavingRemoves) {
    const Capture resting(Add().m_hWnd);
    const int right = resting.Width() - 1, bottom = resting.Height() - 1;
    EXPECT_EQ(resting.At(0, 0), resting.At(2, 2)) << "no frame at rest";

    MoveOver(Add());
    ASSERT_TRUE(Add().IsHovering());
    const Capture hovering(Add().m_hWnd);
    EXPECT_EQ(hovering.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(hovering.At(right, bottom), GetSysColor(COLOR_BTNSHADOW));

    Add().SendMessage(WM_MOUSELEAVE);  // the pointer left faster than the last move inside
    EXPECT_FALSE(Add().IsHovering());
    EXPECT_EQ(Capture(Add().m_hWnd).At(0, 0), resting.At(0, 0));
}

TEST_F(ImageButtonTest, ADragThatEntersDoesNotLightTheButton) {
    MoveOver(Add(), MK_LBUTTON);
    EXPECT_FALSE(Add().IsHovering());
}

TEST_F(ImageButtonTest, PressedShowsASunkenFrameAndShiftsTheIconByOnePixel) {
    const Capture resting(Add().m_hWnd);
    Add().SendMessage(BM_SETSTATE, TRUE);
    const Capture pressed(Add().m_hWnd);
    Add().SendMessage(BM_SETSTATE, FALSE);
    const int right = pressed.Width() - 1, bottom = pressed.Height() - 1;
    EXPECT_EQ(pressed.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pressed.At(right, bottom), GetSysColor(COLOR_BTNHIGHLIGHT));
    // Inside the frame the picture is the resting one, one pixel right and down.
    int compared = 0, equal = 0;
    for (int y = 2; y < bottom - 2; ++y) {
        for (int x = 2; x < right - 2; ++x) {
            if (IsColourful(resting.At(x, y))) {
                ++compared;
                equal += pressed.At(x + 1, y + 1) == resting.At(x, y) ? 1 : 0;
            }
        }
    }
    ASSERT_GT(compared, 100);
    EXPECT_EQ(equal, compared);
}

TEST_F(ImageButtonTest, DisabledDrawsTheIconWithoutColourAndMovesTheFocusOn) {
    EXPECT_GT(ColourfulPixels(Capture(Add().m_hWnd)), 100);
    SetFocus(dialog->outputFolderEdit.m_hWnd);  // the button need not have the focus
    Add().EnableWindow(FALSE);
    EXPECT_EQ(GetFocus(), dialog->convertButton.m_hWnd);  // the next tab stop after Add
    EXPECT_EQ(ColourfulPixels(Capture(Add().m_hWnd)), 0);
}

TEST_F(ImageButtonTest, SetStyleKeepsTheButtonOwnerDrawnAndTracksTheDefault) {
    struct Case {
        WPARAM style;
        bool isDefault;
        LRESULT dialogCode;
    };
    const Case cases[] = {
        {BS_DEFPUSHBUTTON, true, DLGC_DEFPUSHBUTTON},
        {BS_PUSHBUTTON, false, DLGC_UNDEFPUSHBUTTON},
        {BS_DEFPUSHBUTTON, true, DLGC_DEFPUSHBUTTON},
        {BS_CHECKBOX, true, DLGC_DEFPUSHBUTTON},  // other styles leave the default state alone
    };
    for (CImageButton* button : {&Add(), &dialog->changeButton}) {
        SCOPED_TRACE(GetDlgCtrlID(button->m_hWnd));
        for (const Case& c : cases) {
            button->SendMessage(BM_SETSTYLE, c.style, FALSE);
            EXPECT_EQ(button->GetStyle() & 0x0F, static_cast<DWORD>(BS_OWNERDRAW));
            EXPECT_EQ(button->IsDefault(), c.isDefault);
            EXPECT_EQ(button->SendMessage(WM_GETDLGCODE) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON),
                      c.dialogCode);
        }
    }
}

TEST_F(ImageButtonTest, ChangeButtonIsAPlainPushButtonUntilItsStyleIsFirstChanged) {
    MainDialogFixture::TearDown();
    MainDialogFixture::SetUp();
    HWND change = dialog->changeButton.m_hWnd;
    // Nothing has given it the focus yet in this fresh window.
    EXPECT_EQ(GetWindowLongPtrA(change, GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
    SendMessageA(dialog->m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(change), TRUE);
    EXPECT_EQ(GetWindowLongPtrA(change, GWL_STYLE) & 0x0F, BS_OWNERDRAW);
}

TEST_F(ImageButtonTest, EnterOnAFocusedImageButtonPressesIt) {
    ClickCounter clicks(dialog->m_hWnd, IDC_CONVERT);
    HWND convert = dialog->convertButton.m_hWnd;
    SendMessageA(dialog->m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(convert), TRUE);
    ASSERT_EQ(GetFocus(), convert);
    EXPECT_TRUE(dialog->convertButton.IsDefault());
    AnswerOwnedDialogs closeMessages(dialog->m_hWnd, IDCANCEL);  // Convert with an empty list says so
    PostMessageA(convert, WM_KEYDOWN, VK_RETURN, 1);
    PumpFor(150);
    EXPECT_EQ(clicks.Count(), 1);
}

TEST_F(ImageButtonTest, ADoubleClickGivesTwoClicks) {
    // Remove with an empty list does nothing, so no dialog comes between the clicks.
    ClickCounter clicks(dialog->m_hWnd, IDC_SIDE_REMOVE);
    const LPARAM inside = MAKELPARAM(10, 10);
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        PostMessageA(dialog->removeButton.m_hWnd, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, inside);
    }
    PumpFor(200);
    EXPECT_EQ(clicks.Count(), 2);
}

TEST_F(ImageButtonTest, ClickTakesTheFocusAndTheParentStillGetsTheCommand) {
    ClickCounter clicks(dialog->m_hWnd, IDC_SIDE_REMOVE);
    SetFocus(dialog->outputFolderEdit.m_hWnd);
    dialog->removeButton.SendMessage(BM_CLICK);
    EXPECT_EQ(GetFocus(), dialog->removeButton.m_hWnd);
    EXPECT_EQ(clicks.Count(), 1);
}

TEST_F(ImageButtonTest, OperationsRefuseWhatTheyCannotDo) {
    EXPECT_EQ(Add().SetIconPlacement(4, FALSE), 4);
    EXPECT_EQ(Add().SetIconPlacement(CImageButton::IconLeft, FALSE), 0);
    EXPECT_EQ(Add().SendMessage(BM_SETCHECK, BST_CHECKED), 0);
    EXPECT_EQ(Add().SendMessage(BM_GETCHECK), 0);
    EXPECT_EQ(Add().LoadIcons(9999, 0, 0), 0);  // no such icon: no icon, no failure
    EXPECT_EQ(Add().IconSize().cx, 0);
    EXPECT_EQ(Add().SendMessage(WM_ERASEBKGND, 0), 1);
}

TEST_F(ImageButtonTest, TooltipIsActiveAndWrapsAt400Pixels) {
    HWND tip = Add().TipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 400);
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(Add().TipText(), "Add video files to the list");
}

TEST(ImageRect, PlacesTheIconByPlacementAndCaption) {
    CImageButton button;
    struct Case {
        int placement;
        bool hasCaption;
        bool pressed;
        RECT image;
        RECT caption;
    };
    const RECT item{0, 0, 80, 70};
    const Case cases[] = {
        {0, true, false, {3, 19, 35, 51}, {35, 0, 80, 70}},
        {0, false, false, {24, 19, 56, 51}, {0, 0, 80, 70}},
        {1, true, false, {24, 3, 56, 35}, {0, 32, 80, 70}},
        {1, true, true, {25, 4, 57, 36}, {0, 32, 80, 70}},
        {1, false, false, {24, 19, 56, 51}, {0, 0, 80, 70}},
        {2, true, false, {45, 19, 77, 51}, {3, 0, 45, 70}},
        {2, false, false, {24, 0, 56, 32}, {0, 0, 80, 70}},
        {3, true, false, {0, 0, 32, 32}, {0, 0, 80, 70}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.placement << c.hasCaption << c.pressed);
        button.SetIconPlacement(c.placement, FALSE);
        RECT caption = item;
        const RECT image = button.ComputeImageRect(c.hasCaption, item, caption, c.pressed, 32, 32);
        EXPECT_TRUE(EqualRect(&image, &c.image)) << image.left << "," << image.top;
        EXPECT_TRUE(EqualRect(&caption, &c.caption))
            << caption.left << "," << caption.top << "," << caption.right;
    }
}
