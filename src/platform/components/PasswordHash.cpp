#include "PasswordHash.h"

#include <QMessageAuthenticationCode>
#include <QStringList>

namespace {

constexpr int keyLength = 32;

QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    mac.addData(salt);
    mac.addData(QByteArray::fromHex("00000001"));
    QByteArray block = mac.result();
    QByteArray key = block;
    for (int i = 1; i < iterations; ++i) {
        mac.reset();
        mac.addData(block);
        block = mac.result();
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
