#include "shell/message_catalogue.h"

#include "platform/runtime_error.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {

void ReplaceAll(std::string& text, const std::string& find, const std::string& replacement) {
  if (find.empty()) return;
  std::string result;
  size_t from = 0;
  for (size_t at = text.find(find); at != std::string::npos; at = text.find(find, from)) {
    result.append(text, from, at - from);
    result.append(replacement);
    from = at + find.size();
  }
  if (from == 0) return;
  result.append(text, from, std::string::npos);
  text = std::move(result);
}

bool FileExists(Context& ctx, const std::string& path) {
  return ctx.platform.files.NormalFileExists(path);
}

void ParseMessageFile(const std::string& bytes, const AnsiCodePage& code_page,
                      std::array<std::string, 101>& catalogue) {
  constexpr int kLastEntry = 100;
  int number = 0;  // counts every text started, also those that do not fit
  bool collecting = false;
  std::string current;
  for (char c : bytes) {
    if (c == '\x02') {
      ReplaceAll(current, "%APPTITLE%", kAppTitle);
      if (number <= kLastEntry) catalogue[number] = Recode(current, Windows1252(), code_page);
      current.clear();
      collecting = false;
    }
    if (collecting) current.push_back(c);
    if (c == '\x01') {
      ++number;
      collecting = true;
    }
    if (c == '\x03') break;
  }
  catalogue[0] = std::to_string(number);
}

void ParseMessageFile(const std::string& bytes, std::array<std::string, 101>& catalogue) {
  ParseMessageFile(bytes, Windows1252(), catalogue);
}

bool LoadMessageFile(Context& ctx, const std::string& path) {
  if (!FileExists(ctx, path)) {
    ctx.platform.window.ShowMessage({kMessageFileMissingBox, "Message File could not be loaded!",
                                     "Installing", MessageIcon::kCritical, MessageButtons::kOk});
    return false;
  }
  ParseMessageFile(ctx.platform.files.ReadFile(path), ctx.platform.code_page,
                   ctx.state.MessageCatalogue);
  return true;
}

void LoadSpbDefinition(Context& ctx) {
  std::string path = ctx.state.gsAppPath + "\\spb_def.bin";
  std::string block = ctx.platform.files.ReadAt(path, 0, kSpbDefinitionSize);
  if (block.size() < kSpbDefinitionSize) {
    throw RuntimeError(kErrInputPastEnd,
                       "Input past end of file: " + path + " holds fewer than 566 bytes",
                       "LoadSpbDefinition");
  }
  ctx.state.gSpbDefinition = std::move(block);
}

}  // namespace vlrna
