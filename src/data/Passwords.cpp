#include "data/Passwords.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <sodium.h>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Passwords)
};
} // namespace

namespace pw::passwords {

namespace {

    void ensureInitialised()
    {
        static const int rc = sodium_init();
        if (rc < 0)
            throw DbError(Tr::tr("The password library could not be started."));
    }

} // namespace

QString normalised(const QString& password) { return password.trimmed().toCaseFolded(); }

QString hash(const QString& password)
{
    ensureInitialised();
    const QByteArray plain = normalised(password).toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, plain.constData(), static_cast<unsigned long long>(plain.size()),
            crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        throw DbError(Tr::tr("Not enough memory to protect the password."));
    return QString::fromLatin1(out);
}

bool verify(const QString& stored, const QString& typed)
{
    if (stored.isEmpty() || !stored.startsWith(QLatin1String("$argon2")))
        return false;
    ensureInitialised();
    const QByteArray h = stored.toLatin1();
    const QByteArray plain = normalised(typed).toUtf8();
    return crypto_pwhash_str_verify(h.constData(), plain.constData(), static_cast<unsigned long long>(plain.size()))
        == 0;
}

} // namespace pw::passwords
