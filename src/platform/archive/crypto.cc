#include "platform/archive/crypto.h"

namespace vlrna {

bool SameSecretBytes(const unsigned char* a, const unsigned char* b, size_t size) {
  unsigned char differ = 0;
  for (size_t i = 0; i < size; ++i) differ |= static_cast<unsigned char>(a[i] ^ b[i]);
  return differ == 0;
}

void WipeSecret(void* data, size_t size) {
  volatile unsigned char* bytes = static_cast<volatile unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) bytes[i] = 0;
}

}  // namespace vlrna
