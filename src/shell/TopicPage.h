#pragma once

#include <QWidget>

class Chart;
class QPrinter;
struct Session;

// One topic's page in the page area. The page owns its controls and handlers;
// the main window calls these hooks at the moments the shell defines.
class TopicPage : public QWidget
{
    Q_OBJECT
public:
    TopicPage(Session &session, int topic, QWidget *parent = nullptr);

    int topic() const { return m_topic; }

    // Start-up work, run once while the main window is created.
    virtual void startUp() { }
    // Work done once when the main window is first shown.
    virtual void firstShow() { }
    // Around selecting the page on a topic change (a view reset, say).
    virtual void beforeSelect() { }
    virtual void afterSelect() { }
    // The stop flag has been set on a topic change: show any animation or
    // count of this page as stopped, even while its loop is still unwinding.
    virtual void showStopped() { }

    // The page's chart, for Graph > Print and Copy; none on most pages.
    virtual Chart *chart() const { return nullptr; }
    // Prints the chart's page on an open printer; false with a message on failure.
    virtual bool printChart(QPrinter &printer, QString *error);

protected:
    Session &session() const { return m_session; }

private:
    Session &m_session;
    int m_topic;
};
