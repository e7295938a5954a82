#include "platform/archive/traditional_cipher.h"

#include <array>

namespace vlrna {
namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

inline void UpdateKeys(uint32_t& k0, uint32_t& k1, uint32_t& k2, unsigned char plain) {
  k0 = kCrcTable[(k0 ^ plain) & 0xff] ^ (k0 >> 8);
  k1 = (k1 + (k0 & 0xff)) * 134775813u + 1;
  k2 = kCrcTable[(k2 ^ (k1 >> 24)) & 0xff] ^ (k2 >> 8);
}

}  // namespace

TraditionalCipher::TraditionalCipher(std::string_view password) {
  for (char c : password) UpdateKeys(k0_, k1_, k2_, static_cast<unsigned char>(c));
}

bool TraditionalCipher::AcceptHeader(unsigned char (&header)[kHeaderBytes], unsigned char check) {
  Decrypt(header, kHeaderBytes);
  return header[kHeaderBytes - 1] == check;
}

void TraditionalCipher::Decrypt(unsigned char* data, size_t size) {
  uint32_t k0 = k0_, k1 = k1_, k2 = k2_;
  for (size_t i = 0; i < size; ++i) {
    uint32_t t = (k2 | 2) & 0xffff;
    unsigned char c = static_cast<unsigned char>(data[i] ^ ((t * (t ^ 1)) >> 8));
    data[i] = c;
    UpdateKeys(k0, k1, k2, c);
  }
  k0_ = k0;
  k1_ = k1;
  k2_ = k2;
}

}  // namespace vlrna
