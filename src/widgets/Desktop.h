#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace pw {

// What the program hands to the desktop outside it: a link opened by the
// desktop's own program for it (a mailto: address by the mail program) and
// text put on the clipboard. Tests replace it to see what would be sent.
class Desktop {
public:
    virtual ~Desktop() = default;
    // False when the desktop has no program for the link.
    virtual bool openUrl(const QUrl& url) = 0;
    virtual void copyText(const QString& text) = 0;
};

// Production implementation on QDesktopServices and the system clipboard.
class SystemDesktop : public Desktop {
public:
    bool openUrl(const QUrl& url) override;
    void copyText(const QString& text) override;
};

// The context's desktop, or the system's when none is set.
Desktop& desktop();

// The longest mailto: link opened at once. Several mail programs and the
// desktops that hand links to them cut or refuse longer ones.
constexpr int kMaxLinkLength = 2000;

// The addresses in an E-mail box: one or more, separated by commas,
// semicolons or blanks; a part without "@" between other characters is no
// address.
QStringList addressesIn(const QString& stored);

} // namespace pw
