// vlrna-key-derivation [KEYS]
//
// Readies KEYS (default 3600) WinZip AES-256 entries the way unpacking does,
// one key derivation each: PBKDF2-HMAC-SHA1 with 1000 rounds, then the AES
// key and the HMAC. Prints the time per entry and for a set of 3,600
// entries, the number of entries in the installation set.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/archive/crypto.h"
#include "platform/archive/winzip_aes_cipher.h"

int main(int argc, char** argv) {
  const long keys = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 3600;
  if (keys <= 0) {
    std::fprintf(stderr, "usage: vlrna-key-derivation [KEYS]\n");
    return 2;
  }
  const std::string password = "B57A1CF7";
  constexpr unsigned kStrength = 3;  // AES-256, as the packing tool writes
  unsigned char salt[16] = {7, 1, 8, 2, 8, 1, 8, 2, 8, 4, 5, 9, 0, 4, 5, 2};
  // The verifier the writer stores: the two bytes after both keys.
  unsigned char material[66];
  if (!vlrna::Pbkdf2HmacSha1(password, salt, sizeof salt, 1000, material, sizeof material)) {
    std::fprintf(stderr, "vlrna-key-derivation: the crypto library failed\n");
    return 1;
  }
  const unsigned char verifier[2] = {material[64], material[65]};
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < keys; ++i) {
    vlrna::WinZipAesCipher cipher;
    if (cipher.Begin(password, kStrength, salt, verifier) != vlrna::WinZipAesCipher::kReady) {
      std::fprintf(stderr, "vlrna-key-derivation: entry %ld was not readied\n", i);
      return 1;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double per_key_ms = seconds * 1000 / static_cast<double>(keys);
  std::printf("%ld AES-256 entries readied in %.3f s: %.3f ms per entry, %.2f s for 3,600\n", keys,
              seconds, per_key_ms, per_key_ms * 3.6);
  return 0;
}
