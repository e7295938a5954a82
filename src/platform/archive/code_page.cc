#include "platform/archive/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace vlrna {
namespace {

std::optional<std::string> Convert(std::string_view text, const std::string& to,
                                   const std::string& from) {
  bool ascii = true;
  for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::string(text);
  iconv_t cd = iconv_open(to.c_str(), from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::vector<char> out(text.size() * 4 + 4);
  std::string in(text);
  char* in_ptr = in.data();
  size_t in_left = in.size();
  char* out_ptr = out.data();
  size_t out_left = out.size();
  size_t r = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1) || r > 0 || in_left != 0) return std::nullopt;
  return std::string(out.data(), out.size() - out_left);
}

}  // namespace

std::optional<std::string> Utf8ToCodePage(std::string_view utf8, std::string_view code_page) {
  return Convert(utf8, std::string(code_page), "UTF-8");
}

std::optional<std::string> CodePageToUtf8(std::string_view text, std::string_view code_page) {
  return Convert(text, "UTF-8", std::string(code_page));
}

}  // namespace vlrna
