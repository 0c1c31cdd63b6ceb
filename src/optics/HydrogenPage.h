#pragma once

#include "optics/HydrogenLines.h"
#include "shell/TopicPage.h"

class PaintBox;
class QPushButton;

// The hydrogen emission spectrum: energy levels, transitions and their lines.
class HydrogenPage : public TopicPage
{
    Q_OBJECT
public:
    explicit HydrogenPage(Session &session, QWidget *parent = nullptr);

    void startUp() override;
    int hovered() const { return m_hovered; }
    const std::array<EmSpectra::Transition, EmSpectra::Transitions> &transitions() const { return m_table; }

    // The electron falls down the arrow of one transition (1..12).
    void runTransition(int transition);
    void SpecStartBtnClick();
    std::optional<AnimSpeed> speedSetting() const override { return AnimSpeed::Spectrum; }

Q_SIGNALS:
    // Each frame of a fall, with the electron's place (for tests and tools).
    void electronDrawn(int transition, int x, int y);

private:
    void HSpecPicMouseMove(int x, int y);
    void drawDiagram();
    // Puts the falling electron on the diagram (none: the diagram alone).
    void placeElectron(std::optional<QPoint> electron);
    void toggleMarker(int transition);
    // Points at a transition (0 for none): its line is marked in the strip.
    void setHovered(int transition);
    // Runs one fall; false if the stop flag ended it (or the page went away).
    bool fall(int transition);

    PaintBox *m_strip;
    PaintBox *m_diagram;
    QPushButton *m_start;
    QPushButton *m_abort;
    std::array<EmSpectra::Transition, EmSpectra::Transitions> m_table{};
    int m_hovered = 0;
    std::optional<QPoint> m_electron;
};
