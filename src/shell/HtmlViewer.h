#pragma once

#include <QTextBrowser>

#include <functional>

// The text pane. It loads pages by file name (letter case ignored, as the
// pages' links are written in any case), keeps no history of its own and asks
// its owner about every link before following it.
class HtmlViewer : public QTextBrowser
{
    Q_OBJECT
public:
    explicit HtmlViewer(QWidget *parent = nullptr);

    // Loads a page; on failure the pane keeps what it showed and `error` says why.
    // Pages and pictures are read only from regular files of bounded size,
    // inside the root folder once one is set.
    bool loadFile(const QString &path, QString *error = nullptr);
    // Follows a link as a click does: another page, an anchor, or both.
    bool followLink(const QUrl &url, QString *error = nullptr);
    // The folder (and its subfolders) that pages and pictures may come from.
    void setRootFolder(const QString &folder) { m_root = folder; }
    // A subfolder of the root holding pages and pictures in another language
    // ("de"): a page or picture found there is shown instead of the root's
    // own, page by page; everything else comes from the root. Empty for none.
    void setLanguageFolder(const QString &folder) { m_language = folder; }
    // Where a path inside the root is read from: its language version when
    // there is one, else the root's.
    QString inLanguage(const QString &path) const;
    // Empties the pane.
    void showNothing();
    // Full file name of the page shown, empty before the first load.
    QString currentFile() const { return m_currentFile; }

    int position() const;
    void setPosition(int position); // clamped to the scroll range
    int selectionLength() const;
    void copySelection();

    // Called with a link's URL as written; returns true when the click was
    // handled and the link must not be followed.
    void setHotSpotHandler(std::function<bool(const QString &url)> handler) { m_hotSpot = std::move(handler); }

    // The default font size in points and the background behind the text.
    int defaultFontSize() const;
    void setDefaultFontSize(int points);
    QColor defaultBackground() const;
    void setDefaultBackground(const QColor &colour);
    // Loads the current page again, keeping the scroll position.
    void reload() override;
    // The picture under a point of the pane, if there is one.
    QImage pictureAt(QPoint viewportPosition) const;

    // A path with each part matched without regard to letter case; the path as
    // given when nothing matches.
    static QString resolvePath(const QString &path);

Q_SIGNALS:
    void pageLoaded(const QString &file);
    // A right click, with the picture under the mouse (null when none).
    void rightClicked(QPoint globalPosition, const QImage &picture);
    void mouseUp();

protected:
    QVariant loadResource(int type, const QUrl &name) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Why a page must not be shown, or an empty string.
    QString pageFault(const QString &html, const QUrl &base) const;

    QString m_currentFile;
    QString m_root;
    QString m_language;
    std::function<bool(const QString &)> m_hotSpot;
};
