// The About box: the module name of the chassis the main window identified, the release and the
// program's icon.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TAboutForm : public QDialog {
    Q_OBJECT
  public:
    // owner is the main window: its ST_ModuleOID text names the chassis, and the box is centred
    // on it.
    explicit TAboutForm(QWidget* owner);

    // Module name and caption for the owner's chassis; runs each time the box is shown.
    void FormActivate();

    QWidget* ImageLogo = nullptr;
    QLabel* AboutLabel = nullptr;
    QLabel* VersionLabel = nullptr;
    QLabel* NoticeLabel = nullptr;
    QPushButton* BT_Ok = nullptr;

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
