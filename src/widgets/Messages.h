#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace pw {

enum class Icon { None, Information, Warning, Critical, Question };
enum class Answer { Yes, No };

// Every message box and question of the program goes through this, so tests
// can record the exact texts and answer the questions.
class Messages {
public:
    virtual ~Messages() = default;
    // A message with an OK button.
    virtual void show(const QString& text, const QString& title, Icon icon = Icon::None) = 0;
    // A question with Yes and No buttons.
    virtual Answer ask(const QString& text, const QString& title, Icon icon = Icon::Question) = 0;
    // A question with buttons of its own, in this order; returns the index of
    // the button chosen. cancelButton is what Escape or closing the box gives.
    virtual int choose(const QString& text, const QString& title, const QStringList& buttons, int defaultButton,
        int cancelButton, Icon icon = Icon::Question)
        = 0;
};

// What the user answers when unsaved changes would be lost.
enum class SaveChoice { Save, Discard, Cancel };

// "Save changes to <name>?" with Save, Discard and Cancel, titled "Pewlark".
SaveChoice askToSaveChanges(const QString& name);

// Production implementation on QMessageBox, parented to the active window.
class BoxMessages : public Messages {
public:
    void show(const QString& text, const QString& title, Icon icon = Icon::None) override;
    Answer ask(const QString& text, const QString& title, Icon icon = Icon::Question) override;
    int choose(const QString& text, const QString& title, const QStringList& buttons, int defaultButton,
        int cancelButton, Icon icon = Icon::Question) override;
};

} // namespace pw
