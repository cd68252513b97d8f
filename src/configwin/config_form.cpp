// The generic configuration window: layouts, page control, refresh and closing.
#include "config_form.h"

#include <QCoreApplication>
#include <QEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <stdexcept>

#include "config_geometry.h"
#include "configwin_log.h"
#include "error_boundary.h"
#include "nm_snmp_request2_edits.h"

namespace {

// The program's own message asking the window to read its current binding.
const QEvent::Type kRefreshEvent = static_cast<QEvent::Type>(34002);
constexpr int kFormWidth = 159;
constexpr int kFormHeight = 105;

}  // namespace

TConfigForm::TConfigForm(QWidget* owner) : QDialog(owner) {
    resize(Scaled(kFormWidth), Scaled(kFormHeight));
    CentreOnMainWindow(this);
    QCoreApplication::postEvent(this, new QEvent(kRefreshEvent));
}

TConfigForm::~TConfigForm() {
    QCoreApplication::removePostedEvents(this, kRefreshEvent);
    for (auto& b : PanelBindings)
        b->Request.Active = false;
    // Bindings go while their controls still exist.
    PanelBindings.clear();
}

void TConfigForm::customEvent(QEvent* event) {
    if (event->type() != kRefreshEvent) {
        QDialog::customEvent(event);
        return;
    }
    // The first read starts once the window is on screen.
    if (!isVisible()) {
        refreshWaiting_ = true;
        return;
    }
    RefreshCurrent();
}

void TConfigForm::showEvent(QShowEvent* event) {
    // Centred at the size its layout and the handler's adjustments have given it.
    if (!event->spontaneous())
        CentreOnMainWindow(this);
    QDialog::showEvent(event);
    if (refreshWaiting_) {
        refreshWaiting_ = false;
        QCoreApplication::postEvent(this, new QEvent(kRefreshEvent));
    }
}

TSNMPEditorPanel* TConfigForm::AddEditorPanel(std::unique_ptr<NmSNMPRequest2Edits> binding) {
    if (FormType != 0)
        throw std::logic_error("Can not change Type of a Config Form!");
    FormType = 1;
    NmSNMPRequest2Edits* b = binding.get();
    PanelBindings.push_back(std::move(binding));
    auto* panel = new TSNMPEditorPanel(this, b);
    panel->FitForm(this);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPanel(std::unique_ptr<NmSNMPRequest2Edits> binding,
                                                  int addIndex, const std::string& addLiteral,
                                                  int deleteIndex,
                                                  const std::string& deleteLiteral) {
    if (FormType != 0)
        throw std::logic_error("Can not change Type of a Config Form!");
    FormType = 2;
    NmSNMPRequest2Edits* b = binding.get();
    PanelBindings.push_back(std::move(binding));
    auto* panel = new TSNMPListViewPanel(this, b);
    panel->FitForm(this);
    applyRowStatus(panel, addIndex, addLiteral, deleteIndex, deleteLiteral);
    return panel;
}

void TConfigForm::applyRowStatus(TSNMPListViewPanel* panel, int addIndex,
                                 const std::string& addLiteral, int deleteIndex,
                                 const std::string& deleteLiteral) {
    if (!addLiteral.empty())
        panel->SetAddStatus(addIndex, addLiteral);
    if (!deleteLiteral.empty())
        panel->SetDeleteStatus(deleteIndex, deleteLiteral);
}

void TConfigForm::CreatePageControl() {
    if (FormType != 0)
        throw std::logic_error("Can not change Type of a Config Form!");
    FormType = 3;
    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->resize(0, 0);
    connect(Pages, &QTabWidget::currentChanged, this, [this] { RefreshCurrent(); });
}

void TConfigForm::growToPage(QWidget* page, QWidget* panel) {
    page->resize(page->size().expandedTo(panel->size()));
    // The tab widget's own frame and tab row around a page of that size.
    page->setMinimumSize(page->size());
    const QSize needed = Pages->minimumSizeHint();
    page->setMinimumSize(0, 0);
    Pages->resize(Pages->size().expandedTo(needed));
    resize(size().expandedTo(Pages->size()));
    FillParent(Pages);
    FillParent(panel);
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const QString& title,
                                             std::unique_ptr<NmSNMPRequest2Edits> binding) {
    if (FormType != 3)
        throw std::logic_error("Can not add editor page to a none-page pannel!");
    auto* page = new QWidget;
    page->setProperty("PageTag", static_cast<int>(PanelBindings.size()));
    {
        const QSignalBlocker quiet(Pages);  // adding a page is not a page change
        Pages->addTab(page, title);
    }
    NmSNMPRequest2Edits* b = binding.get();
    PanelBindings.push_back(std::move(binding));
    auto* panel = new TSNMPEditorPanel(page, b);
    // "Close" closes the window, as on the other layouts.
    panel->FittedForm = this;
    growToPage(page, panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(const QString& title,
                                                 std::unique_ptr<NmSNMPRequest2Edits> binding,
                                                 int addIndex, const std::string& addLiteral,
                                                 int deleteIndex,
                                                 const std::string& deleteLiteral) {
    if (FormType != 3)
        throw std::logic_error("Can not add listview page to a none-page pannel!");
    auto* page = new QWidget;
    page->setProperty("PageTag", static_cast<int>(PanelBindings.size()));
    {
        const QSignalBlocker quiet(Pages);
        Pages->addTab(page, title);
    }
    NmSNMPRequest2Edits* b = binding.get();
    PanelBindings.push_back(std::move(binding));
    auto* panel = new TSNMPListViewPanel(page, b);
    panel->FittedForm = this;
    growToPage(page, panel);
    applyRowStatus(panel, addIndex, addLiteral, deleteIndex, deleteLiteral);
    return panel;
}

void TConfigForm::RefreshCurrent() {
    NmSNMPRequest2Edits* binding = nullptr;
    if (FormType == 1 || FormType == 2) {
        binding = PanelBindings.empty() ? nullptr : PanelBindings.front().get();
    } else if (FormType == 3 && Pages && Pages->count() > 0) {
        const int tag = Pages->currentWidget()->property("PageTag").toInt();
        if (tag >= 0 && tag < static_cast<int>(PanelBindings.size()))
            binding = PanelBindings[static_cast<std::size_t>(tag)].get();
    }
    if (!binding)
        return;
    if (Current)
        Current->Request.Active = false;
    // Back on a page whose stopped walk has not ended yet: let it end first, so that two
    // walks never fill one list.
    if (binding->Busy)
        binding->StopAndWait();
    Current = binding;
    qCDebug(lcConfigWin, "reading %s", binding->Request.VarList.Name.c_str());
    binding->Request.Active = true;
    Guarded([binding] { binding->Get(); }, binding->StatusLine());
}

void TConfigForm::done(int result) {
    if (closing_)
        return;  // already waiting for its bindings
    closing_ = true;
    // A first read still queued would start again what is being stopped.
    QCoreApplication::removePostedEvents(this, kRefreshEvent);
    refreshWaiting_ = false;
    for (auto& b : PanelBindings)
        if (!b->StopAndWait())
            qCDebug(lcConfigWin, "closing: %s still busy after the wait",
                    b->Request.VarList.Name.c_str());
    closing_ = false;
    QDialog::done(result);
}
