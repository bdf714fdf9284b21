#pragma once

// E-mail to the people a navigator found: their addresses in Bcc of a new
// message in the desktop's mail program, or on the clipboard. A mailto: link
// longer than mail programs take is split into several messages.

#include "widgets/Desktop.h"

#include <QList>
#include <QStringList>
#include <QUrl>

class QBoxLayout;
class QTableView;
class QWidget;

namespace pw {
class ResultModel;
}

namespace pw::navigators::email {

// The e-mail addresses of people, as the grid lists them.
struct Addresses {
    QStringList addresses; // each address once (letter case aside), in the order of the people
    QStringList without; // "Last, First" of each person without a usable address, in the order of the people
    int people = 0; // the people asked about (with newsletterOnly: those who receive it by e-mail)
};

// Reads the addresses of the people. With newsletterOnly, only the people
// with "Receive Newsletter Via E-Mail" count; the others are left out.
Addresses addressesOf(const QList<qint64>& ids, bool newsletterOnly);

// mailto: links with the addresses in Bcc, as many addresses in each as fit
// within maxLength characters (one address too long for that goes alone).
QList<QUrl> mailtoLinks(const QStringList& addresses, int maxLength = kMaxLinkLength);

// "E-mail These People...": opens a message (or several) in the mail
// program for the people, telling who has no address first.
void emailPeople(const QList<qint64>& ids, bool newsletterOnly);
// "Copy E-mail Addresses": the addresses on the clipboard, separated by
// ", ", telling who has no address.
void copyAddresses(const QList<qint64>& ids, bool newsletterOnly);

// Adds both commands to the grid's right-click menu and, beside the box
// "Newsletter by E-Mail Only" that both follow, the button
// "E-mail These People..." under the grid (in frameLayout).
void installEmailCommands(QTableView* view, ResultModel* model, QBoxLayout* frameLayout);

} // namespace pw::navigators::email
