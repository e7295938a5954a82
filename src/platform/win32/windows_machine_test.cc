// The Windows backend against the machine it runs on (Wine in CI).
#include "platform/win32/windows_machine.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/runtime_error.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/windows_api.h"

namespace vlrna {
namespace {

// A scratch folder below the user's temporary folder, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + "vlrna_test_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  std::string Path(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

int32_t ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

TEST(WindowsMachine, RegistryReadsEveryTypeAsTheAnsiCallsGiveIt) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\VlrnaTest", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD dword = 0xFFFFFFFF;
  const uint64_t qword = 0x0102030405060708ull;
  RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\FSX\\"), 8);
  RegSetValueExA(key, "Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("%TEMP%"), 7);
  RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword), 4);
  RegSetValueExA(key, "Big", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&qword), 8);
  RegSetValueExA(key, "Bytes", 0, REG_BINARY, reinterpret_cast<const BYTE*>("\x01\x00\x02"), 3);
  RegSetValueExA(key, "List", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>("a\0b\0"), 5);
  RegCloseKey(key);

  Win32Registry registry;
  RegistryKey opened = 0;
  ASSERT_EQ(registry.OpenKey(RegistryRoot::kCurrentUser, "Software\\VlrnaTest", &opened), kRegOk);
  const struct {
    const char* name;
    uint32_t type;
    std::string data;
  } values[] = {
      {"Path", kRegSz, std::string("C:\\FSX\\\0", 8)},
      {"Expand", kRegExpandSz, std::string("%TEMP%\0", 7)},
      {"Number", kRegDword, std::string("\xFF\xFF\xFF\xFF", 4)},
      {"Big", kRegQword, std::string("\x08\x07\x06\x05\x04\x03\x02\x01", 8)},
      {"Bytes", kRegBinary, std::string("\x01\x00\x02", 3)},
      {"List", kRegMultiSz, std::string("a\0b\0\0", 5)},
  };
  for (const auto& value : values) {
    uint32_t type = 0;
    EXPECT_EQ(registry.QueryValueType(opened, value.name, &type), kRegOk) << value.name;
    EXPECT_EQ(type, value.type) << value.name;
    uint8_t data[64] = {};
    uint32_t size = sizeof data;
    EXPECT_EQ(registry.QueryValueData(opened, value.name, data, &size), kRegOk) << value.name;
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), value.data) << value.name;
  }
  uint8_t small[2];
  uint32_t size = sizeof small;
  EXPECT_EQ(registry.QueryValueData(opened, "Path", small, &size), kRegMoreData);
  EXPECT_EQ(size, 8u);
  uint32_t type = 0;
  EXPECT_NE(registry.QueryValueType(opened, "Missing", &type), kRegOk);
  EXPECT_EQ(registry.CloseKey(opened), kRegOk);
  EXPECT_EQ(registry.OpenKey(RegistryRoot::kCurrentUser, "Software\\VlrnaNone", &opened),
            kRegFileNotFound);
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VlrnaTest");
}

TEST(WindowsMachine, FilesReplaceAtomicallyAndKeepTheOldFileOnFailure) {
  ScratchFolder scratch;
  Win32Files files;
  const std::string cfg = scratch.Path("Scenery.cfg");
  files.ReplaceFileAtomically(cfg, "[General]\r\n");
  const FileStamp first = files.Stamp(cfg);
  files.ReplaceFileAtomically(cfg, "[General]\r\n[Area.001]\r\n");
  EXPECT_EQ(files.ReadFile(cfg), "[General]\r\n[Area.001]\r\n");
  EXPECT_NE(files.Stamp(cfg), first);
  EXPECT_EQ(files.ReadAt(cfg, 11, 100), "[Area.001]\r\n");

  // A temporary left by a killed run goes with the next replace.
  const std::string leftover = scratch.Path(".Scenery.cfg.vlrna-abc123");
  files.WriteAt(leftover, 0, "half");
  files.CopyFile(cfg, cfg + ".vlrna.bak");
  files.ReplaceFileAtomically(cfg, "new");
  EXPECT_FALSE(files.NormalFileExists(leftover));
  EXPECT_EQ(files.ReadFile(cfg + ".vlrna.bak"), "[General]\r\n[Area.001]\r\n");

  // A file another program holds open without sharing its deletion stays as
  // it was, and no temporary is left beside it.
  {
    ScopedHandle held(CreateFileA(cfg.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held.valid());
    EXPECT_EQ(ErrorOf([&] { files.ReplaceFileAtomically(cfg, "lost"); }), kErrPermissionDenied);
  }
  EXPECT_EQ(files.ReadFile(cfg), "new");
  EXPECT_EQ(files.ListSubfolders(scratch.Path("")), std::vector<std::string>{});
  WIN32_FIND_DATAA found;
  EXPECT_EQ(FindFirstFileA(scratch.Path(".Scenery.cfg.vlrna-*").c_str(), &found),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(ErrorOf([&] { files.ReplaceFileAtomically(scratch.Path("none\\x.cfg"), "x"); }),
            kErrPathNotFound);
  EXPECT_EQ(ErrorOf([&] { files.ReadFile(scratch.Path("missing.cfg")); }), kErrFileNotFound);

  files.CreateFolders(scratch.Path("b\\deep\\er"));
  files.CreateFolders(scratch.Path("A"));
  EXPECT_EQ(files.ListSubfolders(scratch.Path("")), (std::vector<std::string>{"A", "b"}));
  EXPECT_TRUE(files.FolderExists(scratch.Path("b\\deep\\er")));
  SetFileAttributesA(cfg.c_str(), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(files.NormalFileExists(cfg));
  SetFileAttributesA(cfg.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(WindowsMachine, FilesDeleteFilesAndOnlyEmptyFolders) {
  ScratchFolder scratch;
  Win32Files files;
  files.CreateFolders(scratch.Path("Autogen\\sub"));
  files.ReplaceFileAtomically(scratch.Path("Autogen\\b.agn"), "b");
  files.ReplaceFileAtomically(scratch.Path("Autogen\\A.agn"), "a");
  EXPECT_EQ(files.ListFiles(scratch.Path("Autogen")), (std::vector<std::string>{"A.agn", "b.agn"}));
  EXPECT_TRUE(files.DeleteFile(scratch.Path("Autogen\\a.agn")));
  EXPECT_FALSE(files.DeleteFile(scratch.Path("Autogen\\a.agn")));
  EXPECT_FALSE(files.DeleteFile(scratch.Path("missing\\a.agn")));
  EXPECT_EQ(ErrorOf([&] { files.DeleteFile(scratch.Path("Autogen\\sub")); }), kErrPermissionDenied);
  const std::string b = scratch.Path("Autogen\\b.agn");
  SetFileAttributesA(b.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ErrorOf([&] { files.DeleteFile(b); }), kErrPermissionDenied);
  SetFileAttributesA(b.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_FALSE(files.RemoveEmptyFolder(scratch.Path("Autogen")));
  EXPECT_TRUE(files.RemoveEmptyFolder(scratch.Path("Autogen\\sub")));
  EXPECT_FALSE(files.RemoveEmptyFolder(scratch.Path("Autogen\\sub")));
  EXPECT_TRUE(files.FolderExists(scratch.Path("Autogen")));
}

TEST(WindowsMachine, DrivesProcessesSystemAndCodePage) {
  Win32Drives drives;
  const std::vector<std::string> list = drives.List();
  ASSERT_FALSE(list.empty());
  EXPECT_NE(std::find_if(list.begin(), list.end(),
                         [](const std::string& d) { return d.starts_with("c:"); }),
            list.end());
  EXPECT_EQ(drives.TypeOf("C:\\"), kDriveFixed);
  EXPECT_GT(drives.FreeBytesForCaller("C:\\").value_or(0), 0u);
  EXPECT_TRUE(drives.IsReady("c:"));
  EXPECT_EQ(ErrorOf([&] { drives.IsReady("C:\\x"); }), kErrDeviceUnavailable);

  Win32Processes processes;
  bool found_self = false;
  for (const ProcessInfo& p : processes.List()) {
    if (p.id != GetCurrentProcessId()) continue;
    found_self = true;
    EXPECT_TRUE(p.executable_path.ends_with("\\" + p.name)) << p.executable_path;
  }
  EXPECT_TRUE(found_self);

  Win32System system;
  EXPECT_TRUE(std::filesystem::exists(system.WindowsFolder() + "\\system32"))
      << system.WindowsFolder();
  const int64_t before = system.MonotonicMillis();
  EXPECT_GE(system.MonotonicMillis(), before);
  EXPECT_FALSE(system.ProgramFolder().empty());
  EXPECT_NE(system.ProgramFolder().back(), '\\');

  Win32CodePage western(1252);
  EXPECT_EQ(western.AnsiToUtf8("\xE4\x80"), "\xC3\xA4\xE2\x82\xAC");
  EXPECT_EQ(western.Utf8ToAnsiExactly("\xE2\x82\xAC"), std::optional<std::string>("\x80"));
  EXPECT_EQ(western.Utf8ToAnsiExactly("\xE6\x97\xA5"), std::nullopt);
  EXPECT_EQ(western.Utf8ToAnsi("\xE6\x97\xA5"), "?");
}

}  // namespace
}  // namespace vlrna
