#include "widgets/Desktop.h"

#include "widgets/Context.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QRegularExpression>

namespace pw {

bool SystemDesktop::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

void SystemDesktop::copyText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

Desktop& desktop()
{
    static SystemDesktop system;
    return ctx().desktop ? *ctx().desktop : system;
}

QStringList addressesIn(const QString& stored)
{
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    static const QRegularExpression address(QStringLiteral("^[^@\\s<>\"]+@[^@\\s<>\"]+$"));
    QStringList out;
    for (const QString& part : stored.split(separators, Qt::SkipEmptyParts)) {
        if (address.match(part).hasMatch())
            out.append(part);
    }
    return out;
}

} // namespace pw
