#pragma once

#include <QWidget>

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
    virtual void startUp() {}
    // Work done once when the main window is first shown.
    virtual void firstShow() {}
    // Around selecting the page on a topic change (a view reset, say).
    virtual void beforeSelect() {}
    virtual void afterSelect() {}

protected:
    Session &session() const { return m_session; }

private:
    Session &m_session;
    int m_topic;
};
