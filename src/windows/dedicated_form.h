// The frame every dedicated window builds on: a modal dialog with the opener's caption that owns
// its bindings, is centred on the main window at its final size, and on closing stops every
// binding and waits (bounded, user input dropped) until none is busy, as the generic window does.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "dedicated_windows.h"
#include "nm_snmp_request2_edits.h"

class TDedicatedForm : public QDialog {
    Q_OBJECT

  public:
    explicit TDedicatedForm(const DedicatedWindowContext& context);
    ~TDedicatedForm() override;

    // Takes the binding; it lives as long as the window and is stopped when the window closes,
    // in the order the bindings were added.
    template <class Binding = NmSNMPRequest2Edits>
    Binding* AddBinding(std::unique_ptr<Binding> binding) {
        Binding* raw = binding.get();
        bindings_.push_back(std::move(binding));
        return raw;
    }
    const std::vector<std::unique_ptr<NmSNMPRequest2Edits>>& Bindings() const { return bindings_; }
    const SharedBindings& Shared() const { return shared_; }

    // Stops every binding and waits until none is busy; run by every way of closing. A window
    // that must do more first (clear a selection, stop a timer) overrides it and calls it last.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    const SharedBindings& shared_;
    std::vector<std::unique_ptr<NmSNMPRequest2Edits>> bindings_;
    bool closing_ = false;
};
