// The 802.3 MAC control table.
#include "tdot3_control_form.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "config_geometry.h"
#include "copy_export.h"
#include "interface_tables.h"
#include "message_box.h"
#include "window_parts.h"

namespace {

// The timer choices of cbxInterval, in milliseconds; 0 stops it.
struct IntervalChoice {
    const char* Text;
    int Milliseconds;
};
constexpr IntervalChoice kIntervals[] = {{"none", 0},    {"2s", 2000},   {"5s", 5000},
                                         {"10s", 10000}, {"30s", 30000}, {"1m", 60000}};

bool isNavigationKey(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

}  // namespace

Tdot3ControlForm::Tdot3ControlForm(const DedicatedWindowContext& context)
    : TDedicatedForm(context) {
    setObjectName(QStringLiteral("Tdot3ControlForm"));
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    // Room right of the columns, where a click selects nothing.
    ListView1->header()->setStretchLastSection(false);
    new ListViewTools(ListView1);

    GroupBox1 = new QGroupBox(QStringLiteral("Function Support"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* bits = new QHBoxLayout(GroupBox1);
    for (std::size_t i = 0; i < CheckBox.size(); ++i) {
        auto* box = new QCheckBox(GroupBox1);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        // The boxes show what the interface supports; clicking them would change nothing.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
        box->setVisible(i == 0);
        bits->addWidget(box);
        CheckBox[i] = box;
    }
    CheckBox[0]->setText(QStringLiteral("pause"));
    bits->addStretch(1);

    ListView2 = new QTreeWidget(this);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setRootIsDecorated(false);
    ListView2->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
    ListView2->header()->resizeSection(0, Scaled(200));
    new QTreeWidgetItem(ListView2, {QStringLiteral("Recived Unknown Opcodes"), QString()});
    ShowGridLines(ListView2);
    new ListViewTools(ListView2);
    ListView2->setFixedHeight(ListView2->header()->sizeHint().height() +
                              ListView2->sizeHintForRow(0) + 2 * ListView2->frameWidth() +
                              Scaled(4));

    lvChart = new QTreeWidget(this);
    lvChart->setObjectName(QStringLiteral("lvChart"));
    lvChart->hide();

    auto* content = new QVBoxLayout;
    content->setSpacing(Scaled(6));
    content->setContentsMargins(0, 0, 0, Scaled(4));
    content->addWidget(ListView1, 1);
    content->addWidget(GroupBox1);
    content->addWidget(ListView2);

    auto* column = new TButtonColumn(this, "StaticText1");
    StaticText1 = column->CountBox;
    btnGet = column->AddButton("Refresh", "btnGet");
    btnClose = column->AddButton("Close", "btnClose");
    column->AddGap();
    column->AddLabel(QStringLiteral("Interval Time"));
    cbxInterval = new QComboBox;
    cbxInterval->setObjectName(QStringLiteral("cbxInterval"));
    for (const IntervalChoice& choice : kIntervals)
        cbxInterval->addItem(QString::fromLatin1(choice.Text), choice.Milliseconds);
    column->AddControl(cbxInterval);
    StatusBar1 = MakeStatusBar(this, "StatusBar1");
    FrameWindow(this, content, column, StatusBar1);
    resize(Scaled(440), Scaled(480));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &Tdot3ControlForm::Timer1Timer);
    connect(btnGet, &QPushButton::clicked, this, &Tdot3ControlForm::btnGetClick);
    connect(btnClose, &QPushButton::clicked, this, [this] {
        Timer1->stop();
        reject();
    });
    connect(cbxInterval, &QComboBox::currentIndexChanged, this,
            &Tdot3ControlForm::cbxIntervalChange);
    QAbstractItemModel* model = ListView1->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &Tdot3ControlForm::showCount);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &Tdot3ControlForm::showCount);
    connect(model, &QAbstractItemModel::modelReset, this, &Tdot3ControlForm::showCount);
    ListView1->installEventFilter(this);
    ListView1->viewport()->installEventFilter(this);

    FormCreate();
}

void Tdot3ControlForm::FormCreate() {
    Timer1->stop();
    cbxInterval->setCurrentIndex(0);
    Guarded(
        [this] {
            BindingA = AddBinding(std::make_unique<NmSNMPRequest2Edits>(this));
            BindingA->Request.VarList = NmSNMPVarList(dtDot3ControlFunctions, vlTable, 1);
            BindingA->AttachListView(ListView1, true);
            BindingA->BindCheckBoxList(1, "0,1,2,3,4,5,6,7",
                                       std::vector<QCheckBox*>(CheckBox.begin(), CheckBox.end()));
            BindingA->OnEndGet = [this](NmSNMPError& result) { endFunctionsRead(result); };
            BindingA->SetStatusTarget(StatusBar1);
            BindingA->EnableControls(false);

            BindingB = AddBinding(std::make_unique<NmSNMPRequest2Edits>(this));
            BindingB->Request.VarList = NmSNMPVarList(dtDot3ControlCounter, vlInstances, 0);
            BindingB->AttachListView(lvChart, true);
            BindingB->SetStatusTarget(StatusBar1);

            readFunctions();
            if (ListView1->topLevelItemCount() == 0)
                StaticText1->setText(QStringLiteral("0"));
        },
        [this](const std::string& text) {
            ready_ = true;
            reportToStatusBar(text);
        });
}

void Tdot3ControlForm::readFunctions() {
    ready_ = false;
    BindingA->Request.Active = true;
    // A read that could not start ends nothing: nobody else would make the window ready.
    if (!BindingA->Get())
        ready_ = true;
}

void Tdot3ControlForm::endFunctionsRead(NmSNMPError& result) {
    ready_ = true;
    for (std::size_t i = 0; i + 1 < CheckBox.size(); ++i)
        if (!CheckBox[i]->isHidden())
            CheckBox[i]->setEnabled(true);
    // This hook stands in for the binding's report of a failed read.
    if (result.Code != 0)
        BindingA->ShowStatus(result.Text);
}

void Tdot3ControlForm::reportToStatusBar(const std::string& text) {
    StatusBar1->showMessage(QString::fromStdString(text));
}

void Tdot3ControlForm::btnGetClick() {
    if (!BindingA || !ready_ || BindingA->Busy)
        return;
    ClearPanel();
    Guarded([this] { readFunctions(); },
            [this](const std::string& text) {
                ready_ = true;
                reportToStatusBar(text);
            });
}

void Tdot3ControlForm::ListView1Click() {
    if (!BindingB)
        return;
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty()) {
        ClearPanel();
        return;
    }
    int indexColumn = 0;
    for (int c = 0; c < ListView1->columnCount(); ++c)
        if (BindingA->ColumnDescriptor(c) == 0)
            indexColumn = c;
    const std::string index = selected.front()->text(indexColumn).toStdString();
    Guarded(
        [this, &index] {
            BindingB->Request.VarList = NmSNMPVarList(dtDot3ControlCounter, vlInstances, 0);
            BindingB->Request.VarList.InstanceSuffix = index;
            interface_ = index;
            BindingB->Async = false;
            readCounter();
        },
        [this](const std::string& text) { reportToStatusBar(text); });
}

void Tdot3ControlForm::readCounter() {
    BindingB->Request.Active = true;
    BindingB->Get();
    ShowCounter();
}

void Tdot3ControlForm::ShowCounter() {
    if (const QTreeWidgetItem* row = lvChart->topLevelItem(0)) {
        CounterRow()->setText(1, row->text(0));
        return;
    }
    ShowMessage(MessageKind::Warning, QStringLiteral("Get data not completed."), this);
    ClearPanel();
}

void Tdot3ControlForm::ClearPanel() {
    Timer1->stop();
    cbxInterval->setCurrentIndex(0);
    CounterRow()->setText(1, QString());
    for (std::size_t i = 0; i + 1 < CheckBox.size(); ++i)
        if (!CheckBox[i]->isHidden())
            CheckBox[i]->setChecked(false);
    lvChart->clear();
}

void Tdot3ControlForm::cbxIntervalChange() {
    const int milliseconds = cbxInterval->currentData().toInt();
    if (milliseconds <= 0) {
        Timer1->stop();
        return;
    }
    Timer1->start(milliseconds);
}

void Tdot3ControlForm::Timer1Timer() {
    // Nothing to poll before an interface has been chosen.
    if (!BindingB || BindingB->Busy || interface_.empty())
        return;
    lvChart->clear();
    Guarded([this] { readCounter(); },
            [this](const std::string& text) { reportToStatusBar(text); });
}

QTreeWidgetItem* Tdot3ControlForm::CounterRow() const {
    return ListView2->topLevelItem(0);
}

void Tdot3ControlForm::showCount() {
    StaticText1->setText(QString::number(ListView1->topLevelItemCount()));
}

bool Tdot3ControlForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView1->viewport()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton &&
            !ListView1->indexAt(mouse->position().toPoint()).isValid()) {
            // Empty space: the click selects nothing, as the list's own control would.
            ListView1->clearSelection();
            ListView1->setCurrentItem(nullptr);
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   mouse->button() == Qt::LeftButton) {
            QMetaObject::invokeMethod(this, &Tdot3ControlForm::ListView1Click,
                                      Qt::QueuedConnection);
        }
    } else if (watched == ListView1 && event->type() == QEvent::KeyRelease &&
               isNavigationKey(static_cast<QKeyEvent*>(event)->key())) {
        QMetaObject::invokeMethod(this, &Tdot3ControlForm::ListView1Click, Qt::QueuedConnection);
    }
    return TDedicatedForm::eventFilter(watched, event);
}

void Tdot3ControlForm::done(int result) {
    ListView1->clearSelection();
    Timer1->stop();
    TDedicatedForm::done(result);
}
