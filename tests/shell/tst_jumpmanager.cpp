#include "shell/JumpObject.h"

#include <QTest>

namespace {
const QString Home = QStringLiteral("/c/HTML/INDEX.HTM");
const QString PageA = QStringLiteral("/c/HTML/YDS.HTM");
const QString PageB = QStringLiteral("/c/HTML/GAMMA.HTM");
const QString PageC = QStringLiteral("/c/HTML/SOUND.HTM");
} // namespace

class TestJumpManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptyHistory()
    {
        TJumpManager h;
        QVERIFY(!h.CanGoBack());
        QVERIFY(!h.CanGoForward());
        QCOMPARE(h.GoForward().URL, QString());
        QCOMPARE(h.GoBack().URL, QString());
        QCOMPARE(h.index(), 0);
    }

    // Index -> A -> B -> back -> back: the second back reaches the index page
    // and empties the history.
    void backToTheIndexEmptiesTheHistory()
    {
        TJumpManager h;
        h.setHomePage(Home);
        h.AddJump(QStringLiteral("/c/html/index.htm"), 0); // leaving the index for A
        h.AddJump(PageA, 120); // leaving A for B
        QCOMPARE(h.count(), 2);
        QVERIFY(h.CanGoBack());

        // First back, on B: B is recorded, then the list steps back to A.
        h.AddJump(PageB, 0);
        auto r = h.GoBack();
        QCOMPARE(r.URL, PageA);
        QCOMPARE(r.Position, 120);
        QVERIFY(h.CanGoForward());

        // Second back, on A: A is already listed; the step back reaches the index.
        h.AddJump(PageA, 0);
        r = h.GoBack();
        QCOMPARE(r.URL, QStringLiteral("/c/html/index.htm"));
        QCOMPARE(h.count(), 0);
        QVERIFY(!h.CanGoForward());
        QVERIFY(!h.CanGoBack());
    }

    void linkToAListedPageMovesIndexAndKeepsForward()
    {
        TJumpManager h;
        h.setHomePage(Home);
        h.AddJump(PageA, 1);
        h.AddJump(PageB, 2);
        h.AddJump(PageC, 3);
        QCOMPARE(h.index(), 2);
        h.AddJump(QStringLiteral("/c/HTML/yds.htm"), 99); // letter case is ignored
        QCOMPARE(h.count(), 3);
        QCOMPARE(h.index(), 0);
        QCOMPARE(h.at(0).Position, 1); // the stored position is kept
        QVERIFY(h.CanGoForward());
        QCOMPARE(h.GoForward().URL, PageB);
        QCOMPARE(h.GoForward().URL, PageC);
        QVERIFY(!h.CanGoForward());
        QCOMPARE(h.GoForward().URL, QString()); // at the end nothing changes
        QCOMPARE(h.index(), 2);
    }

    void clearKeepsIndex()
    {
        TJumpManager h;
        h.AddJump(PageA, 0);
        h.AddJump(PageB, 0);
        h.ClearHistory();
        QCOMPARE(h.count(), 0);
        QCOMPARE(h.index(), 1);
        QCOMPARE(h.GoBack().URL, QString());
    }
};

QTEST_APPLESS_MAIN(TestJumpManager)
#include "tst_jumpmanager.moc"
