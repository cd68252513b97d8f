// The generic modal window of a MIB scalar group, a MIB table, or several of them on pages,
// built at run time from bindings whose variable lists come from descriptor tables.
#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "snmp_panel.h"

class NmSNMPRequest2Edits;
class QTabWidget;

class TConfigForm : public QDialog {
    Q_OBJECT

  public:
    explicit TConfigForm(QWidget* owner = nullptr);
    ~TConfigForm() override;

    std::uint8_t FormType = 0;  // 0 none yet, 1 editor, 2 list view, 3 pages
    std::vector<std::unique_ptr<NmSNMPRequest2Edits>> PanelBindings;
    QTabWidget* Pages = nullptr;
    NmSNMPRequest2Edits* Current = nullptr;

    // Layout operations; each takes ownership of the binding. A second layout raises
    // "Can not change Type of a Config Form!".
    TSNMPEditorPanel* AddEditorPanel(std::unique_ptr<NmSNMPRequest2Edits> binding);
    // addIndex/deleteIndex: the row-status column, -1 with an empty literal for none.
    TSNMPListViewPanel* AddListViewPanel(std::unique_ptr<NmSNMPRequest2Edits> binding, int addIndex,
                                         const std::string& addLiteral, int deleteIndex,
                                         const std::string& deleteLiteral);
    void CreatePageControl();
    TSNMPEditorPanel* AddEditorPage(const QString& title,
                                    std::unique_ptr<NmSNMPRequest2Edits> binding);
    TSNMPListViewPanel* AddListViewPage(const QString& title,
                                        std::unique_ptr<NmSNMPRequest2Edits> binding, int addIndex,
                                        const std::string& addLiteral, int deleteIndex,
                                        const std::string& deleteLiteral);

    // Reads the binding of the shown panel or page; also the queued first refresh.
    void RefreshCurrent();

    // Stops every binding and waits (WaitUntil, user input dropped) until none is busy; run by
    // every way of closing.
    void done(int result) override;

  protected:
    void customEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void growToPage(QWidget* page, QWidget* panel);
    static void applyRowStatus(TSNMPListViewPanel* panel, int addIndex,
                               const std::string& addLiteral, int deleteIndex,
                               const std::string& deleteLiteral);
    bool refreshWaiting_ = false;
    bool closing_ = false;
};
