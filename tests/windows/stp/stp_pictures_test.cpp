// Pictures of the spanning-tree windows, the port edit dialog and the progress dialog at 100 %
// and 125 %, drawn against corvane-sim (CORVANE_SHOT_DIR names a folder to keep them).
#include <QApplication>
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include "config_geometry.h"
#include "modal_dialog.h"
#include "picture_folder.h"
#include "stp_fixture.h"
#include "tmstp_port_state_form.h"
#include "tmstp_vlan_unit_form.h"
#include "tspanning_tree_algorithm_form.h"
#include "tstp_info.h"

namespace stp_test {
namespace {

class StpPictures : public StpWindowTest {
  protected:
    static void save(QWidget* w, const QString& path) {
        QApplication::processEvents();
        EXPECT_TRUE(w->grab().save(path)) << path.toStdString();
    }
};

TEST_F(StpPictures, Pictures) {
    startAgent("corvane-b");
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
            TSTP_Info window(context("TSTP_Info"));
            window.show();
            save(&window, dir + "/stp-info" + suffix);
            window.close();
        }
        {
            TSpanningTreeAlgorithmForm window(context("TSpanningTreeAlgorithmForm"));
            window.show();
            EXPECT_TRUE(waitIdle(window.Binding));
            save(&window, dir + "/stp-algorithm" + suffix);
            window.close();
        }
        {
            TMSTPVLANUnitForm window(context("TMSTPVLANUnitForm"));
            window.show();
            EXPECT_TRUE(QTest::qWaitFor([&] { return window.Ready(); }, 15000));
            window.ListView1->setCurrentItem(window.ListView1->topLevelItem(2));
            window.cbxVlanRange[1]->setChecked(true);
            save(&window, dir + "/mstp-instances" + suffix);
            window.close();
        }
        {
            TMSTPPortStateForm window(context("TMSTPPortStateForm"));
            window.show();
            EXPECT_TRUE(QTest::qWaitFor([&] { return window.Ready(); }, 15000));
            window.lvMSTPPortState->setCurrentItem(window.lvMSTPPortState->topLevelItem(4));
            save(&window, dir + "/mstp-port-state" + suffix);
            corvane::test::onNextDialog([&](QDialog* d) {
                save(d, dir + "/mstp-port-edit" + suffix);
                d->reject();
            });
            window.BT_Edit->click();
            window.close();
        }
        {
            TProgressForm2 progress(nullptr, "Enable STP Progress", "Enable STP is processing...");
            progress.ProgressBar1->setValue(36);
            progress.show();
            save(&progress, dir + "/stp-progress" + suffix);
            progress.Timer1->stop();
            progress.hide();
        }
    }
    QApplication::setFont(normal);
    SetConfigScale(1.0);
    EXPECT_TRUE(shown.empty()) << shown.front().text.toStdString();
}

}  // namespace
}  // namespace stp_test
