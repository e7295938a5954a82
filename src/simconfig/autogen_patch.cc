#include "simconfig/autogen_patch.h"

#include "platform/runtime_error.h"
#include "shell/install_log.h"
#include "simconfig/autogen_scan.h"

namespace vlrna {
namespace {

const char kSource[] = "AutogenPatch";

void BackUp(Context& ctx, const std::string& path) {
  try {
    ctx.platform.files.CopyFile(path, path + ".copy");
    WriteLog(ctx, "File " + path + " successfully copied");
  } catch (const RuntimeError& error) {
    // The patch itself replaces the file atomically, so it goes on; the log
    // keeps the reason the backup is missing.
    WriteLog(ctx, "WARNING: No backup copy of " + path + ": " + error.description());
  }
}

}  // namespace

int PatchAutogenDescriptions(Context& ctx, const std::string& path, std::string* overwritten) {
  Files& files = ctx.platform.files;
  if (!files.NormalFileExists(path)) {
    WriteLog(ctx, "ERROR: File not found: " + path);
    return kAutogenFileNotFound;
  }
  WriteLog(ctx, "Opening File: " + path);
  std::string content = files.ReadFile(path);
  AutogenScan scan = ScanAutogenDescriptions(content);
  if (scan.result == AutogenScan::Result::kInvalidId) {
    WriteLog(ctx, "ERROR: Invalid file ID!");
    return kAutogenInvalidFile;
  }
  if (scan.result == AutogenScan::Result::kDamaged) {
    WriteLog(ctx, "ERROR: Invalid file structure: " + scan.problem);
    return kAutogenInvalidFile;
  }
  if (scan.markers != 0) {
    WriteLog(ctx, "File already patched!");
    return kAutogenAlreadyPatched;
  }
  if (std::string problem = PatchLayoutProblem(scan, content.size()); !problem.empty()) {
    WriteLog(ctx, "ERROR: Invalid file structure: " + problem);
    return kAutogenInvalidFile;
  }
  const std::string& block = ctx.state.gSpbDefinition;
  if (block.size() != kSpbDefinitionSize) {
    throw RuntimeError(
        kErrInvalidCall,
        "The autogen definition block holds " + std::to_string(block.size()) + " bytes, not 566",
        kSource);
  }
  std::string patched = SpliceDefinitionBlock(content, scan, block);
  if (overwritten != nullptr) {
    *overwritten = content.substr(scan.list_body + static_cast<size_t>(scan.list_length) - 4, 4);
  }
  BackUp(ctx, path);
  files.ReplaceFileAtomically(path, patched);
  WriteLog(ctx, "File succesfully patched!");
  return kAutogenPatched;
}

}  // namespace vlrna
