// The panels of a configuration window and the Add, Edit and Delete actions of a table.
#include "snmp_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "bounded_wait.h"
#include "config_geometry.h"
#include "copy_export.h"
#include "error_boundary.h"
#include "message_box.h"
#include "nm_snmp_request2_edits.h"

namespace {

constexpr int kSplitterWidth = 3;
constexpr int kBottomSplitter = 5;
constexpr int kExtraWidth = 58;
constexpr int kMinClientWidth = 350;
constexpr int kMaxClientWidth = 800;
constexpr int kMaxClientHeight = 550;
constexpr int kListMaxWidth = 450;
constexpr int kListHeight = 350;
constexpr int kPixelsPerChar = 8;
constexpr int kFormWidth = 159;
constexpr int kFormHeight = 105;
constexpr std::chrono::milliseconds kEditWait{1000};

}  // namespace

// ---- TSNMPPanel ----

TSNMPPanel::TSNMPPanel(QWidget* parent, TSNMPPanel* share, NmSNMPRequest2Edits* binding)
    : QFrame(parent), Binding(binding) {
    if (share) {
        statusBar_ = share->StatusBar();
    } else {
        MsgPanel = new TMsgPanel(this);
        statusBar_ = MsgPanel->StatusBar;
    }
    if (Binding)
        Binding->SetStatusTarget(statusBar_);
    Buttons = new TCtrlBtnPanel(this);
    refreshAction_ =
        connect(Buttons->BT_Refresh, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(Buttons->BT_Close, &QPushButton::clicked, this, [this] { CloseClick(); });
    Splitter = new QFrame(this);
    Splitter->resize(Scaled(kSplitterWidth), 0);
    ContentArea = new QFrame(this);
    ContentArea->setObjectName(QStringLiteral("ContentArea"));
    ContentArea->installEventFilter(this);
    BottomSplitter = new QFrame(ContentArea);
    BottomSplitter->resize(0, Scaled(kBottomSplitter));
    resize(0, 0);
}

void TSNMPPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    arrange();
}

bool TSNMPPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ContentArea && event->type() == QEvent::Resize)
        arrangeContent();
    return QFrame::eventFilter(watched, event);
}

void TSNMPPanel::arrange() {
    const int statusHeight = MsgPanel ? MsgPanel->height() : 0;
    const int above = std::max(0, height() - statusHeight);
    if (MsgPanel)
        MsgPanel->setGeometry(0, above, width(), statusHeight);
    const int columnWidth = Buttons->ColumnWidth();
    const int splitter = Splitter->width();
    Buttons->setGeometry(width() - columnWidth, 0, columnWidth, above);
    Splitter->setGeometry(width() - columnWidth - splitter, 0, splitter, above);
    ContentArea->setGeometry(0, 0, std::max(0, width() - columnWidth - splitter), above);
    arrangeContent();
}

void TSNMPPanel::arrangeContent() {
    const int bottom = BottomSplitter->height();
    const int h = ContentArea->height();
    BottomSplitter->setGeometry(0, std::max(0, h - bottom), ContentArea->width(), bottom);
    if (Content && Content->parentWidget() == ContentArea)
        Content->setGeometry(0, 0, ContentArea->width(), std::max(0, h - bottom));
}

void TSNMPPanel::SetContent(QWidget* control) {
    if (Content && Content != control && Content->parentWidget() == ContentArea)
        Content->hide();
    Content = control;
    if (control->parentWidget() != ContentArea)
        control->setParent(ContentArea);
    control->show();
    const int statusHeight = MsgPanel ? MsgPanel->height() : 0;
    const int w =
        control->width() + Buttons->ColumnWidth() + Splitter->width() + Scaled(kExtraWidth);
    int h = control->height() + statusHeight + BottomSplitter->height();
    if (h < Buttons->ColumnHeight())
        h = Buttons->ColumnHeight() + statusHeight + BottomSplitter->height();
    resize(w, h);
    arrange();
}

void TSNMPPanel::FitForm(QWidget* window) {
    FittedForm = window;
    int clientWidth = std::max({window->width(), width(), Scaled(kMinClientWidth)});
    const int clientHeight =
        std::min(std::max(window->height(), height()), Scaled(kMaxClientHeight));
    clientWidth = std::min(clientWidth, Scaled(kMaxClientWidth));
    window->resize(clientWidth, clientHeight);
    CentreOnMainWindow(window);
    if (parentWidget() == window)
        FillParent(this);
}

void TSNMPPanel::RefreshClick() {
    if (!Binding)
        return;
    Binding->Request.Active = true;
    if (Binding->Busy)
        return;
    Guarded([this] { Binding->Get(); },
            [this](const std::string& text) {
                Binding->ShowStatus(text);
                Binding->Request.Active = true;
            });
}

void TSNMPPanel::CloseClick() {
    // The window's closing stops the read and waits for it (TConfigForm::done).
    Guarded(
        [this] {
            if (!Binding || !FittedForm)
                throw std::logic_error("no window to close");
            Binding->Request.Active = false;
            FittedForm->close();
        },
        ToFixedMessage(MessageKind::Warning, QStringLiteral("Please initial close form"),
                       window()));
}

// ---- TSNMPEditorPanel ----

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* parent, NmSNMPRequest2Edits* binding)
    : TSNMPPanel(parent, nullptr, binding) {
    Editor = new TEditsPanel(ContentArea, binding);
    QPushButton* set = Buttons->BT_SetChecked;
    connect(set, &QPushButton::clicked, this, [this, set] { Editor->SetCheckedClick(set); });
    set->setEnabled(false);
    connect(Buttons->BT_CheckAll, &QPushButton::clicked, this, [this] { Editor->CheckAllClick(); });
    connect(Buttons->BT_ClearChecks, &QPushButton::clicked, this,
            [this] { Editor->ClearChecksClick(); });
    Editor->ArrangeCtrlBtn(Buttons);
    SetContent(Editor);
    new EditorCopy(Editor);
}

void TSNMPEditorPanel::SetVarFormat(int position, const std::string& format) {
    if (position < 0 || position >= static_cast<int>(Editor->Rows.size()))
        throw std::logic_error("Unknow UI Control type!");
    UISnmpVar& row = Editor->Rows[static_cast<std::size_t>(position)];
    if (row.RowKind == rkChoice)
        throw std::logic_error("Can not set Var format to a ComboBox!");
    auto* edit = qobject_cast<QLineEdit*>(row.ValueControl);
    if ((row.RowKind != rkShow && row.RowKind != rkEdit) || !edit)
        throw std::logic_error("Unknow UI Control type!");
    Binding->Unbind(position);
    Binding->BindEdits(position, format, {edit});
    row.Format = format;
}

void TSNMPEditorPanel::SetEditWidth(int width) {
    Editor->EditWidth = width;
    Editor->LayoutRows(true);
    if (Content == Editor)
        SetContent(Editor);
    if (FittedForm && parentWidget() == FittedForm)
        FitForm(FittedForm);
}

void TSNMPEditorPanel::KeepStatusInEdit(int position) {
    Editor->Rows.at(static_cast<std::size_t>(position))
        .ValueControl->setProperty(kStatusInEdit, true);
}

// ---- TListViewPanel ----

TListViewPanel::TListViewPanel(QWidget* parent, NmSNMPRequest2Edits* binding) : QFrame(parent) {
    ListView = new QTreeWidget(this);
    ListView->setObjectName(QStringLiteral("ListView"));
    binding->AttachListView(ListView, false);
    new ListViewTools(ListView);
    int characters = 0;
    for (int c = 0; c < ListView->columnCount(); ++c)
        characters += static_cast<int>(ListView->headerItem()->text(c).size());
    const int width = 2 * ListView->frameWidth() +
                      static_cast<int>(std::lround(kPixelsPerChar * characters * ConfigScale()));
    resize(std::min(width, Scaled(kListMaxWidth)), Scaled(kListHeight));
    FillParent(ListView);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    buttons->CountBox->show();
    buttons->SamplesLabel->show();
    buttons->BT_Refresh->show();
    buttons->BT_Edit->show();
    buttons->BT_Edit->setEnabled(false);
    buttons->BT_Delete->setEnabled(false);
    buttons->BT_SetChecked->hide();
    buttons->BT_Add->setVisible(AddIndex != -1);
    buttons->BT_Delete->setVisible(DeleteIndex != -1);
    buttons->BT_CheckAll->hide();
    buttons->BT_ClearChecks->hide();
    buttons->BT_Close->show();
    buttons->LayoutButtons();
}

// ---- TSNMPListViewPanel ----

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* parent, NmSNMPRequest2Edits* binding)
    : TSNMPEditorPanel(parent, binding) {
    List = new TListViewPanel(ContentArea, binding);
    QTreeWidget* view = List->ListView;
    QAbstractItemModel* model = view->model();
    // The count box is the context: the list empties itself after the box is gone.
    QLabel* box = Buttons->CountBox;
    connect(model, &QAbstractItemModel::rowsInserted, box, [this] { updateCount(); });
    connect(model, &QAbstractItemModel::rowsRemoved, box, [this] { updateCount(); });
    connect(model, &QAbstractItemModel::modelReset, box, [this] { updateCount(); });
    view->viewport()->setMouseTracking(true);
    view->viewport()->installEventFilter(this);
    doubleClick_ = connect(view, &QTreeWidget::itemDoubleClicked, this, [this] { ListDblClick(); });
    disconnect(refreshAction_);
    refreshAction_ =
        connect(Buttons->BT_Refresh, &QPushButton::clicked, this, [this] { RefreshList(); });
    connect(Buttons->BT_Edit, &QPushButton::clicked, this, [this] { ShowEditDialog(); });
    connect(Buttons->BT_Add, &QPushButton::clicked, this, [this] { ShowAddDialog(); });
    connect(Buttons->BT_Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });
    List->ArrangeCtrlBtn(Buttons);
    if (!Editor->HasSettableColumn()) {
        Buttons->BT_Edit->hide();
        Buttons->LayoutButtons();
    }
    SetContent(List);
    BeforeAdd = [this] { Editor->ClearValues(); };
}

void TSNMPListViewPanel::SetAddStatus(int position, const std::string& literal) {
    const auto* combo = position >= 0 && position < static_cast<int>(Editor->Rows.size())
                            ? qobject_cast<QComboBox*>(
                                  Editor->Rows[static_cast<std::size_t>(position)].ValueControl)
                            : nullptr;
    if (!combo || combo->findText(QString::fromStdString(literal)) < 0)
        throw std::logic_error("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" +
                               literal);
    List->AddIndex = position;
    List->AddLiteral = literal;
    Buttons->BT_Add->show();
    Buttons->LayoutButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int position, const std::string& literal) {
    const auto* combo = position >= 0 && position < static_cast<int>(Editor->Rows.size())
                            ? qobject_cast<QComboBox*>(
                                  Editor->Rows[static_cast<std::size_t>(position)].ValueControl)
                            : nullptr;
    if (!combo || combo->findText(QString::fromStdString(literal)) < 0)
        throw std::logic_error("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" +
                               literal);
    List->DeleteIndex = position;
    List->DeleteLiteral = literal;
    Buttons->BT_Delete->show();
    Buttons->LayoutButtons();
}

void TSNMPListViewPanel::HideEdit() {
    Buttons->BT_Edit->hide();
    disconnect(doubleClick_);
    Buttons->LayoutButtons();
}

void TSNMPListViewPanel::HideAdd() {
    Buttons->BT_Add->hide();
    Buttons->LayoutButtons();
}

void TSNMPListViewPanel::updateCount() {
    Buttons->CountBox->setText(QString::number(List->ListView->topLevelItemCount()));
}

QString TSNMPListViewPanel::hintFor(int row) const {
    const QTreeWidget* view = List->ListView;
    const QTreeWidgetItem* item = view->topLevelItem(row);
    if (!item)
        return {};
    qsizetype longest = 0;
    for (int c = 0; c < view->columnCount(); ++c)
        longest = std::max(longest, view->headerItem()->text(c).size());
    QString hint;
    for (int c = 0; c < view->columnCount(); ++c) {
        const QString caption = view->headerItem()->text(c);
        hint += caption + QString(longest - caption.size(), QLatin1Char('\t')) +
                QStringLiteral("  ") + item->text(c) + QLatin1Char('\n');
    }
    return hint;
}

bool TSNMPListViewPanel::eventFilter(QObject* watched, QEvent* event) {
    QTreeWidget* view = List ? List->ListView : nullptr;
    if (view && watched == view->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
            QTreeWidgetItem* item = view->itemAt(pos);
            view->viewport()->setToolTip(item ? hintFor(view->indexOfTopLevelItem(item))
                                              : QString());
        } else if (event->type() == QEvent::MouseButtonRelease) {
            ListClick();
        }
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

void TSNMPListViewPanel::RefreshList() {
    if (Binding->Async && Binding->Busy)
        return;
    Buttons->BT_Edit->setEnabled(false);
    Buttons->BT_Delete->setEnabled(false);
    RefreshClick();
    updateCount();
}

QString TSNMPListViewPanel::dialogCaption(const QString& suffix) const {
    QWidget* holder = parentWidget();
    if (holder && holder->isWindow())
        return holder->windowTitle() + suffix;
    for (QWidget* w = holder ? holder->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            const int page = tabs->indexOf(holder);
            if (page >= 0)
                return tabs->tabText(page) + QStringLiteral(": ") +
                       QString::fromStdString(DefaultDevice.Address) + suffix;
        }
    return (FittedForm ? FittedForm->windowTitle() : QString()) + suffix;
}

TSNMPPanel* TSNMPListViewPanel::createDialog(const QString& suffix, bool setEnabled) {
    auto* dialog = new QDialog(window());
    dialog->setObjectName(QStringLiteral("RowDialog"));
    dialog->setWindowTitle(dialogCaption(suffix));
    dialog->resize(Scaled(kFormWidth), Scaled(kFormHeight));
    Binding->SetConstraintOwner(dialog);
    auto* panel = new TSNMPPanel(dialog, this, Binding);
    QPushButton* set = panel->Buttons->BT_SetChecked;
    set->setProperty(kCloseAfterSet, true);
    set->setEnabled(setEnabled);
    connect(set, &QPushButton::clicked, panel, [this, set] { Editor->SetCheckedClick(set); });
    connect(panel->Buttons->BT_CheckAll, &QPushButton::clicked, panel,
            [this] { Editor->CheckAllClick(); });
    connect(panel->Buttons->BT_ClearChecks, &QPushButton::clicked, panel,
            [this] { Editor->ClearChecksClick(); });
    return panel;
}

void TSNMPListViewPanel::finishDialog(QWidget* dialog) {
    Editor->hide();
    if (Editor->parentWidget() != ContentArea)
        Editor->setParent(ContentArea);
    Editor->ScrollBox->verticalScrollBar()->setValue(0);
    delete dialog;
    Binding->SetConstraintOwner(window());
    if (!Editor->SetFailed)
        RefreshList();
}

void TSNMPListViewPanel::ShowAddDialog() {
    if (List->AddIndex < 0)
        return;
    Binding->Request.Active = true;
    if (BeforeAdd)
        BeforeAdd();
    TSNMPPanel* panel = createDialog(QStringLiteral(" (Add)"), true);
    QWidget* dialog = panel->parentWidget();
    Editor->SetFailed = false;
    const auto show = [&] {
        const int indexCount = Binding->Request.VarList.IndexCount;
        for (int i = 0; i < indexCount && i < static_cast<int>(Editor->Rows.size()); ++i) {
            UISnmpVar& row = Editor->Rows[static_cast<std::size_t>(i)];
            Editor->EnableRow(row);
            row.CheckBox->setChecked(true);
            row.CheckBox->show();
            row.CheckBox->setEnabled(false);
        }
        UISnmpVar& status = Editor->Rows.at(static_cast<std::size_t>(List->AddIndex));
        status.ValueControl->setEnabled(false);
        status.CheckBox->setEnabled(false);
        status.CheckBox->setChecked(true);
        status.CheckBox->hide();
        status.ValueControl->hide();
        status.CaptionLabel->hide();
        if (auto* combo = qobject_cast<QComboBox*>(status.ValueControl))
            combo->setCurrentIndex(combo->findText(QString::fromStdString(List->AddLiteral)));
        Editor->ArrangeCtrlBtn(panel->Buttons);
        panel->Buttons->BT_Refresh->hide();
        panel->Buttons->LayoutButtons();
        Editor->LayoutRows(true);
        panel->SetContent(Editor);
        panel->FitForm(dialog);
        List->ListView->clearSelection();
        Buttons->BT_Edit->setEnabled(false);
        Buttons->BT_Delete->setEnabled(false);
        static_cast<QDialog*>(dialog)->exec();
        if (AfterAdd)
            AfterAdd();
    };
    Guarded(show, Binding->StatusLine());
    finishDialog(dialog);
}

void TSNMPListViewPanel::ShowEditDialog() {
    if (Binding->Async)
        Binding->StopAndWait(kEditWait);
    // Also in synchronous mode: a click on the list has cleared it, and a set needs it.
    Binding->Request.Active = true;
    if (BeforeEdit)
        BeforeEdit();
    TSNMPPanel* panel = createDialog(QStringLiteral(" (Edit)"), false);
    QWidget* dialog = panel->parentWidget();
    Editor->SetFailed = false;
    struct Removed {
        int position;
        int index;
        QString text;
        bool hidRow;
    };
    std::vector<Removed> removed;
    const auto show = [&] {
        Editor->SetRowStates(false);
        if (List->AddIndex != -1) {
            UISnmpVar& status = Editor->Rows.at(static_cast<std::size_t>(List->AddIndex));
            const bool keep = status.ValueControl->property(kStatusInEdit).toBool();
            status.CheckBox->setVisible(keep);
            status.ValueControl->setVisible(keep);
            status.CaptionLabel->setVisible(keep);
        }
        // Neither word applies to an existing row. Removed before the buttons and rows are
        // arranged, so that a row hidden here is left out of the set and of the layout.
        const auto remove = [&](int position, const std::string& literal) {
            if (position == -1)
                return;
            auto* combo = qobject_cast<QComboBox*>(
                Editor->Rows.at(static_cast<std::size_t>(position)).ValueControl);
            const int k = combo ? combo->findText(QString::fromStdString(literal)) : -1;
            if (k < 0)
                return;
            combo->removeItem(k);
            const bool hide = combo->count() == 0;
            if (hide)
                Editor->HideRow(position);
            removed.push_back({position, k, QString::fromStdString(literal), hide});
        };
        remove(List->AddIndex, List->AddLiteral);
        remove(List->DeleteIndex, List->DeleteLiteral);
        Editor->ArrangeCtrlBtn(panel->Buttons);
        Editor->LayoutRows(true);
        panel->Buttons->BT_Refresh->hide();
        panel->Buttons->LayoutButtons();
        panel->SetContent(Editor);
        panel->FitForm(dialog);
        static_cast<QDialog*>(dialog)->exec();
    };
    Guarded(show, Binding->StatusLine());
    // Put the words back in reverse order, so the choices are as before, in the same order.
    for (auto it = removed.rbegin(); it != removed.rend(); ++it) {
        auto* combo = qobject_cast<QComboBox*>(
            Editor->Rows[static_cast<std::size_t>(it->position)].ValueControl);
        if (it->hidRow)
            Editor->ShowRow(it->position);
        combo->insertItem(it->index, it->text);
    }
    if (AfterEdit)
        AfterEdit();
    finishDialog(dialog);
}

void TSNMPListViewPanel::DeleteClick() {
    if (List->DeleteIndex < 0)
        return;
    if (!Binding->DeleteRow(List->DeleteIndex, List->DeleteLiteral, true))
        return;
    // The binding reads the table again; no line is selected in it.
    Buttons->BT_Edit->setEnabled(false);
    Buttons->BT_Delete->setEnabled(false);
    updateCount();
}

void TSNMPListViewPanel::ListClick() {
    Guarded(
        [this] {
            Binding->Request.Active = false;
            const bool selected = !List->ListView->selectedItems().isEmpty();
            Buttons->BT_Edit->setEnabled(selected);
            Buttons->BT_Delete->setEnabled(selected);
            if (!selected)
                Editor->ClearValues();
        },
        ToFixedMessage(MessageKind::Error, QStringLiteral("Please select a entry "), window()));
}

void TSNMPListViewPanel::ListDblClick() {
    if (!List->ListView->selectedItems().isEmpty())
        ShowEditDialog();
}
