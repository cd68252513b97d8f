// The dedicated window frame: caption, owned bindings, centring and the close wait.
#include "dedicated_form.h"

#include <QShowEvent>

#include "config_geometry.h"

TDedicatedForm::TDedicatedForm(const DedicatedWindowContext& context)
    : QDialog(context.Owner), shared_(context.Shared) {
    setWindowTitle(context.Caption);
}

TDedicatedForm::~TDedicatedForm() {
    for (auto& b : bindings_)
        b->Request.Active = false;
    // Bindings go while their controls still exist.
    bindings_.clear();
}

void TDedicatedForm::done(int result) {
    if (closing_)
        return;
    closing_ = true;
    for (auto& b : bindings_)
        b->StopAndWait();
    closing_ = false;
    QDialog::done(result);
}

void TDedicatedForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        CentreOnMainWindow(this);
    QDialog::showEvent(event);
}
