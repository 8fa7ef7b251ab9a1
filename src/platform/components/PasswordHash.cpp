#include "PasswordHash.h"

#include <QCryptographicHash>
#include <QStringList>

namespace {

constexpr int keyLength = 32;
constexpr int blockSize = 64;

// HMAC-SHA-256 with its padded keys made once, since PBKDF2 calls it thousands of times.
class HmacSha256 {
public:
    explicit HmacSha256(QByteArray key)
    {
        if (key.size() > blockSize)
            key = QCryptographicHash::hash(key, QCryptographicHash::Sha256);
        key.resize(blockSize, '\0');
        inner_ = outer_ = key;
        for (int i = 0; i < blockSize; ++i) {
            inner_[i] = static_cast<char>(inner_[i] ^ 0x36);
            outer_[i] = static_cast<char>(outer_[i] ^ 0x5c);
        }
    }

    QByteArray mac(QByteArrayView message)
    {
        hash_.reset();
        hash_.addData(inner_);
        hash_.addData(message);
        const QByteArray innerDigest = hash_.result();
        hash_.reset();
        hash_.addData(outer_);
        hash_.addData(innerDigest);
        return hash_.result();
    }

private:
    QByteArray inner_;
    QByteArray outer_;
    QCryptographicHash hash_{QCryptographicHash::Sha256};
};

QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations)
{
    HmacSha256 hmac(password);
    QByteArray block = hmac.mac(salt + QByteArray::fromHex("00000001"));
    QByteArray key = block;
    for (int i = 1; i < iterations; ++i) {
        block = hmac.mac(block);
        for (int j = 0; j < keyLength; ++j)
            key[j] = static_cast<char>(key[j] ^ block[j]);
    }
    return key;
}

} // namespace

QString PasswordHash::make(const QString& password, const QByteArray& salt, int iterations)
{
    const QByteArray key = pbkdf2Sha256(password.toUtf8(), salt, iterations);
    return QStringLiteral("pbkdf2-sha256$%1$%2$%3")
        .arg(iterations)
        .arg(QString::fromLatin1(salt.toHex()), QString::fromLatin1(key.toHex()));
}

bool PasswordHash::matches(const QString& password, const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != QLatin1String("pbkdf2-sha256"))
        return false;
    bool ok = false;
    const int iterations = parts[1].toInt(&ok);
    if (!ok || iterations < 1)
        return false;
    return make(password, QByteArray::fromHex(parts[2].toLatin1()), iterations) == stored;
}
