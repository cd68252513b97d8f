// Radio group widget.
#include "nm_radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

NmRadioGroup::NmRadioGroup(QWidget* parent) : NmRadioGroup(QString(), parent) {}

NmRadioGroup::NmRadioGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
    layout_->setContentsMargins(8, 4, 8, 4);
    layout_->setSpacing(2);
    connect(group_, &QButtonGroup::idClicked, this, &NmRadioGroup::clicked);
}

QStringList NmRadioGroup::items() const {
    QStringList out;
    for (const QRadioButton* b : buttons_)
        out << b->text();
    return out;
}

void NmRadioGroup::setItems(const QStringList& items) {
    clearItems();
    for (const QString& text : items)
        addItem(text);
}

void NmRadioGroup::addItem(const QString& text) {
    auto* b = new QRadioButton(text, this);
    group_->addButton(b, count());
    layout_->addWidget(b);
    buttons_.push_back(b);
}

void NmRadioGroup::clearItems() {
    for (QRadioButton* b : buttons_) {
        group_->removeButton(b);
        delete b;
    }
    buttons_.clear();
}

int NmRadioGroup::itemIndex() const {
    return group_->checkedId();
}

void NmRadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < count()) {
        buttons_[static_cast<std::size_t>(index)]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; lift that while clearing.
    group_->setExclusive(false);
    for (QRadioButton* b : buttons_)
        b->setChecked(false);
    group_->setExclusive(true);
}

QString NmRadioGroup::currentText() const {
    const int i = itemIndex();
    return i >= 0 ? buttons_[static_cast<std::size_t>(i)]->text() : QString();
}

QRadioButton* NmRadioGroup::button(int index) const {
    return index >= 0 && index < count() ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}
