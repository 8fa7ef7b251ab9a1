#pragma once

#include <QString>

// Salted password hashes as the Password database stores them:
// "pbkdf2-sha256$<iterations>$<salt hex>$<key hex>".
class PasswordHash {
public:
    static QString make(const QString& password, const QByteArray& salt, int iterations = 20000);
    static bool matches(const QString& password, const QString& stored);
};
