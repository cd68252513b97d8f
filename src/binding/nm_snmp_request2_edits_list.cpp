// The list view of a table binding: column layout, rows added during a read, the selected row
// back into the values, and row deletion through the row-status column.
#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include "binding_scopes.h"
#include "bounded_wait.h"
#include "message_box.h"
#include "messages.h"
#include "nm_snmp_request2_edits.h"
#include "value_conversion.h"

namespace {

// Rows reach the list view in batches at most this far apart during a read: adding them one
// by one would lay the whole view out again for every row.
constexpr qint64 kFlushIntervalMs = 50;

// Draws the cell, then the grid lines to its right and below.
class GridLineDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

bool isHexText(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

}  // namespace

void ShowGridLines(QTreeWidget* view) {
    view->setItemDelegate(new GridLineDelegate(view));
}

void NmSNMPRequest2Edits::AttachListView(QTreeWidget* listView, bool enableOnSelect) {
    QObject::disconnect(selectionConnection_);
    ListView = listView;
    EnableOnSelect = enableOnSelect;
    columns_.clear();
    if (!listView)
        return;
    listView->setRootIsDecorated(false);
    listView->setItemsExpandable(false);
    listView->setUniformRowHeights(true);
    listView->setSortingEnabled(false);
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView->setSelectionMode(QAbstractItemView::SingleSelection);
    listView->setAllColumnsShowFocus(true);
    // The selection stays visible while another control has the focus.
    QPalette palette = listView->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    listView->setPalette(palette);
    ShowGridLines(listView);
    selectionConnection_ = QObject::connect(listView, &QTreeWidget::itemSelectionChanged, listView,
                                            [this] { ListViewChange(); });
    BuildColumns();
}

void NmSNMPRequest2Edits::computeColumns() {
    const NmSNMPVarList& list = Request.VarList;
    columns_.clear();
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsHiddenColumn(i))
            columns_.push_back(i);
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsVisibleColumn(i))
            columns_.push_back(i);
}

void NmSNMPRequest2Edits::BuildColumns() {
    if (!ListView)
        return;
    const NmSNMPVarList& list = Request.VarList;
    if (ListView->columnCount() >= list.HiddenColumnCount() + list.VisibleColumnCount()) {
        if (columns_.empty())
            computeColumns();
        return;
    }
    computeColumns();
    QStringList captions;
    for (int d : columns_)
        captions << QString::fromStdString(list.Item(d).Caption);
    ListView->setColumnCount(static_cast<int>(columns_.size()));
    ListView->setHeaderLabels(captions);
    QHeaderView* header = ListView->header();
    for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
        if (list.IsHiddenColumn(columns_[static_cast<std::size_t>(c)])) {
            header->resizeSection(c, 0);
            header->hideSection(c);
        } else {
            header->showSection(c);
            header->resizeSection(c, header->sectionSizeHint(c));
        }
    }
}

int NmSNMPRequest2Edits::ColumnDescriptor(int column) const {
    return column >= 0 && column < static_cast<int>(columns_.size())
               ? columns_[static_cast<std::size_t>(column)]
               : -1;
}

std::string NmSNMPRequest2Edits::cellText(int descriptor) const {
    const SNMPVarItem& item = Request.VarList.Item(descriptor);
    if (item.Syntax == synPortList && isHexText(item.Value))
        return OctetsToPortList(item.Value, true);
    return item.Value;
}

void NmSNMPRequest2Edits::AddRow() {
    if (!ListView)
        return;
    if (columns_.empty())
        computeColumns();
    QStringList cells;
    cells.reserve(static_cast<qsizetype>(columns_.size()));
    for (int d : columns_)
        cells << QString::fromStdString(cellText(d));
    pendingRows_.push_back(new QTreeWidgetItem(cells));
    if (!Busy) {
        FlushRows();
        return;
    }
    // Shows the rows in batches. A synchronous read also lets the window paint them meanwhile;
    // an asynchronous one returns to the event loop between answers anyway.
    if (!sinceFlush_.isValid() || sinceFlush_.elapsed() >= kFlushIntervalMs) {
        FlushRows();
        if (!Async)
            LetPendingEventsRun();
    }
}

void NmSNMPRequest2Edits::FlushRows() {
    sinceFlush_.start();
    if (pendingRows_.empty())
        return;
    if (!ListView) {
        for (QTreeWidgetItem* item : pendingRows_)
            delete item;
        pendingRows_.clear();
        return;
    }
    QList<QTreeWidgetItem*> rows(pendingRows_.begin(), pendingRows_.end());
    pendingRows_.clear();
    ListView->addTopLevelItems(rows);
}

void NmSNMPRequest2Edits::SelectedRowToValues() {
    if (!ListView)
        return;
    const QList<QTreeWidgetItem*> selected = ListView->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* row = selected.front();
    const int count = std::min(static_cast<int>(columns_.size()), ListView->columnCount());
    for (int c = 0; c < count; ++c) {
        SNMPVarItem& item = Request.VarList.Item(columns_[static_cast<std::size_t>(c)]);
        const std::string text = row->text(c).toStdString();
        item.Value = item.Syntax == synPortList ? PortListHex(text) : text;
    }
}

void NmSNMPRequest2Edits::ListViewChange() {
    if (SavedListViewChange)
        SavedListViewChange();
    if (!ListView || ListView->selectedItems().isEmpty())
        return;
    Guarded(
        [this] {
            if (EnableOnSelect)
                EnableControls(true);
            SelectedRowToValues();
            ValuesToControls(-1);
        },
        MessagePath());
}

bool NmSNMPRequest2Edits::DeleteRow(int statusIndex, const std::string& deleteWord, bool collect) {
    checkIndex(statusIndex);
    if (!Confirm(QStringLiteral("Are you sure to delete it?"), Form.data()))
        return false;
    bool written = false;
    {
        const AsyncModeScope synchronous(*this, false);
        Request.Active = true;
        NmSNMPVarList& list = Request.VarList;
        // Only the row-status column is written; columns a window had excluded stay excluded.
        ExcludedScope onlyStatus(list);
        for (int i = std::max(0, list.IndexCount); i < list.Count(); ++i)
            if (i != statusIndex)
                onlyStatus.Exclude(i);
        LastOp = 1;  // a refusal while collecting is reported as the set's
        Guarded(
            [&] {
                if (collect)
                    DoCollect();
                list.Item(statusIndex).Value = deleteWord;
                written = Set(false, false, {}, nullptr);
            },
            [this](const std::string& text) {
                ShowStatus(text);
                ShowMessageText(text, true);
            });
    }
    // A failed delete changed nothing: a new read would only cover its message.
    if (written)
        Guarded([this] { Get(); }, StatusLine());
    return written;
}

// ---- slots ----

void NmSNMPRequest2Edits::DoBeforeGet() {
    if (ListView) {
        BuildColumns();
        for (QTreeWidgetItem* item : pendingRows_)
            delete item;
        pendingRows_.clear();
        ListView->clear();
        sinceFlush_.invalidate();
    }
    if (BeforeGet)
        BeforeGet();
}

void NmSNMPRequest2Edits::DoBeforeSet() {
    if (BeforeSet)
        BeforeSet();
}

void NmSNMPRequest2Edits::DoRow() {
    if (ListView)
        AddRow();
    else
        ValuesToControls(-1);
}

void NmSNMPRequest2Edits::DoCollect() {
    NmSNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.Count(); ++i)
        list.Item(i).Value.clear();
    if (ListView)
        SelectedRowToValues();
    ControlsToValues(-1);
}

void NmSNMPRequest2Edits::DoAfterGet() {
    FlushRows();
    if (ListView && EnableOnSelect && Request.VarList.Kind == vlTable)
        EnableControls(false);
    if (AfterGet)
        AfterGet();
}

void NmSNMPRequest2Edits::DoAfterSet() {
    if (AfterSet)
        AfterSet();
}

void NmSNMPRequest2Edits::ReadStopped() {
    FlushRows();
}
