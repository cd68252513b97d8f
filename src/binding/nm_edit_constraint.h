// Attaches edit constraints to line edits: the typing filter on every change, the exit
// check on focus-out, maximum length (of typed text), width, focus moves, beep and message boxes.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "edit_constraint_rule.h"

class QLineEdit;
class QValidator;

class NmEditConstraint : public QObject {
    Q_OBJECT

  public:
    // A field's own change or exit handler, run from the constraint's handlers. Returning
    // false stops the constraint's handler (after an exit handler, the last accepted text is
    // put back).
    using EditHandler = std::function<bool(QLineEdit*)>;

    // When rememberValid is true every value that passes the exit check becomes the field's
    // last accepted text.
    NmEditConstraint(QWidget* owner, bool rememberValid);
    ~NmEditConstraint() override;

    // One piece of the format per edit, in order; pieces beyond the edits are ignored.
    void AddFormat(const std::string& format, const std::vector<QLineEdit*>& edits);
    // Raises " Bad format specifier of edit's constraint!" before touching the edit.
    void Install(const std::string& piece, QLineEdit* edit, EditHandler onChange = {},
                 EditHandler onExit = {});
    void Remove(QLineEdit* edit);
    void SetOwner(QWidget* owner);
    void SetHandlers(QLineEdit* edit, EditHandler onChange, EditHandler onExit);

    QWidget* Owner() const { return owner_; }
    bool IsInstalled(QLineEdit* edit) const { return records_.count(edit) != 0; }
    const EditConstraintRule* Rule(QLineEdit* edit) const;
    QString LastGood(QLineEdit* edit) const;

    bool RememberValid;

    // The handlers, run by the edit's text changes and focus-out events.
    void OnEditChange(QLineEdit* edit);
    void OnEditExit(QLineEdit* edit);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Record {
        EditConstraintRule rule;
        QString lastGood;
        EditHandler savedOnChange;
        EditHandler savedOnExit;
        QMetaObject::Connection changed;
        QMetaObject::Connection destroyed;
        QMetaObject::Connection returned;
        QPointer<QValidator> validator;  // owned by the edit
    };

    Record* find(QLineEdit* edit);
    void detach(QLineEdit* edit, Record& record);
    void moveFocusNext(QLineEdit* edit);
    void reject(QLineEdit* edit, const std::vector<ConstraintMessage>& messages);

    QPointer<QWidget> owner_;
    std::map<QLineEdit*, Record> records_;
};
