#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QTextStream;
class TMainFrm;

// The developer's snapshot tool: builds the real main window off screen, runs
// actions given on the command line in order, and exits.
namespace Snapshot {

struct Action
{
    QString name; // "--topic", "--set", ...
    QString value; // the argument as given
};

struct Script
{
    QSize screen{1024, 768};
    std::vector<Action> actions;
};

// Parses the arguments (without the program name). On a bad argument returns
// nothing and puts the reason in `error`.
std::optional<Script> parse(const QStringList &arguments, QString *error);

// Runs the actions on a window; returns the exit code (0, or 2 on a bad name or
// value, with the reason written to `err`).
int run(TMainFrm &window, const Script &script, QTextStream &out, QTextStream &err);

// Builds the window for the script's screen and runs it.
int runAll(const QStringList &arguments, QTextStream &out, QTextStream &err);

QString usage();

} // namespace Snapshot
