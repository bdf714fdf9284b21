#include "app/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace pw {

namespace {

    QMessageBox::Icon toBoxIcon(Icon icon)
    {
        switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::None:
            break;
        }
        return QMessageBox::NoIcon;
    }

    // A message shown while a busy cursor is up must still be clickable with a
    // normal pointer; the busy cursor comes back when the box closes.
    class NormalCursorWhileShown {
    public:
        NormalCursorWhileShown()
            : m_active(QApplication::overrideCursor() != nullptr)
        {
            if (m_active)
                QApplication::setOverrideCursor(Qt::ArrowCursor);
        }
        ~NormalCursorWhileShown()
        {
            if (m_active)
                QApplication::restoreOverrideCursor();
        }

    private:
        bool m_active;
    };

} // namespace

void BoxMessages::show(const QString& text, const QString& title, Icon icon)
{
    NormalCursorWhileShown cursor;
    QMessageBox box(toBoxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

Answer BoxMessages::ask(const QString& text, const QString& title, Icon icon)
{
    NormalCursorWhileShown cursor;
    QMessageBox box(toBoxIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace pw
