// Every animation and count in turn, round after round, with the resident
// memory sampled after each round: it must level off once every page has run.
//
// CORVANE_SOAK_SECONDS sets the total run (90 s by default; the figures in the
// README come from a ten-minute run).
#include "MainFrmFixture.h"

#include "app/Application.h"
#include "shell/Session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <unistd.h>

namespace {

struct Animation
{
    int topic;
    const char *start;
    const char *prelude; // a button that must be pressed first, or null
};

constexpr std::array Animations{
    Animation{4, "T16StartBtn", nullptr},
    Animation{6, "StartBtn", nullptr},
    Animation{9, "shmStartBtn", nullptr},
    Animation{10, "CountStartBtn", nullptr},
    Animation{11, "AuxStartBtn", nullptr},
    Animation{12, "rpStartBtn", nullptr},
    Animation{13, "SpecStartBtn", nullptr},
    Animation{14, "ResStartBtn", nullptr},
    Animation{16, "PolarStartBtn", "UnpolarizedBtn"},
};

// Resident set size in kilobytes.
qint64 residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

int soakSeconds()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("CORVANE_SOAK_SECONDS", &ok);
    return ok && seconds > 0 ? seconds : 90;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { configureApplication(*qApp); }

    void memoryLevelsOff()
    {
        const int seconds = soakSeconds();
        // At least three rounds, each animation running a few seconds a round.
        const int rounds = std::max(3, seconds / (3 * int(Animations.size())));
        const int slice = seconds * 1000 / (rounds * int(Animations.size()));

        Fixture f;
        Session &session = f.window->session();
        QList<qint64> samples;
        for (int round = 0; round < rounds; ++round) {
            for (const Animation &a : Animations) {
                f.chooseTopic(a.topic);
                if (a.prelude) {
                    f.window->findChild<QAbstractButton *>(QString::fromLatin1(a.prelude))->click();
                }
                auto *start = f.window->findChild<QAbstractButton *>(QString::fromLatin1(a.start));
                QVERIFY2(start, a.start);
                QElapsedTimer clock;
                clock.start();
                // Runs that end by themselves (a mass at rest, a spectrum
                // cycle) start again until the slice is over.
                QTimer stopper;
                QObject::connect(&stopper, &QTimer::timeout, f.window.get(), [&] {
                    if (clock.elapsed() >= slice) {
                        session.stopAnimations();
                    }
                });
                stopper.start(20);
                while (clock.elapsed() < slice) {
                    start->click();
                    if (clock.elapsed() < slice) {
                        QTest::qWait(10);
                    }
                }
            }
            samples << residentKb();
        }
        QStringList figures;
        for (qint64 kb : samples) {
            figures << QString::number(kb / 1024.0, 'f', 1);
        }
        qInfo("%d rounds of %d animations, %d ms each; resident MB after each round: %s", rounds,
              int(Animations.size()), slice, qPrintable(figures.join(QStringLiteral(", "))));
        // After the first round every page has built its pictures and caches;
        // later rounds may add no more than allocator noise.
        const qint64 growth = *std::max_element(samples.begin() + 1, samples.end()) - samples.first();
        QVERIFY2(growth < 4 * 1024, qPrintable(QStringLiteral("memory grew by %1 kB").arg(growth)));
    }
};

// Test functions are cut off after five minutes unless told otherwise; give a
// long soak its length and two minutes more.
int main(int argc, char *argv[])
{
    const int seconds = soakSeconds();
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT") && seconds > 180) {
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number((seconds + 120) * 1000));
    }
    QApplication app(argc, argv);
    TestSoak test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soak.moc"
