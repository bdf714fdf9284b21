#pragma once

// Text in Windows-1252, the 8-bit code page older office files and the older
// program's database are written in: Latin-1 but for 0x80 to 0x9F, which
// hold the euro sign, the printer's quotes and dashes and a few letters.

#include <QByteArray>
#include <QString>

namespace pw {

// The bytes read as Windows-1252. The five bytes the code page leaves unused
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same
// number, so a check for control characters finds them. Needs no codec of
// the system: the same on every machine.
QString fromWindows1252(const char* data, qsizetype size);
QString fromWindows1252(const QByteArray& bytes);

} // namespace pw
