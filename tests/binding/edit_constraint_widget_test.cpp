// Edit constraints attached to line edits, on the offscreen platform with message boxes
// answered by a test handler.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>
#include <QWidget>
#include <memory>

#include "message_box.h"
#include "messages.h"
#include "nm_edit_constraint.h"

namespace {

struct Shown {
    QString text;
    QWidget* parent;
};

class EditConstraintWidget : public testing::Test {
  protected:
    void SetUp() override {
        SetMessageHandler([this](const MessageRequest& r) {
            shown.push_back({r.text, r.parent});
            return true;
        });
        auto* layout = new QVBoxLayout(&window);
        for (QLineEdit*& e : edits) {
            e = new QLineEdit(&window);
            layout->addWidget(e);
        }
    }
    void TearDown() override { SetMessageHandler({}); }

    void leave(QLineEdit* edit) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &out);
    }

    // Whether the field takes the text when typed or pasted.
    static bool accepts(QLineEdit* edit, QString text) {
        int pos = 0;
        return !edit->validator() || edit->validator()->validate(text, pos) != QValidator::Invalid;
    }

    // Shows and activates the window so that focus moves can be observed.
    bool activate() {
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        for (int i = 0; i < 50 && !window.isActiveWindow(); ++i)
            QApplication::processEvents();
        return window.isActiveWindow();
    }

    QWidget window;
    QLineEdit* edits[3] = {};
    std::vector<Shown> shown;
};

TEST_F(EditConstraintWidget, FiltersTypingAndChecksOnExit) {
    NmEditConstraint constraint(&window, true);
    constraint.AddFormat("%i{n1x65535l5}", {edits[0]});
    QLineEdit* edit = edits[0];
    EXPECT_FALSE(accepts(edit, "123456"));
    EXPECT_TRUE(accepts(edit, "12345"));

    edit->setText("12a");
    EXPECT_EQ(edit->text(), "12");

    edit->setText("0");
    leave(edit);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, " Please enter a number between 1 and 65535!");
    EXPECT_EQ(shown[0].parent, &window);
    EXPECT_EQ(edit->text(), "");  // nothing accepted yet

    edit->setText("80");
    leave(edit);
    EXPECT_EQ(constraint.LastGood(edit), "80");
    edit->setText("0");
    leave(edit);
    EXPECT_EQ(edit->text(), "80");
    EXPECT_EQ(shown.size(), 2u);

    // Placeholder texts are neither filtered nor checked, nor cut to the maximum length.
    edit->setText("(NOTDONE)");
    EXPECT_EQ(edit->text(), "(NOTDONE)");
    edit->setText("(NULL)");
    leave(edit);
    EXPECT_EQ(edit->text(), "(NULL)");
    EXPECT_EQ(shown.size(), 2u);
}

TEST_F(EditConstraintWidget, RejectedFieldGetsTheFocusBack) {
    ASSERT_TRUE(activate());
    NmEditConstraint constraint(&window, true);
    constraint.AddFormat("%s{I}", {edits[0]});
    edits[0]->setFocus();
    edits[0]->setText("1.2.3");
    edits[1]->setFocus();
    for (int i = 0; i < 20 && !edits[0]->hasFocus(); ++i)
        QApplication::processEvents();
    EXPECT_TRUE(edits[0]->hasFocus());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Please input a valid IP.");
    EXPECT_EQ(shown[0].parent, nullptr);  // the address check's own dialog
    EXPECT_EQ(edits[0]->text(), "");
}

TEST_F(EditConstraintWidget, FocusMovesOnAutoAdvanceAndEndCharacter) {
    ASSERT_TRUE(activate());
    NmEditConstraint constraint(&window, true);
    constraint.AddFormat("%i{n6x40l2a}%i{e;}", {edits[0], edits[1]});
    edits[0]->setFocus();
    edits[0]->setText("1");
    EXPECT_TRUE(edits[0]->hasFocus());
    edits[0]->setText("12");
    EXPECT_TRUE(edits[1]->hasFocus());
    edits[1]->setText("7;");
    EXPECT_EQ(edits[1]->text(), "7");
    EXPECT_TRUE(edits[2]->hasFocus());
}

TEST_F(EditConstraintWidget, SavedHandlersRunAndCanStop) {
    NmEditConstraint constraint(&window, true);
    int changes = 0;
    bool acceptExit = true;
    constraint.Install(
        "%s{l5n}", edits[0], [&](QLineEdit*) { return ++changes, true; },
        [&](QLineEdit*) { return acceptExit; });
    edits[0]->setText("abc");
    EXPECT_EQ(changes, 1);
    leave(edits[0]);
    EXPECT_EQ(constraint.LastGood(edits[0]), "abc");

    acceptExit = false;
    edits[0]->setText("xyz");
    leave(edits[0]);
    EXPECT_EQ(edits[0]->text(), "abc");
    EXPECT_EQ(constraint.LastGood(edits[0]), "abc");

    edits[0]->setText("");
    leave(edits[0]);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, " Empty value is not allowed!");
}

TEST_F(EditConstraintWidget, InstallRemoveAndMalformedFormats) {
    NmEditConstraint constraint(&window, false);
    try {
        constraint.Install("%i{n1x10l2", edits[0]);
        ADD_FAILURE() << "malformed format accepted";
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), -2);
    }
    EXPECT_FALSE(constraint.IsInstalled(edits[0]));

    // Type n counts numbers, so the field is not limited to four characters.
    constraint.AddFormat("%n.{l4fn0x255}%s{w120l16}", {edits[0], edits[1]});
    EXPECT_TRUE(accepts(edits[0], "100.100.100.100"));
    EXPECT_FALSE(accepts(edits[1], "12345678901234567"));
    EXPECT_EQ(edits[1]->minimumWidth(), 120);
    edits[0]->setText("10.1.2.300");
    leave(edits[0]);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.endsWith("Here,each number is between 0 and 255!"));
    edits[0]->setText("10.1.2.3");
    leave(edits[0]);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(constraint.LastGood(edits[0]), "");  // not remembered

    constraint.Remove(edits[0]);
    edits[0]->setText("x");
    EXPECT_EQ(edits[0]->text(), "x");
    EXPECT_EQ(edits[0]->validator(), nullptr);
    delete edits[1];
    edits[1] = nullptr;
    EXPECT_FALSE(constraint.IsInstalled(edits[0]));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
