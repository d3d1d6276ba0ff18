#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help: its own pages, opened at the contents page.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    void showContents();
    // One of the help pages, by its file name ("schedule.html").
    void showPage(const QString& page);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};
