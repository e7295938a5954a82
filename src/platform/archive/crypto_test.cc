#include "platform/archive/crypto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vlrna {
namespace {

std::string Hex(const unsigned char* bytes, size_t size) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (size_t i = 0; i < size; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

std::string Derive(std::string_view password, std::string_view salt, unsigned rounds, size_t size) {
  std::vector<unsigned char> out(size);
  EXPECT_TRUE(Pbkdf2HmacSha1(password, reinterpret_cast<const unsigned char*>(salt.data()),
                             salt.size(), rounds, out.data(), size));
  return Hex(out.data(), size);
}

TEST(HmacSha1Test, MatchesTheStandardVectorsWhateverTheBlocks) {
  unsigned char code[kSha1Bytes];
  HmacSha1 whole("Jefe");
  std::string text = "what do ya want for nothing?";
  whole.Update(reinterpret_cast<const unsigned char*>(text.data()), text.size());
  whole.Finish(code);
  EXPECT_EQ(Hex(code, kSha1Bytes), "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79");

  HmacSha1 pieces("Jefe");
  for (char c : text) pieces.Update(reinterpret_cast<const unsigned char*>(&c), 1);
  pieces.Finish(code);
  EXPECT_EQ(Hex(code, kSha1Bytes), "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79");

  // A key longer than a block is hashed first.
  HmacSha1 long_key(std::string(80, '\xaa'));
  std::string test = "Test Using Larger Than Block-Size Key - Hash Key First";
  long_key.Update(reinterpret_cast<const unsigned char*>(test.data()), test.size());
  long_key.Finish(code);
  EXPECT_EQ(Hex(code, kSha1Bytes), "aa4ae5e15272d00e95705637ce8a3b55ed402112");
}

TEST(HmacSha1Test, KeyDerivationMatchesTheStandardVectors) {
  EXPECT_EQ(Derive("password", "salt", 1, 20), "0c60c80f961f0e71f3a9b524af6012062fe037a6");
  EXPECT_EQ(Derive("password", "salt", 2, 20), "ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957");
  EXPECT_EQ(Derive("password", "salt", 4096, 20), "4b007901b765489abead49d926f721d065a429c1");
  EXPECT_EQ(Derive("passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 25),
            "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038");
  EXPECT_EQ(Derive(std::string_view("pass\0word", 9), std::string_view("sa\0lt", 5), 4096, 16),
            "56fa6aa75548099dcc37d7f03425e0c3");
}

TEST(HmacSha1Test, KeyDerivationOfWinZipSizes) {
  // 66 bytes: two AES-256 keys and the verifier, four hash blocks; and a
  // password longer than a hash block.
  unsigned char salt[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  std::string_view salt_text(reinterpret_cast<char*>(salt), sizeof salt);
  EXPECT_EQ(Derive("B57A1CF7", salt_text, 1000, 66),
            "56b8f46c8c3fbd1e698edce93e0c4b25470c7ffe02ebd67d24324d46fb25038437ca6235c86eafc2f4"
            "7e41b5e98968ef9e4e6927028a7825f0febb856be819bf3c02");
  EXPECT_EQ(Derive(std::string(100, 'p'), salt_text, 1000, 66),
            "5e650e49bc6834f0a47f6924fec9a49cb1fb48df3d762d3e31f38e8f9f8ec71ac1325b3c35b8e6ccab"
            "31d10194c9993dc90c4b8a1885f88c88110f226dbbb26ffd57");
}

TEST(AesEcbTest, EncryptsTheStandardBlocksWithEveryKeySize) {
  struct Case {
    size_t key_size;
    const char* cipher_text;
  };
  // One plaintext block under the keys 00 01 02 ..., as the AES standard
  // gives them.
  for (Case c :
       {Case{16, "69c4e0d86a7b0430d8cdb78070b4c55a"}, Case{24, "dda97ca4864cdfe06eaf70a0ec0d7191"},
        Case{32, "8ea2b7ca516745bfeafc49904b496089"}}) {
    unsigned char key[32], plain[32], out[32];
    for (unsigned char i = 0; i < 32; ++i) key[i] = i;
    // Two blocks: each is encrypted on its own, as ECB must.
    for (unsigned char i = 0; i < 32; ++i) plain[i] = static_cast<unsigned char>((i % 16) * 0x11);
    AesEcb aes;
    ASSERT_TRUE(aes.SetKey(key, c.key_size));
    ASSERT_TRUE(aes.Encrypt(plain, out, sizeof out));
    EXPECT_EQ(Hex(out, 16), c.cipher_text) << c.key_size;
    EXPECT_EQ(Hex(out + 16, 16), c.cipher_text) << c.key_size;
  }
}

TEST(AesEcbTest, RefusesBadKeysAndPartialBlocks) {
  unsigned char key[32] = {}, block[17] = {};
  AesEcb aes;
  EXPECT_FALSE(aes.Encrypt(block, block, 16));  // no key yet
  EXPECT_FALSE(aes.SetKey(key, 20));
  ASSERT_TRUE(aes.SetKey(key, 16));
  EXPECT_FALSE(aes.Encrypt(block, block, 17));
  EXPECT_TRUE(aes.Encrypt(block, block, 16));
}

TEST(SecretBytesTest, ComparesEveryByteAndWipes) {
  unsigned char a[4] = {1, 2, 3, 4}, b[4] = {1, 2, 3, 5};
  EXPECT_TRUE(SameSecretBytes(a, b, 3));
  EXPECT_FALSE(SameSecretBytes(a, b, 4));
  WipeSecret(a, sizeof a);
  EXPECT_EQ(Hex(a, 4), "00000000");
}

}  // namespace
}  // namespace vlrna
