#include "shell/Accelerators.h"

#include <QAction>
#include <QMenu>
#include <QSet>

namespace Accelerators {

namespace {

// The accelerator a caption already has: the character after a single '&'.
QChar existing(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&')) {
                return caption[i + 1].toLower();
            }
            ++i; // "&&" is a literal ampersand
        }
    }
    return {};
}

bool isWordStart(const QString &caption, qsizetype i)
{
    return i == 0 || !caption[i - 1].isLetterOrNumber();
}

} // namespace

QStringList assign(const QStringList &captions)
{
    QSet<QChar> taken;
    for (const QString &caption : captions) {
        if (const QChar c = existing(caption); !c.isNull()) {
            taken.insert(c);
        }
    }
    QStringList result;
    result.reserve(captions.size());
    for (const QString &caption : captions) {
        if (!existing(caption).isNull() || caption.contains(QLatin1Char('&'))) {
            result << caption;
            continue;
        }
        qsizetype chosen = -1;
        // Word starts first, then any letter or digit.
        for (const bool wordStartsOnly : {true, false}) {
            for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i) {
                const QChar c = caption[i].toLower();
                if (c.isLetterOrNumber() && !taken.contains(c) && (!wordStartsOnly || isWordStart(caption, i))) {
                    chosen = i;
                }
            }
        }
        if (chosen < 0) {
            result << caption;
            continue;
        }
        taken.insert(caption[chosen].toLower());
        result << caption.left(chosen) + QLatin1Char('&') + caption.mid(chosen);
    }
    return result;
}

void assignAll(QWidget *root)
{
    for (QMenu *menu : root->findChildren<QMenu *>()) {
        QList<QAction *> items;
        QStringList captions;
        for (QAction *action : menu->actions()) {
            if (!action->isSeparator()) {
                items << action;
                captions << action->text();
            }
        }
        const QStringList marked = assign(captions);
        for (qsizetype i = 0; i < items.size(); ++i) {
            items[i]->setText(marked[i]);
        }
    }
}

} // namespace Accelerators
