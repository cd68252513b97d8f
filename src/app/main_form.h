// The program's main window: menu bar, chassis client area and status bar.
#pragma once

#include <QMainWindow>
#include <string>
#include <vector>

#include "command_line.h"

class QLabel;
class QScrollArea;

// Fixed at construction from the screen resolution; dedicated windows size themselves with them.
extern bool LargeFonts;
extern double DisplayScale;
// The agent's sysObjectID in dotted form, read when the main window is created.
extern std::string DeviceOID;

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the start-up steps: session, boots counter, message files, command line. Errors of
    // those steps escape to the caller, which shows them and ends the program.
    explicit TMainForm(const std::vector<std::string>& args, const std::string& workFolder = {},
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // The creation handler: identifies the device. Errors go to status panel 0.
    void FormCreate();

    void setStatusText(const QString& text);
    QString statusText() const;

    LaunchParameters launchParameters;
    QString WindowTitle;
    bool FirstLoad = true;
    bool Activated = false;

    QScrollArea* ScrollBox1 = nullptr;
    QLabel* StatusPanel0 = nullptr;

  private:
    void createMenus();
};
