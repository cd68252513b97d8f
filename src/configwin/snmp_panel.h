// One binding's area of a configuration window: content, button column and status bar; the
// scalar (row editor) and table (list view) variants with the Add, Edit and Delete actions.
#pragma once

#include <QFrame>
#include <QPointer>
#include <functional>
#include <string>

#include "ctrl_btn_panel.h"
#include "edits_panel.h"

class NmSNMPRequest2Edits;
class QStatusBar;
class QTreeWidget;

class TSNMPPanel : public QFrame {
    Q_OBJECT

  public:
    // share: the panel whose status bar this one writes to, or none for an own status bar.
    TSNMPPanel(QWidget* parent, TSNMPPanel* share, NmSNMPRequest2Edits* binding);

    NmSNMPRequest2Edits* Binding;  // owned by the window
    TCtrlBtnPanel* Buttons;
    QFrame* ContentArea;
    TMsgPanel* MsgPanel = nullptr;
    QPointer<QWidget> Content;
    QPointer<QWidget> FittedForm;
    QFrame* Splitter;
    QFrame* BottomSplitter;

    QStatusBar* StatusBar() const { return statusBar_; }

    void SetContent(QWidget* control);
    void FitForm(QWidget* window);
    void RefreshClick();
    void CloseClick();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  protected:
    QMetaObject::Connection refreshAction_;

  private:
    void arrange();
    void arrangeContent();
    QStatusBar* statusBar_;
};

class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT

  public:
    TSNMPEditorPanel(QWidget* parent, NmSNMPRequest2Edits* binding);

    TEditsPanel* Editor = nullptr;

    // Raises "Can not set Var format to a ComboBox!" or "Unknow UI Control type!".
    void SetVarFormat(int position, const std::string& format);
    void SetEditWidth(int width);
    // The row-status row stays visible in the Edit dialog and is written even when "active".
    void KeepStatusInEdit(int position);
};

class TListViewPanel : public QFrame {
  public:
    TListViewPanel(QWidget* parent, NmSNMPRequest2Edits* binding);

    QTreeWidget* ListView;
    int DeleteIndex = -1;
    int AddIndex = -1;
    std::string AddLiteral;
    std::string DeleteLiteral;

    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
};

class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT

  public:
    TSNMPListViewPanel(QWidget* parent, NmSNMPRequest2Edits* binding);

    TListViewPanel* List = nullptr;
    std::function<void()> BeforeAdd, AfterAdd, BeforeEdit, AfterEdit;

    void SetAddStatus(int position, const std::string& literal);
    void SetDeleteStatus(int position, const std::string& literal);
    // Hides "Edit", removes the double-click action and lays the buttons out again.
    void HideEdit();
    // Hides "Add" and lays the buttons out again; "Delete" stays.
    void HideAdd();

    void RefreshList();
    void ShowAddDialog();
    void ShowEditDialog();
    void DeleteClick();
    void ListClick();
    void ListDblClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void updateCount();
    QString hintFor(int row) const;
    QString dialogCaption(const QString& suffix) const;
    // The Add or Edit dialog with its own panel sharing this panel's status bar.
    TSNMPPanel* createDialog(const QString& suffix, bool setEnabled);
    // The editor comes back hidden; the dialog goes; the table is read again unless the last
    // write of the dialog failed (its message stays in the status line).
    void finishDialog(QWidget* dialog);
    QMetaObject::Connection doubleClick_;
};
