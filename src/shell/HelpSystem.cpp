#include "shell/HelpSystem.h"

#include "shell/HelpWindow.h"

QtHelpSystem::QtHelpSystem(QString collectionFile)
    : m_collectionFile(std::move(collectionFile))
{ }

QtHelpSystem::~QtHelpSystem() = default;

HelpWindow &QtHelpSystem::ensureWindow()
{
    if (!m_window) {
        m_window = std::make_unique<HelpWindow>(m_collectionFile);
    }
    return *m_window;
}

void QtHelpSystem::showContext(int context)
{
    ensureWindow().showContext(context);
}

void QtHelpSystem::showContents()
{
    ensureWindow().showContents();
}

void QtHelpSystem::searchPartialKey()
{
    ensureWindow().showIndex();
}

void QtHelpSystem::quit()
{
    if (m_window) {
        m_window->close();
    }
}
