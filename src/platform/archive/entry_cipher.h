#ifndef VLRNA_PLATFORM_ARCHIVE_ENTRY_CIPHER_H_
#define VLRNA_PLATFORM_ARCHIVE_ENTRY_CIPHER_H_

#include <cstddef>

namespace vlrna {

// Decrypts one zip entry's data in place, block after block, in order.
class EntryCipher {
 public:
  virtual ~EntryCipher() = default;
  virtual void Decrypt(unsigned char* data, size_t size) = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_ENTRY_CIPHER_H_
