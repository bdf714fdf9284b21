#include "data/Windows1252.h"

namespace pw {

namespace {

    // Windows-1252 at 0x80..0x9F; 0 where the code page leaves a byte unused.
    const char16_t kHigh[32] = { 0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161,
        0x203A, 0x0153, 0, 0x017E, 0x0178 };

} // namespace

QString fromWindows1252(const char* data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    QChar* to = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        const char16_t mapped = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : 0;
        to[i] = QChar(mapped ? mapped : char16_t(b));
    }
    return out;
}

QString fromWindows1252(const QByteArray& bytes) { return fromWindows1252(bytes.constData(), bytes.size()); }

} // namespace pw
