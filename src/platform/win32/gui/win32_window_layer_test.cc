#include "platform/win32/gui/win32_window_layer.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

// A page whose handlers record what reached them and run the test's hooks.
class TestPage : public Page {
 public:
  using Hook = std::function<void(TestPage&, const std::string&)>;
  TestPage() : Page("Probe", 7305, 5295) {}
  std::vector<std::string> clicks;
  std::vector<std::string> changes;
  Hook on_click;

 protected:
  void OnClick(const std::string& control) override {
    clicks.push_back(control);
    if (on_click) on_click(*this, control);
  }
  void OnChange(const std::string& control) override { changes.push_back(control); }
};

Control& AddTo(Page& page, std::string name, ControlKind kind, std::string text, Rect rect,
               std::string container = "") {
  Control c;
  c.name = std::move(name);
  c.kind = kind;
  c.text = std::move(text);
  c.rect = rect;
  c.container = std::move(container);
  return page.Add(std::move(c));
}

// One control of every kind, as the pages lay them out.
void AddEveryKind(Page& page) {
  page.caption = "Veltrona Zozo Installation";
  page.left = 6885;
  page.top = 4635;
  AddTo(page, "Pic_1", ControlKind::kPicture, "", {0, 0, 2100, 4590});
  AddTo(page, "Lab_Welcome", ControlKind::kLabel, "Welcome", {2280, 150, 4800, 480}).font = {"", 13,
                                                                                             true};
  AddTo(page, "Frm_1", ControlKind::kFrame, "Simulator", {2280, 700, 4800, 1000});
  AddTo(page, "optSimulation(0)", ControlKind::kOption, "&FSX", {2400, 950, 2000, 300}, "Frm_1")
      .value = true;
  AddTo(page, "optSimulation(1)", ControlKind::kOption, "&P3D", {2400, 1300, 2000, 300}, "Frm_1");
  AddTo(page, "inpPath", ControlKind::kTextBox, "C:\\FSX", {2280, 1800, 4800, 300});
  AddTo(page, "txtDetails", ControlKind::kMultiLineText, "one\r\ntwo", {2280, 2200, 4800, 600})
      .read_only = true;
  Control& drives =
      AddTo(page, "cmbDrive", ControlKind::kDriveList, "d: [DATA]", {2280, 2900, 2300, 315});
  drives.items = {"c: [SYSTEM]", "d: [DATA]"};
  Control& folders =
      AddTo(page, "cmbPath", ControlKind::kFolderList, "C:\\FSX", {4700, 2900, 2380, 900});
  folders.items = {"C:\\", "C:\\FSX", "C:\\FSX\\Scenery"};
  folders.list_index = 1;
  AddTo(page, "picProgress", ControlKind::kProgressBar, "", {2280, 3900, 4800, 330}).progress_x =
      1200;
  AddTo(page, "lblPercent", ControlKind::kLabel, "25 %", {2280, 3900, 4800, 330}, "picProgress");
  AddTo(page, "Cmd_Prev", ControlKind::kButton, "< &Back", {3000, 4755, 1275, 375}).enabled = false;
  AddTo(page, "Cmd_Next", ControlKind::kButton, "&Next >", {4320, 4755, 1275, 375}).is_default =
      true;
  AddTo(page, "Cmd_Quit", ControlKind::kButton, "&Cancel", {5910, 4755, 1275, 375}).is_cancel =
      true;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

class Win32WindowLayerTest : public testing::Test {
 protected:
  Win32WindowLayerTest() {
    main_.caption = "Veltrona Zozo Installation";
    AddTo(main_, "picBackground", ControlKind::kPicture, "", {});
    AddEveryKind(page_);
  }

  HWND Child(const char* name) { return layer_.ControlWindow(page_, name); }
  // Posts a key to the window with the focus and lets the loop handle it, as
  // a key press of the user arrives.
  void PressKey(WPARAM key) {
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    layer_.Yield();
  }
  // With Alt held, a letter arrives as a system character.
  void PressAlt(char letter) {
    PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(letter), 0x20000001);
    layer_.Yield();
  }

  Win32WindowLayer layer_{Windows1252()};
  Page main_{"frmMain", 0, 0};
  TestPage page_;
};

TEST_F(Win32WindowLayerTest, EveryControlKindIsDrawnFromItsModel) {
  layer_.ShowMainWindow(main_);
  layer_.ShowPage(page_);
  HWND window = layer_.WindowOf(page_);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(TextOf(window), "Veltrona Zozo Installation");
  EXPECT_EQ(GetWindow(window, GW_OWNER), layer_.MainWindow());
  EXPECT_FALSE(IsWindowEnabled(layer_.MainWindow()));  // modal: the owner waits

  const PixelScale scale = PixelScale::OfScreen();
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, scale.ToPixelsX(7305));
  EXPECT_EQ(client.bottom, scale.ToPixelsY(5295));
  RECT frame{};
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, scale.ToPixelsX(6885));
  EXPECT_EQ(frame.top, scale.ToPixelsY(4635));

  const struct {
    const char* control;
    const char* window_class;
    const char* text;
  } expected[] = {
      {"Lab_Welcome", "Static", "Welcome"},
      {"Frm_1", "Button", "Simulator"},
      {"optSimulation(1)", "Button", "&P3D"},
      {"inpPath", "Edit", "C:\\FSX"},
      {"txtDetails", "Edit", "one\r\ntwo"},
      {"cmbDrive", "ComboBox", "d: [DATA]"},
      {"cmbPath", "ListBox", ""},
      {"Pic_1", "Static", ""},
      {"picProgress", "Static", ""},
      {"Cmd_Next", "Button", "&Next >"},
  };
  for (const auto& e : expected) {
    HWND child = Child(e.control);
    ASSERT_NE(child, nullptr) << e.control;
    EXPECT_TRUE(SameIgnoringAsciiCase(ClassOf(child), e.window_class)) << ClassOf(child);
    EXPECT_EQ(TextOf(child), e.text) << e.control;
    EXPECT_TRUE(IsWindowVisible(child)) << e.control;
  }
  EXPECT_EQ(Child("lblPercent"), nullptr);  // the bar draws its caption
  EXPECT_EQ(SendMessageA(Child("optSimulation(0)"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Child("cmbPath"), LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageA(Child("cmbPath"), LB_GETCOUNT, 0, 0), 3);
  EXPECT_FALSE(IsWindowEnabled(Child("Cmd_Prev")));
  EXPECT_EQ(LOWORD(SendMessageA(window, DM_GETDEFID, 0, 0)), GetDlgCtrlID(Child("Cmd_Next")));
  EXPECT_NE(GetWindowLongPtrA(Child("txtDetails"), GWL_STYLE) & ES_READONLY, 0);

  // A hidden frame hides what it holds; the model's changes show on Refresh.
  page_["Frm_1"].visible = false;
  page_["Lab_Welcome"].text = "Willkommen";
  layer_.Refresh(page_);
  EXPECT_FALSE(IsWindowVisible(Child("optSimulation(0)")));
  EXPECT_EQ(TextOf(Child("Lab_Welcome")), "Willkommen");

  layer_.HidePage(page_);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(IsWindowEnabled(layer_.MainWindow()));
}

TEST_F(Win32WindowLayerTest, InputReachesTheModelAndItsHandlers) {
  layer_.ShowPage(page_);
  SendMessageA(Child("Cmd_Next"), BM_CLICK, 0, 0);
  SendMessageA(Child("Cmd_Prev"), BM_CLICK, 0, 0);  // disabled: never reaches the page
  EXPECT_EQ(page_.clicks, std::vector<std::string>{"Cmd_Next"});

  SendMessageA(Child("optSimulation(1)"), BM_CLICK, 0, 0);
  EXPECT_TRUE(page_["optSimulation(1)"].value);
  EXPECT_FALSE(page_["optSimulation(0)"].value);

  SendMessageA(Child("inpPath"), WM_CHAR, '\\', 1);
  EXPECT_EQ(page_["inpPath"].text, "\\C:\\FSX");  // the caret stood at the start

  SendMessageA(Child("cmbDrive"), CB_SETCURSEL, 0, 0);
  SendMessageA(layer_.WindowOf(page_), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(Child("cmbDrive")), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Child("cmbDrive")));
  EXPECT_EQ(page_["cmbDrive"].list_index, 0);
  EXPECT_EQ(page_["cmbDrive"].text, "c: [SYSTEM]");
  // Walking the open list tries no drive; the one it closes on is chosen.
  SendMessageA(Child("cmbDrive"), CB_SHOWDROPDOWN, TRUE, 0);
  SendMessageA(Child("cmbDrive"), WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(page_["cmbDrive"].list_index, 0);
  SendMessageA(Child("cmbDrive"), CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_EQ(page_["cmbDrive"].list_index, 1);

  SendMessageA(Child("cmbPath"), LB_SETCURSEL, 2, 0);
  SendMessageA(layer_.WindowOf(page_), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(Child("cmbPath")), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(Child("cmbPath")));
  EXPECT_EQ(page_["cmbPath"].text, "C:\\FSX\\Scenery");
  EXPECT_EQ(page_.changes, (std::vector<std::string>{"optSimulation(1)", "inpPath", "cmbDrive",
                                                     "cmbDrive", "cmbPath"}));
}

TEST_F(Win32WindowLayerTest, BusyPageTakesNoInputAndShowsItsModel) {
  layer_.ShowPage(page_);
  page_.busy = true;
  SendMessageA(Child("Cmd_Next"), BM_CLICK, 0, 0);
  SendMessageA(Child("optSimulation(1)"), BM_CLICK, 0, 0);
  SendMessageA(Child("inpPath"), WM_CHAR, 'x', 1);
  EXPECT_TRUE(page_.clicks.empty());
  EXPECT_TRUE(page_.changes.empty());
  EXPECT_TRUE(page_["optSimulation(0)"].value);
  // The controls were set back to what the model says.
  EXPECT_EQ(SendMessageA(Child("optSimulation(0)"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Child("optSimulation(1)"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(TextOf(Child("inpPath")), "C:\\FSX");

  page_.busy = false;
  SendMessageA(Child("Cmd_Next"), BM_CLICK, 0, 0);
  EXPECT_EQ(page_.clicks, std::vector<std::string>{"Cmd_Next"});
}

TEST_F(Win32WindowLayerTest, HandlersExceptionComesOutOfYieldNotTheWindowProcedure) {
  page_.on_click = [](TestPage&, const std::string& control) {
    if (control == "Cmd_Next") throw std::runtime_error("disk full");
  };
  layer_.ShowPage(page_);
  SendMessageA(Child("Cmd_Next"), BM_CLICK, 0, 0);  // returns: nothing crossed the procedure
  EXPECT_THROW(layer_.Yield(), std::runtime_error);
  EXPECT_NO_THROW(layer_.Yield());  // raised once

  // Raised in the handler that yielded, while its click waited in the queue.
  bool raised_in_handler = false;
  page_.on_click = [&](TestPage&, const std::string& control) {
    if (control == "Cmd_Next") throw std::runtime_error("disk full");
    if (control != "Cmd_Quit") return;
    PostMessageA(Child("Cmd_Next"), BM_CLICK, 0, 0);
    try {
      layer_.Yield();
    } catch (const std::runtime_error&) {
      raised_in_handler = true;
    }
  };
  SendMessageA(Child("Cmd_Quit"), BM_CLICK, 0, 0);
  EXPECT_TRUE(raised_in_handler);
  EXPECT_EQ(layer_.TakeError(), nullptr);
}

TEST_F(Win32WindowLayerTest, RunEndsWithCloseAllOrRaisesWhatAHandlerLetPass) {
  layer_.ShowMainWindow(main_);
  layer_.ShowPage(page_);
  page_.on_click = [&](TestPage&, const std::string& control) {
    if (control == "Cmd_Quit") throw std::logic_error("fault");
    layer_.CloseAll();
  };
  PostMessageA(Child("Cmd_Quit"), BM_CLICK, 0, 0);
  EXPECT_THROW(layer_.Run(), std::logic_error);

  PostMessageA(Child("Cmd_Next"), BM_CLICK, 0, 0);
  EXPECT_EQ(layer_.Run(), 0);
  EXPECT_EQ(layer_.WindowOf(page_), nullptr);
  EXPECT_EQ(layer_.MainWindow(), nullptr);
  EXPECT_FALSE(page_.visible);
  EXPECT_FALSE(main_.visible);
}

TEST_F(Win32WindowLayerTest, KeyboardWalksInReadingOrderEnterAndEscPress) {
  layer_.ShowPage(page_);
  HWND window = layer_.WindowOf(page_);
  EXPECT_EQ(GetFocus(), Child("optSimulation(0)"));  // the selected option first
  // Tab stops in reading order; the disabled button is left out.
  const char* order[] = {"inpPath", "txtDetails", "cmbDrive", "cmbPath", "Cmd_Next", "Cmd_Quit"};
  HWND at = Child("optSimulation(0)");
  for (const char* name : order) {
    at = GetNextDlgTabItem(window, at, FALSE);
    EXPECT_EQ(at, Child(name)) << name;
  }
  PressKey(VK_DOWN);  // arrows move through the options
  EXPECT_TRUE(page_["optSimulation(1)"].value);
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  SendMessageA(window, WM_CLOSE, 0, 0);  // the close button cancels too
  EXPECT_EQ(page_.clicks, (std::vector<std::string>{"Cmd_Next", "Cmd_Quit", "Cmd_Quit"}));
  EXPECT_TRUE(IsWindowVisible(window));

  // Alt and a caption's marked letter: an option is chosen, a button pressed.
  PressAlt('f');
  EXPECT_TRUE(page_["optSimulation(0)"].value);
  PressAlt('N');
  EXPECT_EQ(page_.clicks.back(), "Cmd_Next");
  page_.clicks.clear();

  // Enter on a folder list opens the folder instead of pressing Next.
  SetFocus(Child("cmbPath"));
  SendMessageA(Child("cmbPath"), LB_SETCURSEL, 0, 0);
  PressKey(VK_RETURN);
  EXPECT_EQ(page_["cmbPath"].list_index, 0);
  EXPECT_TRUE(page_.clicks.empty());
}

TEST_F(Win32WindowLayerTest, LabelsFitTheirTextByTheCoreRules) {
  TestPage labels;
  // Room below, down to the button under it: the label grows, at its size.
  AddTo(labels, "Lab_Grows", ControlKind::kLabel, "Words that take a second line here",
        {240, 240, 1500, 200});
  AddTo(labels, "Cmd_Below", ControlKind::kButton, "OK", {240, 1000, 1500, 375});
  // No room below, a word wider than the label: drawn smaller, down to three
  // quarters of its size and no further.
  AddTo(labels, "Lab_Shrinks", ControlKind::kLabel, std::string(60, 'w'), {2000, 240, 3000, 200})
      .font.points = 12;
  AddTo(labels, "Cmd_Under", ControlKind::kButton, "OK", {2000, 485, 3000, 375});
  layer_.ShowPage(labels);
  const PixelScale scale = PixelScale::OfScreen();
  auto label = [&](const char* name) { return layer_.ControlWindow(labels, name); };
  RECT box{};
  GetWindowRect(label("Lab_Grows"), &box);
  EXPECT_GT(box.bottom - box.top, scale.ToPixelsY(200));
  EXPECT_LE(box.bottom - box.top, scale.ToPixelsY(1000 - 45 - 240) + 1);

  auto points_of = [&](const char* name) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(label(name), WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return -font.lfHeight * 72.0 / scale.dpi_y();
  };
  EXPECT_NEAR(points_of("Lab_Grows"), 8.0, 0.5);
  EXPECT_NEAR(points_of("Lab_Shrinks"), 9.0, 0.5);
  GetWindowRect(label("Lab_Shrinks"), &box);
  EXPECT_EQ(box.bottom - box.top, scale.ToPixelsY(200));
}

TEST_F(Win32WindowLayerTest, MovedPageGivesItsPlaceToTheModel) {
  layer_.ShowPage(page_);
  const PixelScale scale = PixelScale::OfScreen();
  SetWindowPos(layer_.WindowOf(page_), nullptr, 300, 200, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(page_.left, scale.ToTwipsX(300));
  EXPECT_EQ(page_.top, scale.ToTwipsY(200));
  // And the model's place moves the window.
  page_.left = scale.ToTwipsX(40);
  layer_.Refresh(page_);
  RECT frame{};
  GetWindowRect(layer_.WindowOf(page_), &frame);
  EXPECT_EQ(frame.left, 40);
  EXPECT_EQ(frame.top, 200);
}

TEST_F(Win32WindowLayerTest, PageMovedToAScreenOfAnotherResolutionIsLaidOutForIt) {
  layer_.ShowPage(page_);
  HWND window = layer_.WindowOf(page_);
  RECT suggested{150, 120, 900, 700};
  SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  const PixelScale large(144, 144);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, large.ToPixelsX(7305));
  EXPECT_EQ(client.bottom, large.ToPixelsY(5295));
  RECT frame{};
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, 150);
  EXPECT_EQ(frame.top, 120);
  EXPECT_EQ(page_.left, large.ToTwipsX(150));  // where the next page shows
  RECT next{};
  GetWindowRect(Child("Cmd_Next"), &next);
  EXPECT_EQ(next.right - next.left, large.ToPixelsX(1275));
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Child("Cmd_Next"), WM_GETFONT, 0, 0)),
             sizeof(font), &font);
  EXPECT_EQ(font.lfHeight, -16);  // 8 points at 144 dots per inch
}

TEST_F(Win32WindowLayerTest, MainWindowIsMaximisedAndStaysWhateverItsPicture) {
  char folder[MAX_PATH] = {};
  GetTempPathA(sizeof(folder), folder);
  const std::string not_a_picture = std::string(folder) + "vlrna_not_a_picture.bmp";
  HANDLE file = CreateFileA(not_a_picture.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, "BM not really", 13, &written, nullptr);
  CloseHandle(file);
  for (const std::string& picture : {std::string("Q:\\missing\\vlrna_1920.bmp"), not_a_picture}) {
    main_["picBackground"].picture = picture;
    layer_.ShowMainWindow(main_);
    HWND window = layer_.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsZoomed(window)) << picture;
    EXPECT_EQ(TextOf(window), "Veltrona Zozo Installation");
    UpdateWindow(window);                  // paints the dark ground instead
    SendMessageA(window, WM_CLOSE, 0, 0);  // the user cannot close it
    EXPECT_TRUE(IsWindow(window));
  }
  DeleteFileA(not_a_picture.c_str());
}

}  // namespace
}  // namespace vlrna
