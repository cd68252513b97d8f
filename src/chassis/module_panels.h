// Module panels: the faces of the management modules and line cards, with their port lamps lit
// from the switch's LED table.
#pragma once

#include <QWidget>
#include <vector>

#include "artwork.h"

class ChassisHost;

// Common face: Image1 fills the panel and draws the openings and marks recorded here.
class TModulePanel : public QWidget {
    Q_OBJECT
  public:
    TModulePanel(ChassisHost* host, QWidget* owner, const QString& model);
    virtual void ShowPortState(int slot) = 0;
    const QString& model() const { return model_; }

  protected:
    void resizeEvent(QResizeEvent* e) override;
    enum class Opening { Rj45Top, Rj45Bottom, Sfp, SfpPlus };
    struct Mark {
        Opening kind;
        QRectF rect;
    };
    void addOpening(Opening kind, const QRectF& r) { openings_.push_back({kind, r}); }
    void addText(const QRectF& r, const QString& text, int size = 8) {
        texts_.push_back({r, text, size});
    }
    LampWidget* addLamp(const QString& name, const QRect& r, const QColor& colour, bool shown);
    void paintFace(QPainter& p, const QRect& r) const;

    ChassisHost* host_;

  private:
    struct Text {
        QRectF rect;
        QString text;
        int size;
    };
    QString model_;
    std::vector<Mark> openings_;
    std::vector<Text> texts_;
};

// A line card: three indicators per port (lamp, link strip, edge strip).
class TLineCardPanel : public TModulePanel {
    Q_OBJECT
  public:
    void ShowPortState(int slot) override;
    // Gives the paired lamps their triangular outlines.
    void ShapePortLamps();

  protected:
    TLineCardPanel(ChassisHost* host, QWidget* owner, const QString& model, bool readsLeds,
                   bool combination);
    enum class LampShape { Square, Up, Down };
    // One opening's indicators; suffix is "", "T" or "F".
    void addPort(int port, const QString& suffix, const QRect& strip, const QRect& edge,
                 const QRect& lamp, LampShape shape);
    // Copper column pair: odd port on top, even below; lamps side by side in a row below.
    void addCopperColumn(int oddPort, int x, int oddY, int evenY, int lampY, int width,
                         const QString& suffix = {});
    // SFP column pair: lamps between the rows, odd left, even right.
    void addSfpColumn(int oddPort, int x, int oddY, int evenY, int lampY, int width,
                      const QString& suffix = {});
    // Ports 1-12 with copper (T) and SFP (F) openings, SFP ports 13-24, 10G ports 25 and 26.
    void addCombinationPorts(const int (&sfpColumns)[12], int tenGY, int lampX, int lampY0,
                             int lampY1);
    void addFixedLamps(bool twoMore);
    void showEvent(QShowEvent* e) override;

  private:
    struct Shaped {
        LampWidget* lamp;
        LampShape shape;
    };
    bool readsLeds_;
    bool combination_;
    bool shaped_ = false;
    std::vector<Shaped> shapedLamps_;
};

// The management modules: port lamps, console mark, master mark and CPU-load bar.
class TManagementPanel : public TModulePanel {
    Q_OBJECT
  public:
    void ShowPortState(int slot) override;

  protected:
    TManagementPanel(ChassisHost* host, QWidget* owner, const QString& model, int masterX);
};

class TPanelMCA : public TManagementPanel {
    Q_OBJECT
  public:
    TPanelMCA(ChassisHost* host, QWidget* owner);
};

class TPanelMCB : public TManagementPanel {
    Q_OBJECT
  public:
    TPanelMCB(ChassisHost* host, QWidget* owner);
};

class TPanelLC1 : public TLineCardPanel {
    Q_OBJECT
  public:
    TPanelLC1(ChassisHost* host, QWidget* owner);
};

class TPanelLC2 : public TLineCardPanel {
    Q_OBJECT
  public:
    TPanelLC2(ChassisHost* host, QWidget* owner);
};

class TPanelLC3 : public TLineCardPanel {
    Q_OBJECT
  public:
    TPanelLC3(ChassisHost* host, QWidget* owner);
};

class TPanelLC4 : public TLineCardPanel {
    Q_OBJECT
  public:
    TPanelLC4(ChassisHost* host, QWidget* owner);
};

class TPanelLC6 : public TLineCardPanel {
    Q_OBJECT
  public:
    TPanelLC6(ChassisHost* host, QWidget* owner);
};

class TPanelLC7 : public TLineCardPanel {
    Q_OBJECT
  public:
    TPanelLC7(ChassisHost* host, QWidget* owner);
};

class TPanelLC8 : public TLineCardPanel {
    Q_OBJECT
  public:
    TPanelLC8(ChassisHost* host, QWidget* owner);
};

class TPanelLC9 : public TLineCardPanel {
    Q_OBJECT
  public:
    TPanelLC9(ChassisHost* host, QWidget* owner);
};

class TPanelLC10 : public TLineCardPanel {
    Q_OBJECT
  public:
    TPanelLC10(ChassisHost* host, QWidget* owner);
};
