// Turns a readable description of a binary block into its bytes.
//
//   bytes_from_text <source> <output> <size>
//
// The source is a list of tokens separated by blanks; '#' starts a comment
// that runs to the end of the line:
//   AC          one byte, two hexadecimal digits
//   u32:17      a little-endian 32-bit number (negative numbers allowed)
//   f32:1.5     a little-endian IEEE single
//   "text"      the text's bytes, nothing else (no escapes, no blanks)
//   str:"text"  a counted string: u32 of the length plus one, the text, 00
//   len{ ... }  a u32 of the length of what the braces hold, then that
// The tool fails, writing nothing, on an unknown token or when the result is
// not exactly <size> bytes long.

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

void PutU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::string Quoted(const std::string& token, size_t from) {
  if (token.size() < from + 2 || token[from] != '"' || token.back() != '"') {
    throw std::runtime_error("bad text token: " + token);
  }
  return token.substr(from + 1, token.size() - from - 2);
}

// Appends the bytes of one token to the innermost open block.
void Emit(const std::string& token, std::vector<std::string>& blocks) {
  std::string& out = blocks.back();
  if (token == "len{") {
    blocks.emplace_back();
  } else if (token == "}") {
    if (blocks.size() < 2) throw std::runtime_error("'}' without 'len{'");
    std::string body = std::move(blocks.back());
    blocks.pop_back();
    PutU32(blocks.back(), static_cast<uint32_t>(body.size()));
    blocks.back() += body;
  } else if (token.rfind("u32:", 0) == 0) {
    PutU32(out, static_cast<uint32_t>(std::stoll(token.substr(4))));
  } else if (token.rfind("f32:", 0) == 0) {
    float f = std::stof(token.substr(4));
    uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    PutU32(out, bits);
  } else if (token.rfind("str:", 0) == 0) {
    std::string text = Quoted(token, 4);
    PutU32(out, static_cast<uint32_t>(text.size() + 1));
    out += text;
    out.push_back('\0');
  } else if (token.front() == '"') {
    out += Quoted(token, 0);
  } else if (token.size() == 2 && std::isxdigit(static_cast<unsigned char>(token[0])) &&
             std::isxdigit(static_cast<unsigned char>(token[1]))) {
    out.push_back(static_cast<char>(std::stoi(token, nullptr, 16)));
  } else {
    throw std::runtime_error("unknown token: " + token);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: bytes_from_text <source> <output> <size>\n";
    return 2;
  }
  try {
    std::ifstream in(argv[1]);
    if (!in) throw std::runtime_error(std::string("cannot read ") + argv[1]);
    std::vector<std::string> blocks(1);
    std::string line;
    while (std::getline(in, line)) {
      std::istringstream tokens(line.substr(0, line.find('#')));
      std::string token;
      while (tokens >> token) Emit(token, blocks);
    }
    if (blocks.size() != 1) throw std::runtime_error("'len{' without '}'");
    size_t size = std::stoul(argv[3]);
    if (blocks[0].size() != size) {
      throw std::runtime_error("the block has " + std::to_string(blocks[0].size()) +
                               " bytes, not " + std::to_string(size));
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(blocks[0].data(), static_cast<std::streamsize>(blocks[0].size()));
    if (!out.flush()) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    std::remove(argv[2]);
    return 1;
  }
  return 0;
}
