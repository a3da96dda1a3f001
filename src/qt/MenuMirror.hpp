// Mirrors a form's menu bar (recursively) in a QMenuBar. A level whose entries stay the same
// is updated in place; a level whose entries changed is rebuilt, its old actions removed at
// once and deleted later (a handler may be running inside one of them). An entry's text is
// worked out again only when its caption, its menu's font or the screen's width has changed:
// a sync follows every change of a check mark or an enabled state.
#pragma once

#include <QAction>
#include <QMenuBar>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Form.hpp"

namespace qtfront {

class MenuMirror {
public:
    // liveCheck tells whether the form may still be touched.
    MenuMirror(QMenuBar& bar, std::function<bool()> liveCheck);
    ~MenuMirror();
    void Sync(const platform::Form& form);
    // The action of a menu entry (its submenu's action for an entry with entries); null when
    // there is none.
    QAction* ActionFor(const platform::MenuItem& item) const;
    // How many times an entry of a menu has had its text fitted to the screen so far.
    int EntriesFitted() const { return fitted_; }

private:
    struct Level;
    struct Shown;
    void SyncLevel(Level& level, const std::vector<std::unique_ptr<platform::MenuItem>>& items);
    void Rebuild(Level& level, const std::vector<std::unique_ptr<platform::MenuItem>>& items);
    // Gives the action what the entry shows; its text only where `shown` differs from it.
    void Apply(QAction& action, const platform::MenuItem& item, const Level& level, Shown& shown);
    // Notes the font and the screen width the level's entries are fitted to; a change of
    // either has every entry fitted again.
    static void Refit(Level& level);
    QAction* Find(const Level& level, const platform::MenuItem& item) const;

    QMenuBar& bar_;
    std::function<bool()> live_;
    std::unique_ptr<Level> root_;
    int fitted_ = 0;
};

}  // namespace qtfront
