// A radio group: a framed box of radio buttons with one item list and one selected index.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

class NmRadioGroup : public QGroupBox {
    Q_OBJECT

  public:
    explicit NmRadioGroup(QWidget* parent = nullptr);
    explicit NmRadioGroup(const QString& title, QWidget* parent = nullptr);

    QStringList items() const;
    void setItems(const QStringList& items);
    void addItem(const QString& text);
    void clearItems();
    int count() const { return static_cast<int>(buttons_.size()); }

    // -1: no button checked. Out-of-range indexes clear the selection as well.
    int itemIndex() const;
    void setItemIndex(int index);
    QString currentText() const;
    QRadioButton* button(int index) const;

  signals:
    // The user clicked the button at index.
    void clicked(int index);

  private:
    QButtonGroup* group_;
    QVBoxLayout* layout_;
    std::vector<QRadioButton*> buttons_;
};
