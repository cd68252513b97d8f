// The shared frame and cycles of the LLDP list windows.
#include "lldp_list_form.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "bounded_wait.h"
#include "config_geometry.h"
#include "copy_export.h"
#include "error_boundary.h"
#include "lldp_frame.h"
#include "lldp_tlv_dialog.h"
#include "message_box.h"
#include "nm_snmp_request2_edits.h"
#include "windows_log.h"

namespace {

// After the first read the remote table waits longer for its agent: neighbour tables are
// large and slow to walk on some switches. Hundredths of a second.
constexpr int kRemoteTimeout = 1000;
constexpr int kValueWidth = 130;
constexpr int kEditAreaHeight = 110;

}  // namespace

TLLDPListForm::TLLDPListForm(const DedicatedWindowContext& context, LldpListSetup setup)
    : TDedicatedForm(context), setup_(std::move(setup)) {
    Binding = AddBinding(setup_.MakeBinding(this));
    Binding->Request.VarList = NmSNMPVarList(setup_.Table, setup_.Kind, setup_.IndexCount);

    auto* column = new TButtonColumn(this, "CountBox");
    CountBox = column->CountBox;
    BT_Refresh = column->AddButton(QStringLiteral("Refresh"), "BT_Refresh");
    if (setup_.SetCaption) {
        BT_Set = column->AddButton(QString::fromLatin1(setup_.SetCaption), "BT_Set");
        BT_Stop = column->AddButton(QStringLiteral("Stop"), "BT_Stop");
    }
    BT_Close = column->AddButton(QStringLiteral("Close"), "BT_Close");

    Splitter = new QSplitter(Qt::Vertical, this);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->setChildrenCollapsible(false);
    ListView = new QTreeWidget(Splitter);
    ListView->setObjectName(QStringLiteral("ListView"));
    Binding->AttachListView(ListView, true);
    new ListViewTools(ListView);
    if (setup_.SetCaption)
        buildEditArea();

    StatusBar = MakeStatusBar(this);
    Binding->SetStatusTarget(StatusBar);
    LayOutLldpWindow(this, Splitter, column, StatusBar);

    if (setup_.Synchronous) {
        Binding->Async = false;
    } else {
        // Both replace the binding's own reports; a failure still shows where the user looks.
        Binding->OnEndGet = [this](NmSNMPError& e) {
            if (e.Code != 0)
                Binding->ShowStatus(e.Text);
            readEnded();
        };
        Binding->OnEndSet = [this](NmSNMPError& e) {
            if (e.Code != 0)
                setError_ = e.Text;
            Complete = true;
        };
    }
    if (setup_.MakeTlvDialog)
        tlvDialog_ = setup_.MakeTlvDialog(this);

    connect(BT_Refresh, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { close(); });
    if (BT_Set) {
        connect(BT_Set, &QPushButton::clicked, this, [this] { SetClick(); });
        connect(BT_Stop, &QPushButton::clicked, this, [this] { StopClick(); });
        BT_Set->setEnabled(false);
    }
    connect(ListView, &QTreeWidget::itemSelectionChanged, this, [this] { selectionChanged(); });
    QAbstractItemModel* model = ListView->model();
    connect(model, &QAbstractItemModel::rowsInserted, CountBox, [this] { updateCount(); });
    connect(model, &QAbstractItemModel::rowsRemoved, CountBox, [this] { updateCount(); });
    connect(model, &QAbstractItemModel::modelReset, CountBox, [this] { updateCount(); });

    resize(Scaled(setup_.DesignWidth), Scaled(setup_.DesignHeight));
    if (EditArea) {
        const int editHeight = Scaled(kEditAreaHeight);
        Splitter->setSizes({std::max(0, height() - editHeight), editHeight});
    }
}

TLLDPListForm::~TLLDPListForm() = default;

void TLLDPListForm::buildEditArea() {
    EditArea = new QFrame(Splitter);
    EditArea->setObjectName(QStringLiteral("EditArea"));
    EditArea->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Scaled(10));
    grid->setVerticalSpacing(Scaled(6));
    int line = 0;
    for (const LldpEditRow& row : setup_.Rows) {
        auto* caption = new QLabel(QString::fromLatin1(row.Label), EditArea);
        QWidget* control = nullptr;
        switch (row.Kind) {
            case LldpRowKind::Static: {
                QLabel* text = MakeStaticText(EditArea, row.Label);
                text->setMinimumWidth(Scaled(kValueWidth));
                Binding->BindLabel(row.Position, text);
                control = text;
                break;
            }
            case LldpRowKind::Choice: {
                auto* combo = new QComboBox(EditArea);
                combo->setObjectName(QString::fromLatin1(row.Label));
                combo->setMinimumWidth(Scaled(kValueWidth));
                Binding->BindComboBox(row.Position, combo);
                combo->setCurrentIndex(-1);
                control = combo;
                break;
            }
            case LldpRowKind::Tlv: {
                auto* edit = new QLineEdit(EditArea);
                edit->setObjectName(QString::fromLatin1(row.Label));
                Binding->BindEdits(row.Position, "%s{l256}", {edit});
                // The names are chosen in the dialog: a mistyped name would switch every
                // TLV off without a word.
                edit->setReadOnly(true);
                edit->setCursor(Qt::PointingHandCursor);
                edit->setToolTip(QStringLiteral("Click to choose the TLVs"));
                edit->installEventFilter(this);
                TlvEdit = edit;
                control = edit;
                break;
            }
        }
        caption->setBuddy(control);
        // Index columns only say which line is being edited.
        if (row.Position < setup_.IndexCount)
            control->setEnabled(false);
        const bool wide = row.Kind == LldpRowKind::Tlv;
        grid->addWidget(caption, line, 0);
        grid->addWidget(control, line, 1, 1, wide ? 2 : 1);
        EditControls.push_back(control);
        ++line;
    }
    grid->setColumnStretch(2, 1);
    auto* outer = new QVBoxLayout(EditArea);
    outer->setContentsMargins(Scaled(10), Scaled(8), Scaled(10), Scaled(8));
    outer->addLayout(grid);
    outer->addStretch(1);
}

void TLLDPListForm::showEvent(QShowEvent* event) {
    TDedicatedForm::showEvent(event);
    if (firstReadQueued_)
        return;
    firstReadQueued_ = true;
    // Once the window is on the screen: a synchronous read would hold it back otherwise.
    QMetaObject::invokeMethod(
        this, [this] { firstRead(); }, Qt::QueuedConnection);
}

void TLLDPListForm::firstRead() {
    if (setup_.Synchronous) {
        readSynchronously();
        Binding->Request.Timeout = kRemoteTimeout;
        return;
    }
    Complete = false;
    startRead();
}

void TLLDPListForm::startRead() {
    Guarded(
        [this] {
            Binding->Request.Active = true;
            // Nothing went out: no reply will ever end this read.
            if (!Binding->Get())
                Complete = true;
            updateCount();
        },
        [this](const std::string& text) { readRaised(text); });
}

void TLLDPListForm::readSynchronously() {
    Guarded([this] { Binding->Get(); }, Binding->StatusLine());
    readEnded();
    if (closeAfterRead_) {
        const int result = *closeAfterRead_;
        closeAfterRead_.reset();
        done(result);
    }
}

void TLLDPListForm::readRaised(const std::string& text) {
    Binding->ShowStatus(text);
    updateCount();
    Complete = true;
    if (BT_Set)
        BT_Set->setEnabled(false);
}

void TLLDPListForm::readEnded() {
    Complete = true;
    for (int c = 0; c < ListView->columnCount(); ++c)
        if (!ListView->header()->isSectionHidden(c))
            ListView->resizeColumnToContents(c);
    updateCount();
}

void TLLDPListForm::RefreshClick() {
    if (setup_.Synchronous) {
        readSynchronously();
        return;
    }
    if (!Complete) {
        notComplete();
        return;
    }
    // A stopped walk may still wait for its last answer.
    Binding->StopAndWait();
    if (EditArea)
        ClearEditArea();
    Complete = false;
    startRead();
}

void TLLDPListForm::SetClick() {
    if (!BT_Set || !lineSelected())
        return;
    if (!Complete || Binding->Busy) {
        notComplete();
        return;
    }
    setError_.clear();
    Guarded(
        [this] {
            Complete = false;
            if (!EditControls.empty())
                EditControls.front()->setEnabled(false);
            Binding->Request.Active = true;
            const bool started = Binding->Set(false, true, {}, nullptr);
            ClearEditArea();
            if (!started)
                Complete = true;
            WaitUntil([this] { return Complete; }, NmSNMPRequest2Controls::kStopWait);
            if (Binding->Busy)
                Binding->StopAndWait();
            Complete = false;
            startRead();
            // Reported once the wait is over: a message box in it would get no input.
            if (!setError_.empty())
                ShowMessage(MessageKind::Error, QString::fromStdString(setError_), this);
        },
        [this](const std::string& text) {
            Complete = true;
            Binding->LastOp = 1;
            Binding->ShowStatus(text);
            if (setup_.ClearOnSetError)
                ClearEditArea();
        });
}

void TLLDPListForm::StopClick() {
    Binding->Request.Active = false;
    Complete = true;
}

void TLLDPListForm::ClearEditArea() {
    for (QWidget* control : EditControls) {
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(QStringLiteral(" "));
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            combo->setCurrentIndex(-1);
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->clear();
    }
    if (BT_Set)
        BT_Set->setEnabled(false);
}

void TLLDPListForm::ShowTlvDialog() {
    if (!tlvDialog_ || !TlvEdit || !lineSelected())
        return;
    BT_Set->setEnabled(true);
    tlvDialog_->ShowFor(TlvEdit);
}

bool TLLDPListForm::eventFilter(QObject* watched, QEvent* event) {
    if (TlvEdit && watched == TlvEdit && TlvEdit->isEnabled()) {
        if (event->type() == QEvent::MouseButtonRelease) {
            ShowTlvDialog();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                ShowTlvDialog();
                return true;
            }
        }
    }
    return TDedicatedForm::eventFilter(watched, event);
}

void TLLDPListForm::done(int result) {
    if (!Binding->Async && Binding->Busy) {
        // Called from inside the read: waiting here for it to end would wait for ever.
        Binding->Request.Active = false;
        closeAfterRead_ = result;
        return;
    }
    ListView->clearSelection();
    TDedicatedForm::done(result);
}

void TLLDPListForm::updateCount() {
    CountBox->setText(QString::number(ListView->topLevelItemCount()));
}

void TLLDPListForm::selectionChanged() {
    if (BT_Set)
        BT_Set->setEnabled(lineSelected());
}

bool TLLDPListForm::lineSelected() const {
    return !ListView->selectedItems().isEmpty();
}

void TLLDPListForm::notComplete() {
    ShowMessage(MessageKind::Warning, QString::fromLatin1(setup_.NotComplete), this);
}
