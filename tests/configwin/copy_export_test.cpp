// Taking window data elsewhere: Copy and Export CSV… of a list view, Copy of a scalar window,
// and the tool tip of a cut cell, against a switch whose texts hold commas, quotes, line
// breaks, empty cells and non-ASCII characters.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "config_form_fixture.h"
#include "copy_export.h"
#include "file_dialog.h"
#include "picture_folder.h"

using namespace configwin_test;

namespace {

const char* const kLong = "a description far longer than its column is wide, kept whole";

// Rows 1-3 of a table under .99.7.1 and a scalar group under .99.8.
std::string textProfile() {
    return std::string(
               "1.3.6.1.4.1.32473.99.7.1.2.1|4|a,b\n"
               "1.3.6.1.4.1.32473.99.7.1.2.2|4|\n"
               "1.3.6.1.4.1.32473.99.7.1.2.3|4x|6c696e65310a6c696e6532\n"
               "1.3.6.1.4.1.32473.99.7.1.3.1|2|1\n"
               "1.3.6.1.4.1.32473.99.7.1.3.2|2|2\n"
               "1.3.6.1.4.1.32473.99.7.1.3.3|2|1\n"
               "1.3.6.1.4.1.32473.99.7.1.4.1|4|say \"hi\"\n"
               "1.3.6.1.4.1.32473.99.7.1.4.2|4|Zürich – naïve ✓\n"
               "1.3.6.1.4.1.32473.99.7.1.4.3|4|") +
           kLong +
           "\n"
           "1.3.6.1.4.1.32473.99.8.1.0|4|core,1\n"
           "1.3.6.1.4.1.32473.99.8.2.0|4|Zürich\n";
}

const OptionEntry kModeWords[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const NmOptionList kModes(kModeWords);
// A write-only column stands first with width 0: it is no text the user sees.
const SNMPVarDescriptor kTextTable[] = {
    {"1.3.6.1.4.1.32473.99.7.1.1", "Index", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.99.7.1.5", "Secret", synDisplayString, vfWrite},
    {"1.3.6.1.4.1.32473.99.7.1.2", " Name ", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.99.7.1.4", "Note", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.99.7.1.3", "Mode", synInteger, vfRead, &kModes},
    {nullptr}};
const SNMPVarDescriptor kTextGroup[] = {
    {"1.3.6.1.4.1.32473.99.8.1", "Host Name", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.99.8.2", " Location ", synDisplayString, vfRead},
    {nullptr}};

// RFC 4180 records: quoted fields may hold commas, doubled quotes and line breaks.
std::vector<QStringList> readCsv(const QString& text) {
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record << field;
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            record << field;
            records.push_back(record);
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(record.isEmpty() && field.isEmpty()) << "the last record has no CR LF";
    return records;
}

// What the list view shows: the visible columns' captions and cells.
std::vector<QStringList> shownTable(const QTreeWidget* view) {
    std::vector<QStringList> rows(1);
    for (int c = 0; c < view->columnCount(); ++c)
        if (!view->header()->isSectionHidden(c))
            rows[0] << view->headerItem()->text(c).trimmed();
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < view->columnCount(); ++c)
            if (!view->header()->isSectionHidden(c))
                cells << view->topLevelItem(r)->text(c);
        rows.push_back(cells);
    }
    return rows;
}

// Opens the context menu at a point of a widget and returns it (null when none opened).
QMenu* contextMenuAt(QWidget* widget, const QPoint& pos) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void trigger(QMenu* menu, const char* action) {
    ASSERT_NE(menu, nullptr);
    QAction* a = menu->findChild<QAction*>(action);
    ASSERT_NE(a, nullptr) << action;
    a->trigger();
    menu->close();
}

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

}  // namespace

class ConfigFormCopy : public ConfigFormTest {
  protected:
    void SetUp() override {
        ConfigFormTest::SetUp();
        std::ofstream(dataDir() / "text.snmprec") << textProfile();
        agent_ = std::make_unique<corvane::test::SimProcess>((dataDir() / "text.snmprec").string());
        ASSERT_TRUE(agent_->ready());
        previousDialog_ = SetFileDialogHandler([this](const FileDialogRequest& r) {
            asked.push_back(r);
            return answer;
        });
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override {
        SetFileDialogHandler(previousDialog_);
        ConfigFormTest::TearDown();
    }

    TSNMPListViewPanel* openTable(TConfigForm& form) {
        form.setWindowTitle("Text Table: 127.0.0.1");
        auto* panel = form.AddListViewPanel(bind(&form, kTextTable, vlTable, 1), -1, "", -1, "");
        showAndRead(form);
        return panel;
    }

    std::vector<FileDialogRequest> asked;
    QString answer;

  private:
    FileDialogHandler previousDialog_;
};

TEST_F(ConfigFormCopy, CopyTakesTheSelectionOrTheWholeTable) {
    TConfigForm form;
    QTreeWidget* view = openTable(form)->List->ListView;
    ASSERT_EQ(view->topLevelItemCount(), 3);
    const QString header = "Index\tName\tNote\tMode\n";
    const QString all = header + "1\ta,b\tsay \"hi\"\tenabled\n" +
                        "2\t\tZürich – naïve ✓\tdisabled\n" + "3\tline1 line2\t" + kLong +
                        "\tenabled\n";

    // Ctrl+C without a selection: every line, captions trimmed, the line break flattened.
    view->clearSelection();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboardText(), all);

    // The context menu's Copy with one line selected: that line only.
    view->topLevelItem(1)->setSelected(true);
    const QPoint onLine = view->visualItemRect(view->topLevelItem(1)).center();
    trigger(contextMenuAt(view->viewport(), onLine), "CopyAction");
    EXPECT_EQ(clipboardText(), header + "2\t\tZürich – naïve ✓\tdisabled\n");
    EXPECT_TRUE(shown.empty());
}

TEST_F(ConfigFormCopy, ExportWritesEveryLineAsCsv) {
    TConfigForm form;
    QTreeWidget* view = openTable(form)->List->ListView;
    view->topLevelItem(0)->setSelected(true);  // a selection does not narrow an export
    const QString path = QString::fromStdString((dataDir() / "export").string());
    answer = path;
    trigger(contextMenuAt(view->viewport(), QPoint(5, 5)), "ExportCsvAction");

    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].suggestedName, "Text Table.csv");
    EXPECT_EQ(asked[0].parent, &form);
    QFile file(path + ".csv");  // a name without a suffix gets ".csv"
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "no byte-order mark";
    EXPECT_TRUE(
        bytes.startsWith("Index,Name,Note,Mode\r\n1,\"a,b\",\"say \"\"hi\"\"\",enabled\r\n"))
        << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("\r\n3,\"line1\nline2\","));
    EXPECT_TRUE(bytes.contains(QString("\r\n2,,Zürich – naïve ✓,disabled\r\n").toUtf8()));

    // Read back, every field is the cell as the list shows it.
    EXPECT_EQ(readCsv(QString::fromUtf8(bytes)), shownTable(view));
    EXPECT_TRUE(shown.empty());
}

TEST_F(ConfigFormCopy, ExportCancelledOrUnwritable) {
    TConfigForm form;
    QTreeWidget* view = openTable(form)->List->ListView;
    ListViewTools* tools = view->findChild<ListViewTools*>();
    ASSERT_NE(tools, nullptr);

    answer.clear();  // cancelled: nothing written, nothing said
    tools->ExportCsv();
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(shown.empty());

    // A path through a regular file cannot be created, even by root.
    std::ofstream(dataDir() / "plain") << "x";
    answer = QString::fromStdString((dataDir() / "plain" / "table.csv").string());
    tools->ExportCsv();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(shown[0].text.startsWith("Cannot write the file " + answer))
        << shown[0].text.toStdString();
}

TEST_F(ConfigFormCopy, CutCellShowsItsWholeTextAsToolTip) {
    TConfigForm form;
    QTreeWidget* view = openTable(form)->List->ListView;
    // The columns keep the widths their captions gave them (the last one fills the rest).
    const int note = 3;
    EXPECT_EQ(view->header()->sectionSize(note), view->header()->sectionSizeHint(note));

    QTreeWidgetItem* longLine = view->topLevelItem(2);
    const QModelIndex cut = view->model()->index(2, note);
    const QModelIndex fits = view->model()->index(0, 1);  // "1" under "Index"
    ASSERT_TRUE(IsCellCut(view, cut));
    ASSERT_FALSE(IsCellCut(view, fits));

    const QPoint overCut = view->visualRect(cut).center();
    QHelpEvent tip(QEvent::ToolTip, overCut, view->viewport()->mapToGlobal(overCut));
    QApplication::sendEvent(view->viewport(), &tip);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), longLine->text(note));
    EXPECT_EQ(QToolTip::text(), kLong);
    QToolTip::hideText();

    // Over a cell that fits, the line's own hint stays.
    const QPoint overFit = view->visualRect(fits).center();
    QTest::mouseMove(view->viewport(), overFit);
    QHelpEvent fitTip(QEvent::ToolTip, overFit, view->viewport()->mapToGlobal(overFit));
    QApplication::sendEvent(view->viewport(), &fitTip);
    EXPECT_TRUE(QToolTip::text().contains("Index\t  1\n")) << QToolTip::text().toStdString();
    QToolTip::hideText();
}

TEST_F(ConfigFormCopy, ScalarWindowCopiesCaptionValuePairs) {
    TConfigForm form;
    auto* panel = form.AddEditorPanel(bind(&form, kTextGroup, vlScalar));
    showAndRead(form);
    QLabel* caption = panel->Editor->Rows[0].CaptionLabel;
    trigger(contextMenuAt(caption, QPoint(2, 2)), "CopyAction");
    EXPECT_EQ(clipboardText(), "Host Name\tcore,1\nLocation\tZürich\n");
    EXPECT_EQ(PairsCsv(EditorPairs(panel->Editor)), "Host Name,\"core,1\"\r\nLocation,Zürich\r\n");
}

// Writes a PNG of a table window with its context menu open (into CORVANE_SHOT_DIR when set).
TEST_F(ConfigFormCopy, ContextMenuPicture) {
    const corvane::test::PictureFolder folder;
    const QString dir = folder.path();
    TConfigForm form;
    QTreeWidget* view = openTable(form)->List->ListView;
    view->topLevelItem(0)->setSelected(true);
    const QPoint at = view->visualItemRect(view->topLevelItem(0)).center();
    QMenu* menu = contextMenuAt(view->viewport(), at);
    ASSERT_NE(menu, nullptr);
    QTest::qWait(100);
    // The menu is a window of its own: draw it onto the window's picture where it opened.
    QPixmap picture = form.grab();
    QPainter painter(&picture);
    painter.drawPixmap(form.mapFromGlobal(menu->pos()), menu->grab());
    painter.end();
    menu->close();
    EXPECT_TRUE(picture.save(dir + "/table-context-menu.png"));
}
