#ifndef VLRNA_PLATFORM_FAKE_FAKE_MACHINE_H_
#define VLRNA_PLATFORM_FAKE_FAKE_MACHINE_H_

#include <string>
#include <vector>

#include "platform/fake/fake_platform.h"

namespace vlrna {

// A message file in the wizard's byte format holding `texts` as entries 1 to
// n ("%APPTITLE%" and the other placeholders stay as given).
std::string MakeMessageFile(const std::vector<std::string>& texts);

// The catalogue texts tests use: entry n reads "T<n>" unless set otherwise.
std::vector<std::string> NumberedTexts(int count = 88);

// Describes a typical machine on `fake`: Windows on C:, user "pilot" with his
// registry folders, the wizard in D:\Setup with its four message files,
// spb_def.bin, setup.wav and the two licence texts, the launcher running from D:\, a fixed drive
// with plenty of space and a CD-ROM drive, and Flight Simulator X in
// C:\FSX. Tests change what they need afterwards.
void DescribeTypicalMachine(FakePlatform& fake);

// The log file a run started at the fake clock's time writes.
inline constexpr char kTypicalLogPath[] = "C:\\Users\\pilot\\VLRNA_2612051007.LOG";

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_FAKE_FAKE_MACHINE_H_
