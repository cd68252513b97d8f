// The window as a whole: the button column per layout, sizes, programming errors, pages,
// closing during a read, and screenshots on request.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "config_form_fixture.h"
#include "config_geometry.h"
#include "picture_folder.h"

using namespace configwin_test;

namespace {

const SNMPVarDescriptor kReadOnlyGroup[] = {
    {"1.3.6.1.4.1.32473.99.3.1", "Name", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.99.3.2", "Up Time", synTimeTicks, vfRead},
    {nullptr}};
const SNMPVarDescriptor kSettableGroup[] = {
    {"1.3.6.1.4.1.32473.99.3.3", "Location", synDisplayString, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.3.4", "Mode", synInteger, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.3.5", "Default Gateway Address", synIpAddress, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.3.2", "Up Time", synTimeTicks, vfRead},
    {nullptr}};
// Ten captions of eight characters: 80 in all.
const SNMPVarDescriptor kWideTable[] = {
    {"1.3.6.1.4.1.32473.99.4.1.1", "Column01", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.99.4.1.2", "Column02", synCounter32, vfRead},
    {"1.3.6.1.4.1.32473.99.4.1.3", "Column03", synCounter32, vfRead},
    {"1.3.6.1.4.1.32473.99.4.1.4", "Column04", synCounter32, vfRead},
    {"1.3.6.1.4.1.32473.99.4.1.5", "Column05", synCounter32, vfRead},
    {"1.3.6.1.4.1.32473.99.4.1.6", "Column06", synCounter32, vfRead},
    {"1.3.6.1.4.1.32473.99.4.1.7", "Column07", synCounter32, vfRead},
    {"1.3.6.1.4.1.32473.99.4.1.8", "Column08", synCounter32, vfRead},
    {"1.3.6.1.4.1.32473.99.4.1.9", "Column09", synCounter32, vfRead},
    {"1.3.6.1.4.1.32473.99.4.1.10", "Column10", synCounter32, vfRead},
    {nullptr}};

// A group of 30 read-only rows, taller than any window may be.
std::vector<SNMPVarDescriptor> tallGroup() {
    static std::vector<std::string> captions;
    std::vector<SNMPVarDescriptor> table;
    captions.clear();
    for (int i = 0; i < 30; ++i)
        captions.push_back("Counter " + std::to_string(i + 1));
    for (int i = 0; i < 30; ++i)
        table.push_back({"1.3.6.1.4.1.32473.99.3.2", captions[static_cast<std::size_t>(i)].c_str(),
                         synTimeTicks, vfRead});
    table.push_back({nullptr});
    return table;
}

}  // namespace

using ConfigFormWindow = ConfigFormTest;

TEST_F(ConfigFormWindow, ButtonColumnFollowsTheContent) {
    enum Layout { Scalar, Table };
    struct Case {
        const char* name;
        Layout layout;
        const SNMPVarDescriptor* table;
        const char* addLiteral;
        const char* deleteLiteral;
        QStringList buttons;
    };
    const Case cases[] = {
        {"read-only group", Scalar, kReadOnlyGroup, "", "", {"BT_Refresh", "BT_Close"}},
        {"read-only table",
         Table,
         kCounterTable,
         "",
         "",
         {"CountBox", "SamplesLabel", "BT_Refresh", "BT_Close"}},
        {"table with add only",
         Table,
         kPortTable,
         "createAndGo",
         "",
         {"CountBox", "SamplesLabel", "BT_Refresh", "BT_Edit", "BT_Add", "BT_Close"}},
        {"table with add and delete",
         Table,
         kPortTable,
         "createAndGo",
         "destroy",
         {"CountBox", "SamplesLabel", "BT_Refresh", "BT_Edit", "BT_Add", "BT_Delete", "BT_Close"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TConfigForm form;
        TSNMPPanel* panel =
            c.layout == Scalar
                ? static_cast<TSNMPPanel*>(form.AddEditorPanel(bind(&form, c.table, vlScalar)))
                : form.AddListViewPanel(bind(&form, c.table, vlTableRows, 1), kPortStatus,
                                        c.addLiteral, kPortStatus, c.deleteLiteral);
        showAndRead(form);
        EXPECT_EQ(shownButtons(panel->Buttons), c.buttons);
        // One column: shown controls stacked top to bottom without overlap, all inside.
        int bottom = 0;
        for (QWidget* w : panel->Buttons->Controls()) {
            if (!w->isVisible())
                continue;
            EXPECT_GT(w->y(), bottom) << w->objectName().toStdString();
            EXPECT_EQ(w->x(), 10);
            bottom = w->geometry().bottom();
        }
        EXPECT_LE(bottom, panel->Buttons->height());
    }
}

TEST_F(ConfigFormWindow, SizeFollowsTheContentWithinTheLimits) {
    {
        SCOPED_TRACE("80 characters of captions");
        TConfigForm form;
        form.AddListViewPanel(bind(&form, kWideTable, vlTable, 1), -1, "", -1, "");
        EXPECT_EQ(form.width(), 450 + 116 + 3 + 58);
    }
    {
        SCOPED_TRACE("a taller editor scrolls");
        TConfigForm form;
        const auto table = tallGroup();
        auto* panel = form.AddEditorPanel(bind(&form, table.data(), vlScalar));
        form.show();
        QTest::qWait(50);
        EXPECT_EQ(form.height(), 550);
        EXPECT_GT(panel->Editor->height(), 0);
        EXPECT_TRUE(panel->Editor->ScrollBox->verticalScrollBar()->isVisible());
        form.close();
    }
    {
        SCOPED_TRACE("a small group keeps the minimum width");
        TConfigForm form;
        form.AddEditorPanel(bind(&form, kReadOnlyGroup, vlScalar));
        EXPECT_GE(form.width(), 350);
        EXPECT_LE(form.height(), 550);
    }
}

TEST_F(ConfigFormWindow, ProgrammingErrorsAreRaisedWithTheirTexts) {
    struct Case {
        const char* expected;
        std::function<void(TConfigForm&, ConfigFormTest&)> run;
    };
    const auto scalar = [this](TConfigForm& f) {
        return f.AddEditorPanel(bind(&f, kSettableGroup, vlScalar));
    };
    const auto table = [this](TConfigForm& f) {
        return f.AddListViewPanel(bind(&f, kPortTable, vlTableRows, 2), -1, "", -1, "");
    };
    const Case cases[] = {
        {"Can not change Type of a Config Form!",
         [&](TConfigForm& f, ConfigFormTest&) {
             scalar(f);
             table(f);
         }},
        {"Can not change Type of a Config Form!",
         [&](TConfigForm& f, ConfigFormTest&) {
             table(f);
             f.CreatePageControl();
         }},
        {"Can not add editor page to a none-page pannel!",
         [this](TConfigForm& f, ConfigFormTest&) {
             f.AddEditorPage("A", bind(&f, kSettableGroup, vlScalar));
         }},
        {"Can not add listview page to a none-page pannel!",
         [this](TConfigForm& f, ConfigFormTest&) {
             f.AddListViewPage("A", bind(&f, kPortTable, vlTableRows, 2), -1, "", -1, "");
         }},
        {"Can not set Var format to a ComboBox!",
         [&](TConfigForm& f, ConfigFormTest&) { table(f)->SetVarFormat(kPortStatus, "%i"); }},
        {"Unknow UI Control type!",
         [&](TConfigForm& f, ConfigFormTest&) { table(f)->SetVarFormat(99, "%i"); }},
        {"TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:create",
         [&](TConfigForm& f, ConfigFormTest&) { table(f)->SetAddStatus(kPortStatus, "create"); }},
        {"TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy",
         [&](TConfigForm& f, ConfigFormTest&) { table(f)->SetDeleteStatus(2, "destroy"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        TConfigForm form;
        std::string raised;
        try {
            c.run(form, *this);
        } catch (const std::exception& e) {
            raised = e.what();
        }
        EXPECT_EQ(raised, c.expected);
    }
}

TEST_F(ConfigFormWindow, VarFormatReplacesTheCheckOfAField) {
    TConfigForm form;
    auto* panel = form.AddEditorPanel(bind(&form, kSettableGroup, vlScalar));
    auto* location = qobject_cast<QLineEdit*>(panel->Editor->Rows[0].ValueControl);
    QTest::keyClicks(location, "a1");
    EXPECT_EQ(location->text(), "a1");
    panel->SetVarFormat(0, "%i{n0x255l3}");
    location->clear();
    QTest::keyClicks(location, "a12345");
    EXPECT_EQ(location->text(), "123");
}

TEST_F(ConfigFormWindow, SwitchingPagesStopsThePreviousPagesWalk) {
    startAgent({"--delay", "60"});
    TConfigForm form;
    form.CreatePageControl();
    auto slowBinding = bind(&form, kLongTable, vlTable, 1);
    slowBinding->Request.MaxRepetitions = 0;  // a row per answer: the switch comes mid-walk
    auto* slow = form.AddListViewPage("Values", std::move(slowBinding), -1, "", -1, "");
    auto* other = form.AddEditorPage("System", bind(&form, kSettableGroup, vlScalar));
    form.show();
    (void)QTest::qWaitFor([&] { return slow->List->ListView->topLevelItemCount() >= 3; });
    ASSERT_TRUE(slow->Binding->Busy);
    form.Pages->setCurrentIndex(1);
    (void)QTest::qWaitFor([&] { return !slow->Binding->Busy && !other->Binding->Busy; });
    const int rowsAtSwitch = slow->List->ListView->topLevelItemCount();
    EXPECT_LT(rowsAtSwitch, 10);
    EXPECT_TRUE(slow->StatusBar()->currentMessage().contains("Stop, SNMP Request is not active."));
    EXPECT_EQ(qobject_cast<QLineEdit*>(other->Editor->Rows[0].ValueControl)->text(), "lab");
    QTest::qWait(300);
    EXPECT_EQ(slow->List->ListView->topLevelItemCount(), rowsAtSwitch);
    // Back on the first page, its table is read again from the start.
    form.Pages->setCurrentIndex(0);
    (void)QTest::qWaitFor([&] { return !slow->Binding->Busy; }, 8000);
    EXPECT_EQ(slow->List->ListView->topLevelItemCount(), 40);
    EXPECT_EQ(slow->Buttons->CountBox->text(), "40");
    form.close();
}

TEST_F(ConfigFormWindow, ClosingDuringAReadWaitsForIt) {
    startAgent({"--delay", "300"});
    TConfigForm form;
    auto* panel = form.AddListViewPanel(bind(&form, kLongTable, vlTable, 1), -1, "", -1, "");
    form.show();
    (void)QTest::qWaitFor([&] { return panel->Binding->Busy; });
    ASSERT_TRUE(panel->Binding->Busy);
    panel->Buttons->BT_Close->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(panel->Binding->Busy);
    EXPECT_EQ(panel->Binding->Request.PendingReplies, 0);
    EXPECT_TRUE(shown.empty());
}

// A window is centred at the size its pages and the handler's adjustments give it, not at the
// size it had when it was made.
TEST_F(ConfigFormWindow, WindowIsCentredAtItsFinalSize) {
    TConfigForm form;
    form.CreatePageControl();
    form.AddListViewPage("Ports", bind(&form, kPortTable, vlTableRows, 2), kPortStatus,
                         "createAndGo", kPortStatus, "destroy");
    form.AddEditorPage("System", bind(&form, kSettableGroup, vlScalar));
    form.resize(form.width(), 450);  // as a handler's height step
    showAndRead(form);
    const QRect area = form.screen()->availableGeometry();
    EXPECT_LE((form.frameGeometry().center() - area.center()).manhattanLength(), 2);
    form.close();
}

// A click on one of the window's buttons while its closing waits for the read does not reach
// the window; the same click outside the wait does.
TEST_F(ConfigFormWindow, ClickDuringTheCloseWaitIsNotDelivered) {
    startAgent({"--delay", "300"});
    TConfigForm form;
    auto* panel = form.AddListViewPanel(bind(&form, kLongTable, vlTable, 1), -1, "", -1, "");
    form.show();
    (void)QTest::qWaitFor([&] { return panel->Binding->Busy; });
    ASSERT_TRUE(panel->Binding->Busy);
    QPushButton* refresh = panel->Buttons->BT_Refresh;
    int delivered = 0;
    QObject::connect(refresh, &QPushButton::clicked, [&] { ++delivered; });
    QTest::mouseClick(refresh, Qt::LeftButton);
    ASSERT_EQ(delivered, 1);

    bool clickedWhileWaiting = false;
    QTimer::singleShot(50, [&] {
        clickedWhileWaiting = panel->Binding->Busy && form.isVisible();
        QTest::mouseClick(refresh, Qt::LeftButton);
        QTest::keyClick(refresh, Qt::Key_Space);
    });
    panel->Buttons->BT_Close->click();
    EXPECT_TRUE(clickedWhileWaiting);
    EXPECT_EQ(delivered, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(panel->Binding->Busy);
}

TEST_F(ConfigFormWindow, CloseOnAPageClosesTheWindow) {
    TConfigForm form;
    form.CreatePageControl();
    auto* page = form.AddEditorPage("System", bind(&form, kReadOnlyGroup, vlScalar));
    showAndRead(form);
    page->Buttons->BT_Close->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(shown.empty());
}

TEST_F(ConfigFormWindow, ListHintShowsEveryColumnOfTheLine) {
    TConfigForm form;
    auto* panel = form.AddListViewPanel(bind(&form, kPortTable, vlTableRows, 2), -1, "", -1, "");
    showAndRead(form);
    QTreeWidget* view = panel->List->ListView;
    const QPoint over = view->visualItemRect(view->topLevelItem(1)).center();
    QTest::mouseMove(view->viewport(), over);
    EXPECT_EQ(view->viewport()->toolTip(),
              "Slot\t\t  1\nPort\t\t  2\nName\t\t  server\nStatus  active\n");
    QTest::mouseMove(view->viewport(), QPoint(5, view->viewport()->height() - 5));
    EXPECT_TRUE(view->viewport()->toolTip().isEmpty());
}

// Writes PNGs of the three layouts at 100 % and 125 % (into CORVANE_SHOT_DIR when set).
TEST_F(ConfigFormWindow, Screenshots) {
    const corvane::test::PictureFolder folder;
    const QString dir = folder.path();
    const QFont normal = QApplication::font();
    for (double scale : {1.0, 1.25}) {
        SetConfigScale(scale);
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(font);
        const QString suffix = scale > 1 ? "-125.png" : "-100.png";
        {
            TConfigForm form;
            form.setWindowTitle("System Settings: 127.0.0.1");
            form.AddEditorPanel(bind(&form, kSettableGroup, vlScalar));
            showAndRead(form);
            form.grab().save(dir + "/scalar" + suffix);
            form.close();
        }
        {
            TConfigForm form;
            form.setWindowTitle("Ports: 127.0.0.1");
            auto* panel = form.AddListViewPanel(bind(&form, kPortTable, vlTableRows, 2),
                                                kPortStatus, "createAndGo", kPortStatus, "destroy");
            showAndRead(form);
            form.grab().save(dir + "/table" + suffix);
            onNextDialog([&](QDialog* d) {
                QApplication::processEvents();
                d->grab().save(dir + "/table-add" + suffix);
                d->close();
            });
            panel->Buttons->BT_Add->click();
            (void)QTest::qWaitFor([&] { return !panel->Binding->Busy; });
            form.close();
        }
        {
            TConfigForm form;
            form.setWindowTitle("Pages: 127.0.0.1");
            form.CreatePageControl();
            form.AddListViewPage("Ports", bind(&form, kPortTable, vlTableRows, 2), kPortStatus,
                                 "createAndGo", kPortStatus, "destroy");
            form.AddEditorPage("System", bind(&form, kSettableGroup, vlScalar));
            showAndRead(form);
            form.grab().save(dir + "/pages" + suffix);
            form.Pages->setCurrentIndex(1);
            showAndRead(form, form.PanelBindings[1].get());
            form.grab().save(dir + "/pages-2" + suffix);
            form.close();
        }
    }
    QApplication::setFont(normal);
    SetConfigScale(1.0);
}
