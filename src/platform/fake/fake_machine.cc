#include "platform/fake/fake_machine.h"

namespace vlrna {

std::string MakeMessageFile(const std::vector<std::string>& texts) {
  std::string bytes;
  for (const std::string& text : texts) bytes += "\x01" + text + "\x02\r\n";
  return bytes + "\x03";
}

std::vector<std::string> NumberedTexts(int count) {
  std::vector<std::string> texts;
  for (int i = 1; i <= count; ++i) texts.push_back("T" + std::to_string(i));
  return texts;
}

void DescribeTypicalMachine(FakePlatform& fake) {
  const RegistryRoot hkcu = RegistryRoot::kCurrentUser;
  const RegistryRoot hklm = RegistryRoot::kLocalMachine;
  fake.registry.SetString(hkcu, "Volatile Environment", "USERPROFILE", "C:\\Users\\pilot");
  fake.registry.SetString(hkcu, "Volatile Environment", "APPDATA",
                          "C:\\Users\\pilot\\AppData\\Roaming");
  fake.registry.SetString(hklm,
                          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                          "Common AppData", "C:\\ProgramData");
  fake.registry.SetString(hkcu, "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0",
                          "AppPath", "C:\\FSX");
  fake.files.AddFolder("C:\\Users\\pilot");
  fake.files.AddFolder("C:\\FSX");
  std::string items = MakeMessageFile(NumberedTexts());
  for (const char* name : {"ITEMS.ENG", "ITEMS.GER", "ITEMS.ITA", "ITEMS.FRA"}) {
    fake.files.AddFile(std::string("D:\\Setup\\") + name, items);
  }
  fake.files.AddFile("D:\\Setup\\spb_def.bin", std::string(566, '\x5A'));
  fake.files.AddFile("D:\\Setup\\setup.wav", "RIFF");
  fake.files.AddFile("D:\\Setup\\license.txt", "License\r\nTerms\r\n");
  fake.files.AddFile("D:\\Setup\\lizenz.txt", "Lizenz\r\nBedingungen\r\n");
  fake.system.program_folder = "D:\\Setup";
  fake.processes.running = {{42, "VLRSetup.exe", "D:\\VLRSetup.exe"}};
  fake.drives.drives = {{"c: [system]", kDriveFixed, 51'234ull * 1024 * 1024, true},
                        {"d: [veltrona_1]", kDriveCdRom, 0, true}};
}

}  // namespace vlrna
