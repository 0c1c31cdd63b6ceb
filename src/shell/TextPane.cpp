#include "shell/TextPane.h"

#include "shell/BigPic.h"
#include "shell/ButtonIcons.h"
#include "shell/Dialogs.h"
#include "shell/Hints.h"
#include "shell/HtmlViewer.h"
#include "shell/JumpObject.h"
#include "shell/PageControls.h"
#include "shell/PageSafety.h"
#include "shell/PrintPreview.h"
#include "shell/Session.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

namespace {

QToolButton *makeBarButton(QWidget *parent, const char *name, ButtonIcons::Kind icon)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(ButtonIcons::icon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFixedSize(44, 37);
    button->setIconSize(QSize(20, 20));
    return button;
}

} // namespace

TextPane::TextPane(Session &session, Dialogs &dialogs, QWidget *parent)
    : QFrame(parent)
    , m_session(session)
    , m_dialogs(dialogs)
    , m_history(std::make_unique<TJumpManager>())
{
    setObjectName(QStringLiteral("RightPanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);

    auto *panel2 = new QWidget(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFixedHeight(41);
    auto *buttons = new QHBoxLayout(panel2);
    buttons->setContentsMargins(2, 2, 2, 2);
    buttons->setSpacing(0);
    m_menuBtn = makeBarButton(panel2, "MenuBtn", ButtonIcons::Kind::Index);
    m_fwdBtn = makeBarButton(panel2, "FwdBtn", ButtonIcons::Kind::Forward);
    m_backBtn = makeBarButton(panel2, "BackBtn", ButtonIcons::Kind::Back);
    m_copyBtn = makeBarButton(panel2, "CopyBtn", ButtonIcons::Kind::Copy);
    m_fontBtn = makeBarButton(panel2, "FontBtn", ButtonIcons::Kind::Font);
    m_printBtn = makeBarButton(panel2, "PrintBtn", ButtonIcons::Kind::Print);
    for (QToolButton *b : {m_menuBtn, m_fwdBtn, m_backBtn, m_copyBtn, m_fontBtn, m_printBtn}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    m_fwdBtn->setEnabled(false);
    m_copyBtn->setEnabled(false);

    m_viewer = new HtmlViewer(this);
    layout->addWidget(panel2);
    layout->addWidget(m_viewer, 1);

    connect(m_menuBtn, &QToolButton::clicked, this, &TextPane::MenuBtnClick);
    connect(m_fwdBtn, &QToolButton::clicked, this, [this] { FwdBtnClick(true); });
    connect(m_backBtn, &QToolButton::clicked, this, [this] { FwdBtnClick(false); });
    connect(m_copyBtn, &QToolButton::clicked, m_viewer, &HtmlViewer::copySelection);
    connect(m_printBtn, &QToolButton::clicked, this, &TextPane::PrintTopicClick);
    m_viewer->setHotSpotHandler([this](const QString &url) { return viewerHotSpotClick(url); });
    connect(m_viewer, &HtmlViewer::rightClicked, this, &TextPane::viewerRightClick);
    connect(m_viewer, &HtmlViewer::mouseUp, this, &TextPane::viewerMouseUp);

    m_fontPopUp = new QMenu(this);
    m_fontPopUp->setObjectName(QStringLiteral("FontPopUp"));
    for (int points : {8, 10, 12, 14}) {
        const QByteArray name = "N" + QByteArray::number(points) + "point1";
        QAction *item = PageControls::menuItem(m_fontPopUp, name.constData(), QString(), points);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, points] { N8point1Click(points); });
    }
    connect(m_fontPopUp, &QMenu::aboutToShow, this, &TextPane::FontPopUpPopup);
    m_fontBtn->setMenu(m_fontPopUp);
    m_fontBtn->setPopupMode(QToolButton::InstantPopup);

    m_picPopUp = new QMenu(this);
    m_picPopUp->setObjectName(QStringLiteral("PicPopUp"));
    connect(PageControls::menuItem(m_picPopUp, "CopyImage1", QString()), &QAction::triggered, this,
            &TextPane::CopyImage1Click);

    m_backgroundMenu = new QMenu(this);
    m_backgroundMenu->setObjectName(QStringLiteral("Backgnd1"));
    m_backgroundMenu->menuAction()->setObjectName(QStringLiteral("Backgnd1"));
    connect(m_backgroundMenu, &QMenu::aboutToShow, this, &TextPane::Backgnd1Click);
    for (const auto &[name, tag] :
         {std::pair{"WhiteBgn1", 0}, std::pair{"YellowBgn1", 1}, std::pair{"BlueBgn1", 2}, std::pair{"SandBgn1", 3}}) {
        QAction *item = PageControls::menuItem(m_backgroundMenu, name, QString(), tag);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, tag = tag] { SetViewerBackground(tag); });
    }
    retranslate();
}

void TextPane::retranslate()
{
    const auto caption = [](QToolButton *button, const QString &text, const QString &hint) {
        button->setText(text);
        Hints::setHint(button, hint);
    };
    caption(m_menuBtn, tr("index"), tr("main index|Return to main index page"));
    caption(m_fwdBtn, tr("forward"), tr("forward"));
    caption(m_backBtn, tr("back"), tr("back"));
    caption(m_copyBtn, tr("copy"), tr("copy selected text|Copy selected text to the clipboard"));
    caption(m_fontBtn, tr("font"), tr("font size|Set font size"));
    caption(m_printBtn, tr("print"), tr("print|Print current topic"));
    for (QAction *item : m_fontPopUp->actions()) {
        item->setText(tr("%1 point").arg(item->data().toInt()));
    }
    m_picPopUp->actions().constFirst()->setText(tr("Copy picture to clipboard"));
    m_backgroundMenu->setTitle(tr("Text background"));
    const std::array<QString, 4> backgrounds{tr("white"), tr("pale yellow"), tr("blue/gray"), tr("sand")};
    for (QAction *item : m_backgroundMenu->actions()) {
        item->setText(backgrounds.at(std::size_t(item->data().toInt())));
    }
}

void TextPane::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

TextPane::~TextPane() = default;

QString TextPane::indexPage() const
{
    return m_session.htmlDir + QStringLiteral("index.htm");
}

void TextPane::loadViewerPage(const QString &file)
{
    // The start-up and topic switches do not report a missing page, as the
    // pages are part of the installation; the pane is left empty rather than
    // showing the text of another topic.
    if (!m_viewer->loadFile(file)) {
        m_viewer->showNothing();
    }
}

void TextPane::updateButtons()
{
    const bool canBack = m_history->CanGoBack() || m_viewer->position() > 0;
    if (m_backBtn->isEnabled() != canBack) {
        m_backBtn->setEnabled(canBack);
    }
    const bool notIndex = m_viewer->currentFile().compare(indexPage(), Qt::CaseInsensitive) != 0;
    if (m_menuBtn->isEnabled() != notIndex) {
        m_menuBtn->setEnabled(notIndex);
    }
}

void TextPane::switchTopicFor(const QString &url)
{
    const int topic = m_pageTopic ? m_pageTopic(url) : m_session.currentTopic;
    if (topic != m_session.currentTopic) {
        Q_EMIT topicRequested(topic);
    }
}

void TextPane::MenuBtnClick()
{
    m_session.stopAnimations();
    loadViewerPage(indexPage());
    m_history->Reset();
    m_fwdBtn->setEnabled(false);
    m_backBtn->setEnabled(false);
}

void TextPane::FwdBtnClick(bool forward)
{
    const int p = m_viewer->position();
    if (!forward && p > 0) {
        m_viewer->setPosition(0);
        return;
    }
    TJumpManager::Result target;
    if (forward) {
        target = m_history->GoForward();
    } else {
        m_history->AddJump(m_viewer->currentFile(), p);
        target = m_history->GoBack();
    }
    if (!target.URL.isEmpty()) {
        QString error;
        if (!m_viewer->loadFile(target.URL, &error)) {
            m_dialogs.error(this, error);
            return;
        }
        m_viewer->setPosition(target.Position);
        switchTopicFor(target.URL);
    }
    m_backBtn->setEnabled(m_history->CanGoBack() || p > 0);
    m_fwdBtn->setEnabled(m_history->CanGoForward());
}

void TextPane::refuseLink(const QString &message)
{
    m_dialogs.error(this, message);
    Q_EMIT linkRefused(message);
}

void TextPane::recordJump()
{
    m_history->AddJump(m_viewer->currentFile(), m_viewer->position());
    m_backBtn->setEnabled(m_history->CanGoBack());
    m_fwdBtn->setEnabled(m_history->CanGoForward());
}

bool TextPane::viewerHotSpotClick(const QString &url)
{
    const QUrl address(url);
    const QString scheme = address.scheme().toLower();
    if (scheme == QLatin1String("try")) {
        // A link that sets the simulation up is checked whole before anything
        // changes; followed, it is a topic link like any other in the history.
        const QString fault = m_tryLinks.check ? m_tryLinks.check(address)
                                               : tr("Links that set up a simulation are not available here.");
        if (!fault.isEmpty()) {
            refuseLink(fault);
            return true;
        }
        recordJump();
        m_tryLinks.follow(address);
        return true;
    }
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto")) {
        // Addresses on the web go to the desktop's browser; the pane, its
        // history and the topic stay as they are.
        m_dialogs.openExternal(address);
        return true;
    }
    bool handled = false;
    if (url.startsWith(QLatin1Char('$'))) {
        handled = true;
        showPictureLink(url);
    } else if (url.startsWith(QChar(0x00A3))) {
        handled = true;
    } else {
        // A link to a page that cannot be read (or may not be) says so and
        // changes nothing: the page stays, and no history entry is made for a
        // jump that never happened.
        const QString from = m_viewer->currentFile();
        const int at = m_viewer->position();
        QString error;
        if (!m_viewer->followLink(address, &error)) {
            refuseLink(error);
            return true;
        }
        m_history->AddJump(from, at);
        m_backBtn->setEnabled(m_history->CanGoBack());
        m_fwdBtn->setEnabled(m_history->CanGoForward());
        handled = true;
    }
    switchTopicFor(url);
    return handled;
}

void TextPane::showPictureLink(const QString &url)
{
    const QString named = BigPic::picturePath(m_session.htmlDir + QStringLiteral("images"), url);
    if (named.isEmpty()) {
        m_dialogs.error(this,
                        tr("The picture link \"%1\" does not name a picture in the pictures folder.").arg(url.mid(1)));
        return;
    }
    // The picture in the language's own pictures folder when it has one.
    const QString path = m_viewer->inLanguage(named);
    QString error;
    const QString file = PageSafety::checkedFile(HtmlViewer::resolvePath(path), QFileInfo(path).absolutePath(),
                                                 PageSafety::MaxPictureBytes, &error);
    if (file.isEmpty() && QFileInfo::exists(HtmlViewer::resolvePath(path))) {
        m_dialogs.error(this, error);
        return;
    }
    const QImage picture(file);
    if (picture.isNull()) {
        m_dialogs.error(this, tr("Cannot load the picture \"%1\".").arg(url.mid(1)));
        return;
    }
    TBigPicFrm window(picture, this);
    window.exec();
}

void TextPane::viewerRightClick(QPoint globalPosition, const QImage &picture)
{
    m_pictureImage = picture;
    QAction *copy = m_picPopUp->actions().constFirst();
    copy->setEnabled(!picture.isNull());
    if (copy->isEnabled()) {
        m_picPopUp->popup(globalPosition);
    } else {
        m_pictureImage = QImage();
    }
}

void TextPane::CopyImage1Click()
{
    if (!m_pictureImage.isNull()) {
        QGuiApplication::clipboard()->setImage(m_pictureImage);
    }
}

void TextPane::viewerMouseUp()
{
    // On the start page copying stays off.
    m_copyBtn->setEnabled(m_viewer->selectionLength() >= 1 && m_session.currentTopic != 0);
}

void TextPane::FontPopUpPopup()
{
    const QList<QAction *> items = m_fontPopUp->actions();
    for (int i = 0; i < items.size(); ++i) {
        items[i]->setChecked(m_viewer->defaultFontSize() == 8 + 2 * i);
    }
}

void TextPane::N8point1Click(int points)
{
    m_viewer->setDefaultFontSize(points);
    m_viewer->reload();
}

QColor TextPane::textBackground(int tag)
{
    switch (tag) {
    case 1:
        return {255, 255, 191};
    case 2:
        return {217, 234, 255};
    case 3:
        return {255, 224, 193};
    default:
        return {255, 255, 255};
    }
}

void TextPane::Backgnd1Click()
{
    for (QAction *item : m_backgroundMenu->actions()) {
        item->setChecked(textBackground(item->data().toInt()) == m_viewer->defaultBackground());
    }
}

void TextPane::SetViewerBackground(int tag)
{
    m_viewer->setDefaultBackground(textBackground(tag));
}

void TextPane::PrintTopicClick()
{
    auto preview = TPrntPrevFrm::create(this, m_viewer, &m_dialogs);
    if (!preview) {
        return;
    }
    preview->exec();
}
