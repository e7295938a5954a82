#include "platform/archive/traditional_cipher.h"

#include <algorithm>
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

inline unsigned char Decrypted(uint32_t k2, unsigned char byte) {
  uint32_t t = (k2 | 2) & 0xffff;
  return static_cast<unsigned char>(byte ^ ((t * (t ^ 1)) >> 8));
}

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
    data[i] = Decrypted(k2, data[i]);
    UpdateKeys(k0, k1, k2, data[i]);
  }
  k0_ = k0;
  k1_ = k1;
  k2_ = k2;
}

void TraditionalCipher::DecryptTogether(TraditionalCipher& a, unsigned char* a_data, size_t a_size,
                                        TraditionalCipher& b, unsigned char* b_data,
                                        size_t b_size) {
  size_t both = std::min(a_size, b_size);
  uint32_t a0 = a.k0_, a1 = a.k1_, a2 = a.k2_;
  uint32_t b0 = b.k0_, b1 = b.k1_, b2 = b.k2_;
  for (size_t i = 0; i < both; ++i) {
    unsigned char x = Decrypted(a2, a_data[i]);
    unsigned char y = Decrypted(b2, b_data[i]);
    a_data[i] = x;
    b_data[i] = y;
    UpdateKeys(a0, a1, a2, x);
    UpdateKeys(b0, b1, b2, y);
  }
  a.k0_ = a0, a.k1_ = a1, a.k2_ = a2;
  b.k0_ = b0, b.k1_ = b1, b.k2_ = b2;
  a.Decrypt(a_data + both, a_size - both);
  b.Decrypt(b_data + both, b_size - both);
}

}  // namespace vlrna
