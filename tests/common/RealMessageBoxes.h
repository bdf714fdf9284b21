#pragma once

// The program's real message boxes (QMessageBox) in place of the recording
// double, for tests of focus and keys around a message: each box is recorded
// ("title: text") and closed by a click on its default button; the window it
// belonged to then comes to the front again, as the desktop does it.

#include "widgets/Context.h"
#include "widgets/Messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <utility>

namespace pw::test {

class RealMessageBoxes {
public:
    RealMessageBoxes()
        : m_previous(std::exchange(ctx().messages, &m_boxes))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box == m_closing)
                return;
            m_closing = box;
            shown.append(box->windowTitle() + QStringLiteral(": ") + box->text());
            QPointer<QWidget> owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
            QTest::mouseClick(box->defaultButton() ? box->defaultButton() : box->buttons().first(), Qt::LeftButton);
            QTimer::singleShot(50, [owner] {
                if (owner)
                    owner->activateWindow();
            });
        });
        m_timer.start(20);
    }
    ~RealMessageBoxes() { ctx().messages = m_previous; }

    QStringList shown;

private:
    BoxMessages m_boxes;
    Messages* m_previous;
    QTimer m_timer;
    QPointer<QMessageBox> m_closing;
};

} // namespace pw::test
