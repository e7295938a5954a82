// The rules of the Win32 window layer that need no window: message box
// styles and answers, folder rows, twips and the progress bar's boundary.

#include <gtest/gtest.h>

#include "platform/win32/gui/win32_folder_rows.h"
#include "platform/win32/gui/win32_message_box.h"
#include "platform/win32/gui/win32_owner_draw.h"
#include "platform/win32/gui/win32_pixel_scale.h"

namespace vlrna {
namespace {

TEST(Win32MessageBoxTest, StylesAndAnswersFollowTheRequest) {
  struct Case {
    MessageIcon icon;
    MessageButtons buttons;
    uint32_t style;
    int result;  // what MessageBoxA gave
    MessageAnswer answer;
  } cases[] = {
      {MessageIcon::kCritical, MessageButtons::kOk, MB_ICONHAND | MB_OK, IDOK, kAnswerOk},
      {MessageIcon::kQuestion, MessageButtons::kYesNo, MB_ICONQUESTION | MB_YESNO, IDYES,
       kAnswerYes},
      {MessageIcon::kQuestion, MessageButtons::kYesNo, MB_ICONQUESTION | MB_YESNO, IDNO, kAnswerNo},
      {MessageIcon::kExclamation, MessageButtons::kRetryCancel, MB_ICONEXCLAMATION | MB_RETRYCANCEL,
       IDRETRY, kAnswerRetry},
      {MessageIcon::kInformation, MessageButtons::kOkCancel, MB_ICONASTERISK | MB_OKCANCEL,
       IDCANCEL, kAnswerCancel},
      {MessageIcon::kNone, MessageButtons::kOkCancel, MB_OKCANCEL, IDOK, kAnswerOk},
      // A box that could not be shown gives 0: it counts as the cancelling
      // button, never as consent.
      {MessageIcon::kQuestion, MessageButtons::kYesNo, MB_ICONQUESTION | MB_YESNO, 0, kAnswerNo},
      {MessageIcon::kNone, MessageButtons::kRetryCancel, MB_RETRYCANCEL, 0, kAnswerCancel},
      {MessageIcon::kNone, MessageButtons::kOk, MB_OK, 0, kAnswerOk},
  };
  for (const Case& c : cases) {
    MessageRequest request{"id", "text", "title", c.icon, c.buttons};
    const uint32_t style = MessageBoxStyle(request, true);
    EXPECT_EQ(style & (MB_ICONMASK | MB_TYPEMASK), c.style) << c.result;
    EXPECT_EQ(style & MB_MODEMASK, static_cast<uint32_t>(MB_APPLMODAL));
    EXPECT_EQ(style & MB_DEFMASK, static_cast<uint32_t>(MB_DEFBUTTON1));
    EXPECT_EQ(AnswerOf(c.result, c.buttons), c.answer) << c.result;
  }
  EXPECT_EQ(MessageBoxStyle({}, false) & MB_MODEMASK, static_cast<uint32_t>(MB_TASKMODAL));
}

TEST(Win32FolderRowsTest, ChainAndSubfoldersAsTheDirectoryListShowsThem) {
  const std::vector<FolderRow> rows = FolderRows(
      {"C:\\", "C:\\FSX", "C:\\FSX\\Addon Scenery\\", "C:\\FSX\\SCENERY", "c:\\fsxx"}, "c:\\fsx\\");
  ASSERT_EQ(rows.size(), 5u);
  const struct {
    const char* label;
    int depth;
    bool open;
    bool current;
  } expected[] = {{"C:\\", 0, true, false},
                  {"FSX", 1, true, true},
                  {"Addon Scenery", 2, false, false},
                  {"SCENERY", 2, false, false},
                  // A name that only starts like the open folder is not above it.
                  {"fsxx", 1, false, false}};
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].label, expected[i].label) << i;
    EXPECT_EQ(rows[i].depth, expected[i].depth) << i;
    EXPECT_EQ(rows[i].open, expected[i].open) << i;
    EXPECT_EQ(rows[i].current, expected[i].current) << i;
  }
  const std::vector<FolderRow> root = FolderRows({"D:"}, "D:\\");
  EXPECT_EQ(root[0].label, "D:\\");
  EXPECT_TRUE(root[0].current);
}

TEST(Win32PixelScaleTest, TwipsFollowTheRealResolution) {
  const PixelScale normal(96, 96);
  EXPECT_EQ(normal.ToPixelsX(1440), 96);
  EXPECT_EQ(normal.ToTwipsY(353), 5295);
  const PixelScale large(144, 120);
  EXPECT_EQ(large.ToPixelsX(7305), 731);
  EXPECT_EQ(large.ToPixelsY(1440), 120);
  // Neighbours that touch in twips touch in pixels, whatever the rounding.
  const PixelRect a = large.ToPixels({1005, 0, 1275, 10});
  const PixelRect b = large.ToPixels({2280, 0, 1275, 10});
  EXPECT_EQ(a.left + a.width, b.left);
  EXPECT_EQ(PixelScale(0, -1).dpi_x(), 96);  // a screen without a resolution
}

TEST(Win32ProgressBarTest, BoundaryIsClampedToTheBar) {
  EXPECT_EQ(BoundaryColumn(1, 100, 0, 4000), 1);
  EXPECT_EQ(BoundaryColumn(1, 100, 2000, 4000), 51);
  EXPECT_EQ(BoundaryColumn(1, 100, 4000, 4000), 101);
  EXPECT_EQ(BoundaryColumn(1, 100, 9000, 4000), 101);
  EXPECT_EQ(BoundaryColumn(1, 100, 10, 0), 101);  // no scale: the model's width is 0
}

}  // namespace
}  // namespace vlrna
