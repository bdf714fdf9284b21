#pragma once

// The one form in which the program shows a stored telephone number, in
// grids, reports and exported files: the digits fill the places of
// "(###) ###-####" from the right, so ten digits read "(615) 555-0142".
// Places without a digit stay empty while the brackets, blank and hyphen
// always show ("5551234" gives "() 555-1234"); digits beyond ten go inside
// the brackets. A value without digits gives an empty text.

#include <QByteArrayView>
#include <QString>
#include <QVarLengthArray>

namespace pw {

QString phoneText(const QString& stored);

// A stored number as the phone boxes show it: ten digits as
// "(615) 555-0142"; anything else (an extension, seven digits, a foreign
// number) as it is stored, since the boxes show those unchanged too.
QString phoneBoxText(const QString& stored);

// The same as phoneText, written into a small buffer without allocating, for
// long grids.
using PhoneBuffer = QVarLengthArray<char, 32>;
void writePhoneText(QByteArrayView stored, PhoneBuffer& out);

} // namespace pw
