#include "Snapshot.h"

#include "app/MainFrm.h"
#include "chart/Chart.h"
#include "gdi/PaintBox.h"
#include "shell/ControlValues.h"
#include "shell/Dialogs.h"
#include "shell/HelpSystem.h"
#include "shell/HtmlViewer.h"
#include "shell/PrintPreview.h"
#include "shell/TextPane.h"
#include "shell/Zoom.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextStream>
#include <QTimer>

#include <functional>
#include <optional>

namespace Snapshot {

namespace {

const QStringList KnownActions{
    QStringLiteral("--screen"),      QStringLiteral("--topic"),    QStringLiteral("--set"),
    QStringLiteral("--menu"),        QStringLiteral("--click"),    QStringLiteral("--click-right"),
    QStringLiteral("--press"),       QStringLiteral("--release"),  QStringLiteral("--move"),
    QStringLiteral("--grab"),        QStringLiteral("--text"),     QStringLiteral("--series"),
    QStringLiteral("--pdf"),         QStringLiteral("--link"),     QStringLiteral("--zoom"),
    QStringLiteral("--grab-screen"), QStringLiteral("--maximize"), QStringLiteral("--clipboard"),
    QStringLiteral("--controls"),    QStringLiteral("--wait")};
// Actions that take no value.
const QStringList Flags{QStringLiteral("--maximize"), QStringLiteral("--controls")};

// Set by --pdf: print dialogs print all pages to this file instead of being
// cancelled, and a print preview that opens prints there and closes.
QString pdfFile;

// Message boxes are answered "No" (keep the program running) and reported.
class ScriptedDialogs : public Dialogs
{
public:
    explicit ScriptedDialogs(QTextStream &err)
        : m_err(err)
    { }
    QMessageBox::StandardButton confirm(QWidget *, const QString &text, QMessageBox::StandardButtons) override
    {
        m_err << "question: " << QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')) << " -> No\n";
        return QMessageBox::No;
    }
    void error(QWidget *, const QString &text) override { m_err << "error box: " << text << '\n'; }
    QString saveFileName(QWidget *, const QString &caption, const QString &, const QString &) override
    {
        m_err << "save dialog \"" << caption << "\" -> Cancel\n";
        return {};
    }
    bool choosePrinter(QWidget *, QPrinter &printer, bool, int, int) override
    {
        if (pdfFile.isEmpty()) {
            m_err << "print dialog -> Cancel\n";
            return false;
        }
        m_err << "print dialog -> all pages to " << pdfFile << '\n';
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        printer.setPrintRange(QPrinter::AllPages);
        return true;
    }
    void openExternal(const QUrl &url) override { m_err << "open in browser: " << url.toString() << '\n'; }

private:
    QTextStream &m_err;
};

class Failure
{
public:
    QString message;
};

std::optional<QPoint> parsePoint(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(-?\\d+),(-?\\d+)$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return QPoint(match.captured(1).toInt(), match.captured(2).toInt());
}

// NAME or NAME@X,Y
std::pair<QString, std::optional<QPoint>> splitAt(const QString &value, bool pointRequired)
{
    const qsizetype at = value.lastIndexOf(QLatin1Char('@'));
    if (at < 0) {
        if (pointRequired) {
            throw Failure{QStringLiteral("'%1' needs a position: NAME@X,Y").arg(value)};
        }
        return {value, std::nullopt};
    }
    const auto point = parsePoint(value.mid(at + 1));
    if (!point) {
        throw Failure{QStringLiteral("bad position in '%1': expected NAME@X,Y").arg(value)};
    }
    return {value.left(at), point};
}

std::pair<QString, QString> splitAssign(const QString &value)
{
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    if (eq <= 0) {
        throw Failure{QStringLiteral("'%1' needs the form NAME=VALUE").arg(value)};
    }
    return {value.left(eq), value.mid(eq + 1)};
}

int toInt(const QString &text, const QString &what)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok) {
        throw Failure{QStringLiteral("bad value '%1' for %2: expected a whole number").arg(text, what)};
    }
    return v;
}

QWidget *findWidget(TMainFrm &window, const QString &name)
{
    if (window.objectName() == name) {
        return &window;
    }
    if (auto *w = window.findChild<QWidget *>(name)) {
        return w;
    }
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name) {
            return top;
        }
        if (auto *w = top->findChild<QWidget *>(name)) {
            return w;
        }
    }
    throw Failure{QStringLiteral("no control named '%1'").arg(name)};
}

// Lets pending events run and then the idle handler, as the event loop does
// before it waits; processing events without waiting never goes idle.
void settle(TMainFrm &window)
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
    window.AppIdle();
}

// Closes any dialog a command opens, so that the script goes on.
void closeModalsSoon()
{
    QTimer::singleShot(0, qApp, [] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            if (auto *preview = qobject_cast<TPrntPrevFrm *>(modal); preview && !pdfFile.isEmpty()) {
                preview->PrintBtnClick();
            }
            modal->close();
        }
    });
}

void setControl(TMainFrm &window, const QString &name, const QString &valueText)
{
    QWidget *w = findWidget(window, name);
    if (const QString fault = ControlValues::check(w, name, valueText); !fault.isEmpty()) {
        throw Failure{fault};
    }
    ControlValues::set(w, valueText);
}

void triggerMenu(TMainFrm &window, const QString &name)
{
    QAction *action = nullptr;
    for (QAction *candidate : window.findChildren<QAction *>()) {
        if (candidate->objectName() == name) {
            action = candidate;
            break;
        }
    }
    if (!action) {
        throw Failure{QStringLiteral("no menu item named '%1'").arg(name)};
    }
    // Open the menus on the way, as a user does, so their opening handlers run.
    for (QObject *o = action->parent(); o; o = o->parent()) {
        if (auto *menu = qobject_cast<QMenu *>(o)) {
            Q_EMIT menu->aboutToShow();
        }
    }
    if (!action->isEnabled() || !action->isVisible()) {
        throw Failure{QStringLiteral("menu item '%1' is not available here").arg(name)};
    }
    closeModalsSoon();
    action->trigger();
}

void mouse(TMainFrm &window, const QString &kind, const QString &value)
{
    const bool pointRequired = kind != QLatin1String("--click") && kind != QLatin1String("--click-right");
    const auto [name, point] = splitAt(value, pointRequired);
    QWidget *w = findWidget(window, name);
    const QPoint pos = point.value_or(w->rect().center());
    const Qt::MouseButton button = kind == QLatin1String("--click-right") ? Qt::RightButton : Qt::LeftButton;
    closeModalsSoon();
    if (kind == QLatin1String("--click") || kind == QLatin1String("--click-right")) {
        QTest::mouseClick(w, button, {}, pos);
    } else if (kind == QLatin1String("--press")) {
        QTest::mousePress(w, button, {}, pos);
    } else if (kind == QLatin1String("--release")) {
        QTest::mouseRelease(w, button, {}, pos);
    } else {
        QTest::mouseMove(w, pos);
    }
}

// --grab: a picture's surface, one pixel per logical pixel; --grab-screen:
// the control as shown, in device pixels at the page's zoom.
void grab(TMainFrm &window, const QString &value, bool asShown)
{
    const auto [name, file] = splitAssign(value);
    QWidget *w = findWidget(window, name);
    QImage image;
    auto *box = qobject_cast<PaintBox *>(w);
    if (box && !asShown) {
        box->ensurePainted();
        image = box->surface();
    } else {
        image = w->grab().toImage();
    }
    if (!image.save(file, "PNG")) {
        throw Failure{QStringLiteral("cannot write '%1'").arg(file)};
    }
}

QTextBrowser *textBrowser(TMainFrm &window, const QString &name)
{
    auto *browser = qobject_cast<QTextBrowser *>(findWidget(window, name));
    if (!browser) {
        throw Failure{QStringLiteral("'%1' is not a text browser").arg(name)};
    }
    return browser;
}

// Follows a link as a click on it does; the browser's own handler resolves a
// relative link against the page shown.
void followLink(TMainFrm &window, const QString &value)
{
    const auto [name, target] = splitAssign(value);
    QTextBrowser *browser = textBrowser(window, name);
    const QUrl url(target);
    if (!url.isValid()) {
        throw Failure{QStringLiteral("bad link '%1'").arg(target)};
    }
    // A link that sets a simulation up and is refused is a bad value for the
    // tool; any other refused link is the program's ordinary answer.
    QString refused;
    const QMetaObject::Connection watch = QObject::connect(window.textPane(), &TextPane::linkRefused, browser,
                                                           [&refused](const QString &message) { refused = message; });
    closeModalsSoon();
    Q_EMIT browser->anchorClicked(url);
    QObject::disconnect(watch);
    if (!refused.isEmpty() && url.scheme() == QLatin1String("try")) {
        throw Failure{QStringLiteral("the program refused the link: %1").arg(refused)};
    }
}

// A text browser's current source: a file name, or the URL, with any anchor.
QString sourceOf(const QTextBrowser &browser)
{
    // The text pane loads its pages itself and keeps the file it shows.
    if (const auto *viewer = qobject_cast<const HtmlViewer *>(&browser)) {
        return QDir::toNativeSeparators(viewer->currentFile());
    }
    const QUrl source = browser.source();
    if (!source.isLocalFile()) {
        return source.toString();
    }
    QString text = QDir::toNativeSeparators(source.toLocalFile());
    if (source.hasFragment()) {
        text += QLatin1Char('#') + source.fragment();
    }
    return text;
}

// The words a control shows: a label's or button's text, an edit's
// contents, a group's title, a text browser's source, the status bar's
// message; none for the others.
std::optional<QString> controlText(const QWidget *w)
{
    if (const auto *bar = qobject_cast<const QStatusBar *>(w)) {
        return bar->currentMessage();
    }
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        return label->text();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
        return button->text();
    }
    if (const auto *edit = qobject_cast<const QLineEdit *>(w)) {
        return edit->text();
    }
    if (const auto *group = qobject_cast<const QGroupBox *>(w)) {
        return group->title();
    }
    if (const auto *browser = qobject_cast<const QTextBrowser *>(w)) {
        return sourceOf(*browser);
    }
    return std::nullopt;
}

void printText(TMainFrm &window, const QString &name, QTextStream &out)
{
    QString text;
    if (name == QLatin1String("caption")) {
        text = window.windowTitle();
    } else if (const auto shown = controlText(findWidget(window, name))) {
        text = *shown;
    } else {
        throw Failure{QStringLiteral("'%1' has no text").arg(name)};
    }
    out << name << '=' << text << '\n';
}

// One line per visible control of the page shown: name, class, x,y,w,h on
// the page, its text, and (for sliders and scroll bars) its buddy label's text.
void listControls(TMainFrm &window, QTextStream &out)
{
    auto *stack = window.findChild<QStackedWidget *>(QStringLiteral("MainPC"));
    QWidget *page = stack ? stack->currentWidget() : nullptr;
    if (!page) {
        throw Failure{QStringLiteral("no page is shown")};
    }
    const QList<QLabel *> labels = page->findChildren<QLabel *>();
    const auto plain = [](QString text) {
        return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\t'), QLatin1Char(' '));
    };
    for (QWidget *w : page->findChildren<QWidget *>()) {
        // The page's own controls and those of its panels and groups, not the
        // inner parts of sliders, lists or charts.
        const QWidget *parent = w->parentWidget();
        const bool container = parent == page || parent->inherits("QGroupBox")
                               || QByteArray(parent->metaObject()->className()) == "QWidget"
                               || QByteArray(parent->metaObject()->className()) == "QFrame";
        if (!container || w->isWindow() || !w->isVisibleTo(page)) {
            continue;
        }
        const QString text = controlText(w).value_or(QString());
        QString buddy;
        if (qobject_cast<QAbstractSlider *>(w)) {
            for (QLabel *label : labels) {
                if (label->buddy() == w) {
                    buddy = label->text();
                    break;
                }
            }
        }
        const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
        out << w->objectName() << '\t' << w->metaObject()->className() << '\t' << r.x() << ',' << r.y() << ','
            << r.width() << ',' << r.height() << '\t' << plain(text) << '\t' << plain(buddy) << '\n';
    }
}

void dumpSeries(TMainFrm &window, const QString &value)
{
    const auto [name, file] = splitAssign(value);
    auto *chart = qobject_cast<Chart *>(findWidget(window, name));
    if (!chart) {
        throw Failure{QStringLiteral("'%1' is not a chart").arg(name)};
    }
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) {
        throw Failure{QStringLiteral("cannot write '%1'").arg(file)};
    }
    QTextStream csv(&out);
    csv.setRealNumberPrecision(17);
    csv << "series,index,x,y\n";
    for (int s = 0; s < chart->seriesCount(); ++s) {
        for (int i = 0; i < chart->count(s); ++i) {
            const QPointF p = chart->point(s, i);
            csv << s << ',' << i << ',' << p.x() << ',' << p.y() << '\n';
        }
    }
}

} // namespace

QString usage()
{
    return QStringLiteral(
        "usage: corvane-snap [action ...]\n"
        "  --screen W,H            lay the window out for a W by H screen (default 1024,768)\n"
        "  --topic N               choose topic N (1..16) from the Topics menu\n"
        "  --set NAME=VALUE        set a control (slider, check box 0/1, radio 1, group or list index)\n"
        "  --menu NAME             trigger the menu item NAME\n"
        "  --click NAME[@X,Y]      left click (centre when no position is given)\n"
        "  --click-right NAME[@X,Y] right click\n"
        "  --press NAME@X,Y  --release NAME@X,Y  --move NAME@X,Y   left button\n"
        "  --grab NAME=FILE.png    save the control's picture (MainFrm: the whole window); a picture\n"
        "                          as drawn, one pixel per logical pixel, at any zoom\n"
        "  --grab-screen NAME=FILE.png  save the control as shown on screen, in device pixels\n"
        "  --zoom PERCENT          zoom the page as the View menu does (100 125 150 175 200 250 300 400)\n"
        "  --maximize              maximise the window on the --screen\n"
        "  --text NAME             print NAME=its text (caption: the window caption; a text browser:\n"
        "                          its page's file name or URL with any anchor)\n"
        "  --link NAME=URL         follow URL in the text browser NAME (Viewer, HelpBrowser) as a click\n"
        "                          does; relative URLs resolve against the page shown\n"
        "  --pdf FILE.pdf          from here on print dialogs print all pages to FILE.pdf, and a print\n"
        "                          preview that opens prints its pages there and closes\n"
        "  --series NAME=FILE.csv  save a chart's series as rows series,index,x,y\n"
        "  --clipboard FILE        write the clipboard's text to FILE (UTF-8)\n"
        "  --wait MS               let the program run for MS milliseconds (0 to 600000)\n"
        "  --controls              list the page's visible controls: name, class, x,y,w,h, text, buddy label\n");
}

std::optional<Script> parse(const QStringList &arguments, QString *error)
{
    Script script;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &name = arguments[i];
        if (!KnownActions.contains(name)) {
            *error = QStringLiteral("unknown action '%1'").arg(name);
            return std::nullopt;
        }
        if (Flags.contains(name)) {
            script.actions.push_back({name, QString()});
            continue;
        }
        if (i + 1 >= arguments.size()) {
            *error = QStringLiteral("'%1' needs a value").arg(name);
            return std::nullopt;
        }
        const QString &value = arguments[++i];
        if (name == QLatin1String("--screen")) {
            const auto size = parsePoint(value);
            if (!size || size->x() < 320 || size->y() < 240) {
                *error = QStringLiteral("bad screen size '%1': expected W,H of at least 320,240").arg(value);
                return std::nullopt;
            }
            script.screen = QSize(size->x(), size->y());
            continue;
        }
        script.actions.push_back({name, value});
    }
    return script;
}

void perform(TMainFrm &window, const Script &script, const Action &action, QTextStream &out)
{
    if (action.name == QLatin1String("--topic")) {
        const int topic = toInt(action.value, QStringLiteral("--topic"));
        if (!Topics::isTopic(topic)) {
            throw Failure{QStringLiteral("topic %1 is outside 1..16").arg(topic)};
        }
        window.DoTopicChange(window.topicAction(topic));
    } else if (action.name == QLatin1String("--set")) {
        const auto [name, value] = splitAssign(action.value);
        setControl(window, name, value);
    } else if (action.name == QLatin1String("--menu")) {
        triggerMenu(window, action.value);
    } else if (action.name == QLatin1String("--grab") || action.name == QLatin1String("--grab-screen")) {
        grab(window, action.value, action.name == QLatin1String("--grab-screen"));
    } else if (action.name == QLatin1String("--controls")) {
        listControls(window, out);
    } else if (action.name == QLatin1String("--clipboard")) {
        QSaveFile file(action.value);
        if (!file.open(QIODevice::WriteOnly) || file.write(QGuiApplication::clipboard()->text().toUtf8()) < 0
            || !file.commit()) {
            throw Failure{QStringLiteral("cannot write '%1'").arg(action.value)};
        }
    } else if (action.name == QLatin1String("--zoom")) {
        const int percent = toInt(action.value, QStringLiteral("--zoom"));
        if (!Zoom::isStep(percent)) {
            throw Failure{QStringLiteral("zoom %1 is not one of the View menu's steps").arg(percent)};
        }
        window.setPageZoom(percent);
    } else if (action.name == QLatin1String("--maximize")) {
        // As a window manager maximises: the work area of the screen laid out for.
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
        settle(window);
        window.setGeometry(QRect(QPoint(0, 0), script.screen - QSize(0, 40)));
    } else if (action.name == QLatin1String("--text")) {
        printText(window, action.value, out);
    } else if (action.name == QLatin1String("--series")) {
        dumpSeries(window, action.value);
    } else if (action.name == QLatin1String("--link")) {
        followLink(window, action.value);
    } else if (action.name == QLatin1String("--pdf")) {
        if (!action.value.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
            throw Failure{QStringLiteral("'%1' is not a .pdf file name").arg(action.value)};
        }
        pdfFile = action.value;
    } else {
        mouse(window, action.name, action.value);
    }
}

// Runs a script's actions in turn, each from the event loop. Starting an
// endless animation (the ripple tank's, the waves') does not return until the
// animation stops, as its loop runs inside the click; the script then goes on
// from inside that loop, as a person goes on using the window while it
// animates. Waits return to the loop, so an animation runs on meanwhile, and
// at the script's end every animation is stopped so that the click returns.
class Runner
{
public:
    Runner(TMainFrm &window, const Script &script, QTextStream &out)
        : m_window(window)
        , m_script(script)
        , m_out(out)
    { }

    // The first failure's message, or nothing when the whole script ran.
    std::optional<QString> run()
    {
        settle(m_window);
        QEventLoop loop;
        m_quit = [&loop] { loop.quit(); };
        next(0);
        loop.exec();
        return m_failure;
    }

private:
    void next(int milliseconds)
    {
        QTimer::singleShot(milliseconds, &m_window, [this] { step(); });
    }

    void step()
    {
        if (m_next >= m_script.actions.size()) {
            finish();
            return;
        }
        const Action &action = m_script.actions[m_next++];
        try {
            if (action.name == QLatin1String("--wait")) {
                // The event loop runs meanwhile, as while a person waits.
                const int milliseconds = toInt(action.value, QStringLiteral("--wait"));
                if (milliseconds < 0 || milliseconds > 600000) {
                    throw Failure{QStringLiteral("--wait takes 0 to 600000 milliseconds, not %1").arg(milliseconds)};
                }
                next(milliseconds);
            } else if (action.name == QLatin1String("--grab") || action.name == QLatin1String("--grab-screen")) {
                // Pictures and charts show a change at the next display
                // refresh at the latest: two refreshes, as a person looking.
                QTimer::singleShot(40, &m_window, [this, &action] { attempt(action); });
            } else {
                attempt(action);
            }
        } catch (const Failure &failure) {
            fail(failure.message);
        }
    }

    // Performs an action and goes on with the next; when the action is still
    // running an animation after a moment, goes on from inside its loop.
    void attempt(const Action &action)
    {
        bool handedOn = false;
        QTimer watcher;
        watcher.setInterval(10);
        QObject::connect(&watcher, &QTimer::timeout, &m_window, [this, &watcher, &handedOn] {
            if (m_window.session().isAnimating()) {
                watcher.stop();
                handedOn = true;
                next(0);
            }
        });
        watcher.start();
        try {
            perform(m_window, m_script, action, m_out);
        } catch (const Failure &failure) {
            watcher.stop();
            fail(failure.message);
            return;
        }
        watcher.stop();
        if (!handedOn) {
            settle(m_window);
            next(0);
        }
    }

    void fail(const QString &message)
    {
        if (!m_failure) {
            m_failure = message;
        }
        m_next = m_script.actions.size();
        next(0);
    }

    void finish()
    {
        // Only an animation's loop can still run below this call; stopping
        // it lets its click return, then the script's own loop ends.
        m_window.session().stopAnimations();
        if (m_quit) {
            std::exchange(m_quit, {})();
        }
    }

    TMainFrm &m_window;
    const Script &m_script;
    QTextStream &m_out;
    std::size_t m_next = 0;
    std::optional<QString> m_failure;
    std::function<void()> m_quit;
};

int run(TMainFrm &window, const Script &script, QTextStream &out, QTextStream &err)
{
    if (const auto failure = Runner(window, script, out).run()) {
        err << "corvane-snap: " << *failure << '\n';
        return 2;
    }
    return 0;
}

int runAll(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty() || arguments.contains(QLatin1String("--help"))) {
        out << usage();
        return 0;
    }
    QString error;
    const auto script = parse(arguments, &error);
    if (!script) {
        err << "corvane-snap: " << error << '\n' << usage();
        return 2;
    }
    pdfFile.clear();
    TMainFrm::Options options;
    const QSize s = script->screen;
    // The work area is the screen less a 40-pixel panel at the bottom.
    options.screen = ScreenInfo{s, QRect(0, 0, s.width(), s.height() - 40)};
    options.dialogs = std::make_shared<ScriptedDialogs>(err);
    TMainFrm window(options);
    window.show();
    if (window.arrangement().maximised) {
        window.setGeometry(window.arrangement().bounds);
    }
    const int code = run(window, *script, out, err);
    out.flush();
    err.flush();
    return code;
}

} // namespace Snapshot
