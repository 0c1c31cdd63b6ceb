#pragma once

#include "shell/GraphCommands.h"
#include "shell/Session.h"

#include <QFont>
#include <QLocale>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <vector>

class Chart;
class QAbstractButton;
class QPrinter;
class ResultsTable;

// One topic's page in the page area. The page owns its controls and handlers
// and answers for itself what the shell asks of it: which Graph commands it
// offers, which speed setting its animation reads, whether the Animation menu
// shows. The main window calls the hooks at the moments the shell defines.
class TopicPage : public QWidget
{
    Q_OBJECT
public:
    TopicPage(Session &session, int topic, QWidget *parent = nullptr);

    int topic() const { return m_topic; }

    // Start-up work, run once while the main window is created (or when the
    // page is first built, for a page built on demand).
    virtual void startUp() { }
    // Work done once when the main window is first shown (or when a page
    // built on demand is first shown).
    virtual void firstShow() { }
    // Around selecting the page on a topic change (a view reset, say).
    virtual void beforeSelect() { }
    virtual void afterSelect() { }
    // The run flag has been cleared on a topic change: show any animation or
    // count of this page as stopped, even while its loop is still unwinding.
    // The default enables the start button and disables the stop button when
    // the page keeps them so (see setRunButtons).
    virtual void showStopped();

    // What the Graph menu offers on this page; nothing on most pages.
    virtual GraphMenuState graphCommands() const { return {}; }
    // The page's chart, for Graph > Print and Copy; none on most pages.
    virtual Chart *chart() const { return nullptr; }
    // What Graph > "Copy data" and "Save data..." hand out, with a heading
    // row: a measurement page's results, else the chart's numbers.
    bool hasDataTable() const;
    QList<QStringList> dataTable(const QLocale &numbers) const;
    // The measurement page's table of results; none on the other pages.
    ResultsTable *results() const { return m_results; }
    // Prints the chart's page on an open printer; false with a message on failure.
    virtual bool printChart(QPrinter &printer, QString *error);
    // Graph > "Time scale": the seconds shown, and a new choice (5..20).
    virtual int graphTimeScale() const { return 0; }
    virtual void setGraphTimeScale(int) { }
    // Graph > "X axis range": 1, 2 or 3 for 360, 720 or 1440 degrees.
    virtual int graphXAxisRange() const { return 0; }
    virtual void setGraphXAxisRange(int) { }

    // The speed setting the page's animation reads now; none when it does not
    // animate at a set speed.
    virtual std::optional<AnimSpeed> speedSetting() const { return std::nullopt; }
    // Whether the Animation menu shows while the page is up: by default when
    // the page has a speed setting.
    virtual bool showsAnimationMenu() const { return speedSetting().has_value(); }

    // Shows the whole page `zoom` times its size: every control's position,
    // size and font, and every picture (still drawn one picture pixel per
    // unzoomed pixel).
    void setZoom(qreal zoom);
    qreal zoom() const { return m_zoom; }
    // The page's size in unzoomed pixels.
    QSize logicalSize() const;
    // The unzoomed size that shows every control of the page, at least
    // `SmallestPage`; a page that lays charts out from its size fills the rest.
    QSize extent();
    // Every page fits the page area of a 640 x 480 screen, the smallest screen
    // the layout is made for.
    static constexpr QSize SmallestPage{330, 400};

protected:
    Session &session() const { return m_session; }

    // The page's start and stop buttons. Stop ends every running loop and then
    // calls `stopped()`. With `toggle`, start is disabled and stop enabled while
    // the page runs (runStarted), and back again in showStopped.
    void setRunButtons(QAbstractButton *start, QAbstractButton *stop, bool toggle);
    // Starts the run flag and, when the buttons toggle, shows the page running.
    void runStarted();
    // What a page does after its stop button ended the loops; nothing by default.
    virtual void stopped() { }

    // Lays out the controls that follow the page's size (charts, strips),
    // through `place`; called on every resize and zoom.
    virtual void layOut() { }
    // Gives the page its table of results, at a rectangle in unzoomed pixels.
    ResultsTable *addResults(const char *name, const QStringList &headings, const QStringList &shortHeadings,
                             const QRect &at);
    // Puts a control at a rectangle given in unzoomed pixels.
    void place(QWidget *control, const QRect &logical);
    void resizeEvent(QResizeEvent *event) override;

private:
    // A control's place and font at 100%, as the page built it.
    struct ControlAt100
    {
        QPointer<QWidget> control;
        QRect geometry;
        QPoint origin; // its parent's top left on the page
        QFont font;
        QSize iconSize;
        bool moves = true; // the page area positions it (not a layout, not layOut)
        bool ownFont = false; // its font was set on it, not inherited
    };
    // Records the controls within `parent`, whose top left lies at `origin` on
    // the page.
    void captureControls(QWidget *parent, QPoint origin);

    Session &m_session;
    ResultsTable *m_results = nullptr;
    std::vector<ControlAt100> m_controls;
    QSet<QWidget *> m_placed;
    QFont m_pageFont;
    bool m_pageOwnFont = false;
    bool m_captured = false;
    qreal m_zoom = 1;
    int m_topic;
    QAbstractButton *m_startButton = nullptr;
    QAbstractButton *m_stopButton = nullptr;
    bool m_toggleRunButtons = false;
};
