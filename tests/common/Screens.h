#pragma once

// Fixtures for tests of screens: the program's main window or a bare
// workspace as the context's, what a user does on a screen (a click, a
// choice in a list) and what a grid shows.

#include "TestSupport.h"

#include "app/MDI.h"
#include "app/Workspace.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QMdiArea>
#include <QPushButton>
#include <QStringList>
#include <QTest>

namespace pw::test {

// A test environment and the program's main window, whose workspace is the
// context's while it lives. Screen fixtures derive from it and register the
// screens they use.
struct MainWindowFixture {
    TestEnv env;
    MDI main;

    explicit MainWindowFixture(Where where = Where::Configured)
        : env(where)
    {
        setWorkspace(main.workspace());
    }
    ~MainWindowFixture() { setWorkspace(nullptr); }

    // Without the menu's permission test: tests of a screen look at its own checks.
    QWidget* open(const QString& window) { return main.workspace()->openWithoutTest(window); }
    bool isOpen(const QString& window) const { return main.workspace()->find(window) != nullptr; }
};

// A test environment and a workspace in a bare MDI area, the context's
// while it lives.
struct WorkspaceFixture {
    TestEnv env;
    QMdiArea area;
    Workspace ws { &area };

    WorkspaceFixture() { setWorkspace(&ws); }
    ~WorkspaceFixture() { setWorkspace(nullptr); }
};

// Clicks the button of that name under root with the mouse.
inline void click(QWidget* root, const char* button)
{
    QTest::mouseClick(control<QPushButton>(root, button), Qt::LeftButton);
}

// Deletes what was closed meanwhile: Qt deletes a closed screen only later.
inline void deleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Chooses the entry of exactly this text; false, with nothing chosen, when
// the list has none.
inline bool chooseText(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(index);
    return index >= 0;
}

// Chooses the entry that stands for the row with this identifier; false,
// with the choice unchanged, when the list has none.
inline bool chooseId(QComboBox* combo, qint64 id)
{
    for (int row = 0; row < combo->count(); ++row)
        if (combo->itemData(row).toLongLong() == id) {
            combo->setCurrentIndex(row);
            return true;
        }
    return false;
}

// The cells of one column of a grid, top to bottom.
inline QStringList columnTexts(const QAbstractItemModel* model, int column)
{
    QStringList cells;
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, column).data().toString();
    return cells;
}

// The rows of a grid, top to bottom, each as its cells joined by "|".
inline QStringList rowTexts(const QAbstractItemModel* model)
{
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(row, c).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// Clicks the middle of a cell with the mouse; twice: a double-click, which
// starts with a click at the same place, as a real one does.
inline void clickCell(QAbstractItemView* view, int row, int column, bool twice = false)
{
    const QPoint at = view->visualRect(view->model()->index(row, column)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

} // namespace pw::test
