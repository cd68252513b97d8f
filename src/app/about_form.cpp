// About box layout, chassis texts and the build's version key on the OK button.
#include "about_form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "app_icon.h"
#include "main_form.h"

namespace {

// The program's icon painted at the control's size, so it stays sharp when the box is scaled.
class LogoImage : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintAppIcon(p, std::min(width(), height()));
    }
};

int scaled(int designPixels) {
    return static_cast<int>(std::lround(designPixels * DisplayScale));
}

QRect scaled(int left, int top, int width, int height) {
    return QRect(scaled(left), scaled(top), scaled(width), scaled(height));
}

constexpr const char* kNotice =
    "Device manager for the Corvane chassis switches.\n"
    "Copyright (C) Varden. All rights reserved.";

}  // namespace

TAboutForm::TAboutForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("AboutForm");
    setWindowTitle("About Corvane Module");
    setModal(true);
    setFixedSize(scaled(374), scaled(119));

    ImageLogo = new LogoImage(this);
    ImageLogo->setObjectName("ImageLogo");
    ImageLogo->setGeometry(scaled(12, 12, 32, 32));
    ImageLogo->hide();

    AboutLabel = new QLabel("Varden Corvane-A Management Module", this);
    AboutLabel->setObjectName("AboutLabel");
    QFont bold = AboutLabel->font();
    bold.setBold(true);
    AboutLabel->setFont(bold);
    AboutLabel->setGeometry(scaled(58, 12, 304, 17));

    VersionLabel = new QLabel("Release Version  4.10", this);
    VersionLabel->setObjectName("VersionLabel");
    VersionLabel->setGeometry(scaled(58, 31, 304, 17));

    NoticeLabel = new QLabel(kNotice, this);
    NoticeLabel->setObjectName("NoticeLabel");
    NoticeLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    NoticeLabel->setGeometry(scaled(58, 50, 304, 34));

    BT_Ok = new QPushButton("OK", this);
    BT_Ok->setObjectName("BT_Ok");
    BT_Ok->setGeometry(scaled(161, 90, 51, 20));
    BT_Ok->setDefault(true);
    BT_Ok->installEventFilter(this);
    connect(BT_Ok, &QPushButton::clicked, this, &QDialog::accept);

    VersionLabel->setText("Release Version 4.10 ");
}

void TAboutForm::FormActivate() {
    const QLabel* moduleOid =
        parentWidget() ? parentWidget()->findChild<QLabel*>("ST_ModuleOID") : nullptr;
    const QString oid = moduleOid ? moduleOid->text() : QString();
    if (oid == kCorvaneAObjectId) {
        AboutLabel->setText("Varden Corvane-A Management Module");
        setWindowTitle("About Corvane-A Module");
    } else if (oid == kCorvaneBObjectId) {
        AboutLabel->setText("Varden Corvane-B Management Module");
        setWindowTitle("About Corvane-B Module");
    }
    ImageLogo->show();
}

void TAboutForm::showEvent(QShowEvent* e) {
    FormActivate();
    QDialog::showEvent(e);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BT_Ok && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers();
        if (key->key() == Qt::Key_F3 && (held & Qt::ShiftModifier) && (held & Qt::AltModifier)) {
            VersionLabel->setText("Release Version 4.10D05(for Orlen feature).");
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
