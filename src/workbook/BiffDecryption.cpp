#include "BiffDecryption.h"

#include "Yielder.h"

#include <nettle/arcfour.h>
#include <nettle/md5.h>
#include <nettle/sha1.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace biff {
namespace {

// The password Excel gives a workbook that is only protected against changes.
constexpr char16_t kDefaultPassword[] = u"VelvetSweatshop";
constexpr size_t kPasswordChars = sizeof kDefaultPassword / sizeof(char16_t) - 1;

// The key changes every 1024 bytes of the stream.
constexpr qint64 kBlockSize = 1024;
constexpr size_t kMaxKeyBytes = 16;

// Fields of the CryptoAPI encryption header.
constexpr quint32 kFlagAes = 0x20;
constexpr quint32 kAlgRc4 = 0x6801;
constexpr quint32 kAlgSha1 = 0x8004;
constexpr qint64 kCryptoApiHeaderMin = 32; // the fixed fields before the provider's name
constexpr qint64 kCryptoApiVerifierSize = 4 + 16 + 16 + 4 + 20;

enum Record : quint16 {
    kBof = 0x0809,
    kFilePass = 0x002F,
    kBoundSheet = 0x0085,
    kInterfaceHdr = 0x00E1,
    kRrdHead = 0x0138,
    kUsrExcl = 0x0194,
    kFileLock = 0x0195,
    kRrdInfo = 0x0196,
};

inline quint16 u16(const uchar* p) {
    return quint16(p[0] | (p[1] << 8));
}
inline quint32 u32(const uchar* p) {
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

std::array<uchar, 4> le32(quint32 v) {
    return {uchar(v), uchar(v >> 8), uchar(v >> 16), uchar(v >> 24)};
}

std::array<uchar, 2 * kPasswordChars> passwordBytes() {
    std::array<uchar, 2 * kPasswordChars> out{};
    for (size_t i = 0; i < kPasswordChars; ++i) {
        out[2 * i] = uchar(kDefaultPassword[i] & 0xFF);
        out[2 * i + 1] = uchar(kDefaultPassword[i] >> 8);
    }
    return out;
}

// Records whose bodies stay in clear; all others after the FILEPASS record are encrypted.
bool neverEncrypted(quint16 type) {
    switch (type) {
    case kBof:
    case kFilePass:
    case kUsrExcl:
    case kFileLock:
    case kInterfaceHdr:
    case kRrdInfo:
    case kRrdHead:
        return true;
    default:
        return false;
    }
}

// The RC4 key of each block, derived from the password and the salt in the FILEPASS record.
class BlockKeys {
public:
    // Office binary RC4: MD5 of the password, mixed with the salt, cut to 40 bits; each
    // block's key is the MD5 of that and the block number.
    static BlockKeys rc4(const uchar* salt) {
        BlockKeys k;
        k.m_cryptoApi = false;
        const auto password = passwordBytes();
        uchar h0[MD5_DIGEST_SIZE];
        md5_ctx md5;
        md5_init(&md5);
        md5_update(&md5, password.size(), password.data());
        md5_digest(&md5, sizeof h0, h0);
        md5_init(&md5);
        for (int i = 0; i < 16; ++i) {
            md5_update(&md5, 5, h0);
            md5_update(&md5, 16, salt);
        }
        md5_digest(&md5, 5, k.m_base);
        k.m_baseSize = 5;
        k.m_keySize = MD5_DIGEST_SIZE;
        return k;
    }

    // CryptoAPI RC4: SHA-1 of the salt and the password; each block's key is the start of
    // the SHA-1 of that and the block number. A 40-bit key is padded with zeros to 128 bits,
    // as CryptoAPI does.
    static BlockKeys cryptoApi(const uchar* salt, qint64 keyBits) {
        BlockKeys k;
        k.m_cryptoApi = true;
        const auto password = passwordBytes();
        sha1_ctx sha;
        sha1_init(&sha);
        sha1_update(&sha, 16, salt);
        sha1_update(&sha, password.size(), password.data());
        sha1_digest(&sha, SHA1_DIGEST_SIZE, k.m_base);
        k.m_baseSize = SHA1_DIGEST_SIZE;
        k.m_keySize = size_t(keyBits / 8);
        return k;
    }

    void setKey(arcfour_ctx& ctx, quint32 block) const {
        const auto b = le32(block);
        uchar key[SHA1_DIGEST_SIZE] = {};
        if (m_cryptoApi) {
            sha1_ctx sha;
            sha1_init(&sha);
            sha1_update(&sha, m_baseSize, m_base);
            sha1_update(&sha, b.size(), b.data());
            sha1_digest(&sha, SHA1_DIGEST_SIZE, key);
        } else {
            md5_ctx md5;
            md5_init(&md5);
            md5_update(&md5, m_baseSize, m_base);
            md5_update(&md5, b.size(), b.data());
            md5_digest(&md5, MD5_DIGEST_SIZE, key);
        }
        size_t size = m_keySize;
        if (m_cryptoApi && size == 5) {
            std::memset(key + 5, 0, kMaxKeyBytes - 5);
            size = kMaxKeyBytes;
        }
        arcfour_set_key(&ctx, size, key);
    }

private:
    uchar m_base[SHA1_DIGEST_SIZE] = {};
    size_t m_baseSize = 0;
    size_t m_keySize = 0;
    bool m_cryptoApi = false;
};

// The key stream follows the byte position in the workbook stream: a new key at each block,
// and the bytes that stay in clear still use up their share of it.
class KeyStream {
public:
    explicit KeyStream(const BlockKeys& keys) : m_keys(keys) {}

    // XORs bytes [pos, pos + n) of the stream with the key stream at that position; pos
    // never goes back within a block.
    void apply(uchar* stream, qint64 pos, qint64 n) {
        while (n > 0) {
            const qint64 block = pos / kBlockSize;
            const qint64 offset = pos % kBlockSize;
            if (block != m_block || offset < m_offset) {
                m_keys.setKey(m_ctx, quint32(block));
                m_block = block;
                m_offset = 0;
            }
            if (offset > m_offset) {
                arcfour_crypt(&m_ctx, size_t(offset - m_offset), m_scratch, m_scratch);
            }
            const qint64 k = std::min(n, kBlockSize - offset);
            arcfour_crypt(&m_ctx, size_t(k), stream + pos, stream + pos);
            m_offset = offset + k;
            pos += k;
            n -= k;
        }
    }

private:
    const BlockKeys& m_keys;
    arcfour_ctx m_ctx{};
    qint64 m_block = -1;
    qint64 m_offset = 0;
    uchar m_scratch[kBlockSize] = {};
};

// Decrypts the verifier with block 0's key: its hash must match, or the password is another.
template <size_t HashSize>
bool verifierMatches(const BlockKeys& keys, const uchar* verifier, const uchar* hash, bool sha1) {
    uchar plain[16 + HashSize];
    std::memcpy(plain, verifier, 16);
    std::memcpy(plain + 16, hash, HashSize);
    arcfour_ctx ctx;
    keys.setKey(ctx, 0);
    arcfour_crypt(&ctx, sizeof plain, plain, plain);
    uchar digest[HashSize];
    if (sha1) {
        sha1_ctx sha;
        sha1_init(&sha);
        sha1_update(&sha, 16, plain);
        sha1_digest(&sha, HashSize, digest);
    } else {
        md5_ctx md5;
        md5_init(&md5);
        md5_update(&md5, 16, plain);
        md5_digest(&md5, HashSize, digest);
    }
    return std::memcmp(digest, plain + 16, HashSize) == 0;
}

// Reads the FILEPASS body into keys for the default password.
Decryption keysFor(const uchar* p, qint64 len, BlockKeys& keys) {
    if (len < 2) {
        return Decryption::Damaged;
    }
    if (u16(p) != 1) {
        return Decryption::Protected; // XOR obfuscation (0), or unknown
    }
    if (len < 6) {
        return Decryption::Damaged;
    }
    const quint16 major = u16(p + 2);
    const quint16 minor = u16(p + 4);
    if (major == 1 && minor == 1) {
        if (len < 6 + 48) {
            return Decryption::Damaged;
        }
        keys = BlockKeys::rc4(p + 6);
        return verifierMatches<MD5_DIGEST_SIZE>(keys, p + 22, p + 38, false)
                   ? Decryption::Decrypted
                   : Decryption::Protected;
    }
    if (major < 2 || major > 4 || minor != 2) {
        return Decryption::Protected;
    }
    if (len < 14) {
        return Decryption::Damaged;
    }
    const qint64 headerSize = u32(p + 10);
    if (headerSize < kCryptoApiHeaderMin || 14 + headerSize + kCryptoApiVerifierSize > len) {
        return Decryption::Damaged;
    }
    const uchar* header = p + 14;
    const quint32 flags = u32(header);
    const quint32 alg = u32(header + 8);
    const quint32 hashAlg = u32(header + 12);
    qint64 keyBits = u32(header + 16);
    if (keyBits == 0) {
        keyBits = 40;
    }
    if ((flags & kFlagAes) != 0 || (alg != kAlgRc4 && alg != 0) ||
        (hashAlg != kAlgSha1 && hashAlg != 0) || keyBits < 40 || keyBits > 128 ||
        keyBits % 8 != 0) {
        return Decryption::Protected;
    }
    const uchar* verifier = header + headerSize;
    if (u32(verifier) != 16 || u32(verifier + 36) != SHA1_DIGEST_SIZE) {
        return Decryption::Damaged;
    }
    keys = BlockKeys::cryptoApi(verifier + 4, keyBits);
    return verifierMatches<SHA1_DIGEST_SIZE>(keys, verifier + 20, verifier + 40, true)
               ? Decryption::Decrypted
               : Decryption::Protected;
}

} // namespace

Decryption decryptWorkbookStream(const uchar* data, qint64 size, qint64 filePassBody,
                                 qint64 filePassLength, QByteArray& plain, Yielder& yielder) {
    if (filePassBody < 0 || filePassLength < 0 || filePassBody + filePassLength > size) {
        return Decryption::Damaged;
    }
    BlockKeys keys;
    const Decryption verdict = keysFor(data + filePassBody, filePassLength, keys);
    if (verdict != Decryption::Decrypted) {
        return verdict;
    }
    plain = QByteArray(reinterpret_cast<const char*>(data), size);
    uchar* out = reinterpret_cast<uchar*>(plain.data());
    KeyStream stream(keys);
    qint64 pos = filePassBody + filePassLength;
    while (pos + 4 <= size) {
        yielder.tick();
        const quint16 type = u16(data + pos);
        const qint64 body = pos + 4;
        const qint64 end = std::min(body + u16(data + pos + 2), size);
        if (!neverEncrypted(type)) {
            // A sheet record's position of its sheet stays in clear.
            const qint64 begin = body + (type == kBoundSheet ? 4 : 0);
            if (begin < end) {
                stream.apply(out, begin, end - begin);
            }
        }
        pos = end;
    }
    return Decryption::Decrypted;
}

} // namespace biff
