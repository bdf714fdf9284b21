#pragma once

#include <QString>

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
};

// Production implementation on QMessageBox, parented to the active window.
class BoxMessages : public Messages {
public:
    void show(const QString& text, const QString& title, Icon icon = Icon::None) override;
    Answer ask(const QString& text, const QString& title, Icon icon = Icon::Question) override;
};

} // namespace pw
