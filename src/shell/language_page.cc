#include "shell/language_page.h"

#include <array>

#include "shell/archive_keys.h"
#include "shell/message_catalogue.h"
#include "shell/page_layout.h"
#include "shell/program_end.h"

namespace vlrna {
namespace {

struct Language {
  const char* option;
  const char* caption;
  const char* message_file;
  const char* license_file;
  const char* letter;
};

// In the order Next looks at them.
constexpr std::array<Language, 4> kLanguages = {{
    {"Opt_ENG", "English", "\\ITEMS.ENG", "\\license.txt", "E"},
    {"Opt_GER", "Deutsch", "\\ITEMS.GER", "\\lizenz.txt", "D"},
    {"Opt_ITA", "Italiano", "\\ITEMS.ITA", "\\license.txt", "I"},
    {"Opt_FRA",
     "Fran\xE7"
     "ais",
     "\\ITEMS.FRA", "\\license.txt", "F"},
}};

}  // namespace

LanguagePage::LanguagePage(Context& ctx, PageFlow& flow)
    : WizardPage("Setup", kPageWidth, ctx, flow) {
  AddStandardControls(*this);
  (*this)["Cmd_Prev"].text =
      "< &Zur\xFC"
      "ck";
  (*this)["Cmd_Prev"].enabled = false;
  (*this)["Cmd_Next"].text = "&Weiter >";
  (*this)["Cmd_Quit"].text = "&Abbrechen";
  Rect area = ContentArea(*this);
  const int32_t l = area.left;
  const int32_t w = area.width;
  Control& heading =
      AddControl(*this, "Lab_Welcome", ControlKind::kLabel, {l, 150, w, 480}, "Select Language");
  heading.font = {"Times New Roman", 18, true};
  AddControl(*this, "Lab_1", ControlKind::kLabel, {l, 720, w, 450},
             "Please select the language that you would like to use during the installation.");
  AddControl(*this, "Lab_2", ControlKind::kLabel, {l, 1200, w, 450},
             "W\xE4hlen Sie eine Sprache aus der unten aufgef\xFChrten Liste aus.");
  AddControl(*this, "Lab_3", ControlKind::kLabel, {l, 1680, w, 255},
             "Veuillez choisir votre langue.");
  AddControl(*this, "Frm_1", ControlKind::kFrame, {l, 2100, w, 2220});
  int32_t top = 2430;
  for (const Language& language : kLanguages) {
    AddControl(*this, language.option, ControlKind::kOption, {l + 240, top, w - 480, 330},
               language.caption, "Frm_1");
    top += 435;
  }
  SetOption("Opt_ENG");
}

void LanguagePage::Load() {
  caption = std::string(kAppTitle) + " Installation";
  for (size_t i = 0; i < kArchiveGuids.size(); ++i) {
    ctx_.state.gsArchiveGuid[i + 1] = std::string(kArchiveGuids[i]);
  }
  OfferAvailableLanguages();
  Preselect();
  LoadDefinitionBlock();
  std::string sound = ctx_.state.gsAppPath + "\\setup.wav";
  if (FileExists(ctx_, sound)) ctx_.platform.sound.PlayAsync(sound);
}

void LanguagePage::OfferAvailableLanguages() {
  for (const Language& language : kLanguages) {
    bool present = FileExists(ctx_, ctx_.state.gsAppPath + language.message_file);
    (*this)[language.option].enabled = present;
    (*this)[language.option].visible = present;
  }
}

void LanguagePage::Preselect() {
  switch (ctx_.state.gnSystemLanguage & 0x3FF) {
    case 0x07:
      SetOption("Opt_GER");
      break;
    case 0x10:
      SetOption("Opt_ITA");
      break;
    default:
      SetOption("Opt_ENG");
      break;
  }
  // A language whose message file is missing cannot be the one offered: fall
  // back to the first language that is there.
  if ((*this)[SelectedOption("Frm_1")].visible) return;
  for (const Language& language : kLanguages) {
    if ((*this)[language.option].visible) {
      SetOption(language.option);
      return;
    }
  }
}

void LanguagePage::LoadDefinitionBlock() {
  try {
    LoadSpbDefinition(ctx_);
  } catch (const RuntimeError& error) {
    FatalError(ctx_, "ERROR: Autogen definition file " + ctx_.state.gsAppPath +
                         "\\spb_def.bin could not be read! (" + error.description() + ")");
  }
}

bool LanguagePage::TakeChosenLanguage() {
  for (const Language& language : kLanguages) {
    if (!(*this)[language.option].value) continue;
    ctx_.state.gsLicenseFile = language.license_file;
    ctx_.state.gsLanguage = language.letter;
    std::string path = ctx_.state.gsAppPath + language.message_file;
    bool loaded = false;
    try {
      loaded = LoadMessageFile(ctx_, path);
    } catch (const RuntimeError& error) {
      FatalError(ctx_,
                 "ERROR: Itemfiles " + path + " could not be read! (" + error.description() + ")");
    }
    if (!loaded) FatalError(ctx_, "ERROR: Itemfiles " + path + " not found!");
    return true;
  }
  return false;
}

bool LanguagePage::OnButton(const std::string& control) {
  if (control == "Cmd_Next") return TakeChosenLanguage();
  if (control == "Cmd_Quit") {
    MessageAnswer answer = ctx_.platform.window.ShowMessage(
        {kLanguageQuitBox, "Do you want to abort this installation?", "Installing",
         MessageIcon::kQuestion, MessageButtons::kYesNo});
    if (answer == kAnswerYes) FatalError(ctx_, "");
    return false;
  }
  return false;
}

}  // namespace vlrna
