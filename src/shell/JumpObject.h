#pragma once

#include <QString>

#include <vector>

// One page of the text pane's history: its full file name and the scroll
// position it had when it was recorded.
struct TJump
{
    QString URL;
    int Position = 0;
};

// The text pane's back/forward list. Entries are never cut off when a new page
// is recorded: a page already listed just becomes the current one, so later
// pages stay reachable with forward.
class TJumpManager
{
public:
    struct Result
    {
        QString URL;
        int Position = 0;
    };

    void AddJump(const QString &url, int position);
    Result GoForward();
    // Going back to the home page empties the history.
    Result GoBack();
    bool CanGoBack() const { return Index >= 1; }
    bool CanGoForward() const { return Index < int(List.size()) - 1; }
    // Empties the list; the index stays where it was.
    void ClearHistory() { List.clear(); }
    // Empties the list and starts again from the first entry, as the index
    // button does.
    void Reset()
    {
        ClearHistory();
        Index = 0;
    }

    int count() const { return int(List.size()); }
    const TJump &at(int i) const { return List[std::size_t(i)]; }
    int index() const { return Index; }
    // The start page: going back to it empties the history.
    const QString &homePage() const { return HomePage; }
    void setHomePage(const QString &page) { HomePage = page; }

private:
    std::vector<TJump> List;
    int Index = 0;
    QString HomePage;
};
