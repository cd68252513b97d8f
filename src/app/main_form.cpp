// Main window construction, shared bindings, device identification and the chassis panel.
#include "main_form.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "about_form.h"
#include "app_log.h"
#include "chassis_panel.h"
#include "chassis_tables.h"
#include "config_geometry.h"
#include "dedicated_windows.h"
#include "descriptor_tables.h"
#include "error_boundary.h"
#include "generic_window.h"
#include "global_session.h"
#include "install_paths.h"
#include "menu_catalogue.h"
#include "message_box.h"
#include "messages.h"
#include "nm_snmp_request2_edits.h"
#include "sibling_tools.h"
#include "waiting_form.h"

bool LargeFonts = false;
double DisplayScale = 1.0;
std::string DeviceOID;

namespace {

// A panel's own binding, read on request.
class BindingReader : public PanelBinding {
  public:
    BindingReader(TMainForm* form, std::unique_ptr<NmSNMPRequest2Edits> b)
        : form_(form), binding_(std::move(b)) {}
    void read() override { form_->readBinding(*binding_); }

  private:
    TMainForm* form_;
    std::unique_ptr<NmSNMPRequest2Edits> binding_;
};

// Agent texts in the status bar stay on one short line.
QString shortLine(const QString& text) {
    constexpr qsizetype kMost = 240;
    QString line = text.left(kMost + 1);
    for (QChar& c : line)
        if (!c.isPrint())
            c = ' ';
    if (line.size() > kMost)
        line = line.left(kMost - 3) + "...";
    return line;
}

QTreeWidget* hiddenListView(QWidget* parent, const char* name) {
    auto* view = new QTreeWidget(parent);
    view->setObjectName(name);
    view->setRootIsDecorated(false);
    view->hide();
    return view;
}

QLabel* hiddenText(QWidget* parent, const char* name) {
    auto* text = new QLabel(parent);
    text->setObjectName(name);
    text->hide();
    return text;
}

}  // namespace

// Marks the reads of the start-up or of one panel load; the first failure is kept until the end.
class TMainForm::ReadGroup {
  public:
    explicit ReadGroup(TMainForm* form) : form_(form), outer_(form->holdFailures_) {
        if (!outer_) {
            form_->holdFailures_ = true;
            form_->firstFailure_.clear();
        }
    }
    ~ReadGroup() {
        if (!outer_)
            form_->holdFailures_ = false;
    }
    ReadGroup(const ReadGroup&) = delete;
    ReadGroup& operator=(const ReadGroup&) = delete;

  private:
    TMainForm* form_;
    bool outer_;
};

void StartSession(const std::vector<std::string>& args, const std::string& workFolder,
                  LaunchParameters& kept) {
    InitGlobalSession(workFolder);
    DefaultSecurity.Version = 0;
    LoadMessageFiles(MessageFolder(workFolder));
    ParseCommandLine(args, kept);
    qCDebug(lcApp, "agent %s port %u, version code %d", DefaultDevice.Address.c_str(),
            static_cast<unsigned>(DefaultDevice.Port), DefaultSecurity.Version);
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
    ST_ModuleOID = hiddenText(this, "ST_ModuleOID");
    ST_STPVersion = hiddenText(this, "ST_STPVersion");
    UnitListView = hiddenListView(this, "UnitListView");
    PortInfoListView = hiddenListView(this, "PortInfoListView");
    CPUCard_ListView = hiddenListView(this, "CPUCard_ListView");
    createMenus();
    launchParameters.clear();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    LargeFonts = qRound(dpi) != 96;
    DisplayScale = LargeFonts ? 1.25 : 1.0;
    SetConfigScale(DisplayScale);

    // A fixed size: the chassis picture does not grow with the window.
    setFixedSize(800, 675 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());

    StartSession(args, workFolder, launchParameters);
}

TMainForm::~TMainForm() {
    CloseChassisPanels();
}

void TMainForm::createMenus() {
    const std::span<const MenuEntry> menu = menuCatalogue();
    std::vector<QMenu*> open;  // the sub-menu of each level on the way down
    for (const MenuEntry& entry : menu) {
        // "&" would mark a mnemonic in a Qt caption; the catalogue means the character.
        const QString caption = QString::fromUtf8(entry.Caption).replace("&", "&&");
        open.resize(static_cast<std::size_t>(entry.Level));
        QMenu* parentMenu = entry.Level > 0 ? open.back() : nullptr;
        if (entry.Action == MenuAction::Submenu) {
            QMenu* sub = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
            open.push_back(sub);
            continue;
        }
        QAction* action =
            parentMenu ? parentMenu->addAction(caption) : menuBar()->addAction(caption);
        const MenuEntry* e = &entry;
        switch (entry.Action) {
            case MenuAction::Generic:
                connect(action, &QAction::triggered, this, [this, e] {
                    WindowTitle =
                        QString::fromUtf8(e->Title) + QString::fromStdString(DeviceAddress);
                    qCDebug(lcApp, "opening %s", qPrintable(WindowTitle));
                    Guarded([e] { OpenGenericWindow(*e); }, ToMessageBox(MessageKind::Error, this));
                });
                break;
            case MenuAction::About:
                connect(action, &QAction::triggered, this, [this] {
                    TAboutForm about(this);
                    about.exec();
                });
                break;
            case MenuAction::Refresh:
                connect(action, &QAction::triggered, this, &TMainForm::RefreshClick);
                break;
            case MenuAction::Tool:
                connect(action, &QAction::triggered, this, [this, e] {
                    // A tool that is not installed is no error of this program.
                    LaunchSiblingTool(launchParameters, e->Tool);
                });
                break;
            case MenuAction::Dedicated:
                // Enabled once its group has registered the window class.
                action->setEnabled(e->Window && DedicatedWindows().Contains(e->Window));
                connect(action, &QAction::triggered, this, [this, e] {
                    WindowTitle =
                        QString::fromUtf8(e->Title) + QString::fromStdString(DeviceAddress);
                    Guarded([this, e] { OpenDedicatedWindow(*e, WindowTitle, sharedBindings()); },
                            ToMessageBox(MessageKind::Error, this));
                });
                break;
            case MenuAction::Submenu:
                break;
        }
    }
}

std::unique_ptr<NmSNMPRequest2Edits> TMainForm::makeBinding(const void* table, int kind,
                                                            int indexCount, QWidget* statusTarget) {
    auto binding = std::make_unique<NmSNMPRequest2Edits>(this);
    binding->Async = false;
    binding->Request.VarList = NmSNMPVarList(static_cast<const SNMPVarDescriptor*>(table),
                                             static_cast<std::uint8_t>(kind), indexCount);
    if (statusTarget)
        binding->SetStatusTarget(statusTarget);
    return binding;
}

void TMainForm::FormCreate() {
    FirstLoad = true;
    Activated = false;
    setWindowTitle(QString::fromStdString(launchParameters.Address));
    PanelList.clear();
    ReadGroup reads(this);
    const auto create = [this] {
        StpVersionBinding = makeBinding(dtChassisStpVersion, vlScalar, 0, nullptr);
        StpVersionBinding->BindLabel(0, ST_STPVersion);

        UnitBinding = makeBinding(dtChassisModuleTable, vlTable, 1, StatusPanel0);
        UnitBinding->AttachListView(UnitListView, true);
        unitTableFresh_ = readBinding(*UnitBinding);

        LedBinding = makeBinding(dtChassisLedTable, vlTable, 1, StatusPanel0);
        LedBinding->AttachListView(PortInfoListView, true);
        CpuCardBinding = makeBinding(dtChassisCpuCardTable, vlTable, 1, StatusPanel0);
        CpuCardBinding->AttachListView(CPUCard_ListView, true);

        ObjectIDBinding = makeBinding(dtChassisSysObjectId, vlScalar, 0, nullptr);
        ObjectIDBinding->BindLabel(0, ST_ModuleOID);
        identify();
    };
    Guarded(create, [this](const std::string& text) {
        setStatusText(QString::fromLocal8Bit(text.c_str()));
    });
}

void TMainForm::identify() {
    std::string reason;
    ObjectIDBinding->Request.OnError = [&reason](NmSNMPError* e) {
        if (reason.empty())
            reason = e->Text;
    };
    bool ok = false;
    Guarded([&] { ok = ObjectIDBinding->Get(); },
            [&reason](const std::string& text) { reason = text; });
    ObjectIDBinding->Request.OnError = nullptr;
    DeviceOID = ST_ModuleOID->text().toStdString();
    if (reason.empty()) {
        // The value's text tells what came: "(NULL)" for no value, nothing for another type.
        if (!ok)
            reason = "no answer.";
        else if (DeviceOID == "(NULL)")
            reason = "the agent has no sysObjectID.";
        else if (DeviceOID.empty())
            reason = "its sysObjectID is not an object identifier.";
    }
    if (reason.empty())
        return;
    // Nothing else can be drawn without it: this is the failure to show.
    firstFailure_ =
        shortLine("The switch could not be identified: " + QString::fromStdString(reason));
    StatusPanel0->setText(firstFailure_);
}

bool TMainForm::readBinding(NmSNMPRequest2Edits& binding) {
    bool ok = false;
    Guarded([&] { ok = binding.Get(); }, binding.StatusLine());
    if (!ok)
        noteFailure(StatusPanel0->text());
    else if (holdFailures_ && !firstFailure_.isEmpty())
        StatusPanel0->setText(firstFailure_);
    return ok;
}

void TMainForm::noteFailure(const QString& text) {
    if (holdFailures_ && !firstFailure_.isEmpty()) {
        StatusPanel0->setText(firstFailure_);
        return;
    }
    if (holdFailures_)
        firstFailure_ = shortLine(text);
    StatusPanel0->setText(shortLine(text));
}

void TMainForm::showEvent(QShowEvent* e) {
    if (!e->spontaneous())
        CentreOnScreen(this);
    QMainWindow::showEvent(e);
    if (Activated)
        return;
    Activated = true;
    // After the window is on the screen, as on its first activation.
    QTimer::singleShot(0, this, &TMainForm::ShowWaitingForm);
}

void TMainForm::ShowWaitingForm() {
    TWaitingForm waiting(this, [this] {
        if (!FirstLoad)
            CloseChassisPanels();
        LoadChassisPanel();
    });
    waiting.setWindowTitle("loading panel...");
    waiting.exec();
}

void TMainForm::LoadChassisPanel() {
    ReadGroup reads(this);
    const QString oid = QString::fromStdString(DeviceOID);
    TChassisPanel* panel = nullptr;
    if (oid.compare(kCorvaneAObjectId, Qt::CaseInsensitive) == 0)
        panel = new TPanelCorvaneA(this, this);
    else if (oid.compare(kCorvaneBObjectId, Qt::CaseInsensitive) == 0)
        panel = new TPanelCorvaneB(this, this);
    else
        return;
    const int h = panel->height(), w = panel->width();
    panel->LoadPanel();
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->setWidget(panel);
    panel->move(0, 0);
    setFixedSize(w + 3, menuBar()->sizeHint().height() + h + statusBar()->sizeHint().height() + 3);
    panel->show();
    if (width() < panel->width())
        setFixedSize(panel->width() + 4, height());
    // Centred again at the size the chassis gives it.
    CentreOnScreen(this);
    CurrentPanel = panel;
    PanelList.push_back(panel);
}

void TMainForm::CloseChassisPanels() {
    for (const QPointer<TChassisPanel>& p : PanelList) {
        if (!p)
            continue;
        if (ScrollBox1->widget() == p)
            ScrollBox1->takeWidget();
        p->close();
        delete p.data();
    }
    PanelList.clear();
}

void TMainForm::RefreshClick() {
    if (!Confirm("Refresh panel may take a long time. Are you sure?", this))
        return;
    CurrentPanel = nullptr;
    FirstLoad = false;
    ShowWaitingForm();
}

SharedBindings TMainForm::sharedBindings() const {
    SharedBindings shared;
    shared.MainWindow = const_cast<TMainForm*>(this);
    shared.UnitBinding = UnitBinding.get();
    shared.StpVersionBinding = StpVersionBinding.get();
    shared.ObjectIDBinding = ObjectIDBinding.get();
    shared.LedBinding = LedBinding.get();
    shared.CpuCardBinding = CpuCardBinding.get();
    shared.ST_ModuleOID = ST_ModuleOID;
    shared.ST_STPVersion = ST_STPVersion;
    shared.UnitListView = UnitListView;
    shared.PortInfoListView = PortInfoListView;
    shared.CPUCard_ListView = CPUCard_ListView;
    return shared;
}

void TMainForm::setStatusText(const QString& text) {
    noteFailure(text);
}

QString TMainForm::statusText() const {
    return StatusPanel0->text();
}

void TMainForm::readUnitTable() {
    if (unitTableFresh_) {
        unitTableFresh_ = false;
        return;
    }
    readBinding(*UnitBinding);
}

void TMainForm::readLedTable() {
    readBinding(*LedBinding);
}

void TMainForm::readCpuCardTable() {
    readBinding(*CpuCardBinding);
}

std::unique_ptr<PanelBinding> TMainForm::bindFanState(QLabel* target) {
    auto binding = makeBinding(dtFanTrayState, vlScalar, 0, StatusPanel0);
    binding->BindLabel(0, target);
    return std::make_unique<BindingReader>(this, std::move(binding));
}

std::unique_ptr<PanelBinding> TMainForm::bindPowerTable(QTreeWidget* target) {
    auto binding = makeBinding(dtChassisPowerTable, vlTable, 1, StatusPanel0);
    binding->AttachListView(target, true);
    return std::make_unique<BindingReader>(this, std::move(binding));
}
