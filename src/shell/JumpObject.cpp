#include "shell/JumpObject.h"

void TJumpManager::AddJump(const QString &url, int position)
{
    for (std::size_t i = 0; i < List.size(); ++i) {
        if (List[i].URL.compare(url, Qt::CaseInsensitive) == 0) {
            Index = int(i);
            return;
        }
    }
    List.push_back({url, position});
    Index = int(List.size()) - 1;
}

TJumpManager::Result TJumpManager::GoForward()
{
    if (List.empty() || Index >= int(List.size()) - 1) {
        return {};
    }
    ++Index;
    return {List[std::size_t(Index)].URL, List[std::size_t(Index)].Position};
}

TJumpManager::Result TJumpManager::GoBack()
{
    if (Index > 0) {
        --Index;
    }
    if (Index < 0 || Index >= int(List.size())) {
        return {};
    }
    Result result{List[std::size_t(Index)].URL, List[std::size_t(Index)].Position};
    if (result.URL.compare(HomePage, Qt::CaseInsensitive) == 0) {
        ClearHistory();
    }
    return result;
}
