// Chassis panels: equipment state from the switch's own tables, drawn over the chassis front.
#include "chassis_panel.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QTreeWidget>
#include <algorithm>
#include <stdexcept>

#include "artwork.h"
#include "chassis_log.h"
#include "error_boundary.h"
#include "module_panels.h"

namespace {

ChassisGeometry corvaneA() {
    ChassisGeometry g;
    g.size = QSize(801, 490);
    for (int top : {134, 211, 289, 366})
        g.slotRects.emplace_back(33, top, 682, 76);
    g.slotRects[3].setHeight(75);
    for (int left : {74, 248, 420, 594})
        g.bays.emplace_back(left, 45, 134, 64);
    g.fanTray = QRect(716, 133, 50, 312);
    g.fanLamp = QRect(742, 162, 4, 4);
    g.blackBayCovers = false;
    g.name = "Corvane-A";
    return g;
}

ChassisGeometry corvaneB() {
    ChassisGeometry g;
    g.size = QSize(814, 878);
    const int tops[] = {221, 298, 373, 450, 527, 605, 683, 762};
    for (int k = 0; k < 8; ++k)
        g.slotRects.emplace_back(k == 7 ? 39 : 38, tops[k], 682, k == 3 ? 75 : 76);
    const int lefts[] = {78, 248, 425, 598};
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 4; ++i)
            g.bays.emplace_back(lefts[i], row == 0 ? 45 : 132, i == 1 ? 136 : 133, 64);
    g.fanTray = QRect(720, 220, 49, 619);
    g.fanLamp = QRect(746, 245, 5, 5);
    g.blackBayCovers = true;
    g.name = "Corvane-B";
    return g;
}

// Passes everything on to the main window, except that each shared table is read at most once
// and only the first of the load's failures reaches the status bar.
class ReadOnceHost : public ChassisHost {
  public:
    explicit ReadOnceHost(ChassisHost* host) : host_(host) {}
    void setStatusText(const QString& text) override {
        if (!failed_)
            host_->setStatusText(text);
        failed_ = true;
    }
    QTreeWidget* unitListView() override { return host_->unitListView(); }
    void readUnitTable() override { host_->readUnitTable(); }
    QTreeWidget* ledListView() override { return host_->ledListView(); }
    void readLedTable() override {
        if (!ledsRead_)
            host_->readLedTable();
        ledsRead_ = true;
    }
    QTreeWidget* cpuCardListView() override { return host_->cpuCardListView(); }
    void readCpuCardTable() override {
        if (!cpuCardsRead_)
            host_->readCpuCardTable();
        cpuCardsRead_ = true;
    }
    std::unique_ptr<PanelBinding> bindFanState(QLabel* target) override {
        return host_->bindFanState(target);
    }
    std::unique_ptr<PanelBinding> bindPowerTable(QTreeWidget* target) override {
        return host_->bindPowerTable(target);
    }

  private:
    ChassisHost* host_;
    bool ledsRead_ = false;
    bool cpuCardsRead_ = false;
    bool failed_ = false;
};

}  // namespace

TChassisPanel::TChassisPanel(ChassisHost* host, QWidget* owner, const ChassisGeometry& geometry,
                             bool fixedFourRows)
    : QWidget(owner),
      host_(host),
      geometry_(geometry),
      fixedFourRows_(fixedFourRows),
      moduleHost_(std::make_unique<ReadOnceHost>(host)) {
    setObjectName(geometry.name);
    resize(geometry.size);
    auto* front = new PictureWidget("Image1", this,
                                    [this](QPainter& p, const QRect& r) { paintChassis(p, r); });
    front->setGeometry(rect());

    for (std::size_t k = 0; k < geometry.slotRects.size(); ++k) {
        auto* slot = new QFrame(this);
        slot->setObjectName(QString("Slot_Panel%1").arg(k));
        slot->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        slot->setGeometry(geometry.slotRects[k]);
    }
    for (std::size_t n = 0; n < geometry.bays.size(); ++n) {
        const QRect bay = geometry.bays[n];
        auto picture = [this, bay](const QString& name, bool dc, bool working) {
            auto* w = new PictureWidget(name, this, [dc, working](QPainter& p, const QRect& r) {
                artwork::paintSupply(p, QRectF(r), dc, working);
            });
            w->setGeometry(bay);
            w->hide();
        };
        picture(QString("Image_PW%1ok").arg(n), false, true);
        picture(QString("Image_PW%1failed").arg(n), false, false);
        picture(QString("Image_PWDC%1ok").arg(n), true, true);
        picture(QString("Image_PWDC%1failed").arg(n), true, false);
        auto* cover = new QFrame(this);
        cover->setObjectName(QString("Panel%1").arg(n));
        cover->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        cover->setGeometry(bay);
        cover->setAutoFillBackground(true);
        QPalette pal = cover->palette();
        pal.setColor(QPalette::Window,
                     geometry.blackBayCovers ? QColor(Qt::black) : QColor(88, 91, 96));
        cover->setPalette(pal);
    }
    fanBox_ = new QFrame(this);
    fanBox_->setObjectName("FanboxPanel");
    fanBox_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fanBox_->setGeometry(geometry.fanTray);
    fanBox_->setAutoFillBackground(true);
    QPalette pal = fanBox_->palette();
    pal.setColor(QPalette::Window, Qt::black);
    fanBox_->setPalette(pal);
    fanBox_->hide();
    fanLamp_ = new LampWidget("Fan_Panel", this, geometry.fanLamp, artwork::kFanGreen);
    fanLamp_->hide();

    ST_FanState = new QLabel(this);
    ST_FanState->setObjectName("ST_FanState");
    ST_FanState->hide();
    PowerListView = new QTreeWidget(this);
    PowerListView->setObjectName("PowerListView");
    PowerListView->setRootIsDecorated(false);
    PowerListView->hide();
    FormCreate();
}

TChassisPanel::~TChassisPanel() = default;

void TChassisPanel::FormCreate() {
    Models = {"Corvane-MC-A", "Corvane-MC-B", "Corvane-LC1", "Corvane-LC2",
              "Corvane-LC3",  "Corvane-LC4",  "Corvane-LC6", "Corvane-LC7",
              "Corvane-LC8",  "Corvane-LC9",  "Corvane-LC10"};
}

void TChassisPanel::LoadPanel() {
    qCDebug(lcChassis, "loading the %s panel", qPrintable(geometry_.name));
    // Each step draws what it can: a failure in one leaves the others to do their part.
    ShowFanState();
    Guarded([this] { ShowPowerState(); }, failed("Get Power Information Failed"));
    Guarded([this] { ShowSlots(); }, failed("Get Slot Information Failed"));
}

ErrorReport TChassisPanel::failed(const QString& text) {
    return [this, text](const std::string& why) {
        qCDebug(lcChassis, "%s: %s", qPrintable(text), why.c_str());
        report(text);
    };
}

void TChassisPanel::report(const QString& text) {
    moduleHost_->setStatusText(text);
}

void TChassisPanel::ShowFanState() {
    if (fanBinding_)
        return;
    Guarded([this] { readFanState(); }, failed("Get Fan Information Failed"));
}

void TChassisPanel::readFanState() {
    fanBinding_ = host_->bindFanState(ST_FanState);
    fanBinding_->read();
    const QString state = ST_FanState->text();
    if (state == "not-exist") {
        fanLamp_->hide();
        fanBox_->show();
    } else if (state == "failed") {
        fanLamp_->setColor(artwork::kRed);
        fanLamp_->show();
        fanBox_->hide();
    } else if (state == "in-operation") {
        fanLamp_->setColor(artwork::kFanGreen);
        fanLamp_->show();
        fanBox_->hide();
    }
}

void TChassisPanel::ShowPowerState() {
    if (!powerBinding_)
        Guarded([this] { powerBinding_ = host_->bindPowerTable(PowerListView); },
                failed("Get Power Information Failed"));
    if (powerBinding_)
        powerBinding_->read();
    // Row position i stands for bay i. A row that cannot be drawn is skipped and named; its bay
    // stays as drawn, covered.
    const int bays = static_cast<int>(geometry_.bays.size());
    const int listed = PowerListView->topLevelItemCount();
    const int rows = fixedFourRows_ ? std::max(listed, bays) : listed;
    for (int i = 0; i < rows; ++i) {
        const QTreeWidgetItem* row = PowerListView->topLevelItem(i);
        if (!row) {
            report(QString("No power row for bay %1").arg(i + 1));
            continue;
        }
        const auto skip = [&](const QString& why) {
            report("Power row " + quoted(row->text(0)) + " skipped: " + why);
        };
        if (i >= bays) {
            skip(QString("the chassis has %1 bays").arg(bays));
            continue;
        }
        const QString exist = row->text(1), alive = row->text(2), type = row->text(3);
        const QString kind = type == "AC" ? "PW" : "PWDC";
        auto* ok = findChild<QWidget*>(QString("Image_%1%2ok").arg(kind).arg(i));
        auto* failed = findChild<QWidget*>(QString("Image_%1%2failed").arg(kind).arg(i));
        auto* cover = findChild<QWidget*>(QString("Panel%1").arg(i));
        if (!ok || !failed || !cover)
            throw std::runtime_error("The chassis has no power bay " + std::to_string(i));
        if (exist == kNoValue) {
            skip("no Exist value");
            continue;
        }
        if (exist == "empty") {
            cover->show();
            continue;
        }
        if (alive == kNoValue || type == kNoValue) {
            skip(alive == kNoValue ? "no Alive value" : "no Power Type value");
            continue;
        }
        ok->setVisible(alive == "in-operation");
        failed->setVisible(!ok->isVisibleTo(this));
        cover->hide();
    }
}

void TChassisPanel::ShowSlots() {
    host_->readUnitTable();
    QTreeWidget* units = host_->unitListView();
    // Each row is placed, or hidden for "N/A", by the slot its index names; a row that names
    // no slot of this chassis is skipped and named, and the others are drawn all the same.
    const int slotCount = static_cast<int>(geometry_.slotRects.size());
    std::vector<bool> listed(static_cast<std::size_t>(slotCount), false);
    int last = fixedFourRows_ ? slotCount : 0;  // slots up to here should all have a row
    for (int k = 0; k < units->topLevelItemCount(); ++k) {
        const QTreeWidgetItem* row = units->topLevelItem(k);
        const auto skip = [&](const QString& why) {
            report("Module row " + quoted(row->text(0)) + " skipped: " + why);
        };
        int slot = 0;
        if (!readWholeNumber(row->text(0), slot)) {
            skip("not a slot number");
            continue;
        }
        if (slot < 1 || slot > slotCount) {
            skip(QString("the chassis has %1 slots").arg(slotCount));
            continue;
        }
        if (listed[static_cast<std::size_t>(slot - 1)]) {
            skip("its slot is listed before");
            continue;
        }
        listed[static_cast<std::size_t>(slot - 1)] = true;
        last = std::max(last, slot);
        const QString model = row->text(1);
        if (model == kNoValue) {
            skip("no Model value");
            continue;
        }
        if (model == "N/A") {
            if (auto* position = findChild<QWidget*>(QString("Slot_Panel%1").arg(slot - 1)))
                position->hide();
            continue;
        }
        Guarded([&] { CreateModulePanel(model, slot); },
                [this](const std::string& text) { report(QString::fromStdString(text)); });
    }
    for (int slot = 1; slot <= last; ++slot)
        if (!listed[static_cast<std::size_t>(slot - 1)]) {
            report(QString("No module row for slot %1").arg(slot));
            break;
        }
}

TModulePanel* TChassisPanel::createModule(int index) {
    switch (index) {
        case 0:
            return new TPanelMCA(moduleHost_.get(), this);
        case 1:
            return new TPanelMCB(moduleHost_.get(), this);
        case 2:
            return new TPanelLC1(moduleHost_.get(), this);
        case 3:
            return new TPanelLC2(moduleHost_.get(), this);
        case 4:
            return new TPanelLC3(moduleHost_.get(), this);
        case 5:
            return new TPanelLC4(moduleHost_.get(), this);
        case 6:
            return new TPanelLC6(moduleHost_.get(), this);
        case 7:
            return new TPanelLC7(moduleHost_.get(), this);
        case 8:
            return new TPanelLC8(moduleHost_.get(), this);
        case 9:
            return new TPanelLC9(moduleHost_.get(), this);
        case 10:
            return new TPanelLC10(moduleHost_.get(), this);
        default:
            return nullptr;
    }
}

void TChassisPanel::CreateModulePanel(const QString& model, int slot) {
    const int index = static_cast<int>(Models.indexOf(model));
    if (index < 0)
        return;
    std::unique_ptr<TModulePanel> module(createModule(index));
    module->hide();
    module->ShowPortState(slot);
    auto* position = findChild<QWidget*>(QString("Slot_Panel%1").arg(slot - 1));
    if (!position)
        throw std::runtime_error("The chassis has no slot " + std::to_string(slot));
    TModulePanel* placed = module.release();
    placed->setParent(position);
    placed->setGeometry(position->rect());
    placed->show();
}

void TChassisPanel::paintChassis(QPainter& p, const QRect& r) const {
    using namespace artwork;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(r, QColor(79, 74, 62));
    const QRectF body = QRectF(r).adjusted(4, 4, -4, -4);
    paintMetal(p, body, QColor(46, 48, 52));
    // Rack ears.
    for (qreal x : {body.left(), body.right() - 18}) {
        p.fillRect(QRectF(x, body.top(), 18, body.height()), QColor(38, 40, 43));
        paintScrew(p, QPointF(x + 9, body.top() + 20));
        paintScrew(p, QPointF(x + 9, body.bottom() - 20));
    }
    paintLabel(p, QRectF(30, 12, 300, 22), geometry_.name, 16);
    paintLabel(p, QRectF(r.width() - 330, 12, 300, 22), "MODULAR CHASSIS SWITCH", 10,
               Qt::AlignRight | Qt::AlignVCenter, QColor(170, 175, 182));
    for (const QRect& bay : geometry_.bays)
        paintRecess(p, QRectF(bay).adjusted(-3, -3, 3, 3));
    // Blank filler plates: what an empty slot shows.
    for (const QRect& slot : geometry_.slotRects) {
        const QRectF s(slot);
        paintRecess(p, s.adjusted(-3, -3, 3, 3));
        paintMetal(p, s.adjusted(1, 1, -1, -1), QColor(60, 62, 66));
        paintScrew(p, QPointF(s.left() + 9, s.center().y()), 3);
        paintScrew(p, QPointF(s.right() - 9, s.center().y()), 3);
    }
    // Fan tray: grille with fan rotors.
    const QRectF fan(geometry_.fanTray);
    paintRecess(p, fan.adjusted(-3, -3, 3, 3));
    paintMetal(p, fan, QColor(52, 54, 58));
    p.setPen(QPen(QColor(25, 26, 28), 1));
    const int fans = static_cast<int>(fan.height() / 62);
    for (int i = 0; i < fans; ++i) {
        const QPointF c(fan.center().x(), fan.top() + 45 + i * (fan.height() - 50) / fans);
        p.setBrush(QColor(30, 31, 34));
        p.drawEllipse(c, 18, 18);
        p.setBrush(QColor(70, 73, 78));
        for (int blade = 0; blade < 5; ++blade) {
            p.save();
            p.translate(c);
            p.rotate(blade * 72.0);
            p.drawEllipse(QPointF(0, -9), 4, 8);
            p.restore();
        }
        p.setBrush(QColor(95, 98, 104));
        p.drawEllipse(c, 4, 4);
    }
    paintLabel(p, QRectF(fan.left(), fan.top() + 6, fan.width(), 10), "FAN", 8, Qt::AlignCenter);
}

TPanelCorvaneA::TPanelCorvaneA(ChassisHost* host, QWidget* owner)
    : TChassisPanel(host, owner, corvaneA(), /*fixedFourRows=*/true) {
    findChild<QWidget*>("Image1")->resize(801, 490);
}

TPanelCorvaneB::TPanelCorvaneB(ChassisHost* host, QWidget* owner)
    : TChassisPanel(host, owner, corvaneB(), /*fixedFourRows=*/false) {}
