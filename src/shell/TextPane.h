#pragma once

#include <QFrame>
#include <QImage>

#include <functional>
#include <memory>

class Dialogs;
class HtmlViewer;
class QMenu;
class QToolButton;
class QUrl;
class Session;
class TJumpManager;

// The right-hand pane: the button bar (index, forward, back, copy, font,
// print), the page viewer with its back/forward history, the font sizes, the
// text backgrounds and the picture pop-up. Which topic a page belongs to is
// the owner's knowledge: it tells the pane through `setPageTopic`, and the pane
// asks for a topic switch with `topicRequested` when a link or the history
// leads to another topic's page.
class TextPane : public QFrame
{
    Q_OBJECT
public:
    TextPane(Session &session, Dialogs &dialogs, QWidget *parent = nullptr);
    ~TextPane() override;

    HtmlViewer *viewer() const { return m_viewer; }
    TJumpManager &history() { return *m_history; }
    // "Text background", for the View menu.
    QMenu *backgroundMenu() const { return m_backgroundMenu; }
    const QImage &pictureImage() const { return m_pictureImage; }

    // The topic whose text page a URL names, else the current topic.
    void setPageTopic(std::function<int(const QString &url)> pageTopic) { m_pageTopic = std::move(pageTopic); }

    // Links that set a simulation up, "try:N?NAME=VALUE&...": `check` says what
    // is wrong with one (empty when nothing), `follow` carries it out.
    struct TryLinks
    {
        std::function<QString(const QUrl &)> check;
        std::function<void(const QUrl &)> follow;
    };
    void setTryLinks(TryLinks links) { m_tryLinks = std::move(links); }

    // Loads a page on start-up and on topic switches; a missing page leaves the
    // pane empty rather than showing another topic's text.
    void loadViewerPage(const QString &file);
    // Keeps the back and index buttons up to date, from the idle handler.
    void updateButtons();

    void MenuBtnClick();
    void FwdBtnClick(bool forward);
    bool viewerHotSpotClick(const QString &url);
    void viewerRightClick(QPoint globalPosition, const QImage &picture);
    void CopyImage1Click();
    void viewerMouseUp();
    void FontPopUpPopup();
    void N8point1Click(int points);
    void Backgnd1Click();
    void SetViewerBackground(int tag);
    void PrintTopicClick();

    // The text backgrounds of the View menu, by Tag.
    static QColor textBackground(int tag);

Q_SIGNALS:
    void topicRequested(int topic);
    // A link was refused with an error box saying `message`; nothing changed.
    void linkRefused(const QString &message);

protected:
    // Captions and hints again in the language installed now.
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    void showPictureLink(const QString &url);
    void refuseLink(const QString &message);
    void recordJump();
    void switchTopicFor(const QString &url);
    QString indexPage() const;

    Session &m_session;
    Dialogs &m_dialogs;
    std::unique_ptr<TJumpManager> m_history;
    std::function<int(const QString &)> m_pageTopic;
    TryLinks m_tryLinks;
    HtmlViewer *m_viewer = nullptr;
    QToolButton *m_menuBtn = nullptr;
    QToolButton *m_fwdBtn = nullptr;
    QToolButton *m_backBtn = nullptr;
    QToolButton *m_copyBtn = nullptr;
    QToolButton *m_fontBtn = nullptr;
    QToolButton *m_printBtn = nullptr;
    QMenu *m_fontPopUp = nullptr;
    QMenu *m_backgroundMenu = nullptr;
    QMenu *m_picPopUp = nullptr;
    QImage m_pictureImage;
};
