// The About box: chassis texts from the main window's sysObjectID, release text and its key,
// geometry, the menu entry, the program icon on every window, and pictures of the box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "about_form.h"
#include "app_icon.h"
#include "main_form.h"
#include "modal_dialog.h"
#include "picture_folder.h"
#include "waiting_form.h"

namespace fs = std::filesystem;

namespace {

// Stands for the main window: the box reads the chassis from its ST_ModuleOID.
class Owner : public QWidget {
  public:
    explicit Owner(const QString& oid) {
        auto* label = new QLabel(oid, this);
        label->setObjectName("ST_ModuleOID");
        label->hide();
    }
};

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST(AboutForm, ChassisTexts) {
    struct Case {
        const char* oid;
        const char* caption;
        const char* module;
    } cases[] = {
        {"1.3.6.1.4.1.32473.10.120.1", "About Corvane-A Module",
         "Varden Corvane-A Management Module"},
        {"1.3.6.1.4.1.32473.10.120.2", "About Corvane-B Module",
         "Varden Corvane-B Management Module"},
        // Anything else keeps the design texts, an OID that only begins like a chassis included.
        {"1.3.6.1.4.1.32473.10.120.21", "About Corvane Module",
         "Varden Corvane-A Management Module"},
        {"1.3.6.1.4.1.32473.10.121.7", "About Corvane Module",
         "Varden Corvane-A Management Module"},
        {"", "About Corvane Module", "Varden Corvane-A Management Module"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.oid);
        Owner owner(c.oid);
        TAboutForm about(&owner);
        EXPECT_FALSE(about.ImageLogo->isVisibleTo(&about));
        about.show();
        EXPECT_EQ(about.windowTitle(), c.caption);
        EXPECT_EQ(about.AboutLabel->text(), c.module);
        EXPECT_EQ(about.VersionLabel->text(), "Release Version 4.10 ");
        EXPECT_TRUE(about.ImageLogo->isVisible());
        EXPECT_EQ(about.ImageLogo->size(), QSize(32, 32));
        EXPECT_EQ(about.size(), QSize(374, 119));
        EXPECT_EQ(about.BT_Ok->size(), QSize(51, 20));
        EXPECT_EQ(about.BT_Ok->text(), "OK");
        EXPECT_TRUE(about.AboutLabel->font().bold());
        EXPECT_FALSE(about.NoticeLabel->text().isEmpty());
        about.close();
    }
}

TEST(AboutForm, BorderAndOk) {
    Owner owner("1.3.6.1.4.1.32473.10.120.1");
    TAboutForm about(&owner);
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(about.minimumSize(), about.maximumSize());  // not resizable
    about.show();
    about.BT_Ok->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(AboutForm, ShiftAltF3OnOkShowsTheBuildVersion) {
    Owner owner("1.3.6.1.4.1.32473.10.120.2");
    TAboutForm about(&owner);
    about.show();
    about.BT_Ok->setFocus();
    for (Qt::KeyboardModifiers held :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        QTest::keyClick(about.BT_Ok, Qt::Key_F3, held);
        EXPECT_EQ(about.VersionLabel->text(), "Release Version 4.10 ") << held.toInt();
    }
    QTest::keyClick(about.BT_Ok, Qt::Key_F2, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(about.VersionLabel->text(), "Release Version 4.10 ");
    QTest::keyClick(about.BT_Ok, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(about.VersionLabel->text(), "Release Version 4.10D05(for Orlen feature).");
    EXPECT_TRUE(about.isVisible());
}

// "Help" > "About" on the main window: the box, modal, centred on the window, named after the
// chassis the window identified.
TEST(AboutForm, HelpAboutOpensTheBoxOnTheMainWindow) {
    const QTemporaryDir folder;
    const std::string work = folder.path().toStdString();
    {
        TMainForm form({"/I127.0.0.1"}, work);
        form.ST_ModuleOID->setText("1.3.6.1.4.1.32473.10.120.2");
        form.Activated = true;  // no waiting window in front of the box
        form.move(40, 30);
        form.show();
        QAction* about = nullptr;
        for (QAction* top : form.menuBar()->actions())
            if (top->text() == "Help" && top->menu())
                for (QAction* a : top->menu()->actions())
                    if (a->text() == "About")
                        about = a;
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(about->isEnabled());
        QString seen, caption;
        QPoint centre;
        bool modal = false;
        corvane::test::onNextDialog([&](QDialog* d) {
            seen = d->metaObject()->className();
            caption = d->windowTitle();
            centre = d->frameGeometry().center();
            modal = d->isModal();
            if (auto* box = qobject_cast<TAboutForm*>(d))
                box->BT_Ok->click();
        });
        about->trigger();
        EXPECT_EQ(seen, "TAboutForm");
        EXPECT_EQ(caption, "About Corvane-B Module");
        EXPECT_TRUE(modal);
        const QPoint offset = centre - form.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
        EXPECT_EQ(form.findChildren<TAboutForm*>().size(), 0);  // destroyed once closed
    }
}

// main() sets the program's icon for the whole application; no window may replace it.
TEST(AboutForm, EveryWindowShowsTheProgramIcon) {
    const QIcon before = QApplication::windowIcon();
    QApplication::setWindowIcon(AppIcon());
    const QImage expected = iconImage(AppIcon());
    Owner owner("");
    TAboutForm about(&owner);
    TWaitingForm waiting(&owner, {});
    QMessageBox box(QMessageBox::Information, "Corvane", "text", QMessageBox::Ok, &owner);
    QMessageBox ownerless(QMessageBox::Warning, "Corvane", "text");
    for (QWidget* w : std::initializer_list<QWidget*>{&about, &waiting, &box, &ownerless}) {
        SCOPED_TRACE(w->metaObject()->className());
        EXPECT_EQ(iconImage(w->windowIcon()), expected);
    }
    QApplication::setWindowIcon(before);
}

// Writes PNGs of the box at 100 % and 125 % (into CORVANE_SHOT_DIR when set).
TEST(AboutForm, Picture) {
    const corvane::test::PictureFolder folder;
    const QString dir = folder.path();
    const QFont normal = QApplication::font();
    for (double scale : {1.0, 1.25}) {
        DisplayScale = scale;
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(font);
        Owner owner("1.3.6.1.4.1.32473.10.120.2");
        TAboutForm about(&owner);
        about.show();
        QApplication::processEvents();
        about.grab().save(dir + (scale > 1 ? "/about-125.png" : "/about-100.png"));
        EXPECT_EQ(about.size(), QSize(qRound(374 * scale), qRound(119 * scale)));
    }
    QApplication::setFont(normal);
    DisplayScale = 1.0;
}
