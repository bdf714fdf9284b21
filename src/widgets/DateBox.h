#pragma once

// Every date box of the program. It shows the program's one date form
// (widgets/Formats.h) and takes a date typed as it is written: after one click
// or Tab into the box its whole text is selected, and digits typed then
// replace it ("3/14/1961", "03141961", "3-14-61"); Enter, Tab, an arrow, a
// shortcut such as Ctrl+S or leaving the box takes the typed date, or puts
// the box back as it was when the text is no date; Escape puts it back.
// Enter and Escape then go on to the window's default and cancel buttons.
// Tab and Shift+Tab leave the box in one press; the
// arrows still step the part of the date the cursor is in, and digits typed
// into a part after a click in an already focused box edit that part.

#include "widgets/Formats.h"

#include <QDateEdit>

namespace pw {

class DateBox : public QDateEdit {
    Q_OBJECT
public:
    explicit DateBox(QWidget* parent = nullptr);

    // How a two-digit year typed here is read; Nearest unless set.
    void setTwoDigitYears(formats::TwoDigitYears years) { m_years = years; }

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    bool wholeTextSelected() const;
    void selectWholeText();
    void showTyped();
    // Ends typing: with take, the typed date when it is one; otherwise the
    // date the box had before (Escape, or text that is no date).
    void endTyping(bool take);

    formats::TwoDigitYears m_years = formats::TwoDigitYears::Nearest;
    bool m_typing = false;
    QString m_typed;
    QDate m_before;
};

} // namespace pw
