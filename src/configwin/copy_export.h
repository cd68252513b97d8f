// Taking what a MIB window shows elsewhere: the clipboard text and CSV of a list view or of a
// row editor's caption/value pairs, the context menus that offer them, and the whole text of
// cells that their column cuts short.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

class QMenu;
class QModelIndex;
class QTreeWidget;
class TEditsPanel;

struct CaptionValue {
    QString caption;
    QString value;
};

// One CSV record (RFC 4180): fields quoted where they hold a comma, quote or line break,
// ended by CR LF.
QString CsvLine(const QStringList& fields);
// One line of tab-separated text; tabs and line breaks inside a field become blanks.
QString TabLine(const QStringList& fields);

// The list view's shown columns in the order shown, and their captions, trimmed.
QList<int> ShownColumns(const QTreeWidget* view);
QStringList ColumnCaptions(const QTreeWidget* view);
// Captions, then the selected lines (every line when none is selected), tab-separated.
QString ListViewTabText(const QTreeWidget* view);
// Captions, then every line, as CSV.
QString ListViewCsv(const QTreeWidget* view);

// The row editor's shown rows: caption (trimmed) and the text of the value control.
std::vector<CaptionValue> EditorPairs(const TEditsPanel* editor);
QString PairsTabText(const std::vector<CaptionValue>& pairs);
QString PairsCsv(const std::vector<CaptionValue>& pairs);

// True when the cell's text does not fit the width of its column.
bool IsCellCut(const QTreeWidget* view, const QModelIndex& index);

// Writes UTF-8 text to a file as a whole; false with a reason on failure.
bool WriteTextFile(const QString& path, const QString& text, QString& error);

// "Copy" (Ctrl+C and the context menu) and "Export CSV…" on a list view of a MIB window, and
// the whole text of a cut cell as its tool tip. Every list view of a MIB window gets one.
class ListViewTools : public QObject {
    Q_OBJECT

  public:
    explicit ListViewTools(QTreeWidget* view);

    // The context menu: "Copy" and "Export CSV…"; the caller owns it.
    QMenu* CreateMenu(QWidget* parent) const;
    void Copy() const;
    // Asks for a file and writes the whole table; a failure is shown in a message box.
    void ExportCsv() const;
    // The file name offered: the window's title prefix (and page), with ".csv".
    QString SuggestedFileName() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTreeWidget* view_;
};

// "Copy" of the caption/value pairs in the context menu of a row editor (scalar windows).
class EditorCopy : public QObject {
    Q_OBJECT

  public:
    explicit EditorCopy(TEditsPanel* editor);

    QMenu* CreateMenu(QWidget* parent) const;
    void Copy() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TEditsPanel* editor_;
};
