#include "widgets/Messages.h"

#include "widgets/Context.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace pw {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Messages)
    };
} // namespace

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

int BoxMessages::choose(const QString& text, const QString& title, const QStringList& buttons, int defaultButton,
    int cancelButton, Icon icon)
{
    NormalCursorWhileShown cursor;
    QMessageBox box(toBoxIcon(icon), title, text, QMessageBox::NoButton, QApplication::activeWindow());
    QList<QAbstractButton*> added;
    for (int i = 0; i < buttons.size(); ++i) {
        const QMessageBox::ButtonRole role = i == cancelButton
            ? QMessageBox::RejectRole
            : (i == 0 ? QMessageBox::AcceptRole : QMessageBox::ActionRole);
        added.append(box.addButton(buttons.at(i), role));
    }
    if (defaultButton >= 0 && defaultButton < added.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(added.at(defaultButton)));
    if (cancelButton >= 0 && cancelButton < added.size())
        box.setEscapeButton(added.at(cancelButton));
    box.exec();
    const int chosen = static_cast<int>(added.indexOf(box.clickedButton()));
    return chosen >= 0 ? chosen : cancelButton;
}

SaveChoice askToSaveChanges(const QString& name)
{
    const int chosen = messages().choose(Tr::tr("Save changes to %1?").arg(name), QStringLiteral("Pewlark"),
        { Tr::tr("Save"), Tr::tr("Discard"), Tr::tr("Cancel") }, 0, 2, Icon::Question);
    return chosen == 0 ? SaveChoice::Save : (chosen == 1 ? SaveChoice::Discard : SaveChoice::Cancel);
}

} // namespace pw
