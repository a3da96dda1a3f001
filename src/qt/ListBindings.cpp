// Tab strips and list views.
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
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
// off (the header's too, which shares the view's selection model), clicks go to the model and
// the view shows the model's selected items, each across every column.
//
// The widget is built whole once; after that each change the model reports (a row added or
// removed, one cell's text, the columns, one item's selection) is copied alone. A handler that
// fills a table row by row and cell by cell thus costs the widget one row or cell each time,
// not the whole table, and a change of the columns or of one cell leaves the rows where they
// are scrolled to.
class ListViewBinding : public ControlBinding {
public:
    ListViewBinding(FormView& view, platform::ListView& c, QTreeWidget* w)
        : ControlBinding(view, c, w), list_(c), w_(w) {
        w->setRootIsDecorated(false);
        w->setUniformRowHeights(true);
        w->setAllColumnsShowFocus(true);
        w->setSelectionMode(QAbstractItemView::NoSelection);
        w->header()->setSelectionMode(QAbstractItemView::NoSelection);
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
        using Kind = platform::ListChange::Kind;
        const platform::ListChange& change = list_.LastChange();
        if (what == Prop::Items) {
            if (!built_ || !MirrorChange(change)) MirrorWhole();
        } else if (what == Prop::Selection) {
            if (change.kind == Kind::Selected) {
                MirrorSelected(change.item);
            } else {
                MirrorSelection();
            }
        }
    }
    void ApplyColors() override {
        QPalette pal = w_->palette();
        SetColors(pal, QPalette::Base, QPalette::Text, list_.BackColor(), list_.ForeColor());
        w_->setPalette(pal);
    }

private:
    static QTreeWidgetItem* Row(const platform::ListItem& item) {
        QStringList texts{QString::fromStdString(item.text)};
        for (const auto& sub : item.subItems) texts << QString::fromStdString(sub);
        return new QTreeWidgetItem(texts);
    }

    void MirrorColumns() {
        const auto& columns = list_.Columns();
        QStringList headers;
        for (const auto& col : columns) headers << QString::fromStdString(col.text);
        const int count = std::max<int>(1, static_cast<int>(columns.size()));
        // A selected row is selected in the columns it had then: columns taken away leave it
        // partly selected (and its item unselected), new ones come unselected. It is selected
        // again across the new columns.
        const bool reselect = count != w_->columnCount();
        if (reselect) w_->selectionModel()->clearSelection();
        w_->setColumnCount(count);
        if (reselect) MirrorSelection();
        w_->setHeaderLabels(headers);
        for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
            w_->setColumnWidth(i, columns[static_cast<std::size_t>(i)].width);
        }
    }

    void MirrorWhole() {
        MirrorColumns();
        w_->clear();
        QList<QTreeWidgetItem*> rows;
        rows.reserve(list_.ItemCount());
        for (int i = 1; i <= list_.ItemCount(); ++i) rows << Row(list_.Item(i));
        w_->addTopLevelItems(rows);
        MirrorSelection();
        built_ = true;
    }

    // Copies one change; false where the widget does not hold as many rows as the list held
    // before it (then only a whole copy will do).
    bool MirrorChange(const platform::ListChange& change) {
        using Kind = platform::ListChange::Kind;
        const int rows = w_->topLevelItemCount();
        const int count = list_.ItemCount();
        switch (change.kind) {
            case Kind::Columns: MirrorColumns(); return true;
            case Kind::Added:
                if (rows != count - 1) return false;
                w_->addTopLevelItem(Row(list_.Item(change.item)));  // added unselected
                return true;
            case Kind::Removed:
                if (rows != count + 1) return false;
                delete w_->takeTopLevelItem(change.item - 1);
                return true;
            case Kind::Text: {
                if (rows != count) return false;
                const platform::ListItem& item = list_.Item(change.item);
                const std::string& text =
                    change.column == 0 ? item.text
                                       : item.subItems[static_cast<std::size_t>(change.column - 1)];
                w_->topLevelItem(change.item - 1)->setText(change.column, QString::fromStdString(text));
                return true;
            }
            case Kind::Whole:
            case Kind::Selected: return false;
        }
        return false;
    }

    // One item's selection (1-based) as the model has it, across every column.
    void MirrorSelected(int item) {
        if (item < 1 || item > w_->topLevelItemCount()) return;
        w_->topLevelItem(item - 1)->setSelected(list_.Item(item).selected);
    }

    // The whole selection as the model has it: each run of selected items one range across
    // every column, everything else unselected.
    void MirrorSelection() {
        QItemSelection selection;
        const QAbstractItemModel* model = w_->model();
        const int rows = std::min(list_.ItemCount(), w_->topLevelItemCount());
        const int lastColumn = w_->columnCount() - 1;
        for (int first = 1; first <= rows; ++first) {
            if (!list_.Item(first).selected) continue;
            int last = first;
            while (last < rows && list_.Item(last + 1).selected) ++last;
            selection.select(model->index(first - 1, 0), model->index(last - 1, lastColumn));
            first = last;
        }
        w_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

    platform::ListView& list_;
    QTreeWidget* w_;
    bool built_ = false;  // the widget has held the whole list once
};

}  // namespace

ControlBinding* BindTabStrip(FormView& view, platform::TabStrip& c, QWidget* parent) {
    return new TabStripBinding(view, c, new TabStripWidget(parent));
}
ControlBinding* BindListView(FormView& view, platform::ListView& c, QWidget* parent) {
    return new ListViewBinding(view, c, new QTreeWidget(parent));
}

}  // namespace qtfront
