// The button column and the status bar panel.
#include "ctrl_btn_panel.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

#include "config_geometry.h"

namespace {

constexpr int kMargin = 10;
constexpr int kGap = 5;
constexpr int kControlWidth = 96;
constexpr int kButtonHeight = 25;
constexpr int kCountHeight = 21;
constexpr int kStatusHeight = 20;

QPushButton* makeButton(QWidget* parent, const char* text, const char* name) {
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    // Enter in a field must not press a button: "Refresh" would throw the typed values away.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

}  // namespace

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* parent)
    : QFrame(parent), columnWidth_(Scaled(2 * kMargin + kControlWidth)) {
    CountBox = new QLabel(QStringLiteral("0"), this);
    CountBox->setObjectName(QStringLiteral("CountBox"));
    CountBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    CountBox->setAlignment(Qt::AlignCenter);
    CountBox->setFixedSize(Scaled(kControlWidth),
                           std::max(Scaled(kCountHeight), CountBox->sizeHint().height()));
    SamplesLabel = new QLabel(QStringLiteral("Samples"), this);
    SamplesLabel->setObjectName(QStringLiteral("SamplesLabel"));
    SamplesLabel->setAlignment(Qt::AlignCenter);
    BT_Refresh = makeButton(this, "Refresh", "BT_Refresh");
    BT_Edit = makeButton(this, "Edit", "BT_Edit");
    BT_SetChecked = makeButton(this, "Set Checked", "BT_SetChecked");
    BT_Add = makeButton(this, "Add", "BT_Add");
    BT_Delete = makeButton(this, "Delete", "BT_Delete");
    BT_CheckAll = makeButton(this, "Check All", "BT_CheckAll");
    BT_ClearChecks = makeButton(this, "Clear Checks", "BT_ClearChecks");
    BT_Close = makeButton(this, "Close", "BT_Close");
    BT_Add->hide();
    BT_Delete->hide();
    loadBitmaps();
    setFixedWidth(columnWidth_);
    LayoutButtons();
}

std::vector<QWidget*> TCtrlBtnPanel::Controls() const {
    return {CountBox, SamplesLabel, BT_Refresh,  BT_Edit,        BT_SetChecked,
            BT_Add,   BT_Delete,    BT_CheckAll, BT_ClearChecks, BT_Close};
}

void TCtrlBtnPanel::loadBitmaps() {
    const std::pair<QPushButton*, const char*> files[] = {{BT_Refresh, "/Get.bmp"},
                                                          {BT_Edit, "/Set.bmp"},
                                                          {BT_SetChecked, "/SetCheck.bmp"},
                                                          {BT_Add, "/Add.bmp"},
                                                          {BT_Delete, "/Delete.bmp"},
                                                          {BT_CheckAll, "/SelectAll.bmp"},
                                                          {BT_ClearChecks, "/SelectNone.bmp"},
                                                          {BT_Close, "/Close.bmp"}};
    for (const auto& [button, name] : files) {
        const QString path = QDir::currentPath() + QString::fromLatin1(name);
        if (!QFileInfo::exists(path))
            continue;
        QPixmap glyph(path);
        // An unreadable file ends the loading; the button keeps its text rather than
        // ending up with neither text nor glyph.
        if (glyph.isNull())
            break;
        button->setText(QString());
        button->setIcon(QIcon(glyph));
        button->setIconSize(glyph.size());
    }
}

void TCtrlBtnPanel::LayoutButtons() {
    const int left = Scaled(kMargin);
    const int width = Scaled(kControlWidth);
    int top = Scaled(kMargin);
    for (QWidget* c : Controls()) {
        int height = c->height();
        if (auto* b = qobject_cast<QPushButton*>(c))
            height = std::max(Scaled(kButtonHeight), b->sizeHint().height());
        else if (c == SamplesLabel)
            height = c->sizeHint().height();
        c->setGeometry(left, top, width, height);
        if (!c->isHidden())
            top = c->y() + c->height() + Scaled(kGap);
    }
    columnHeight_ = BT_Close->y() + BT_Close->height() + Scaled(kMargin);
}

TMsgPanel::TMsgPanel(QWidget* parent) : QFrame(parent) {
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    setFixedHeight(std::max(Scaled(kStatusHeight), StatusBar->sizeHint().height()));
}

void TMsgPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    StatusBar->setGeometry(0, 0, width(), height());
}
