// Main window construction and device identification.
#include "main_form.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

#include "global_session.h"
#include "messages.h"
#include "session.h"

bool LargeFonts = false;
double DisplayScale = 1.0;
std::string DeviceOID;

namespace {
const Oid kSysObjectId = {1, 3, 6, 1, 2, 1, 1, 2, 0};
}

TMainForm::TMainForm(const std::vector<std::string>& args, const std::string& workFolder,
                     QWidget* parent)
    : QMainWindow(parent) {
    // Controls first, with the kept switch texts cleared.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    QPalette pal = ScrollBox1->palette();
    pal.setColor(QPalette::Window, QColor(79, 74, 62));
    ScrollBox1->setPalette(pal);
    ScrollBox1->setAutoFillBackground(true);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(ScrollBox1);
    StatusPanel0 = new QLabel(this);
    StatusPanel0->setObjectName("StatusPanel0");
    statusBar()->addWidget(StatusPanel0, 1);
    statusBar()->setSizeGripEnabled(false);
    createMenus();
    launchParameters.clear();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    LargeFonts = qRound(dpi) != 96;
    DisplayScale = LargeFonts ? 1.25 : 1.0;

    resize(800, 675);

    InitGlobalSession(workFolder);
    DefaultSecurity.Version = 0;
    LoadMessageFiles(workFolder);
    ParseCommandLine(args, launchParameters);
}

TMainForm::~TMainForm() = default;

void TMainForm::createMenus() {
    const char* entries[] = {"System", "Management", "MPLS", "Layer 2 ",   "Layer 3",
                             "QoS ",   "Security ",  "OAM",  "Monitoring", "Help"};
    for (const char* e : entries) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(e));
        if (QString::fromUtf8(e) == "Help")
            menu->addAction("About");
    }
    menuBar()->addAction("Refresh");
}

void TMainForm::FormCreate() {
    FirstLoad = true;
    Activated = false;
    setWindowTitle(QString::fromStdString(launchParameters.Address));
    try {
        // Until the shared bindings exist, the chassis is identified by one direct read.
        SnmpTarget target =
            prepareTarget(DefaultDevice, DefaultSecurity, DefaultTimeout, /*retries=*/1);
        SnmpPdu pdu;
        preparePdu(pdu, DefaultSecurity, DefaultScope);
        pdu.vbs.push_back({kSysObjectId, SnmpValue::null()});
        SnmpResponse reply;
        const int status = GlobalSession->syncRequest(PduType::Get, target, pdu, reply);
        int code = 0;
        std::string text;
        TranslateStatus(status, code, text);
        if (status == 0 && !reply.vbs.empty() && reply.vbs[0].value.type == SnmpType::ObjectId)
            DeviceOID = oidToString(reply.vbs[0].value.oid);
        setStatusText(QString::fromStdString(ComposeStatusLine(0, "", text)));
    } catch (const NmSNMPException& e) {
        setStatusText(QString::fromStdString(e.text()));
    }
}

void TMainForm::setStatusText(const QString& text) {
    StatusPanel0->setText(text);
}

QString TMainForm::statusText() const {
    return StatusPanel0->text();
}
