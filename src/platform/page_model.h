#ifndef VLRNA_PLATFORM_PAGE_MODEL_H_
#define VLRNA_PLATFORM_PAGE_MODEL_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vlrna {

// A page of the wizard as data: the core's handlers change it, a renderer
// shows it and turns the user's input into calls of the input methods below.
// Nothing here knows a toolkit.

enum class ControlKind {
  kLabel,
  kButton,
  kOption,         // option button; one selected per container
  kTextBox,        // single-line, editable unless read_only
  kMultiLineText,  // multi-line, scrolls
  kFrame,          // a frame around other controls, with a caption
  kPicture,        // a picture area; shows `picture` when set
  // A drive list. items: the drives' display texts ("c: [SYSTEM]"), as
  // Drives::List gives them; text and list_index: the chosen one.
  kDriveList,
  // A folder list. text: the current folder, a full Windows path ("C:\FSX",
  // the root as "C:\"). items: full paths, first the chain from the drive's
  // root down to the current folder ("C:\", "C:\FSX"), then the current
  // folder's subfolders ("C:\FSX\Scenery"); list_index: the current folder.
  // Choosing an item opens that folder.
  kFolderList,
  // A picture area the progress is drawn into. Its caption is a label whose
  // container is the bar: the renderer draws that label's text centred on the
  // bar instead of as a widget of its own.
  kProgressBar,
};

// Positions and sizes are in twips (1/1440 inch), relative to the page's
// client area, whatever the container.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

struct Font {
  std::string face;    // empty: the renderer's default face
  int32_t points = 0;  // 0: the renderer's default size
  bool bold = false;
};

struct Control {
  std::string name;  // the system's name: "Cmd_Next", "optSimulation(3)"
  ControlKind kind = ControlKind::kLabel;
  std::string text;  // caption or content; bytes in the ANSI code page
  bool enabled = true;
  bool visible = true;
  bool value = false;      // option buttons: selected
  bool read_only = false;  // text boxes
  std::string container;   // the frame that holds it, or empty
  Rect rect;
  Font font;
  bool is_default = false;         // pressed by Enter
  bool is_cancel = false;          // pressed by Esc
  std::vector<std::string> items;  // drive and folder lists
  int32_t list_index = -1;         // drive and folder lists: the chosen item
  std::string picture;             // picture areas: Windows path of the BMP shown, or empty
  // Progress bars: the boundary between the done and the remaining part, in
  // the bar's own scale (0 to rect.width); -1 while nothing has been drawn.
  int32_t progress_x = -1;
};

class Page {
 public:
  // `client_width` and `client_height` are the fixed size of the page's inner
  // area, in twips.
  Page(std::string name, int32_t client_width, int32_t client_height);
  virtual ~Page() = default;
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  const std::string& name() const { return name_; }
  int32_t client_width() const { return client_width_; }
  int32_t client_height() const { return client_height_; }

  // The window caption and the screen position of the page's top-left corner
  // in twips.
  std::string caption;
  int32_t left = 0;
  int32_t top = 0;
  bool visible = false;
  // True while a handler of the page does long work and yields to the window
  // system (the installation run): the renderer then delivers no input to the
  // page at all, so no second click starts the work again or leaves the page
  // under it. Set it through BusyScope.
  bool busy = false;

  // Adds a control; its name must be new to the page.
  Control& Add(Control control);
  bool Has(std::string_view name) const;
  // The control of that name. An unknown name is a fault of the program and
  // raises std::out_of_range.
  Control& operator[](std::string_view name);
  const Control& operator[](std::string_view name) const;
  std::vector<Control>& controls() { return controls_; }
  const std::vector<Control>& controls() const { return controls_; }

  // Selects an option button and clears the others of its container, without
  // running a handler (what code does when it sets an option).
  void SetOption(std::string_view name);
  // The name of the selected option of `container`, or empty.
  std::string SelectedOption(std::string_view container) const;

  // Runs once, when the page is first used.
  virtual void Load() {}

  // Input from the user, as a renderer reports it. Each changes the model as
  // the control itself would, then runs the page's handler.
  void Click(std::string_view name);
  void ChooseOption(std::string_view name);
  void ChooseListItem(std::string_view name, int32_t index);
  void EditText(std::string_view name, std::string text);

 protected:
  // Handlers of the concrete page: a button was pressed; an option, a list or
  // a text box changed.
  virtual void OnClick(const std::string& /*control*/) {}
  virtual void OnChange(const std::string& /*control*/) {}

 private:
  std::string name_;
  int32_t client_width_;
  int32_t client_height_;
  std::vector<Control> controls_;
};

// Marks a page busy for the lifetime of the scope, as the long work of a
// handler needs it; the page is free again however the scope is left.
class BusyScope {
 public:
  explicit BusyScope(Page& page) : page_(page), was_busy_(page.busy) { page.busy = true; }
  ~BusyScope() { page_.busy = was_busy_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Page& page_;
  bool was_busy_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_PAGE_MODEL_H_
