// Module faces and their lamps. Positions are panel pixels; the face drawing is made to match
// the indicator positions, so lit strips sit on the port openings.
#include "module_panels.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QTreeWidget>
#include <stdexcept>

#include "chassis_host.h"

namespace {

constexpr int kFaceWidth = 684;
constexpr int kFaceHeight = 78;

void colourIndicators(const QString& status, LampWidget* lamp, LampWidget* strip,
                      LampWidget* edge) {
    QColor main = Qt::black, rim = Qt::black;
    bool lit = false;
    if (status == "blinking-amber" || status == "steady-amber") {
        main = artwork::kOrange;
        rim = artwork::kAmberEdge;
        lit = true;
    } else if (status == "blinking-green" || status == "steady-green") {
        main = artwork::kGreen;
        rim = artwork::kLime;
        lit = true;
    }
    lamp->setColor(main);
    strip->setColor(main);
    edge->setColor(rim);
    lamp->setVisible(lit);
    strip->setVisible(lit);
    edge->setVisible(lit);
}

}  // namespace

bool readWholeNumber(const QString& text, int& value) {
    bool ok = false;
    const QString t = text.startsWith('+') ? text.mid(1) : text;
    const int v = t.toInt(&ok, 10);
    if (!ok || t.isEmpty() || t.contains(' ') || t.startsWith('+'))
        return false;
    value = v;
    return true;
}

int wholeNumber(const QString& text) {
    int v = 0;
    if (!readWholeNumber(text, v))
        throw std::runtime_error(quoted(text).toStdString() + " is not a valid integer value");
    return v;
}

QString quoted(const QString& text) {
    constexpr qsizetype kMost = 24;
    QString t = text.left(kMost + 1);
    for (QChar& c : t)
        if (!c.isPrint())
            c = ' ';
    if (t.size() > kMost)
        t = t.left(kMost - 3) + "...";
    return "'" + t + "'";
}

// ---- common face ----

TModulePanel::TModulePanel(ChassisHost* host, QWidget* owner, const QString& model)
    : QWidget(owner), host_(host), model_(model) {
    setObjectName(model);
    resize(kFaceWidth, kFaceHeight);
    auto* face =
        new PictureWidget("Image1", this, [this](QPainter& p, const QRect& r) { paintFace(p, r); });
    face->setGeometry(rect());
    face->lower();
}

void TModulePanel::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (auto* face = findChild<QWidget*>("Image1", Qt::FindDirectChildrenOnly))
        face->setGeometry(rect());
}

LampWidget* TModulePanel::addLamp(const QString& name, const QRect& r, const QColor& colour,
                                  bool shown) {
    auto* lamp = new LampWidget(name, this, r, colour);
    lamp->setVisible(shown);
    return lamp;
}

void TModulePanel::paintFace(QPainter& p, const QRect& r) const {
    using namespace artwork;
    p.setRenderHint(QPainter::Antialiasing, true);
    paintMetal(p, QRectF(r), QColor(66, 69, 74));
    // Mounting ears with captive screws.
    p.fillRect(QRectF(0, 0, 14, r.height()), QColor(48, 50, 54));
    p.fillRect(QRectF(r.width() - 14, 0, 14, r.height()), QColor(48, 50, 54));
    paintScrew(p, QPointF(7, r.height() / 2.0));
    paintScrew(p, QPointF(r.width() - 7, r.height() / 2.0));
    paintLabel(p, QRectF(20, 3, 200, 12), model_, 9);
    for (const Text& t : texts_)
        paintLabel(p, t.rect, t.text, t.size, Qt::AlignCenter);
    for (const Mark& m : openings_) {
        switch (m.kind) {
            case Opening::Rj45Top:
                paintRj45(p, m.rect, true);
                break;
            case Opening::Rj45Bottom:
                paintRj45(p, m.rect, false);
                break;
            case Opening::Sfp:
            case Opening::SfpPlus:
                paintSfpCage(p, m.rect);
                break;
        }
    }
}

// ---- line cards ----

TLineCardPanel::TLineCardPanel(ChassisHost* host, QWidget* owner, const QString& model,
                               bool readsLeds, bool combination)
    : TModulePanel(host, owner, model), readsLeds_(readsLeds), combination_(combination) {}

void TLineCardPanel::addPort(int port, const QString& suffix, const QRect& strip, const QRect& edge,
                             const QRect& lamp, LampShape shape) {
    const QString n = QString::number(port);
    auto* l = addLamp("Port" + n + "LedPanel" + suffix, lamp, Qt::black, false);
    addLamp("Port" + n + "Panel" + suffix, strip, Qt::black, false);
    addLamp("P" + n + "Panel" + suffix, edge, Qt::black, false);
    if (shape != LampShape::Square)
        shapedLamps_.push_back({l, shape});
}

void TLineCardPanel::addCopperColumn(int oddPort, int x, int oddY, int evenY, int lampY, int width,
                                     const QString& suffix) {
    // The opening of the odd port ends where the even port's begins.
    addOpening(Opening::Rj45Top, QRectF(x - 1, oddY - 2, width + 2, evenY - oddY - 1));
    addOpening(Opening::Rj45Bottom, QRectF(x - 1, evenY - 2, width + 2, evenY - oddY + 1));
    addPort(oddPort, suffix, QRect(x, oddY, width, 5), QRect(x, oddY - 2, width, 2),
            QRect(x + 2, lampY, 6, 6), LampShape::Up);
    addPort(oddPort + 1, suffix, QRect(x, evenY, width, 5), QRect(x, evenY + 5, width, 2),
            QRect(x + width - 8, lampY, 6, 6), LampShape::Down);
}

void TLineCardPanel::addSfpColumn(int oddPort, int x, int oddY, int evenY, int lampY, int width,
                                  const QString& suffix) {
    addOpening(Opening::Sfp, QRectF(x - 1, oddY - 3, width + 2, 9));
    addOpening(Opening::Sfp, QRectF(x - 1, evenY - 1, width + 2, 9));
    addPort(oddPort, suffix, QRect(x, oddY, width, 5), QRect(x, oddY - 2, width, 2),
            QRect(x + 1, lampY, 6, 6), LampShape::Up);
    addPort(oddPort + 1, suffix, QRect(x, evenY, width, 5), QRect(x, evenY + 5, width, 2),
            QRect(x + width - 7, lampY, 6, 6), LampShape::Down);
}

void TLineCardPanel::addFixedLamps(bool twoMore) {
    addLamp("PWR_LED", QRect(24, 28, 6, 6), artwork::kLime, true);
    addLamp("SYS_LED", QRect(24, 44, 6, 6), artwork::kLime, true);
    addText(QRectF(31, 26, 26, 10), "PWR", 7);
    addText(QRectF(31, 42, 26, 10), "SYS", 7);
    if (twoMore) {
        addLamp("FAN_LED", QRect(24, 60, 6, 6), artwork::kLime, true);
        addLamp("ALM_LED", QRect(44, 60, 6, 6), artwork::kOrange, true);
    }
}

void TLineCardPanel::ShowPortState(int slot) {
    if (readsLeds_)
        host_->readLedTable();
    QTreeWidget* leds = host_->ledListView();
    for (int i = 0; i < leds->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = leds->topLevelItem(i);
        const QString name = item->text(1);
        const QString status = item->text(2);
        const QString medium = item->text(4);
        // A row that cannot be read is left out; its lamps stay as drawn.
        const auto skip = [&](const QString& why) {
            host_->setStatusText("LED row " + quoted(item->text(0)) + " skipped: " + why);
        };
        if (name == kNoValue) {
            skip("no LED Name value");
            continue;
        }
        int ledSlot = 0, port = 0;
        if (name.size() < 6 || !readWholeNumber(name.mid(3, 1), ledSlot) ||
            !readWholeNumber(name.mid(5), port)) {
            skip("name " + quoted(name) + " gives no slot and port");
            continue;
        }
        if (ledSlot != slot)
            continue;
        if (status == kNoValue) {
            skip("no LED Status value");
            continue;
        }
        QString suffix;
        if (combination_) {
            if (port < 13 && medium == kNoValue) {
                skip("no Medium Type value");
                continue;
            }
            suffix = port >= 13 || medium != "copper" ? "F" : "T";
        }
        const QString n = QString::number(port);
        auto* lamp = findChild<LampWidget*>("Port" + n + "LedPanel" + suffix);
        auto* strip = findChild<LampWidget*>("Port" + n + "Panel" + suffix);
        auto* edge = findChild<LampWidget*>("P" + n + "Panel" + suffix);
        if (!lamp || !strip || !edge)
            return;  // a port this card lacks ends the update
        colourIndicators(status, lamp, strip, edge);
    }
}

void TLineCardPanel::ShapePortLamps() {
    for (const Shaped& s : shapedLamps_) {
        const QPolygon triangle = s.shape == LampShape::Up
                                      ? QPolygon({QPoint(3, 0), QPoint(0, 6), QPoint(6, 6)})
                                      : QPolygon({QPoint(0, 0), QPoint(6, 0), QPoint(3, 6)});
        s.lamp->setMask(QRegion(triangle));
    }
}

void TLineCardPanel::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!shaped_ && !shapedLamps_.empty()) {
        shaped_ = true;
        ShapePortLamps();
    }
}

// ---- management modules ----

TManagementPanel::TManagementPanel(ChassisHost* host, QWidget* owner, const QString& model,
                                   int masterX)
    : TModulePanel(host, owner, model) {
    using namespace artwork;
    addOpening(Opening::Rj45Bottom, QRectF(334, 45, 28, 22));
    addText(QRectF(322, 66, 52, 10), "MGMT", 7);
    addOpening(Opening::Rj45Bottom, QRectF(394, 45, 28, 22));
    addText(QRectF(384, 66, 48, 10), "CONSOLE", 7);
    addOpening(Opening::Sfp, QRectF(438, 50, 22, 9));
    addText(QRectF(434, 66, 30, 10), "USB", 7);
    addText(QRectF(478, 36, 40, 10), "C  M", 7);
    addText(QRectF(516, 30, 44, 10), "CPU", 7);
    addLamp("Mgmt_LED1", QRect(337, 40, 5, 3), kLime, true);
    addLamp("Mgmt_LED2", QRect(355, 40, 5, 3), kLime, true);

    auto icon = [this](const QString& name, int x, const QColor& colour, const QString& glyph) {
        auto* w = new PictureWidget(name, this, [colour, glyph](QPainter& p, const QRect& r) {
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
            artwork::paintLabel(p, QRectF(r), glyph, 7, Qt::AlignCenter, QColor(20, 20, 20));
        });
        w->setGeometry(x, 49, 8, 8);
    };
    icon("Image_rs232", 484, QColor(90, 170, 240), "R");
    icon("Image_usb", 493, QColor(240, 240, 240), "U");
    icon("Image_Master", masterX, QColor(255, 200, 40), "M");

    // CPU-load bar: bottom row 1, 3, 5, 7 and top row 2, 4, 6, 8, left to right.
    const int xs[] = {520, 529, 538, 547};
    for (int k = 0; k < 8; ++k) {
        const int column = k / 2;
        const bool top = k % 2 == 1;
        addLamp(QString("Image_CPU%1").arg(k + 1), QRect(xs[column], top ? 42 : 52, 7, 7),
                k < 6 ? kLime : kOrange, true);
    }
    auto* system = new PictureWidget("System_Image", this, [](QPainter& p, const QRect& r) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(QColor(150, 155, 162), 1));
        p.setBrush(QColor(36, 38, 42));
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        artwork::paintLabel(p, QRectF(r), "CORVANE", 11, Qt::AlignCenter, QColor(225, 228, 232));
    });
    system->setGeometry(576, 30, 92, 30);
    addLamp("PWR_Panel", QRect(24, 32, 6, 6), kLime, true);
    addLamp("SYS_Panel", QRect(24, 48, 6, 6), kLime, true);
    addText(QRectF(31, 30, 26, 10), "PWR", 7);
    addText(QRectF(31, 46, 26, 10), "SYS", 7);
}

void TManagementPanel::ShowPortState(int slot) {
    host_->readCpuCardTable();
    QTreeWidget* cards = host_->cpuCardListView();
    for (int i = 0; i < cards->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = cards->topLevelItem(i);
        int itemSlot = 0;
        if (!readWholeNumber(item->text(0), itemSlot)) {
            host_->setStatusText("Management module row " + quoted(item->text(0)) +
                                 " skipped: not a slot number");
            continue;
        }
        if (itemSlot != slot)
            continue;
        const QString console = item->text(1), master = item->text(2), cpu = item->text(3),
                      portStatus = item->text(4), speed = item->text(5);
        // A value the switch did not give leaves its lamp or picture as drawn.
        static const char* const columns[] = {"Console", "Master", "CPU Utilization",
                                              "Management Port Status", "Management Port Speed"};
        for (int c = 1; c <= 5; ++c) {
            if (item->text(c) == kNoValue) {
                host_->setStatusText("Management module row " + quoted(item->text(0)) + ": no " +
                                     columns[c - 1] + " value");
                break;
            }
        }
        if (portStatus != kNoValue)
            findChild<QWidget*>("Mgmt_LED1")->setVisible(portStatus != "off");
        auto* led2 = findChild<LampWidget*>("Mgmt_LED2");
        if (speed == "link-0") {
            led2->hide();
        } else if (speed == "link-100") {
            led2->setColor(artwork::kOrange);
            led2->show();
        } else if (speed == "link-1000") {
            led2->setColor(artwork::kLime);
            led2->show();
        }
        if (console != kNoValue) {
            const bool rs232 = console == "rs232";
            findChild<QWidget*>("Image_rs232")->setVisible(rs232);
            findChild<QWidget*>("Image_usb")->setVisible(!rs232);
        }
        if (master != kNoValue)
            findChild<QWidget*>("Image_Master")->setVisible(master == "active");
        static const QStringList words = {"zero-LED",   "one-LED",    "two-LEDs",
                                          "three-LEDs", "four-LEDs",  "five-LEDs",
                                          "six-LEDs",   "seven-LEDs", "eight-LEDs"};
        const int lit = static_cast<int>(words.indexOf(cpu));
        if (lit >= 0)
            for (int k = 1; k <= 8; ++k)
                findChild<QWidget*>(QString("Image_CPU%1").arg(k))->setVisible(k <= lit);
    }
}

TPanelMCA::TPanelMCA(ChassisHost* host, QWidget* owner)
    : TManagementPanel(host, owner, "Corvane-MC-A", 502) {}

TPanelMCB::TPanelMCB(ChassisHost* host, QWidget* owner)
    : TManagementPanel(host, owner, "Corvane-MC-B", 501) {}

// ---- the line cards ----

TPanelLC1::TPanelLC1(ChassisHost* host, QWidget* owner)
    : TLineCardPanel(host, owner, "Corvane-LC1", /*readsLeds=*/true, false) {
    const int starts[] = {73, 248, 424};
    for (int c = 0; c < 24; ++c)
        addCopperColumn(2 * c + 1, starts[c / 8] + (c % 8) * 21, 26, 35, 55, 18);
    addFixedLamps(true);
}

TPanelLC4::TPanelLC4(ChassisHost* host, QWidget* owner)
    : TLineCardPanel(host, owner, "Corvane-LC4", true, false) {
    const int starts[] = {73, 248, 424};
    for (int c = 0; c < 24; ++c)
        addCopperColumn(2 * c + 1, starts[c / 8] + (c % 8) * 21, 26, 34, 55, 18);
    addText(QRectF(600, 50, 60, 12), "PoE+", 9);
    addFixedLamps(true);
}

namespace {
const int kLc2Columns[] = {66,  87,  109, 131, 153, 175, 197, 219, 243, 265, 287, 309,
                           331, 353, 375, 397, 421, 443, 465, 487, 509, 531, 553, 575};
const int kLc9Columns[] = {65,  86,  108, 130, 153, 175, 199, 221, 243, 265, 287, 309,
                           333, 355, 377, 399, 421, 443, 467, 489, 511, 533, 555, 577};
}  // namespace

TPanelLC2::TPanelLC2(ChassisHost* host, QWidget* owner)
    : TLineCardPanel(host, owner, "Corvane-LC2", true, false) {
    for (int c = 0; c < 24; ++c)
        addSfpColumn(2 * c + 1, kLc2Columns[c], 25, 38, 30, 19);
    addFixedLamps(true);
}

TPanelLC9::TPanelLC9(ChassisHost* host, QWidget* owner)
    : TLineCardPanel(host, owner, "Corvane-LC9", true, false) {
    for (int c = 0; c < 24; ++c)
        addSfpColumn(2 * c + 1, kLc9Columns[c], 25, 38, 30, 19);
    addFixedLamps(true);
}

TPanelLC3::TPanelLC3(ChassisHost* host, QWidget* owner)
    : TLineCardPanel(host, owner, "Corvane-LC3", true, false) {
    for (int c = 0; c < 12; ++c)
        addCopperColumn(2 * c + 1, (c < 6 ? 66 : 199) + (c % 6) * 21, 27, 36, 54, 18);
    const int sfp[] = {331, 353, 375, 397, 421, 443, 465, 487, 511, 533, 554, 577};
    for (int c = 0; c < 12; ++c)
        addSfpColumn(25 + 2 * c, sfp[c], 25, 38, 30, 19);
    addFixedLamps(true);
}

TPanelLC6::TPanelLC6(ChassisHost* host, QWidget* owner)
    : TLineCardPanel(host, owner, "Corvane-LC6", true, false) {
    const int xs[] = {88, 153, 218, 283, 348, 412, 477, 542};
    for (int i = 0; i < 8; ++i) {
        addOpening(Opening::SfpPlus, QRectF(xs[i] - 2, 44, 34, 16));
        addPort(i + 1, {}, QRect(xs[i], 49, 30, 7), QRect(xs[i], 46, 30, 3),
                QRect(xs[i] + 40, 49, 6, 6), LampShape::Square);
        addText(QRectF(xs[i], 30, 30, 10), QString("10G-%1").arg(i + 1), 7);
    }
    addFixedLamps(true);
}

TPanelLC8::TPanelLC8(ChassisHost* host, QWidget* owner)
    : TLineCardPanel(host, owner, "Corvane-LC8", true, false) {
    const int xs[] = {66, 99, 132, 166, 199, 232, 265, 299, 332, 365, 399, 432, 466, 499, 532, 566};
    for (int i = 0; i < 16; ++i) {
        addOpening(Opening::SfpPlus, QRectF(xs[i] - 2, 45, 23, 13));
        addPort(i + 1, {}, QRect(xs[i], 50, 19, 5), QRect(xs[i], 48, 19, 2),
                QRect(xs[i] + 21, 47, 5, 5), LampShape::Square);
        addText(QRectF(xs[i] - 4, 32, 27, 10), QString::number(i + 1), 7);
    }
    addFixedLamps(true);
}

void TLineCardPanel::addCombinationPorts(const int (&sfpColumns)[12], int tenGY, int lampX,
                                         int lampY0, int lampY1) {
    const int copperColumns[] = {70, 91, 175, 196, 280, 301};
    for (int c = 0; c < 6; ++c)
        addCopperColumn(2 * c + 1, copperColumns[c], 27, 36, 54, 18, "T");
    for (int c = 0; c < 12; ++c)
        addSfpColumn(2 * c + 1, sfpColumns[c], 25, 38, 31, 19, "F");
    for (int k = 0; k < 2; ++k) {
        const int x = k == 0 ? 543 : 576;
        addOpening(Opening::SfpPlus, QRectF(x - 2, tenGY - 4, 32, 16));
        addPort(25 + k, "F", QRect(x, tenGY, 28, 5), QRect(x, tenGY - 2, 28, 2),
                QRect(lampX, k == 0 ? lampY0 : lampY1, 5, 5), LampShape::Square);
    }
}

TPanelLC7::TPanelLC7(ChassisHost* host, QWidget* owner)
    : TLineCardPanel(host, owner, "Corvane-LC7", true, /*combination=*/true) {
    const int sfp[] = {122, 144, 227, 249, 332, 354, 378, 400, 422, 444, 468, 490};
    addCombinationPorts(sfp, 51, 514, 36, 45);
    addText(QRectF(540, 66, 70, 10), "25   26", 7);
    addFixedLamps(true);
}

TPanelLC10::TPanelLC10(ChassisHost* host, QWidget* owner)
    : TLineCardPanel(host, owner, "Corvane-LC10", true, /*combination=*/true) {
    const int sfp[] = {122, 144, 227, 249, 332, 354, 382, 404, 426, 448, 472, 494};
    addCombinationPorts(sfp, 40, 517, 38, 48);
    addText(QRectF(540, 58, 70, 10), "25   26", 7);
    addFixedLamps(true);
}
