#include "qt/MenuMirror.hpp"

#include <QFontMetrics>
#include <QMenu>
#include <QScreen>

#include "qt/ControlBinding.hpp"
#include "qt/UserEvents.hpp"

namespace qtfront {

using platform::MenuItem;

// What an entry's action was last given, as the model had it.
struct MenuMirror::Shown {
    bool given = false;  // nothing yet, or to be given again
    std::string caption;
    std::string shortcut;
};

struct MenuMirror::Level {
    QPointer<QWidget> host;                     // the QMenuBar or a QMenu
    std::vector<const MenuItem*> items;         // entries as built
    std::vector<bool> hadEntries;               // whether each had sub-entries when built
    std::vector<QPointer<QAction>> actions;
    std::vector<std::unique_ptr<Level>> sub;    // per entry; null without sub-entries
    std::vector<Shown> shown;                   // per entry
    // A menu's entries are fitted to its font and to a third of the screen's width (pixels);
    // 0 for the menu bar, whose entries are shown as they are.
    QFont font;
    int widest = 0;
};

MenuMirror::MenuMirror(QMenuBar& bar, std::function<bool()> liveCheck)
    : bar_(bar), live_(std::move(liveCheck)), root_(std::make_unique<Level>()) {
    root_->host = &bar_;
}

MenuMirror::~MenuMirror() = default;

void MenuMirror::Sync(const platform::Form& form) { SyncLevel(*root_, form.MenuBar()); }

void MenuMirror::Refit(Level& level) {
    const auto* menu = qobject_cast<const QMenu*>(level.host.data());
    if (menu == nullptr) return;  // the menu bar
    const int widest = menu->screen()->availableGeometry().width() / 3;
    if (widest == level.widest && menu->font() == level.font) return;
    level.widest = widest;
    level.font = menu->font();
    for (Shown& shown : level.shown) shown.given = false;
}

void MenuMirror::SyncLevel(Level& level,
                           const std::vector<std::unique_ptr<MenuItem>>& items) {
    Refit(level);
    bool same = level.items.size() == items.size();
    for (std::size_t i = 0; same && i < items.size(); ++i) {
        same = level.items[i] == items[i].get() &&
               level.hadEntries[i] == !items[i]->Items().empty() && level.actions[i];
    }
    if (!same) {
        Rebuild(level, items);
        return;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        Apply(*level.actions[i], *items[i], level, level.shown[i]);
        if (level.sub[i]) SyncLevel(*level.sub[i], items[i]->Items());
    }
}

void MenuMirror::Rebuild(Level& level, const std::vector<std::unique_ptr<MenuItem>>& items) {
    for (auto& action : level.actions) {
        if (!action) continue;
        if (level.host) level.host->removeAction(action);
        if (QMenu* menu = action->menu()) menu->deleteLater();
        action->deleteLater();
    }
    level.items.clear();
    level.hadEntries.clear();
    level.actions.clear();
    level.sub.clear();
    level.shown.assign(items.size(), Shown{});
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto& owned = items[i];
        MenuItem* item = owned.get();
        QAction* action = nullptr;
        std::unique_ptr<Level> sub;
        if (!item->Items().empty()) {
            auto* menu = new QMenu(CaptionText(item->Caption()), level.host);
            action = menu->menuAction();
            // Opening a menu raises its Click, so the program can set up its entries.
            QObject::connect(menu, &QMenu::aboutToShow, menu, [this, item] {
                if (!live_()) return;
                UserEventScope scope;
                item->UserClick();
            });
            sub = std::make_unique<Level>();
            sub->host = menu;
        } else {
            action = new QAction(CaptionText(item->Caption()), level.host);
            QObject::connect(action, &QAction::triggered, action, [this, item, action] {
                if (!live_()) return;
                UserEventScope scope;
                item->UserClick();
                // The action may have toggled its own check mark: the model decides.
                if (live_() && action) action->setChecked(item->Checked());
            });
        }
        level.host->addAction(action);
        Apply(*action, *item, level, level.shown[i]);
        level.items.push_back(item);
        level.hadEntries.push_back(!item->Items().empty());
        level.actions.emplace_back(action);
        if (sub) SyncLevel(*sub, item->Items());
        level.sub.push_back(std::move(sub));
    }
}

namespace {

// An entry of a menu wider than a third of the screen (a recent file's long name) shows the
// start and the end of its caption with "…" between: its menu stays within the screen and
// beside the menu it opens from. `widest` is in pixels.
QString EntryText(const QFont& font, int widest, const QString& caption) {
    const QFontMetrics metrics(font);
    if (caption.size() * metrics.maxWidth() <= widest) return caption;  // short: fits
    return metrics.elidedText(caption, Qt::ElideMiddle, widest, Qt::TextShowMnemonic);
}

}  // namespace

void MenuMirror::Apply(QAction& action, const MenuItem& item, const Level& level, Shown& shown) {
    const QSignalBlocker block(&action);
    if (!shown.given || shown.caption != item.Caption()) {
        QString text = CaptionText(item.Caption());
        if (level.widest > 0) {
            text = EntryText(level.font, level.widest, text);
            ++fitted_;
        }
        action.setSeparator(item.IsSeparator());
        action.setText(text);
        if (QMenu* menu = action.menu()) menu->setTitle(text);
        shown.caption = item.Caption();
    }
    if (!shown.given || shown.shortcut != item.Shortcut()) {
        action.setShortcut(QKeySequence(QString::fromStdString(item.Shortcut())));
        shown.shortcut = item.Shortcut();
    }
    shown.given = true;
    action.setVisible(item.Visible());
    action.setEnabled(item.Enabled());
    action.setCheckable(item.Checked());
    action.setChecked(item.Checked());
}

QAction* MenuMirror::Find(const Level& level, const MenuItem& item) const {
    for (std::size_t i = 0; i < level.items.size(); ++i) {
        if (level.items[i] == &item) return level.actions[i];
        if (level.sub[i]) {
            if (QAction* a = Find(*level.sub[i], item)) return a;
        }
    }
    return nullptr;
}

QAction* MenuMirror::ActionFor(const MenuItem& item) const { return Find(*root_, item); }

}  // namespace qtfront
