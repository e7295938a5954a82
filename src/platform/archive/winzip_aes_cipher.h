#ifndef VLRNA_PLATFORM_ARCHIVE_WINZIP_AES_CIPHER_H_
#define VLRNA_PLATFORM_ARCHIVE_WINZIP_AES_CIPHER_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/archive/crypto.h"
#include "platform/archive/entry_cipher.h"

namespace vlrna {

// WinZip AES (AE-1 and AE-2): keys derived from the password and the
// entry's salt, AES in counter mode with a little-endian counter from 1,
// and an HMAC-SHA1 over the encrypted data whose first ten bytes follow it.
class WinZipAesCipher : public EntryCipher {
 public:
  static constexpr size_t kVerifierBytes = 2;
  static constexpr size_t kCodeBytes = 10;

  // The salt's length for strength 1, 2 or 3 (AES-128, -192, -256);
  // nullopt for any other strength.
  static std::optional<size_t> SaltBytes(unsigned strength);

  enum Start { kReady, kWrongPassword, kNoCipher };

  // Derives the keys and checks them against `verifier`, the two bytes
  // after the salt. `strength` must be a valid one. kNoCipher when the
  // crypto library cannot derive the keys or set up AES or the HMAC.
  Start Begin(std::string_view password, unsigned strength, const unsigned char* salt,
              const unsigned char (&verifier)[kVerifierBytes]);
  void Decrypt(unsigned char* data, size_t size) override;
  // True when `code`, stored after the data, authenticates all of it.
  bool Authentic(const unsigned char (&code)[kCodeBytes]);

 private:
  void NextKeyStream();

  AesEcb aes_;
  std::optional<HmacSha1> mac_;
  uint64_t counter_ = 0;
  bool broken_ = false;  // the key stream failed: nothing is authentic
  unsigned char stream_[4096];
  size_t stream_used_ = sizeof stream_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_WINZIP_AES_CIPHER_H_
