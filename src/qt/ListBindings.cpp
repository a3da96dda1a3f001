// Tab strips and list views.
#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QTreeWidget>

#include "qt/BindingKinds.hpp"
#include "qt/FormView.hpp"
#include "qt/QtLook.hpp"

namespace qtfront {

using platform::Prop;

namespace {

// A tab strip: the tabs along the top and a raised panel below them. It holds no controls;
// the program shows the frames laid over the panel for the selected tab.
class TabStripWidget : public QWidget {
public:
    explicit TabStripWidget(QWidget* parent) : QWidget(parent), bar(new QTabBar(this)) {
        bar->setDrawBase(false);
        bar->setExpanding(false);
        bar->setUsesScrollButtons(true);
    }
    QTabBar* bar;

protected:
    void resizeEvent(QResizeEvent*) override {
        bar->setGeometry(0, 0, width(), bar->sizeHint().height());
    }
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.rect = rect().adjusted(0, bar->sizeHint().height() - 1, 0, 0);
        option.shape = QTabBar::RoundedNorth;
        option.tabBarSize = bar->sizeHint();
        p.drawPrimitive(QStyle::PE_FrameTabWidget, option);
    }
};

class TabStripBinding : public ControlBinding {
public:
    TabStripBinding(FormView& view, platform::TabStrip& c, TabStripWidget* w)
        : ControlBinding(view, c, w), strip_(c), w_(w) {
        // A click selects, also the tab already selected; the keyboard changes the current
        // tab without a click.
        QObject::connect(w->bar, &QTabBar::tabBarClicked, this, [this](int index) {
            if (index >= 0) User([this, index] { strip_.UserSelect(index + 1); });
        });
        QObject::connect(w->bar, &QTabBar::currentChanged, this, [this](int index) {
            if (!Live() || index < 0 || index + 1 == strip_.SelectedTab()) return;
            User([this, index] { strip_.UserSelect(index + 1); });
        });
    }

protected:
    void SyncKind(Prop what) override {
        QTabBar* bar = w_->bar;
        const QSignalBlocker block(bar);
        if (what == Prop::Tabs) {
            while (bar->count() > strip_.TabCount()) bar->removeTab(bar->count() - 1);
            for (int t = 1; t <= strip_.TabCount(); ++t) {
                const QString caption = CaptionText(strip_.TabCaption(t));
                if (t > bar->count()) bar->addTab(caption);
                else if (bar->tabText(t - 1) != caption) bar->setTabText(t - 1, caption);
            }
            bar->setGeometry(0, 0, w_->width(), bar->sizeHint().height());
        }
        if (what == Prop::Tabs || what == Prop::Selection || what == Prop::Value) {
            const int index = strip_.SelectedTab() - 1;
            if (index >= 0 && bar->currentIndex() != index) bar->setCurrentIndex(index);
        }
        if (what == Prop::Font) bar->setFont(w_->font());
    }

private:
    platform::TabStrip& strip_;
    TabStripWidget* w_;
};

// A report-mode list. Selection belongs to the model: the view's own selection handling is
// off, clicks go to the model and the view shows the model's selected items.
class ListViewBinding : public ControlBinding {
public:
    ListViewBinding(FormView& view, platform::ListView& c, QTreeWidget* w)
        : ControlBinding(view, c, w), list_(c), w_(w) {
        w->setRootIsDecorated(false);
        w->setUniformRowHeights(true);
        w->setAllColumnsShowFocus(true);
        w->setSelectionMode(QAbstractItemView::NoSelection);
        w->header()->setStretchLastSection(false);
        w->header()->setSectionsMovable(false);
        QObject::connect(w, &QTreeWidget::itemPressed, this, [this](QTreeWidgetItem* item, int) {
            const int row = w_->indexOfTopLevelItem(item);
            if (row < 0) return;
            const auto mods = QApplication::keyboardModifiers();
            const bool extend = (mods & (Qt::ControlModifier | Qt::ShiftModifier)) != 0;
            User([this, row, extend] { list_.UserClickItem(row + 1, extend); });
        });
        QObject::connect(w, &QTreeWidget::itemDoubleClicked, this,
                         [this](QTreeWidgetItem*, int) { User([this] { list_.UserDblClick(); }); });
    }

protected:
    void SyncKind(Prop what) override {
        if ((what == Prop::Items || what == Prop::Style) && !ShowsModel()) {
            const auto& columns = list_.Columns();
            QStringList headers;
            for (const auto& col : columns) headers << QString::fromStdString(col.text);
            w_->setColumnCount(std::max<int>(1, static_cast<int>(columns.size())));
            w_->setHeaderLabels(headers);
            for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
                w_->setColumnWidth(i, columns[static_cast<std::size_t>(i)].width);
            }
            w_->clear();
            for (int i = 1; i <= list_.ItemCount(); ++i) {
                const platform::ListItem& item = list_.Item(i);
                QStringList texts{QString::fromStdString(item.text)};
                for (const auto& sub : item.subItems) texts << QString::fromStdString(sub);
                w_->addTopLevelItem(new QTreeWidgetItem(texts));
            }
        }
        if (what == Prop::Items || what == Prop::Selection) {
            for (int i = 1; i <= list_.ItemCount() && i <= w_->topLevelItemCount(); ++i) {
                QTreeWidgetItem* item = w_->topLevelItem(i - 1);
                if (item->isSelected() != list_.Item(i).selected) {
                    item->setSelected(list_.Item(i).selected);
                }
            }
        }
    }
    void ApplyColors() override {
        QPalette pal = w_->palette();
        SetColors(pal, QPalette::Base, QPalette::Text, list_.BackColor(), list_.ForeColor());
        w_->setPalette(pal);
    }

private:
    // Whether the widget already shows the model's columns and items (a rebuild would lose
    // the scroll position).
    bool ShowsModel() const {
        const auto& columns = list_.Columns();
        const QTreeWidgetItem* header = w_->headerItem();
        if (w_->columnCount() != std::max<int>(1, static_cast<int>(columns.size()))) return false;
        for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
            const auto& col = columns[static_cast<std::size_t>(c)];
            if (header->text(c) != QString::fromStdString(col.text) ||
                w_->columnWidth(c) != col.width) {
                return false;
            }
        }
        if (w_->topLevelItemCount() != list_.ItemCount()) return false;
        for (int i = 1; i <= list_.ItemCount(); ++i) {
            const platform::ListItem& item = list_.Item(i);
            const QTreeWidgetItem* row = w_->topLevelItem(i - 1);
            if (row->text(0) != QString::fromStdString(item.text)) return false;
            for (std::size_t k = 0; k < item.subItems.size(); ++k) {
                if (row->text(static_cast<int>(k) + 1) != QString::fromStdString(item.subItems[k])) {
                    return false;
                }
            }
        }
        return true;
    }

    platform::ListView& list_;
    QTreeWidget* w_;
};

}  // namespace

ControlBinding* BindTabStrip(FormView& view, platform::TabStrip& c, QWidget* parent) {
    return new TabStripBinding(view, c, new TabStripWidget(parent));
}
ControlBinding* BindListView(FormView& view, platform::ListView& c, QWidget* parent) {
    return new ListViewBinding(view, c, new QTreeWidget(parent));
}

}  // namespace qtfront
