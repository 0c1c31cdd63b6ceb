#include "shell/AnimSpd.h"

#include <QElapsedTimer>
#include <QSlider>
#include <QTest>
#include <QTimer>

class TestAnimSpd : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void framePeriod_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("micros");
        QTest::newRow("fastest still 4 ms") << 0 << 4000;
        QTest::newRow("below the floor") << 5 << 4000;
        QTest::newRow("at the floor") << 10 << 4000;
        QTest::newRow("half") << 50 << 20000;
        QTest::newRow("slowest") << 100 << 40000;
        QTest::newRow("out of range clamps") << 140 << 40000;
    }
    void framePeriod()
    {
        QFETCH(int, speed);
        QFETCH(int, micros);
        QCOMPARE(FramePacer::periodMicroseconds(speed), micros);
    }

    void startValues()
    {
        Session session;
        QVERIFY(!session.isAnimating());
        for (int i = 0; i < int(AnimSpeed::Count); ++i) {
            QCOMPARE(session.speeds[std::size_t(i)], AnimSpeed(i) == AnimSpeed::SHM ? 50 : 0);
        }
    }

    // A frame lasts at least its period (timers never fire early) and the
    // events that arrive meanwhile are handled inside it.
    void frameWaitsAndHandlesEvents()
    {
        QObject context;
        FramePacer pacer(&context);
        bool handled = false;
        QTimer::singleShot(0, &context, [&] { handled = true; });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(pacer.endFrame(50));
        QVERIFY(handled);
        QVERIFY(clock.elapsed() >= 19);
    }

    void destroyedContextEndsTheLoop()
    {
        auto *context = new QObject;
        FramePacer pacer(context);
        QTimer::singleShot(0, context, [context] { context->deleteLater(); });
        QVERIFY(!pacer.endFrame(100));
    }

    // A loop started from inside a running loop's frame runs nested in it; one
    // stop request ends both, the inner one first.
    void nestedLoopsEndTogether()
    {
        Session session;
        QObject context;
        QStringList log;
        const auto loop = [&](const QString &name) {
            session.startAnimation();
            FramePacer pacer(&context);
            while (session.isAnimating()) {
                if (!pacer.endFrame(0)) {
                    return;
                }
            }
            log << name;
        };
        QTimer::singleShot(20, &context, [&] { loop(QStringLiteral("inner")); });
        QTimer::singleShot(60, &context, [&] { session.stopAnimations(); });
        loop(QStringLiteral("outer"));
        QCOMPARE(log, (QStringList{QStringLiteral("inner"), QStringLiteral("outer")}));
    }

    void dialogMapsSpeedToTheBar_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("position");
        QTest::newRow("SHM's start value") << 50 << 50;
        QTest::newRow("fastest at the right") << 0 << 100;
        QTest::newRow("slowest at the left") << 100 << 0;
        QTest::newRow("thirty") << 30 << 70;
    }
    void dialogMapsSpeedToTheBar()
    {
        QFETCH(int, speed);
        QFETCH(int, position);
        TAnimSpdFrm dialog;
        QCOMPARE(dialog.trackBar()->value(), 50);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set animation speed"));
        dialog.setSpeed(speed);
        QCOMPARE(dialog.trackBar()->value(), position);
        QCOMPARE(dialog.speed(), speed);
    }
};

QTEST_MAIN(TestAnimSpd)
#include "tst_animspd.moc"
