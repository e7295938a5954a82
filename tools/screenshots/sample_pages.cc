#include "sample_pages.h"

#include "shell/page_layout.h"

namespace vlrna {
namespace {

std::unique_ptr<Page> StandardPage(const ProgramState& state, const char* name, int32_t width) {
  auto page = std::make_unique<Page>(name, width, kPageHeight);
  AddStandardControls(*page);
  const auto& texts = state.MessageCatalogue;
  page->caption = texts[1];
  (*page)["Cmd_Next"].text = texts[3];
  (*page)["Cmd_Prev"].text = texts[4];
  (*page)["Cmd_Quit"].text = texts[5];
  return page;
}

void AddHeading(Page& page, const std::string& text) {
  const Rect area = ContentArea(page);
  AddControl(page, "Lab_Welcome", ControlKind::kLabel, {area.left, 150, area.width, 480}, text)
      .font = {"", 13, true};
}

std::unique_ptr<Page> DestinationPage(const ProgramState& state) {
  auto page = StandardPage(state, "SelectPath", kWidePageWidth);
  const auto& texts = state.MessageCatalogue;
  const Rect area = ContentArea(*page);
  const int32_t l = area.left;
  const int32_t w = area.width;
  AddHeading(*page, texts[13]);
  AddControl(*page, "Lab_1", ControlKind::kLabel, {l, 720, w, 900}, texts[14]);
  AddControl(*page, "FrmPath", ControlKind::kFrame, {l, 1680, w, 2700}, texts[9]);
  Control& drives = AddControl(*page, "cmbDrive", ControlKind::kDriveList,
                               {l + 120, 1980, w - 240, 315}, "c: [system]", "FrmPath");
  drives.items = {"c: [system]", "d: [veltrona_1]", "e: [sc\xE8nes]"};
  drives.list_index = 0;
  Control& folders = AddControl(*page, "cmbPath", ControlKind::kFolderList,
                                {l + 120, 2400, w - 240, 1440}, "C:\\FSX", "FrmPath");
  folders.items = {"C:\\",
                   "C:\\FSX",
                   "C:\\FSX\\Addon Scenery",
                   "C:\\FSX\\Autogen",
                   "C:\\FSX\\Sc\xE8nes",
                   "C:\\FSX\\Scenery",
                   "C:\\FSX\\Texture"};
  AddControl(*page, "inpPath", ControlKind::kTextBox, {l + 120, 3930, w - 240, 315},
             "C:\\FSX\\vlrna\\", "FrmPath");
  return page;
}

std::unique_ptr<Page> LicencePage(const ProgramState& state, const std::string& licence_text) {
  auto page = StandardPage(state, "License", kPageWidth);
  const auto& texts = state.MessageCatalogue;
  const Rect area = ContentArea(*page);
  AddHeading(*page, texts[10]);
  Control& text = AddControl(*page, "inpLicense", ControlKind::kMultiLineText,
                             {area.left, 720, area.width, 2970}, licence_text);
  text.read_only = true;
  AddControl(*page, "Lab_1", ControlKind::kLabel, {area.left, 3780, area.width, 500}, texts[11]);
  return page;
}

std::unique_ptr<Page> InstallPage(const ProgramState& state) {
  auto page = StandardPage(state, "InstallStart", kPageWidth);
  const auto& texts = state.MessageCatalogue;
  const Rect area = ContentArea(*page);
  AddHeading(*page, texts[23]);
  AddControl(*page, "Lab_1", ControlKind::kLabel, {area.left, 720, area.width, 900}, texts[33]);
  AddControl(*page, "picProgress", ControlKind::kProgressBar, {area.left, 2400, area.width, 330});
  AddControl(*page, "lblProgress", ControlKind::kLabel, {area.width / 2 - 300, 45, 600, 240}, "",
             "picProgress");
  (*page)["Cmd_Next"].enabled = false;
  (*page)["Cmd_Prev"].enabled = false;
  return page;
}

}  // namespace

std::vector<std::unique_ptr<Page>> MakeSamplePages(const ProgramState& state,
                                                   const std::string& licence_text) {
  std::vector<std::unique_ptr<Page>> pages;
  pages.push_back(LicencePage(state, licence_text));
  pages.push_back(DestinationPage(state));
  pages.push_back(InstallPage(state));
  return pages;
}

void SetSampleProgress(Page& install, int percent) {
  Control& bar = install["picProgress"];
  bar.progress_x = bar.rect.width * percent / 100;
  install["lblProgress"].text = std::to_string(percent) + "%";
}

}  // namespace vlrna
