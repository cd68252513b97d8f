// The chassis front: power bays, fan tray and the module panels in their slotRects.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "chassis_host.h"
#include "error_boundary.h"

class QFrame;
class QLabel;
class QTreeWidget;
class LampWidget;
class TModulePanel;

struct ChassisGeometry {
    QSize size;
    std::vector<QRect> slotRects;
    std::vector<QRect> bays;
    QRect fanTray;
    QRect fanLamp;
    bool blackBayCovers;
    QString name;
};

class TChassisPanel : public QWidget {
    Q_OBJECT
  public:
    ~TChassisPanel() override;

    // Reads the fan state, the power table and the module table once and draws them.
    void LoadPanel();
    void ShowFanState();
    void ShowPowerState();
    void ShowSlots();
    void CreateModulePanel(const QString& model, int slot);

    QLabel* ST_FanState = nullptr;
    QTreeWidget* PowerListView = nullptr;
    QStringList Models;  // the eleven module names, in the order of their panel classes

  protected:
    TChassisPanel(ChassisHost* host, QWidget* owner, const ChassisGeometry& geometry,
                  bool fixedFourRows);
    void FormCreate();

  private:
    // Names a failure of this load in the status bar; only the first one is shown.
    void report(const QString& text);
    // A report of a step's failure by its fixed text.
    ErrorReport failed(const QString& text);
    void readFanState();
    void paintChassis(QPainter& p, const QRect& r) const;
    TModulePanel* createModule(int index);

    ChassisHost* host_;
    ChassisGeometry geometry_;
    bool fixedFourRows_;  // the 4-slot chassis always looks at four rows
    LampWidget* fanLamp_ = nullptr;
    QFrame* fanBox_ = nullptr;
    std::unique_ptr<PanelBinding> fanBinding_;
    std::unique_ptr<PanelBinding> powerBinding_;
    // The host as the module panels see it: the LED and management-module tables are read once
    // per panel, by the first module that needs them, and every module uses those rows.
    std::unique_ptr<ChassisHost> moduleHost_;
};

class TPanelCorvaneA : public TChassisPanel {
    Q_OBJECT
  public:
    TPanelCorvaneA(ChassisHost* host, QWidget* owner);
};

class TPanelCorvaneB : public TChassisPanel {
    Q_OBJECT
  public:
    TPanelCorvaneB(ChassisHost* host, QWidget* owner);
};
