// Edit constraints on line edits; the rules themselves live in edit_constraint_rule.
#include "nm_edit_constraint.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

#include "message_box.h"

namespace {

// Limits typing and pasting only: unlike a line edit's maximum length it leaves texts
// set by the program alone, so "(NOTDONE)" and "(NULL)" fit into short fields.
class MaxLengthValidator : public QValidator {
  public:
    MaxLengthValidator(int maxLength, QObject* parent)
        : QValidator(parent), maxLength_(maxLength) {}
    State validate(QString& input, int&) const override {
        return maxLength_ > 0 && input.size() > maxLength_ ? Invalid : Acceptable;
    }

  private:
    int maxLength_;
};

bool isPlaceholder(const QString& text) {
    return text.isEmpty() || text == QLatin1String("(NULL)") || text == QLatin1String("(NOTDONE)");
}

}  // namespace

NmEditConstraint::NmEditConstraint(QWidget* owner, bool rememberValid)
    : RememberValid(rememberValid), owner_(owner) {}

NmEditConstraint::~NmEditConstraint() {
    for (auto& [edit, record] : records_)
        detach(edit, record);
}

void NmEditConstraint::AddFormat(const std::string& format, const std::vector<QLineEdit*>& edits) {
    std::size_t next = 0;
    for (const std::string& piece : SplitConstraintFormat(format)) {
        if (next >= edits.size())
            break;
        Install(piece, edits[next++]);
    }
}

void NmEditConstraint::Install(const std::string& piece, QLineEdit* edit, EditHandler onChange,
                               EditHandler onExit) {
    const EditConstraintRule rule = ParseConstraintPiece(piece);
    if (!edit)
        return;
    auto [it, created] = records_.try_emplace(edit);
    Record& record = it->second;
    record.rule = rule;
    if (onChange)
        record.savedOnChange = std::move(onChange);
    if (onExit)
        record.savedOnExit = std::move(onExit);
    if (rule.Width > 0)
        edit->setFixedWidth(rule.Width);
    // For type "n" MaxLength counts numbers, not characters.
    delete record.validator;
    record.validator = new MaxLengthValidator(rule.Type != 'n' ? rule.MaxLength : 0, edit);
    edit->setValidator(record.validator);
    if (created) {
        record.changed = connect(edit, &QLineEdit::textChanged, this,
                                 [this, edit](const QString&) { OnEditChange(edit); });
        record.destroyed = connect(edit, &QObject::destroyed, this,
                                   [this, edit](QObject*) { records_.erase(edit); });
        // Enter checks the value as leaving the field does, and does nothing else.
        record.returned =
            connect(edit, &QLineEdit::returnPressed, this, [this, edit] { OnEditExit(edit); });
        edit->installEventFilter(this);
    }
}

void NmEditConstraint::Remove(QLineEdit* edit) {
    Record* record = find(edit);
    if (!record)
        return;
    detach(edit, *record);
    records_.erase(edit);
}

void NmEditConstraint::SetOwner(QWidget* owner) {
    owner_ = owner;
}

void NmEditConstraint::SetHandlers(QLineEdit* edit, EditHandler onChange, EditHandler onExit) {
    if (Record* record = find(edit)) {
        record->savedOnChange = std::move(onChange);
        record->savedOnExit = std::move(onExit);
    }
}

const EditConstraintRule* NmEditConstraint::Rule(QLineEdit* edit) const {
    const auto it = records_.find(edit);
    return it == records_.end() ? nullptr : &it->second.rule;
}

QString NmEditConstraint::LastGood(QLineEdit* edit) const {
    const auto it = records_.find(edit);
    return it == records_.end() ? QString() : it->second.lastGood;
}

NmEditConstraint::Record* NmEditConstraint::find(QLineEdit* edit) {
    const auto it = records_.find(edit);
    return it == records_.end() ? nullptr : &it->second;
}

void NmEditConstraint::detach(QLineEdit* edit, Record& record) {
    disconnect(record.changed);
    disconnect(record.destroyed);
    disconnect(record.returned);
    edit->removeEventFilter(this);
    if (record.validator) {
        if (edit->validator() == record.validator)
            edit->setValidator(nullptr);
        delete record.validator;
    }
}

// Handlers may remove the record or delete the edit, so records are looked up again after
// every call that leaves this object.
void NmEditConstraint::OnEditChange(QLineEdit* edit) {
    Record* record = find(edit);
    if (!record)
        return;
    const QString text = edit->text();
    if (isPlaceholder(text))
        return;
    const TypingOutcome out = FilterTyping(record->rule, text.toStdString());
    if (out.kind == TypingOutcome::EndCharTyped) {
        edit->setText(QString::fromStdString(out.text));
        moveFocusNext(edit);
        return;
    }
    if (out.kind == TypingOutcome::CharRemoved) {
        const int cursor = edit->cursorPosition();
        QPointer<QLineEdit> guard(edit);
        edit->setText(QString::fromStdString(out.text));
        if (guard)
            edit->setCursorPosition(std::max(0, cursor - 1));
        QApplication::beep();
        return;
    }
    if (record->savedOnChange && !record->savedOnChange(edit))
        return;
    record = find(edit);
    if (record && ShouldAutoAdvance(record->rule, edit->text().toStdString()))
        moveFocusNext(edit);
}

void NmEditConstraint::OnEditExit(QLineEdit* edit) {
    Record* record = find(edit);
    // A read-only field shows what was read; there is nothing the user could mend.
    if (!record || edit->isReadOnly())
        return;
    const QString text = edit->text();
    const ExitOutcome out = CheckExit(record->rule, text.toStdString());
    if (out.verdict == ExitOutcome::Skip)
        return;
    if (out.verdict == ExitOutcome::Reject) {
        reject(edit, out.messages);
        return;
    }
    if (record->savedOnExit && !record->savedOnExit(edit)) {
        if ((record = find(edit)))
            edit->setText(record->lastGood);
        return;
    }
    if ((record = find(edit)) && RememberValid)
        record->lastGood = text;
}

void NmEditConstraint::reject(QLineEdit* edit, const std::vector<ConstraintMessage>& messages) {
    QPointer<QLineEdit> guard(edit);
    for (const ConstraintMessage& m : messages)
        ShowMessage(MessageKind::Warning, QString::fromStdString(m.text),
                    m.plain ? nullptr : owner_.data());
    if (!guard)
        return;
    if (Record* record = find(edit))
        edit->setText(record->lastGood);
    // Focus moves on once the focus-out has finished; take it back afterwards.
    QTimer::singleShot(0, edit, [edit] { edit->setFocus(Qt::OtherFocusReason); });
}

void NmEditConstraint::moveFocusNext(QLineEdit* edit) {
    QWidget* scope = owner_ ? owner_->window() : edit->window();
    QWidget* w = edit;
    // The focus chain is circular; the bound guards against a broken one.
    for (int guard = 0; guard < 100000; ++guard) {
        w = w->nextInFocusChain();
        if (!w || w == edit)
            return;
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() && w->isVisible() &&
            !w->focusProxy() && w->window() == scope) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool NmEditConstraint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Losing the focus to another window or a popup is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            OnEditExit(edit);
    }
    return QObject::eventFilter(watched, event);
}
