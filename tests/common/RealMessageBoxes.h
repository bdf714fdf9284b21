#pragma once

// The program's real message boxes (QMessageBox, as BoxMessages shows them)
// in place of the recording double, for the tests of where the focus goes
// and what keys do around a message: each box that shows is recorded and
// closed by a click on its default button, as the user would close it.

#include "app/Context.h"
#include "app/Messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

namespace pw::test {

class RealMessageBoxes {
public:
    RealMessageBoxes()
        : m_previous(ctx().messages)
    {
        ctx().messages = &m_boxes;
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { closeShown(); });
        m_timer.start();
    }
    ~RealMessageBoxes() { ctx().messages = m_previous; }
    RealMessageBoxes(const RealMessageBoxes&) = delete;
    RealMessageBoxes& operator=(const RealMessageBoxes&) = delete;

    // "title: text" of every box shown, in order.
    QStringList shown;

private:
    void closeShown()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == m_closing)
            return;
        m_closing = box;
        shown.append(box->windowTitle() + QStringLiteral(": ") + box->text());
        QAbstractButton* button = box->defaultButton();
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().first();
        QPointer<QWidget> owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        // As the desktop gives the front back to the window the box belonged to.
        QTimer::singleShot(50, [owner] {
            if (owner)
                owner->activateWindow();
        });
    }

    BoxMessages m_boxes;
    Messages* m_previous;
    QTimer m_timer;
    QPointer<QMessageBox> m_closing;
};

} // namespace pw::test
