#include "widgets/DateBox.h"

#include "widgets/Context.h"
#include "data/Clock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace pw {

namespace {

    bool isDatePartKey(const QString& text)
    {
        return text.size() == 1 && (text.at(0).isDigit() || QStringLiteral("/-. ").contains(text.at(0)));
    }

    QDate today() { return ctx().clock ? clock().today() : QDate::currentDate(); }

} // namespace

DateBox::DateBox(QWidget* parent)
    : QDateEdit(parent)
{
    setDisplayFormat(formats::dateFormat());
    setCalendarPopup(true);
}

bool DateBox::wholeTextSelected() const
{
    const QLineEdit* edit = lineEdit();
    return edit->hasSelectedText() && edit->selectedText().size() == edit->text().size();
}

void DateBox::selectWholeText()
{
    // From the end back to the start, so the cursor, and with it the part
    // the arrows step, is the first part of the date.
    QLineEdit* edit = lineEdit();
    edit->setSelection(static_cast<int>(edit->text().size()), -static_cast<int>(edit->text().size()));
}

void DateBox::focusInEvent(QFocusEvent* event)
{
    QDateEdit::focusInEvent(event);
    m_typing = false;
    selectWholeText();
    // A mouse press that gave the focus places the cursor after this; select
    // again once it is done.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && !m_typing)
            selectWholeText();
    });
}

void DateBox::focusOutEvent(QFocusEvent* event)
{
    if (m_typing)
        endTyping(true);
    QDateEdit::focusOutEvent(event);
}

bool DateBox::event(QEvent* event)
{
    // A shortcut (Ctrl+S saves the screen) acts on the typed date, as
    // leaving the box would.
    if (event->type() == QEvent::ShortcutOverride && m_typing
        && (static_cast<QKeyEvent*>(event)->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        endTyping(true);
    return QDateEdit::event(event);
}

bool DateBox::focusNextPrevChild(bool next)
{
    // Tab leaves the box instead of walking through its parts.
    if (m_typing)
        endTyping(true);
    return QWidget::focusNextPrevChild(next);
}

void DateBox::showTyped()
{
    QLineEdit* edit = lineEdit();
    const QSignalBlocker quiet(edit);
    edit->setText(m_typed);
    edit->setCursorPosition(static_cast<int>(m_typed.size()));
}

void DateBox::endTyping(bool take)
{
    m_typing = false;
    const QDate typed = take ? formats::parseTypedDate(m_typed, today(), m_years) : QDate();
    m_typed.clear();
    const bool fits = typed.isValid() && typed >= minimumDate() && typed <= maximumDate();
    if (take && !fits)
        QApplication::beep();
    // Set even when unchanged, so the box shows a date in its form again.
    setDate(fits ? typed : m_before);
}

void DateBox::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = mods == Qt::NoModifier || mods == Qt::ShiftModifier;
    if (!m_typing && plain && isDatePartKey(event->text()) && event->text().at(0).isDigit() && wholeTextSelected()) {
        m_typing = true;
        m_before = date();
        m_typed.clear();
    }
    if (!m_typing) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
        m_typed.chop(1);
        showTyped();
        return;
    case Qt::Key_Escape:
        // The typed text goes; the key goes on to the window's cancel button.
        endTyping(false);
        QDateEdit::keyPressEvent(event);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // They carry a character, yet they take the date and go on to the
        // window's default button.
        endTyping(true);
        QDateEdit::keyPressEvent(event);
        return;
    default:
        break;
    }
    if (plain && isDatePartKey(event->text())) {
        if (m_typed.size() < 10)
            m_typed += event->text();
        showTyped();
        return;
    }
    if (event->text().isEmpty() || !plain) {
        // Enter, arrows and the like: the typed date first, then their own work.
        endTyping(true);
        QDateEdit::keyPressEvent(event);
        return;
    }
    // Any other character has no place in a date.
}

} // namespace pw
