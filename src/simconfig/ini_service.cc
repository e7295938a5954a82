#include "simconfig/ini_service.h"

#include <utility>

#include "platform/runtime_error.h"

namespace vlrna {
namespace {

const char kSource[] = "IniService";

// A few files at most are edited in one run; a bound keeps a long options run
// over many simulators from holding every file it looked at.
constexpr size_t kMaxParsedFiles = 8;

void RefuseUnsafe(const std::string& path, const std::string& section, const std::string& key,
                  const std::string& value) {
  if (!IsSafeIniSection(section) || !IsSafeIniKey(key) || !IsSafeIniValue(value)) {
    throw RuntimeError(kErrInvalidCall,
                       "Refused to write [" + section + "] " + key + " to " + path +
                           ": a name or the value would break the file's lines",
                       kSource);
  }
}

}  // namespace

IniService::IniService(Files& files, const AnsiCodePage& code_page, bool reuse_parsed)
    : files_(files), code_page_(code_page), reuse_parsed_(reuse_parsed) {}

const IniDocument* IniService::Load(const std::string& path) {
  FileStamp stamp = files_.Stamp(path);
  auto it = parsed_.find(path);
  if (!stamp.exists) {
    if (it != parsed_.end()) parsed_.erase(it);
    return nullptr;
  }
  if (it != parsed_.end() && it->second.stamp == stamp && reuse_parsed_) {
    return &it->second.document;
  }
  if (it != parsed_.end()) parsed_.erase(it);
  IniDocument document = IniDocument::Parse(files_.ReadFile(path), code_page_);
  if (parsed_.size() >= kMaxParsedFiles) parsed_.clear();
  return &parsed_.insert_or_assign(path, Parsed{stamp, std::move(document)}).first->second.document;
}

const IniDocument* IniService::View(const std::string& path) {
  try {
    return Load(path);
  } catch (const RuntimeError&) {
    return nullptr;  // an unreadable file reads like a missing one
  }
}

std::string IniService::ValueIn(const IniDocument* view, const std::string& section,
                                const std::string& key, const std::string& default_value,
                                size_t max_chars) {
  std::optional<std::string> found;
  if (view != nullptr) found = view->Find(section, key);
  std::string value = found ? std::move(*found) : default_value;
  if (value.size() > max_chars) value.resize(max_chars);
  return value;
}

std::string IniService::Read(const std::string& path, const std::string& section,
                             const std::string& key, const std::string& default_value,
                             size_t max_chars) {
  return ValueIn(View(path), section, key, default_value, max_chars);
}

void IniService::Write(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value) {
  RefuseUnsafe(path, section, key, value);  // before the file is read
  IniDocument document = Edit(path);
  document.Set(section, key, value);
  Replace(path, std::move(document));
}

IniDocument IniService::Edit(const std::string& path) {
  if (Load(path) == nullptr) return IniDocument(code_page_);
  // Taken out while it is edited: should the edit be dropped or the replace
  // fail, the next call reads the file again.
  auto it = parsed_.find(path);
  IniDocument document = std::move(it->second.document);
  parsed_.erase(it);
  return document;
}

void IniService::Set(IniDocument& document, const std::string& path, const std::string& section,
                     const std::string& key, const std::string& value) {
  RefuseUnsafe(path, section, key, value);
  document.Set(section, key, value);
}

void IniService::Replace(const std::string& path, IniDocument document) {
  parsed_.erase(path);
  files_.ReplaceFileAtomically(path, document.Bytes());
  FileStamp stamp = files_.Stamp(path);
  if (stamp.exists) parsed_.insert_or_assign(path, Parsed{stamp, std::move(document)});
}

std::string ReadIniValue(IniService& ini, const std::string& path, const std::string& section,
                         const std::string& key, const std::string& default_value) {
  return ini.Read(path, section, key, default_value);
}

void WriteIniValue(IniService& ini, const std::string& path, const std::string& section,
                   const std::string& key, const std::string& value) {
  ini.Write(path, section, key, value);
}

}  // namespace vlrna
