// The telephone boxes of every screen (declared in widgets/FormHelpers.h). The
// mask alone would place separators where it has its own: the first "-" of
// "615-555-0142" jumps over the middle part and the last digit is lost. So a
// box reads what is typed or pasted by the program's phone rule
// (data/PhoneRule) and fills the mask with the digits alone.

#include "data/PhoneRule.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Messages.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

namespace pw {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(PhoneBox)
    };
} // namespace

namespace {

    const QString kPhoneMask = QStringLiteral("(999) 999-9999;_");
    // Set on a phone box that shows a stored value as it is, without the
    // mask: that value, which the box gives back until the user edits it.
    const char* const kShownAsStored = "pw_phoneShownAsStored";

    QString digitsOf(QStringView text)
    {
        QString digits;
        for (const QChar c : text) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                digits.append(c);
        }
        return digits;
    }

    bool shownAsStored(const QLineEdit* box) { return box->property(kShownAsStored).isValid(); }

    // Digits alone, no more than the mask holds: what the box stores.
    bool fitsMask(const QString& value) { return value.size() <= phones::kDigits && digitsOf(value) == value; }

    void applyMask(QLineEdit* box, const QString& digits)
    {
        box->setProperty(kShownAsStored, QVariant());
        box->setInputMask(kPhoneMask);
        box->setText(digits);
    }

    // The box under the mask with these digits, the cursor after the first
    // `before` of them.
    void placeDigits(QLineEdit* box, const QString& digits, int before)
    {
        applyMask(box, digits);
        int placed = 0;
        int cursor = 1; // the first digit, after "("
        const QString shown = box->displayText();
        for (int i = 0; i < shown.size() && placed < before; ++i) {
            if (shown.at(i).isDigit()) {
                ++placed;
                cursor = i + 1;
            }
        }
        box->setCursorPosition(cursor);
    }

    void refuse(const QString& typed, const phones::Reading& reading)
    {
        const QString text = reading.result == phones::Reading::Result::NotANumber
            ? Tr::tr("\"%1\" is not a telephone number: type its digits, with or without blanks, "
                     "brackets and - . / between them.")
                  .arg(typed.trimmed())
            : Tr::tr("A telephone number has at most %1 digits; with \"%2\" this one would have %3. "
                     "The box was left as it was.")
                  .arg(phones::kDigits)
                  .arg(typed.trimmed())
                  .arg(reading.digits.size());
        messages().show(text, Tr::tr("Invalid Entry"));
    }

    // Puts text in place of the selection (or at the cursor) as digits:
    // the digits the box keeps around it and those of the text, refused
    // when they are no number or more than a number has.
    void insertDigits(QLineEdit* box, const QString& text)
    {
        const QString shown = box->displayText();
        const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
        const int end = box->hasSelectedText() ? box->selectionEnd() : start;
        const phones::Reading inserted = phones::read(text);
        const QString before = digitsOf(QStringView(shown).left(start));
        phones::Reading whole = inserted;
        whole.digits = before + inserted.digits + digitsOf(QStringView(shown).mid(end));
        if (whole.result == phones::Reading::Result::Digits && whole.digits.size() > phones::kDigits)
            whole.result = phones::Reading::Result::TooManyDigits;
        if (whole.result != phones::Reading::Result::Digits) {
            refuse(text, whole);
            return;
        }
        placeDigits(box, whole.digits, static_cast<int>(before.size() + inserted.digits.size()));
    }

    bool isSeparatorKey(const QString& text)
    {
        if (text.size() != 1)
            return false;
        // "+" and the separators: no digit, yet a number as the rule reads it.
        return !text.at(0).isDigit() && phones::read(text).result == phones::Reading::Result::Digits;
    }

    class PhoneBoxFilter : public QObject {
    public:
        using QObject::QObject;

        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* box = qobject_cast<QLineEdit*>(watched);
            if (!box || box->isReadOnly())
                return false;
            switch (event->type()) {
            case QEvent::KeyPress:
                return key(box, static_cast<QKeyEvent*>(event));
            case QEvent::ContextMenu:
                contextMenu(box, static_cast<QContextMenuEvent*>(event));
                return true;
            case QEvent::MouseButtonRelease: {
                // The selection's paste of X11 desktops.
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() != Qt::MiddleButton || !QApplication::clipboard()->supportsSelection())
                    return false;
                insertDigits(box, QApplication::clipboard()->text(QClipboard::Selection));
                return true;
            }
            default:
                return false;
            }
        }

    private:
        static bool key(QLineEdit* box, QKeyEvent* key)
        {
            if (key == QKeySequence::Paste) {
                insertDigits(box, QApplication::clipboard()->text());
                return true;
            }
            const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
            if (shownAsStored(box) || mods != Qt::NoModifier)
                return false;
            // Separators between the digits: the mask shows its own.
            if (isSeparatorKey(key->text()))
                return true;
            // A digit after a full number: a leading country code 1 typed
            // first gives way; otherwise the digit is refused, not dropped.
            const QString shown = box->displayText();
            const QString digits = digitsOf(shown);
            if (key->text().size() == 1 && key->text().at(0).isDigit() && !box->hasSelectedText()
                && digits.size() == phones::kDigits
                && digitsOf(QStringView(shown).mid(box->cursorPosition())).isEmpty()) {
                const phones::Reading reading = phones::read(digits + key->text());
                if (reading.result == phones::Reading::Result::Digits)
                    placeDigits(box, reading.digits, phones::kDigits);
                else
                    refuse(key->text(), reading);
                return true;
            }
            return false;
        }

        static void contextMenu(QLineEdit* box, QContextMenuEvent* event)
        {
            // The box's own menu, with its Paste going through the phone rule.
            QPointer<QMenu> menu = box->createStandardContextMenu();
            if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
                QObject::disconnect(paste, &QAction::triggered, nullptr, nullptr);
                QObject::connect(
                    paste, &QAction::triggered, box, [box] { insertDigits(box, QApplication::clipboard()->text()); });
            }
            menu->exec(event->globalPos());
            delete menu;
        }
    };

} // namespace

void setupPhoneBox(QLineEdit* box)
{
    box->setInputMask(kPhoneMask);
    // A dropped text would go in past the rule; paste it instead.
    box->setAcceptDrops(false);
    static QPointer<PhoneBoxFilter> filter;
    if (!filter)
        filter = new PhoneBoxFilter(QCoreApplication::instance());
    box->installEventFilter(filter);
    // The user's first edit of a value shown as stored puts the box under
    // the mask with the digits it then holds, or back as it was when they
    // are no number.
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        if (!shownAsStored(box))
            return;
        const phones::Reading reading = phones::read(text);
        if (reading.result != phones::Reading::Result::Digits) {
            box->setText(box->property(kShownAsStored).toString());
            refuse(text, reading);
            return;
        }
        placeDigits(box, reading.digits, static_cast<int>(reading.digits.size()));
    });
}

QString phoneDigits(const QLineEdit* box) { return shownAsStored(box) ? box->text() : digitsOf(box->text()); }

void setPhoneDigits(QLineEdit* box, const QString& value)
{
    if (fitsMask(value)) {
        applyMask(box, value);
        return;
    }
    // A number kept in another form (an extension, a foreign number, an
    // imported "555-1234") is shown and kept as it is: the mask would
    // change it without the user having touched it.
    box->setProperty(kShownAsStored, value);
    box->setInputMask(QString());
    box->setText(value);
}

} // namespace pw
