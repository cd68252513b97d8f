// What the chassis and module panels need of the main window: its shared list views and their
// bindings, bindings of their own, and the status panel.
#pragma once

#include <QString>
#include <memory>

class QLabel;
class QTreeWidget;

// A synchronous read into the controls a binding is bound to.
class PanelBinding {
  public:
    virtual ~PanelBinding() = default;
    virtual void read() = 0;
};

class ChassisHost {
  public:
    virtual ~ChassisHost() = default;
    virtual void setStatusText(const QString& text) = 0;

    virtual QTreeWidget* unitListView() = 0;
    virtual void readUnitTable() = 0;
    virtual QTreeWidget* ledListView() = 0;
    virtual void readLedTable() = 0;
    virtual QTreeWidget* cpuCardListView() = 0;
    virtual void readCpuCardTable() = 0;

    // Bindings the chassis panel keeps for its life.
    virtual std::unique_ptr<PanelBinding> bindFanState(QLabel* target) = 0;
    virtual std::unique_ptr<PanelBinding> bindPowerTable(QTreeWidget* target) = 0;
};

// Reads a whole decimal number as the panels do; throws std::runtime_error otherwise.
int wholeNumber(const QString& text);
// The same without throwing: false, and value unchanged, for anything else.
bool readWholeNumber(const QString& text, int& value);
// A text from the switch as a status line quotes it: one line, cut to a few words.
QString quoted(const QString& text);
// What a table cell holds when the switch gave no value for it.
inline constexpr const char* kNoValue = "(NOTDONE)";
