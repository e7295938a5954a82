#include "platform/posix/test_prefix.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vlrna {

const char TestPrefix::kSystemHeader[] =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n"
    "\n"
    "#arch=win64\n";
const char TestPrefix::kUserHeader[] =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win64\n";

TestPrefix::TestPrefix() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vlrna-prefix-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  MakeFolder("drive_c/users/pilot/AppData/Roaming");
  MakeFolder("drive_c/users/Public");
  MakeFolder("drive_c/windows/system32");
  MakeFolder("dosdevices");
  Link('c', "../drive_c");
  Link('z', "/");
  SetSystemReg("");
  SetUserReg("");
}

TestPrefix::~TestPrefix() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);  // links are removed, not followed
}

void TestPrefix::Write(const std::string& relative, const std::string& content) const {
  std::filesystem::path path = Path(relative);
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

void TestPrefix::MakeFolder(const std::string& relative) const {
  std::filesystem::create_directories(Path(relative));
}

void TestPrefix::Link(char letter, const std::string& target) const {
  std::string link = Path(std::string("dosdevices/") + letter + ":");
  unlink(link.c_str());
  if (symlink(target.c_str(), link.c_str()) != 0) throw std::runtime_error("symlink failed");
}

void TestPrefix::SetSystemReg(const std::string& body) const {
  Write("system.reg", kSystemHeader + body);
}

void TestPrefix::SetUserReg(const std::string& body) const {
  Write("user.reg", kUserHeader + body);
}

std::string TestPrefix::Read(const std::string& relative) const {
  std::ifstream in(Path(relative), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace vlrna
