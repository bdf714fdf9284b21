#pragma once

#include <QDate>
#include <QString>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pw {

// Gives a control made in code its object name, by which tests, the help
// pictures and the focus rules find it: new QLineEdit -> named(..., "txtName").
template <class T> T* named(T* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// Type-ahead in a selection-only combo box. One search state serves the whole
// program (ctx().typeAhead): a key in another combo box, or a key after a pause of at least
// ctx().settings.keyPressDelay seconds, starts a new search; otherwise the key
// extends the current one. The first item from the top that begins with the
// search text (ignoring case) is chosen as if by the user, so activated() and
// textActivated() are emitted. Without a match the choice stays.
void ComboTypeAhead(QComboBox* combo, QChar key);

// Sends every character key of the combo box to ComboTypeAhead and swallows it.
// Enter, Escape, Tab, Backtab and keys held with Control, Alt or Meta pass
// through, so the window's default and cancel buttons, focus movement and
// shortcuts keep working; keys without text (arrows) keep the combo box's own
// behaviour.
void attachTypeAhead(QComboBox* combo);
void attachTypeAhead(std::initializer_list<QComboBox*> combos);

// The first `width` characters of text, or text padded with blanks to `width`.
QString FixedWidth(const QString& text, int width);

// Selects the whole displayed text (mask characters included) whenever the box
// receives the focus, also when a mouse click gave it.
void selectAllOnFocus(QLineEdit* box);
void selectAllOnFocus(std::initializer_list<QLineEdit*> boxes);

// Pick lists that stand for rows of another table keep each row's identifier as
// the item's Qt::UserRole data.
void addItemWithId(QComboBox* combo, const QString& text, qint64 id);
// The identifier of the chosen item; 0 when nothing is chosen.
qint64 selectedId(const QComboBox* combo);
// Chooses the item with this identifier; false, and the choice unchanged, when
// no item has it.
bool selectById(QComboBox* combo, qint64 id);

// An optional date is a check box beside a date picker: the picker is usable
// only while the box is ticked, and the date is empty (Null) when it is clear;
// while clear, the picker draws no date (showDateOnlyWhenSet).
void bindOptionalDate(QCheckBox* check, QDateEdit* picker);
QDate optionalDate(const QCheckBox* check, const QDateEdit* picker);
// Ticks the box and shows the date, or clears the box for an invalid date
// (the picker then keeps showing its last date, greyed).
void setOptionalDate(QCheckBox* check, QDateEdit* picker, const QDate& date);

// Telephone boxes (widgets/PhoneBox.cpp) take the digits of a number through the
// mask "(999) 999-9999"; the digits alone are what is stored. What is typed
// or pasted is read by the phone rule (data/PhoneRule): separators such as
// "-" or "." and a leading country code 1 fall away, and a text with more
// digits than a number has, or one that is no number, is refused with a
// message and leaves the box as it was. A stored value that does not fit the
// mask (anything but up to ten digits) is shown as it is, without the mask,
// and phoneDigits() gives it back unchanged until the user edits the box,
// which then takes the mask with the digits it held.
void setupPhoneBox(QLineEdit* box);
QString phoneDigits(const QLineEdit* box);
void setPhoneDigits(QLineEdit* box, const QString& value);

// A long list opens showing at most `rows` entries, scrolled to the chosen
// one, in every style (some styles otherwise open it as tall as the screen).
void limitPopupRows(QComboBox* combo, int rows = 20);

// A box the user cannot type into (an identifier, who saved a record) looks
// so: drawn on the window's colour instead of a field's white.
void showAsReadOnly(QLineEdit* box);

// The folder a picture dialog opens in: the user's Pictures folder, or the
// home folder when there is none.
QString picturesFolder();

// Shows the busy pointer for its lifetime, also when an exception leaves the scope.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Screens are not dialogs, so these give them a dialog's keys: Enter that no
// child used clicks the default button (a focused push button clicks itself),
// Escape clicks the cancel button. Disabled buttons are not clicked.
void setDefaultButton(QWidget* form, QPushButton* button);
void setCancelButton(QWidget* form, QPushButton* button);
// Enter that no child of part used clicks button rather than the form's
// default button: a group of boxes with a button of its own.
void setEnterButton(QWidget* part, QPushButton* button);

} // namespace pw
