// make_items: turns the readable sources of the package's texts into the
// installer's files.
//   make_items SOURCE OUTPUT           a message file (ITEMS.ENG and kin)
//   make_items --plain SOURCE OUTPUT   a plain text such as a licence
// Both write code page 1252; a character it cannot hold stops the tool with
// the file, line and column. A message source must also pass the catalogue
// rules. OUTPUT is replaced only when everything succeeded.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "make_items/catalogue_rules.h"
#include "make_items/message_source.h"
#include "tool_io/tool_io.h"

namespace {

std::string Build(bool plain, const std::string& source_path, const std::string& source) {
  if (plain) return vlrna::ConvertPlainText(source, source_path);
  const std::vector<std::string> texts = vlrna::ParseMessageSource(source, source_path);
  const std::vector<std::string> problems = vlrna::CheckCatalogueRules(texts);
  for (const std::string& problem : problems) std::cerr << source_path << ": " << problem << "\n";
  if (!problems.empty()) throw std::runtime_error(source_path + ": texts do not fit the wizard");
  return vlrna::RenderMessageFile(texts);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool plain = !args.empty() && args[0] == "--plain";
  if (args.size() != (plain ? 3u : 2u)) {
    std::cerr << "usage: make_items [--plain] SOURCE OUTPUT\n";
    return 2;
  }
  const std::string& source_path = args[plain ? 1 : 0];
  const std::string& output_path = args[plain ? 2 : 1];
  std::string source;
  if (!vlrna::ReadWholeFile(source_path, source)) {
    std::cerr << source_path << ": cannot be read\n";
    return 1;
  }
  try {
    if (!vlrna::WriteFileReplacing(output_path, Build(plain, source_path, source))) {
      std::cerr << output_path << ": cannot be written\n";
      return 1;
    }
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}
