#ifndef VLRNA_PLATFORM_ARCHIVE_HMAC_SHA1_H_
#define VLRNA_PLATFORM_ARCHIVE_HMAC_SHA1_H_

#include <openssl/sha.h>

#include <cstddef>
#include <string_view>

namespace vlrna {

constexpr size_t kSha1Bytes = 20;

// HMAC-SHA1 over a stream of blocks, as WinZip AES authenticates the data.
class HmacSha1 {
 public:
  explicit HmacSha1(std::string_view key);
  void Update(const unsigned char* data, size_t size);
  // The code over everything given so far; the object is used up.
  void Finish(unsigned char (&code)[kSha1Bytes]);

 private:
  friend void Pbkdf2HmacSha1(std::string_view, const unsigned char*, size_t, unsigned,
                             unsigned char*, size_t);
  SHA_CTX inner_;  // after the key's inner pad
  SHA_CTX outer_;  // after the key's outer pad
};

// PBKDF2 with HMAC-SHA1 (RFC 8018), writing `size` bytes of key material.
// Every zip entry under AES derives its keys with 1000 rounds of this from
// a salt of its own, so the rounds work on the hash blocks directly.
void Pbkdf2HmacSha1(std::string_view password, const unsigned char* salt, size_t salt_size,
                    unsigned iterations, unsigned char* out, size_t size);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_HMAC_SHA1_H_
