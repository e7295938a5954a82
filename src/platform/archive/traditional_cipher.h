#ifndef VLRNA_PLATFORM_ARCHIVE_TRADITIONAL_CIPHER_H_
#define VLRNA_PLATFORM_ARCHIVE_TRADITIONAL_CIPHER_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/archive/entry_cipher.h"

namespace vlrna {

// Traditional PKWARE encryption, with the key update inlined: libarchive
// decrypts byte by byte through a call, several times slower.
class TraditionalCipher : public EntryCipher {
 public:
  static constexpr size_t kHeaderBytes = 12;

  explicit TraditionalCipher(std::string_view password);
  // Decrypts the encryption header that starts the entry's data; true when
  // its last byte is `check`, as it is under the right password.
  bool AcceptHeader(unsigned char (&header)[kHeaderBytes], unsigned char check);
  void Decrypt(unsigned char* data, size_t size) override;
  // Decrypts a block of two entries at once. Each byte's keys wait on the
  // byte before, so one entry keeps a core's units mostly idle; two chains
  // side by side nearly double the pace.
  static void DecryptTogether(TraditionalCipher& a, unsigned char* a_data, size_t a_size,
                              TraditionalCipher& b, unsigned char* b_data, size_t b_size);

 private:
  uint32_t k0_ = 0x12345678, k1_ = 0x23456789, k2_ = 0x34567890;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_TRADITIONAL_CIPHER_H_
