#include <windows.h>
// windows.h first: bcrypt.h needs its types.
#include <bcrypt.h>

#include <cstdint>
#include <limits>

#include "platform/archive/crypto.h"

namespace vlrna {
namespace {

bool Succeeded(NTSTATUS status) { return status >= 0; }

// The algorithm providers, opened once for the whole process: opening one
// costs far more than a hash, and CNG lets threads share them.
struct Providers {
  BCRYPT_ALG_HANDLE hmac_sha1 = nullptr;
  BCRYPT_ALG_HANDLE aes_ecb = nullptr;

  Providers() {
    if (!Succeeded(BCryptOpenAlgorithmProvider(&hmac_sha1, BCRYPT_SHA1_ALGORITHM, nullptr,
                                               BCRYPT_ALG_HANDLE_HMAC_FLAG))) {
      hmac_sha1 = nullptr;
    }
    if (!Succeeded(BCryptOpenAlgorithmProvider(&aes_ecb, BCRYPT_AES_ALGORITHM, nullptr, 0))) {
      aes_ecb = nullptr;
    } else if (!Succeeded(BCryptSetProperty(
                   aes_ecb, BCRYPT_CHAINING_MODE,
                   reinterpret_cast<PUCHAR>(const_cast<wchar_t*>(BCRYPT_CHAIN_MODE_ECB)),
                   sizeof(BCRYPT_CHAIN_MODE_ECB), 0))) {
      BCryptCloseAlgorithmProvider(aes_ecb, 0);
      aes_ecb = nullptr;
    }
  }
  ~Providers() {
    if (hmac_sha1 != nullptr) BCryptCloseAlgorithmProvider(hmac_sha1, 0);
    if (aes_ecb != nullptr) BCryptCloseAlgorithmProvider(aes_ecb, 0);
  }
};

const Providers& TheProviders() {
  static const Providers providers;
  return providers;
}

PUCHAR Bytes(const void* data) { return reinterpret_cast<PUCHAR>(const_cast<void*>(data)); }

}  // namespace

struct HmacSha1::State {
  BCRYPT_HASH_HANDLE hash = nullptr;
};

HmacSha1::HmacSha1(std::string_view key) : state_(std::make_unique<State>()) {
  BCRYPT_ALG_HANDLE provider = TheProviders().hmac_sha1;
  if (provider == nullptr ||
      !Succeeded(BCryptCreateHash(provider, &state_->hash, nullptr, 0, Bytes(key.data()),
                                  static_cast<ULONG>(key.size()), 0))) {
    state_->hash = nullptr;
  }
}

HmacSha1::~HmacSha1() {
  if (state_ && state_->hash != nullptr) BCryptDestroyHash(state_->hash);
}
HmacSha1::HmacSha1(HmacSha1&&) noexcept = default;
HmacSha1& HmacSha1::operator=(HmacSha1&& other) noexcept {
  if (state_ && state_->hash != nullptr) BCryptDestroyHash(state_->hash);
  state_ = std::move(other.state_);
  return *this;
}

bool HmacSha1::ready() const { return state_ && state_->hash != nullptr; }

void HmacSha1::Update(const unsigned char* data, size_t size) {
  if (!ready()) return;
  constexpr size_t kMost = std::numeric_limits<ULONG>::max();
  while (size > 0) {
    size_t take = size < kMost ? size : kMost;
    BCryptHashData(state_->hash, Bytes(data), static_cast<ULONG>(take), 0);
    data += take;
    size -= take;
  }
}

void HmacSha1::Finish(unsigned char (&code)[kSha1Bytes]) {
  if (!ready() || !Succeeded(BCryptFinishHash(state_->hash, code, kSha1Bytes, 0))) {
    // No code to give: zeros, and ready() tells the caller not to trust them.
    for (unsigned char& byte : code) byte = 0;
  }
}

bool Pbkdf2HmacSha1(std::string_view password, const unsigned char* salt, size_t salt_size,
                    unsigned iterations, unsigned char* out, size_t size) {
  BCRYPT_ALG_HANDLE provider = TheProviders().hmac_sha1;
  bool done =
      provider != nullptr &&
      Succeeded(BCryptDeriveKeyPBKDF2(
          provider, Bytes(password.data()), static_cast<ULONG>(password.size()), Bytes(salt),
          static_cast<ULONG>(salt_size), iterations, out, static_cast<ULONG>(size), 0));
  if (!done) WipeSecret(out, size);
  return done;
}

struct AesEcb::State {
  BCRYPT_KEY_HANDLE key = nullptr;
};

AesEcb::AesEcb() : state_(std::make_unique<State>()) {}

AesEcb::~AesEcb() {
  if (state_->key != nullptr) BCryptDestroyKey(state_->key);
}

bool AesEcb::SetKey(const unsigned char* key, size_t key_size) {
  if (state_->key != nullptr) BCryptDestroyKey(state_->key);
  state_->key = nullptr;
  BCRYPT_ALG_HANDLE provider = TheProviders().aes_ecb;
  if (provider == nullptr || (key_size != 16 && key_size != 24 && key_size != 32)) return false;
  if (!Succeeded(BCryptGenerateSymmetricKey(provider, &state_->key, nullptr, 0, Bytes(key),
                                            static_cast<ULONG>(key_size), 0))) {
    state_->key = nullptr;
    return false;
  }
  return true;
}

bool AesEcb::Encrypt(const unsigned char* in, unsigned char* out, size_t size) {
  if (state_->key == nullptr || size % kBlockBytes != 0) return false;
  ULONG written = 0;
  return Succeeded(BCryptEncrypt(state_->key, Bytes(in), static_cast<ULONG>(size), nullptr, nullptr,
                                 0, out, static_cast<ULONG>(size), &written, 0)) &&
         written == size;
}

}  // namespace vlrna
