#pragma once

#include <QString>

namespace pw {

// A stored phone number as the phone boxes show it: ten digits as
// "(615) 555-0142"; anything else (an extension, seven digits, a foreign
// number) as it is stored, since the box shows those unchanged too.
QString phoneText(const QString& stored);

} // namespace pw
