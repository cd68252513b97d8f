// The SNMP counter monitor.
#include "tsnmp_counters.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <charconv>

#include "config_geometry.h"
#include "copy_export.h"
#include "message_box.h"
#include "window_parts.h"

namespace {

QString clockText() {
    return QTime::currentTime().toString(QStringLiteral(" hh:mm:ss "));
}

// A counter's text as an unsigned 32-bit number; false for anything else ("(NULL)", a word).
bool parseCounter(const std::string& text, std::uint32_t& value) {
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && at == end && !text.empty();
}

}  // namespace

TSNMP_Counters::TSNMP_Counters(const DedicatedWindowContext& context) : TDedicatedForm(context) {
    setObjectName(QStringLiteral("TSNMP_Counters"));
    LV_SNMPCounterData = new QTreeWidget(this);
    LV_SNMPCounterData->setObjectName(QStringLiteral("LV_SNMPCounterData"));
    LV_SNMPCounterData->setRootIsDecorated(false);
    LV_SNMPCounterData->setUniformRowHeights(true);
    LV_SNMPCounterData->setSelectionBehavior(QAbstractItemView::SelectRows);
    LV_SNMPCounterData->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Value"), QStringLiteral("Delta"),
         QStringLiteral("Rate"), QStringLiteral("Peak"), QStringLiteral("Peak Occurred at")});
    const int widths[] = {190, 90, 70, 60, 70, 110};
    for (int c = 0; c <= PeakAt; ++c)
        LV_SNMPCounterData->header()->resizeSection(c, Scaled(widths[c]));
    for (const char* name : kSnmpCounterNames) {
        auto* row = new QTreeWidgetItem(LV_SNMPCounterData, {QString::fromLatin1(name)});
        for (int c = Value; c <= Peak; ++c)
            row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    ShowGridLines(LV_SNMPCounterData);
    new ListViewTools(LV_SNMPCounterData);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->hide();

    auto* content = new QVBoxLayout;
    content->setContentsMargins(0, 0, 0, Scaled(4));
    content->addWidget(LV_SNMPCounterData);

    auto* column = new TButtonColumn(this);
    column->AddLabel(QStringLiteral("System Time"));
    ST_Time = column->AddLabel(clockText(), "ST_Time");
    ST_Time->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ST_Time->setAlignment(Qt::AlignCenter);
    column->AddGap();
    column->AddLabel(QStringLiteral("Poll  Interval"));
    column->AddLabel(QStringLiteral("(1-10)sec"));
    CB_Interval = new QComboBox;
    CB_Interval->setObjectName(QStringLiteral("CB_Interval"));
    CB_Interval->setEditable(true);
    CB_Interval->setInsertPolicy(QComboBox::NoInsert);
    CB_Interval->addItems({QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("10")});
    column->AddControl(CB_Interval);
    column->AddGap();
    BT_Start = column->AddButton("Start", "BT_Start");
    BT_Stop = column->AddButton("Pause", "BT_Stop");
    CloseButton = column->AddButton("Close", "CloseButton");
    StatusBar1 = MakeStatusBar(this, "StatusBar1");
    FrameWindow(this, content, column, StatusBar1);
    resize(Scaled(740), Scaled(540));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TSNMP_Counters::Timer1Timer);
    connect(BT_Start, &QPushButton::clicked, this, &TSNMP_Counters::BT_StartClick);
    connect(BT_Stop, &QPushButton::clicked, this, &TSNMP_Counters::BT_StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    // Checked once the typing is done (Enter, leaving the box) or an item is chosen, not at
    // every keystroke: "10" would otherwise pass through "1".
    connect(CB_Interval, &QComboBox::textActivated, this, &TSNMP_Counters::CB_IntervalChange);
    connect(CB_Interval->lineEdit(), &QLineEdit::editingFinished, this,
            &TSNMP_Counters::CB_IntervalChange);

    FormCreate();
    Timer1->start();
}

void TSNMP_Counters::FormCreate() {
    CB_Interval->setCurrentIndex(0);
    interval_ = CB_Interval->currentText();
    running_ = true;
    const bool created = Guarded(
        [this] {
            Binding = AddBinding(std::make_unique<NmSNMPRequest2Edits>(this));
            Binding->Async = false;
            Binding->Request.VarList = NmSNMPVarList(dtSnmpCounters, vlInstances, 0);
            Binding->AttachListView(ListView1, true);
            Binding->SetStatusTarget(StatusBar1);
            Binding->Get();
            Restart(readValues());
        },
        [this](const std::string& text) {
            if (Binding)
                Binding->ShowStatus(text);
            else
                StatusBar1->showMessage(QString::fromStdString(text));
        });
    if (!created)
        prepareRows();
}

void TSNMP_Counters::Restart(const std::vector<std::string>& first) {
    prepareRows();
    deltaFlag_ = false;
    UpdateCounters(first);
    deltaFlag_ = false;
}

void TSNMP_Counters::prepareRows() {
    const QString now = clockText();
    for (int i = 0; i < kSnmpCounterCount; ++i) {
        QTreeWidgetItem* row = LV_SNMPCounterData->topLevelItem(i);
        for (int c = Value; c <= Peak; ++c)
            row->setText(c, QStringLiteral("0"));
        row->setText(PeakAt, now);
    }
    counters_.fill(Counter{});
}

std::vector<std::string> TSNMP_Counters::readValues() const {
    std::vector<std::string> values;
    const QTreeWidgetItem* row = ListView1->topLevelItem(0);
    if (!row)
        return values;
    for (int c = 0; c < ListView1->columnCount(); ++c)
        values.push_back(row->text(c).toStdString());
    return values;
}

int TSNMP_Counters::intervalSeconds() const {
    return std::max(1, Timer1->interval() / 1000);
}

void TSNMP_Counters::UpdateCounters(const std::vector<std::string>& values) {
    const std::size_t count = std::min<std::size_t>(values.size(), counters_.size());
    if (count == 0)
        return;  // the read brought nothing; its failure is in the status bar
    for (std::size_t i = 0; i < count; ++i) {
        Counter& k = counters_[i];
        std::uint32_t reading = 0;
        if (!parseCounter(values[i], reading))
            continue;  // no number this time: the row waits for the next reading
        k.previous = k.current;
        k.current = reading;
        // No change, a wrap past 2^32 - 1 or a restarted agent: the row stays as it is, and
        // the new reading is the base of the next difference.
        if (k.current <= k.previous)
            continue;
        const std::uint32_t delta = k.current - k.previous;
        k.lastDelta = delta;
        QTreeWidgetItem* row = LV_SNMPCounterData->topLevelItem(static_cast<int>(i));
        // The first reading is taken against 0 and is no change at all.
        if (delta > k.peakDelta && k.previous != 0) {
            k.peakDelta = delta;
            row->setText(Peak, QString::number(delta));
            row->setText(PeakAt, clockText());
        }
        row->setText(Value, QString::number(k.current));
        if (deltaFlag_) {
            row->setText(Delta, QString::number(delta));
            row->setText(Rate,
                         QString::number(delta / static_cast<std::uint32_t>(intervalSeconds())));
        }
    }
    deltaFlag_ = true;
}

void TSNMP_Counters::readAndUpdate() {
    Guarded(
        [this] {
            Binding->Request.Active = true;
            if (Binding->Get())
                UpdateCounters(readValues());
        },
        Binding->StatusLine());
}

void TSNMP_Counters::Timer1Timer() {
    ST_Time->setText(clockText());
    // A tick that comes while a read is still under way (the read lets window events run)
    // leaves the reading to it.
    if (!running_ || !Binding || Binding->Busy)
        return;
    readAndUpdate();
}

void TSNMP_Counters::BT_StartClick() {
    running_ = true;
}

void TSNMP_Counters::BT_StopClick() {
    running_ = false;
}

void TSNMP_Counters::CB_IntervalChange() {
    const QString text = CB_Interval->currentText().trimmed();
    if (checkingInterval_ || text == interval_)
        return;
    checkingInterval_ = true;
    bool whole = false;
    const int seconds = text.toInt(&whole);
    // 0 and below are refused too: the rate divides by the interval.
    if (whole && seconds >= 1 && seconds <= 10) {
        interval_ = text;
        Timer1->setInterval(seconds * 1000);
    } else {
        CB_Interval->setEditText(interval_);
        ShowMessage(MessageKind::Warning, QStringLiteral("Choose Valid Interval"), this);
    }
    checkingInterval_ = false;
}

void TSNMP_Counters::done(int result) {
    Timer1->stop();
    TDedicatedForm::done(result);
}
