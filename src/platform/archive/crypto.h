#ifndef VLRNA_PLATFORM_ARCHIVE_CRYPTO_H_
#define VLRNA_PLATFORM_ARCHIVE_CRYPTO_H_

#include <cstddef>
#include <memory>
#include <string_view>

namespace vlrna {

// The cryptography of WinZip AES entries, from the system's library: OpenSSL's
// libcrypto on Linux, CNG (bcrypt) on Windows. Objects of these classes may
// live on any thread, one thread at a time.

constexpr size_t kSha1Bytes = 20;

// HMAC-SHA1 over a stream of blocks, as WinZip AES authenticates the data.
class HmacSha1 {
 public:
  explicit HmacSha1(std::string_view key);
  ~HmacSha1();
  HmacSha1(HmacSha1&&) noexcept;
  HmacSha1& operator=(HmacSha1&&) noexcept;

  // False when the library could not set up the hash; Update and Finish then
  // do nothing, and the code never authenticates anything.
  bool ready() const;
  void Update(const unsigned char* data, size_t size);
  // The code over everything given so far; the object is used up.
  void Finish(unsigned char (&code)[kSha1Bytes]);

 private:
  friend bool Pbkdf2HmacSha1(std::string_view, const unsigned char*, size_t, unsigned,
                             unsigned char*, size_t);
  struct State;
  std::unique_ptr<State> state_;
};

// PBKDF2 with HMAC-SHA1 (RFC 8018), writing `size` bytes of key material.
// Every zip entry under AES derives its keys with 1000 rounds of this from a
// salt of its own. False when the library fails; `out` is then zeros.
bool Pbkdf2HmacSha1(std::string_view password, const unsigned char* salt, size_t salt_size,
                    unsigned iterations, unsigned char* out, size_t size);

// AES in ECB mode, encrypting whole 16-byte blocks: the block function under
// the counter-mode key stream.
class AesEcb {
 public:
  static constexpr size_t kBlockBytes = 16;

  AesEcb();
  ~AesEcb();
  AesEcb(const AesEcb&) = delete;
  AesEcb& operator=(const AesEcb&) = delete;

  // Sets a 16-, 24- or 32-byte key. False when the library refuses it.
  bool SetKey(const unsigned char* key, size_t key_size);
  // Encrypts `size` bytes, a multiple of the block size, from `in` to `out`.
  // False when no key is set or the library fails.
  bool Encrypt(const unsigned char* in, unsigned char* out, size_t size);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Whether the `size` bytes at `a` and `b` are the same, taking as long
// whatever they hold.
bool SameSecretBytes(const unsigned char* a, const unsigned char* b, size_t size);

// Overwrites secret bytes with zeros in a way the compiler keeps.
void WipeSecret(void* data, size_t size);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_CRYPTO_H_
