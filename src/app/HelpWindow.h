#pragma once

// The user guide inside the program: HTML pages shipped as resources, shown
// in a text browser with the list of sections above it. Nothing is fetched
// from the network. Each screen has its section, so F1 on a screen opens the
// page about it.

#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

class QComboBox;
class QTextBrowser;

namespace pw {

struct HelpSection {
    QString id; // the page's name without ".html"
    QString title; // as listed in the contents
};

// The sections in reading order. The first is the contents page.
const QList<HelpSection>& helpSections();

// The section about a window, by the window's name ("frmMemberEntry"); the
// page on getting started for the main window and any window it does not know.
QString helpSectionFor(const QString& windowName);

// Where a section's page lies among the program's resources.
QUrl helpUrl(const QString& section);

// The "Pewlark Help" window.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the start of a section's page; an unknown section shows the contents.
    void showSection(const QString& section);
    // The section whose page is shown.
    QString currentSection() const;

    QTextBrowser* browser() const { return m_browser; }
    QSize sizeHint() const override;

private:
    void sourceChanged(const QUrl& url);
    void linkClicked(const QUrl& url);

    QComboBox* m_sections = nullptr;
    QTextBrowser* m_browser = nullptr;
};

// Opens the help window at a section, or turns the open one to it, and brings
// it to the front. Inside the main window it stands at the right of the work
// area, so the screen it explains stays in view.
HelpWindow* showHelp(const QString& section);

} // namespace pw
